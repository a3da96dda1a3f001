// The numbers of a figure's box both ways, for the vehicle editor and for the check that judges
// what the editor stores: the figure typed in a box (in its display unit) as the Single the
// record keeps, and the text a box shows of a record field. That text is the shortest that
// reads back to that very Single when it fits the box ("0.52" for a field the data page shows
// as 0.52, not its Single's widened digits "0.519999980926514"). When it does not fit, the box
// shows the nearest text that fits, whose figure the field's range takes and which, typed back,
// adds no problem to the vehicle (a cross-check at its limit), so every figure a vehicle file
// may hold shows in every unit without a red box, and typed back as shown turns none red: 5 m
// in inches as "196.9" (not "196.95", a character too long, nor "197", beyond 5 m), 100 m² in
// square inches as "155E3", 8000.002 rpm as "8000" (not "8E3"). A figure within the check's
// slack of zero shows as "0" there ("-2.5387104E-11" m in five characters), and no text is ever
// longer than its box. The order of the engine speeds (vehicle/EngineSpeedOrder.hpp)
// takes a speed typed as a box shows another as equal to it, so the texts are worked out here,
// below the check, once for both.
#pragma once

#include <functional>
#include <string>

#include "vehicle/VehicleFieldRanges.hpp"

namespace vehicle {

// A typed figure divided by its unit factor (display units per internal unit), as a Single.
// The boxes take any text, so a figure beyond the Single range is held at the largest Single
// rather than stored as infinity; text that is no number has been read as 0 already.
float StoredSingle(double typed, double unitFactor);
// An engine speed typed as an angular velocity in the unit of `arvFactor` (display units per
// rad/s), as rpm (divided by the unit factor and the rpm constant in double precision before
// the Single is made).
float StoredSpeed(double typed, double arvFactor);

// Whether a record figure, put in the record the editor would store in place of the box's
// field, adds no problem of the vehicle check that the field's own figure does not have.
using FigureJudge = std::function<bool(float figure)>;

// The text of a field shown as field x unitFactor in a box of `maxLength` characters (0: no
// limit), as above; `range` is the field's. Without `addsNoProblem` the range alone judges.
std::string FieldBoxText(float field, double unitFactor, int maxLength, const FieldRange& range,
                         const FigureJudge& addsNoProblem = {});
// The text of an engine speed held in rpm, shown as an angular velocity in the unit of
// `arvFactor` (display units per rad/s).
std::string SpeedBoxText(float rpm, double arvFactor, int maxLength, const FieldRange& range,
                         const FigureJudge& addsNoProblem = {});

}  // namespace vehicle
