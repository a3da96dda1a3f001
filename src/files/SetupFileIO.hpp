// Opening and saving setup files in the main window: the setup is the state of the window's
// setting controls, so reading a file sets those controls and saving reads them. The record
// layout and the value conversions are in SetupFile.hpp.
#pragma once

#include <string>

#include "core/Numbers.hpp"
#include "files/SetupFile.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {
class Main;
}

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

// Every setting control the file maps to, as it stands in the window.
SetupControlValues ReadSetupControlValues(const ui::Main& main);
// Sets the controls in the reader's order: brakes and traction control, spring travel,
// springs, dampers and bars, steering, config, passengers, gear ratios, differentials, tyre
// compounds, the symmetric/asymmetric choice (whose handler may copy and lock the right-hand
// tyre sliders) before the four pressures and cambers, tyre brand, wings and handicaps.
void ApplySetupControlValues(ui::Main& main, const SetupControlValues& values);

// Loads the file at SetupFile().SetupOpenPath into the setting controls of the vehicle it
// belongs to (found from the file name's car code). The whole file is checked before any
// control or state changes; every refusal gives false with nothing changed. With
// showMessages false the messages about a missing, invalid or wrong-version file are not
// shown; the one about a vehicle that is not loaded always is.
bool OpenSetupFile(bool showMessages);

// Writes the current setup to SetupFile().SetupSavePath through a temporary file and a
// rename. False, with a message and the old file untouched, when a ratio of a gear in use
// cannot be stored or the file cannot be written.
bool SaveSetupFile();

}  // namespace files
