#include "core/AccTargets.hpp"

#include "core/Units.hpp"

namespace core {

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit AccTargetsState g_state;
}  // namespace

AccTargetsState& AccTargetTable() { return g_state; }

void InitAccTargets() {
    auto& t = AccTargetTable().AccTargets;
    // A round figure in each speed unit, converted to m/s.
    const auto kmh = [](double v) { return v / kKmhPerMs; };
    const auto mph = [](double v) { return v / kKmhPerMs * kKmPerMile; };
    const auto knots = [](double v) { return v / kKmhPerMs * kKmPerMile / kMilesPerNauticalMile; };
    const auto fps = [](double v) { return v / kFeetPerMetre; };
    const double quarterMile = kMetresPerMile / 4.0;  // 402.336 m

    t[0] = {15.0, 30.0, 45.0, 60.0, 75.0, 500.0, 1000.0};
    t[1] = {kmh(50), kmh(100), kmh(150), kmh(200), kmh(250), 500.0, 1000.0};
    t[2] = {mph(30), mph(60), mph(100), mph(125), mph(150), quarterMile, kMetresPerMile};
    // Distances: a quarter and a whole nautical mile.
    t[3] = {knots(30), knots(60), knots(100), knots(125), knots(150),
            quarterMile / kMilesPerNauticalMile, kMetresPerMile / kMilesPerNauticalMile};
    // Distances: 1000 feet and 6000 feet (1000 fathoms).
    t[4] = {fps(50), fps(100), fps(150), fps(200), fps(250), fps(1000), fps(6000)};
}

}  // namespace core
