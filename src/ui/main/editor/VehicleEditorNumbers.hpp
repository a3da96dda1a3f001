// The vehicle editor's numbers both ways: the figure typed in a box (in its display unit) as
// the Single the record keeps, and the text the fill writes for a record field, which is the
// shortest that reads back to that very Single. So the boxes show "0.52" for a field the data
// page shows as 0.52 (not its Single's widened digits "0.519999980926514"), and storing an
// unchanged vehicle changes no byte of it.
#pragma once

#include <string>

namespace ui {

// A typed figure divided by its unit factor (display units per internal unit), as a Single.
// The boxes take any text, so a figure beyond the Single range is held at the largest Single
// rather than stored as infinity; text that is no number has been read as 0 already.
float StoredSingle(double typed, double unitFactor);
// An engine speed typed as an angular velocity in the chosen unit, as rpm (divided by the
// unit factor and the rpm constant in double precision before the Single is made).
float StoredRpm(double typed);

// The text of a field shown as field x unitFactor: the fewest significant digits that
// StoredSingle reads back to the same Single.
std::string FieldText(float field, double unitFactor);
// The text of an engine speed held in rpm, shown as an angular velocity in the chosen unit.
std::string SpeedFieldText(float rpm);

}  // namespace ui
