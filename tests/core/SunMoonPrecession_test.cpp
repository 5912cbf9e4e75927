// The Sun, the Moon and precession against published values (J. Meeus, Astronomical
// Algorithms, 2nd ed.; the B1950 to J2000 precession matrix) and PyEphem 4.1.4
// (python3-ephem, ELP-based Moon: g_ra, g_dec, moon_phase, computed once), 1950-2050.

#include "core/ApparentPlace.h"
#include "core/AstroConstants.h"
#include "core/Calendar.h"
#include "core/Moon.h"
#include "core/SunPrecession.h"
#include "core/Vector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectIdentity(const Mat3& m, double tolerance)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(m(i, j), i == j ? 1.0 : 0.0, tolerance) << i << j;
}

} // namespace

TEST(SunAndPrecession, PositionObliquityAndTheB1950Matrix)
{
    const Vec3 sun = SunGeocentricEcliptic(1.0);
    EXPECT_NEAR(std::atan2(sun.y, sun.x) * kRadiansToDegrees + 360, 280.38, 0.01);
    EXPECT_NEAR(Norm(sun), 0.98331, 1e-5);
    EXPECT_NEAR(Norm(SunGeocentricEcliptic(1.0 + 182.6 * kCenturiesPerDay)), 1.0167, 1e-3);  // July
    EXPECT_NEAR(MeanObliquity(1.0) * kRadiansToDegrees, 23.43928, 1e-5);
    // Meeus, example 25.a: 1992 October 13.0, longitude 199.90988 degrees, R 0.99766 AU.
    const Vec3 october = SunGeocentricEcliptic(JulianCenturies(DayNumberFromDate(13, 10, 1992)));
    EXPECT_NEAR(std::atan2(october.y, october.x) * kRadiansToDegrees + 360, 199.90988, 1e-3);
    EXPECT_NEAR(Norm(october), 0.99766, 1e-5);
    EXPECT_EQ(EquinoxCenturies(1950), 0.5);
    // The precession matrix carries B1950 into J2000, and back.
    const Mat3 p = PrecessionMatrix(1.0, 0.5);
    EXPECT_NEAR(p(0, 0), 0.9999257, 1e-7);
    EXPECT_NEAR(p(1, 0), 0.0111761, 1e-7);
    EXPECT_NEAR(p(2, 0), 0.0048578, 1e-7);
    ExpectIdentity(PrecessionMatrix(0.5, 1.0) * p, 1e-9);
    ExpectIdentity(PrecessionMatrix(0.73, 0.73), 1e-15);
    ExpectIdentity(OutputPrecession(2000), 1e-15);
}

TEST(ApparentPlace, TheGeocentricChain)
{
    // In line with the Sun, or opposite it: rounding may push the arccosine
    // arguments past 1, which must not give NaN.
    const Vec3 sun{0.31, -0.77, 0.33};
    for (double k = 0.1; k < 40; k *= 1.37) {
        const ApparentPlace inLine = ApparentPlaceFromVectors(sun, k * sun);
        ASSERT_NEAR(inLine.elongation, 0.0, 1e-5) << k;
        ASSERT_FALSE(std::isnan(inLine.phaseAngle)) << k;
    }
    const ApparentPlace opposite = ApparentPlaceFromVectors(sun, -2.0 * sun);
    EXPECT_NEAR(opposite.elongation, 180.0, 1e-5);
    EXPECT_NEAR(opposite.phaseAngle, 0.0, 1e-5);
    EXPECT_NEAR(opposite.earthDistance, Norm(sun), 1e-15);
    EXPECT_NEAR(RightAscensionHours({0.0, -1.0, 0.0}), 18.0, 1e-9);
    // Elements of every equinox are pinned against PyEphem with the ephemeris writer.
}

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

// Products and rotations are pinned through the positions above and the orbits.
TEST(Vector, BadComponentIndexWarnsOnStandardOutputAndReadsX)
{
    const Vec3 v{7, 8, 9};
    testing::internal::CaptureStdout();
    EXPECT_EQ(v[2], 9.0);
    EXPECT_EQ(v[3], 7.0);
    EXPECT_EQ(v[-1], 7.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Attention! erreur d'indice...\nAttention! erreur d'indice...\n");
}
