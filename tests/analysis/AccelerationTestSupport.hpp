// Set-up of the acceleration run tests: every program-wide state the run reads, reset to
// start-up defaults, and two vehicles:
//  - a plausible rear-drive hatchback (1150 kg body, 250 N m / 150 kW petrol engine, five
//    gears), prepared through the real chain: masses, wheels and tyres, gearing,
//    differentials, live state (which also computes the suspension);
//  - a "sled": a thrust-driven vehicle without aerodynamic or rolling resistance and with
//    wheels of no inertia, on which a constant thrust F gives exactly a = F / m.
#pragma once

#include <string>

#include "analysis/AccelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/AccTargets.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/GearingDiffs.hpp"
#include "vehicle/TyreCode.hpp"

namespace acc_test {

inline constexpr double kG = 9.80665;

inline void ResetAll() {
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    core::GlobalShared() = core::GlobalSharedState{};
    core::OptionsSettings() = core::OptionsSettingsState{};
    core::SetDefaultOptions();
    core::ApplySelectedUnits();
    core::InitDefaultTexts();
    core::InitFuelTypes();
    core::InitAccTargets();
    vehicle::EngineCode() = vehicle::EngineCodeState{};
    vehicle::GearingCode() = vehicle::GearingCodeState{};
    vehicle::TyreCode() = vehicle::TyreCodeState{};
    vehicle::InitTyreCompounds();
    vehicle::AeroCode() = vehicle::AeroCodeState{};
    vehicle::InitAeroDevices();
    analysis::PhysicalCode() = analysis::PhysicalCodeState{};
    analysis::SuspensionCode() = analysis::SuspensionCodeState{};
    analysis::SteeringCode() = analysis::SteeringCodeState{};
    analysis::LiveStateCode() = analysis::LiveStateCodeState{};
    analysis::AccelerationCode() = analysis::AccelerationCodeState{};
    core::OptionsSettings().LFSMode = core::VbFalse;  // no simulator car rules
}

// The hatchback's record. Drive type and gear count may be changed before Prepare().
inline vehicle::VehicleRecord Hatchback() {
    vehicle::VehicleRecord v;
    vehicle::SetVehicleName(v, "Test hatchback");
    v.BodyMass = 1150.0f;
    v.BodyCoG = {0.5f, 0.58f, 0.30f};
    v.FuelTankCapacity = 50.0f;
    v.FuelTankPos = {0.5f, 0.25f, 0.05f};
    v.RefHeight = 0.25f;
    v.AeroElements[0] = {0, 0.5f, 0.5f, 0.35f};
    v.FrontalArea = 2.0f;
    v.DragCoefficient = 0.32f;
    v.LiftCoefficient = 0.1f;
    auto& e = v.Engine;
    e.PeakTorque = 250.0f;
    e.TorquePeakRPM = 4000.0f;
    e.TorquePeakWidth = 1000.0f;
    e.PeakPower = 150.0f;
    e.PowerPeakRPM = 6500.0f;
    e.IdleRPM = 1000.0f;
    e.LimitRPM = 7500.0f;
    e.EngineBrakingCoeff = 0.05f;
    e.IdleTorqueFraction = 0.5f;
    e.LowerShape = 1.0f;
    e.UpperShapeA = 0.5f;
    e.UpperShapeB = 1.0f;
    e.ReducePowerFactor = 1.0f;
    e.ShiftPowerFactor = 1.0f;
    e.FuelType = 0;
    v.Drivetrain.DrivetrainEfficiency = 0.85f;
    v.Drivetrain.ShiftTime = 0.2f;
    v.Drivetrain.HasReverse = core::VbTrue;
    v.Drivetrain.DriveType = vehicle::kDriveRear;
    v.Drivetrain.NumGears = 5;
    v.Tyres[0] = {205, 55, 16};
    v.Tyres[1] = {205, 55, 16};
    v.RotatingMass = {18.0f, 18.0f};
    for (auto& a : v.Axles) {
        a.SpringMotionRatio = 1.0f;
        a.ARBMotionRatio = 1.0f;
        a.UnsprungMass = 70.0f;
        a.RideHeight = 0.12f;
        a.TrackWidth = 1.5f;
    }
    v.Wheelbase = 2.6f;
    v.MaxPassengers = 4;
    return v;
}

// Drive-torque share of the front axle for a drive type, as vehicle selection sets it.
inline float FrontShareFor(uint8_t driveType, int centreSplitPercent) {
    switch (driveType) {
        case vehicle::kDriveFront: return 1.0f;
        case vehicle::kDriveRear: return 0.0f;
        case vehicle::kDriveAll: return static_cast<float>(centreSplitPercent) / 100.0f;
        default: return -1.0f;
    }
}

struct CarSetup {
    int fuelLitres = 30;
    int pressureKPa = 220;
    std::string diffType = "Open";  // both axle differentials
    int powerLockingPercent = 0;
    int preLoad = 0;                // units of 10 N m
    int centreSplitPercent = 40;    // four-wheel drive only
    analysis::SuspensionSetupInputs suspension{{120, 120}, {600, 600}, {30, 30}, {60, 60},
                                               {200, 200}};
};

// Makes `v` current and runs the chain the program runs before an acceleration run.
inline void Prepare(const vehicle::VehicleRecord& v, const CarSetup& setup = {}) {
    auto& g = core::GlobalChassisLab();
    g.CurrentVehicle = v;
    const uint8_t drive = v.Drivetrain.DriveType;
    auto& engine = vehicle::EngineCode().CurrentEngine;
    engine = vehicle::EngineRecordFromFigures(v.Engine, drive);
    vehicle::UpdateEngineModel(engine, drive);
    vehicle::GearingCode().FrontTorqueShare = FrontShareFor(drive, setup.centreSplitPercent);

    analysis::MassInputs mass;
    mass.PassengerTypes = {"None", "None", "None", "None"};
    mass.FuelLoadLitres = setup.fuelLitres;
    analysis::CalcMassesAndCentreOfGravity(mass, analysis::SeatPositionTable{});

    vehicle::CalcWheelDimensionsAndInertia();
    vehicle::TyreSetupInputs tyreSetup;
    tyreSetup.PressureKPa.fill(setup.pressureKPa);
    vehicle::LiveTyreInputs liveTyres;
    const auto& compound =
        vehicle::TyreCode().TyreCompounds[vehicle::TyreCode().WheelTyres[0].CompoundIndex];
    liveTyres.TemperatureC = {compound.OptimumTemp, compound.OptimumTemp};
    vehicle::UpdateTyreAnalysis(tyreSetup, liveTyres, analysis::TyreLoadsFromMasses());

    vehicle::GearingInputs gearing;
    gearing.GearRatioText = {"3.3", "3.5", "2.1", "1.45", "1.1", "0.88", "0.75", "0.65", "3.9"};
    gearing.TorqueSplitCentre = setup.centreSplitPercent;
    vehicle::GearingLinks links;
    vehicle::CalcGearing(gearing, links);

    vehicle::DiffInputs diffs;
    diffs.DiffType = {setup.diffType, setup.diffType, "Open"};
    diffs.PowerLocking = {setup.powerLockingPercent, setup.powerLockingPercent};
    diffs.CoastLocking = {setup.powerLockingPercent, setup.powerLockingPercent};
    diffs.PreLoad = {setup.preLoad, setup.preLoad};
    vehicle::SetDiffParams(diffs);

    analysis::LiveStateInputs live;
    live.Suspension = setup.suspension;
    live.TyreSetup = tyreSetup;
    live.LiveTyres = liveTyres;
    analysis::AnalyseLiveState(live);
}

// The sled: thrust `thrust` N at height 0 above the reference plane, no drag, lift or rolling
// resistance, wheels of no inertia; stiff springs and tyres so that pitch stays small.
inline void PrepareSled(float thrust, int fuelLitres = 0) {
    vehicle::VehicleRecord v = Hatchback();
    v.FrontalArea = 0.0f;
    v.Drivetrain.DriveType = vehicle::kDriveThrust;
    v.Engine.PeakTorque = thrust;     // N
    v.Engine.TorquePeakRPM = 0.0f;    // thrust line height, m above the reference plane
    v.RotatingMass = {0.0f, 0.0f};
    CarSetup setup;
    setup.fuelLitres = fuelLitres;
    setup.pressureKPa = 400;
    setup.suspension.SpringStiffness = {3000, 3000};
    Prepare(v, setup);
    for (auto& t : vehicle::TyreCode().WheelTyres) {
        t.RollResC0 = 0.0f;  // the aerodynamic model takes rolling resistance from these
        t.RollResC1 = 0.0f;
        t.Inertia = 0.0f;
    }
}

inline float Cell(int32_t step, int column) {
    return analysis::AccelerationCode().Row(step, column);
}

inline void RunAcc(float dt, bool tractionControl = false,
                   const analysis::AccRunLinks& links = {}) {
    analysis::AccRunInputs in;
    in.TractionControl = tractionControl;
    analysis::RunAccelerationAnalysis(dt, in, links);
}

// A stored run made by hand: `rows` rows of dt, every cell 0 (gear 1, clutch 1, throttle 1 set
// by the caller as needed).
inline void SyntheticRun(float dt, int32_t rows, int32_t maxSteps, float divisor) {
    auto& s = analysis::AccelerationCode();
    s.AccTimeStep = dt;
    s.AccMaxSteps = maxSteps;
    s.AccProgressDivisor = divisor;
    s.AccLastStep = rows - 1;
    s.AccData.assign(static_cast<std::size_t>(maxSteps + 1) * analysis::kAccColumns, 0.0f);
}
inline void SetCell(int32_t step, int column, float value) {
    analysis::AccelerationCode()
        .AccData[static_cast<std::size_t>(step) * analysis::kAccColumns +
                 static_cast<std::size_t>(column)] = value;
}

}  // namespace acc_test
