// A realistic sample vehicle for the live-state tests and benchmark, prepared the way vehicle
// selection prepares one: a 1100 kg rear-driven road car (1000 kg body, 40 l of petrol), 250 N m
// from 4000 to 5000 rpm, 150 kW at 6500 rpm, 205/55 R16 tyres all round, wheelbase 2.6 m,
// tracks 1.5 m, five gears, a small rear wing. Everything the analysis needs beforehand is
// computed: engine curve, wheel dimensions, masses, tyres, gearing, brake torques.
#pragma once

#include <array>
#include <cmath>

#include "analysis/DecelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace live_test {

inline constexpr double kG = 9.80665;

// Seats: front passenger, rear left, middle, right (X, Y, Z).
inline constexpr analysis::SeatPositionTable kSeats = {0.7f, 0.55f, 0.35f, 0.3f, 0.3f, 0.35f,
                                                       0.5f, 0.3f,  0.35f, 0.7f, 0.3f, 0.35f};

inline void ResetAll() {
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    core::GlobalShared() = core::GlobalSharedState{};
    core::OptionsSettings() = core::OptionsSettingsState{};
    core::SetDefaultOptions();
    core::ApplySelectedUnits();
    core::OptionsSettings().LFSMode = core::VbFalse;
    core::InitDefaultTexts();
    core::InitFuelTypes();
    analysis::PhysicalCode() = analysis::PhysicalCodeState{};
    analysis::SuspensionCode() = analysis::SuspensionCodeState{};
    analysis::SteeringCode() = analysis::SteeringCodeState{};
    analysis::LiveStateCode() = analysis::LiveStateCodeState{};
    analysis::DecelerationCode() = analysis::DecelerationCodeState{};
    vehicle::EngineCode() = vehicle::EngineCodeState{};
    vehicle::GearingCode() = vehicle::GearingCodeState{};
    vehicle::TyreCode() = vehicle::TyreCodeState{};
    vehicle::AeroCode() = vehicle::AeroCodeState{};
    vehicle::InitTyreCompounds();
    vehicle::InitAeroDevices();
}

inline void SetSampleRecord() {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    vehicle::SetVehicleName(v, "Sample Saloon");
    v.BodyMass = 1000.0f;
    v.BodyCoG = {0.5f, 0.55f, 0.35f};
    v.FuelTankCapacity = 50.0f;
    v.FuelTankPos = {0.5f, 0.25f, 0.2f};
    v.RefHeight = 0.15f;
    v.AeroElements[0] = {0, 0.5f, 0.5f, 0.45f};
    v.AeroElements[1] = {0, 0.5f, 0.5f, 0.0f};
    v.AeroElements[2] = {1, 0.5f, -0.1f, 0.95f};
    v.AeroElements[3] = {0, 0.5f, 1.1f, 0.05f};
    v.FrontalArea = 2.0f;
    v.DragCoefficient = 0.32f;
    v.LiftCoefficient = 0.1f;
    auto& f = v.Engine;
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
    f.FuelType = 0;
    v.Drivetrain = {0.85f, 0.2f, core::VbTrue, vehicle::kDriveRear, 5};
    v.Tyres = {vehicle::TyreSize{205, 55, 16}, vehicle::TyreSize{205, 55, 16}};
    v.RotatingMass = {18.0f, 18.0f};
    for (auto& a : v.Axles) {
        a.SpringMotionRatio = 1.0f;
        a.ARBMotionRatio = 1.0f;
        a.Inclination = 0.2f;
        a.CamberOffset = 0.2f;
        a.UnsprungMass = 70.0f;
        a.RideHeight = 0.14f;
        a.TrackWidth = 1.5f;
    }
    v.Wheelbase = 2.6f;
    v.HandicapHeight = 0.3f;
    v.Seats = {vehicle::PositionXYZ{0.7f, 0.55f, 0.35f}, vehicle::PositionXYZ{0.5f, 0.3f, 0.35f}};
    v.MaxPassengers = 4;
}

inline analysis::MassInputs SampleMassInputs(int fuelLitres = 40) {
    analysis::MassInputs in;
    in.PassengerTypes = {"None", "None", "None", "None"};
    in.FuelLoadLitres = fuelLitres;
    return in;
}

inline analysis::LiveStateInputs SampleInputs() {
    analysis::LiveStateInputs in;
    in.SpeedMs = 25;
    in.ThrottlePercent = 50;
    in.Wings = {0, 6};
    in.Suspension.SpringTravelMm = {120, 120};
    in.Suspension.SpringStiffness = {400, 450};   // 40 and 45 N/mm
    in.Suspension.BumpDamp = {25, 28};
    in.Suspension.ReboundDamp = {50, 56};
    in.Suspension.ARBStiffness = {250, 150};
    in.TyreSetup = {{220, 220, 220, 220}};
    in.LiveTyres = {{70, 70}, 10};
    return in;
}

// Everything the live-state analysis needs beforehand, for the current record.
inline void PrepareVehicle(const analysis::MassInputs& mass = SampleMassInputs(),
                           const analysis::LiveStateInputs& live = SampleInputs()) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    auto& engine = vehicle::EngineCode().CurrentEngine;
    engine = vehicle::EngineRecordFromFigures(v.Engine, v.Drivetrain.DriveType);
    vehicle::UpdateEngineModel(engine, v.Drivetrain.DriveType);
    vehicle::CalcWheelDimensionsAndInertia();
    auto& g = vehicle::GearingCode();
    g.FrontTorqueShare = v.Drivetrain.DriveType == vehicle::kDriveFront   ? 1.0f
                         : v.Drivetrain.DriveType == vehicle::kDriveRear  ? 0.0f
                         : v.Drivetrain.DriveType == vehicle::kDriveAll   ? 0.4f
                                                                          : -1.0f;
    analysis::CalcMassesAndCentreOfGravity(mass, kSeats);
    vehicle::UpdateTyreAnalysis(live.TyreSetup, live.LiveTyres, analysis::TyreLoadsFromMasses());
    vehicle::ApplyWingAngles(live.Wings);
    for (int i = 0; i < 4; ++i)
        analysis::PhysicalCode().AeroElementPos[i].Z = v.RefHeight + v.AeroElements[i].PosZ;

    vehicle::GearingInputs gi;
    gi.GearRatioText = {"3.3", "3.5", "2.1", "1.45", "1.1", "0.9", "0.8", "0.7", "3.9"};
    gi.TorqueSplitCentre = 40;
    gi.LiveSpeed = live.SpeedMs;
    vehicle::GearingLinks links;
    links.CalcGearWheelLoads = [] {
        vehicle::CalcGearWheelLoads(analysis::AeroLoadsFromMasses(),
                                    vehicle::GearingCode().SpeedAtShift);
    };
    vehicle::CalcGearing(gi, links);
    analysis::SetBrakeTorques(2400, 65);
}

inline void SampleVehicle() {
    ResetAll();
    SetSampleRecord();
    PrepareVehicle();
}

inline bool Finite(float x) { return std::isfinite(x); }

}  // namespace live_test
