// The gearing speed chart: engine speed (y) over road speed (x) for every gear, as straight
// lines from the gearing results, with optional lines at the peak power speed, the start of
// the torque plateau and the rev limit.
#pragma once

#include "platform/Surface.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace charts {

// A point at road speed v (m/s) and engine speed e (rad/s) lies at x = 15 + v x xScale,
// y = ScaleHeight - 15 - e x yScale; the steps are m/s and rad/s between grid lines. Reads
// the gearing results (SpeedAtShift, ShiftRevs, PostShiftRevs), the current vehicle's
// HasReverse and NumGears, the options GearSpeedStyle, DrawPeakPowerLine, DrawPeakTorqueLine
// and DrawRevLimiterLine, and the speed and angular-velocity units. Leaves DrawWidth at 3.
// A scale that is not a finite number draws the grid, axes and titles only.
void DrawGearSpeedChart(platform::Surface& s, const vehicle::EngineRecord& engine, float xScale,
                        float xStep, float yScale, float yStep);

// The highest road speed (m/s) the chart's gear lines reach: the largest SpeedAtShift of the
// forward gears drawn (gear 1 to NumGears, at most 7) and of reverse when the vehicle has one.
// With the gears in their usual order that is the top gear's, but a top gear set shorter than
// the others, or a reverse taller than the top gear, is passed by another line.
float GearLinesTopSpeed();

// The angular-velocity axis title: "Angular velocity" for the first unit (rad/s), "Rotational
// velocity" for the others.
const std::string& AngularVelocityTitle();

}  // namespace charts
