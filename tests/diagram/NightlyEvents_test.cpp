// The arithmetic of one night: cells, hour angles, the correction step, the
// comfortable windows and the mean new moons.

#include "core/Vector.h"
#include "diagram/NightlyEvents.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kDegree = 0.017453292519943295;

Vec3 Direction(double rightAscensionHours, double declinationDegrees)
{
    const double a = rightAscensionHours * 15 * kDegree;
    const double d = declinationDegrees * kDegree;
    return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

SiteFrame Site(double longitudeHours, double latitudeDegrees)
{
    return {longitudeHours, std::sin(latitudeDegrees * kDegree), std::cos(latitudeDegrees * kDegree)};
}

} // namespace

TEST(SplitTime, EveryTimeFallsInARowOfItsNight)
{
    struct Case {
        double hours;
        int night;
        int row;
    };
    for (const Case& c : {Case{-12.0, 0, 0}, Case{0.0, 0, 180}, Case{11.99, 0, 359}, Case{12.0, 1, 0},
                          Case{-12.01, -1, 359}, Case{36.1, 2, 1}, Case{-0.07, 0, 178}}) {
        const std::optional<CellTime> cell = SplitTime(c.hours);
        ASSERT_TRUE(cell) << c.hours;
        EXPECT_EQ(cell->night, c.night) << c.hours;
        EXPECT_EQ(cell->row, c.row) << c.hours;
    }
    // Just below a night's start the remainder rounds to 24 hours: still row 359.
    const std::optional<CellTime> edge = SplitTime(std::nextafter(-12.0, -13.0));
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->night, -1);
    EXPECT_EQ(edge->row, 359);
    // A damaged orbit gives no cell at all.
    EXPECT_FALSE(SplitTime(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(SplitTime(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(SplitTime(1e300));
}

TEST(RefineEventTime, OneStepFindsTheEventsOfAFixedStar)
{
    // A star at RA 6h, dec +20, from a site 2h west, 45 N, on a day whose
    // sidereal time at 0h UT is 1h: it transits at 6h of local, 8h of
    // Greenwich sidereal time, 7 sidereal hours after 0h UT.
    const SiteFrame site = Site(2.0, 45.0);
    const Vec3 star = Direction(6.0, 20.0);
    const double transit = 7.0 * kMeanPerSiderealHour;
    for (const double start : {transit - 5.0, transit + 3.0, transit + 11.0}) {
        const RefinedTime refined = RefineEventTime(star, start, -0.00989, 1.0, site, 0);
        EXPECT_NEAR(refined.time, transit, 1e-9) << start;
    }
    // The rise comes before the transit, the set after it, symmetrically.
    const RefinedTime rise = RefineEventTime(star, transit, -0.00989, 1.0, site, -1);
    const RefinedTime set = RefineEventTime(star, transit, -0.00989, 1.0, site, +1);
    EXPECT_LT(rise.time, transit);
    EXPECT_NEAR(set.time - transit, transit - rise.time, 1e-9);
    // cos H = (-0.00989 - sin 20 sin 45) / (cos 20 cos 45) = -0.378854, H = 7.48418 h
    // of hour angle: 2H x 0.99727 = 14.9275 hours between rise and set.
    EXPECT_NEAR(set.time - rise.time, 14.9275, 1e-3);
    // A correction never moves a time by more than 12 sidereal hours.
    const RefinedTime far = RefineEventTime(star, transit + 30.0, -0.00989, 1.0, site, 0);
    EXPECT_NEAR(far.time, transit + 24 * kMeanPerSiderealHour, 1e-9);
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
    const NightRecord nightLater = shifted(5, 6, 24);
    const NightRecord nightTwoLater = shifted(5, 6, 48);
    const NightRecord arcLater = shifted(3, 4, 24);
    for (const ComfortableWindows& windows :
         {FindComfortableWindows(today, today, nullptr), FindComfortableWindows(nightLater, nightLater, nullptr),
          FindComfortableWindows(nightTwoLater, nightTwoLater, &nightTwoLater),
          FindComfortableWindows(arcLater, arcLater, nullptr)}) {
        ASSERT_EQ(windows.count, 1);
        EXPECT_EQ(windows.spans[0].start, -3.0);
        EXPECT_EQ(windows.spans[0].end, 4.0);
    }
    EXPECT_EQ(FindComfortableWindows(nightTwoLater, nightTwoLater, nullptr).count, 0);
}

TEST(MeanNewMoons, OnlyThoseStrictlyInsideTheSpanAreMarked)
{
    const double lunation = 29.53088;
    const double moon = 300 * lunation + 0.759;  // a mean new moon
    // A new moon a quarter of a day after 0h UT of day 0 (j = 0) is not marked.
    const NewMoonDays atStart = MeanNewMoonDays(moon - 0.25);
    ASSERT_GT(atStart.count, 0);
    EXPECT_EQ(atStart.days[0], 29);
    // 366 days on it is not marked either; 365 is.
    const NewMoonDays atEnd = MeanNewMoonDays(moon - 366.25);
    EXPECT_EQ(atEnd.days[static_cast<std::size_t>(atEnd.count - 1)], 336);
    const NewMoonDays lastDay = MeanNewMoonDays(moon - 365.25);
    EXPECT_EQ(lastDay.days[static_cast<std::size_t>(lastDay.count - 1)], 365);
    EXPECT_EQ(lastDay.count, 13);
}
