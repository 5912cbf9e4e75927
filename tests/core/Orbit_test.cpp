#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "core/Orbit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CometRecord Comet(double q, double e)
{
    CometRecord comet{};
    comet.perihelionTime = 40000.0;
    comet.perihelionDistance = q;
    comet.eccentricity = e;
    comet.ascendingNode = 1.02;
    comet.inclination = 2.83;
    comet.argPerihelion = 1.94;
    return comet;
}

double Distance(const Vec3& a, const Vec3& b)
{
    return Norm(a + (-1.0) * b);
}

} // namespace

TEST(SolveOrbitEquation, SolutionsSatisfyTheirEquationOnEveryBranch)
{
    EXPECT_NEAR(SolveOrbitEquation(0.0, 4.0).trueAnomaly, 4.0 - 2 * M_PI, 1e-12);  // circle
    for (const double e : {0.05, 0.5, 0.99, 0.999999}) {
        for (const double m : {-3.0, 1e-6, 0.4, 3.1}) {
            const OrbitSolution s = SolveOrbitEquation(e, m);
            const double anomaly = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(s.trueAnomaly / 2));
            EXPECT_NEAR(anomaly - e * std::sin(anomaly), m, 1e-9) << e << " " << m;
            EXPECT_NEAR(s.rho, (1 - e * std::cos(anomaly)) / (1 - e), 1e-6 * s.rho);
        }
    }
    for (const double e : {1.001, 3.36}) {
        for (const double m : {-5.0, 0.01, 30.0, 800.0, 1e9}) {  // sinh(M) overflows from 710 on
            const OrbitSolution s = SolveOrbitEquation(e, m);
            const double anomaly = std::acosh((s.rho * (e - 1) + 1) / e);
            EXPECT_NEAR((e * std::sinh(anomaly) - anomaly) / std::fabs(m), 1.0, 1e-8) << e << " " << m;
        }
    }
    const OrbitSolution barker = SolveOrbitEquation(1.0, 1.0);
    const double y = std::tan(barker.trueAnomaly / 2);
    EXPECT_NEAR(y, 0.81773, 1e-5);
    EXPECT_NEAR(y + y * y * y / 3, 1.0, 1e-12);
    EXPECT_NEAR(barker.rho, 1 + y * y, 1e-12);
}

TEST(SolveOrbitEquation, ManyRevolutionsEqualOne)
{
    const OrbitSolution one = SolveOrbitEquation(0.97, 1.3);
    const OrbitSolution many = SolveOrbitEquation(0.97, 1.3 + 2000 * 2 * M_PI);
    EXPECT_NEAR(many.rho, one.rho, 1e-9 * one.rho);
    EXPECT_NEAR(many.trueAnomaly, one.trueAnomaly, 1e-9);
}

TEST(SolveOrbitEquation, EndsNextToTheParabolaAndOnNotANumber)
{
    // Here the requested tolerance is finer than the spacing of the numbers:
    // every call must end, with the parabola's answer up to the conditioning
    // of the equation itself this close to e = 1.
    for (const double w : {1e-9, 0.7, 40.0}) {
        const OrbitSolution parabola = SolveOrbitEquation(1.0, w);
        for (const auto& [offset, tolerance] : {std::pair{-1e-12, 1e-7}, {1e-12, 1e-7}, {-1e-14, 1e-5}, {1e-14, 1e-5}}) {
            const double e = 1 + offset;
            const double m = w * std::sqrt(2.0) * std::pow(std::fabs(1 - e), 1.5);  // same instant, q = 1
            const OrbitSolution s = SolveOrbitEquation(e, m);
            EXPECT_NEAR(s.trueAnomaly, parabola.trueAnomaly, tolerance) << offset << " " << w;
            EXPECT_NEAR(s.rho, parabola.rho, tolerance * parabola.rho) << offset << " " << w;
        }
    }
    EXPECT_TRUE(std::isnan(SolveOrbitEquation(std::nan(""), 1.0).rho));
    EXPECT_TRUE(std::isnan(SolveOrbitEquation(0.5, std::nan("")).rho));
}

TEST(CometHeliocentricPosition, PerihelionAndTheThreeConicsNearEOne)
{
    const CometRecord halley = Comet(0.587, 0.967);
    const Vec3 p = CometHeliocentricPosition(halley, halley.perihelionTime);
    const double cw = std::cos(1.94), sw = std::sin(1.94);
    const double cn = std::cos(1.02), sn = std::sin(1.02), ci = std::cos(2.83), si = std::sin(2.83);
    EXPECT_LT(Distance(p, 0.587 * Vec3{cn * cw - sn * sw * ci, sn * cw + cn * sw * ci, sw * si}), 1e-14);

    for (const double days : {-20.0, 5.0, 30.0}) {
        const Vec3 parabola = CometHeliocentricPosition(Comet(0.8, 1.0), 40000.0 + days);
        for (const double e : {0.99, 1.01})
            EXPECT_LT(Distance(CometHeliocentricPosition(Comet(0.8, e), 40000.0 + days), parabola), 5e-3);
        for (const double e : {1 - 1e-12, 1 + 1e-12})
            EXPECT_LT(Distance(CometHeliocentricPosition(Comet(0.8, e), 40000.0 + days), parabola), 1e-7);
    }
}

TEST(AsteroidHeliocentricPosition, PerihelionAtEpochAndManyRevolutions)
{
    AsteroidRecord asteroid;
    asteroid.epoch = 44000.5;
    asteroid.meanMotion = 1.0;  // one turn in 360 days
    asteroid.semiMajorAxis = 2.77;
    asteroid.eccentricity = 0.0785;
    asteroid.argPerihelion = 73.6;
    asteroid.ascendingNode = 80.3;
    asteroid.inclination = 10.6;
    EXPECT_NEAR(Norm(AsteroidHeliocentricPosition(asteroid, asteroid.epoch)), 2.77 * (1 - 0.0785), 1e-14);
    // A thousand turns later: the same place, up to the 10-digit degree factor.
    EXPECT_LT(Distance(AsteroidHeliocentricPosition(asteroid, asteroid.epoch + 50 + 360000),
                       AsteroidHeliocentricPosition(asteroid, asteroid.epoch + 50)),
              1e-7);
}
