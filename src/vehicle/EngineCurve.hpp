// The full-throttle torque curve as every figure sees it: the fitted pieces (the cubic below
// the plateau, the plateau, the quartic above it) held within the engine's own figures.
//
// The quartic is fitted between the plateau end and the (shifted) power peak. Past the power
// peak it is an extrapolation whose fourth-power term decides whether it climbs or falls: a
// shape slider or a few hundred rpm of the typed power speed flip it from several times the
// stated power to nothing at all. So the curve is bounded where the figures say what it may be:
// - its torque never exceeds the peak torque, at any speed;
// - above the power peak its power never exceeds the (reduced) peak power;
// - from the power peak to the limit its power never falls below a line from the peak power
//   down to kFloorShareAtLimit of it at the limit, carried on to limit + 1 rad/s (the runs keep
//   full throttle up to there while the limiter is on), as real engines fall off past their
//   power peak;
// - beyond the larger of limit + 1 rad/s and the power peak (reached only with the limiter off)
//   its power falls on a line from where it stands there to nothing at 1.5 x the larger of the
//   limit and the power peak, so that no search for a shift speed or a power drop runs away.
// Where the quartic lies within the bounds it is the curve. Each bound has a relative slack of
// kCurveBoundSlack, which the shipped curves use near their own figures (the Golf's torque
// reaches 1.0000078 x its peak just past the plateau, its power 1.0000239 x just past the power
// peak), so they keep their values exactly.
//
// Units: engine speeds in rad/s, torque in N m, power in W here (kW in the engine record).
#pragma once

#include <array>

#include "vehicle/EngineRecord.hpp"

namespace vehicle {

inline constexpr double kCurveBoundSlack = 1e-4;
// The share of the (reduced) peak power the floor keeps at the limit. At least about 0.55: a
// Golf 1.6 TDI typed with its power at the start of its band (77 kW at 3000 rpm, limit 5000)
// has a quartic that collapses to nothing at 3500 rpm and reaches its top speed near
// 4100 rpm, where the power needed grows with the cube of the speed; a lower floor leaves it
// clearly slower than the same engine typed at the top of its band. At most 0.747: the shipped
// Subaru keeps 0.747 of its power at its limit, and a higher floor would lift its curve.
// 0.65 leaves margin on both sides, and lies where diesel and petrol engines fall to between
// their power peak and their cut-off.
inline constexpr double kFloorShareAtLimit = 0.65;
// The falling bound above the limit reaches no power at this multiple of the larger of the
// limit and the power peak.
inline constexpr double kFallEndFactor = 1.5;

// A power line: power (W) = A + B x speed; torque = A / speed + B.
struct PowerLine {
    double A = 0.0;  // W
    double B = 0.0;  // W per rad/s, i.e. N m
    double TorqueAt(double w) const { return A / w + B; }
};

// The bounds of one engine, from its figures.
// N m: the most torque the curve gives, at any speed.
double TorqueCapOf(const EngineRecord& engine);

struct CurveBounds {
    double TorqueCap = 0.0;  // N m, everywhere
    double PowerPeak = 0.0;  // rad/s, the shifted power peak: the power cap holds from it on
    double PowerCap = 0.0;   // W, from PowerPeak on
    bool HasFloor = false;   // the power peak lies below the limit
    PowerLine Floor;         // on (PowerPeak, FloorEnd]
    double FloorEnd = 0.0;   // rad/s, limit + 1
    double FallStart = 0.0;  // rad/s, the larger of limit + 1 and the power peak
    double FallEnd = 0.0;    // rad/s, where the falling bound reaches no power
};
CurveBounds BoundsOf(const EngineRecord& engine);

// The fitted polynomials at an engine speed held in a Single, measured from `origin`. With the
// origin 0, w squared is exact in double, so each power below is the exact power rounded once.
double CubicAt(const std::array<float, 4>& c, float speed, float origin);
double QuarticAt(const std::array<float, 5>& c, float speed, float origin);

// The fitted pieces at `speed` without any bound: 0 below idle, the cubic below the curve's
// plateau start, the peak torque on the plateau, the quartic from the plateau end on.
double FittedCurveAt(const EngineRecord& engine, float speed);

// A fitted torque (N m) at speed w (rad/s, at or above idle) held by the torque and power caps
// and the floor (not the fall).
double HoldWithinBounds(const CurveBounds& bounds, double w, double torque);
// The fitted curve at `speed` held so (0 below idle).
double HeldCurveAt(const EngineRecord& engine, const CurveBounds& bounds, float speed);

// The falling bound above FallStart: from the held curve's power at FallStart to none at
// FallEnd. Its power line, valid from FallStart to FallEnd (none beyond).
PowerLine FallLine(const EngineRecord& engine, const CurveBounds& bounds);

// The full-throttle torque (N m) at `speed` every figure uses: the held curve, below the
// falling bound above FallStart, raised to 0 and lowered to the ceiling kTorqueCeiling.
inline constexpr float kTorqueCeiling = 1e8f;  // N m
float FullThrottleTorque(const EngineRecord& engine, float speed);

}  // namespace vehicle
