// The Moon against independent values: the worked example of J. Meeus,
// Astronomical Algorithms (2nd ed.), example 47.a, and PyEphem 4.1.4
// (python3-ephem, ELP-based Moon: g_ra, g_dec and moon_phase, computed once
// and written here) over 1950-2050.

#include "core/AstroConstants.h"
#include "core/Calendar.h"
#include "core/Moon.h"
#include "core/SunPrecession.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Moon, MeeusExample47a)
{
    // 1992 April 12, 0h: lambda 133.162655, beta -3.229126, 368409.7 km.
    const MoonEclipticPosition moon = MoonEcliptic(DayNumberFromDate(12, 4, 1992) * kCenturiesPerDay);
    EXPECT_NEAR(moon.longitude * kRadiansToDegrees, 133.162655, 1e-6);  // six decimals printed
    EXPECT_NEAR(moon.latitude * kRadiansToDegrees, -3.229126, 1e-6);
    EXPECT_NEAR(moon.distance, 368409.7, 0.1);
}

TEST(Moon, PositionAndPhaseAgreeWithPyEphemFrom1950To2050)
{
    struct Case {
        int day, month, year;
        double hours;
        double rightAscension;  // hours, of date
        double declination;     // degrees
        double illuminated;
    };
    const Case cases[] = {
        {4, 3, 1950, 21.0, 11.40646, 5.59680, 0.9973},     {19, 7, 1962, 3.5, 21.39432, -16.18657, 0.9635},
        {30, 11, 1975, 12.0, 14.06975, -14.33578, 0.0851}, {2, 5, 1988, 18.75, 15.23650, -22.60467, 0.9915},
        {11, 8, 1999, 11.0, 9.39090, 15.81730, 0.0000},    {25, 12, 2006, 0.0, 22.11722, -13.45813, 0.2209},
        {15, 4, 2013, 6.25, 5.28052, 20.18970, 0.2100},    {8, 4, 2024, 18.0, 1.17185, 7.81510, 0.0000},
        {9, 9, 2031, 22.0, 6.04544, 20.21277, 0.3829},     {31, 12, 2049, 23.0, 1.02567, 10.27227, 0.5668},
    };
    for (const Case& c : cases) {
        const double t = DayNumberFromDate(c.day + c.hours / 24, c.month, c.year) * kCenturiesPerDay;
        const Vec3 moon = MoonGeocentricEquatorial(t);
        const double ra = c.rightAscension * 15 / kRadiansToDegrees;
        const double dec = c.declination / kRadiansToDegrees;
        const Vec3 expected{std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
        const double separation = std::acos(Dot(moon, expected) / Norm(moon)) * kRadiansToDegrees;
        EXPECT_LT(separation, 0.03) << c.year;
        const Vec3 sun = RotationX(MeanObliquity(t)) * SunGeocentricEcliptic(t);
        EXPECT_NEAR(MoonIlluminatedFraction(moon, sun), c.illuminated, 0.003) << c.year;
    }
}
