// Captions of the aerodynamic analysis of module AeroCode: the live state's drag, lift,
// resistances, wheel loads, balance and air figures (LiveAero and the summary values of
// AeroCode()), the set wing angles, the live speed and the top speed, in the user's units.
// The texts are computed here; ui/main/displays/AeroGearingDisplays.hpp writes them into the
// labels.
//
// Text forms: a value is RoundToDecimals(internal x unit factor, unit decimals) followed by the
// unit's suffix; areas get the number only. Angles held in degrees are converted to radians
// first. A front share f reads "f x 100 % / (1 - f) x 100 %" at one decimal. A lift/drag ratio
// is -lift / drag at two decimals followed by " : 1". Anything with no finite value (a ratio
// with no drag, a share of no resistance) reads "N/A", and so do the axle loads, the wheel-load
// share and the rolling resistance with what is made of it (total resistance, its power, the
// drag / rolling share) while the vehicle tips (VehicleTips). The top speed, reached against
// that rolling resistance, reads "N/A" then too, and so do it and the rolling resistance with
// what is made of it while the runs refuse the vehicle (a tyre pressed through its sidewall
// rolls on its rim: analysis/RunRefusal.hpp); the axle loads stay.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Caption.hpp"

namespace vehicle {

// What the aerodynamic captions show as set on the window, and the loaded vehicle's weight
// balance the aero balance is judged against.
struct AeroCaptionInputs {
    int32_t FrontWingAngle = 0;  // Set_AeroWingAngle(0).Value, degrees
    int32_t RearWingAngle = 0;   // Set_AeroWingAngle(1).Value, degrees
    int32_t LiveSpeed = 0;       // Live_Speed.Value, m/s
    float CoGFrontShare = 0.0f;  // VehicleCoG.Y: front share of the loaded vehicle's weight
    // The runs refuse the vehicle: a tyre is pressed through its whole sidewall.
    bool RunsRefused = false;
};

// Text colour of the aero balance (Analysis_AeroLabel 25): black when there is no balance to
// show; otherwise blue when the aero load sits well behind the weight balance, red when it
// sits ahead of it, green when the two match.
enum class AeroBalanceColour : uint8_t { Black, Blue, Red, Green };

inline constexpr int kAeroBalanceLabel = 25;  // Analysis_AeroLabel index of the aero balance

struct AeroCaptions {
    // Analysis_AeroLabel, Set_AeroLabel (wing angles) and Set_LiveLabel (live speed), in
    // writing order, without colours (the balance colour is set after them).
    std::vector<core::Caption> Captions;
    AeroBalanceColour BalanceColour = AeroBalanceColour::Black;
    // Tool tip of the aero balance: "N/A" with no balance, otherwise empty (the caption says
    // it all).
    std::string BalanceToolTip;
};

// The captions of the aerodynamic analysis from AeroCode(), the current vehicle's body
// coefficients and the unit system.
AeroCaptions BuildAeroCaptions(const AeroCaptionInputs& inputs);

// Whether the top speed (AeroCode().TopSpeed) means anything: not while the vehicle tips, nor
// while the runs refuse it (`runsRefused`). Where it does not, it reads "N/A" and no speed is
// judged against it.
bool TopSpeedShown(bool runsRefused);

// The colour of the aero balance `aeroFrontShare` against the weight balance
// `cogFrontShare` (both front shares, 0..1). Green from 0.75 percentage points behind to 0.25
// ahead of the weight balance. A share of 0 (no aero load) is black.
AeroBalanceColour AeroBalanceColourFor(float aeroFrontShare, float cogFrontShare);

}  // namespace vehicle
