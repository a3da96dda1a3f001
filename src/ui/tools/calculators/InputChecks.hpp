// How the calculators record their input checks: a result type with `Ok` (one flag per box)
// and `Valid` (every check passed).
#pragma once

#include <cstddef>
#include <initializer_list>

namespace tools {

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
