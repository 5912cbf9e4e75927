#include "core/ApparentPlace.h"
#include "core/AstroConstants.h"
#include "core/SunPrecession.h"

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

TEST(Sun, PositionAndObliquityAtJ2000)
{
    const Vec3 sun = SunGeocentricEcliptic(1.0);
    EXPECT_NEAR(std::atan2(sun.y, sun.x) * kRadiansToDegrees + 360, 280.38, 0.01);
    EXPECT_NEAR(Norm(sun), 0.98331, 1e-5);
    EXPECT_NEAR(Norm(SunGeocentricEcliptic(1.0 + 182.6 * kCenturiesPerDay)), 1.0167, 1e-3);  // July
    EXPECT_NEAR(MeanObliquity(1.0) * kRadiansToDegrees, 23.43928, 1e-5);
    EXPECT_EQ(EquinoxCenturies(1950), 0.5);
}

TEST(PrecessionMatrix, CarriesB1950IntoJ2000AndBack)
{
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

    // Elements of 2000 are only tilted for an output of 2000; those of 1950 are precessed.
    const Vec3 ecliptic{0.3, -1.2, 0.4};
    const Mat3 pOut = OutputPrecession(2000);
    const Vec3 j2000 = ObjectEquatorial(ecliptic, 2000, pOut);
    EXPECT_LT(Norm(j2000 + (-1.0) * (RotationX(ObliquityJ2000) * ecliptic)), 1e-15);
    EXPECT_GT(Norm(ObjectEquatorial(ecliptic, 1950, pOut) + (-1.0) * j2000), 1e-3);

    // 2000 January 1.5: the Sun near 18h 45m, -23 degrees.
    const ApparentPlace place = ApparentPlaceAt(36525.0, ecliptic, 2000, pOut);
    EXPECT_NEAR(RightAscensionHours(place.sun), 18.75, 0.01);
    EXPECT_NEAR(DeclinationRadians(place.sun) * kRadiansToDegrees, -23.03, 0.02);
}
