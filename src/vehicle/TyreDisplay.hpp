// Captions of the tyre analysis (TyreCode()) in the user's units. The texts are computed here;
// ui/main/displays/SteeringTyreDisplays.hpp writes them into the main window's labels.
//
// Display rule: a value is RoundToDecimals(internal x unit factor, unit decimals) as text,
// followed by the unit's suffix; "a / b" joins two such values, each with its suffix unless
// noted. Shares and grip losses read RoundToDecimals(x 100, 1) and "%". A value that is not
// finite, and every figure of a wheel when no wheel is chosen, reads "N/A"; so does every
// figure of Analysis_TyreLabel 100..117 while the vehicle tips (VehicleTips: all are worked out
// at the wheels' live loads).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Caption.hpp"
#include "vehicle/TyreCode.hpp"

namespace vehicle {

// Slider values and results of other modules the tyre captions show.
struct TyreCaptionInputs {
    LiveTyreInputs Live;                       // Live_TyreTemp(0..1), Live_TyreWear
    int Wheel = 0;                             // Analysis_TyreChoice list index, 0..3
    std::array<float, 4> CornerDynamicLoad{};  // N, live corner loads (mass analysis)
};

// Sidewall height (m) left under load below which the tyre counts as bottomed out.
inline constexpr float kBottomedOutWall = 0.0001f;

// The captions of the tyre analysis, in writing order: Set_TyreLabel 4, 5 (pressures),
// Set_LiveLabel 100..102 (temperatures, wear), Analysis_TyreLabel 100..117 (shares, then the
// chosen wheel's figures). `out` is refilled.
void TyreAnalysisCaptions(const TyreCaptionInputs& inputs, std::vector<core::Caption>& out);

// Colours (0xBBGGRR) of the "Sidewall height remaining:" caption, Analysis_TyreLabel(5).
inline constexpr uint32_t kSidewallNormalColour = 0;         // black
inline constexpr uint32_t kSidewallBottomedOutColour = 255;  // red

// True when the chosen wheel is bottomed out (its remaining sidewall height below
// kBottomedOutWall). False when no wheel is chosen.
bool ChosenTyreBottomedOut(int wheel);
// The colour of the sidewall caption for the chosen wheel: red when bottomed out, else black.
uint32_t SidewallCaptionColour(int wheel);

}  // namespace vehicle
