#include "vehicle/engine/EngineCurveIntegral.hpp"

#include <algorithm>
#include <cmath>

#include "vehicle/engine/EngineCurvePiece.hpp"

namespace vehicle {

double TorqueCurveArea(const EngineRecord& engine, double a, double b) {
    double sum = 0.0;
    double from = -HUGE_VAL;  // where the span starts
    const BoundedCurve& curve = engine.Curve;
    for (std::size_t k = 0; k < curve.Count && from < b; ++k) {
        const CurveSpan& span = curve.Spans[k];
        const double l = std::max(a, from), r = std::min(b, span.End);
        from = span.End;
        if (!(r > l) || (span.Form == CurveForm::Constant && span.A == 0.0)) continue;
        sum += PieceOfSpan(engine, span).Integral(l, r);
    }
    return sum;
}

}  // namespace vehicle
