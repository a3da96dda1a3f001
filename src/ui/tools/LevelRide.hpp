// Spring rates for a level (flat) ride: the rear's ride period is made shorter than the
// front's by the time the vehicle takes to cover its wheelbase at the live speed,
// 1 / f_rear = 1 / f_front - wheelbase / speed.
//
// Rates are N/m at the spring; the main window's spring sliders count units of 100 N/m.
// Axle index 0 front, 1 rear.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tools {

// What the make-level-ride window captures when it opens.
struct LevelRideSnapshot {
    std::array<float, 2> SpringRate{};          // N/m, the sliders' values x 100
    std::array<float, 2> RideFrequency{};       // Hz, mean of the axle's two corners
    std::array<float, 2> LevelRideFrequency{};  // Hz: 0 front matching the rear, 1 rear
                                                // matching the front
};

// What each button reads at the time it is pressed.
struct LevelRideVehicle {
    std::array<float, 2> SprungAxleMass{};  // kg
    std::array<float, 2> MotionRatio{};     // wheel to spring
    float Wheelbase = 0.0f;                 // m
    float LiveSpeed = 0.0f;                 // m/s
};

// Slider values (units of 100 N/m) to write; an empty side is left as it is.
struct LevelRideSliders {
    std::optional<int32_t> Front, Rear;
    bool RearFirst = false;  // the rear slider is written before the front
};

enum class LevelRideAction : uint8_t { Stiffen = 0, Average = 1, Soften = 2 };

// Spring rate (N/m) giving ride frequency f on the axle: the wheel rate for f on half the
// axle's sprung mass, times the motion ratio squared. Single precision.
float SpringRateForFrequency(float frequencyHz, float sprungAxleMass, float motionRatio);
// The slider value of a rate: rate / 100 rounded half to even.
int32_t SpringSliderValue(float rateNm);

// Whether the three level-ride buttons can act: a live speed above 0 and both level-ride
// targets above 0 (at speed 0 the targets are 0 and the formula divides by the speed).
bool LevelRideUsable(const LevelRideSnapshot& s, const LevelRideVehicle& v);

// The sliders a button sets, or nothing when the buttons cannot act. Stiffen moves the axle
// whose target is above its present frequency (the rear when the front target is not above
// the front's frequency), Soften the one whose target is below (the rear on a tie); the other
// axle returns to its rate at opening. Average takes the mean of the front target's rate and
// the front rate at opening and matches the rear to it; the rear is left alone when no rear
// frequency matches (1 / f_front - wheelbase / speed is 0 or below).
std::optional<LevelRideSliders> LevelRideSprings(LevelRideAction action,
                                                 const LevelRideSnapshot& s,
                                                 const LevelRideVehicle& v);

// Both sliders back to the rates at opening.
LevelRideSliders RevertSprings(const LevelRideSnapshot& s);

}  // namespace tools
