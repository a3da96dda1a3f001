// Where a torque-curve polynomial (degree 4 at most) crosses a level between two engine
// speeds. The full-throttle torque the runs use is the curve held between 0 and a ceiling;
// the integral of the curve splits its range at these speeds to integrate that torque.
#pragma once

#include <array>

namespace vehicle {

// Coefficients of w^4, w^3, w^2, w, 1 (leading zeros for a lower degree).
using CurvePolynomial = std::array<double, 5>;

double EvaluateCurve(const CurvePolynomial& p, double w);

// True when p certainly stays strictly between low and high from lo to hi: p expanded about
// the middle of the range, each term bounded by its size at the ends. False means it may not
// (LevelCrossings tells).
bool CurveStaysWithin(const CurvePolynomial& p, double lo, double hi, double low, double high);

// The largest value of p from lo to hi (both included): at an end or where p turns. -inf
// when hi lies below lo.
double CurveMaximum(const CurvePolynomial& p, double lo, double hi);

// The speeds strictly between lo and hi where p - level changes sign, ascending, to within
// the resolution of a double. Returns how many were written (at most 4).
int LevelCrossings(const CurvePolynomial& p, double lo, double hi, double level,
                   std::array<double, 4>& out);

}  // namespace vehicle
