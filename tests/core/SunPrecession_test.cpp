#include "core/ApparentPlace.h"
#include "core/AstroConstants.h"
#include "core/SunPrecession.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Sun, PositionAtJ2000)
{
    const Vec3 sun = SunGeocentricEcliptic(1.0);
    double longitude = std::atan2(sun.y, sun.x) * kRadiansToDegrees;
    if (longitude < 0)
        longitude += 360;
    EXPECT_NEAR(longitude, 280.38, 0.01);
    EXPECT_NEAR(Norm(sun), 0.98331, 1e-5);
    EXPECT_EQ(sun.z, 0.0);
    // Half a year later the Sun is on the other side, near aphelion.
    const Vec3 july = SunGeocentricEcliptic(1.0 + 182.6 * kCenturiesPerDay);
    EXPECT_NEAR(Norm(july), 1.0167, 1e-3);
}

TEST(Sun, MeanObliquityAndEquinoxCenturies)
{
    EXPECT_NEAR(MeanObliquity(1.0) * kRadiansToDegrees, 23.43928, 1e-5);
    EXPECT_EQ(EquinoxCenturies(1950), 0.5);
    EXPECT_EQ(EquinoxCenturies(2000), 1.0);
}

TEST(PrecessionMatrix, CarriesB1950IntoJ2000)
{
    const Mat3 p = PrecessionMatrix(1.0, 0.5);
    EXPECT_NEAR(p(0, 0), 0.9999257, 1e-7);
    EXPECT_NEAR(p(1, 0), 0.0111761, 1e-7);
    EXPECT_NEAR(p(2, 0), 0.0048578, 1e-7);

    const Mat3 same = PrecessionMatrix(0.73, 0.73);
    const Mat3 roundTrip = PrecessionMatrix(0.5, 1.0) * p;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(same(i, j), i == j ? 1.0 : 0.0, 1e-15);
            EXPECT_NEAR(roundTrip(i, j), i == j ? 1.0 : 0.0, 1e-9);
        }
    }
}

TEST(ApparentPlace, ElongationPhaseAndRightAscension)
{
    const Vec3 sun{1.0, 0.0, 0.0};
    // Beyond the Sun, seen in its direction.
    const ApparentPlace behind = ApparentPlaceFromVectors(sun, {2.0, 0.0, 0.0});
    EXPECT_EQ(behind.elongation, 0.0);
    EXPECT_EQ(behind.earthDistance, 3.0);
    EXPECT_EQ(behind.sunDistance, 2.0);
    // Exactly opposite the Sun, or in line with it: rounding may push the
    // arccosine arguments past 1, which must not give NaN.
    const ApparentPlace opposite = ApparentPlaceFromVectors({0.3, 0.7, 0.1}, {-0.6, -1.4, -0.2});
    EXPECT_NEAR(opposite.elongation, 180.0, 1e-5);
    EXPECT_NEAR(opposite.phaseAngle, 0.0, 1e-5);
    for (double k = 0.1; k < 40; k *= 1.37) {
        const Vec3 sun{0.31, -0.77, 0.33};
        const ApparentPlace inLine = ApparentPlaceFromVectors(sun, k * sun);
        ASSERT_FALSE(std::isnan(inLine.elongation)) << k;
        ASSERT_FALSE(std::isnan(inLine.phaseAngle)) << k;
        EXPECT_NEAR(inLine.elongation, 0.0, 1e-5);
    }

    EXPECT_NEAR(RightAscensionHours({0.0, -1.0, 0.0}), 18.0, 1e-9);
    EXPECT_DOUBLE_EQ(RightAscensionHours({1.0, 0.0, 0.0}), 0.0);
    EXPECT_NEAR(DeclinationRadians({1.0, 0.0, 1.0}), M_PI / 4, 1e-15);
}

TEST(ApparentPlace, J2000OutputOnlyTiltsJ2000Elements)
{
    const Mat3 pOut = OutputPrecession(2000);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(pOut(i, j), i == j ? 1.0 : 0.0, 1e-15);

    const Vec3 ecliptic{0.3, -1.2, 0.4};
    const Vec3 equatorial = ObjectEquatorial(ecliptic, ElementsFrame::J2000, pOut);
    const Vec3 tilted = RotationX(ObliquityJ2000) * ecliptic;
    EXPECT_NEAR(equatorial.x, tilted.x, 1e-15);
    EXPECT_NEAR(equatorial.y, tilted.y, 1e-15);
    EXPECT_NEAR(equatorial.z, tilted.z, 1e-15);

    // B1950 elements are precessed: about 0.7 degree of right ascension in 50 years.
    const Vec3 b1950 = ObjectEquatorial(ecliptic, ElementsFrame::B1950, pOut);
    EXPECT_NEAR(Norm(b1950), Norm(ecliptic), 1e-14);
    EXPECT_GT(Norm(b1950 + (-1.0) * equatorial), 1e-3);

    // The whole chain at 2000 January 1.5 puts the Sun near 18h 45m, -23 degrees.
    const ApparentPlace place = ApparentPlaceAt(36525.0, ecliptic, ElementsFrame::J2000, pOut);
    EXPECT_NEAR(RightAscensionHours(place.sun), 18.75, 0.01);
    EXPECT_NEAR(DeclinationRadians(place.sun) * kRadiansToDegrees, -23.03, 0.02);
}
