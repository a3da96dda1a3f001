#include "vehicle/VehCode.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/LFSCars.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"

namespace vehicle {

VehCodeState& VehCode() {
    static VehCodeState state;
    return state;
}

bool VehicleListFull() {
    return core::GlobalChassisLab().Vehicles.size() >= core::kMaxVehicles;
}

bool AppendVehicle(const VehicleRecord& record) {
    auto& g = core::GlobalChassisLab();
    if (VehicleListFull()) return false;
    g.Vehicles.push_back(record);
    SetVehicleName(g.Vehicles.back(), record.Name);
    // The count follows the list's size, so it can never drift from it or wrap.
    g.VehicleCount = static_cast<uint8_t>(g.Vehicles.size());
    return true;
}

int FindVehicleIndex(std::string_view name) {
    const auto& vehicles = core::GlobalChassisLab().Vehicles;
    const std::string padded = PaddedVehicleName(name);
    for (int i = static_cast<int>(vehicles.size()) - 1; i >= 0; --i) {
        if (vehicles[static_cast<std::size_t>(i)].Name == padded) return i;
    }
    return -1;
}

bool ReplaceVehicle(const VehicleRecord& record) {
    const int index = FindVehicleIndex(record.Name);
    if (index < 0) return false;
    auto& element = core::GlobalChassisLab().Vehicles[static_cast<std::size_t>(index)];
    element = record;
    SetVehicleName(element, record.Name);
    return true;
}

bool SetCurrentVehicle(std::string_view selectorText, int32_t centreSplitPercent) {
    auto& g = core::GlobalChassisLab();
    const int index = FindVehicleIndex(selectorText);
    if (index < 0) return false;
    g.CurrentVehicle = g.Vehicles[static_cast<std::size_t>(index)];
    VehicleRecord& v = g.CurrentVehicle;
    // The list keeps the record as it was read; what is shown and run is only what it uses.
    DropUnusedFigures(v);

    // The simulator car row; the previous row stays in CurrentLFSCar when none matches.
    const int row = core::FindLFSCarByName(v.Name);
    if (row >= 0) {
        g.CurrentLFSCar = core::LFSCarTable().LFSCars[static_cast<std::size_t>(row)];
        g.HasLFSCar = core::VbTrue;
    } else {
        g.HasLFSCar = core::VbFalse;
    }

    EngineRecord& engine = EngineCode().CurrentEngine;
    engine = EngineRecordFromFigures(v.Engine, v.Drivetrain.DriveType, engine);
    v.FuelTankPos.X = 0.5f;
    engine.Throttle = 1.0f;

    // Seat 0 is the front passenger; the rear bench has a left seat mirrored from the stored
    // rear seat, a middle one on the centre line and a right one at the stored position.
    auto& seats = VehCode().SeatPositions;
    const PositionXYZ& front = v.Seats[0];
    const PositionXYZ& rear = v.Seats[1];
    seats = {front.X, front.Y, front.Z,
             1.0f - rear.X, rear.Y, rear.Z,
             0.5f, rear.Y, rear.Z,
             rear.X, rear.Y, rear.Z};

    float& share = GearingCode().FrontTorqueShare;
    switch (v.Drivetrain.DriveType) {
        case kDriveFront: share = 1.0f; break;
        case kDriveRear: share = 0.0f; break;
        case kDriveAll: share = static_cast<float>(centreSplitPercent) / 100.0f; break;
        case kDriveThrust: share = -1.0f; break;  // the mark of a vehicle not wheel driven
        default: break;
    }
    return true;
}

}  // namespace vehicle
