#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "core/AstroConstants.h"
#include "core/Orbit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CometRecord Comet(double q, double e, double node = 0.4, double inclination = 0.3, double argPerihelion = 1.1)
{
    CometRecord comet{};
    comet.perihelionTime = 40000.0;
    comet.perihelionDistance = q;
    comet.eccentricity = e;
    comet.ascendingNode = node;
    comet.inclination = inclination;
    comet.argPerihelion = argPerihelion;
    return comet;
}

// The eccentric anomaly of a solution, from its true anomaly.
double EllipticAnomaly(double e, double v)
{
    return 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
}

double HyperbolicAnomaly(double e, double v)
{
    return 2 * std::atanh(std::sqrt((e - 1) / (e + 1)) * std::tan(v / 2));
}

} // namespace

TEST(SolveOrbitEquation, CircleGivesTheMeanAnomalyBackWithinHalfATurn)
{
    const OrbitSolution solution = SolveOrbitEquation(0.0, 4.0);
    EXPECT_DOUBLE_EQ(solution.rho, 1.0);
    EXPECT_NEAR(solution.trueAnomaly, 4.0 - 2 * M_PI, 1e-12);
}

TEST(SolveOrbitEquation, EllipticSolutionsSatisfyKeplersEquation)
{
    for (const double e : {0.05, 0.5, 0.9, 0.99, 0.999999}) {
        for (const double m : {-3.0, -0.2, 1e-6, 0.4, 2.5, 3.1}) {
            const OrbitSolution solution = SolveOrbitEquation(e, m);
            const double anomaly = EllipticAnomaly(e, solution.trueAnomaly);
            EXPECT_NEAR(anomaly - e * std::sin(anomaly), m, 1e-9) << e << " " << m;
            EXPECT_NEAR(solution.rho, (1 - e * std::cos(anomaly)) / (1 - e), 1e-6 * solution.rho);
        }
    }
}

TEST(SolveOrbitEquation, BarkersEquation)
{
    const OrbitSolution solution = SolveOrbitEquation(1.0, 1.0);
    const double y = std::tan(solution.trueAnomaly / 2);
    EXPECT_NEAR(y, 0.81773, 1e-5);
    EXPECT_NEAR(y + y * y * y / 3, 1.0, 1e-12);
    EXPECT_NEAR(solution.rho, 1 + y * y, 1e-12);

    // Far from perihelion y is about the cube root of 3W.
    const OrbitSolution far = SolveOrbitEquation(1.0, 1e12);
    const double yFar = std::sqrt(far.rho - 1);
    EXPECT_NEAR((yFar + yFar * yFar * yFar / 3) / 1e12, 1.0, 1e-12);
}

TEST(SolveOrbitEquation, HyperbolicSolutionsSatisfyTheirEquation)
{
    for (const double e : {1.001, 1.5, 3.36}) {
        for (const double m : {-5.0, 0.01, 1.0, 30.0}) {
            const OrbitSolution solution = SolveOrbitEquation(e, m);
            const double anomaly = HyperbolicAnomaly(e, solution.trueAnomaly);
            EXPECT_NEAR(e * std::sinh(anomaly) - anomaly, m, 1e-8 * std::max(1.0, std::fabs(m))) << e << " " << m;
        }
    }
}

TEST(SolveOrbitEquation, HugeHyperbolicMeanAnomalyStaysFinite)
{
    // sinh(1e6) overflows at the plain start H = M; the answer itself is modest.
    for (const double m : {800.0, 1e6, -1e9}) {
        const OrbitSolution solution = SolveOrbitEquation(3.36, m);
        ASSERT_TRUE(std::isfinite(solution.rho)) << m;
        ASSERT_TRUE(std::isfinite(solution.trueAnomaly)) << m;
        const double anomaly = std::acosh((solution.rho * (3.36 - 1) + 1) / 3.36);
        EXPECT_NEAR((3.36 * std::sinh(anomaly) - anomaly) / std::fabs(m), 1.0, 1e-9) << m;
    }
}

TEST(SolveOrbitEquation, ManyRevolutionsEqualOne)
{
    for (const double e : {0.2, 0.97}) {
        const OrbitSolution one = SolveOrbitEquation(e, 1.3);
        const OrbitSolution many = SolveOrbitEquation(e, 1.3 + 2000 * 2 * M_PI);
        EXPECT_NEAR(many.rho, one.rho, 1e-9 * one.rho);
        EXPECT_NEAR(many.trueAnomaly, one.trueAnomaly, 1e-9);
    }
}

TEST(SolveOrbitEquation, EndsForEccentricitiesNextToOneAndForNotANumber)
{
    // The requested tolerance is finer than the spacing of the numbers here;
    // every call must end, with the parabola's answer. Kepler's equation itself
    // is ill-conditioned this close to e = 1, which sets the tolerances.
    for (const double w : {1e-9, 1e-3, 0.7, 40.0}) {
        const OrbitSolution parabola = SolveOrbitEquation(1.0, w);
        for (const auto& [offset, tolerance] : {std::pair{-1e-12, 1e-7}, {1e-12, 1e-7}, {-1e-14, 1e-5}, {1e-14, 1e-5}}) {
            const double e = 1 + offset;
            // The same instant: M = W sqrt(2 |1 - e|^3) for q = 1.
            const double m = w * std::sqrt(2.0) * std::pow(std::fabs(1 - e), 1.5);
            const OrbitSolution solution = SolveOrbitEquation(e, m);
            EXPECT_NEAR(solution.trueAnomaly, parabola.trueAnomaly, tolerance) << e << " " << w;
            EXPECT_NEAR(solution.rho, parabola.rho, tolerance * parabola.rho) << e << " " << w;
        }
    }
    EXPECT_TRUE(std::isnan(SolveOrbitEquation(std::nan(""), 1.0).rho));
    EXPECT_TRUE(std::isnan(SolveOrbitEquation(0.5, std::nan("")).rho));
}

TEST(CometHeliocentricPosition, AtPerihelionLiesAtQAlongThePerihelionDirection)
{
    const CometRecord comet = Comet(0.587, 0.967, 1.02, 2.83, 1.94);
    const Vec3 p = CometHeliocentricPosition(comet, comet.perihelionTime);
    const double cw = std::cos(1.94), sw = std::sin(1.94);
    const double cn = std::cos(1.02), sn = std::sin(1.02), ci = std::cos(2.83), si = std::sin(2.83);
    EXPECT_NEAR(p.x, 0.587 * (cn * cw - sn * sw * ci), 1e-14);
    EXPECT_NEAR(p.y, 0.587 * (sn * cw + cn * sw * ci), 1e-14);
    EXPECT_NEAR(p.z, 0.587 * sw * si, 1e-14);
}

TEST(CometHeliocentricPosition, ConicBranchesMeetNearTheParabola)
{
    for (const double days : {-20.0, 5.0, 30.0}) {
        const Vec3 parabola = CometHeliocentricPosition(Comet(0.8, 1.0), 40000.0 + days);
        for (const double e : {0.99, 1.01}) {
            const Vec3 p = CometHeliocentricPosition(Comet(0.8, e), 40000.0 + days);
            EXPECT_NEAR(Norm(p + (-1.0) * parabola), 0.0, 5e-3) << e << " " << days;
        }
        for (const double e : {1 - 1e-12, 1 + 1e-12}) {
            const Vec3 p = CometHeliocentricPosition(Comet(0.8, e), 40000.0 + days);
            EXPECT_NEAR(Norm(p + (-1.0) * parabola), 0.0, 1e-7) << e << " " << days;
        }
    }
}

TEST(AsteroidHeliocentricPosition, PerihelionAtEpochAndManyRevolutions)
{
    AsteroidRecord asteroid;
    asteroid.epoch = 44000.5;
    asteroid.meanAnomaly = 0.0;
    asteroid.meanMotion = 1.0;  // one revolution in 360 days
    asteroid.semiMajorAxis = 2.77;
    asteroid.eccentricity = 0.0785;
    asteroid.argPerihelion = 73.6;
    asteroid.ascendingNode = 80.3;
    asteroid.inclination = 10.6;
    EXPECT_NEAR(Norm(AsteroidHeliocentricPosition(asteroid, asteroid.epoch)), 2.77 * (1 - 0.0785), 1e-14);

    // A thousand turns later: the same place, up to the 10-digit degree factor.
    const Vec3 once = AsteroidHeliocentricPosition(asteroid, asteroid.epoch + 50);
    const Vec3 later = AsteroidHeliocentricPosition(asteroid, asteroid.epoch + 50 + 360000);
    EXPECT_NEAR(Norm(later + (-1.0) * once), 0.0, 1e-7);
}
