// How far moving one engine figure alone goes towards clearing an engine-figure refusal
// (VehicleProblem::Figures), judged by the one check of a vehicle itself: the figure is moved
// as far as it may go the way the refusal's advice moves it (the end of its range, for a shape
// figure its slider's end; for an engine speed no further than the speed an order of the
// speeds meets, vehicle/EngineSpeedOrder.hpp) and the record judged again. The vehicle
// editor advises a control by it, so its advice never names a move the check would refuse.
#pragma once

#include "vehicle/VehicleProblem.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

// The reach of `move` in `record`, which the check refuses with `refusal` (of `record`'s own
// problems, with Figures). Clears where the record judged again holds no problem of the
// refusal's kind and its speeds are still in order. Some value on the way then passes both
// engine-figure checks: the two shares they judge multiply to the power reduction factor
// times the plateau's end over the shifted power-peak speed, at most 1 while the speeds are
// in order (the factors only lower the power and raise its speed), so where the share refused
// just reaches its margin the other lies below 1. A field that is none of the
// engine's figures is taken to clear it.
MoveReach ReachOfMove(const VehicleRecord& record, const VehicleProblem& refusal,
                      const FieldMove& move);

}  // namespace vehicle
