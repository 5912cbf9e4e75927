#include "catalog/CometRecord.h"
#include "catalog/SelectionState.h"
#include "ephemeris/EphemerisWriter.h"

#include <benchmark/benchmark.h>

// A year of daily lines for 12P/Pons-Brooks, as command 32801 writes it:
// 366 positions of the comet and the Sun, precession and formatting.
static void BM_CometTable366Lines(benchmark::State& state)
{
    SelectionState& selection = Selection();
    CometRecord& comet = selection.currentComet;
    SetCometName(comet, "12P/Pons-Brooks");
    SetCometReference(comet, "MPEC 2022");
    comet.perihelionTime = 45401.3249;
    comet.perihelionDistance = 0.781076;
    comet.eccentricity = 0.95475;
    comet.argPerihelion = 198.9678 * 0.01745329252;
    comet.ascendingNode = 255.8177 * 0.01745329252;
    comet.inclination = 74.169 * 0.01745329252;
    comet.magnitudeCoef1 = 5.0;
    comet.magnitudeCoef2 = 10.0;
    comet.equinox = 2000;
    selection.ephemeris = {1, 1, 2024, 366, 1, 2000};
    int marker = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CometEphemerisText(selection, marker));
    ResetSelection();
}
BENCHMARK(BM_CometTable366Lines)->Unit(benchmark::kMicrosecond);
