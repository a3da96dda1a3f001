// How far the text of a vehicle editor's engine-speed box may lie from the speed it shows: the
// box's length, and the slack that the order of the speeds (vehicle/EngineSpeedOrder.hpp)
// and the torque curve's fit both allow a speed typed as a box shows another.
#pragma once

namespace vehicle {

// Characters the vehicle editor's engine-speed boxes hold (the plateau width's holds fewer,
// but no order compares a speed with the width alone): "1047.2" rad/s, "12345.6" rpm, at
// most six significant digits where a speed has a fraction.
inline constexpr int kEngineSpeedTextLength = 7;

// The most (rpm) one speed near `rpm` may pass another and still count as equal in their
// order: half a unit of the last digit a box shows of the speed, in the unit of angular
// velocity where that is largest, and a Single's rounding. The fit takes such speeds as equal.
// Infinite for an infinite speed, NaN for NaN.
double EngineSpeedSlack(double rpm);

}  // namespace vehicle
