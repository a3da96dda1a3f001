// Hot paths of the drivetrain models: one engine torque evaluation (called per step by the
// runs and per rad/s by the shift searches and the dyno scan) and a whole gearing analysis
// with automatic shift points.
#include <benchmark/benchmark.h>

#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

vehicle::EngineRecord PetrolEngine() {
    vehicle::EngineFigures f;
    f.PeakTorque = 250.0f;
    f.TorquePeakRPM = 4000.0f;
    f.TorquePeakWidth = 1000.0f;
    f.PeakPower = 150.0f;
    f.PowerPeakRPM = 6500.0f;
    f.IdleRPM = 1000.0f;
    f.LimitRPM = 7500.0f;
    f.EngineBrakingCoeff = 0.05f;
    f.IdleTorqueFraction = 0.5f;
    f.LowerShape = 1.0f;
    f.UpperShapeA = 0.5f;
    f.UpperShapeB = 1.0f;
    f.ReducePowerFactor = 1.0f;
    f.ShiftPowerFactor = 1.0f;
    vehicle::EngineRecord e = vehicle::EngineRecordFromFigures(f, vehicle::kDriveRear);
    vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
    return e;
}

void SetUpProgram() {
    core::SetDefaultOptions();
    core::ApplySelectedUnits();
    core::InitDefaultTexts();
    core::InitFuelTypes();
}

void BM_GetEngineTorque(benchmark::State& state) {
    SetUpProgram();
    vehicle::EngineRecord e = PetrolEngine();
    float speed = 100.0f;
    for (auto _ : state) {
        e.Speed = speed;
        benchmark::DoNotOptimize(vehicle::GetEngineTorque(e));
        speed = speed >= 800.0f ? 100.0f : speed + 1.0f;  // idle, cubic, plateau and quartic
    }
}
BENCHMARK(BM_GetEngineTorque);

void BM_CalcGearing(benchmark::State& state) {
    SetUpProgram();
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Drivetrain.DriveType = vehicle::kDriveRear;
    v.Drivetrain.NumGears = 6;
    v.Drivetrain.HasReverse = core::VbTrue;
    vehicle::EngineCode().CurrentEngine = PetrolEngine();
    for (auto& t : vehicle::TyreCode().WheelTyres) t.UnloadedRadius = 0.3f;
    core::OptionsSettings().ShiftPointAuto = core::VbTrue;
    core::OptionsSettings().SpeedoIndicated = core::VbTrue;
    vehicle::GearingInputs in;
    in.GearRatioText = {"3.2", "3.3", "2.2", "1.6", "1.25", "1.0", "0.85", "0.8", "3.9"};
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
