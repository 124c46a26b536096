// SPDX-License-Identifier: BSD-3-Clause
// Repairing pasted invalid texts in the number and currency inputs.
#include <CcleCurrencyLineEdit.h>
#include <CnleNumberLineEdit.h>

#include <benchmark/benchmark.h>

#include <limits>

namespace
{
// range(0): characters pasted; range(1): 1 lifts the line edit's length
// limit (32767 by default) so that the whole text is repaired.
template <typename Input> void Paste(benchmark::State& state, const QString& p_qstrStart, QChar p_qcFill)
{
    Input input;
    if (state.range(1))
        input.setMaxLength(std::numeric_limits<int>::max());
    const QString qstrText = p_qstrStart + QString(state.range(0) - p_qstrStart.size(), p_qcFill);
    for (auto _ : state) {
        input.setText(qstrText);
        benchmark::DoNotOptimize(input.text());
        state.PauseTiming();
        input.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PasteNumber(benchmark::State& state)
{
    Paste<CnleNumberLineEdit>(state, "12345", 'x');
}

void BM_PasteAmount(benchmark::State& state)
{
    Paste<CcleCurrencyLineEdit>(state, "3.25", ',');
}

void Sizes(benchmark::internal::Benchmark* p_pBenchmark)
{
    p_pBenchmark->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond);
}
}

BENCHMARK(BM_PasteNumber)->Apply(Sizes);
BENCHMARK(BM_PasteAmount)->Apply(Sizes);
