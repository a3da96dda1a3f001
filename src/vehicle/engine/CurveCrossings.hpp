// Where a polynomial of engine speed (degree 5 at most) crosses a level between two speeds.
// The full-throttle torque every figure uses is the fitted curve held within the engine's own
// figures (vehicle/engine/EngineCurve.hpp), split into spans where the fitted curve meets a bound.
// Against a power bound (power = torque x speed) the meeting point is a root of the curve
// times the speed: one degree above the quartic.
#pragma once

#include <array>

namespace vehicle {

// Coefficients of w^5, w^4, w^3, w^2, w, 1 (leading zeros for a lower degree).
using CurvePolynomial = std::array<double, 6>;

double EvaluateCurve(const CurvePolynomial& p, double w);

// True when p certainly stays strictly between low and high from lo to hi: p expanded about
// the middle of the range, each term bounded by its size at the ends, the range halved where
// that bound is too wide. False means it may not (LevelCrossings tells).
bool CurveStaysWithin(const CurvePolynomial& p, double lo, double hi, double low, double high);

// The speeds strictly between lo and hi where p - level changes sign, ascending, to within
// the resolution of a double. Returns how many were written (at most 5).
int LevelCrossings(const CurvePolynomial& p, double lo, double hi, double level,
                   std::array<double, 5>& out);

}  // namespace vehicle
