// The main window's charts of the masses, the aerodynamics, the gearing, the tyres and the
// steering, each drawn on any surface from the computed results: each works out its scale from
// the surface's size and calls the chart primitives. A scale that has no finite value (a body
// mass, speed range, force or wheelbase of 0) draws the chart's grid, axes and titles only.
#pragma once

#include "platform/Surface.hpp"

namespace charts {

// The four static corner masses as red bars, scaled so that the bare body's heaviest corner
// fills 1 / 1.15 of the height (PhysicalCode, the current vehicle's body, the option
// CornerMassChartScaleY).
void DrawCornerMassChart(platform::Surface& s);
// The same scaled to `height` twips instead of the picture's height (a graph window scales
// the bars by its own inner height).
void DrawCornerMassChart(platform::Surface& s, float height);

// Forces against speed from the aerodynamic speed table up to the top speed: the resistances
// (lift false) or the lifts drawn downwards from the top (lift true).
void DrawAeroSpeedChart(platform::Surface& s, bool lift);
// Static against aerodynamic wheel loads per corner. The bars' scale fits the largest
// aerodynamic load, or `leastTop` (N) when that is larger.
void DrawAeroForcesChart(platform::Surface& s, float leastTop = 0.0f);
// The front share of the aerodynamic load per unit of corner mass, as a balance bar.
void DrawAeroBalanceChart(platform::Surface& s);

// Engine speed against road speed for every gear, filling the surface up to the top gear's
// shift speed and the highest shift point. Grid, axes and titles only for a vehicle that is
// not wheel driven.
void DrawGearingSpeedChart(platform::Surface& s);
// Wheel torque against wheel speed for every gear from the full-throttle engine curve. Grid,
// axes and titles only for a vehicle that is not wheel driven.
void DrawGearingTorqueChart(platform::Surface& s);

// The chosen wheel (0..3) from the side at `zoom` twips per metre.
void DrawTyreSideView(platform::Surface& s, int wheel, float zoom);

// The steering plan (close-up or full view by SteeringCode().ToeDiagramMode) on `plan` and
// the camber diagram on `camber`, both scaled from the plan surface's size.
void DrawSteeringDiagrams(platform::Surface& plan, platform::Surface& camber);
// The steering plan alone, scaled from its own surface's size.
void DrawSteeringPlan(platform::Surface& plan);
// The camber diagram alone, the front axle with its tyres spanning 2/3 of `width` twips
// (smaller where the axle shown would not fit the surface at that scale).
void DrawCamberView(platform::Surface& camber, float width);

}  // namespace charts
