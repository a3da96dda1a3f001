#include "vehicle/VehCode.hpp"

#include "core/GlobalChassisLab.hpp"

namespace vehicle {

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

}  // namespace vehicle
