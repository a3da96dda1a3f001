// Captions of the steering and camber state (SteeringCode()) in the user's units. The texts are
// computed here; ui/main/displays/SteeringTyreDisplays.hpp writes them into the main window's
// labels.
//
// Angle text: RoundToDecimals(radians x angle factor, angle decimals) as text and the angle
// unit's suffix ("1.25°"). Sided angle text: the angle text of the magnitude followed by
// " Right" (positive: the wheel's front turned to the right) or " Left"; a value of exactly 0
// reads "Straight", or "N/A" where there is nothing to show at 0 (the Ackermann-induced
// angles). A value that is not finite reads "N/A".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Caption.hpp"

namespace analysis {

// The captions of the steering state, in writing order: Set_LiveLabel 108, Set_TyreLabel 8
// and 9 (camber adjustment of the front and rear pair), Set_SteerLabel 100..105 (settings),
// Analysis_SteeringLabel 100..125 (live geometry and the camber contributions per wheel).
// `out` is refilled.
void SteeringAnalysisCaptions(std::vector<core::Caption>& out);

// ---- Text forms ----

// "1.25°" in the selected angle unit; "N/A" for a value that is not finite.
std::string AngleText(float radians);
// "1.25° Right", "1.25° Left", or `zeroText` for exactly 0.
std::string SidedAngleText(float radians, std::string_view zeroText);

}  // namespace analysis
