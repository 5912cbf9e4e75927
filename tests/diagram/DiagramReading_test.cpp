// Reading the diagram back: clicks, the information box, legends, and the
// month of the request dialogs.

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
#include "support/DiagramFixtures.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kDegree = 0.017453292519943295;

// The point of the chart showing column `column`, row `row`.
int XOf(int column) { return 11 + 2 * (column - 1); }
int YOf(int row) { return 435 - row; }

} // namespace

TEST(InstantAtClick, MapsTheChartToDaysHoursAndMinutes)
{
    struct Case {
        int x, y, day, hour, minute;
    };
    for (const Case& c : {Case{11, 435, 0, 12, 0}, Case{12, 435, 0, 12, 0}, Case{11, 256, 0, 23, 56},
                          Case{11, 255, 1, 0, 0}, Case{13, 255, 2, 0, 0}, Case{743, 75, 367, 12, 0},
                          Case{100, 420, 44, 13, 0}, Case{100, 419, 44, 13, 4}}) {
        const ClickInstant at = InstantAtClick(c.x, c.y).value_or(ClickInstant{-1, -1, -1});
        EXPECT_TRUE(at.day == c.day && at.hour == c.hour && at.minute == c.minute)
            << c.x << "," << c.y << ": " << at.day << " " << at.hour << ":" << at.minute;
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
    EXPECT_EQ(date(0, 3, 2024, true), "0/3/2024");
    EXPECT_EQ(date(32, 12, 2024, false), "1/1/2025");
    EXPECT_EQ(date(29, 2, 2024, true), "29/2/2024");
    EXPECT_EQ(date(29, 2, 2023, false), "1/3/2023");
    EXPECT_EQ(date(367, 3, 2023, true), "1/3/2024");

    const InfoBoxTexts texts = MakeInfoBoxTexts(view, {5, 21, 4}, 3, 2024, false);
    EXPECT_EQ(texts.time + "|" + texts.objectAltitude + "|" + texts.objectAzimuth + "|" + texts.magnitude + "|" +
                  texts.sunAltitude + "|" + texts.sunAzimuth,
              "21h 4m UT|-0°30'|181° 0'|9.4|20° 30'|-3° 15'");

    // Drawn over the top of the picture: the comet's boxes start 10 pixels
    // further right than the asteroid's.
    RecordingCanvas canvas;
    EXPECT_EQ(DrawInfoBox(canvas, texts, true), (PixelRect{370, 8, 739, 65}));
    EXPECT_EQ(DrawInfoBox(canvas, texts, false), (PixelRect{360, 8, 739, 65}));
    EXPECT_EQ(canvas.Pixel(600, 27), (Rgb{255, 255, 255}));  // a rule of the data box
}

TEST(InstantView, ThePoleStarAndTheSunWhereTheyShouldBe)
{
    // At Tromsø on 20 March 2025 at 10h 44m UT, seven minutes before the
    // Sun's transit: the Sun 20.364 degrees high, 2.020 degrees east of south
    // (PyEphem 4.1.4, no refraction); an object at the pole due north, as
    // high as the latitude.
    const CometRecord comet = PolarComet(true);
    const AsteroidRecord noAsteroid;
    const DiagramObject object(kCometKind, comet, noAsteroid);
    EphemerisRequest request{1, 3, 2025, 0, 1, 0};
    const InstantViewResult view = InstantView(object, Tromso(), request, 20, 10, 44);
    EXPECT_NEAR(view.sunAltitude / kDegree, 20.364, 0.05);
    EXPECT_NEAR(view.sunAzimuth / kDegree, -2.020, 0.1);
    EXPECT_NEAR(view.objectAltitude / kDegree, 69.65, 0.5);
    EXPECT_NEAR(std::fabs(view.objectAzimuth / kDegree), 180.0, 20.0);
    // 5 + 5 log10(1000) + 10 log10(1000): 50, give or take the Earth's orbit.
    EXPECT_NEAR(view.magnitude, 50.0, 0.1);
    EXPECT_NEAR(view.sunDistance, 1000.0, 1.0);
}

// A click on a drawn rise, set, 10-degree or night point reads the start of
// its four-minute row: the altitude there and at the row above bracket the
// event's own altitude, -0°34', 10° or -18° (the sines the events use),
// within a tenth of a degree. From the second night on: the first is refined
// once from a rough estimate.
TEST(InstantView, ClicksOnDrawnPointsReportTheirEvent)
{
    const CometRecord noComet{};
    const AsteroidRecord vesta = Vesta();
    const CometRecord ponsBrooks = PonsBrooks();
    const AsteroidRecord noAsteroid;
    struct Case {
        DiagramObject object;
        SiteRecord site;
        int month, year;
    };
    const Case cases[] = {{{kAsteroidKind, noComet, vesta}, MaunaKea(), 8, 2022},
                          {{kAsteroidKind, noComet, vesta}, Paris(), 1, 2023},
                          {{kCometKind, ponsBrooks, noAsteroid}, HauteProvence(), 1, 2024}};
    const double altitude[7] = {-34 / 60.0, 0, -34 / 60.0, 10.0, 10.0, -18.0, -18.0};  // degrees
    for (const Case& c : cases) {
        EventGrid grid;
        NullCanvas canvas;
        EphemerisRequest request{0, c.month, c.year, 0, 0, 0};
        int leap = 0;
        ComputeDiagram(c.object, c.site, request, leap, grid, canvas);
        auto altitudeAt = [&](int x, int y, int code) {
            const std::optional<ClickInstant> at = InstantAtClick(x, y);
            const InstantViewResult view = InstantView(c.object, c.site, request, at->day, at->hour, at->minute);
            return (code >= EventCode::NightStart ? view.sunAltitude : view.objectAltitude) / kDegree;
        };
        int points = 0;
        for (int column = 2; column <= 366; ++column) {
            for (int row = 0; row < EventGrid::kRows; ++row) {
                const int code = grid.At(column, row);
                if (code < EventCode::Rise || code > EventCode::NightEnd || code == EventCode::Transit)
                    continue;
                const double start = altitudeAt(ColumnX(column), RowY(row), code);
                const double end = altitudeAt(ColumnX(column), RowY(row) - 1, code);
                ASSERT_TRUE(std::min(start, end) - 0.1 < altitude[code] && altitude[code] < std::max(start, end) + 0.1)
                    << c.site.name << ", column " << column << ", code " << code << ": " << start << " to " << end;
                ++points;
            }
        }
        EXPECT_GT(points, 1000) << c.site.name;
    }
}

TEST(DiagramObject, AsteroidMagnitudeAtOpposition)
{
    // Sun, Earth and asteroid in line, the asteroid 2 AU from the Sun and 1
    // from the Earth: no phase, H + 5 log10(2).
    const CometRecord noComet{};
    AsteroidRecord ceres;
    ceres.absoluteMagnitude = 3.34f;
    ceres.slopeParameter = 0.12f;
    const DiagramObject object(kAsteroidKind, noComet, ceres);
    EXPECT_NEAR(object.Magnitude({1, 0, 0}, {-1, 0, 0}, 2.0, 1.0), 3.34 + 5 * std::log10(2.0), 1e-6);
    // A body in line with the Sun beyond it would be seen at no phase either;
    // rounding must not turn the phase into NaN.
    EXPECT_FALSE(std::isnan(object.Magnitude({1, 0, 0}, {3.0000000000000004, 0, 0}, 2.0, 3.0)));
}

TEST(Legend, TheEventUnderTheCursor)
{
    EventGrid grid;
    const int column = 5;
    auto at = [&grid](int row) { return LegendCodeAt(grid, XOf(column), YOf(row)); };

    grid.Set(column, 99, EventCode::Rise);
    grid.Set(column, 101, EventCode::Transit);
    EXPECT_EQ(at(100), EventCode::Transit);  // the transit always wins
    EXPECT_EQ(at(97), EventCode::Rise);      // out of its reach, the rise alone
    grid.Set(column, 101, EventCode::Set);
    EXPECT_EQ(at(100), -1);  // a rise and a set: nothing
    EXPECT_EQ(at(200), -1);  // nothing at all

    // A comfortable period does not hide the 10-degree point at its start.
    grid.Set(column, 150, EventCode::Ascending10);
    for (int row = 153; row <= 160; ++row)
        grid.Set(column, row, EventCode::Comfortable);
    EXPECT_EQ(at(151), EventCode::Ascending10);
    EXPECT_EQ(at(157), EventCode::Comfortable);  // several cells of the period: its legend

    // New moon strokes are ten cells high; at the chart's bottom edge a point
    // counts once, not once per row looked at.
    for (int row = 350; row < 360; ++row)
        grid.Set(column, row, EventCode::NewMoon);
    EXPECT_EQ(at(355), EventCode::NewMoon);
    grid.Set(column, 0, EventCode::NightEnd);
    EXPECT_EQ(at(0), EventCode::NightEnd);

    // The top row, 359, is at y = 76; y = 75 is above the chart, y = 436 below it.
    grid.Set(column + 1, 358, EventCode::NightStart);
    EXPECT_EQ(LegendCodeAt(grid, XOf(column + 1), 76), EventCode::NightStart);
    EXPECT_EQ(LegendCodeAt(grid, XOf(column + 1), 75), -1);
    EXPECT_EQ(LegendCodeAt(grid, XOf(column), 436), -1);
    EXPECT_EQ(LegendCodeAt(grid, 9, YOf(100)), -1);

    EXPECT_EQ(LegendText(EventCode::Transit, kCometKind), "Passage de la comète au méridien (culmination)");
    EXPECT_EQ(LegendText(EventCode::Ascending10, kAsteroidKind),
              "Passage ascendant de l'astéroïde à 10° au-dessus de l'horizon");
    EXPECT_EQ(LegendText(9, kCometKind), "");
}

TEST(Legend, StaysInsideTheChart)
{
    // 200 pixels of text: half-width 100.
    EXPECT_EQ(PlaceLegend(50, 300, 200).box, (PixelRect{16, 271, 226, 290}));
    EXPECT_EQ(PlaceLegend(700, 300, 200).box, (PixelRect{530, 271, 740, 290}));
    EXPECT_EQ(PlaceLegend(400, 200, 200).box, (PixelRect{305, 171, 515, 190}));
}

TEST(DiagramMonth, ReadsMonthSlashYearStrictly)
{
    int month = 0;
    int year = 0;
    // Refused, yet the numbers read are kept.
    EXPECT_FALSE(ReadDiagramMonth("13/2025", month, year));
    EXPECT_FALSE(ReadDiagramMonth("7", month, year));
    EXPECT_TRUE(month == 7 && year == 2025);
    // Digits, a slash and the year's sign only, as in the date fields.
    for (const char* wrong : {"", "12", "0/2024", "sept. 2024", "3 /2024", "99999999999/2024", " 03/1986", "+9/2024",
                              "1/1e6", "1/2000abc", "1/ 2000", "1/+2000", "1/--5", "1/"})
        EXPECT_FALSE(ReadDiagramMonth(wrong, month, year)) << wrong;
    EXPECT_TRUE(ReadDiagramMonth("03/1986", month, year) && month == 3 && year == 1986);
    EXPECT_TRUE(ReadDiagramMonth("9/-50", month, year) && month == 9 && year == -50);
    // Its 368 nights and the year-long table of its window end by 9999.
    EXPECT_TRUE(IsDiagramYear(-999) && IsDiagramYear(9998));
    EXPECT_FALSE(IsDiagramYear(-1000) || IsDiagramYear(9999));
}
