// The graphs of the acceleration and deceleration runs against time, one quantity per picture,
// chosen by its list index. Each fills its picture's width with the whole run, from its first
// to its last row, and its height with the quantity's range, widened to the values drawn
// (charts/RunGraphPlan.hpp).
#pragma once

#include <cstdint>

#include "platform/Surface.hpp"

namespace charts {

inline constexpr int kRunGraphChoices = 10;

// Acceleration run choices: 0 throttle, 1 engine speed, 2 gear, 3 forces (drive force,
// resistance, net force, front-left and rear-left wheel loads), 4 acceleration, 5 speed,
// 6 distance, 7 spring lengths, 8 tyre deflections, 9 fuel in tank. dt is the run's time step
// (s); one point is drawn every 0.1 s. Reads AccelerationCode(), the current engine and
// vehicle, the wheels and the options. Returns false and leaves the picture as it was for a
// choice outside 0..9 or before the first run.
bool DrawAccChart(platform::Surface& s, int choice, float dt);

// Deceleration run choices: 0 brake application, 1 engine speed, 2 gear, 3 forces (braking
// force, resistance, total retarding force, front-left and rear-left tyre loads),
// 4 deceleration, 5 speed, 6 distance, 7 spring lengths, 8 tyre deflections, 9 front brake
// share. Reads DecelerationCode() and the options. Returns false and leaves the picture as it
// was for a choice outside 0..9 or before the first run.
bool DrawDecChart(platform::Surface& s, int choice);

}  // namespace charts
