#include "BenchObjects.h"
#include "SyntheticAsteroids.h"
#include "SyntheticComets.h"
#include "catalog/SiteCatalog.h"
#include "planner/CTonightWnd.h"
#include "planner/TonightLink.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

class NoLink final : public TonightLink {
public:
    void OpenDiagram(const PlannerObject&, const SiteRecord&, int, int) override {}
    void WriteEphemeris(const PlannerObject&, int, int, int) override {}
    QString CsvFileName(QWidget*, const QString&) override { return {}; }
};

} // namespace

// A request in the "Ce soir" window as the user sees it: the catalogues read,
// 10,999 orbits over one night on every core while the window waits, then
// the list filled (magnitude limit 30: some 7,400 rows).
static void BM_TonightWindowRequest(benchmark::State& state)
{
    const SyntheticAsteroids folder;
    WriteSyntheticComets();
    {
        const SiteRecord paris = Paris();
        std::ofstream sites(SiteCatalog::kFileName, std::ios::binary);
        sites.write(reinterpret_cast<const char*>(&paris), sizeof paris);
    }
    NoLink link;
    CTonightWnd window(link, 0);
    window.findChild<QLineEdit*>("date")->setText("15/1/2025");
    window.findChild<QLineEdit*>("magnitude")->setText("30");
    for (auto _ : state) {
        window.Compute();
        while (window.Computing())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}
BENCHMARK(BM_TonightWindowRequest)->Unit(benchmark::kMillisecond)->UseRealTime();
