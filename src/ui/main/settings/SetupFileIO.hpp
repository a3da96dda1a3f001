// Opening and saving setup files in the main window: the setup is the state of the window's
// setting controls, so reading a file sets those controls and saving reads them. The record
// layout and the value conversions are in files/SetupFile.hpp, the commands' state in
// files/SetupFileContext.hpp.
#pragma once

#include <functional>

#include "files/SetupFile.hpp"
#include "files/SetupFileContext.hpp"

namespace ui {

class Main;

struct SetupFileCommandsState {
    // Makes the vehicle named by the window's vehicle selector current, without its default
    // setup (SelectVehicle(form, false), attached with the window's handlers). Opening a file
    // runs it once to set the vehicle's ranges before the values, and once after them.
    std::function<void(Main&)> ReselectVehicle;
};
SetupFileCommandsState& SetupFileCommands();

// Every setting control the file maps to, as it stands in the window.
files::SetupControlValues ReadSetupControlValues(const Main& main);
// Sets the controls in the reader's order: brakes and traction control, spring travel,
// springs, dampers and bars, steering, config, passengers, gear ratios, differentials, tyre
// compounds, the symmetric/asymmetric choice (whose handler may copy and lock the right-hand
// tyre sliders) before the four pressures and cambers, tyre brand, wings and handicaps.
void ApplySetupControlValues(Main& main, const files::SetupControlValues& values);

// Loads the file at SetupFile().SetupOpenPath into the setting controls of the vehicle it
// belongs to (found from the file name's car code). The whole file is checked before any
// control or state changes; every refusal gives false with nothing changed. With
// showMessages false the messages about a missing, unreadable, invalid or wrong-version file
// are not shown; the one about a vehicle that is not loaded always is.
bool OpenSetupFile(bool showMessages);

// False, with the message "The setup was not saved: no vehicle is selected.", when no vehicle
// is loaded: the setting controls then hold no vehicle's setup (its final drive 0, which no
// setup file can store).
bool SetupCanBeSaved();

// Writes the current setup to SetupFile().SetupSavePath through a temporary file and a
// rename. False, with a message and the old file untouched, when no vehicle is selected, a
// ratio of a gear in use cannot be stored or the file cannot be written.
bool SaveSetupFile();

// The main window's title while a setup file is open: the program's name and the file's path,
// "ChassisLab (<path>)", the path's control characters shown as signs (files::PathInTitle).
std::string SetupFileCaption(const std::string& path);

}  // namespace ui
