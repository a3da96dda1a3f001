// The steering plan (axle lines, steering arms, track rod, the wheels with their direction
// lines and, in the full view, the rear wheels and the Ackermann check lines) and the camber
// diagram (one axle's two wheels from the front with their live camber). Both are drawn about
// the centre of the surface; scale is twips per metre.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Surface.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

// One wheel as a turned outline (black) centred at (W/2 + scale x xOffset / 2,
// H/2 - scale x yOffset / 2), turned by `angle` (rad, clockwise on screen), with a blue
// direction line about 8 m long unless noDirectionLine is not 0. `front` picks the side the
// line runs to.
void DrawWheelOutline(platform::Surface& s, const vehicle::TyreState& tyre, float angle, bool front,
                      float scale, float xOffset, float yOffset, uint8_t noDirectionLine);

// The plan view: wheelAngle the road-wheel angles (rad, wheel order), armAngle the two
// steering-arm directions (rad), offset the distance between the axle lines drawn (m: 0 in the
// close-up view, the wheelbase in the full view). Reads the current vehicle's wheelbase and
// tracks, the wheels' tyres (TyreCode) and the view (SteeringCode().ToeDiagramMode: 1 full).
void DrawSteeringDiagram(platform::Surface& s, const std::array<float, 4>& wheelAngle,
                         const std::array<float, 2>& armAngle, float scale, float offset);

// The front axle's wheels (SteeringCode().CamberDiagramMode 0) or the rear axle's from the
// front, leaning by their camber (rad; positive leans the tops outwards).
void DrawCamberDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                       const std::array<float, 4>& camber, float scale);

// The views' usual scales leave room around an ordinary car, but they are set by one track
// (or by the wheelbase alone in the full plan), so a track far wider than that, or a car much
// narrower than its other axle, would be drawn past the picture's edges. These return
// `scale` (twips per metre) or, where the current car's view would not fit `s` at it, the
// largest scale at which it does: every wheel at its angle (rad, wheel order; the camber's
// sign does not matter), the axle lines and the steering arms inside; in the plan the
// "Front" and "Rear" labels keep their lines. Wheel direction lines and Ackermann check lines
// are rays and may leave the picture. A scale that is not finite is returned as it is
// (nothing can be drawn at it).
float SteeringPlanScaleWithin(const platform::Surface& s, float scale, bool fullView,
                              const std::array<float, 4>& wheelAngle);
// The camber diagram of the axle SteeringCode().CamberDiagramMode shows.
float CamberScaleWithin(const platform::Surface& s, float scale,
                        const std::array<float, 4>& camber);

}  // namespace charts
