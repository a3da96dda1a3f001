// Captions of the physical analysis (masses and centres of gravity) and of the live-state
// analysis, in the user's units. The texts are computed here from the program-wide results;
// ui/main/displays/LiveDisplays.hpp writes them into the main window's labels.
//
// Display rule: a value is RoundToDecimals(internal x unit factor, unit decimals) as text,
// followed by the unit's suffix (core::UnitValueText). A share s reads RoundToDecimals(s x 100,
// 2) and "%". A value that has no meaning for the vehicle (a share of a total mass of 0, a
// ratio to an unsprung mass of 0, the fill of a tank that holds nothing) reads "N/A".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Caption.hpp"

namespace analysis {

// Slider values the physical captions show as set.
struct PhysicalCaptionInputs {
    int32_t HandicapIntake = 0;   // Set_HandicapIntake, per cent
    int32_t HandicapMass = 0;     // Set_HandicapMass, kg
    int32_t HandicapMassPos = 0;  // Set_HandicapMassPos, per cent towards the front
};

// Slider values the live captions show as set.
struct LiveCaptionInputs {
    int32_t ThrottlePercent = 0;  // Live_Throttle
    int32_t BrakePercent = 0;     // Live_Brake
};

// The captions (Analysis_PhysLabel, Set_AeroLabel) of the mass results of PhysicalCode(), the wheels' unloaded radii and inertias
// and the power-to-weight ratio, in writing order. `out` is refilled (its strings are reused).
void PhysicalAnalysisCaptions(const PhysicalCaptionInputs& inputs, std::vector<core::Caption>& out);

// The captions (Set_LiveLabel) of the live-state results, in writing order. `out` is refilled.
void LiveAnalysisCaptions(const LiveCaptionInputs& inputs, std::vector<core::Caption>& out);

// ---- Text forms ----

// RoundToDecimals(share x 100, 2) and "%": 0.6 -> "60%".
std::string ShareText(float share);
// Front and rear of a front share with the direction texts: "60% Front / 40% Rear".
std::string LabelledPairText(float frontShare);
// Front and rear of a front share: "60% / 40%".
std::string PlainPairText(float frontShare);
// Two small distances with one suffix: "1 / 1.5 m".
std::string DistancePairText(float first, float second);

}  // namespace analysis
