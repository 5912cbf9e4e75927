#include "SyntheticAsteroids.h"
#include "catalog/AsteroidCatalog.h"

#include <benchmark/benchmark.h>

// Listing and sorting a full 9,999-line ASTERS.DTB, as the list dialog opens.
static void BM_ListFullAsteroidCatalogue(benchmark::State& state)
{
    const SyntheticAsteroids folder;
    AsteroidCatalog catalog;
    for (auto _ : state) {
        std::vector<AsteroidListEntry> entries = catalog.List();
        SortAsteroidEntries(entries);
        benchmark::DoNotOptimize(FindCeresEntry(entries));
    }
}
BENCHMARK(BM_ListFullAsteroidCatalogue)->Unit(benchmark::kMillisecond);
