#include "SyntheticAsteroids.h"
#include "catalog/CometCatalog.h"
#include "core/CFormat.h"
#include "elements/AsteroidImport.h"
#include "elements/CometImport.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

// 1,000 comets in the one-line format; the first 500 already in COMETS.WDB.
std::string CometFile()
{
    std::string text;
    for (int k = 1; k <= 1000; ++k)
        text += FormatC("    CK24A%02d0  2024 %02d %7.4f %9.6f  %8.6f  %8.4f  %8.4f  %8.4f  20240801  %4.1f %4.1f  %-56s "
                        "%-9s\n",
                        k % 100, 1 + k % 12, 1.5 + k % 27, 0.3 + k * 0.004, 0.9 + k * 0.0001, k * 0.35, k * 0.21,
                        k * 0.17, 8.5, 4.0, FormatC("C/2024 A%d (Bench)", k).c_str(), "MPEC 2024");
    return text;
}

// Asteroids 1 to 9999 in the export format, the full MPCORB.DAT's first lines.
std::string MinorPlanetFile()
{
    std::string text = "Free text of the header\n" + std::string(160, '-') + "\n";
    for (int k = 1; k <= 9999; ++k)
        text += FormatC("%05d    3.33  0.12 K2289 334.32717   73.53163   80.26644   10.58680  0.0786358  0.21418055"
                        "   2.7666190  0 MPO700000  1234  50 1900-2022 0.60 M-v 30h MPCQAV     0000 %-28s 20220801\n",
                        k, FormatC("(%d) Minor%d", k, k).c_str());
    return text;
}

void WriteFile(const char* name, const std::string& bytes)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

// Reading a 1,000-comet CometEls.txt and writing COMETS.WDB: 500 updated, 500 added.
static void BM_ImportThousandComets(benchmark::State& state)
{
    const SyntheticAsteroids folder;
    const std::string text = CometFile();
    std::string half;
    {
        CometFileReader reader;
        reader.Feed(text.substr(0, text.size() / 2));
        reader.Finish();
        for (const CometElements& comet : reader.comets()) {
            const CometRecord record = MakeCometRecord(comet);
            half.append(reinterpret_cast<const char*>(&record), sizeof record);
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(CometCatalog::kFileName, half);
        state.ResumeTiming();
        CometFileReader reader;
        reader.Feed(text);
        reader.Finish();
        benchmark::DoNotOptimize(ImportComets(reader.comets(), false));
    }
}
BENCHMARK(BM_ImportThousandComets)->Unit(benchmark::kMillisecond);

// Reading a 9,999-asteroid file and writing a full ASTERS.DTB over the old one.
static void BM_ImportFullAsteroidCatalogue(benchmark::State& state)
{
    const SyntheticAsteroids folder;
    const std::string text = MinorPlanetFile();
    for (auto _ : state) {
        MinorPlanetFileReader reader;
        reader.Feed(text);
        reader.Finish();
        benchmark::DoNotOptimize(ImportAsteroids(reader, 9999));
    }
}
BENCHMARK(BM_ImportFullAsteroidCatalogue)->Unit(benchmark::kMillisecond);
