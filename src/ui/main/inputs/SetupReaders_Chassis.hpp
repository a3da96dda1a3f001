// Readers of the main window's setup and live controls for the tyre, aerodynamic and mass
// models: each returns the plain input struct its model takes, so the models never touch a
// control. Values are the controls' own (slider values, selector texts); the models convert.
#pragma once

#include "analysis/PhysicalCode.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace ui {

class Main;

// Set_TyrePressure(0..3), kPa per wheel.
vehicle::TyreSetupInputs ReadTyreSetupInputs(const Main& form);
// Live_TyreTemp(0) front and (1) rear, deg C; Live_TyreWear, per cent.
vehicle::LiveTyreInputs ReadLiveTyreInputs(const Main& form);
// Set_AeroWingAngle(0) front and (1) rear, whole degrees (0..255).
vehicle::AeroSetupInputs ReadAeroSetupInputs(const Main& form);
// Set_HandicapMass, Set_HandicapMassPos, Set_Pass(0..3) texts, Live_FuelLoad.
analysis::MassInputs ReadMassInputs(const Main& form);

}  // namespace ui
