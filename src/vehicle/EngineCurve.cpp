#include "vehicle/EngineCurve.hpp"

#include <algorithm>

namespace vehicle {

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

float FullThrottleTorque(const EngineRecord& engine, float speed) {
    const BoundedCurve& curve = engine.Curve;
    const double w = speed;
    std::size_t k = 0;
    while (k < curve.Count && !(w < curve.Spans[k].End)) ++k;
    if (k == curve.Count) return 0.0f;  // no curve, or a speed that is not a number
    const CurveSpan& span = curve.Spans[k];
    double torque = span.A;
    switch (span.Form) {
        case CurveForm::Cubic:
            torque = CubicAt(engine.LowerCurve, speed, engine.LowerOrigin);
            break;
        case CurveForm::Quartic:
            torque = QuarticAt(engine.UpperCurve, speed, engine.UpperOrigin);
            break;
        case CurveForm::PowerLine: torque = span.A / w + span.B; break;
        case CurveForm::Constant: break;
    }
    // Clamped before narrowing, so a curve far beyond the Single range still gives the ceiling.
    if (!(torque >= 0.0)) return 0.0f;  // negative, or NaN
    if (torque > kTorqueCeiling) return kTorqueCeiling;
    return std::clamp(static_cast<float>(torque), 0.0f, kTorqueCeiling);
}

}  // namespace vehicle
