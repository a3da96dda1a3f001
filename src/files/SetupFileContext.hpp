// State of the setup file commands, and what reading and writing a setup needs to know about
// the vehicle and the setting sliders. The window side is ui/main/settings/SetupFileIO.hpp.
#pragma once

#include <string>

#include "core/Numbers.hpp"
#include "files/SetupFile.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace files {

struct SetupFileState {
    // Full path of the file to open; set by the caller before OpenSetupFile.
    std::string SetupOpenPath;
    // Full path of the current setup file, "" when there is none; Save writes here.
    std::string SetupSavePath;
    // True only while the reader re-selects the vehicle after applying a file; the vehicle
    // selection then keeps the window's layout, caption and setup path.
    core::VbBool SetupApplying = core::VbFalse;
};

SetupFileState& SetupFile();

// The ranges a value read from a setup file must lie in: the widest range each setting slider
// can have (the steering lock up to the 60 degrees the program allows without a simulator
// car; a simulator car's own limit then narrows the slider as it does for any value).
SetupSliderRanges ProgramSetupSliderRanges();

// The context for reading a setup into `target`: whether it is a simulator car (by its padded
// name, whatever the compatibility mode) and that car's row, and the compatibility mode.
SetupVehicleContext SetupReadContext(const vehicle::VehicleRecord& target);
// The context for writing the current setup: the current simulator car state and the gear
// rows the current vehicle uses (forward gears 1..NumGears, the final drive and, when it has
// one, reverse; none for a vehicle that is not wheel driven).
SetupVehicleContext SetupWriteContext();

}  // namespace files
