// The orbit equation on each branch, and positions against PyEphem 4.1.4 (python3-ephem,
// computed once: hlon, hlat, sun_distance, earth_distance) for an elliptic, a hyperbolic and a
// parabolic comet (elements of tests/data/CometEls.txt) and Vesta (its MPCORB.DAT line).
// PyEphem had the elements referred to the equinox of each date, whose ecliptic it gives; it
// shows the body where the light left it, Delta x 0.0057755 days earlier, on its TT scale,
// 72 to 79 s (its delta_t) after the UT date.

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "core/Orbit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDegree = M_PI / 180;

// Heliocentric ecliptic longitude and latitude in degrees, and distance.
void ExpectPlace(const Vec3& p, double longitude, double latitude, double r, const std::string& what)
{
    const double lon = std::atan2(p.y, p.x) / kDegree;
    EXPECT_NEAR(std::remainder(lon - longitude, 360.0), 0.0, 2e-4) << what;
    EXPECT_NEAR(std::asin(p.z / Norm(p)) / kDegree, latitude, 2e-4) << what;
    EXPECT_NEAR(Norm(p), r, 2e-6 * r) << what;
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
    // Many revolutions equal one.
    const OrbitSolution one = SolveOrbitEquation(0.97, 1.3);
    const OrbitSolution many = SolveOrbitEquation(0.97, 1.3 + 2000 * 2 * M_PI);
    EXPECT_NEAR(many.rho, one.rho, 1e-9 * one.rho);
    EXPECT_NEAR(many.trueAnomaly, one.trueAnomaly, 1e-9);
    const OrbitSolution barker = SolveOrbitEquation(1.0, 1.0);
    const double y = std::tan(barker.trueAnomaly / 2);
    EXPECT_NEAR(y, 0.81773, 1e-5);
    EXPECT_NEAR(y + y * y * y / 3, 1.0, 1e-12);
    EXPECT_NEAR(barker.rho, 1 + y * y, 1e-12);
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

TEST(Orbit, PositionsAsPyEphemGivesThem)
{
    const DayNumber a3 = DayNumberFromDate(27.7405, 9, 2024);
    const auto comet = [](DayNumber perihelion, double q, double e, double peri, double node, double incl) {
        return CometRecord{.perihelionTime = perihelion, .argPerihelion = peri * kDegree, .ascendingNode = node * kDegree,
                           .inclination = incl * kDegree, .eccentricity = e, .perihelionDistance = q};
    };
    const CometRecord comets[] = {
        comet(DayNumberFromDate(20.8249, 4, 2024), 0.781076, 0.954750, 198.9678, 255.8177, 74.1690),  // 12P
        comet(a3, 0.391426, 1.000116, 308.4919, 21.5596, 139.1112),  // C/2023 A3
        comet(a3, 0.391426, 1.0, 308.4919, 21.5596, 139.1112),       // the same as a parabola
    };
    const AsteroidRecord vesta{.name = "Vesta (4)", .meanAnomaly = 61.19230, .argPerihelion = 151.25778,
                               .ascendingNode = 103.80081, .inclination = 7.14078, .eccentricity = 0.0884019,
                               .meanMotion = 0.27151121, .semiMajorAxis = 2.3619872,
                               .epoch = DayNumberFromDate(9, 8, 2022), .fieldTexts = {}};
    const struct {
        int object;  // a comet above, or 3 for Vesta
        int day, month, year;
        double longitude, latitude, r, delta;
    } cases[] = {
        {0, 15, 1, 2024, 17.164438, 71.632838, 1.8135786, 2.0967960},
        {0, 10, 10, 2024, 241.423664, -41.240546, 2.7509425, 3.3948464},
        {0, 1, 6, 2031, 256.304160, 1.715002, 17.3747902, 16.3671913},
        {1, 15, 1, 2024, 213.366750, 10.047166, 4.0900793, 4.3523045},
        {1, 10, 10, 2024, 16.757348, 4.146079, 0.5109598, 0.4904194},
        {1, 1, 6, 2031, 263.197979, 37.305595, 19.5523109, 18.7769566},
        {2, 15, 1, 2024, 213.372583, 10.051952, 4.0894775, 4.3522081},
        {2, 10, 10, 2024, 16.757806, 4.145687, 0.5109478, 0.4904312},
        {2, 1, 6, 2031, 263.176123, 37.299906, 19.5405331, 18.7654037},
        {3, 15, 1, 2024, 94.930265, -1.106725, 2.5561318, 1.6609521},
        {3, 10, 10, 2024, 161.213174, 6.025630, 2.3567674, 3.2155616},
        {3, 1, 6, 2031, 104.655410, 0.107059, 2.5386555, 3.4241848},
    };
    for (const auto& c : cases) {
        const DayNumber t = DayNumberFromDate(c.day, c.month, c.year) - 0.0057755 * c.delta + 75.0 / 86400;
        ExpectPlace(c.object < 3 ? CometHeliocentricPosition(comets[c.object], t) : AsteroidHeliocentricPosition(vesta, t),
                    c.longitude, c.latitude, c.r, std::to_string(c.object) + " " + std::to_string(c.year));
    }
}
