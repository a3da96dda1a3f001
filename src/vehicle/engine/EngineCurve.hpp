// The full-throttle torque curve as every figure sees it: the fitted pieces (the cubic below
// the plateau, the plateau, the quartic above it) held within the engine's own figures.
//
// The quartic is fitted between the plateau end and the (shifted) power peak. Past the power
// peak it is an extrapolation whose fourth-power term decides whether it climbs or falls: a
// shape slider or a few hundred rpm of the typed power speed flip it from several times the
// stated power to nothing at all. Below the power peak a shape slider can lift the cubic, the
// plateau's end or the quartic's bulge to a quarter more power than stated. So the curve is
// bounded where the figures say what it may be:
// - its torque never exceeds the peak torque, at any speed;
// - from idle up to the power peak its power never exceeds the (reduced) peak power by more
//   than kPowerMarginBelowPeak: makers round, and a plateau's end may give a little more than
//   the stated power (the check lets it pass by up to 5 %), but that is where the curve is
//   trimmed;
// - from the power peak on its power never exceeds the (reduced) peak power;
// - from the power peak to the limit its power never falls below a line from the peak power
//   down to kFloorShareAtLimit of it at the limit, carried on to limit + 1 rad/s (the runs keep
//   full throttle up to there while the limiter is on), as real engines fall off past their
//   power peak;
// - beyond the larger of limit + 1 rad/s and the power peak (reached only with the limiter off)
//   its power falls on a line from where it stands there to nothing at 1.5 x the larger of the
//   limit and the power peak, and is nothing beyond, so that no search for a shift speed or a
//   power drop runs away.
// Where the fitted piece lies within the bounds it is the curve. Each bound from the power peak
// on has a relative slack of kCurveBoundSlack, which the shipped curves use near their own
// figures (the Golf's torque reaches 1.0000078 x its peak just past the plateau, its power
// 1.0000239 x just past the power peak), so they keep their values exactly.
//
// The bounded curve is worked out once, with the fit, as its spans over speed (the record's
// Curve, by BoundFittedCurve (vehicle/engine/EngineCurveBounds.hpp); the torque and its integral
// (vehicle/engine/EngineCurveIntegral.hpp) read those spans.
//
// Units: engine speeds in rad/s, torque in N m, power in W here (kW in the engine record).
#pragma once

#include <array>

#include "vehicle/engine/EngineRecord.hpp"

namespace vehicle {

inline constexpr double kCurveBoundSlack = 1e-4;
// How far the power may pass the (reduced) peak power below the power peak. The shipped Golf's
// own curve reaches 1.0064 x at 4807 rpm, the BMW's and the Subaru's 1.0000 x: they keep their
// curves.
inline constexpr double kPowerMarginBelowPeak = 1.01;
// The share of the (reduced) peak power the floor keeps at the limit. At least about 0.55: a
// Golf 1.6 TDI typed with its power at the start of its band (77 kW at 3000 rpm, limit 5000)
// has a quartic that collapses to nothing at 3500 rpm and reaches its top speed near
// 4100 rpm, where the power needed grows with the cube of the speed; a lower floor leaves it
// clearly slower than the same engine typed at the top of its band. At most 0.747: the shipped
// Subaru keeps 0.747 of its power at its limit, and a higher floor would lift its curve.
// 0.65 leaves margin on both sides, and lies where diesel and petrol engines fall to between
// their power peak and their cut-off.
inline constexpr double kFloorShareAtLimit = 0.65;
// The fall above the limit reaches no power at this multiple of the larger of the limit and
// the power peak.
inline constexpr double kFallEndFactor = 1.5;
// The ceiling every torque is lowered to, whatever the figures (N m).
inline constexpr float kTorqueCeiling = 1e8f;

// The fitted polynomials at an engine speed held in a Single, measured from `origin`. With the
// origin 0, w squared is exact in double, so each power below is the exact power rounded once.
inline double CubicAt(const std::array<float, 4>& c, float speed, float origin) {
    const double w = static_cast<double>(speed) - origin;
    const double w2 = w * w;
    return c[0] * (w2 * w) + c[1] * w2 + c[2] * w + c[3];
}
inline double QuarticAt(const std::array<float, 5>& c, float speed, float origin) {
    const double w = static_cast<double>(speed) - origin;
    const double w2 = w * w;
    return c[0] * (w2 * w2) + c[1] * (w2 * w) + c[2] * w2 + c[3] * w + c[4];
}

// The full-throttle torque (N m) at `speed` every figure uses: the record's Curve there, raised
// to 0 and lowered to kTorqueCeiling; 0 below idle, past the fall's end (infinity included),
// for a speed that is not a number, and where there is no curve. Inline: every run step,
// search step and chart sample calls it.
inline float FullThrottleTorque(const EngineRecord& engine, float speed) {
    const BoundedCurve& curve = engine.Curve;
    const double w = speed;
    if (curve.Count == 0 || w != w) return 0.0f;  // no curve, or a speed that is not a number
    // The last span ends at infinity and holds no torque; a speed no span ends above (infinity
    // itself) stops there too, so the walk never leaves the spans.
    const CurveSpan* span = curve.Spans.data();
    const CurveSpan* const last = span + (curve.Count - 1u);
    while (span != last && !(w < span->End)) ++span;
    double torque = span->A;
    switch (span->Form) {
        case CurveForm::Cubic:
            torque = CubicAt(engine.LowerCurve, speed, engine.LowerOrigin);
            break;
        case CurveForm::Quartic:
            torque = QuarticAt(engine.UpperCurve, speed, engine.UpperOrigin);
            break;
        case CurveForm::PowerLine: torque = span->A / w + span->B; break;
        case CurveForm::Constant: break;
    }
    // Clamped before narrowing, so a curve far beyond the Single range still gives the ceiling.
    if (!(torque >= 0.0)) return 0.0f;  // negative, or NaN
    if (torque > kTorqueCeiling) return kTorqueCeiling;
    return static_cast<float>(torque);
}

}  // namespace vehicle
