// Whether the acceleration and deceleration runs can start with the current vehicle and setup.
//
// A tyre whose deflection under its static load reaches its whole sidewall stands on its rim:
// the load is too heavy for its size at its pressure. Its contact patch, grip and rolling
// resistance are beyond what the tyre model describes, and a run on it would show figures of
// nothing real (a vehicle that never moves, a top speed of 0). Both runs refuse such a vehicle;
// a refused run stores no run, and its page shows no figures. The models say nothing to the
// user: the main window's chain shows RunRefusalText in a message box.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace analysis {

// A tyre pressed through its whole sidewall at standstill.
struct BottomedTyre {
    int Wheel = 0;         // 0 front left, 1 front right, 2 rear left, 3 rear right
    float Load = 0.0f;     // N, the static corner load
    int32_t Pressure = 0;  // Pa, inflation pressure
};

// The first tyre (in wheel order) of the current vehicle that its static corner load presses
// through its whole sidewall, or none. Reads the live tyre states and the static corner loads.
std::optional<BottomedTyre> FindBottomedTyre();

// Why the runs cannot start, naming the tyre, its load and its pressure in the display units;
// empty when they can.
std::string RunRefusalText();

}  // namespace analysis
