#include "vehicle/EngineCurve.hpp"

#include <algorithm>

#include "core/PhysicalConstants.hpp"

namespace vehicle {

double TorqueCapOf(const EngineRecord& engine) {
    return engine.PeakTorque * (1.0 + kCurveBoundSlack);
}

CurveBounds BoundsOf(const EngineRecord& engine) {
    CurveBounds b;
    // As the upper fit forms them, in Singles.
    const float powerPeak = ShiftedPowerPeakSpeed(engine);
    const float peakPower = ReducedPeakPower(engine);  // kW
    const double watts = static_cast<double>(core::kWattsPerKilowatt) * peakPower;
    b.TorqueCap = TorqueCapOf(engine);
    b.PowerPeak = powerPeak;
    b.PowerCap = watts * (1.0 + kCurveBoundSlack);
    const double limit = engine.LimitSpeed;
    b.FloorEnd = engine.LimitSpeed + 1.0f;  // where the limiter cuts the throttle
    b.HasFloor = b.PowerPeak < limit;
    if (b.HasFloor) {
        // From the peak power at the power peak to the share at the limit, less the slack.
        const double low = watts * (1.0 - kCurveBoundSlack);
        b.Floor.B = -low * (1.0 - kFloorShareAtLimit) / (limit - b.PowerPeak);
        b.Floor.A = low - b.Floor.B * b.PowerPeak;
    }
    b.FallStart = std::max(b.FloorEnd, b.PowerPeak);
    b.FallEnd = std::max(kFallEndFactor * std::max(limit, b.PowerPeak), b.FallStart);
    return b;
}

double CubicAt(const std::array<float, 4>& c, float speed, float origin) {
    const double w = static_cast<double>(speed) - origin;
    const double w2 = w * w;
    return c[0] * (w2 * w) + c[1] * w2 + c[2] * w + c[3];
}

double QuarticAt(const std::array<float, 5>& c, float speed, float origin) {
    const double w = static_cast<double>(speed) - origin;
    const double w2 = w * w;
    return c[0] * (w2 * w2) + c[1] * (w2 * w) + c[2] * w2 + c[3] * w + c[4];
}

double FittedCurveAt(const EngineRecord& engine, float speed) {
    if (speed < engine.IdleSpeed) return 0.0;
    if (speed < engine.CurvePlateauStart)
        return CubicAt(engine.LowerCurve, speed, engine.LowerOrigin);
    if (speed < engine.CurvePlateauEnd) return engine.PeakTorque;
    return QuarticAt(engine.UpperCurve, speed, engine.UpperOrigin);
}

double HoldWithinBounds(const CurveBounds& bounds, double w, double torque) {
    double t = torque;
    if (w >= bounds.PowerPeak) {
        // Compared as powers: a quotient only where a bound holds the curve.
        if (bounds.HasFloor && w > bounds.PowerPeak && w <= bounds.FloorEnd) {
            const double floor = bounds.Floor.A + bounds.Floor.B * w;
            if (t * w < floor) t = floor / w;
        }
        if (t * w > bounds.PowerCap) t = bounds.PowerCap / w;
    }
    return std::min(t, bounds.TorqueCap);
}

double HeldCurveAt(const EngineRecord& engine, const CurveBounds& bounds, float speed) {
    const double t = FittedCurveAt(engine, speed);
    if (speed < engine.IdleSpeed) return t;  // no engine output below idle
    return HoldWithinBounds(bounds, speed, t);
}

PowerLine FallLine(const EngineRecord& engine, const CurveBounds& bounds) {
    const auto start = static_cast<float>(bounds.FallStart);
    const double power = std::max(0.0, HeldCurveAt(engine, bounds, start) * start);
    PowerLine fall;
    const double span = bounds.FallEnd - bounds.FallStart;
    if (span > 0.0) {
        fall.B = -power / span;
        fall.A = power - fall.B * bounds.FallStart;
    }
    return fall;
}

float FullThrottleTorque(const EngineRecord& engine, float speed) {
    double curve = FittedCurveAt(engine, speed);
    if (speed >= engine.IdleSpeed) {
        // Below the power peak only the torque cap holds; the other bounds need the full set.
        if (speed >= ShiftedPowerPeakSpeed(engine)) {
            const CurveBounds bounds = BoundsOf(engine);
            curve = HoldWithinBounds(bounds, speed, curve);
            if (speed > bounds.FallStart) {
                curve = speed < bounds.FallEnd
                            ? std::min(curve, FallLine(engine, bounds).TorqueAt(speed))
                            : 0.0;
            }
        } else {
            curve = std::min(curve, TorqueCapOf(engine));
        }
    }
    // Clamped before narrowing, so a curve far beyond the Single range still gives the ceiling.
    if (!(curve >= 0.0)) return 0.0f;  // negative, or NaN
    if (curve > kTorqueCeiling) return kTorqueCeiling;
    return std::clamp(static_cast<float>(curve), 0.0f, kTorqueCeiling);
}

}  // namespace vehicle
