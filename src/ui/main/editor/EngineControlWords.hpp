// The vehicle editor's words for its engine controls (ui/main/form/EngineControls.hpp): each
// named by its caption, in the refusal of engine figures that contradict each other and in the
// rules its red engine boxes break.
#pragma once

#include <string>
#include <vector>

#include "vehicle/EngineFigureRefusalText.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

class Main;

// The refusal's words for `refusal`, a problem of `shown` (the record the editor would
// store): each figure by its control's caption, moved the way that control moves it (a slider
// is no factor of its own: the figure is taken "with" it), and only the controls advised that
// clear the refusal moved alone within their ranges (vehicle/EngineFigureMoves.hpp); where none
// does, those that ease it, of which more than one must move. "Power needs more torque: Peak
// power with Power reduction (107.9 kW) at Peak power speed with Shift power (523.6 rad/s)
// needs 206 Nm, more than 1.02 x Peak torque (200 Nm): lower Peak power, or raise Power
// reduction, Peak power speed, Shift power or Peak torque". Refers to both for as long as it
// is used.
vehicle::FieldWording EngineControlWording(const vehicle::VehicleRecord& shown,
                                           const vehicle::VehicleProblem& refusal);

// The rules the red engine boxes break, in the order of the problems: each engine box out of
// its range with that range in the unit shown ("Peak torque must be from 2 to 500000 Nm"), or,
// holding no figure (EditorFilledFigures.hpp), that it needs one ("Idle point needs a
// figure"); and each order of the engine speeds broken, as the check applies it ("Idle point
// must not be above Peak torque speed": equal speeds pass), an order implied by another named
// left out; joined by "; ". Empty where the problems name none.
std::string BrokenEngineBoxRules(const Main& form,
                                 const std::vector<vehicle::VehicleProblem>& problems);

}  // namespace ui
