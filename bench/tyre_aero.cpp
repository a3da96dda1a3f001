// Hot paths of the tyre and aerodynamic models: the aerodynamic speed table (run after every
// live-state analysis) and the tyre analysis pass of the four wheels.
//
// Vehicle: a 1200 kg rear-driven road car, 205/55 R16 front and 225/45 R17 rear, Cd 0.32 on
// 2.1 m^2 with a small rear wing; 110 kW peak power.
#include <benchmark/benchmark.h>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

vehicle::AeroLoadInputs SetUpVehicle() {
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    core::GlobalShared() = core::GlobalSharedState{};
    core::OptionsSettings().LFSMode = core::VbFalse;
    vehicle::InitTyreCompounds();
    vehicle::InitAeroDevices();
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Tyres = {vehicle::TyreSize{205, 55, 16}, vehicle::TyreSize{225, 45, 17}};
    v.RotatingMass = {18.0f, 20.0f};
    v.FrontalArea = 2.1f;
    v.DragCoefficient = 0.32f;
    v.LiftCoefficient = 0.1f;
    v.Wheelbase = 2.6f;
    v.AeroElements[0].PosY = 0.5f;
    v.AeroElements[2] = {1, 0.5f, 0.1f, 1.1f};  // small rear wing behind the rear axle
    v.Drivetrain.DriveType = vehicle::kDriveRear;
    v.Drivetrain.DrivetrainEfficiency = 0.85f;
    vehicle::EngineCode().CurrentEngine.PeakPower = 110.0f;
    vehicle::CalcWheelDimensionsAndInertia();
    vehicle::AeroCode().RearWingAngle = 8;
    vehicle::AeroCode().RearWingAngleEff = 8.0f;

    vehicle::AeroLoadInputs in;
    in.CornerStaticLoad = {3236.2f, 3236.2f, 2648.0f, 2648.0f};
    in.VehicleCoG = {0.5f, 0.55f, 0.52f};
    in.AeroElementPos = {vehicle::PositionXYZ{0.5f, 0.5f, 0.6f}, {0.5f, 0.5f, 0.15f},
                         {0.5f, 0.1f, 1.1f}, {0.5f, 1.0f, 0.2f}};
    return in;
}

void BM_BuildAeroSpeedTable(benchmark::State& state) {
    const vehicle::AeroLoadInputs loads = SetUpVehicle();
    for (auto _ : state) {
        vehicle::BuildAeroSpeedTable(loads);
        benchmark::DoNotOptimize(vehicle::AeroCode().TopSpeed);
    }
    state.counters["top_speed_mps"] = vehicle::AeroCode().TopSpeed;
}
BENCHMARK(BM_BuildAeroSpeedTable)->Unit(benchmark::kMicrosecond);

void BM_UpdateTyreAnalysis(benchmark::State& state) {
    SetUpVehicle();
    const vehicle::TyreSetupInputs setup{{200, 200, 210, 210}};
    const vehicle::LiveTyreInputs live{{75, 80}, 20};
    const vehicle::TyreLoadInputs loads{{330, 330, 270, 270},
                                        {3236.2f, 3236.2f, 2648.0f, 2648.0f},
                                        {3900.0f, 2600.0f, 3100.0f, 2200.0f}};
    for (auto _ : state) {
        vehicle::UpdateTyreAnalysis(setup, live, loads);
        benchmark::DoNotOptimize(vehicle::TyreCode().FrontGripShare);
    }
}
BENCHMARK(BM_UpdateTyreAnalysis)->Unit(benchmark::kMicrosecond);

// One wheel's contact patch and grip, as the runs call them four times a step.
void BM_ContactPatchAndGrip(benchmark::State& state) {
    SetUpVehicle();
    vehicle::TyreState t = vehicle::TyreCode().WheelTyres[2];
    t.Pressure = 210000;
    t.Temperature = 80;
    float load = 2600.0f;
    for (auto _ : state) {
        vehicle::CalcTyreContactPatch(t, load);
        vehicle::CalcTyreGrip(t, load);
        benchmark::DoNotOptimize(t.LongGrip);
        load = load > 3600.0f ? 2600.0f : load + 1.0f;
    }
}
BENCHMARK(BM_ContactPatchAndGrip);

void BM_CalcWheelDimensionsAndInertia(benchmark::State& state) {
    SetUpVehicle();
    for (auto _ : state) {
        vehicle::CalcWheelDimensionsAndInertia();
        benchmark::DoNotOptimize(vehicle::TyreCode().WheelTyres[0].Inertia);
    }
}
BENCHMARK(BM_CalcWheelDimensionsAndInertia)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
