// One night against PyEphem 4.1.4 (python3-ephem, computed once): the sites as
// SITES.NDB holds them, no refraction, centres of the bodies, Vesta and Eunomia from
// their ASTERS.DTB elements. Its apparent places are within a minute of arc of ours.

#include "catalog/AsteroidLine.h"
#include "core/Calendar.h"
#include "export/Csv.h"
#include "planner/PlannerCatalog.h"
#include "planner/TonightPlanner.h"
#include "support/DiagramFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stop_token>

namespace {

DayNumber Utc(int day, int month, int year, int hour, int minute, int second)
{
    return DayNumberFromDate(day + (hour + minute / 60.0 + second / 3600.0) / 24, month, year);
}

constexpr double kSeconds30 = 30.0 / 86400;

TonightRequest Night(const SiteRecord& site, int day, int month, int year)
{
    TonightRequest request;
    request.site = site;
    request.day = day, request.month = month, request.year = year;
    return request;
}

const TonightRow& RowOf(const std::vector<TonightRow>& rows, const std::vector<PlannerObject>& objects,
                        const std::string& name)
{
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const TonightRow& row) { return objects[row.object].name == name; });
    EXPECT_NE(found, rows.end()) << name;
    return *found;
}

} // namespace

TEST(DarkHours, AstronomicalNauticalOrNoneAsPyEphemFindsThem)
{
    // The night, its kind, and its start and end as PyEphem finds the Sun at -18 (or -12) degrees.
    const std::tuple<TonightRequest, Darkness, DayNumber, DayNumber> cases[] = {
        {Night(Paris(), 15, 1, 2025), Darkness::Astronomical, Utc(15, 1, 2025, 18, 14, 58), Utc(16, 1, 2025, 5, 45, 14)},
        {Night(HauteProvence(), 15, 1, 2025), Darkness::Astronomical, Utc(15, 1, 2025, 18, 7, 24),
         Utc(16, 1, 2025, 5, 25, 51)},
        // The Sun stays above -18 degrees at Paris around the solstice.
        {Night(Paris(), 21, 6, 2025), Darkness::Nautical, Utc(21, 6, 2025, 21, 41, 10), Utc(22, 6, 2025, 2, 4, 5)},
        {Night(Tromso(), 20, 5, 2025), Darkness::None, 0, 0},
    };
    for (const auto& [night, kind, start, end] : cases) {
        const DarkHours dark = TonightPlanner(night).dark();
        EXPECT_EQ(dark.kind, kind) << night.month;
        EXPECT_NEAR(dark.start, start, kSeconds30) << night.month;
        EXPECT_NEAR(dark.end, end, kSeconds30) << night.month;
    }
}

TEST(TonightPlanner, TimeAboveTenDegreesBestMomentAndMoonAsPyEphem)
{
    TempFolder folder;
    folder.CopySample("ASTERS.DTB");
    PlannerCatalog catalog;
    LoadPlannerAsteroids(catalog);
    const TonightPlanner planner(Night(Paris(), 15, 1, 2025));
    const std::vector<TonightRow> rows = PlanTonight(planner, catalog.objects, 1, {}, nullptr);

    // Vesta rises through 10 degrees at 2:01:16 and is highest when dawn ends the night.
    const TonightRow& vesta = RowOf(rows, catalog.objects, "Vesta (4)");
    EXPECT_NEAR(vesta.start, Utc(16, 1, 2025, 2, 1, 16), kSeconds30);
    EXPECT_NEAR(vesta.end, Utc(16, 1, 2025, 5, 45, 14), kSeconds30);
    EXPECT_EQ(vesta.best, vesta.end);
    EXPECT_NEAR(vesta.bestAltitude, 34.023, 0.01);
    EXPECT_NEAR(vesta.bestAzimuth + 180, 166.984, 0.01);  // PyEphem counts from the north
    EXPECT_NEAR(vesta.magnitude, 7.62, 0.01);
    EXPECT_NEAR(vesta.moonAltitude, 32.847, 0.05);
    EXPECT_NEAR(vesta.moonSeparation, 71.199, 0.05);
    // Eunomia is high at dusk, culminates at 21:07:00 and goes below 10 degrees at 4:25:39.
    const TonightRow& eunomia = RowOf(rows, catalog.objects, "Eunomia (15)");
    EXPECT_NEAR(eunomia.start, Utc(15, 1, 2025, 18, 14, 58), kSeconds30);
    EXPECT_NEAR(eunomia.end, Utc(16, 1, 2025, 4, 25, 39), kSeconds30);
    EXPECT_NEAR(eunomia.best, Utc(15, 1, 2025, 21, 7, 0), kSeconds30);
    EXPECT_NEAR(eunomia.bestAltitude, 70.611, 0.01);
    EXPECT_NEAR(eunomia.elongation, 140.117, 0.01);
    EXPECT_NEAR(eunomia.moonIlluminated, 0.9575, 0.002);
    EXPECT_NEAR(eunomia.moonSeparation, 63.611, 0.05);
    // Everything listed is above 10 degrees at its best and not fainter than 12.
    for (const TonightRow& row : rows)
        EXPECT_TRUE(row.bestAltitude >= 10.0 - 1e-6 && row.magnitude <= 12.0) << catalog.objects[row.object].name;

    // The rows do not depend on the number of threads; a stopped run gives none.
    const std::vector<TonightRow> shared = PlanTonight(planner, catalog.objects, 3, {}, nullptr);
    ASSERT_EQ(shared.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(std::tie(shared[i].object, shared[i].start, shared[i].best, shared[i].moonSeparation),
                  std::tie(rows[i].object, rows[i].start, rows[i].best, rows[i].moonSeparation));
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_TRUE(PlanTonight(planner, catalog.objects, 2, stopped.get_token(), nullptr).empty());
}

TEST(PlannerCatalog, DamagedLinesAndRecordsAreLeftOut)
{
    const std::string ceres =
        "     1200020220809 334.32717  73.53163  80.26644  10.58680 0.0786358  0.21418055  3.33 0.12Ceres            \r\n";
    ASSERT_TRUE(IsSoundAsteroidLine(ceres));
    for (const auto& [offset, text] : std::vector<std::pair<std::size_t, std::string>>{
             {2, "    "}, {10, "2022xx09"}, {18, "     abc  "}, {58, " 1.2000000"}, {68, "  0.00000000"}}) {
        std::string damaged = ceres;
        damaged.replace(offset, text.size(), text);
        EXPECT_FALSE(IsSoundAsteroidLine(damaged)) << text;
    }
    CometRecord comet = PolarComet(true);
    EXPECT_TRUE(IsSoundCometRecord(comet));
    comet.perihelionDistance = 0;
    EXPECT_FALSE(IsSoundCometRecord(comet));
}

// What scripts read: no "-0.00", no line of hundreds of digits from a damaged
// record, ISO times rounded to the second, quoted names with commas.
TEST(Csv, CellsAsScriptsReadThem)
{
    EXPECT_EQ(CsvNumber(-0.004, 2), "0.00");
    EXPECT_EQ(CsvNumber(-12.345, 1), "-12.3");
    EXPECT_EQ(CsvNumber(1e308, 2), "");
    EXPECT_EQ(CsvNumber(std::nan(""), 2), "");
    // 2025 January 15, 19h 42m 07s: 0.82091 of a day (by hand), plus a third of a second.
    EXPECT_EQ(CsvInstant(DayNumberFromDate(15, 1, 2025) + (19 * 3600 + 42 * 60 + 7.3) / 86400), "2025-01-15T19:42:07Z");
    EXPECT_EQ(CsvText("C/2023 A3 (Tsuchinshan, ATLAS)"), "\"C/2023 A3 (Tsuchinshan, ATLAS)\"");
}
