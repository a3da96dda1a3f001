// The benchmark table: the round target speeds and distances at which the acceleration and
// deceleration runs are measured (0-100 km/h, the quarter mile, ...), one set per speed unit,
// held in SI units. Readers always take the column of the selected speed unit, so the
// benchmarks are round figures in the unit the user sees. Built once at start-up.
#pragma once

#include <array>
#include <cstddef>

namespace core {

inline constexpr std::size_t kAccTargetUnits = 5;  // speed units: m/s, km/h, mph, kn, ft/s
inline constexpr std::size_t kAccTargetRows = 7;   // rows 0-4 speeds (m/s), 5-6 distances (m)
inline constexpr std::size_t kAccTargetFirstDistance = 5;

struct AccTargetsState {
    // AccTargets[speed unit index][row]
    std::array<std::array<double, kAccTargetRows>, kAccTargetUnits> AccTargets{};
};

AccTargetsState& AccTargetTable();

void InitAccTargets();

}  // namespace core
