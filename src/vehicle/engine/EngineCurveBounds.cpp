// The one description of the bounded curve (vehicle/engine/EngineCurve.hpp): the bounds worked out
// from the engine's figures, and the spans where the fitted pieces or a bound give the torque.
// Where the fitted polynomial meets a bound, or a bound another, a stretch is split at the
// meeting speed; between two such speeds one expression gives the curve.
#include "vehicle/engine/EngineCurveBounds.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/PhysicalConstants.hpp"
#include "vehicle/engine/EngineCurve.hpp"
#include "vehicle/engine/EngineCurvePiece.hpp"

namespace vehicle {

namespace {

// The bounds of one engine, from its figures. Speeds in rad/s, powers in W, torques in N m.
struct CurveBounds {
    double TorqueCap = 0.0;      // everywhere
    double PowerPeak = 0.0;      // the shifted power peak
    double PowerCapBelow = 0.0;  // from idle to below PowerPeak
    double PowerCapAbove = 0.0;  // from PowerPeak on
    bool HasFloor = false;       // the power peak lies below the limit
    double FloorA = 0.0, FloorB = 0.0;  // the floor's power line, on (PowerPeak, FloorEnd]
    double FloorEnd = 0.0;       // limit + 1
    double FallStart = 0.0;      // the larger of limit + 1 and the power peak
    double FallEnd = 0.0;        // where the fall reaches no power
};

CurveBounds BoundsOf(const EngineRecord& engine) {
    CurveBounds b;
    const double watts = static_cast<double>(core::kWattsPerKilowatt) * ReducedPeakPower(engine);
    b.TorqueCap = engine.PeakTorque * (1.0 + kCurveBoundSlack);
    b.PowerPeak = ShiftedPowerPeakSpeed(engine);
    b.PowerCapBelow = watts * kPowerMarginBelowPeak;
    b.PowerCapAbove = watts * (1.0 + kCurveBoundSlack);
    const double limit = engine.LimitSpeed;
    b.FloorEnd = engine.LimitSpeed + 1.0f;  // where the limiter cuts the throttle
    b.HasFloor = b.PowerPeak < limit;
    if (b.HasFloor) {
        // From the peak power at the power peak to the share at the limit, less the slack.
        const double low = watts * (1.0 - kCurveBoundSlack);
        b.FloorB = -low * (1.0 - kFloorShareAtLimit) / (limit - b.PowerPeak);
        b.FloorA = low - b.FloorB * b.PowerPeak;
    }
    b.FallStart = std::max(b.FloorEnd, b.PowerPeak);
    b.FallEnd = std::max(kFallEndFactor * std::max(limit, b.PowerPeak), b.FallStart);
    return b;
}

// The pieces on one stretch where the fitted piece and the set of bounds stay the same: the
// fitted piece first, then the floor (a lower bound) if any, then the upper bounds, then the
// clamp at 0 and, where the torque cap does not keep the curve below it, the ceiling. All share
// the fitted piece's origin. Two pieces meet where the difference of their powers changes sign.
struct Stretch {
    static constexpr std::size_t kMostPieces = 6;
    std::array<CurvePiece, kMostPieces> pieces{};
    std::array<CurvePolynomial, kMostPieces> powers{};  // each piece's power, as a polynomial
    std::size_t count = 0;
    bool hasFloor = false;
    std::size_t firstUpper = 1;  // index of the first upper bound
    std::size_t zero = 0;        // index of the clamp at 0; the ceiling follows it, if any

    void Add(const CurvePiece& piece) {
        pieces[count] = piece;
        powers[count] = piece.Power();
        ++count;
    }

    CurvePolynomial Difference(std::size_t i, std::size_t j) const {
        CurvePolynomial d = powers[i];
        for (std::size_t k = 0; k < d.size(); ++k) d[k] -= powers[j][k];
        return d;
    }

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
        for (std::size_t k = firstUpper; k < zero; ++k) {
            const double u = pieces[k].At(w);
            if (u < v) {
                active = k;
                v = u;
            }
        }
        if (v < 0.0) return zero;
        if (zero + 1 < count && v > kTorqueCeiling) return zero + 1;
        return active;
    }

    // True when the fitted piece lies strictly within every bound from lo to hi (rad/s).
    bool FittedWithinBounds(double lo, double hi) const {
        const double o = pieces[0].origin;
        constexpr double kInf = HUGE_VAL;
        for (std::size_t k = 1; k < count; ++k) {
            const bool lower = (hasFloor && k == 1) || k == zero;
            if (!CurveStaysWithin(Difference(0, k), lo - o, hi - o, lower ? 0.0 : -kInf,
                                  lower ? kInf : 0.0))
                return false;
        }
        return true;
    }

    // The speeds strictly between lo and hi where any two pieces meet. Two constant torques
    // never do; a pair whose difference certainly keeps its sign needs no search.
    void Meetings(double lo, double hi, std::vector<double>& out) const {
        const double o = pieces[0].origin;
        constexpr double kInf = HUGE_VAL;
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t j = i + 1; j < count; ++j) {
                if (pieces[i].IsConstant() && pieces[j].IsConstant()) continue;
                const CurvePolynomial d = Difference(i, j);
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

Stretch StretchAt(const EngineRecord& e, const CurveBounds& bounds, double w) {
    Stretch s;
    s.Add(w < e.CurvePlateauStart ? CubicPiece(e)
          : w < e.CurvePlateauEnd ? ConstantPiece(e.PeakTorque)
                                  : QuarticPiece(e));
    const double o = s.pieces[0].origin;
    if (bounds.HasFloor && w > bounds.PowerPeak && w <= bounds.FloorEnd) {
        s.hasFloor = true;
        s.Add(PowerLinePiece(bounds.FloorA, bounds.FloorB, o));
    }
    s.firstUpper = s.count;
    s.Add(ConstantPiece(bounds.TorqueCap, o));
    s.Add(PowerLinePiece(w < bounds.PowerPeak ? bounds.PowerCapBelow : bounds.PowerCapAbove, 0.0,
                         o));
    s.zero = s.count;
    s.Add(ConstantPiece(0.0, o));
    if (!(bounds.TorqueCap < kTorqueCeiling)) s.Add(ConstantPiece(kTorqueCeiling, o));
    return s;
}

class SpanWriter {
public:
    explicit SpanWriter(BoundedCurve& curve) : curve_(curve) { curve_.Count = 0; }

    // The piece holds up to `end`; it carries on the span before when that holds the same.
    void Add(double end, const CurvePiece& piece) {
        CurveSpan span;
        span.End = end;
        span.Form = piece.form;
        if (piece.form == CurveForm::PowerLine) {
            span.A = piece.A;
            span.B = piece.B;
        } else if (piece.form == CurveForm::Constant) {
            span.A = piece.poly.back();
        }
        if (curve_.Count > 0) {
            CurveSpan& last = curve_.Spans[curve_.Count - 1u];
            if (!(end > last.End)) return;  // nothing left of it
            if (last.Form == span.Form && last.A == span.A && last.B == span.B) {
                last.End = end;
                return;
            }
        }
        // The last place stays for the span that ends at infinity.
        if (curve_.Count + 1u >= kMaxCurveSpans && end != HUGE_VAL) {
            curve_.Spans[curve_.Count - 1u].End = end;
            return;
        }
        curve_.Spans[curve_.Count++] = span;
    }

private:
    BoundedCurve& curve_;
};

}  // namespace

void BoundFittedCurve(EngineRecord& engine) {
    const CurveBounds bounds = BoundsOf(engine);
    SpanWriter out(engine.Curve);
    const double idle = engine.IdleSpeed;
    const CurvePiece none = ConstantPiece(0.0);
    if (!std::isfinite(idle) || !std::isfinite(bounds.FallStart)) {  // a damaged record
        out.Add(HUGE_VAL, none);
        return;
    }
    out.Add(idle, none);

    // Idle to the fall: the fitted pieces within their bounds, stretch by stretch.
    std::vector<double> edges{idle};
    for (const double w : {static_cast<double>(engine.CurvePlateauStart),
                           static_cast<double>(engine.CurvePlateauEnd), bounds.PowerPeak,
                           bounds.FloorEnd, bounds.FallStart}) {
        if (w > idle && w <= bounds.FallStart) edges.push_back(w);
    }
    std::sort(edges.begin(), edges.end());
    std::vector<double> meetings;
    for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
        const double lo = edges[k], hi = edges[k + 1];
        if (!(hi > lo)) continue;
        const Stretch s = StretchAt(engine, bounds, 0.5 * (lo + hi));
        if (s.FittedWithinBounds(lo, hi)) {
            out.Add(hi, s.pieces[0]);
            continue;
        }
        meetings.assign({lo, hi});
        s.Meetings(lo, hi, meetings);
        std::sort(meetings.begin(), meetings.end());
        for (std::size_t m = 0; m + 1 < meetings.size(); ++m) {
            const double l = meetings[m], r = meetings[m + 1];
            if (!(r > l)) continue;
            out.Add(r, s.pieces[s.ActiveAt(0.5 * (l + r))]);
        }
    }

    // The fall: from the power the held curve has at its start (with the bounds of that speed:
    // the power peak's cap where the fall starts there) to nothing at its end.
    const double start = bounds.FallStart;
    if (bounds.FallEnd > start && start >= idle) {
        const Stretch s = StretchAt(engine, bounds, start);
        const double torque = std::clamp(s.pieces[s.ActiveAt(start)].At(start), 0.0,
                                         static_cast<double>(kTorqueCeiling));
        const double power = std::isfinite(torque) ? torque * start : 0.0;
        const double b = -power / (bounds.FallEnd - start);
        out.Add(bounds.FallEnd, PowerLinePiece(power - b * start, b));
    }
    out.Add(HUGE_VAL, none);
}

}  // namespace vehicle
