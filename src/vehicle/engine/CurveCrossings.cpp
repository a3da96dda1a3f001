#include "vehicle/engine/CurveCrossings.hpp"

#include <cmath>

namespace vehicle {

namespace {

constexpr std::size_t kTerms = std::tuple_size_v<CurvePolynomial>;  // degree + 1

CurvePolynomial Derivative(const CurvePolynomial& p) {
    CurvePolynomial d{};
    for (std::size_t k = 0; k + 1 < kTerms; ++k) {
        const auto power = static_cast<double>(kTerms - 1 - k);  // of the term p[k]
        d[k + 1] = power * p[k];
    }
    return d;
}

int Degree(const CurvePolynomial& p) {
    for (std::size_t k = 0; k + 1 < kTerms; ++k) {
        if (p[k] != 0.0) return static_cast<int>(kTerms - 1 - k);
    }
    return 0;
}

// The speeds in (lo, hi) between which p is monotonic: the sign changes of its derivative,
// found the same way one degree down. Returns the count (at most 4).
int TurningPoints(const CurvePolynomial& p, double lo, double hi, std::array<double, 5>& out) {
    if (Degree(p) <= 1) return 0;
    return LevelCrossings(Derivative(p), lo, hi, 0.0, out);
}

// The one sign change of f = p - level between a and b, where f(a) and f(b) have opposite
// signs and p is monotonic: regula falsi with the Illinois weighting (an end kept twice has its
// value halved), which closes in within a few steps where plain halving takes fifty. Where two
// steps have not halved the bracket, the next step halves it, so it never does worse than
// halving every other step. Ends when the bracket is two neighbouring doubles, or f is 0.
double Bisect(const CurvePolynomial& p, double level, double a, double b) {
    double fa = EvaluateCurve(p, a) - level, fb = EvaluateCurve(p, b) - level;
    int kept = 0;                                    // the end the last step kept: -1 a, 1 b
    double widthBefore = 2.0 * (b - a), width = b - a;  // two steps ago and one step ago
    for (;;) {
        double m = (fa * b - fb * a) / (fa - fb);
        if (b - a > 0.5 * widthBefore || !(m > a && m < b)) m = 0.5 * (a + b);
        if (!(m > a && m < b)) return m;
        const double fm = EvaluateCurve(p, m) - level;
        if (fm == 0.0) return m;
        if ((fm < 0.0) == (fa < 0.0)) {
            a = m;
            fa = fm;
            if (kept == 1) fb *= 0.5;
            kept = 1;
        } else {
            b = m;
            fb = fm;
            if (kept == -1) fa *= 0.5;
            kept = -1;
        }
        widthBefore = width;
        width = b - a;
    }
}

}  // namespace

double EvaluateCurve(const CurvePolynomial& p, double w) {
    double v = 0.0;
    for (const double c : p) v = v * w + c;
    return v;
}

namespace {

enum class Within { Certainly, Not, Unknown };

// p expanded about the middle of the range, each term bounded by its size at the ends: Not when
// p leaves (low, high) at the middle.
Within TaylorBound(const CurvePolynomial& p, double lo, double hi, double low, double high) {
    // Coefficients of p(m + t) in powers of t (repeated synthetic division by t - m).
    const double m = 0.5 * (lo + hi), h = 0.5 * (hi - lo);
    CurvePolynomial q = p;
    for (std::size_t top = kTerms - 1; top > 0; --top) {
        for (std::size_t k = 1; k <= top; ++k) q[k] += m * q[k - 1];
    }
    // q[last] = p(m); q[last - 1 - j] multiplies t^(j + 1), |t| <= h.
    constexpr std::size_t last = kTerms - 1;
    if (!(q[last] > low && q[last] < high)) return Within::Not;
    double spread = 0.0, hk = 1.0;
    for (std::size_t k = last; k-- > 0;) {
        hk *= h;
        spread += std::fabs(q[k]) * hk;
    }
    return q[last] - spread > low && q[last] + spread < high ? Within::Certainly : Within::Unknown;
}

// The bound tightens with the square of the range where p turns: halving settles a curve that
// runs close along a level (a fitted curve that ends level a hair below its bound) within a few
// halvings, at the end where it comes close. Ten halvings at most.
constexpr int kHalvings = 10;

bool StaysWithinByHalves(const CurvePolynomial& p, double lo, double hi, double low, double high,
                         int halvings) {
    const Within w = TaylorBound(p, lo, hi, low, high);
    if (w != Within::Unknown) return w == Within::Certainly;
    if (halvings == 0) return false;
    const double m = 0.5 * (lo + hi);
    return StaysWithinByHalves(p, lo, m, low, high, halvings - 1) &&
           StaysWithinByHalves(p, m, hi, low, high, halvings - 1);
}

}  // namespace

bool CurveStaysWithin(const CurvePolynomial& p, double lo, double hi, double low, double high) {
    return StaysWithinByHalves(p, lo, hi, low, high, kHalvings);
}

int LevelCrossings(const CurvePolynomial& p, double lo, double hi, double level,
                   std::array<double, 5>& out) {
    if (!(lo < hi)) return 0;
    std::array<double, 5> turns{};
    const int numTurns = TurningPoints(p, lo, hi, turns);
    int count = 0;
    double a = lo;
    double fa = EvaluateCurve(p, a) - level;
    for (int k = 0; k <= numTurns; ++k) {
        const double b = k < numTurns ? turns[static_cast<std::size_t>(k)] : hi;
        const double fb = EvaluateCurve(p, b) - level;
        if ((fa < 0.0 && fb > 0.0) || (fa > 0.0 && fb < 0.0)) {
            out[static_cast<std::size_t>(count++)] = Bisect(p, level, a, b);
        } else if (fb == 0.0 && k < numTurns && count < 5) {
            out[static_cast<std::size_t>(count++)] = b;  // a crossing at a turning point
        }
        a = b;
        fa = fb;
    }
    return count;
}

}  // namespace vehicle
