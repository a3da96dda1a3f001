#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

std::string PaddedVehicleName(std::string_view name) {
    return core::PadFixed(name, kVehicleNameLength);
}

void SetVehicleName(VehicleRecord& record, std::string_view name) {
    record.Name = PaddedVehicleName(name);
}

}  // namespace vehicle
