// The integral of the full-throttle curve every figure uses (vehicle/engine/EngineCurve.hpp), in
// closed form span by span of the record's Curve, summed in double.
#pragma once

#include "vehicle/engine/EngineRecord.hpp"

namespace vehicle {

// The integral (N m x rad/s) of the engine's full-throttle torque from a to b (rad/s); 0 when b
// is not above a. Nothing below idle.
double TorqueCurveArea(const EngineRecord& engine, double a, double b);

}  // namespace vehicle
