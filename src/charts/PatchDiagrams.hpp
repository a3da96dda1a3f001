// Two small diagrams drawn about the centre of the surface over a centred grid: the roll
// stiffness diagram (front and rear roll stiffness per sprung mass against the pitch stiffness
// per sprung mass, as two nested trapezoids) and the contact patches seen from above (one
// patch, or the four at their wheel positions). Closed shapes are filled in their outline's
// colour.
#pragma once

#include <array>

#include "platform/Surface.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

// stiffness: the suspension's RollStiffness (six figures per axle, front first; the total and
// the springs per sprung mass at 4 / 10 and 3 / 9); height: the pitch stiffness per sprung
// mass. Scales in twips per unit of those figures, steps in the same units. Green: total,
// blue: springs. Leaves DrawWidth at 2.
void DrawRollStiffnessDiagram(platform::Surface& s, const std::array<float, 12>& stiffness,
                              float height, float xScale, float xStep, float yScale, float yStep);

// One closed trapezoid about the centre: upper edge half-width front x xScale, lower edge
// rear x xScale, half-height height x yScale.
void DrawAxleStiffnessLines(platform::Surface& s, float front, float rear, float height,
                            float xScale, float yScale, platform::Color colour);

// One patch (outline and fill 0x464646), PatchWidth x PatchLength at `scale` (twips per
// metre), centred half the offsets (m) from the centre: callers pass a whole track or
// wheelbase to place a patch half of it away.
void DrawContactPatch(platform::Surface& s, const vehicle::TyreState& tyre, float scale,
                      float xOffset, float yOffset);

// The centred grid (a step of the option TyreContactPatchScale in small-distance display units)
// and one patch, at `scale` or, where the patch would pass the picture's edges at it, at the
// largest scale at which it fills 90 % of the picture.
void DrawContactPatches(platform::Surface& s, const vehicle::TyreState& tyre, float scale,
                        float xOffset, float yOffset);

// The centred grid and the four patches of the current vehicle, front at the top, left wheels
// on the left, at `scale` or at the largest scale at which they fill 90 % of the picture where
// they would pass its edges.
void DrawContactPatchDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                             float scale);

}  // namespace charts
