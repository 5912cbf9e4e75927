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
    CometRecord comet{};
    comet.perihelionTime = 31452.9;
    comet.perihelionDistance = 0.5860;
    comet.eccentricity = 0.96714;
    comet.argPerihelion = 111.33 * 0.01745329252;
    comet.ascendingNode = 58.42 * 0.01745329252;
    comet.inclination = 162.26 * 0.01745329252;
    comet.equinox = 2000;
    const AsteroidRecord noAsteroid;
    SiteRecord paris{};
    paris.longitude = -0.1558;
    paris.latitude = 48.8364 * 0.01745329252;
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
