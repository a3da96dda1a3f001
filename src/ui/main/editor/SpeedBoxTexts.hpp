// The texts of the vehicle editor's engine-speed boxes, chosen together. A box too short for
// its speed's exact text shows the nearest text that, typed back alone, adds no problem to the
// record (FilledRecordCheck). Speeds in order but a hair apart, or a hair out of order within
// the slack of their order (vehicle/EngineSpeedOrder.hpp), may each show their own nearest
// text, and typed back together those texts need not keep the order: a power peak at
// 4899.997 rpm and a torque peak at 4900 rpm, without a plateau, show as 81.6666 and 81.6667
// rps. Where the texts typed back together add a problem, each box's text is chosen again, in
// the order of the engine controls, against the others: those chosen before it as typed back,
// and the speeds after it at their own figures (then, should a problem remain, every box's
// text). A box keeps its text unless that adds a problem naming its speed; else it shows the
// nearest text that adds none such and none typed back alone: of those that fit it, or the
// text of another speed's box (equal texts keep any order). So ordered speeds get texts in
// order, or the same text; and where the texts typed back together already pass, each box
// shows its own nearest text.
#pragma once

#include <array>
#include <iterator>
#include <string>

#include "ui/main/editor/FilledRecordCheck.hpp"
#include "ui/main/form/EngineControls.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

// A text for each engine control, at its place in kEngineControls: its speed's text for an
// engine-speed box, empty for any other control.
using EngineSpeedTexts = std::array<std::string, std::size(kEngineControls)>;

// The texts of the engine-speed boxes of `form` (their lengths) for the speeds of `engine`,
// in the unit of angular velocity chosen. `engine` is the engine of the record `check`
// judges.
EngineSpeedTexts ChooseEngineSpeedTexts(const Main& form, vehicle::EngineFigures& engine,
                                        const FilledRecordCheck& check);

}  // namespace ui
