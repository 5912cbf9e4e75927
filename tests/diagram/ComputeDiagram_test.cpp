// A whole diagram: the events of 368 nights in the grid, the picture's
// month marks, new moons and frame, and the request date left behind.

#include "catalog/AsteroidRecord.h"
#include "core/EphemerisRequest.h"
#include "diagram/ChartDrawing.h"
#include "diagram/ComputeDiagram.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/NightlyEvents.h"
#include "support/DiagramFixtures.h"
#include "support/RecordingCanvas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <set>

namespace {

struct Diagram {
    EventGrid grid;
    RecordingCanvas canvas;
    EphemerisRequest request;
    int leapFebruaryMarker = 0;

    // The first row of `code` in the column, -1 when there is none.
    int RowOf(int column, int code) const
    {
        for (int row = 0; row < EventGrid::kRows; ++row)
            if (grid.At(column, row) == code)
                return row;
        return -1;
    }
    // A transit every night, unless a new moon mark covers it near 12h UT.
    // The last record's points are never written, so a transit that has
    // drifted into the night before leaves the last column without one.
    bool TransitEveryNight() const
    {
        for (int column = 1; column <= 366; ++column)
            if (RowOf(column, EventCode::Transit) < 0 && RowOf(column, EventCode::NewMoon) < 0)
                return false;
        return true;
    }
    std::set<int> CodesIn(int firstColumn, int lastColumn) const
    {
        std::set<int> codes;
        for (int column = firstColumn; column <= lastColumn; ++column)
            for (int row = 0; row < EventGrid::kRows; ++row)
                codes.insert(grid.At(column, row));
        return codes;
    }
};

std::unique_ptr<Diagram> Compute(const DiagramObject& object, const SiteRecord& site, int month, int year)
{
    auto diagram = std::make_unique<Diagram>();
    diagram->request.month = month;
    diagram->request.year = year;
    diagram->request.day = 17;
    diagram->request.dayInterval = 10;
    diagram->leapFebruaryMarker = 1;
    ComputeDiagram(object, site, diagram->request, diagram->leapFebruaryMarker, diagram->grid, diagram->canvas);
    return diagram;
}

std::unique_ptr<Diagram> Compute(const CometRecord& comet, const SiteRecord& site, int month, int year)
{
    const AsteroidRecord noAsteroid;
    return Compute(DiagramObject(kCometKind, comet, noAsteroid), site, month, year);
}

// The night around 0h UT of day k is column k: the information box reads
// its lower half as day k - 1 from 12h UT, its upper half as day k up to 12h UT.
int ColumnOfDay(int day) { return day; }

} // namespace

// Event cells against instants computed by PyEphem 4.1.4 (no refraction, the
// centre at -0°34', 10° or -18°), each instant put in the cell where the
// information box reads it. A longitude of the wrong sign, a wrong sidereal
// rate or points one night off put them elsewhere.
TEST(ComputeDiagram, EventTimesMatchAnIndependentEngine)
{
    struct Pin {
        int day;  // of the span, day 1 the 1st of the start month
        int h, m, s;  // UT
        int code;
    };
    auto expect = [](const Diagram& diagram, const Pin& pin) {
        const double hours = pin.h + pin.m / 60.0 + pin.s / 3600.0;
        const int column = hours >= 12 ? pin.day + 1 : pin.day;
        const int row = static_cast<int>(std::floor((hours >= 12 ? hours - 12 : hours + 12) * 15));
        EXPECT_EQ(diagram.grid.At(column, row), pin.code) << "day " << pin.day << " code " << pin.code;
    };
    // Astronomical night at Paris: 15 January 2025 18:14:57, 16 January
    // 05:45:14, 15 October 18:45:33.
    const auto paris = Compute(PolarComet(false), Paris(), 1, 2025);
    for (const Pin& pin : {Pin{15, 18, 14, 57, EventCode::NightStart}, Pin{16, 5, 45, 14, EventCode::NightEnd},
                           Pin{288, 18, 45, 33, EventCode::NightStart}})
        expect(*paris, pin);
    // Vesta from Mauna Kea: set 20 August 2022 16:21:13, rise 21 August
    // 05:13:23; rise 10 February 2023 19:16:54, 10 degrees 20:02:04 and
    // 06:22:01, set 11 February 07:07:12; rise 25 June 13:41:52, set 26 June 02:33:15.
    const CometRecord noComet{};
    const AsteroidRecord vesta = Vesta();
    const auto maunaKea = Compute(DiagramObject(kAsteroidKind, noComet, vesta), MaunaKea(), 8, 2022);
    for (const Pin& pin : {Pin{20, 16, 21, 13, EventCode::Set}, Pin{21, 5, 13, 23, EventCode::Rise},
                           Pin{194, 19, 16, 54, EventCode::Rise}, Pin{194, 20, 2, 4, EventCode::Ascending10},
                           Pin{195, 6, 22, 1, EventCode::Descending10}, Pin{195, 7, 7, 12, EventCode::Set},
                           Pin{329, 13, 41, 52, EventCode::Rise}, Pin{330, 2, 33, 15, EventCode::Set}})
        expect(*maunaKea, pin);
}

TEST(ComputeDiagram, ObjectThatNeverSetsAt69NorthAndSummerWithoutNight)
{
    const auto diagram = Compute(PolarComet(true), Tromso(), 1, 2025);
    // No rise, set or 10-degree passage on any night, the first included.
    const std::set<int> codes = diagram->CodesIn(0, EventGrid::kColumns - 1);
    for (const int absent : {EventCode::Rise, EventCode::Set, EventCode::Ascending10, EventCode::Descending10})
        EXPECT_FALSE(codes.contains(absent)) << absent;
    // The first estimate lies within minutes of the next night's transit.
    EXPECT_TRUE(diagram->TransitEveryNight());
    EXPECT_NEAR(diagram->RowOf(ColumnOfDay(0), EventCode::Transit),
                diagram->RowOf(ColumnOfDay(1), EventCode::Transit), 2);
    // In January the comfortable period fills the whole astronomical night.
    for (int day = 1; day <= 31; ++day) {
        const int column = ColumnOfDay(day);
        const int start = diagram->RowOf(column, EventCode::NightStart);
        const int end = diagram->RowOf(column, EventCode::NightEnd);
        ASSERT_GE(start, 0) << day;
        ASSERT_GT(end, start + 6) << day;
        // The green line runs from the start of the night to its end; only
        // the transit and the month marks are drawn over it.
        int comfortableCells = 0;
        for (int row = start + 1; row < end; ++row) {
            const Rgb pixel = diagram->canvas.Pixel(ColumnX(column), RowY(row));
            EXPECT_TRUE(pixel == DiagramColour::Comfortable || pixel == DiagramColour::Transit ||
                        pixel == DiagramColour::MonthLine || pixel == DiagramColour::Midnight)
                << day << " " << row;
            comfortableCells += diagram->grid.At(column, row) == EventCode::Comfortable;
        }
        // The cells leave three rows free at each end of every window.
        EXPECT_GE(comfortableCells, end - start - 12) << day;
    }
    // From 1 June (day 152) to 31 July the Sun never gets 18 degrees down.
    const std::set<int> summer = diagram->CodesIn(ColumnOfDay(152), ColumnOfDay(212));
    for (const int absent : {EventCode::NightStart, EventCode::NightEnd, EventCode::Comfortable})
        EXPECT_FALSE(summer.contains(absent)) << absent;
}

TEST(ComputeDiagram, ObjectThatNeverRisesShowsOnlyItsTransits)
{
    const auto diagram = Compute(PolarComet(false), Paris(), 9, 2024);
    const std::set<int> codes = diagram->CodesIn(0, EventGrid::kColumns - 1);
    for (const int absent : {EventCode::Rise, EventCode::Set, EventCode::Ascending10, EventCode::Descending10,
                             EventCode::Comfortable})
        EXPECT_FALSE(codes.contains(absent)) << absent;
    EXPECT_TRUE(diagram->TransitEveryNight());
    // The transit is plotted in its colour below the horizon, like every night's.
    const int row = diagram->RowOf(100, EventCode::Transit);
    EXPECT_EQ(diagram->canvas.Pixel(ColumnX(100), RowY(row)), DiagramColour::Transit);
}

TEST(ComputeDiagram, DecemberStartRunsIntoTheNextYearAndComesBack)
{
    const auto diagram = Compute(PolarComet(true), HauteProvence(), 12, 2024);
    EXPECT_EQ(diagram->request.day, 1);
    EXPECT_EQ(diagram->request.month, 12);
    EXPECT_EQ(diagram->request.year, 2024);
    EXPECT_EQ(diagram->request.dayInterval, 1);
    EXPECT_EQ(diagram->leapFebruaryMarker, 0);

    std::vector<RecordingCanvas::Text> labels;
    for (const RecordingCanvas::Text& text : diagram->canvas.texts)
        if (text.y == 441)
            labels.push_back(text);
    ASSERT_EQ(labels.size(), 12u);
    EXPECT_EQ(labels.front().text, "Déc. 2024");
    EXPECT_EQ(labels.front().x, 11 + 31 - 23);
    EXPECT_EQ(labels[1].text, "Jan. 2025");
    EXPECT_EQ(labels[1].x, 11 + 2 * 31 + 31 - 23);
    EXPECT_EQ(labels[7].text, " Jlt. 2025");
    EXPECT_EQ(labels.back().text, "Nov. 2025");
    // The next 1 December gets its dotted line at x = 741, but no label.
    EXPECT_EQ(diagram->canvas.Pixel(741, 430), DiagramColour::MonthLine);
    EXPECT_EQ(diagram->canvas.edges.back().first, (PixelRect{8, 72, 745, 438}));

    // A span holding 29 February: the marker, the frame two pixels wider,
    // the next 1 December one column further.
    const auto leap = Compute(PolarComet(true), HauteProvence(), 12, 2023);
    EXPECT_EQ(leap->leapFebruaryMarker, 1);
    EXPECT_EQ(leap->request.year, 2023);
    EXPECT_EQ(leap->canvas.edges.back().first, (PixelRect{8, 72, 747, 438}));
    EXPECT_EQ(leap->canvas.Pixel(743, 430), DiagramColour::MonthLine);
    EXPECT_EQ(leap->canvas.edges.back().second, EdgeStyle::Raised);
}

TEST(ComputeDiagram, NewMoonsAndMidnightMarks)
{
    const auto diagram = Compute(PolarComet(false), Paris(), 1, 2025);
    // The mean new moon of 29 January 2025 is 29 whole days after 0h UT of
    // 31 December: code 8 at both ends of columns 29 and 30.
    for (const int column : {29, 30})
        for (const int row : {0, 9, 350, 359})
            EXPECT_EQ(diagram->grid.At(column, row), EventCode::NewMoon) << column << " " << row;
    EXPECT_NE(diagram->grid.At(29, 10), EventCode::NewMoon);
    EXPECT_NE(diagram->grid.At(28, 0), EventCode::NewMoon);
    // 1 January at x = 11 has a midnight mark on its right only.
    EXPECT_EQ(diagram->canvas.Pixel(13, 255), DiagramColour::Midnight);
    EXPECT_NE(diagram->canvas.Pixel(9, 255), DiagramColour::Midnight);
    EXPECT_EQ(diagram->canvas.Pixel(71, 255), DiagramColour::Midnight);
    EXPECT_EQ(diagram->canvas.outside, 0);
}

TEST(WriteEventPoints, LowerCodeWinsASharedCellAndNothingLeavesTheGrid)
{
    EventGrid grid;
    RecordingCanvas canvas;
    NightRecord record;
    record.time.fill(1.0);  // every event in the same four-minute cell
    WriteEventPoints(record, 10, grid, canvas);
    const CellTime cell = *SplitTime(1.0);
    EXPECT_EQ(grid.At(10, cell.row), EventCode::Rise);
    EXPECT_EQ(canvas.Pixel(ColumnX(10), RowY(cell.row)), DiagramColour::RiseSet);

    // Only the transit is written when no altitude is crossed.
    EventGrid alone;
    record.reach.fill(AltitudeReach::NeverBelow);
    WriteEventPoints(record, 10, alone, canvas);
    EXPECT_EQ(alone.At(10, cell.row), EventCode::Transit);

    // A time drifted days away, or no time at all, has no cell: nothing is
    // stored or drawn outside the chart.
    EventGrid empty;
    RecordingCanvas clean;
    record.reach.fill(AltitudeReach::Crosses);
    record.time = {-100.0, 1e4, std::numeric_limits<double>::quiet_NaN(), 1e9, -1e9, -80.0, 9000.0};
    WriteEventPoints(record, 2, empty, clean);
    for (int column = 0; column < EventGrid::kColumns; ++column)
        for (int row = 0; row < EventGrid::kRows; ++row)
            ASSERT_EQ(empty.At(column, row), EventGrid::kEmpty);
    EXPECT_EQ(clean.outside, 0);

    // A comfortable window beyond the last column is not drawn either.
    DrawComfortableWindow(clean, EventGrid::kColumns, {0, 10}, {0, 50});
    DrawComfortableWindow(clean, EventGrid::kColumns - 1, {0, 300}, {1, 50});
    EXPECT_EQ(clean.outside, 0);
    EXPECT_EQ(clean.Pixel(ColumnX(EventGrid::kColumns), RowY(20)), Rgb{});
    EXPECT_EQ(clean.Pixel(ColumnX(EventGrid::kColumns - 1), RowY(320)), DiagramColour::Comfortable);
}

TEST(ComputeDiagram, DamagedElementsGiveAnEmptyChartNotACrash)
{
    CometRecord damaged = PolarComet(true);
    damaged.perihelionDistance = std::numeric_limits<double>::quiet_NaN();
    damaged.eccentricity = std::numeric_limits<double>::infinity();
    const auto diagram = Compute(damaged, Paris(), 3, 2024);
    const std::set<int> codes = diagram->CodesIn(0, EventGrid::kColumns - 1);
    for (const int code : codes)
        EXPECT_TRUE(code == EventGrid::kEmpty || code >= EventCode::NightStart) << code;
    EXPECT_EQ(diagram->canvas.outside, 0);
    EXPECT_EQ(diagram->request.month, 3);
}
