#include "SyntheticAsteroids.h"
#include "catalog/CAsteroidListDlg.h"
#include "catalog/SelectionState.h"

#include <QListWidget>
#include <benchmark/benchmark.h>

// Opening the asteroid list on a full ASTERS.DTB of 9,999 lines: reading,
// sorting, filling the list widget and loading Ceres, all before the user
// sees the dialog.
static void BM_AsteroidListDialogFill9999(benchmark::State& state)
{
    const SyntheticAsteroids folder;
    for (auto _ : state) {
        CAsteroidListDlg dialog;
        benchmark::DoNotOptimize(dialog.list()->count());
    }
    ResetSelection();
}
BENCHMARK(BM_AsteroidListDialogFill9999)->Unit(benchmark::kMillisecond);
