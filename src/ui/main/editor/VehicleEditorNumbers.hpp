// The vehicle editor's numbers both ways, in the units chosen: the figure typed in a box as the
// Single the record keeps, and the text the fill writes for a record field
// (vehicle/FieldBoxText.hpp works both out; the order of the engine speeds reads the same
// texts).
#pragma once

#include <string>

#include "vehicle/FieldBoxText.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace ui {

using vehicle::FigureJudge;
using vehicle::StoredSingle;

// An engine speed typed as an angular velocity in the chosen unit, as rpm.
float StoredRpm(double typed);

// The text of a field shown as field x unitFactor in a box of `maxLength` characters (0: no
// limit); `range` is the field's. Without `addsNoProblem` the range alone judges.
std::string FieldText(float field, double unitFactor, int maxLength,
                      const vehicle::FieldRange& range, const FigureJudge& addsNoProblem = {});
// The text of an engine speed held in rpm, shown as an angular velocity in the chosen unit.
std::string SpeedFieldText(float rpm, int maxLength, const vehicle::FieldRange& range,
                           const FigureJudge& addsNoProblem = {});

}  // namespace ui
