// Captions of the suspension results (springs, roll and pitch stiffness, roll and pitch angles,
// level-ride frequencies, vertical shift, critical damping) and of the suspension setting
// sliders, in the user's units. The texts are computed here from SuspensionCode() and the
// live body pitch; ui/main/displays/SuspensionDisplays.hpp writes them into the main window's
// labels.
//
// Display rule: a value is RoundToDecimals(internal x unit factor, unit decimals) as text,
// followed by the unit's suffix where the caption carries one (the springs frame shows the
// suffix once per row, in a label of its own). A value that cannot be given reads "N/A", never
// "NaN" or "Inf"; so do the corners' vertical loads, wheel deflections and wheel travel
// remaining, worked out from the live wheel loads, while the vehicle tips (vehicle::VehicleTips).
//
// Corner i: 0 front left, 1 front right, 2 rear left, 3 rear right; axle a: 0 front, 1 rear.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Caption.hpp"

namespace analysis {

// Text colours (&HBBGGRR) of the damping-ratio captions.
inline constexpr uint32_t kSuspTextBlack = 0x000000;
inline constexpr uint32_t kSuspTextRed = 0x0000FF;

// Every suspension caption (Analysis_SuspLabel, Set_SuspLabel) from the current results, in
// writing order; only the damping ratios carry a colour. `out` is refilled (its strings are
// reused).
void SuspensionAnalysisCaptions(std::vector<core::Caption>& out);

// ---- Text forms ----

// A pitch angle (rad, positive = front higher): the size in the angle unit with its suffix,
// then " Squat" for 0 and above, " Dive" below 0: -0.01 rad -> "0.01 rad Dive".
std::string PitchAngleText(float radians);
// A damping ratio as a percentage with one decimal: 0.4567 -> "45.7%".
std::string DampingRatioText(float ratio);
// Red above critical damping (a ratio above 1), black otherwise.
uint32_t DampingRatioColour(float ratio);
// "N/A" for a corner without bump damping (-1), else "1.5 : 1".
std::string ReboundBumpRatioText(float ratio);
// "N/A" for a damped frequency of 0 (critically damped or over-damped, or no sprung mass),
// else the frequency with its suffix.
std::string DampedFrequencyText(float hertz);

}  // namespace analysis
