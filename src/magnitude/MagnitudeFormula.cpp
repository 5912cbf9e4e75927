#include "magnitude/MagnitudeFormula.h"

#include "core/CFormat.h"

#include <cmath>

double CometMagnitude(double H, double K, double earthDistance, double sunDistance)
{
    return H + 5.0 * std::log10(earthDistance) + K * std::log10(sunDistance);
}

MagnitudeFit FitMagnitudeCoefficients(const MagnitudeObservation& first, const MagnitudeObservation& second)
{
    MagnitudeFit fit;
    const double sunRatioLog = std::log10(first.sunDistance / second.sunDistance);
    // Also catches two different distances whose quotient rounds to 1.
    if (sunRatioLog == 0.0) {
        fit.refusal = FitRefusal::EqualSunDistances;
        return fit;
    }
    fit.K = ((first.magnitude - second.magnitude) - 5.0 * std::log10(first.earthDistance / second.earthDistance)) /
            sunRatioLog;
    fit.H = first.magnitude - 5.0 * std::log10(first.earthDistance) - fit.K * std::log10(first.sunDistance);
    if (!std::isfinite(fit.K) || !std::isfinite(fit.H))
        fit.refusal = FitRefusal::NoFiniteResult;
    else if (fit.K < -0.5)
        fit.refusal = FitRefusal::NegativeSecondCoefficient;
    return fit;
}

// Adding 0.0 turns a -0.0 (a small negative value truncated) into 0.0.
double RoundFirstCoefficient(double H)
{
    const double halfStep = H >= 0.0 ? 0.5 : -0.5;
    return std::trunc(2.0 * H + halfStep) * 0.5 + 0.0;
}

double RoundSecondCoefficient(double K)
{
    return std::trunc(K + 0.5) + 0.0;
}

std::string FirstCoefficientText(double H)
{
    return FormatC("%.1f", RoundFirstCoefficient(H));
}

std::string SecondCoefficientText(double K)
{
    return FormatC("%.0f", RoundSecondCoefficient(K));
}
