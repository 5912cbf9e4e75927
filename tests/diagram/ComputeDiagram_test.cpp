// A whole diagram: the events of 368 nights in the grid, the picture's
// month marks, new moons, title and frame, and the request date left behind.

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
    EphemerisRequest request{17, 0, 0, 10, 0, 0};
    int leapFebruaryMarker = 1;

    int RowOf(int column, int code) const  // the first row of `code`, -1 when there is none
    {
        for (int row = 0; row < EventGrid::kRows; ++row)
            if (grid.At(column, row) == code)
                return row;
        return -1;
    }
    std::set<int> CodesIn(int firstColumn, int lastColumn) const
    {
        std::set<int> codes;
        for (int column = firstColumn; column <= lastColumn; ++column)
            for (int row = 0; row < EventGrid::kRows; ++row)
                codes.insert(grid.At(column, row));
        return codes;
    }
    // A transit every night, unless a new moon mark covers it near 12h UT.
    bool TransitEveryNight() const
    {
        for (int column = 1; column <= 366; ++column)
            if (RowOf(column, EventCode::Transit) < 0 && RowOf(column, EventCode::NewMoon) < 0)
                return false;
        return true;
    }
    bool HasText(const std::string& text) const
    {
        for (const RecordingCanvas::Text& shown : canvas.texts)
            if (shown.text == text)
                return true;
        return false;
    }
};

const CometRecord kNoComet{};
const AsteroidRecord kNoAsteroid;

std::unique_ptr<Diagram> Compute(const DiagramObject& object, const SiteRecord& site, int month, int year)
{
    auto diagram = std::make_unique<Diagram>();
    diagram->request.month = month;
    diagram->request.year = year;
    ComputeDiagram(object, site, diagram->request, diagram->leapFebruaryMarker, diagram->grid, diagram->canvas);
    return diagram;
}

std::unique_ptr<Diagram> Compute(const CometRecord& comet, const SiteRecord& site, int month, int year)
{
    return Compute(DiagramObject(kCometKind, comet, kNoAsteroid), site, month, year);
}

} // namespace

// Event cells against instants computed by PyEphem 4.1.4 (no refraction; the
// centre at -0°34', 10° or -18°; meridian transits). The night around 0h UT
// of day k is column k, from 12h UT (row 0) on, one row per four minutes; an
// event may sit a minute either side of PyEphem's instant. A longitude of the
// wrong sign, a wrong sidereal rate or points one night off put them elsewhere.
TEST(ComputeDiagram, EventTimesMatchAnIndependentEngine)
{
    struct Pin {
        int day;      // of the span, day 1 the 1st of the start month
        int h, m, s;  // UT
        int code;
    };
    auto expect = [](const Diagram& diagram, const Pin& pin) {
        const double hours = pin.h + pin.m / 60.0 + pin.s / 3600.0;
        const int column = hours >= 12 ? pin.day + 1 : pin.day;
        const double fromNoon = hours >= 12 ? hours - 12 : hours + 12;
        bool found = false;
        for (int row = static_cast<int>((fromNoon - 1 / 60.0) * 15); row <= static_cast<int>((fromNoon + 1 / 60.0) * 15);
             ++row)
            found = found || diagram.grid.At(column, row) == pin.code;
        EXPECT_TRUE(found) << "day " << pin.day << " " << pin.h << ":" << pin.m << " code " << pin.code;
    };
    // Astronomical night at Paris, 2025: 15 January 18:14:58 to 16 January
    // 05:45:14; 20 May 22:15:10 to 21 May 01:18:52; 11 June 23:44:05 to
    // 23:56:44; none from the evening of 12 June to that of 29 June; 30 June
    // 23:41:06 to 1 July 00:08:02; 15 October 18:45:34.
    const auto paris = Compute(PolarComet(false), Paris(), 1, 2025);
    for (const Pin& pin : {Pin{15, 18, 14, 58, EventCode::NightStart}, Pin{16, 5, 45, 14, EventCode::NightEnd},
                           Pin{140, 22, 15, 10, EventCode::NightStart}, Pin{141, 1, 18, 52, EventCode::NightEnd},
                           Pin{162, 23, 44, 5, EventCode::NightStart}, Pin{162, 23, 56, 44, EventCode::NightEnd},
                           Pin{181, 23, 41, 6, EventCode::NightStart}, Pin{182, 0, 8, 2, EventCode::NightEnd},
                           Pin{288, 18, 45, 34, EventCode::NightStart}})
        expect(*paris, pin);
    const std::set<int> june = paris->CodesIn(164, 181);
    EXPECT_FALSE(june.contains(EventCode::NightStart) || june.contains(EventCode::NightEnd));

    // Vesta from Mauna Kea: set 20 August 2022 16:21:13, rise 21 August
    // 05:13:24, transit 10:44:50; rise 10 February 2023 19:16:54, 10 degrees
    // 20:02:04, transit 11 February 01:11:59, 10 degrees 06:22:02, set
    // 07:07:12; rise 25 June 13:41:53, transit 20:07:32, set 26 June 02:33:15.
    const AsteroidRecord vesta = Vesta();  // the object keeps a reference
    const auto maunaKea = Compute(DiagramObject(kAsteroidKind, kNoComet, vesta), MaunaKea(), 8, 2022);
    for (const Pin& pin :
         {Pin{20, 16, 21, 13, EventCode::Set}, Pin{21, 5, 13, 24, EventCode::Rise}, Pin{21, 10, 44, 50, EventCode::Transit},
          Pin{194, 19, 16, 54, EventCode::Rise}, Pin{194, 20, 2, 4, EventCode::Ascending10},
          Pin{195, 1, 11, 59, EventCode::Transit}, Pin{195, 6, 22, 2, EventCode::Descending10},
          Pin{195, 7, 7, 12, EventCode::Set}, Pin{329, 13, 41, 53, EventCode::Rise},
          Pin{329, 20, 7, 32, EventCode::Transit}, Pin{330, 2, 33, 15, EventCode::Set}})
        expect(*maunaKea, pin);
    EXPECT_TRUE(maunaKea->HasText("Astéroïde : Vesta (4)"));
    EXPECT_TRUE(maunaKea->HasText("Site : Mauna Kea (Hawaï)"));
}

TEST(ComputeDiagram, ObjectThatNeverSetsAt69NorthAndSummerWithoutNight)
{
    const auto diagram = Compute(PolarComet(true), Tromso(), 1, 2025);
    EXPECT_TRUE(diagram->HasText("Comète : Polaire nord"));
    // No rise, set or 10-degree passage on any night, the first included.
    const std::set<int> codes = diagram->CodesIn(0, EventGrid::kColumns - 1);
    for (const int absent : {EventCode::Rise, EventCode::Set, EventCode::Ascending10, EventCode::Descending10})
        EXPECT_FALSE(codes.contains(absent)) << absent;
    // The first estimate lies within minutes of the next night's transit.
    EXPECT_TRUE(diagram->TransitEveryNight());
    EXPECT_NEAR(diagram->RowOf(0, EventCode::Transit), diagram->RowOf(1, EventCode::Transit), 2);
    // In January the comfortable period fills the astronomical night, three
    // rows short at each end; only the transit and the marks are drawn over it.
    for (int column = 1; column <= 31; ++column) {
        const int start = diagram->RowOf(column, EventCode::NightStart);
        const int end = diagram->RowOf(column, EventCode::NightEnd);
        ASSERT_GE(start, 0) << column;
        ASSERT_GT(end, start + 6) << column;
        int comfortableCells = 0;
        for (int row = start + 1; row < end; ++row) {
            const Rgb pixel = diagram->canvas.Pixel(ColumnX(column), RowY(row));
            EXPECT_TRUE(pixel == DiagramColour::Comfortable || pixel == DiagramColour::Transit ||
                        pixel == DiagramColour::MonthLine || pixel == DiagramColour::Midnight)
                << column << " " << row;
            comfortableCells += diagram->grid.At(column, row) == EventCode::Comfortable;
        }
        EXPECT_GE(comfortableCells, end - start - 12) << column;
    }
    // From 1 June (day 152) to 31 July the Sun never gets 18 degrees down.
    const std::set<int> summer = diagram->CodesIn(152, 212);
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
    // Plotted in its colour below the horizon too.
    EXPECT_EQ(diagram->canvas.Pixel(ColumnX(100), RowY(diagram->RowOf(100, EventCode::Transit))),
              DiagramColour::Transit);
}

TEST(ComputeDiagram, DecemberStartRunsIntoTheNextYearAndComesBack)
{
    const auto diagram = Compute(PolarComet(true), HauteProvence(), 12, 2024);
    const EphemerisRequest& request = diagram->request;
    EXPECT_TRUE(request.day == 1 && request.month == 12 && request.year == 2024 && request.dayInterval == 1);
    EXPECT_EQ(diagram->leapFebruaryMarker, 0);

    std::vector<RecordingCanvas::Text> labels;
    for (const RecordingCanvas::Text& text : diagram->canvas.texts)
        if (text.y == 441)
            labels.push_back(text);
    ASSERT_EQ(labels.size(), 12u);
    // Each label starts at its month's 1st (1 December at x = 11) plus the
    // month's length in days, less 23 pixels.
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
    EXPECT_EQ(leap->canvas.edges.back(), (std::pair{PixelRect{8, 72, 747, 438}, EdgeStyle::Raised}));
    EXPECT_EQ(leap->canvas.Pixel(743, 430), DiagramColour::MonthLine);
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
    record.time.fill(1.0);  // every event at 1h UT: row (1 + 12) x 15 = 195
    WriteEventPoints(record, 10, grid, canvas);
    EXPECT_EQ(grid.At(10, 195), EventCode::Rise);
    EXPECT_EQ(canvas.Pixel(ColumnX(10), RowY(195)), DiagramColour::RiseSet);

    // Only the transit is written when no altitude is crossed.
    EventGrid alone;
    record.reach.fill(AltitudeReach::NeverBelow);
    WriteEventPoints(record, 10, alone, canvas);
    EXPECT_EQ(alone.At(10, 195), EventCode::Transit);

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
    for (const int code : diagram->CodesIn(0, EventGrid::kColumns - 1))
        EXPECT_TRUE(code == EventGrid::kEmpty || code >= EventCode::NightStart) << code;
    EXPECT_EQ(diagram->canvas.outside, 0);
    EXPECT_EQ(diagram->request.month, 3);
}
