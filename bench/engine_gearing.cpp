// Hot paths of the drivetrain models: one engine torque evaluation (called per step by the
// runs and per rad/s by the shift searches and the dyno scan) and a whole gearing analysis
// with automatic shift points.
#include <benchmark/benchmark.h>

#include "support/SampleVehicles.hpp"

namespace {

void BM_GetEngineTorque(benchmark::State& state) {
    sample::ResetAll();
    vehicle::EngineRecord e = sample::FittedSampleEngine();
    float speed = 100.0f;
    for (auto _ : state) {
        e.Speed = speed;
        benchmark::DoNotOptimize(vehicle::GetEngineTorque(e));
        speed = speed >= 800.0f ? 100.0f : speed + 1.0f;  // idle, cubic, plateau and quartic
    }
}
BENCHMARK(BM_GetEngineTorque);

void BM_CalcGearing(benchmark::State& state) {
    // The sample car with six gears, automatic shift points, indicated speeds.
    sample::ResetAll();
    vehicle::VehicleRecord car = sample::SampleCar();
    car.Drivetrain.NumGears = 6;
    sample::Prepare(car);
    core::OptionsSettings().ShiftPointAuto = core::VbTrue;
    core::OptionsSettings().SpeedoIndicated = core::VbTrue;
    vehicle::GearingInputs in;
    in.GearRatioText = sample::Setup{}.gearRatios;
    in.LiveSpeed = 20;
    vehicle::GearingLinks links;
    for (auto _ : state) {
        vehicle::CalcGearing(in, links);
        benchmark::DoNotOptimize(vehicle::GearingCode().ShiftRevs[1]);
    }
}
BENCHMARK(BM_CalcGearing);

}  // namespace

BENCHMARK_MAIN();
