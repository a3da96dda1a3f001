// The main window's side of the aerodynamic captions, of the gear table and of the
// differential captions: each writer reads the controls its captions show as set, has the
// texts computed (vehicle/AeroDisplay.hpp, vehicle/GearingTable.hpp, vehicle/GearingDiffs.hpp)
// and writes them into the labels. Charts are not drawn here.
#pragma once

namespace ui {

class Main;

// The aerodynamic captions: Analysis_AeroLabel 10..77 (with the aero balance's colour and
// tool tip), the wing angles Set_AeroLabel 2 and 3, and the live speed Set_LiveLabel 104.
void ShowAeroAnalysis(Main& form);

// The gear table of the "Gear ratio calculator" frame: GearingRevsPreShift, GearingSpeed,
// GearingReduction, GearingCruisingRevs (0..7), GearingLabel 1 (the torque-curve area),
// GearingRevsPostShift, GearingRevsDropAbs, GearingRevsDropRel, GearingSpeedGained (1..6).
void ShowGearingTable(Main& form);

// The differential captions from the stored parameters and the type selectors.
void ShowDiffSettings(Main& form);

}  // namespace ui
