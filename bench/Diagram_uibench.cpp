#include "BenchObjects.h"
#include "app/CDiagramView.h"
#include "app/CQavDoc.h"
#include "catalog/SelectionState.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

// 1P/Halley from Paris, starting in January 1986.
DiagramSubject HalleyFromParis()
{
    ResetSelection();
    SelectionState& state = Selection();
    state.currentComet = Halley();
    state.currentSite = Paris();
    state.diagram.month = 1;
    state.diagram.year = 1986;
    return CurrentSubject(state, kCometKind);
}

} // namespace

// What a month step costs: the events and the whole picture drawn into the
// document's image.
static void BM_ComputeDiagram(benchmark::State& state)
{
    const DiagramSubject subject = HalleyFromParis();
    CQavDoc document;
    for (auto _ : state) {
        document.ComputeDiagram(subject);
        benchmark::DoNotOptimize(document.diagram().image().constBits());
    }
}
BENCHMARK(BM_ComputeDiagram)->Unit(benchmark::kMillisecond);

// One paint of a diagram window: a copy of the image, never a computation.
static void BM_PaintDiagramWindow(benchmark::State& state)
{
    CQavDoc document;
    document.ComputeDiagram(HalleyFromParis());
    CDiagramView view(document, nullptr);
    view.resize(771, 505);
    view.show();
    for (int wait = 0; wait < 1000 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++wait)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    for (auto _ : state)
        view.repaint();
}
BENCHMARK(BM_PaintDiagramWindow)->Unit(benchmark::kMicrosecond);
