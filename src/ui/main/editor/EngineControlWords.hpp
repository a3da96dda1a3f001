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

// The refusal's words: each figure by its control's caption, moved the way that control moves
// it (a slider is no factor of its own: the figure is taken "with" it), and a control whose
// figure in `shown` (the engine the editor would store) is at the end it would be moved past
// left out of the advice. "Power needs more torque: Peak power with Power reduction (107.9 kW)
// at Peak power speed with Shift power (523.6 rad/s) needs 206 Nm, more than 1.02 x Peak torque
// (200 Nm): lower Peak power, or raise Power reduction, Peak power speed, Shift power or Peak
// torque". Refers to `shown` for as long as it is used.
vehicle::FieldWording EngineControlWording(const vehicle::EngineFigures& shown);

// The rules the red engine boxes break, in the order of the problems: each engine box out of
// its range with that range in the unit shown ("Peak torque must be from 2 to 500000 Nm"), and
// each engine speed out of order ("Idle point must be below Peak torque speed"), joined by
// "; ". Empty where the problems name none.
std::string BrokenEngineBoxRules(const Main& form,
                                 const std::vector<vehicle::VehicleProblem>& problems);

}  // namespace ui
