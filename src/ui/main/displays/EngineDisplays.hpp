// The engine curve on the main window: the dyno graph (torque and power against engine speed)
// on the vehicle data page's TorquePowerPlot, and the state the editor's engine preview
// (editor/EnginePreview.hpp) shares with the torque data table window.
#pragma once

#include <string_view>

#include "core/Numbers.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace ui {

class Main;

struct EngineDisplaysState {
    // The torque data table window is open (it is opened only while the editor is).
    core::VbBool TorqueTableOpen = core::VbFalse;
    // Raised while the preview refills the table; the table's start box then ignores its own
    // change.
    core::VbBool TorqueTableFilling = core::VbFalse;
    // Invalid engine inputs of the editor at the last preview (0: the preview was drawn).
    uint8_t EngineInputErrors = 0;
};

EngineDisplaysState& EngineDisplays();

// Draws the engine's torque and power curves on TorquePowerPlot (with the scanned peaks while
// the editor is open, and the editor's refusal of the figures above the curves where it gives
// one, each engine control's caption kept on one line) and redraws the open graph windows that
// show the engine curve. Leaves the record's Speed, Torque and Power at the last sample.
void DrawDynoGraph(Main& form, vehicle::EngineRecord& engine, std::string_view refusal = {});

// Clears TorquePowerPlot: a vehicle that is not wheel driven has no engine curve.
void ClearDynoGraph(Main& form);

// TorquePowerPlot with no curve, only `rules` in red at its top (captions kept whole, as
// above): the editor's engine boxes hold no engine, and these are the rules they break.
void DrawDynoRules(Main& form, std::string_view rules);


}  // namespace ui
