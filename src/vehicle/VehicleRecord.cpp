#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

std::string PaddedVehicleName(std::string_view name) {
    return core::PadFixed(name, kVehicleNameLength);
}

void SetVehicleName(VehicleRecord& record, std::string_view name) {
    record.Name = PaddedVehicleName(name);
}

void SetThrustOnlyFigures(VehicleRecord& record) {
    EngineFigures& e = record.Engine;
    e.PeakPower = e.PowerPeakRPM = e.IdleRPM = e.TorquePeakWidth = e.LimitRPM = 0.0f;
    e.IdleTorqueFraction = e.LowerShape = e.UpperShapeA = e.UpperShapeB = 1.0f;
    e.ReducePowerFactor = e.ShiftPowerFactor = 1.0f;
    e.EngineBrakingCoeff = 0.0f;
    DrivetrainSpec& d = record.Drivetrain;
    d.DrivetrainEfficiency = 1.0f;
    d.NumGears = 0;
    d.HasReverse = core::VbFalse;
    d.ShiftTime = 0.0f;
}

void DropUnusedFigures(VehicleRecord& record) {
    if (record.Drivetrain.DriveType == kDriveThrust) SetThrustOnlyFigures(record);
}

}  // namespace vehicle
