// The suspension page's charts, each drawn on any surface from the live suspension results
// and scaled from the surface's size.
#pragma once

#include "analysis/SuspensionCode.hpp"
#include "platform/Surface.hpp"

namespace charts {

// The rear view at a scale that fits the wider axle with its tyres in 1 / 1.2 of the width.
void DrawSuspRearView(platform::Surface& s);
// The side view at a scale that fits the wheelbase and the wheels, or the wings when fitted.
void DrawSuspSideView(platform::Surface& s);
// Spring loads per corner (red bars), at least 0.01 N at the top.
void DrawSpringLoadChart(platform::Surface& s);
// Full wheel travel (blue) with the travel left (green) per corner.
void DrawWheelTravelChart(platform::Surface& s);
// Roll stiffness per sprung mass against pitch stiffness per sprung mass, one scale for both
// axes.
void DrawRollStiffnessChart(platform::Surface& s);
// One damped response run (spring travel of the four corners over its 2 s).
void DrawSuspResponse(platform::Surface& s, const analysis::ResponseHistory<float>& travel);

}  // namespace charts
