// How far a value may pass a bound (or a cross-check's limit) and still count as on it: one
// part in 1e6 of the bound, at least 1e-6. The same for every check of a vehicle, in the
// editor and the file reader alike: a value typed at a bound comes back from its Single (and
// through a unit factor) a few parts in 1e8 off. The order of the engine speeds has a rule of
// its own, for the texts of the editor's speed boxes (vehicle/EngineSpeedOrder.hpp).
#pragma once

#include <algorithm>
#include <cmath>

namespace vehicle {

inline constexpr double kCheckSlack = 1e-6;

inline double CheckSlack(double bound) { return kCheckSlack * std::max(1.0, std::fabs(bound)); }

// Whether a value lies at or below (at or above) a bound, give or take the slack. NaN never.
inline bool AtMost(double value, double bound) { return value <= bound + CheckSlack(bound); }
inline bool AtLeast(double value, double bound) { return value >= bound - CheckSlack(bound); }

}  // namespace vehicle
