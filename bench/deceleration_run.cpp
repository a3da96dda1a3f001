// The deceleration run from top speed (55 m/s) to standstill with the brakes applied, at the
// run's own step (1/200 s) and at 1/100, 1/500 and 1/2000 s; and the engine-braking run
// (1/40 s steps, the throttle search for the engine-brake reduction in every step).
//
// Vehicle: the tests' sample car as the deceleration tests prepare it (1170 kg, rear drive,
// 205/55 R16, Cd 0.32 on 2 m^2, 1800 N m brakes at 65 % front), stopping in about 150 m and
// 5.5 s.
#include <benchmark/benchmark.h>

#include "analysis/DecelerationTestVehicle.hpp"

namespace {

void BM_DecelerationBraking(benchmark::State& state) {
    dectest::SetUpVehicle();
    const float dt = 1.0f / static_cast<float>(state.range(0));
    const analysis::DecRunLinks links{};
    for (auto _ : state) {
        analysis::SimulateDeceleration(dectest::Brakes(), dt, 60, links);
        benchmark::DoNotOptimize(analysis::DecelerationCode().DecLastStep);
    }
    state.counters["rows"] = analysis::DecelerationCode().DecLastStep + 1;
}
BENCHMARK(BM_DecelerationBraking)->Arg(100)->Arg(200)->Arg(500)->Arg(2000)
    ->Unit(benchmark::kMillisecond);

void BM_DecelerationEngineBraking(benchmark::State& state) {
    dectest::SetUpVehicle();
    vehicle::EngineCode().CurrentEngine.EngineBrakeReduction = 0.5f;
    analysis::DecRunInputs in;
    in.ApplyBrakes = false;
    in.EngineBraking = true;
    const analysis::DecRunLinks links{};
    for (auto _ : state) {
        analysis::RunDecelerationAnalysis(in, links);
        benchmark::DoNotOptimize(analysis::DecelerationCode().DecLastStep);
    }
    state.counters["rows"] = analysis::DecelerationCode().DecLastStep + 1;
}
BENCHMARK(BM_DecelerationEngineBraking)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
