// How long the per-keystroke work takes: writing and reading numbers, the
// catalogue lookup, and restoring the largest picture sheet (done once per page).
#include "common/core/Numbers.h"
#include "common/core/SheetRows.h"
#include "text/MultiLanguage.h"
#include "text/Quantities.h"

#include <benchmark/benchmark.h>

#include <vector>

static void BM_FloatToText(benchmark::State& state)
{
    double value = 0.001;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fnFloatToText(3, value));
        value = value * 1.7 + 0.3;
        if (value > 1e6)
            value = 0.001;
    }
}
BENCHMARK(BM_FloatToText);

static void BM_TextToFloat(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fnTextToFloat(std::string_view("  1234,5678e-2 ")));
}
BENCHMARK(BM_TextToFloat);

static void BM_GetText(benchmark::State& state)
{
    std::uint32_t id = 600;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fnGetText(id, 1));
        id = id == 653 ? 600 : id + 1;
    }
}
BENCHMARK(BM_GetText);

static void BM_FormatCapacitance(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fnFormatCapacitance(3, 4.7e-9));
}
BENCHMARK(BM_FormatCapacitance);

// The largest sheet the program restores (1000 x 500).
static void BM_RestoreRowsLargestSheet(benchmark::State& state)
{
    const int width = 1000, height = 500;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * 3 * height, 0x5A);
    for (auto _ : state) {
        prRestoreRows(TRgbRows{pixels.data(), width, height, width * 3}, 2);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(pixels.size()));
}
BENCHMARK(BM_RestoreRowsLargestSheet);
