// Handlers of the main window's setting and live controls and of the analysis pages' own
// inputs (run buttons, graph selectors, search boxes, diagram modes).
//
// The vehicle setup and the live state are the positions and texts of these controls; the
// handlers only test the guard flags, copy values between controls, store the few values they
// own and call the recalculation and display routines, which write their own captions and
// redraw their own charts.
//
// Slider handlers: every slider has one working handler. It runs on the thumb being dragged
// (Scroll) and on a click; for most sliders it also runs on any change of value (Change),
// so a value written by code runs it too. Set_BrakeMaxTorque, Set_BrakeBalance and
// Set_TyreCamber run it on Scroll and Click only: a value written by code (a setup being
// applied, the left/right copy) runs nothing. A handler stores what it must whatever the
// flags; only its recalculation is guarded.
//
// The routines are reached through SettingHandlers().Routines, filled with the window-level
// routines by InstallSettingHandlers; an empty slot is skipped. Tests replace slots with
// counters.
//
// Program-wide state: SettingHandlers() (SettingHandlersState.hpp). InstallSettingHandlers
// resets it.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/Units.hpp"
#include "ui/main/inputs/SettingHandlersState.hpp"

namespace platform {
class Slider;
class TextBox;
}

namespace ui {

class Main;

// The routines of the tree that act on GlobalChassisLab().MainForm (looked up at each call,
// so a routine outlives no window).
SettingRoutines DefaultSettingRoutines();

// Resets SettingHandlers() with the default routines and attaches every handler of this unit,
// of the differential panels and of the gear-ratio rows to the window's controls. Run once
// the window's layout is built; running it again re-attaches the same handlers.
void InstallSettingHandlers(Main& form);

// ---- Guards: which flags allow a handler's recalculation ----
bool AutoRecalcOn();         // AutoRecalc is True
bool RecalcAllowed();        // AutoRecalc True and SuppressRecalc False
bool RecalcAllowedLoaded();  // also FormLoading False and at least one vehicle loaded
bool NotSuppressed();        // SuppressRecalc False (AutoRecalc not tested)
bool NotLoading();           // FormLoading False

// Attaches a slider's working handler: on Scroll and Change (a value written by code runs it),
// or, with userOnly, on Scroll and Click (code writes run nothing).
void BindSlider(platform::Slider& slider, std::function<void()> handler, bool userOnly = false);

// ---- Typed edits of number boxes ----
// A key typed into the box: true for Return, which commits the edit; any other key that
// edits the text makes the next change the person's.
bool TypedEditKey(TypedEdit& edit, int keyAscii);
// Whether the change being handled is the person's (a typed key, or any change while the box
// has the focus). A person's change leaves the edit uncommitted; a change by code replaces it.
bool TakePersonEdit(TypedEdit& edit);
// Writes the text as code does, even while the box has the focus.
void WriteAsCode(platform::TextBox& box, TypedEdit& edit, const std::string& text);

// Rewrites the run searches' boxes that hold a quantity (speed: both speeds; large distance:
// the distance) from the old display unit into the new one, so that the searches ask the same
// question after a change of unit. Searches nothing: the unit's redisplay reruns them.
void ConvertSearchInputs(Main& form, core::Quantity q, double oldFactor, double newFactor);

// Plays a sound file of the program folder asynchronously; `name` becomes the full path. A
// file that is missing or empty plays nothing and shows no message.
void PlayWaveFile(std::string& name);

// ---- Handlers, one per control and event (arrays pass the index) ----
// Brakes, traction control and throttle
void Set_BrakeMaxTorque_Scroll(Main& form);
void Set_BrakeBalance_Scroll(Main& form);
void Set_EBR_Scroll(Main& form);
void Set_TCSlipRatio_Scroll(Main& form);
void Set_TCSlipSpeed_Scroll(Main& form);
void Set_ABS_Click(Main& form);
void Set_TC_Click(Main& form);
// Suspension
void Set_SuspSpringTravel_Scroll(Main& form, int index);
void Set_SuspSpringStiffness_Scroll(Main& form, int index);
void Set_SuspBumpDamp_Scroll(Main& form, int index);
void Set_SuspReboundDamp_Scroll(Main& form, int index);
void Set_SuspARBStiffness_Scroll(Main& form, int index);
// Steering
void Set_SteerToe_Scroll(Main& form, int index);
void Set_SteerCaster_Scroll(Main& form, int index);
void Set_SteerAckermann_Scroll(Main& form);
void Set_SteerLock_Scroll(Main& form);
// Tyres
void Set_TyrePressure_Scroll(Main& form, int index);
void Set_TyreCamber_Scroll(Main& form, int index);
void Set_Asym_Click(Main& form, int index);
void Set_TyreCompound_Click(Main& form, int index);
// Downforce, passengers and handicaps
void Set_AeroWingAngle_Scroll(Main& form, int index);
void Set_Pass_Click(Main& form, int index);
void Set_HandicapIntake_Scroll(Main& form);
void Set_HandicapMass_Scroll(Main& form);
void Set_HandicapMassPos_Scroll(Main& form);
// Live settings
void Live_Speed_Scroll(Main& form);
void Live_Throttle_Scroll(Main& form);
void Live_Brake_Scroll(Main& form);
void Live_SteeringAngle_Scroll(Main& form);
void Live_FuelLoad_Scroll(Main& form);
void Live_TyreTemp_Scroll(Main& form, int index);
void Live_TyreWear_Scroll(Main& form);
void Live_BlowTyres_Click(Main& form);
// Analysis pages
void Analysis_AccCalc_Click(Main& form);
void Analysis_DecCalc_Click(Main& form);
void Analysis_AccPrecision_Click(Main& form);
// A search box's change; Return and the focus leaving the box end a person's edit there.
void Analysis_AccSearchInput_Change(Main& form, int index);
void Analysis_DecSearchInput_Change(Main& form, int index);
void Analysis_AccGraphData_Click(Main& form, int index);
void Analysis_DecGraphData_Click(Main& form, int index);
void Analysis_SuspDampGraphCombo_Click(Main& form);
void Analysis_AeroGraphOption_Click(Main& form);
void Analysis_TyreChoice_Click(Main& form);
void Analysis_TyresZoom_Change(Main& form, int index);
void Analysis_SteerToeDiagramMode_Click(Main& form);
void Analysis_SteerCamberDiagramMode_Click(Main& form);
void Analysis_AccWatchRealtime_Click(Main& form);
void Analysis_GearingAutoSpace_Click(Main& form);
void Analysis_SuspMakeLevelRide_Click(Main& form);

// Attach the handlers of one group of controls (InstallSettingHandlers runs them all).
void InstallSetupPageHandlers(Main& form);      // brakes, suspension, steering, misc
void InstallTyreHandlers(Main& form);           // pressures, cambers, symmetry, compounds
void InstallLiveHandlers(Main& form);           // live settings page
void InstallAnalysisInputHandlers(Main& form);  // analysis pages' own inputs
void InstallDiffHandlers(Main& form);           // differential panels (DiffSettings.cpp)
void InstallGearRatioHandlers(Main& form);      // gear-ratio rows (GearRatioInputs.cpp)

}  // namespace ui
