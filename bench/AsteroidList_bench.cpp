#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// Listing and sorting a full 9,999-line ASTERS.DTB, as the list dialog opens.
static void BM_ListFullAsteroidCatalogue(benchmark::State& state)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "qav-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const fs::path folder = pattern;
    const fs::path previous = fs::current_path();
    {
        std::ofstream out(folder / AsteroidCatalog::kFileName, std::ios::binary);
        for (int k = 1; k <= 9999; ++k) {
            char line[kAsteroidLineLength + 1];
            std::snprintf(line, sizeof line,
                          "%6d200020220809 334.32717  73.53163  80.26644  10.58680 0.0786358  0.21418055  3.33 0.12"
                          "Minor%-12d\r\n",
                          k, (k * 7919) % 10007);
            out.write(line, kAsteroidLineLength);
        }
    }
    fs::current_path(folder);
    {
        AsteroidCatalog catalog;
        for (auto _ : state) {
            std::vector<AsteroidListEntry> entries = catalog.List();
            SortAsteroidEntries(entries);
            benchmark::DoNotOptimize(FindCeresEntry(entries));
        }
    }
    fs::current_path(previous);
    fs::remove_all(folder);
}
BENCHMARK(BM_ListFullAsteroidCatalogue)->Unit(benchmark::kMillisecond);
