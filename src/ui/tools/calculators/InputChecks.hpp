// How the calculators record their input checks: a result type with `Ok` (one flag per box)
// and `Valid` (every check passed); and how figures typed into different boxes are held against
// each other.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "ui/tools/calculators/PartRanges.hpp"
#include "vehicle/CheckSlack.hpp"

namespace tools {

// A figure worked out from typed ones is held against a limit other typed figures set with the
// slack of every vehicle check (vehicle::AtMost, vehicle::AtLeast): both come back from their
// Singles a few parts in 1e8 off what was typed (0.05 m is not quite 5 x 0.01 m), so a figure
// typed at the limit counts as on it, and one past it by more is refused. Worked in double.
using vehicle::AtLeast;
using vehicle::AtMost;
inline bool WithinRange(const PartRange& range, double value) {
    return AtLeast(value, range.Min) && AtMost(value, range.Max);
}

// Records one check: the box passes when `pass`; any failure clears the result's validity.
template <typename R>
void Check(R& r, std::size_t box, bool pass) {
    r.Ok[box] = pass;
    if (!pass) r.Valid = false;
}

// Figures that no real part has together: every box that makes them up fails.
template <typename R>
void CrossCheck(R& r, bool pass, std::initializer_list<std::size_t> boxes) {
    if (pass) return;
    for (std::size_t box : boxes) Check(r, box, false);
}

}  // namespace tools
