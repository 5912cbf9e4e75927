#include "BenchObjects.h"
#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "core/Orbit.h"

#include <benchmark/benchmark.h>

// One solution of the orbit equation per call; the mean anomaly moves a little
// each time so that nothing is computed once and reused.
static void SolveOnBranch(benchmark::State& state, double e, double m)
{
    double argument = m;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveOrbitEquation(e, argument));
        argument += 1e-6;
    }
}
BENCHMARK_CAPTURE(SolveOnBranch, elliptic_e0_5, 0.5, 1.3);
BENCHMARK_CAPTURE(SolveOnBranch, elliptic_e0_967, 0.967, 0.2);
BENCHMARK_CAPTURE(SolveOnBranch, parabolic, 1.0, 1.0);
BENCHMARK_CAPTURE(SolveOnBranch, hyperbolic_e3_36, 3.36, 5.0);

// 1P/Halley, elements J2000, a year after perihelion.
static void BM_CometPosition(benchmark::State& state)
{
    const CometRecord comet = Halley();
    double t = comet.perihelionTime + 365;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CometHeliocentricPosition(comet, t));
        t += 0.01;
    }
}
BENCHMARK(BM_CometPosition);

// (1) Ceres, elements of 2022 August 9.
static void BM_AsteroidPosition(benchmark::State& state)
{
    AsteroidRecord ceres;
    ceres.epoch = 44781.5;
    ceres.meanAnomaly = 334.32717;
    ceres.argPerihelion = 73.53163;
    ceres.ascendingNode = 80.26644;
    ceres.inclination = 10.5868;
    ceres.eccentricity = 0.0786358;
    ceres.meanMotion = 0.21418055;
    ceres.semiMajorAxis = 2.76662;
    double t = ceres.epoch + 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AsteroidHeliocentricPosition(ceres, t));
        t += 0.01;
    }
}
BENCHMARK(BM_AsteroidPosition);
