// Readers of the main window's gearing, differential and live-speed controls for the
// drivetrain models. The models take plain input structs; only these functions touch the
// controls.
#pragma once

#include <vector>

#include "vehicle/GearingCode.hpp"
#include "vehicle/GearingDiffs.hpp"

namespace ui {

class Main;

// Set_GearRatioText(0..8) committed texts, Set_GearingTorqueSplitCentre and Live_Speed values.
vehicle::GearingInputs ReadGearingInputs(const Main& form);
// Set_GearingDiffType(0..2) texts; Set_GearingDiffPowerLocking, Set_GearingDiffCoastLocking,
// Set_GearingDiffPreLoad (0..1) and Set_GearingViscousTorque (0..2) values.
vehicle::DiffInputs ReadDiffInputs(const Main& form);

}  // namespace ui
