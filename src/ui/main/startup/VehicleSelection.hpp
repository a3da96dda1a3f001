// Selecting a vehicle in the main window: makes the vehicle named by the vehicle selector
// current, brings the window's layout, setting ranges and displays in line with it, applies
// its default setup file when asked, and reruns the analyses.
#pragma once

#include <string>

namespace ui {

class Main;

// The default setup file of the current vehicle: SetupsDir + SetupNamePrefix() (the simulator
// car's code in compatibility mode, else the name as a file name holds it) + "_Default.set".
std::string DefaultSetupPath();

// The vehicle named by Main_SelectVeh's text becomes current. While FormLoading is raised
// only the vehicle and its default setup are set (start-up runs the analyses itself); while
// SuppressRecalc is raised the analyses are skipped; while SetupApplying is raised the layout,
// setting ranges, caption and setup path are kept. With applyDefaultSetup the vehicle's
// default setup file is applied when there is one, and the analyses run exactly once either
// way, except for the vehicle the open editor has just updated, which keeps the present setup
// and only reruns the analyses. A name that matches no loaded vehicle shows "Did not find a matching vehicle!" and
// keeps the current vehicle.
void SelectVehicle(Main& form, bool applyDefaultSetup);

// The vehicle selector's choice: selects the vehicle with its default setup, unless a bulk
// update (start-up, a setup being applied) is setting the selector.
void Main_SelectVeh_Click(Main& form);

}  // namespace ui
