#include "vehicle/EngineCurveIntegral.hpp"

#include <algorithm>
#include <cmath>

namespace vehicle {

namespace {
constexpr std::size_t kTerms = std::tuple_size_v<CurvePolynomial>;
}  // namespace

double CurvePiece::At(double w) const {
    return isLine ? line.TorqueAt(w) : EvaluateCurve(poly, w - origin);
}

bool CurvePiece::IsConstant() const {
    if (isLine) return false;
    for (std::size_t k = 0; k + 1 < kTerms; ++k)
        if (poly[k] != 0.0) return false;
    return true;
}

CurvePolynomial CurvePiece::Power() const {
    CurvePolynomial p{};
    if (isLine) {
        p[kTerms - 2] = line.B;
        p[kTerms - 1] = line.A + line.B * origin;
        return p;
    }
    for (std::size_t k = 0; k + 1 < kTerms; ++k) p[k] = poly[k + 1];  // u x torque
    for (std::size_t k = 0; k < kTerms; ++k) p[k] += origin * poly[k];  // origin x torque
    return p;
}

double CurvePiece::Integral(double a, double b) const {
    if (isLine) return line.A * std::log(b / a) + line.B * (b - a);
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

namespace {

// Where two pieces meet, the difference of their powers changes sign.
CurvePolynomial PowerDifference(const CurvePiece& a, const CurvePiece& b) {
    CurvePolynomial d = a.Power();
    const CurvePolynomial other = b.Power();
    for (std::size_t k = 0; k < kTerms; ++k) d[k] -= other[k];
    return d;
}

CurvePiece Constant(double torque, double origin) {
    CurvePiece p;
    p.poly[kTerms - 1] = torque;
    p.origin = origin;
    return p;
}

CurvePiece Line(const PowerLine& line, double origin) {
    CurvePiece p;
    p.isLine = true;
    p.line = line;
    p.origin = origin;
    return p;
}

// The pieces on one stretch where the fitted piece and the set of bounds stay the same: the
// fitted piece first, then the floor (a lower bound) if any, then the upper bounds, then the
// clamps at 0 and at the ceiling. All share the fitted piece's origin.
struct Stretch {
    std::vector<CurvePiece> pieces;
    bool hasFloor = false;
    std::size_t firstUpper = 1;  // index of the first upper bound; the clamps are the last two

    // The index of the piece the curve follows at w.
    std::size_t ActiveAt(double w) const {
        std::size_t active = 0;
        double v = pieces[0].At(w);
        if (hasFloor) {
            const double floor = pieces[1].At(w);
            if (floor > v) {
                active = 1;
                v = floor;
            }
        }
        const std::size_t zero = pieces.size() - 2, ceiling = pieces.size() - 1;
        for (std::size_t k = firstUpper; k < zero; ++k) {
            const double u = pieces[k].At(w);
            if (u < v) {
                active = k;
                v = u;
            }
        }
        if (v < 0.0) return zero;
        if (v > kTorqueCeiling) return ceiling;
        return active;
    }

    // True when the fitted piece lies strictly within every bound from lo to hi (rad/s).
    bool FittedWithinBounds(double lo, double hi) const {
        const double o = pieces[0].origin;
        for (std::size_t k = 1; k < pieces.size(); ++k) {
            const CurvePolynomial d = PowerDifference(pieces[0], pieces[k]);
            const bool lower = (hasFloor && k == 1) || k == pieces.size() - 2;  // floor, zero
            constexpr double kInf = HUGE_VAL;
            if (!CurveStaysWithin(d, lo - o, hi - o, lower ? 0.0 : -kInf, lower ? kInf : 0.0))
                return false;
        }
        return true;
    }

    // The speeds strictly between lo and hi where any two pieces meet. Two constant torques
    // never do; a pair whose difference certainly keeps its sign needs no search.
    void Meetings(double lo, double hi, std::vector<double>& out) const {
        const double o = pieces[0].origin;
        constexpr double kInf = HUGE_VAL;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            for (std::size_t j = i + 1; j < pieces.size(); ++j) {
                if (pieces[i].IsConstant() && pieces[j].IsConstant()) continue;
                const CurvePolynomial d = PowerDifference(pieces[i], pieces[j]);
                if (CurveStaysWithin(d, lo - o, hi - o, 0.0, kInf) ||
                    CurveStaysWithin(d, lo - o, hi - o, -kInf, 0.0))
                    continue;
                std::array<double, 5> found{};
                const int n = LevelCrossings(d, lo - o, hi - o, 0.0, found);
                for (int k = 0; k < n; ++k) out.push_back(found[static_cast<std::size_t>(k)] + o);
            }
        }
    }
};

Stretch StretchAt(const EngineRecord& e, const CurveBounds& bounds, const PowerLine& fall,
                  double w) {
    Stretch s;
    CurvePiece fitted;
    if (w < e.CurvePlateauStart) {
        const auto& c = e.LowerCurve;  // u^3 .. 1
        fitted.poly = {0.0, 0.0, c[0], c[1], c[2], c[3]};
        fitted.origin = e.LowerOrigin;
    } else if (w < e.CurvePlateauEnd) {
        fitted = Constant(e.PeakTorque, 0.0);
    } else {
        const auto& c = e.UpperCurve;  // u^4 .. 1
        fitted.poly = {0.0, c[0], c[1], c[2], c[3], c[4]};
        fitted.origin = e.UpperOrigin;
    }
    const double o = fitted.origin;
    s.pieces.push_back(fitted);
    if (bounds.HasFloor && w > bounds.PowerPeak && w <= bounds.FloorEnd) {
        s.hasFloor = true;
        s.pieces.push_back(Line(bounds.Floor, o));
    }
    s.firstUpper = s.pieces.size();
    s.pieces.push_back(Constant(bounds.TorqueCap, o));
    if (w > bounds.PowerPeak) s.pieces.push_back(Line({bounds.PowerCap, 0.0}, o));
    if (w > bounds.FallStart) s.pieces.push_back(Line(fall, o));
    s.pieces.push_back(Constant(0.0, o));
    s.pieces.push_back(Constant(kTorqueCeiling, o));
    return s;
}

}  // namespace

TorqueCurveIntegral::TorqueCurveIntegral(const EngineRecord& engine, double from, double to) {
    const double a = std::max<double>(from, engine.IdleSpeed);
    const double b = to;
    if (!(b > a)) return;
    const CurveBounds bounds = BoundsOf(engine);
    const PowerLine fall = FallLine(engine, bounds);

    // Where the fitted piece or the set of bounds changes; nothing beyond the fall's end.
    std::vector<double> edges{a, b};
    for (const double w : {static_cast<double>(engine.CurvePlateauStart),
                           static_cast<double>(engine.CurvePlateauEnd), bounds.PowerPeak,
                           bounds.HasFloor ? bounds.FloorEnd : a, bounds.FallStart,
                           bounds.FallEnd}) {
        if (w > a && w < b) edges.push_back(w);
    }
    std::sort(edges.begin(), edges.end());

    std::vector<double> meetings;
    for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
        const double lo = edges[k], hi = edges[k + 1];
        if (!(hi > lo) || lo >= bounds.FallEnd) continue;
        const Stretch s = StretchAt(engine, bounds, fall, 0.5 * (lo + hi));
        if (s.FittedWithinBounds(lo, hi)) {
            spans_.push_back({lo, hi, s.pieces[0]});
            continue;
        }
        meetings.assign({lo, hi});
        s.Meetings(lo, hi, meetings);
        std::sort(meetings.begin(), meetings.end());
        for (std::size_t m = 0; m + 1 < meetings.size(); ++m) {
            const double l = meetings[m], r = meetings[m + 1];
            if (r > l) spans_.push_back({l, r, s.pieces[s.ActiveAt(0.5 * (l + r))]});
        }
    }
}

double TorqueCurveIntegral::Between(double a, double b) const {
    double sum = 0.0;
    for (const Span& span : spans_) {
        const double l = std::max(a, span.from), r = std::min(b, span.to);
        if (r > l) sum += span.piece.Integral(l, r);
    }
    return sum;
}

float IntegrateTorqueCurve(const EngineRecord& engine, float lowerSpeed, float upperSpeed) {
    const auto area = static_cast<float>(
        TorqueCurveIntegral(engine, lowerSpeed, upperSpeed).Between(lowerSpeed, upperSpeed));
    return std::isfinite(area) ? area : 0.0f;
}

}  // namespace vehicle
