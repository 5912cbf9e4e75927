#include "core/Moon.h"

#include "core/AstroConstants.h"
#include "core/SunPrecession.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180;
constexpr double kKilometresPerAu = 149597870.7;

// One term: the multiples of D, M, M', F and its coefficient(s).
struct LongitudeDistanceTerm {
    signed char d, m, mp, f;
    double longitude;  // 1e-6 degree, times sin(argument)
    double distance;   // 1e-3 km, times cos(argument)
};
struct LatitudeTerm {
    signed char d, m, mp, f;
    double latitude;  // 1e-6 degree, times sin(argument)
};

// Table 47.A.
constexpr LongitudeDistanceTerm kLongitudeDistance[] = {
    {0, 0, 1, 0, 6288774, -20905355}, {2, 0, -1, 0, 1274027, -3699111}, {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},    {0, 1, 0, 0, -185116, 48888},     {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},     {2, -1, -1, 0, 57066, -152138},   {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},    {0, 1, -1, 0, -40923, -129620},   {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},     {2, 0, 0, -2, 15327, 10321},      {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},      {4, 0, -1, 0, 10675, -34782},     {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},      {2, 1, -1, 0, -7888, 24208},      {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},      {1, 1, 0, 0, 4987, -16675},       {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},       {4, 0, 0, 0, 3861, -11650},       {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},      {2, 0, -1, 2, -2602, 0},          {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},        {2, -2, 0, 0, 2236, -9884},       {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},           {2, -2, -1, 0, 2048, -4950},      {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},           {4, -1, -1, 0, 1215, -3958},      {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},        {2, 1, 1, 0, -810, 2616},         {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},       {2, 2, -1, 0, -700, 2354},        {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},           {4, 0, 1, 0, 549, -1423},         {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},        {1, 0, -2, 0, -487, -1739},       {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},       {1, 1, 1, 0, 351, 0},             {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},            {2, -1, 2, 0, 327, 0},            {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},            {2, 0, 3, 0, 294, 0},             {2, 0, -1, -2, 0, 8752},
};

// Table 47.B.
constexpr LatitudeTerm kLatitude[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602}, {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};

// A polynomial in T (centuries from J2000) of degrees, brought into one turn, in radians.
double Angle(double degrees)
{
    return std::fmod(degrees, 360.0) * kDegree;
}

// The terms in M are multiplied by E (E^2 for 2M): the eccentricity of the
// Earth's orbit decreases.
double EccentricityFactor(int m, double e)
{
    return std::abs(m) == 1 ? e : std::abs(m) == 2 ? e * e : 1.0;
}

} // namespace

MoonEclipticPosition MoonEcliptic(double t)
{
    const double T = t - 1.0;  // centuries from J2000.0
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    // Mean longitude, mean elongation, the Sun's and the Moon's mean anomalies
    // and the argument of latitude (47.1 to 47.5).
    const double meanLongitude =
        Angle(218.3164477 + 481267.88123421 * T - 0.0015786 * T2 + T3 / 538841 - T4 / 65194000);
    const double d = Angle(297.8501921 + 445267.1114034 * T - 0.0018819 * T2 + T3 / 545868 - T4 / 113065000);
    const double m = Angle(357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000);
    const double mp = Angle(134.9633964 + 477198.8675055 * T + 0.0087414 * T2 + T3 / 69699 - T4 / 14712000);
    const double f = Angle(93.2720950 + 483202.0175233 * T - 0.0036539 * T2 - T3 / 3526000 + T4 / 863310000);
    const double a1 = Angle(119.75 + 131.849 * T);  // Venus
    const double a2 = Angle(53.09 + 479264.290 * T);  // Jupiter
    const double a3 = Angle(313.45 + 481266.484 * T);
    const double e = 1 - 0.002516 * T - 0.0000074 * T2;

    double sumL = 0.0, sumR = 0.0, sumB = 0.0;
    for (const LongitudeDistanceTerm& term : kLongitudeDistance) {
        const double argument = term.d * d + term.m * m + term.mp * mp + term.f * f;
        const double factor = EccentricityFactor(term.m, e);
        sumL += factor * term.longitude * std::sin(argument);
        sumR += factor * term.distance * std::cos(argument);
    }
    for (const LatitudeTerm& term : kLatitude)
        sumB += EccentricityFactor(term.m, e) * term.latitude *
                std::sin(term.d * d + term.m * m + term.mp * mp + term.f * f);
    // The additive terms of Venus, Jupiter and the flattening of the Earth.
    sumL += 3958 * std::sin(a1) + 1962 * std::sin(meanLongitude - f) + 318 * std::sin(a2);
    sumB += -2235 * std::sin(meanLongitude) + 382 * std::sin(a3) + 175 * std::sin(a1 - f) +
            175 * std::sin(a1 + f) + 127 * std::sin(meanLongitude - mp) - 115 * std::sin(meanLongitude + mp);

    double longitude = std::fmod(meanLongitude + sumL * 1e-6 * kDegree, 2 * kPi);
    if (longitude < 0)
        longitude += 2 * kPi;
    return {longitude, sumB * 1e-6 * kDegree, 385000.56 + sumR * 1e-3};
}

Vec3 MoonGeocentricEquatorial(double t)
{
    const MoonEclipticPosition moon = MoonEcliptic(t);
    const double r = moon.distance / kKilometresPerAu;
    const Vec3 ecliptic{r * std::cos(moon.latitude) * std::cos(moon.longitude),
                        r * std::cos(moon.latitude) * std::sin(moon.longitude), r * std::sin(moon.latitude)};
    return RotationX(MeanObliquity(t)) * ecliptic;
}

double MoonIlluminatedFraction(const Vec3& moon, const Vec3& sun)
{
    // The phase angle at the Moon, between the directions to the Sun (S - M)
    // and to the Earth (-M); k = (1 + cos i) / 2.
    const Vec3 toSun = sun + (-1.0) * moon;
    const double cosPhase = -Dot(toSun, moon) / (Norm(toSun) * Norm(moon));
    return (1 + std::clamp(cosPhase, -1.0, 1.0)) / 2;
}
