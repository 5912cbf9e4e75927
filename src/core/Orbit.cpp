#include "core/Orbit.h"

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "core/AstroConstants.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Every loop stops after this many steps. Halley and Newton reach the
// tolerance in a handful of steps; the bound only matters when rounding keeps
// the step from ever getting below it.
constexpr int kMaxSteps = 100;

// The tolerance may not fall below a few units of the running precision of
// the value solved for: with e within 1e-12 of 1 the requested
// 1e-10 x sqrt|1 - e| is finer than the spacing of the numbers.
template <typename Real>
Real Tolerance(double requested, Real value, Real epsilon)
{
    return std::max(static_cast<Real>(requested), 4 * epsilon * std::max(Real(1), std::fabs(value)));
}

// E - e sin E = M, Halley's method from E = M, E carried in extended precision.
OrbitSolution SolveElliptic(double e, double m, double tolerance)
{
    const long double ee = e;
    const long double mm = m;
    long double anomaly = mm;
    for (int step = 0; step < kMaxSteps; ++step) {
        const long double s = ee * std::sin(anomaly);
        const long double f = anomaly - s - mm;
        const long double f1 = 1 - ee * std::cos(anomaly);
        const long double delta = f / (f1 - f * s / (2 * f1));
        anomaly -= delta;
        if (!(std::fabs(delta) > Tolerance<long double>(tolerance, anomaly, LDBL_EPSILON)))
            break;
    }
    // rho = (1 - e cos E)/(1 - e), the numerator written as (1 - e) + 2e sin^2(E/2):
    // the same value without the cancellation of 1 - e cos E next to a parabola.
    const long double halfSine = std::sin(anomaly / 2);
    const long double rho = ((1 - ee) + 2 * ee * halfSine * halfSine) / (1 - ee);
    const long double v = 2 * std::atan(std::sqrt((1 + ee) / (1 - ee)) * std::tan(anomaly / 2));
    return {static_cast<double>(rho), static_cast<double>(v)};
}

// y + y^3/3 = W for y = tan(v/2), Newton's method from y = W, in extended precision.
OrbitSolution SolveParabolic(double w)
{
    const long double ww = w;
    // From y = W Newton shrinks y by about a third per step while y^3/3 rules;
    // beyond a million the cube root of 3W starts it next to the root instead.
    long double y = ww;
    if (std::fabs(ww) > 1e6L)
        y = std::cbrt(3 * ww);
    for (int step = 0; step < kMaxSteps; ++step) {
        const long double f = y * (1 + y * y / 3) - ww;
        const long double delta = f / (1 + y * y);
        y -= delta;
        if (!(std::fabs(delta) > Tolerance<long double>(1e-10, y, LDBL_EPSILON)))
            break;
    }
    return {static_cast<double>(1 + y * y), static_cast<double>(2 * std::atan(y))};
}

// e sinh H - H = M, Halley's method, each step evaluated in extended precision
// and H rounded to a double after it.
OrbitSolution SolveHyperbolic(double e, double m, double tolerance)
{
    // The plain start H = M makes sinh overflow for |M| beyond about 710 and
    // crawls down by about 2 per step well before that; far from perihelion
    // the asymptote e sinh H ~ |M| gives a start close to the root instead.
    double anomaly = m;
    if (std::fabs(m) > 20)
        anomaly = std::copysign(std::log(2 * std::fabs(m) / e + 1), m);
    const long double ee = e;
    for (int step = 0; step < kMaxSteps; ++step) {
        const long double h = anomaly;
        const long double s = ee * std::sinh(h);
        const long double f = s - h - m;
        const long double f1 = ee * std::cosh(h) - 1;
        const double delta = static_cast<double>(f / (f1 - f * s / (2 * f1)));
        anomaly -= delta;
        if (!(std::fabs(delta) > Tolerance<double>(tolerance, anomaly, DBL_EPSILON)))
            break;
    }
    // rho = (e cosh H - 1)/(e - 1), the numerator written as (e - 1) + 2e sinh^2(H/2).
    const long double h = anomaly;
    const long double halfSinh = std::sinh(h / 2);
    const long double rho = ((ee - 1) + 2 * ee * halfSinh * halfSinh) / (ee - 1);
    const long double v = 2 * std::atan(std::sqrt((ee + 1) / (ee - 1)) * std::tanh(h / 2));
    return {static_cast<double>(rho), static_cast<double>(v)};
}

// r Rz(node) Rx(i) Rz(u) (1,0,0): the scalar taken into the first matrix and
// the products formed left to right, as the tables have always done it.
Vec3 OrbitPlaneToEcliptic(double r, double node, double inclination, double u)
{
    const Mat3 chain = ((r * RotationZ(node)) * RotationX(inclination)) * RotationZ(u);
    return chain * Vec3{1.0, 0.0, 0.0};
}

} // namespace

OrbitSolution SolveOrbitEquation(double e, double m)
{
    const double tolerance = 1e-10 * std::sqrt(std::fabs(1 - e));
    if (e < 1)
        return SolveElliptic(e, m, tolerance);
    if (e == 1)
        return SolveParabolic(m);
    return SolveHyperbolic(e, m, tolerance);
}

Vec3 CometHeliocentricPosition(const CometRecord& comet, DayNumber t)
{
    const double e = comet.eccentricity;
    const double q = comet.perihelionDistance;
    double argument;
    if (e == 1) {
        // W = k (t - T) / (sqrt 2 |q|^1.5)
        const double absQ = std::fabs(q);
        argument = kGaussK * (t - comet.perihelionTime) / (std::sqrt(2.0) * (std::sqrt(absQ) * absQ));
    } else {
        // M = k (t - T) |(1 - e)/q|^1.5: mean motion k/|a|^1.5 with a = q/(1 - e).
        const double x = std::fabs((1 - e) / q);
        argument = kGaussK * (t - comet.perihelionTime) * (std::sqrt(x) * x);
    }
    const OrbitSolution solution = SolveOrbitEquation(e, argument);
    const double r = q * solution.rho;
    return OrbitPlaneToEcliptic(r, comet.ascendingNode, comet.inclination,
                                comet.argPerihelion + solution.trueAnomaly);
}

Vec3 AsteroidHeliocentricPosition(const AsteroidRecord& asteroid, DayNumber t)
{
    // M = ((t - t0) n + M0) in degrees, not reduced to one revolution.
    const double m = ((t - asteroid.epoch) * asteroid.meanMotion + asteroid.meanAnomaly) * kDegreesToRadians;
    const OrbitSolution solution = SolveOrbitEquation(asteroid.eccentricity, m);
    // r = a (1 - e) rho = a (1 - e cos E)
    const double r = (1 - asteroid.eccentricity) * asteroid.semiMajorAxis * solution.rho;
    return OrbitPlaneToEcliptic(r, asteroid.ascendingNode * kDegreesToRadians,
                                asteroid.inclination * kDegreesToRadians,
                                asteroid.argPerihelion * kDegreesToRadians + solution.trueAnomaly);
}
