// The setting handlers' module state: the routines they call (filled by InstallSettingHandlers,
// replaced by counters in tests), the values they own, and where a person's edits of the number
// boxes stand. Displays and tool windows read it without reaching the handlers.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/Numbers.hpp"

namespace ui {

// The routines the handlers call, by their program names. Each acts on the main window.
struct SettingRoutines {
    std::function<void()> CalcMassesAndCentreOfGravity;
    std::function<void()> AnalyseLiveState;
    std::function<void()> UpdateTyreAnalysis;
    std::function<void()> BuildAeroSpeedTable;
    std::function<void()> CalcGearing;
    std::function<void()> CalcSteeringGeometry;
    std::function<void()> PlotSteeringGeometry;
    std::function<void()> SetBrakeTorques;
    std::function<void()> ShowBrakeSettings;
    std::function<void()> SetDiffParams;
    std::function<void()> ShowDiffSettings;
    std::function<void()> RecalculateAll;
    // The acceleration routines take the time step (s) by reference, as the run keeps it.
    std::function<void(float& timeStep)> RunAccelerationAnalysis;
    std::function<void(float& timeStep)> SearchAccRun;
    std::function<void(float& timeStep)> DrawAccGraph;
    std::function<void()> RunDecelerationAnalysis;
    std::function<void()> SearchDecRun;
    std::function<void()> DrawDecGraph;
    std::function<void()> DrawSuspResponseChart;
    std::function<void()> DrawAeroSpeedChart;
    std::function<void()> ShowTyreAnalysis;
    std::function<void()> DrawTyreDiagrams;
    std::function<void()> DrawGearingGraph;
    // Tool windows opened from the analysis pages (modeless, created on first use).
    std::function<void()> ShowDragRaceWindow;
    std::function<void()> ShowGearingAutoSpacer;
    std::function<void()> ShowMakeLevelRide;
};

// Where a person's edit of one number box stands. Typing changes the text key by key; the
// edit is committed by Return or by the box losing the focus, and only then run the rules that
// change other boxes. A text that holds no valid value at the commit gives way to the value
// the box held before the edit.
struct TypedEdit {
    bool KeyTyped = false;      // a key was typed: the next Change is the person's
    bool Focused = false;       // the box has the focus (between GotFocus and LostFocus)
    bool Uncommitted = false;   // the person changed the text since the last commit
    std::string LastValidText;  // the last valid text written by code or committed ("": none)
};

// The gear-ratio boxes (index 0 reverse, 1..7 forward gears, 8 final drive).
struct GearRatioEditState {
    std::array<TypedEdit, 9> Boxes;
    std::array<bool, 9> SliderFromText{};  // the box's own handler is moving its slider
    // While a person's edit goes on: the typed ratio that the slider shows and the analyses
    // read ("": none yet, they keep the ratio before the edit).
    std::array<std::string, 9> FollowedText;
};

// The search boxes of the two runs (0 from speed, 1 to speed, 2 distance).
struct SearchEditState {
    std::array<TypedEdit, 3> Acc;
    std::array<TypedEdit, 3> Dec;
    bool Converting = false;  // being rewritten in a new unit: the unit's redisplay searches
};

struct SettingHandlersState {
    SettingRoutines Routines;
    // "Deflate tyres" is ticked. Stored only: no analysis reads it.
    core::VbBool TyresBlown = core::VbFalse;
    // The aerodynamic speed chart shows lift (true) or the resistances (false).
    core::VbBool AeroGraphMode = core::VbFalse;
    GearRatioEditState GearEdits;
    SearchEditState SearchEdits;
};

SettingHandlersState& SettingHandlers();

}  // namespace ui
