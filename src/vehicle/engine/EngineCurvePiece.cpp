#include "vehicle/engine/EngineCurvePiece.hpp"

#include <cmath>

namespace vehicle {

namespace {
constexpr std::size_t kTerms = std::tuple_size_v<CurvePolynomial>;
}  // namespace

double CurvePiece::At(double w) const {
    return form == CurveForm::PowerLine ? A / w + B : EvaluateCurve(poly, w - origin);
}

bool CurvePiece::IsConstant() const {
    if (form == CurveForm::PowerLine) return false;
    for (std::size_t k = 0; k + 1 < kTerms; ++k)
        if (poly[k] != 0.0) return false;
    return true;
}

CurvePolynomial CurvePiece::Power() const {
    CurvePolynomial p{};
    if (form == CurveForm::PowerLine) {
        p[kTerms - 2] = B;
        p[kTerms - 1] = A + B * origin;
        return p;
    }
    for (std::size_t k = 0; k + 1 < kTerms; ++k) p[k] = poly[k + 1];  // u x torque
    for (std::size_t k = 0; k < kTerms; ++k) p[k] += origin * poly[k];  // origin x torque
    return p;
}

double CurvePiece::Integral(double a, double b) const {
    if (form == CurveForm::PowerLine) {
        // No power term: no logarithm (whose speed may be 0 where a line of nothing starts).
        return (A != 0.0 ? A * std::log(b / a) : 0.0) + B * (b - a);
    }
    const auto antiderivative = [this](double u) {
        double v = 0.0;
        for (std::size_t k = 0; k < kTerms; ++k) {
            const auto power = static_cast<double>(kTerms - 1 - k);
            v = v * u + poly[k] / (power + 1.0);
        }
        return v * u;
    };
    return antiderivative(b - origin) - antiderivative(a - origin);
}

CurvePiece ConstantPiece(double torque, double origin) {
    CurvePiece p;
    p.poly[kTerms - 1] = torque;
    p.origin = origin;
    return p;
}

CurvePiece PowerLinePiece(double a, double b, double origin) {
    CurvePiece p;
    p.form = CurveForm::PowerLine;
    p.A = a;
    p.B = b;
    p.origin = origin;
    return p;
}

CurvePiece CubicPiece(const EngineRecord& engine) {
    const auto& c = engine.LowerCurve;  // u^3 .. 1
    CurvePiece p;
    p.form = CurveForm::Cubic;
    p.poly = {0.0, 0.0, c[0], c[1], c[2], c[3]};
    p.origin = engine.LowerOrigin;
    return p;
}

CurvePiece QuarticPiece(const EngineRecord& engine) {
    const auto& c = engine.UpperCurve;  // u^4 .. 1
    CurvePiece p;
    p.form = CurveForm::Quartic;
    p.poly = {0.0, c[0], c[1], c[2], c[3], c[4]};
    p.origin = engine.UpperOrigin;
    return p;
}

CurvePiece PieceOfSpan(const EngineRecord& engine, const CurveSpan& span) {
    switch (span.Form) {
        case CurveForm::Cubic: return CubicPiece(engine);
        case CurveForm::Quartic: return QuarticPiece(engine);
        case CurveForm::PowerLine: return PowerLinePiece(span.A, span.B);
        case CurveForm::Constant: break;
    }
    return ConstantPiece(span.A);
}

}  // namespace vehicle
