// The vehicle editor's input checks. Every edit box's change handler judges again the record
// a store would write now (VehicleToStore: the boxes read in their display units, the figures
// of untouched boxes as filled) with the one check of a vehicle (vehicle/VehicleCheck.hpp),
// the same the vehicle file reader makes: each box a problem names turns red (window
// background otherwise), the boxes' flags and the cross-checks' flags follow, the engine
// preview is redrawn, and the store buttons are enabled only while every flag holds. Nothing
// typed is ever changed or refused: a bad value only turns its box red and keeps the store
// buttons disabled. An empty box reads 0, refused unless 0 lies in its range; but an engine
// box left empty holds no figure and is refused whatever its range (read as 0 it would store
// an engine nobody typed; the engine preview says it needs one), where a 0 typed is judged as
// any figure.
#pragma once

#include "ui/main/editor/EditorInputFlags.hpp"

namespace ui {

class Main;

// The inputs a vehicle of the editor's drive type must have valid before it can be stored
// (all of them for a wheel-driven vehicle; without the hidden engine and drive-train inputs for
// one that is not wheel driven), and a selection in every list the store reads.
bool EditorInputsComplete(const Main& form);

// Judges the record, colours the boxes, sets the flags, redraws the engine preview and sets the
// dyno throttle's and the store buttons' enabled states. Returns at once while the editor is
// being filled.
void ValidateVehicleEditorInputs(Main& form);

// Installs the change handlers of the checked boxes (and the list selections that take part
// in the store buttons' state).
void InstallVehicleEditorChecks(Main& form);

}  // namespace ui
