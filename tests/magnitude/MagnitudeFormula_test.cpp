// The fit of the two magnitude coefficients, their rounding, and the refusal
// of observations that give no usable coefficient (the typed distances are
// checked in the dialog's tests).

#include "magnitude/MagnitudeFormula.h"

#include <gtest/gtest.h>

TEST(MagnitudeFormula, RoundsHToHalvesAwayFromZeroAndKToAnInteger)
{
    EXPECT_EQ(FirstCoefficientText(8.24), "8.0");
    EXPECT_EQ(FirstCoefficientText(8.25), "8.5");
    EXPECT_EQ(FirstCoefficientText(-8.25), "-8.5");
    EXPECT_EQ(SecondCoefficientText(8.49), "8");
    EXPECT_EQ(SecondCoefficientText(8.5), "9");
    // Values rounding to zero carry no minus sign, which the number parser would refuse.
    EXPECT_EQ(FirstCoefficientText(-0.2), "0.0");
    EXPECT_EQ(SecondCoefficientText(-0.4), "0");
}

TEST(MagnitudeFormula, RefusesObservationsWithoutAUsableFit)
{
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 1.5, 8.0}, {2.0, 1.5, 12.0}).refusal, FitRefusal::EqualSunDistances);
    EXPECT_EQ(FitMagnitudeCoefficients({0.0, 1.0, 8.0}, {2.0, 2.0, 12.0}).refusal, FitRefusal::NoFiniteResult);
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 0.0, 8.0}, {2.0, 2.0, 12.0}).refusal, FitRefusal::NoFiniteResult);
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 1.0, 1e308}, {1.0, 1.0000001, 0.0}).refusal, FitRefusal::NoFiniteResult);
    // Fainter nearer the Sun: K about -18.3.
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 1.0, 12.0}, {2.0, 2.0, 8.0}).refusal,
              FitRefusal::NegativeSecondCoefficient);
    // K = -0.4 rounds to 0 and is kept.
    const MagnitudeFit nearZero = FitMagnitudeCoefficients({1.0, 1.0, 8.0}, {1.0, 10.0, 7.6});
    EXPECT_EQ(nearZero.refusal, FitRefusal::None);
    EXPECT_NEAR(nearZero.K, -0.4, 1e-12);
    EXPECT_NEAR(CometMagnitude(nearZero.H, nearZero.K, 1.0, 10.0), 7.6, 1e-12);
}
