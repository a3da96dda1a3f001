// One expression the full-throttle curve follows over a span of engine speed, in double: a
// polynomial of u = w - origin (degree 4 at most), or a power line (torque = A / w + B). The
// curve's builder compares pieces to find where the fitted curve meets a bound; the integral
// takes each span's piece in closed form.
#pragma once

#include "vehicle/engine/CurveCrossings.hpp"
#include "vehicle/engine/EngineRecord.hpp"

namespace vehicle {

struct CurvePiece {
    CurveForm form = CurveForm::Constant;  // what a span following this piece holds
    CurvePolynomial poly{};  // torque, coefficients of u^5 .. 1 (u^5 unused)
    double origin = 0.0;     // rad/s
    double A = 0.0, B = 0.0;  // the power line's, when form is PowerLine

    double At(double w) const;
    bool IsConstant() const;
    // Speed x torque (the power in W) as a polynomial of u = w - origin: its sign is the
    // torque's, and two pieces meet where the difference of theirs changes sign.
    CurvePolynomial Power() const;
    // From a to b (rad/s, 0 < a <= b for a power line), in closed form.
    double Integral(double a, double b) const;
};

CurvePiece ConstantPiece(double torque, double origin = 0.0);
CurvePiece PowerLinePiece(double a, double b, double origin = 0.0);
// The engine's fitted cubic or quartic, measured from its origin.
CurvePiece CubicPiece(const EngineRecord& engine);
CurvePiece QuarticPiece(const EngineRecord& engine);
// The piece a span of the engine's curve follows.
CurvePiece PieceOfSpan(const EngineRecord& engine, const CurveSpan& span);

}  // namespace vehicle
