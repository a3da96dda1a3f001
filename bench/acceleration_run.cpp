// The acceleration run of the tests' sample car (rear drive, 150 kW) to its stop, at
// the standard (1/100 s) and the ultra (1/2000 s) time step, summary and search included.
// Targets: under 2.5 ms at 1/100 s, under 25 ms at 1/2000 s.
#include <benchmark/benchmark.h>

#include "support/SampleVehicles.hpp"

namespace {

void RunAt(benchmark::State& state, float dt) {
    sample::ResetAll();
    sample::Prepare(sample::SampleCar());
    for (auto _ : state) {
        analysis::RunAccelerationAnalysis(dt, {}, {});
        benchmark::DoNotOptimize(analysis::AccelerationCode().AccLastStep);
    }
    state.counters["steps"] = analysis::AccelerationCode().AccLastStep + 1;
}

void BM_AccelerationRunStandard(benchmark::State& state) { RunAt(state, 0.01f); }
void BM_AccelerationRunHigh(benchmark::State& state) { RunAt(state, 0.002f); }
void BM_AccelerationRunUltra(benchmark::State& state) { RunAt(state, 0.0005f); }

BENCHMARK(BM_AccelerationRunStandard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccelerationRunHigh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccelerationRunUltra)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
