// A small saloon for the deceleration tests, prepared the way the program prepares the current
// vehicle (masses, wheels and tyres, suspension with the live load sharing, aerodynamic
// forces at top speed, engine curve) but with hand-set gearing, so each test can change one
// thing and know what it changed.
#pragma once

#include <array>

#include "analysis/DecelerationCode.hpp"
#include "analysis/PhysicalCode.hpp"
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
#include "vehicle/TyreCode.hpp"

namespace dectest {

inline constexpr float kTopSpeed = 55.0f;  // m/s
inline constexpr double kG = 9.80665;

struct VehicleChoice {
    uint8_t DriveType = vehicle::kDriveRear;
    bool Aero = true;          // body drag and lift; without: no air and no rolling resistance
    bool RigidWheels = false;  // wheels that do not deflect: constant rolling radius
    int32_t FuelLitres = 30;
};

inline void ResetModules() {
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    core::GlobalShared() = core::GlobalSharedState{};
    core::OptionsSettings() = core::OptionsSettingsState{};
    core::SetDefaultOptions();
    core::ApplySelectedUnits();
    core::InitDefaultTexts();
    core::InitFuelTypes();
    core::InitAccTargets();
    vehicle::TyreCode() = vehicle::TyreCodeState{};
    vehicle::AeroCode() = vehicle::AeroCodeState{};
    vehicle::EngineCode() = vehicle::EngineCodeState{};
    vehicle::GearingCode() = vehicle::GearingCodeState{};
    vehicle::InitTyreCompounds();
    vehicle::InitAeroDevices();
    analysis::PhysicalCode() = analysis::PhysicalCodeState{};
    analysis::SuspensionCode() = analysis::SuspensionCodeState{};
    analysis::DecelerationCode() = analysis::DecelerationCodeState{};
}

inline void SetUpVehicle(const VehicleChoice& choice = {}) {
    ResetModules();
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    vehicle::SetVehicleName(v, "Test saloon");
    v.BodyMass = 1150.0f;
    v.BodyCoG = {0.5f, 0.55f, 0.35f};
    v.RefHeight = 0.15f;
    v.FuelTankCapacity = 60.0f;
    v.FuelTankPos = {0.5f, 0.3f, 0.1f};
    if (choice.Aero) {
        v.FrontalArea = 2.0f;
        v.DragCoefficient = 0.32f;
        v.LiftCoefficient = 0.1f;
    }
    v.AeroElements[0].PosY = 0.5f;
    v.AeroElements[0].PosZ = 0.4f;
    v.Engine = {300.0f, 4000.0f, 1000.0f, 150.0f, 6000.0f, 900.0f, 7000.0f, 0.03f, 0.4f,
                0.5f,   0.5f,    0.8f,    1.0f,   1.0f,   0};
    v.Drivetrain = {0.85f, 0.3f, core::VbTrue, choice.DriveType, 5};
    v.Tyres = {{{205, 55, 16}, {205, 55, 16}}};
    v.RotatingMass = {18.0f, 18.0f};
    for (auto& a : v.Axles) a = {1.0f, 1.0f, 0.2f, 0.0f, 80.0f, 0.15f, 1.5f};
    v.Wheelbase = 2.6f;
    v.MaxPassengers = 4;

    analysis::MassInputs masses;
    masses.HandicapPosPercent = 50;
    masses.PassengerTypes = {"None", "None", "None", "None"};
    masses.FuelLoadLitres = choice.FuelLitres;
    const analysis::SeatPositionTable seats{};
    analysis::CalcMassesAndCentreOfGravity(masses, seats);
    auto& m = analysis::PhysicalCode();
    m.CornerDynamicLoad = m.CornerStaticLoad;

    vehicle::CalcWheelDimensionsAndInertia();
    const uint8_t optimum =
        vehicle::TyreCode().TyreCompounds[vehicle::kDefaultTyreCompound].OptimumTemp;
    vehicle::UpdateTyreAnalysis({{200, 200, 200, 200}}, {{optimum, optimum}, 0},
                                analysis::TyreLoadsFromMasses());
    if (choice.RigidWheels) {
        for (auto& t : vehicle::TyreCode().WheelTyres) {
            t.SidewallHeight = 0.0f;
            vehicle::CalcTyreContactPatch(t, 0.0f);
        }
    }
    if (!choice.Aero) {
        for (auto& t : vehicle::TyreCode().WheelTyres) t.RollResC0 = t.RollResC1 = 0.0f;
    }

    analysis::SuspensionSetupInputs susp;
    susp.SpringTravelMm = {100, 100};
    susp.SpringStiffness = {500, 450};
    susp.BumpDamp = {30, 30};
    susp.ReboundDamp = {45, 45};
    susp.ARBStiffness = {200, 100};
    analysis::CalcSuspension(susp, 0);
    auto& s = analysis::SuspensionCode();
    for (int i = 0; i < 4; ++i)
        s.SuspCorners[i].SpringLoad =
            static_cast<float>(m.CornerStaticLoad[i] - m.UnsprungCornerMass[i] * kG);
    analysis::ShareAxleLoad(s.SuspCorners[0], s.SuspCorners[1], s.AntiRollStiffness[0]);
    analysis::ShareAxleLoad(s.SuspCorners[2], s.SuspCorners[3], s.AntiRollStiffness[1]);

    auto& aero = vehicle::AeroCode();
    aero.TopSpeed = kTopSpeed;
    std::array<vehicle::PositionXYZ, 4> pos{};
    for (int e = 0; e < 4; ++e) pos[e].Z = v.RefHeight + v.AeroElements[e].PosZ;
    vehicle::CalcAeroForces(aero.LiveAero, m.CornerStaticLoad, aero.TopSpeed, m.VehicleCoG, pos[0],
                            pos[1], pos[3], pos[2], 0.0f, 0.0f);

    auto& engine = vehicle::EngineCode().CurrentEngine;
    engine = vehicle::EngineRecordFromFigures(v.Engine, v.Drivetrain.DriveType);
    vehicle::UpdateEngineModel(engine, v.Drivetrain.DriveType);

    // Five gears with a 3.9 final drive; shift at 680 rad/s (6500 rpm).
    auto& g = vehicle::GearingCode();
    const std::array<float, 6> box{3.5f, 3.4f, 2.2f, 1.6f, 1.25f, 1.0f};
    for (int k = 0; k <= 5; ++k) g.OverallRatios[k] = box[k] * 3.9f;
    for (int k = 1; k <= 5; ++k) g.ShiftRevs[k] = 680.0f;
    for (int k = 1; k < 5; ++k)
        g.PostShiftRevs[k] = 680.0f * g.OverallRatios[k + 1] / g.OverallRatios[k];
    g.FrontTorqueShare = choice.DriveType == vehicle::kDriveFront  ? 1.0f
                         : choice.DriveType == vehicle::kDriveRear ? 0.0f
                         : choice.DriveType == vehicle::kDriveAll  ? 0.4f
                                                                   : -1.0f;

    analysis::SetBrakeTorques(1800, 65);
}

inline analysis::DecRunInputs Brakes(bool abs = false) {
    analysis::DecRunInputs in;
    in.ApplyBrakes = true;
    in.ABS = abs;
    in.BrakeBalance = 65;
    return in;
}

// Time (s) of the last row and the distance (m) there.
inline float StopTime() {
    const auto& s = analysis::DecelerationCode();
    return s.DecTimeStep * static_cast<float>(s.DecLastStep);
}
inline float StopDistance() {
    const auto& s = analysis::DecelerationCode();
    return s.Row(s.DecLastStep, analysis::DecCol::Distance);
}

}  // namespace dectest
