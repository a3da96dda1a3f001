// The main window's rows that depend on the current vehicle's configuration: passenger
// selectors and passenger position rows by seat count, gear rows by number of gears, the
// reverse row, the engine or propulsion frames by drive type, the differential panels and the
// differential view, and the rows of each aerodynamic device.
#pragma once

namespace ui {

// Shows the rows the current vehicle (core::GlobalChassisLab().CurrentVehicle) has and hides
// the others on every page of the main window; refills the passenger selectors for its seats
// (every seat back to "None") and selects the differential view of its drive type. Changes no
// other value. VehicleLayoutBusy is raised for the whole call, so the passenger handler does
// not recalculate while the lists are refilled. Does nothing without a main window.
void UpdateVehicleFormLayout();

}  // namespace ui
