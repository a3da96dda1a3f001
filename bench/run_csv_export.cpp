// Building the CSV text of a run table: the sample car's acceleration run at 1/100 s (every
// step written) and a table of the longest run at the finest step (240001 rows, thinned to
// every sixth: 40001 rows), whose cells are the sample run's rows repeated.
#include <benchmark/benchmark.h>

#include "BenchSupport.hpp"
#include "files/RunCsvExport.hpp"

namespace {

void BM_RunCsvSampleAcceleration(benchmark::State& state) {
    bench_support::RunSampleAccRun(0.01f);
    const auto& s = analysis::AccelerationCode();
    const files::RunTableView view{s.AccData, analysis::kAccColumns, s.AccLastStep,
                                   s.AccTimeStep};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = files::BuildRunCsv(view);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["rows"] = s.AccLastStep + 1;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_RunCsvSampleAcceleration)->Unit(benchmark::kMillisecond);

void BM_RunCsvLongestRun(benchmark::State& state) {
    bench_support::RunSampleAccRun(0.01f);
    const auto& s = analysis::AccelerationCode();
    constexpr int32_t kLast = 240000;
    std::vector<float> table(static_cast<std::size_t>(kLast + 1) * analysis::kAccColumns);
    const auto rows = static_cast<std::size_t>(s.AccLastStep + 1);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = s.AccData[i % (rows * analysis::kAccColumns)];
    const files::RunTableView view{table, analysis::kAccColumns, kLast, 0.0005f};
    for (auto _ : state) {
        const std::string text = files::BuildRunCsv(view);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_RunCsvLongestRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
