#include "app/CQavDoc.h"
#include "catalog/SelectionState.h"
#include "diagram/CDiagramView.h"
#include "diagram/DiagramObject.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

// 1P/Halley from Paris, starting in January 1986.
void ChooseHalleyFromParis()
{
    ResetSelection();
    SelectionState& state = Selection();
    CometRecord& comet = state.currentComet;
    SetCometName(comet, "1P/Halley");
    comet.perihelionTime = 31452.9;
    comet.perihelionDistance = 0.5860;
    comet.eccentricity = 0.96714;
    comet.argPerihelion = 111.33 * 0.01745329252;
    comet.ascendingNode = 58.42 * 0.01745329252;
    comet.inclination = 162.26 * 0.01745329252;
    comet.equinox = 2000;
    SetSiteName(state.currentSite, "Paris - Observatoire");
    state.currentSite.longitude = -0.1558;
    state.currentSite.latitude = 48.8364 * 0.01745329252;
    state.diagram.month = 1;
    state.diagram.year = 1986;
}

} // namespace

// What a month step costs: the events and the whole picture drawn into the
// document's image.
static void BM_ComputeDiagram(benchmark::State& state)
{
    ChooseHalleyFromParis();
    CQavDoc document;
    document.objectKind = kCometKind;
    for (auto _ : state) {
        document.ComputeDiagram();
        benchmark::DoNotOptimize(document.diagramImage().constBits());
    }
}
BENCHMARK(BM_ComputeDiagram)->Unit(benchmark::kMillisecond);

// One paint of a diagram window: a copy of the image, never a computation.
static void BM_PaintDiagramWindow(benchmark::State& state)
{
    ChooseHalleyFromParis();
    CQavDoc document;
    document.objectKind = kCometKind;
    CDiagramView view(document, nullptr);
    view.resize(771, 505);
    view.show();
    for (int wait = 0; wait < 1000 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++wait)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    view.repaint();  // the first paint computes
    for (auto _ : state)
        view.repaint();
    if (document.diagramImage().isNull())
        state.SkipWithError("the window was never painted");
}
BENCHMARK(BM_PaintDiagramWindow)->Unit(benchmark::kMicrosecond);
