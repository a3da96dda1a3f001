// Program-wide state of what is loaded and where the program stands: the vehicle list and the
// current vehicle, the current simulator car, the program folders, the window instances and
// the flags that keep event handlers from recalculating half-way through a bulk update.
//
// One instance for the whole program, reached through GlobalChassisLab(). Routines of every
// module read and write the fields directly. A test resets it with
// `core::GlobalChassisLab() = core::GlobalChassisLabState{};`.
//
// Booleans are core::VbBool (true = -1, false = 0).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/LFSCars.hpp"
#include "core/Numbers.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {
class Main;
class OptionsPanel;
}  // namespace ui

namespace core {

// Most vehicles the list may hold; every path that adds a vehicle refuses beyond it.
inline constexpr uint8_t kMaxVehicles = 200;

struct GlobalChassisLabState {
    // ---- Vehicle list and current vehicle ----
    // Every loaded vehicle, in the order of the main window's vehicle selector (element i is
    // item i). Only grows; looked up by the full 32-character padded Name.
    std::vector<vehicle::VehicleRecord> Vehicles;
    uint8_t VehicleCount = 0;  // == Vehicles.size(); never above kMaxVehicles
    // Working copy of the selected vehicle; every analysis reads this, never Vehicles.
    vehicle::VehicleRecord CurrentVehicle;
    // Copy of the simulator car row matching the current vehicle; meaningful only while
    // HasLFSCar is true (it keeps the previous car's values otherwise).
    LFSCarRecord CurrentLFSCar;
    // True when the current vehicle is one of the simulator's cars.
    VbBool HasLFSCar = VbFalse;

    // ---- Program folders, each ending in "/"; set once at start-up ----
    std::string AppDir;       // options, list files, manual, sounds, "images" folder
    std::string VehiclesDir;  // AppDir + "vehicles/": vehicle data files
    std::string SetupsDir;    // AppDir + "setups/": simulator setup files

    // ---- Window instances (created on first use by the user interface) ----
    ui::Main* MainForm = nullptr;
    ui::OptionsPanel* OptionsPanelForm = nullptr;

    // ---- Guard flags ----
    // Raised first thing at start-up; lowered once the first vehicle has been prepared (or,
    // after a start with no vehicle, when the first vehicle is loaded for selection or stored
    // by the editor). While raised, handlers store their value and skip recalculation.
    VbBool FormLoading = VbFalse;
    // Raised while a routine sets many setup controls at once (setup file reader, gear-ratio
    // text handler, auto-spacer); setup-control handlers skip recalculation.
    VbBool SuppressRecalc = VbFalse;
    // Raised while UpdateVehicleFormLayout refills the main window's rows and selectors.
    VbBool VehicleLayoutBusy = VbFalse;
    // Raised while ConfigureSetupControls sets the setting ranges for a vehicle; the tyre
    // compound and tyre temperature handlers skip recalculation.
    VbBool SetupControlsBusy = VbFalse;
    // Raised while the options block is written into the options window's controls.
    VbBool OptionsPanelFilling = VbFalse;
    // Raised while the options window's gear-line, gear-style and vertical-load boxes are
    // written; the gear-line handlers then store nothing.
    VbBool GearLinesFilling = VbFalse;
};

GlobalChassisLabState& GlobalChassisLab();

}  // namespace core
