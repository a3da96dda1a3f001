// Scale drawings of the vehicle's suspension state: the side view (DrawPitchDiagram) and the
// rear view (DrawRollDiagram), with the tyres standing on a ground band, each corner's spring,
// the body line over the spring tops, an optional axle line and optional markers for the
// centre of gravity and the aerodynamic centres; and the parts they are made of.
//
// A point x metres from the diagram's centre (right positive) and h metres above the ground
// lies at (ScaleWidth / 2 + scale x x, ScaleHeight - 15 - scale x h); scale is twips per
// metre. Closed shapes are filled: the tyres, rims, hubs and markers in their own colour, the
// ground band in whatever fill colour the shape drawn before it left in force.
#pragma once

#include <array>

#include "analysis/SuspensionCode.hpp"
#include "platform/Surface.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace charts {

// A marker 0.02 m in radius, filled and outlined in `colour`, at (W/2 - scale x x, ground -
// scale x height): callers pass x = (0.5 - share) x length, so a larger front or right-hand
// share lands further right.
void DrawPointMarker(platform::Surface& s, float scale, float x, float height, platform::Color colour);

// A wheel from the side, centred at x and the tyre's loaded radius: tyre (less its wear),
// carcass, contact patch, rim and hub, then the ground band.
void DrawSideTyre(platform::Surface& s, const vehicle::TyreState& tyre, float scale, float x);

// A wheel from behind: a box the tyre's width wide, centred at x, from the ground up to the
// loaded plus the unloaded radius.
void DrawTyreFromRear(platform::Surface& s, const vehicle::TyreState& tyre, float scale, float x);

// A corner's spring at x: the full travel in blue and the loaded length in green, both rising
// from the loaded radius + ride height + the corner's TravelLeftDiff.
void DrawSpringLine(platform::Surface& s, const analysis::SuspCorner& corner,
                    const vehicle::TyreState& tyre, float scale, float x, float rideHeight);

// The side view, front axle on the right at +wheelbase / 2. cog: Y the front share, Z the
// height (m); the three heights are those of the undertray, front wing and rear wing centres
// above the ground. Reads the options ShowPitchLiveCoG, ShowPitchUndertrayCentre,
// ShowPitchRearWingCentre, ShowPitchFrontWingCentre and DrawPitchAxleLine.
void DrawPitchDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                      const std::array<analysis::SuspCorner, 4>& susp,
                      const vehicle::VehicleRecord& vehicle, const vehicle::PositionXYZ& cog,
                      float undertrayHeight, float frontWingHeight, float rearWingHeight,
                      float scale);

// The rear view, left wheels at -track / 2. Reads the current vehicle (tracks, ride heights,
// aero elements), the live centre of gravity and aero element heights (PhysicalCode), their
// lateral shares (LiveStateCode) and the options ShowRollLiveCoG, ShowRollUndertrayCentre,
// ShowRollRearWingCentre, ShowRollFrontWingCentre and DrawRollAxleLine.
void DrawRollDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                     const std::array<analysis::SuspCorner, 4>& susp, float scale);

}  // namespace charts
