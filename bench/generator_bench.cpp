#include "engine/generator.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace numora::engine;

namespace {

// A 6/49 table of twenty tickets at the default skew of 20 percent.
void BM_Table649Skew20(benchmark::State &state)
{
    const DrawSpec spec{49, 6, 6, skewFactor(20), {0, 3, 7, 11, 19, 23, 42}};
    StdUniformSource source;
    source.seed(1);
    SelectionTable table;
    for (auto _ : state) {
        drawSelections(spec, 20, table, source);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_Table649Skew20);

// The floor: the bare uniform draws such a table consumes, turned into numbers 1..E.
void BM_UniformDrawsOfATable(benchmark::State &state)
{
    // Count the draws one table really takes, redraws included.
    struct Counting final : UniformSource
    {
        StdUniformSource inner;
        long draws = 0;
        void seed(std::uint32_t s) override { inner.seed(s); }
        double next() override { ++draws; return inner.next(); }
    } counting;
    counting.seed(1);
    const DrawSpec spec{49, 6, 6, skewFactor(20), {0, 3, 7, 11, 19, 23, 42}};
    SelectionTable table;
    const int sample = 1000;
    for (int i = 0; i < sample; ++i)
        drawSelections(spec, 20, table, counting);
    const long perTable = std::lround(static_cast<double>(counting.draws) / sample);

    StdUniformSource source;
    source.seed(1);
    const int extRange = planSlots(49, 6, skewFactor(20)).extRange;
    for (auto _ : state) {
        int sum = 0;
        for (long i = 0; i < perTable; ++i)
            sum += static_cast<int>(std::floor(source.next() * extRange + 1));
        benchmark::DoNotOptimize(sum);
    }
    state.counters["draws_per_table"] = static_cast<double>(perTable);
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_UniformDrawsOfATable);

} // namespace
