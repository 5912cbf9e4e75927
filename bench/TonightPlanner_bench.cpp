#include "BenchObjects.h"
#include "SyntheticAsteroids.h"
#include "SyntheticComets.h"
#include "planner/PlannerCatalog.h"
#include "planner/TonightPlanner.h"

#include <benchmark/benchmark.h>

#include <stop_token>

namespace {

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
