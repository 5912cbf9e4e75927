#pragma once
// The magnitude formula of a comet, as the ephemerides and the diagram use it,
//   m = H + 5 log10(Delta) + K log10(r),
// with Delta the comet-Earth and r the comet-Sun distance in AU, H the first
// coefficient (absolute visual magnitude) and K the second; and the fit of H
// and K to two observations of the comet.

#include <string>

struct MagnitudeObservation {
    double earthDistance = 0.0;  // Delta, AU
    double sunDistance = 0.0;    // r, AU
    double magnitude = 0.0;      // visual magnitude m
};

// Why a fit gives no coefficients to show or store.
enum class FitRefusal {
    None,
    EqualSunDistances,          // log10(r1 / r2) = 0: K has no value
    NoFiniteResult,             // a zero distance, or numbers too large
    NegativeSecondCoefficient,  // K below -0.5: it would round to a negative integer
};

struct MagnitudeFit {
    double H = 0.0;
    double K = 0.0;
    FitRefusal refusal = FitRefusal::None;
};

// m = H + 5 log10(Delta) + K log10(r). Not finite when a distance is 0.
double CometMagnitude(double H, double K, double earthDistance, double sunDistance);

// The formula written for both observations and solved for K, then H:
//   K = ((m1 - m2) - 5 log10(Delta1 / Delta2)) / log10(r1 / r2)
//   H = m1 - 5 log10(Delta1) - K log10(r1)
// H and K are meaningful only when `refusal` is None; they are then finite.
MagnitudeFit FitMagnitudeCoefficients(const MagnitudeObservation& first, const MagnitudeObservation& second);

// H to the nearest multiple of 0.5, halves away from zero: trunc(2H +/- 0.5) / 2.
double RoundFirstCoefficient(double H);
// K to an integer: trunc(K + 0.5), the nearest integer, halves up, for K >= -0.5.
double RoundSecondCoefficient(double K);

// The rounded coefficients as shown and stored: "%.1f" of H, "%.0f" of K.
// A value that rounds to zero is written without a minus sign.
std::string FirstCoefficientText(double H);
std::string SecondCoefficientText(double K);
