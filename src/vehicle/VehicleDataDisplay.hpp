// Vehicle data captions of module VehCode: the figures of the current vehicle
// (core::GlobalChassisLab().CurrentVehicle, with the engine speeds of EngineCode().CurrentEngine
// in rad/s) in the user's display units, for the value labels of the "Vehicle Data" page
// (DataLabel), and the upper end of the fuel-load slider. ui/main/displays/LiveDisplays.hpp
// writes them.
//
// Text forms: U = RoundToDecimals(value x unit factor, unit decimals) and the unit suffix;
// P = value x 100 rounded, "%" and a direction text; T = the plain single-precision text,
// unrounded. A table entry that is not in its table (fuel, drive type, aero device) reads
// "N/A".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Caption.hpp"

namespace vehicle {

struct VehicleDataCaptions {
    std::vector<core::Caption> Captions;  // DataLabel captions, in writing order
    // Live_FuelLoad.Max: the tank capacity in whole litres (halves to even), written after the
    // first FuelMaxAfter captions.
    int32_t FuelLoadMax = 0;
    std::size_t FuelMaxAfter = 0;
};

VehicleDataCaptions BuildVehicleDataCaptions();

}  // namespace vehicle
