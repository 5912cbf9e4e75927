#include "platform/TextEncoding.h"

#include <benchmark/benchmark.h>

// A full-size .qav document (1,048,575 bytes) converted for display and back.
static void BM_DocumentRoundTrip(benchmark::State& state)
{
    std::string bytes(1048575, 'a');
    for (std::size_t i = 0; i < bytes.size(); i += 7)
        bytes[i] = static_cast<char>(0xE9);
    for (auto _ : state) {
        std::string utf8 = Windows1252ToUtf8(bytes);
        benchmark::DoNotOptimize(Utf8ToWindows1252(utf8));
    }
}
BENCHMARK(BM_DocumentRoundTrip)->Unit(benchmark::kMillisecond);
