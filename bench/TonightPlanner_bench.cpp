#include "BenchObjects.h"
#include "SyntheticAsteroids.h"
#include "catalog/CometRecord.h"
#include "core/Calendar.h"
#include "planner/PlannerCatalog.h"
#include "planner/TonightPlanner.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <stop_token>

namespace {

// 1,000 comets beside the 9,999 asteroids: perihelia spread over 2023-2027,
// ellipses, parabolas and hyperbolas, every orientation.
void WriteSyntheticComets()
{
    std::ofstream out("COMETS.WDB", std::ios::binary);
    for (int k = 0; k < 1000; ++k) {
        CometRecord comet = Halley();
        SetCometName(comet, ("C/2025 X" + std::to_string(k)).c_str());
        comet.perihelionTime = DayNumberFromDate(1, 1, 2023) + k * 1.46;
        comet.perihelionDistance = 0.3 + std::fmod(k * 0.37, 5.0);
        comet.eccentricity = k % 10 == 0 ? 1.0 : 0.6 + std::fmod(k * 0.013, 0.5);
        comet.argPerihelion = std::fmod(k * 0.71, 6.283);
        comet.ascendingNode = std::fmod(k * 1.13, 6.283);
        comet.inclination = std::fmod(k * 0.29, 3.1415);
        comet.magnitudeCoef1 = 4 + std::fmod(k * 0.011, 12.0);
        comet.magnitudeCoef2 = 10;
        out.write(reinterpret_cast<const char*>(&comet), sizeof comet);
    }
}

TonightRequest ParisTonight()
{
    TonightRequest request;
    request.site = Paris();
    request.day = 15, request.month = 1, request.year = 2025;
    request.magnitudeLimit = 30;  // everything above 10 degrees is listed
    return request;
}

} // namespace

// The whole of one request: both catalogues read, then one night over their
// 10,999 objects on every core (range 0) or on one thread (range 1).
static void BM_TonightWholeCatalogue(benchmark::State& state)
{
    const SyntheticAsteroids folder;
    WriteSyntheticComets();
    const unsigned threads = static_cast<unsigned>(state.range(0));
    std::size_t listed = 0;
    for (auto _ : state) {
        PlannerCatalog catalog;
        LoadPlannerComets(catalog);
        LoadPlannerAsteroids(catalog);
        const TonightPlanner planner(ParisTonight());
        listed = PlanTonight(planner, catalog.objects, threads, std::stop_token(), nullptr).size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = static_cast<double>(listed);
}
BENCHMARK(BM_TonightWholeCatalogue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The night alone, the catalogues already read.
static void BM_TonightPlanning(benchmark::State& state)
{
    PlannerCatalog catalog;
    {
        const SyntheticAsteroids folder;
        WriteSyntheticComets();
        LoadPlannerComets(catalog);
        LoadPlannerAsteroids(catalog);
    }
    const unsigned threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        const TonightPlanner planner(ParisTonight());
        benchmark::DoNotOptimize(PlanTonight(planner, catalog.objects, threads, std::stop_token(), nullptr).size());
    }
}
BENCHMARK(BM_TonightPlanning)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
