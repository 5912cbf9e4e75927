#include "core/SunPrecession.h"

#include "core/AstroConstants.h"
#include "core/Orbit.h"

#include <cmath>

Vec3 SunGeocentricEcliptic(double t)
{
    // Newcomb's Sun: eccentricity, mean anomaly (degrees, brought near one
    // turn by whole centuries of 360 x 100 degrees), longitude of perigee.
    const double e = 0.01675104 - t * (4.18e-05 + 1.26e-07 * t);
    double meanAnomaly = t * (35999.04975 - t * (0.00015 + 3.3e-06 * t)) - 1.52417;
    meanAnomaly -= 360 * std::floor(100 * t);
    const OrbitSolution solution = SolveOrbitEquation(e, meanAnomaly * kDegreesToRadians);

    const double perigee = t * (t * (3.3e-06 * t + 0.0004525) + 1.71917) - 78.77915;
    const double longitude = perigee * kDegreesToRadians + solution.trueAnomaly;
    // R = a (1 - e) rho with the Earth's semi-major axis 1.00000023 AU.
    const double distance = (1 - e) * solution.rho * 1.00000023;
    return {distance * std::cos(longitude), distance * std::sin(longitude), 0.0};
}

double MeanObliquity(double t)
{
    return (23.452294 - t * (0.0130125 + t * (1.64e-06 - 5.03e-07 * t))) * kDegreesToRadians;
}

Mat3 PrecessionMatrix(double t1, double t2)
{
    // Newcomb's angles in arcseconds: theta, Z = (zeta + z)/2 and
    // Q = (z - zeta)/2, so zeta = Z - Q and z = Z + Q. The x rotation between
    // two quarter turns stands for the rotation by -theta about y.
    const double s = t1 + t2;
    const double d = t1 - t2;
    const double p = t1 * t2;
    const double theta = d * (2004.685 - 0.4267 * s - 0.0418 * d * d - 0.00037 * p) * kArcsecondsToRadians;
    const double z = d * (2304.253 + 0.6987 * s + 0.01832 * d * d + 0.00006 * p) * kArcsecondsToRadians;
    const double q = d * d * (0.7927 + 0.00032 * s) * kHalfArcsecondsToRadians;
    return RotationZ(z + q + kHalfPi) * RotationX(-theta) * RotationZ(z - kHalfPi - q);
}

double EquinoxCenturies(int year)
{
    return (year - 1900.0) / 100.0;
}

double ElementsObliquity(int equinoxYear)
{
    if (equinoxYear == 2000)
        return ObliquityJ2000;
    if (equinoxYear == 1950)
        return ObliquityB1950;
    return MeanObliquity(EquinoxCenturies(equinoxYear));
}

Mat3 ElementsToEquator(double t, int equinoxYear)
{
    return PrecessionMatrix(t, EquinoxCenturies(equinoxYear)) * RotationX(ElementsObliquity(equinoxYear));
}
