// The engine figures the refusal of contradicting figures names, as the vehicle editor shows
// them: each by the caption of the control that sets it (the speed boxes, which sit on the
// "Peak torque:" and "Peak power:" rows, as that figure's speed), moved the way that control
// moves its figure. "Power needs more torque: Peak power with Power reduction (107.9 kW) at
// Peak power speed with Shift power (523.6 rad/s) needs 206 Nm, more than 1.02 x Peak torque
// (200 Nm): lower Peak power, or raise Power reduction, Peak power speed, Shift power or Peak
// torque".
#pragma once

#include "vehicle/EngineFigureWording.hpp"

namespace ui {

const vehicle::FieldWording& EngineControlWording();

}  // namespace ui
