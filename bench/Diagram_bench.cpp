#include "BenchObjects.h"
#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/SiteRecord.h"
#include "core/EphemerisRequest.h"
#include "diagram/Canvas.h"
#include "diagram/ComputeDiagram.h"
#include "diagram/DiagramObject.h"
#include "diagram/EventGrid.h"

#include <benchmark/benchmark.h>

// The events of one diagram without its picture: 368 nights of 1P/Halley
// from Paris, as a month step computes them.
static void BM_DiagramEvents(benchmark::State& state)
{
    const CometRecord comet = Halley();
    const AsteroidRecord noAsteroid;
    const SiteRecord paris = Paris();
    const DiagramObject object(kCometKind, comet, noAsteroid);
    EphemerisRequest request{1, 1, 1986, 0, 1, 0};
    int leapFebruaryMarker = 0;
    NullCanvas canvas;
    for (auto _ : state) {
        ComputeDiagram(object, paris, request, leapFebruaryMarker, TheEventGrid(), canvas);
        benchmark::DoNotOptimize(TheEventGrid().At(100, 180));
    }
}
BENCHMARK(BM_DiagramEvents)->Unit(benchmark::kMillisecond);
