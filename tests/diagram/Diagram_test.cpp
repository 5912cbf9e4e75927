// The visibility diagram without its window: one night, a whole grid and
// picture against independent event times, and reading it back.

#include "catalog/AsteroidRecord.h"
#include "core/EphemerisRequest.h"
#include "diagram/ChartDrawing.h"
#include "diagram/ComputeDiagram.h"
#include "diagram/DiagramMonth.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"
#include "diagram/InfoBox.h"
#include "diagram/InstantView.h"
#include "diagram/Legend.h"
#include "diagram/NightlyEvents.h"
#include "support/DiagramFixtures.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <tuple>

namespace {

constexpr double kDegree = 0.017453292519943295;

// The chart's geometry, written out: night k at x = 2k + 9, row r at y = 435 - r.
int X(int column) { return 2 * column + 9; }
int Y(int row) { return 435 - row; }

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
    // Whether none of `codes` is in the columns.
    bool NoneIn(int firstColumn, int lastColumn, std::initializer_list<int> codes) const
    {
        for (int column = firstColumn; column <= lastColumn; ++column)
            for (int row = 0; row < EventGrid::kRows; ++row)
                if (std::find(codes.begin(), codes.end(), grid.At(column, row)) != codes.end())
                    return false;
        return true;
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
        return std::any_of(canvas.texts.begin(), canvas.texts.end(), [&](const auto& shown) { return shown.text == text; });
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

TEST(SplitTime, EveryTimeFallsInARowOfItsNight)
{
    // Hours, night, row. Just below a night's start (the last case) the remainder rounds to 24 hours: still row 359.
    for (const auto& [hours, night, row] :
         {std::tuple{-12.0, 0, 0}, std::tuple{0.0, 0, 180}, std::tuple{11.99, 0, 359}, std::tuple{12.0, 1, 0},
          std::tuple{-12.01, -1, 359}, std::tuple{36.1, 2, 1}, std::tuple{-0.07, 0, 178},
          std::tuple{std::nextafter(-12.0, -13.0), -1, 359}}) {
        const CellTime cell = SplitTime(hours).value_or(CellTime{-99, -99});
        EXPECT_TRUE(cell.night == night && cell.row == row) << hours << ": " << cell.night << " " << cell.row;
    }
    // A damaged orbit gives no cell at all.
    EXPECT_FALSE(SplitTime(std::nan("")) || SplitTime(INFINITY) || SplitTime(1e300));
}

TEST(ComfortableWindows, MeetTheTenDegreeArcWhicheverRecordHoldsTheNight)
{
    // Up at 10 degrees from -4h to +4h; the night from -3h to +5h.
    NightRecord today;
    today.time = {-6, 0, 6, -4, 4, -3, 5};
    auto shifted = [&today](int first, int last, double hours) {
        NightRecord record = today;
        for (int k = first; k <= last; ++k)
            record.time[static_cast<std::size_t>(k)] += hours;
        return record;
    };
    // Night times drifted one day ahead (through yesterday's record), two
    // days ahead (the record before, from day 11 on), or the arc a day ahead.
    const NightRecord nightLater = shifted(5, 6, 24), nightTwoLater = shifted(5, 6, 48), arcLater = shifted(3, 4, 24);
    for (const ComfortableWindows& windows :
         {FindComfortableWindows(today, today, nullptr), FindComfortableWindows(nightLater, nightLater, nullptr),
          FindComfortableWindows(nightTwoLater, nightTwoLater, &nightTwoLater),
          FindComfortableWindows(arcLater, arcLater, nullptr)}) {
        EXPECT_TRUE(windows.count == 1 && windows.spans[0].start == -3.0 && windows.spans[0].end == 4.0);
    }
    EXPECT_EQ(FindComfortableWindows(nightTwoLater, nightTwoLater, nullptr).count, 0);
}

TEST(MeanNewMoons, OnlyThoseStrictlyInsideTheSpanAreMarked)
{
    const double moon = 300 * 29.53088 + 0.759;  // a mean new moon, 300 lunations on
    // A new moon a quarter of a day after 0h UT of day 0 (j = 0) is not marked.
    const NewMoonDays atStart = MeanNewMoonDays(moon - 0.25);
    EXPECT_TRUE(atStart.count > 0 && atStart.days[0] == 29);
    // 366 days on it is not marked either; 365 is.
    const NewMoonDays atEnd = MeanNewMoonDays(moon - 366.25), lastDay = MeanNewMoonDays(moon - 365.25);
    EXPECT_EQ(atEnd.days[static_cast<std::size_t>(atEnd.count - 1)], 336);
    EXPECT_TRUE(lastDay.count == 13 && lastDay.days[12] == 365);
}

// Event cells against instants computed by PyEphem 4.1.4 (no refraction; the
// centre at -0°34', 10° or -18°; meridian transits). Column k is the night
// around 0h UT of day k, from 12h UT (row 0), four minutes a row; an event may
// sit a minute either side of PyEphem's instant.
TEST(ComputeDiagram, EventTimesMatchAnIndependentEngine)
{
    struct Pin {
        int day;      // of the span, day 1 the 1st of the start month
        int h, m, s;  // UT
        int code;
    };
    auto expect = [](const Diagram& diagram, const Pin& pin) {
        const double hours = pin.h + pin.m / 60.0 + pin.s / 3600.0, fromNoon = std::fmod(hours + 12, 24);
        const int column = hours >= 12 ? pin.day + 1 : pin.day;
        bool found = false;
        for (int row = static_cast<int>((fromNoon - 1 / 60.0) * 15); row <= static_cast<int>((fromNoon + 1 / 60.0) * 15);
             ++row)
            found = found || diagram.grid.At(column, row) == pin.code;
        EXPECT_TRUE(found) << "day " << pin.day << " " << pin.h << ":" << pin.m << " code " << pin.code;
    };
    // Astronomical night at Paris from 30 December 2024 (day -1), the first
    // estimated once; none from the evening of 12 June 2025 to that of 29 June.
    const auto paris = Compute(PolarComet(false), Paris(), 1, 2025);
    for (const Pin& pin : {Pin{-1, 17, 58, 40, EventCode::NightStart}, Pin{0, 5, 48, 24, EventCode::NightEnd},
                           Pin{15, 18, 14, 58, EventCode::NightStart}, Pin{16, 5, 45, 14, EventCode::NightEnd},
                           Pin{140, 22, 15, 10, EventCode::NightStart}, Pin{141, 1, 18, 52, EventCode::NightEnd},
                           Pin{162, 23, 44, 5, EventCode::NightStart}, Pin{162, 23, 56, 44, EventCode::NightEnd},
                           Pin{181, 23, 41, 6, EventCode::NightStart}, Pin{182, 0, 8, 2, EventCode::NightEnd},
                           Pin{288, 18, 45, 34, EventCode::NightStart}})
        expect(*paris, pin);
    EXPECT_TRUE(paris->NoneIn(164, 181, {EventCode::NightStart, EventCode::NightEnd}));

    // Vesta from Mauna Kea from 1 August 2022.
    const AsteroidRecord vesta = Vesta();  // the object keeps a reference
    const auto maunaKea = Compute(DiagramObject(kAsteroidKind, kNoComet, vesta), MaunaKea(), 8, 2022);
    for (const Pin& pin :
         {Pin{20, 16, 21, 13, EventCode::Set}, Pin{21, 5, 13, 24, EventCode::Rise}, Pin{21, 10, 44, 50, EventCode::Transit},
          Pin{194, 19, 16, 54, EventCode::Rise}, Pin{194, 20, 2, 4, EventCode::Ascending10},
          Pin{195, 1, 11, 59, EventCode::Transit}, Pin{195, 6, 22, 2, EventCode::Descending10},
          Pin{195, 7, 7, 12, EventCode::Set}, Pin{329, 13, 41, 53, EventCode::Rise},
          Pin{329, 20, 7, 32, EventCode::Transit}, Pin{330, 2, 33, 15, EventCode::Set}})
        expect(*maunaKea, pin);
    EXPECT_TRUE(maunaKea->HasText("Astéroïde : Vesta (4)") && maunaKea->HasText("Site : Mauna Kea (Hawaï)"));
}

// A body at the celestial pole: from 69° N it never sets, from Paris it
// never rises; either way a transit every night.
TEST(ComputeDiagram, ObjectsThatNeverSetOrNeverRise)
{
    const auto diagram = Compute(PolarComet(true), Tromso(), 1, 2025);
    const std::initializer_list<int> crossings = {EventCode::Rise, EventCode::Set, EventCode::Ascending10,
                                                  EventCode::Descending10};
    EXPECT_TRUE(diagram->HasText("Comète : Polaire nord") && diagram->NoneIn(0, EventGrid::kColumns - 1, crossings) &&
                diagram->TransitEveryNight());
    EXPECT_NEAR(diagram->RowOf(0, EventCode::Transit), diagram->RowOf(1, EventCode::Transit), 2);
    // In January the comfortable period fills the astronomical night but its ends.
    for (int column = 1; column <= 31; ++column) {
        const int start = diagram->RowOf(column, EventCode::NightStart), end = diagram->RowOf(column, EventCode::NightEnd);
        ASSERT_TRUE(start >= 0 && end > start + 6) << column;
        int comfortableCells = 0;
        for (int row = start + 1; row < end; ++row) {
            const Rgb pixel = diagram->canvas.Pixel(X(column), Y(row));
            EXPECT_TRUE(pixel == DiagramColour::Comfortable || pixel == DiagramColour::Transit ||
                        pixel == DiagramColour::MonthLine || pixel == DiagramColour::Midnight)
                << column << " " << row;
            comfortableCells += diagram->grid.At(column, row) == EventCode::Comfortable;
        }
        EXPECT_GE(comfortableCells, end - start - 12) << column;
    }
    // From 1 June (day 152) to 31 July the Sun never gets 18 degrees down.
    EXPECT_TRUE(diagram->NoneIn(152, 212, {EventCode::NightStart, EventCode::NightEnd, EventCode::Comfortable}));

    const auto never = Compute(PolarComet(false), Paris(), 9, 2024);
    EXPECT_TRUE(never->NoneIn(0, EventGrid::kColumns - 1, crossings) && never->TransitEveryNight() &&
                never->NoneIn(0, EventGrid::kColumns - 1, {EventCode::Comfortable}));
    // Plotted in its colour below the horizon too.
    EXPECT_EQ(never->canvas.Pixel(X(100), Y(never->RowOf(100, EventCode::Transit))), DiagramColour::Transit);
}

TEST(ComputeDiagram, DecemberStartRunsIntoTheNextYearAndComesBack)
{
    const auto diagram = Compute(PolarComet(true), HauteProvence(), 12, 2024);
    const EphemerisRequest& request = diagram->request;
    EXPECT_TRUE(request.day == 1 && request.month == 12 && request.year == 2024 && request.dayInterval == 1 &&
                diagram->leapFebruaryMarker == 0);

    std::vector<RecordingCanvas::Text> labels;
    for (const RecordingCanvas::Text& text : diagram->canvas.texts)
        if (text.y == 441)
            labels.push_back(text);
    ASSERT_EQ(labels.size(), 12u);
    // A label at its month's 1st (1 December at x = 11) plus the month's length, less 23.
    EXPECT_TRUE(labels[0].text == "Déc. 2024" && labels[0].x == 11 + 31 - 23);
    EXPECT_TRUE(labels[1].text == "Jan. 2025" && labels[1].x == 11 + 2 * 31 + 31 - 23);
    EXPECT_TRUE(labels[7].text == " Jlt. 2025" && labels[11].text == "Nov. 2025");
    // The next 1 December gets its dotted line at x = 741, but no label.
    EXPECT_TRUE(diagram->canvas.Pixel(741, 430) == DiagramColour::MonthLine &&
                diagram->canvas.edges.back().first == (PixelRect{8, 72, 745, 438}));

    // With 29 February: the marker, the frame and the next 1 December a column further.
    const auto leap = Compute(PolarComet(true), HauteProvence(), 12, 2023);
    EXPECT_TRUE(leap->leapFebruaryMarker == 1 && leap->request.year == 2023 &&
                leap->canvas.Pixel(743, 430) == DiagramColour::MonthLine);
    EXPECT_EQ(leap->canvas.edges.back(), (std::pair{PixelRect{8, 72, 747, 438}, EdgeStyle::Raised}));
}

TEST(ComputeDiagram, NewMoonsAndMidnightMarks)
{
    const auto diagram = Compute(PolarComet(false), Paris(), 1, 2025);
    // The mean new moon of 29 January 2025, 29 days after 31 December: columns 29 and 30.
    for (const int column : {29, 30})
        for (const int row : {0, 9, 350, 359})
            EXPECT_EQ(diagram->grid.At(column, row), EventCode::NewMoon) << column << " " << row;
    EXPECT_TRUE(diagram->grid.At(29, 10) != EventCode::NewMoon && diagram->grid.At(28, 0) != EventCode::NewMoon);
    // 1 January at x = 11 has a midnight mark on its right only.
    EXPECT_TRUE(diagram->canvas.Pixel(13, 255) == DiagramColour::Midnight &&
                diagram->canvas.Pixel(9, 255) != DiagramColour::Midnight &&
                diagram->canvas.Pixel(71, 255) == DiagramColour::Midnight && diagram->canvas.outside == 0);
}

TEST(WriteEventPoints, LowerCodeWinsASharedCellAndNothingLeavesTheGrid)
{
    EventGrid grid;
    RecordingCanvas canvas;
    NightRecord record;
    record.time.fill(1.0);  // every event at 1h UT: row (1 + 12) x 15 = 195
    WriteEventPoints(record, 10, grid, canvas);
    EXPECT_TRUE(grid.At(10, 195) == EventCode::Rise && canvas.Pixel(X(10), Y(195)) == DiagramColour::RiseSet);

    EventGrid alone;  // no altitude crossed: the transit alone
    record.reach.fill(AltitudeReach::NeverBelow);
    WriteEventPoints(record, 10, alone, canvas);
    EXPECT_EQ(alone.At(10, 195), EventCode::Transit);

    // Times days away, or none at all: nothing stored or drawn outside the chart.
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
    EXPECT_TRUE(clean.outside == 0 && clean.Pixel(X(EventGrid::kColumns), Y(20)) == Rgb{} &&
                clean.Pixel(X(EventGrid::kColumns - 1), Y(320)) == DiagramColour::Comfortable);
}

TEST(InstantAtClick, MapsTheChartToDaysHoursAndMinutes)
{
    // x, y, then day, hour and minute.
    const int cases[][5] = {{11, 435, 0, 12, 0}, {12, 435, 0, 12, 0}, {11, 256, 0, 23, 56}, {11, 255, 1, 0, 0},
                            {13, 255, 2, 0, 0},  {743, 75, 367, 12, 0}, {100, 420, 44, 13, 0}, {100, 419, 44, 13, 4}};
    for (const auto& c : cases) {
        const ClickInstant at = InstantAtClick(c[0], c[1]).value_or(ClickInstant{-1, -1, -1});
        EXPECT_TRUE(at.day == c[2] && at.hour == c[3] && at.minute == c[4]) << c[0] << "," << c[1] << ": " << at.day;
    }
    for (const auto& [x, y] : {std::pair{744, 200}, std::pair{10, 200}, std::pair{200, 74}, std::pair{200, 436}})
        EXPECT_FALSE(InstantAtClick(x, y)) << x << "," << y;
}

TEST(InfoBox, DatesCountFromTheDayBeforeTheStartMonth)
{
    const InstantViewResult view{-0.5 * kDegree, 181.0 * kDegree, 20.5 * kDegree, -3.25 * kDegree, 9.44, 1, 1};
    auto date = [&view](int day, int month, int year, bool leap) {
        return MakeInfoBoxTexts(view, {day, 21, 4}, month, year, leap).date;
    };
    EXPECT_EQ(date(0, 3, 2024, true) + " " + date(32, 12, 2024, false) + " " + date(29, 2, 2024, true) + " " +
                  date(29, 2, 2023, false) + " " + date(367, 3, 2023, true),
              "0/3/2024 1/1/2025 29/2/2024 1/3/2023 1/3/2024");

    const InfoBoxTexts texts = MakeInfoBoxTexts(view, {5, 21, 4}, 3, 2024, false);
    EXPECT_EQ(texts.time + "|" + texts.objectAltitude + "|" + texts.objectAzimuth + "|" + texts.magnitude + "|" +
                  texts.sunAltitude + "|" + texts.sunAzimuth,
              "21h 4m UT|-0°30'|181° 0'|9.4|20° 30'|-3° 15'");

    // The comet's box starts 10 pixels right of the asteroid's.
    RecordingCanvas canvas;
    EXPECT_TRUE(DrawInfoBox(canvas, texts, true) == (PixelRect{370, 8, 739, 65}) &&
                DrawInfoBox(canvas, texts, false) == (PixelRect{360, 8, 739, 65}));
    EXPECT_EQ(canvas.Pixel(600, 27), (Rgb{255, 255, 255}));  // a rule of the data box
}

// A click on a drawn rise, set, 10-degree or night point: the altitudes at its
// row's start and the next bracket the event's, -0°34', 10° or -18°, to 0.1°.
TEST(InstantView, ClicksOnDrawnPointsReportTheirEvent)
{
    const AsteroidRecord vesta = Vesta();
    const CometRecord ponsBrooks = PonsBrooks();
    struct Case {
        DiagramObject object;
        SiteRecord site;
        int month, year;
    };
    const Case cases[] = {{{kAsteroidKind, kNoComet, vesta}, MaunaKea(), 8, 2022},
                          {{kAsteroidKind, kNoComet, vesta}, Paris(), 1, 2023},
                          {{kCometKind, ponsBrooks, kNoAsteroid}, HauteProvence(), 1, 2024}};
    const double altitude[7] = {-34 / 60.0, 0, -34 / 60.0, 10.0, 10.0, -18.0, -18.0};  // degrees
    for (const Case& c : cases) {
        const auto diagram = Compute(c.object, c.site, c.month, c.year);
        auto altitudeAt = [&](int x, int y, int code) {
            const std::optional<ClickInstant> at = InstantAtClick(x, y);
            const InstantViewResult view =
                InstantView(c.object, c.site, diagram->request, at->day, at->hour, at->minute);
            return (code >= EventCode::NightStart ? view.sunAltitude : view.objectAltitude) / kDegree;
        };
        int points = 0;
        for (int column = 2; column <= 366; ++column) {
            for (int row = 0; row < EventGrid::kRows; ++row) {
                const int code = diagram->grid.At(column, row);
                if (code < EventCode::Rise || code > EventCode::NightEnd || code == EventCode::Transit)
                    continue;
                const double start = altitudeAt(X(column), Y(row), code), end = altitudeAt(X(column), Y(row) - 1, code);
                ASSERT_TRUE(std::min(start, end) - 0.1 < altitude[code] && altitude[code] < std::max(start, end) + 0.1)
                    << c.site.name << ", column " << column << ", code " << code << ": " << start << " to " << end;
                ++points;
            }
        }
        EXPECT_GT(points, 1000) << c.site.name;
    }
}

// (The magnitudes themselves are pinned to PyEphem by the planner's tests.)
TEST(DiagramObject, AsteroidMagnitudeAtAZeroPhaseIsANumber)
{
    AsteroidRecord ceres;
    ceres.absoluteMagnitude = 3.34f;
    ceres.slopeParameter = 0.12f;
    const DiagramObject object(kAsteroidKind, kNoComet, ceres);
    // In line with the Sun beyond it: rounding must not turn the phase into NaN.
    EXPECT_FALSE(std::isnan(object.Magnitude({1, 0, 0}, {3.0000000000000004, 0, 0}, 2.0, 3.0)));
}

TEST(Legend, TheEventUnderTheCursor)
{
    EventGrid grid;
    const int column = 5;
    auto at = [&grid](int row) { return LegendCodeAt(grid, X(column), Y(row)); };

    grid.Set(column, 99, EventCode::Rise);
    grid.Set(column, 101, EventCode::Transit);
    // The transit always wins; out of its reach, the rise alone.
    EXPECT_TRUE(at(100) == EventCode::Transit && at(97) == EventCode::Rise);
    grid.Set(column, 101, EventCode::Set);
    EXPECT_TRUE(at(100) == -1 && at(200) == -1);  // a rise and a set, or nothing at all: no legend

    // A comfortable period does not hide the 10-degree point at its start.
    grid.Set(column, 150, EventCode::Ascending10);
    for (int row = 153; row <= 160; ++row)
        grid.Set(column, row, EventCode::Comfortable);
    // Several cells of the period: its legend.
    EXPECT_TRUE(at(151) == EventCode::Ascending10 && at(157) == EventCode::Comfortable);

    // New moon strokes are ten cells high; at the bottom edge a point counts once.
    for (int row = 350; row < 360; ++row)
        grid.Set(column, row, EventCode::NewMoon);
    grid.Set(column, 0, EventCode::NightEnd);
    EXPECT_TRUE(at(355) == EventCode::NewMoon && at(0) == EventCode::NightEnd);

    // The top row, 359, is at y = 76; y = 75 is above the chart, y = 436 below it.
    grid.Set(column + 1, 358, EventCode::NightStart);
    EXPECT_EQ(LegendCodeAt(grid, X(column + 1), 76), EventCode::NightStart);
    EXPECT_TRUE(LegendCodeAt(grid, X(column + 1), 75) == -1 && LegendCodeAt(grid, X(column), 436) == -1 &&
                LegendCodeAt(grid, 9, Y(100)) == -1);

    EXPECT_TRUE(LegendText(EventCode::Transit, kCometKind) == "Passage de la comète au méridien (culmination)" &&
                LegendText(9, kCometKind).empty());
    EXPECT_EQ(LegendText(EventCode::Ascending10, kAsteroidKind), "Passage ascendant de l'astéroïde à 10° au-dessus de l'horizon");
}

TEST(Legend, StaysInsideTheChart)
{
    // 200 pixels of text: half-width 100.
    EXPECT_TRUE(PlaceLegend(50, 300, 200).box == (PixelRect{16, 271, 226, 290}) &&
                PlaceLegend(700, 300, 200).box == (PixelRect{530, 271, 740, 290}) &&
                PlaceLegend(400, 200, 200).box == (PixelRect{305, 171, 515, 190}));
}

TEST(DiagramMonth, ReadsMonthSlashYearStrictly)
{
    int month = 0;
    int year = 0;
    // Refused, yet the numbers read are kept.
    EXPECT_FALSE(ReadDiagramMonth("13/2025", month, year) || ReadDiagramMonth("7", month, year));
    EXPECT_TRUE(month == 7 && year == 2025);
    // Digits, a slash and the year's sign only, as in the date fields.
    for (const char* wrong : {"", "12", "0/2024", "sept. 2024", "3 /2024", "99999999999/2024", " 03/1986", "+9/2024",
                              "1/1e6", "1/2000abc", "1/ 2000", "1/+2000", "1/--5", "1/"})
        EXPECT_FALSE(ReadDiagramMonth(wrong, month, year)) << wrong;
    EXPECT_TRUE(ReadDiagramMonth("03/1986", month, year) && month == 3 && year == 1986 &&
                ReadDiagramMonth("9/-50", month, year) && month == 9 && year == -50);
    // Its 368 nights and the year-long table of its window end by 9999.
    EXPECT_TRUE(IsDiagramYear(-999) && IsDiagramYear(9998) && !IsDiagramYear(-1000) && !IsDiagramYear(9999));
}
