// Which setting controls the "Vehicle Settings" page offers for the current vehicle, within
// which ranges and with which choices. In compatibility mode, for a vehicle that is one of the
// simulator's cars, the page follows that car's row of the simulator car table (fixed or
// adjustable caster, steering lock, fixed reverse ratio, anti-roll bars, differential types,
// tyre compounds, ABS, throttle, traction control and roof options); otherwise it offers the
// program's full ranges.
//
// Everything here writes the main window (core::GlobalChassisLab().MainForm) and does nothing
// when there is none. Control writes raise the controls' own events as a person's change
// would; the handlers that must not recalculate meanwhile test SetupControlsBusy.
#pragma once

#include "core/SliderRanges.hpp"

#include <string_view>

#include "core/Numbers.hpp"

namespace ui {

using core::kProgramMaxSteerLock;
// The one simulator car whose rear wheels have caster: tenths of a degree.
inline constexpr std::string_view kRaceAboutName = "RaceAbout";
inline constexpr int kRaceAboutRearCaster = 150;

// True when the simulator's setup rules apply to the current vehicle: compatibility mode is on
// and the vehicle is one of the simulator's cars.
bool SimulatorCarSetup();

// Sets the ranges, choices and visibility of the setting controls for the current vehicle,
// with SetupControlsBusy raised for the whole call. Slider values not concerned keep their
// positions; a drop-down whose text is no longer offered falls back to a default choice.
void ConfigureSetupControls();

// Fills both tyre compound lists with all nine compounds and chooses "Road Normal" (start-up,
// before any vehicle is known), with SetupControlsBusy raised.
void FillProgramTyreCompoundLists();

// Shows or hides the reverse gear's ratio slider and text box.
void ShowGearRatioControls(bool show);
// Shows or hides the simulator-only extras: the "Tyre brand" frame and the intake restriction
// row (caption, value and slider).
void ShowSetupExtraControls(bool show);
// Shows or hides the traction-control slip ratio and slip speed rows with their note.
void ShowTractionControlControls(bool show);

// The work of the options window's switches "Use simplified (2-way) clutch pack
// differentials" and "Use simplified dampers" (their check boxes' click handling): store the
// option and tie the coast locking sliders to the power locking sliders, or the bump damping
// sliders to half the rebound damping sliders, greying the followers; switching off frees them
// without changing their values. The slider writes run the sliders' own handlers.
void ApplySimplifiedDiffs(bool on);
void ApplySimplifiedDampers(bool on);

// Sets the options window's "Use simplified dampers" and "Use simplified (2-way) clutch pack
// differentials" boxes, whose click handling then ties the main window's sliders (used when
// a simulator car's row decides them). Without a window the same work is done directly.
void SetSimplifiedDampersSwitch(bool on);
void SetSimplifiedDiffsSwitch(bool on);

}  // namespace ui
