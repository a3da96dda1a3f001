// Shared set-up of the engine, gearing, differential and inertia tests: every program-wide
// state these models read, reset to start-up defaults, and a plausible petrol engine.
#pragma once

#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace drivetrain_test {

inline void ResetDrivetrainState() {
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    core::OptionsSettings() = core::OptionsSettingsState{};
    core::SetDefaultOptions();
    core::ApplySelectedUnits();
    core::InitDefaultTexts();
    core::InitFuelTypes();
    vehicle::EngineCode() = vehicle::EngineCodeState{};
    vehicle::GearingCode() = vehicle::GearingCodeState{};
    vehicle::TyreCode() = vehicle::TyreCodeState{};
    vehicle::AeroCode() = vehicle::AeroCodeState{};
}

// 250 N m from 4000 to 5000 rpm, 150 kW at 6500 rpm, idle 1000 rpm, limit 7500 rpm; half the
// peak torque at idle; plain shape factors (no power reduction or shift).
inline vehicle::EngineFigures PetrolFigures() {
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
    f.FuelType = 0;  // "Gasoline (Petrol)"
    return f;
}

// The petrol engine, converted to rad/s and fitted.
inline vehicle::EngineRecord FittedPetrolEngine() {
    vehicle::EngineRecord e =
        vehicle::EngineRecordFromFigures(PetrolFigures(), vehicle::kDriveRear);
    vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
    return e;
}

inline float RpmToRadPerSec(double rpm) {
    return static_cast<float>(rpm * core::kRpmToRadPerSec);
}

}  // namespace drivetrain_test
