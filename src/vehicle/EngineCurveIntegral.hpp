// The integral of the full-throttle curve every figure uses (vehicle/EngineCurve.hpp), in
// closed form piece by piece. Where the fitted polynomial meets a bound, or a bound another,
// the range is split at the meeting speed; between two such speeds one expression gives the
// curve: the fitted cubic or quartic, the plateau, a constant torque or a power line. Finding
// the meetings costs most of the work, so the table of pieces is built once for an engine and
// then integrates any interval within its span.
#pragma once

#include <vector>

#include "vehicle/CurveCrossings.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/EngineCurve.hpp"

namespace vehicle {

// One expression the curve may follow: a polynomial of u = w - origin (degree 4 at most), or a
// power line (torque = A / w + B).
struct CurvePiece {
    bool isLine = false;
    CurvePolynomial poly{};  // torque, coefficients of u^5 .. 1 (u^5 unused)
    double origin = 0.0;     // rad/s
    PowerLine line;

    double At(double w) const;
    bool IsConstant() const;
    // Speed x torque (the power in W) as a polynomial of u = w - origin: its sign is the
    // torque's, and two pieces meet where the difference of theirs changes sign.
    CurvePolynomial Power() const;
    // From a to b (rad/s, 0 < a <= b for a power line), in closed form.
    double Integral(double a, double b) const;
};

class TorqueCurveIntegral {
public:
    // The curve of `engine` from `from` (or idle, if higher) to `to` (rad/s).
    TorqueCurveIntegral(const EngineRecord& engine, double from, double to);
    // The integral (N m x rad/s) from a to b within that span; 0 when b is not above a (or
    // idle). Summed in double.
    double Between(double a, double b) const;

private:
    struct Span {
        double from, to;  // rad/s
        CurvePiece piece;
    };
    std::vector<Span> spans_;
};

}  // namespace vehicle
