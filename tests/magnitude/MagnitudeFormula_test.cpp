// The fit of the two magnitude coefficients, their rounding, and the refusal
// of observations that give no usable coefficient.

#include "magnitude/MagnitudeFormula.h"
#include "magnitude/MagnitudeInput.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MagnitudeFormula, FitsTheTwoObservationsOfTheExamples)
{
    MagnitudeFit fit = FitMagnitudeCoefficients({1.0, 1.0, 8.0}, {2.0, 2.0, 12.0});
    EXPECT_EQ(fit.refusal, FitRefusal::None);
    EXPECT_NEAR(fit.K, 8.2877, 1e-4);
    EXPECT_NEAR(fit.H, 8.0, 1e-12);
    EXPECT_EQ(FirstCoefficientText(fit.H), "8.0");
    EXPECT_EQ(SecondCoefficientText(fit.K), "8");

    fit = FitMagnitudeCoefficients({0.5, 1.2, 9.0}, {1.0, 2.0, 13.0});
    EXPECT_EQ(fit.refusal, FitRefusal::None);
    EXPECT_NEAR(fit.K, 11.2457, 1e-4);
    EXPECT_NEAR(fit.H, 9.6147, 1e-4);
    EXPECT_EQ(FirstCoefficientText(fit.H), "9.5");
    EXPECT_EQ(SecondCoefficientText(fit.K), "11");

    // The fitted coefficients give back both observed magnitudes.
    EXPECT_NEAR(CometMagnitude(fit.H, fit.K, 0.5, 1.2), 9.0, 1e-12);
    EXPECT_NEAR(CometMagnitude(fit.H, fit.K, 1.0, 2.0), 13.0, 1e-12);
    EXPECT_NEAR(CometMagnitude(8.0, 8.0, 2.0, 2.0), 11.913, 1e-3);
}

TEST(MagnitudeFormula, RoundsHToHalvesAwayFromZeroAndKToAnInteger)
{
    EXPECT_EQ(RoundFirstCoefficient(8.24), 8.0);
    EXPECT_EQ(RoundFirstCoefficient(8.25), 8.5);
    EXPECT_EQ(RoundFirstCoefficient(8.74), 8.5);
    EXPECT_EQ(RoundFirstCoefficient(-8.25), -8.5);
    EXPECT_EQ(RoundFirstCoefficient(-8.24), -8.0);
    EXPECT_EQ(RoundSecondCoefficient(8.49), 8.0);
    EXPECT_EQ(RoundSecondCoefficient(8.5), 9.0);
    // Values that round to zero carry no minus sign into the texts, which the
    // number parser would refuse when they are stored.
    EXPECT_EQ(FirstCoefficientText(-0.2), "0.0");
    EXPECT_EQ(SecondCoefficientText(-0.4), "0");
    EXPECT_EQ(FirstCoefficientText(-1.3), "-1.5");
}

TEST(MagnitudeFormula, RefusesObservationsWithoutAUsableFit)
{
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 1.5, 8.0}, {2.0, 1.5, 12.0}).refusal, FitRefusal::EqualSunDistances);
    // A zero distance has no logarithm.
    EXPECT_EQ(FitMagnitudeCoefficients({0.0, 1.0, 8.0}, {2.0, 2.0, 12.0}).refusal, FitRefusal::NoFiniteResult);
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 0.0, 8.0}, {2.0, 2.0, 12.0}).refusal, FitRefusal::NoFiniteResult);
    // Nearly equal distances with magnitudes at the limit of a double overflow K.
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 1.0, 1e308}, {1.0, 1.0000001, 0.0}).refusal, FitRefusal::NoFiniteResult);
    // A comet that fades towards the Sun: K about -18.3.
    EXPECT_EQ(FitMagnitudeCoefficients({1.0, 1.0, 12.0}, {2.0, 2.0, 8.0}).refusal,
              FitRefusal::NegativeSecondCoefficient);
    // K of -0.4 still rounds to 0 and is kept.
    const MagnitudeFit nearZero = FitMagnitudeCoefficients({1.0, 1.0, 8.0}, {1.0, 10.0, 7.6});
    EXPECT_EQ(nearZero.refusal, FitRefusal::None);
    EXPECT_NEAR(nearZero.K, -0.4, 1e-12);
    EXPECT_EQ(SecondCoefficientText(nearZero.K), "0");
}

TEST(MagnitudeInput, DistancesMustBeNumbersOtherThanZero)
{
    MessageRecorder messages;
    double value = 7.0;
    EXPECT_EQ(ParseDistance("0.0", value), 0);
    EXPECT_EQ(ParseDistance("1,5", value), 0);
    EXPECT_EQ(ParseDistance(".", value), 0);
    EXPECT_EQ(value, 7.0);
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[0].text, "Erreur ! Une distance ne peut pas être nulle.\n\nRecommencez !");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages.messages[1].text, "Erreur de saisie ! Recommencez !");
    EXPECT_EQ(ParseDistance("1.5", value), 1);
    EXPECT_EQ(value, 1.5);
    EXPECT_EQ(messages.messages.size(), 3u);
}
