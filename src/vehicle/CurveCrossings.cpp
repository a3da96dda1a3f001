#include "vehicle/CurveCrossings.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vehicle {

namespace {

CurvePolynomial Derivative(const CurvePolynomial& p) {
    return {0.0, 4.0 * p[0], 3.0 * p[1], 2.0 * p[2], p[3]};
}

int Degree(const CurvePolynomial& p) {
    for (int k = 0; k < 4; ++k) {
        if (p[static_cast<std::size_t>(k)] != 0.0) return 4 - k;
    }
    return 0;
}

// The speeds in (lo, hi) between which p is monotonic: the sign changes of its derivative,
// found the same way one degree down. Returns the count (at most 3).
int TurningPoints(const CurvePolynomial& p, double lo, double hi, std::array<double, 4>& out) {
    if (Degree(p) <= 1) return 0;
    return LevelCrossings(Derivative(p), lo, hi, 0.0, out);
}

// The one sign change of f = p - level between a and b, where f(a) and f(b) have opposite
// signs and p is monotonic: halving until the bracket is two neighbouring doubles.
double Bisect(const CurvePolynomial& p, double level, double a, double b, bool risingAtA) {
    for (;;) {
        const double m = 0.5 * (a + b);
        if (!(m > a && m < b)) return m;
        if ((EvaluateCurve(p, m) - level < 0.0) == risingAtA) a = m; else b = m;
    }
}

}  // namespace

double EvaluateCurve(const CurvePolynomial& p, double w) {
    return (((p[0] * w + p[1]) * w + p[2]) * w + p[3]) * w + p[4];
}

bool CurveStaysWithin(const CurvePolynomial& p, double lo, double hi, double low, double high) {
    // Coefficients of p(m + t) in powers of t (repeated synthetic division by t - m).
    const double m = 0.5 * (lo + hi), h = 0.5 * (hi - lo);
    CurvePolynomial q = p;
    for (std::size_t top = 4; top > 0; --top) {
        for (std::size_t k = 1; k <= top; ++k) q[k] += m * q[k - 1];
    }
    // q[4] = p(m); q[3 - j] multiplies t^(j + 1), |t| <= h.
    double spread = 0.0, hk = 1.0;
    for (std::size_t k = 4; k-- > 0;) {
        hk *= h;
        spread += std::fabs(q[k]) * hk;
    }
    return q[4] - spread > low && q[4] + spread < high;
}

double CurveMaximum(const CurvePolynomial& p, double lo, double hi) {
    if (!(lo <= hi)) return -std::numeric_limits<double>::infinity();
    double top = std::max(EvaluateCurve(p, lo), EvaluateCurve(p, hi));
    std::array<double, 4> turns{};
    const int n = TurningPoints(p, lo, hi, turns);
    for (int k = 0; k < n; ++k)
        top = std::max(top, EvaluateCurve(p, turns[static_cast<std::size_t>(k)]));
    return top;
}

int LevelCrossings(const CurvePolynomial& p, double lo, double hi, double level,
                   std::array<double, 4>& out) {
    if (!(lo < hi)) return 0;
    std::array<double, 4> turns{};
    const int numTurns = TurningPoints(p, lo, hi, turns);
    int count = 0;
    double a = lo;
    double fa = EvaluateCurve(p, a) - level;
    for (int k = 0; k <= numTurns; ++k) {
        const double b = k < numTurns ? turns[static_cast<std::size_t>(k)] : hi;
        const double fb = EvaluateCurve(p, b) - level;
        if ((fa < 0.0 && fb > 0.0) || (fa > 0.0 && fb < 0.0)) {
            out[static_cast<std::size_t>(count++)] = Bisect(p, level, a, b, fa < 0.0);
        } else if (fb == 0.0 && k < numTurns && count < 4) {
            out[static_cast<std::size_t>(count++)] = b;  // a crossing at a turning point
        }
        a = b;
        fa = fb;
    }
    return count;
}

}  // namespace vehicle
