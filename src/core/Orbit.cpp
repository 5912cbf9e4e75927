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

constexpr long double kPiExtended = 3.141592653589793238462643383279502884L;

// The tolerance may not fall below a few units of the running precision of
// the value solved for: with e within 1e-12 of 1 the requested
// 1e-10 x sqrt|1 - e| is finer than the spacing of the numbers.
template <typename Real>
Real Tolerance(double requested, Real value, Real epsilon)
{
    return std::max(static_cast<Real>(requested), 4 * epsilon * std::max(Real(1), std::fabs(value)));
}

// One Halley step on E - e sin E = M, evaluated at the precision Real.
template <typename Real>
Real KeplerStep(Real e, Real m, Real anomaly)
{
    const Real s = e * std::sin(anomaly);           // f''
    const Real f = anomaly - s - m;
    const Real f1 = 1 - e * std::cos(anomaly);      // f'
    return f / (f1 - f * s / (2 * f1));
}

// E - e sin E = M, Halley's method from E = M, E carried in extended precision.
// While the steps are large the step is evaluated in double, which is many
// times faster and loses nothing: Halley's cubic convergence makes the last,
// extended step alone set the precision of E.
OrbitSolution SolveElliptic(double e, double m, double tolerance)
{
    const long double ee = e;
    const long double mm = m;
    long double anomaly = mm;
    long double delta = 1;
    for (int step = 0; step < kMaxSteps; ++step) {
        if (std::fabs(delta) > 1e-3L)
            delta = KeplerStep<double>(e, m, static_cast<double>(anomaly));
        else
            delta = KeplerStep<long double>(ee, mm, anomaly);
        anomaly -= delta;
        if (!(std::fabs(delta) > Tolerance<long double>(tolerance, anomaly, LDBL_EPSILON)))
            break;
    }
    // The results are doubles: E, brought within half a turn in extended
    // precision, needs no more than double precision from here.
    const double reduced = static_cast<double>(std::remainder(anomaly, 2 * kPiExtended));
    // rho = (1 - e cos E)/(1 - e), the numerator written as (1 - e) + 2e sin^2(E/2):
    // the same value without the cancellation of 1 - e cos E next to a parabola.
    const double halfSine = std::sin(reduced / 2);
    const double rho = ((1 - e) + 2 * e * halfSine * halfSine) / (1 - e);
    const double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(reduced / 2));
    return {rho, v};
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
    const double tangent = static_cast<double>(y);
    return {1 + tangent * tangent, 2 * std::atan(tangent)};
}

// One Halley step on e sinh H - H = M, evaluated at the precision Real.
template <typename Real>
Real HyperbolicKeplerStep(Real e, Real m, Real anomaly)
{
    const Real s = e * std::sinh(anomaly);          // f''
    const Real f = s - anomaly - m;
    const Real f1 = e * std::cosh(anomaly) - 1;     // f'
    return f / (f1 - f * s / (2 * f1));
}

// e sinh H - H = M, Halley's method, H rounded to a double after each step;
// the steps next to the root are evaluated in extended precision, as for E.
OrbitSolution SolveHyperbolic(double e, double m, double tolerance)
{
    // The plain start H = M makes sinh overflow for |M| beyond about 710 and
    // crawls down by about 2 per step well before that; far from perihelion
    // the asymptote e sinh H ~ |M| gives a start close to the root instead.
    double anomaly = m;
    if (std::fabs(m) > 20)
        anomaly = std::copysign(std::log(2 * std::fabs(m) / e + 1), m);
    double delta = 1;
    for (int step = 0; step < kMaxSteps; ++step) {
        if (std::fabs(delta) > 1e-3)
            delta = HyperbolicKeplerStep<double>(e, m, anomaly);
        else
            delta = static_cast<double>(HyperbolicKeplerStep<long double>(e, m, anomaly));
        anomaly -= delta;
        if (!(std::fabs(delta) > Tolerance<double>(tolerance, anomaly, DBL_EPSILON)))
            break;
    }
    // rho = (e cosh H - 1)/(e - 1), the numerator written as (e - 1) + 2e sinh^2(H/2).
    const double halfSinh = std::sinh(anomaly / 2);
    const double rho = ((e - 1) + 2 * e * halfSinh * halfSinh) / (e - 1);
    const double v = 2 * std::atan(std::sqrt((e + 1) / (e - 1)) * std::tanh(anomaly / 2));
    return {rho, v};
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
