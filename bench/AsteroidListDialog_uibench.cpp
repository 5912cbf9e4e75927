#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"
#include "catalog/CAsteroidListDlg.h"
#include "catalog/SelectionState.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

// Opening the asteroid list on a full ASTERS.DTB of 9,999 lines: reading,
// sorting, filling the list widget and loading Ceres, all before the user
// sees the dialog.
static void BM_AsteroidListDialogFill9999(benchmark::State& state)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "qav-uibench-XXXXXX").string();
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
                          "%-17s\r\n",
                          k, k == 1 ? "Ceres" : ("Minor" + std::to_string((k * 7919) % 10007)).c_str());
            out.write(line, kAsteroidLineLength);
        }
    }
    fs::current_path(folder);
    for (auto _ : state) {
        CAsteroidListDlg dialog;
        benchmark::DoNotOptimize(dialog.list()->count());
    }
    fs::current_path(previous);
    fs::remove_all(folder);
    ResetSelection();
}
BENCHMARK(BM_AsteroidListDialogFill9999)->Unit(benchmark::kMillisecond);
