// Captions of the gear table of module GearingCode: the per-gear results of CalcGearing in the
// user's units, with the warning colours of the shift figures.
// ui/main/displays/AeroGearingDisplays.hpp writes them into the "Gear ratio calculator" frame.
//
// Rows 0..7 (0 reverse) of engine speed before the shift, speed at the shift, overall ratio
// and cruising engine speed; rows 1..6 of engine speed after the shift, its drop (absolute and
// relative) and the speed gained. Rows above the number of gears show what the arrays hold.
// Engine speeds use the angular-velocity unit, road speeds the speed unit; values with no
// finite figure read "N/A".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Caption.hpp"

namespace vehicle {

// Text colours of the shift figures, set before their captions: the system's button-text
// colour normally; red for a shift above the limit speed or a speed above the top speed (while
// there is one to show); blue for an engine speed after the shift below the start of the
// torque plateau. The ratios, the cruising engine speeds and the other columns leave their
// labels' colour as it is.
inline constexpr uint32_t kGearingNormalColour = core::kCaptionButtonText;
inline constexpr uint32_t kGearingWarnRed = 0x0000FF;   // 0xBBGGRR
inline constexpr uint32_t kGearingWarnBlue = 0xFF0000;  // 0xBBGGRR

inline constexpr int kGearingAreaLabel = 1;  // GearingLabel index of the torque-curve area

// The gear table's captions (GearingRevsPreShift .. GearingSpeedGained, GearingLabel) in
// writing order, from GearingCode(), the current engine's limit
// speed and torque plateau start, AeroCode().TopSpeed and the unit system. Without
// `topSpeedShown` (the top speed reads "N/A": AeroDisplay.hpp's TopSpeedShown) no speed at a
// shift is marked against it.
std::vector<core::Caption> BuildGearingTableCaptions(bool topSpeedShown);

}  // namespace vehicle
