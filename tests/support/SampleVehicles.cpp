#include "support/SampleVehicles.hpp"

namespace sample {

void ResetAll() {
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    core::GlobalShared() = core::GlobalSharedState{};
    core::OptionsSettings() = core::OptionsSettingsState{};
    core::SetDefaultOptions();
    core::ApplySelectedUnits();
    core::OptionsSettings().LFSMode = core::VbFalse;
    core::InitDefaultTexts();
    core::InitFuelTypes();
    core::InitAccTargets();
    vehicle::EngineCode() = vehicle::EngineCodeState{};
    vehicle::GearingCode() = vehicle::GearingCodeState{};
    vehicle::TyreCode() = vehicle::TyreCodeState{};
    vehicle::AeroCode() = vehicle::AeroCodeState{};
    vehicle::InitTyreCompounds();
    vehicle::InitAeroDevices();
    analysis::PhysicalCode() = analysis::PhysicalCodeState{};
    analysis::SuspensionCode() = analysis::SuspensionCodeState{};
    analysis::SteeringCode() = analysis::SteeringCodeState{};
    analysis::LiveStateCode() = analysis::LiveStateCodeState{};
    analysis::AccelerationCode() = analysis::AccelerationCodeState{};
    analysis::DecelerationCode() = analysis::DecelerationCodeState{};
}

vehicle::EngineFigures SampleEngine() {
    // Half the peak torque at idle; plain shape factors (no power reduction or shift).
    return {250.0f, 4000.0f, 1000.0f, 150.0f, 6500.0f, 1000.0f, 7500.0f, 0.05f,
            0.5f,   1.0f,    0.5f,    1.0f,   1.0f,    1.0f,    0};  // "Gasoline (Petrol)"
}

vehicle::EngineRecord FittedSampleEngine() {
    vehicle::EngineRecord e = vehicle::EngineRecordFromFigures(SampleEngine(), vehicle::kDriveRear);
    vehicle::UpdateEngineModel(e, vehicle::kDriveRear);
    return e;
}

vehicle::VehicleRecord SampleCar(uint8_t driveType) {
    vehicle::VehicleRecord v;
    vehicle::SetVehicleName(v, "Sample Saloon");
    v.BodyMass = 1150.0f;
    v.BodyCoG = {0.5f, 0.55f, 0.35f};
    v.FuelTankCapacity = 50.0f;
    v.FuelTankPos = {0.5f, 0.25f, 0.2f};  // behind and below the centre of gravity
    v.RefHeight = 0.15f;
    v.AeroElements[0] = {0, 0.5f, 0.5f, 0.45f};   // body
    v.AeroElements[1] = {0, 0.5f, 0.5f, 0.0f};    // no undertray
    v.AeroElements[2] = {1, 0.5f, -0.1f, 0.95f};  // small rear wing behind the rear axle
    v.AeroElements[3] = {0, 0.5f, 1.1f, 0.05f};   // no front wing
    v.FrontalArea = 2.0f;
    v.DragCoefficient = 0.32f;
    v.LiftCoefficient = 0.1f;
    v.Engine = SampleEngine();
    v.Drivetrain = {0.85f, 0.2f, core::VbTrue, driveType, 5};
    v.Tyres = {vehicle::TyreSize{205, 55, 16}, vehicle::TyreSize{205, 55, 16}};
    v.RotatingMass = {18.0f, 18.0f};
    for (auto& a : v.Axles) a = {1.0f, 1.0f, 0.2f, 0.2f, 70.0f, 0.14f, 1.5f};
    v.Wheelbase = 2.6f;
    v.HandicapHeight = 0.3f;
    // The stored rear seat is the right-hand one (selection mirrors it to the left), as kSeats.
    v.Seats = {vehicle::PositionXYZ{0.7f, 0.55f, 0.35f}, vehicle::PositionXYZ{0.7f, 0.3f, 0.35f}};
    v.MaxPassengers = 4;
    return v;
}

vehicle::VehicleRecord ThrustCar(float thrustN, float heightM) {
    vehicle::VehicleRecord v = SampleCar(vehicle::kDriveThrust);
    v.Engine.PeakTorque = thrustN;
    v.Engine.TorquePeakRPM = heightM;
    return v;
}

float FrontShareFor(uint8_t driveType, int centreSplitPercent) {
    switch (driveType) {
        case vehicle::kDriveFront: return 1.0f;
        case vehicle::kDriveRear: return 0.0f;
        case vehicle::kDriveAll: return static_cast<float>(centreSplitPercent) / 100.0f;
        default: return -1.0f;
    }
}

analysis::LiveStateInputs Setup::LiveInputs() {
    analysis::LiveStateInputs in;
    in.Wings = {0, 6};
    in.Suspension = {{120, 120}, {400, 450}, {25, 28}, {50, 56}, {250, 150}};
    in.TyreSetup = {{220, 220, 220, 220}};
    in.LiveTyres = {{70, 70}, 10};
    return in;
}

void PrepareModels(const Setup& setup) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const uint8_t drive = v.Drivetrain.DriveType;
    auto& engine = vehicle::EngineCode().CurrentEngine;
    engine = vehicle::EngineRecordFromFigures(v.Engine, drive);
    vehicle::UpdateEngineModel(engine, drive);
    vehicle::GearingCode().FrontTorqueShare = FrontShareFor(drive, setup.centreSplitPercent);

    vehicle::CalcWheelDimensionsAndInertia();
    analysis::MassInputs mass;
    mass.PassengerTypes = {"None", "None", "None", "None"};
    mass.FuelLoadLitres = setup.fuelLitres;
    analysis::CalcMassesAndCentreOfGravity(mass, kSeats);
    const auto& live = setup.live;
    vehicle::UpdateTyreAnalysis(live.TyreSetup, live.LiveTyres, analysis::TyreLoadsFromMasses());
    vehicle::ApplyWingAngles(live.Wings);
    for (int i = 0; i < 4; ++i)
        analysis::PhysicalCode().AeroElementPos[i].Z = v.RefHeight + v.AeroElements[i].PosZ;

    vehicle::GearingInputs gearing;
    gearing.GearRatioText = setup.gearRatios;
    gearing.TorqueSplitCentre = setup.centreSplitPercent;
    gearing.LiveSpeed = live.SpeedMs;
    vehicle::GearingLinks links;
    links.CalcGearWheelLoads = [] {
        vehicle::CalcGearWheelLoads(analysis::AeroLoadsFromMasses(),
                                    vehicle::GearingCode().SpeedAtShift);
    };
    vehicle::CalcGearing(gearing, links);
    analysis::SetBrakeTorques(setup.brakeTorque, setup.brakeBalance);
}

void Prepare(const vehicle::VehicleRecord& v, const Setup& setup) {
    core::GlobalChassisLab().CurrentVehicle = v;
    PrepareModels(setup);
    vehicle::DiffInputs diffs;
    diffs.DiffType = {setup.diffType, setup.diffType, "Open"};
    diffs.PowerLocking = diffs.CoastLocking = {setup.lockingPercent, setup.lockingPercent};
    diffs.PreLoad = {setup.preLoad, setup.preLoad};
    vehicle::SetDiffParams(diffs);
    analysis::AnalyseLiveState(setup.live);
}

}  // namespace sample
