// The vehicle editor's input checks. Every edit box of a ranged field has a change handler that
// reads the box as a number (in the box's display unit), divides it by the unit factor, tests
// it against the field's range (vehicle/VehicleFieldRanges.hpp), colours the box (window
// background when valid, red when not) and sets the box's flag. After each check
// ValidateVehicleEditorInputs cross-checks the engine speeds, redraws the engine preview and
// enables the store buttons only while every flag holds. Nothing typed is ever changed or
// refused: a bad value only turns its box red and keeps the store buttons disabled.
#pragma once

#include "ui/main/editor/EditorInputFlags.hpp"

namespace ui {

class Main;

// The inputs a vehicle of the editor's drive type must have valid before it can be stored
// (all of them for a wheel-driven vehicle; without the hidden engine and drive-train inputs for
// one that is not wheel driven), and a selection in every list the store reads.
bool EditorInputsComplete(const Main& form);

// The cross-checks of idle, torque peak, power peak and limit speeds, the engine preview, the
// dyno throttle's and the store buttons' enabled states. Returns at once while the editor is
// being filled.
void ValidateVehicleEditorInputs(Main& form);

// Installs the change handlers of the checked boxes (and the list selections that take part
// in the store buttons' state).
void InstallVehicleEditorChecks(Main& form);

}  // namespace ui
