// What each box of the mechanical calculators accepts, and which figures bound each other:
// the dimensions of real springs, anti-roll bars, brake parts and disc springs, with room to
// spare. A value outside its range, or two figures that no real part has together, turn their
// boxes red; NaN and infinities are never inside.
//
// Beside each bound: the real parts it comes from (catalogue and textbook figures, rounded).
// A lower bound below every real part of its kind is the calculator's long-standing minimum.
// Upper bounds sit above the largest part of its kind on road cars, vans, trucks, buses, race
// cars and rail vehicles, so that no real part is refused. The cross-checks keep every result
// within what the display units write without an exponent.
#pragma once

namespace tools {

struct PartRange {
    float Min;
    float Max;
    // Both bounds inclusive; NaN fails both comparisons.
    constexpr bool Holds(float v) const { return v >= Min && v <= Max; }
};

// ---- Coil spring (m, coils) ----
// Shortest real coils: helper and bump springs of about 25 mm; longest: long-travel off-road
// coil-overs and rail bogie springs, about 0.6 m free.
inline constexpr PartRange kCoilFreeLength{0.01f, 1.0f};
// The pitch is never less than the wire (checked below), so its least is the thinnest wire;
// the most open coils, on heavy rail springs, lie about 0.1 m apart.
inline constexpr PartRange kCoilPitch{0.005f, 0.5f};
// Below two coils there is no spring; long soft coil-overs have about 25.
inline constexpr PartRange kCoilTotalCoils{2.0f, 100.0f};
// The lightest coil-over springs of small race cars (1.875 in inside, about 100 lb/in) are
// wound from 6 to 7 mm wire, small road cars' springs from 8 mm; hot-wound truck and rail
// springs from up to about 60 mm.
inline constexpr PartRange kCoilWireDiameter{0.005f, 0.1f};
// Coil-overs from 1.875 in (48 mm) inside; truck and rail springs up to about 0.3 m.
inline constexpr PartRange kCoilInnerDiameter{0.01f, 0.5f};
// Spring index, mean coil diameter over wire diameter: EN 13906-1 gives 4 to 20 for
// cold-coiled and 3 to 12 for hot-coiled springs (car springs are about 5 to 9).
inline constexpr PartRange kCoilSpringIndex{3.0f, 20.0f};

// ---- Leaf spring (m, leaves) ----
// Quarter-elliptic springs span from about 0.4 m; truck, bus and rail-wagon springs up to
// about 2 m.
inline constexpr PartRange kLeafSpan{0.05f, 3.0f};
// Leaves from 45 mm wide (small trailers) to about 150 mm (rail wagons).
inline constexpr PartRange kLeafWidth{0.01f, 0.3f};
// Leaves from about 5 mm thick (small trailers) to about 40 mm (the middle of heavy trucks'
// parabolic leaves).
inline constexpr PartRange kLeafThickness{0.001f, 0.1f};
// Span over one leaf's thickness: the thickest leaves for their span, heavy trucks' parabolic
// ones, are about 35 thicknesses long; car and trailer springs 60 to 150.
inline constexpr float kLeafSpanPerThickness = 20.0f;
// Rarely more than 20 leaves, on old truck and rail-wagon springs.
inline constexpr int kFewestLeaves = 2;
inline constexpr int kMostLeaves = 40;

// ---- Torsion bar (m) ----
// Arms from about 0.1 m (race cars' blade bars) to about 0.5 m (trucks and buses).
inline constexpr PartRange kBarArmLength{0.05f, 1.0f};
// Twisting lengths up to about 2.5 m (trucks and buses).
inline constexpr PartRange kBarLength{0.2f, 3.0f};
// Bars from about 12 mm (small cars' rear bars) to about 70 mm (trucks) across; the range is
// of the diameter box halved.
inline constexpr PartRange kBarOuterRadius{0.0025f, 0.05f};
// Tubular bars' walls from about 2 mm; the thickest wall is the radius (a solid bar).
inline constexpr float kBarThinnestWall = 0.001f;
// Arm over bar diameter: the shortest arms for their bar, on race cars' blade bars, are about
// three bar diameters long; road cars' and trucks' five or more.
inline constexpr float kBarArmPerDiameter = 2.0f;

// ---- Disc brakes (m, N, turns, Pa) ----
// Pedals are about 0.2 to 0.4 m from pivot to pad, the pushrod 0.03 to 0.08 m from the pivot.
inline constexpr PartRange kPedalArm{0.01f, 1.0f};
inline constexpr PartRange kPushrodDistance{0.01f, 0.5f};
// Pedal ratio, pad over pushrod distance: from about 3 (road cars with a booster) to about 7
// (race cars without one).
inline constexpr PartRange kPedalRatio{2.0f, 10.0f};
// A driver's hardest push is about 2000 N.
inline constexpr PartRange kAppliedForce{10.0f, 5000.0f};
// Balance-bar threads from about 0.5 mm (M3) to 3 mm (M20); 3/8-24 UNF is 1.06 mm.
inline constexpr PartRange kBiasThread{0.0001f, 0.01f};
// Balance bars about 40 to 150 mm long.
inline constexpr PartRange kBiasLength{0.01f, 0.5f};
// Half the longest bar on the finest thread: no offset can move the pivot further.
inline constexpr PartRange kBiasOffset{0.0f, 2500.0f};
// Master cylinders from 1/2 in (12.7 mm) to about 1.5 in (38 mm) bore.
inline constexpr PartRange kMasterBore{0.01f, 0.1f};
// Caliper pistons from about 20 mm to 76 mm (3 in, medium trucks' hydraulic calipers).
inline constexpr PartRange kCaliperBore{0.01f, 0.08f};
// Pad on disc: the SAE J866 friction codes run from C (0.15 or less) to H (above 0.55); hot
// carbon pads reach about 0.7.
inline constexpr PartRange kFriction{0.1f, 1.0f};
// Discs up to about 0.45 m on cars and trucks and 0.65 m on rail vehicles; the smallest is
// twice its caliper bore.
inline constexpr float kLargestDisc = 1.0f;
// Line pressure, Pa, from each master cylinder: brake systems are built for up to about
// 200 bar, and brake hoses need not hold more than 345 bar (5000 psi, FMVSS 106). A push that
// makes more than 300 bar in its master cylinder is refused.
inline constexpr float kMostLinePressure = 3e7f;

// ---- Disc-spring stack: one disc's stiffness, N/m (typed in the display unit) ----
// DIN 2093 discs from about 400 N/mm (8 mm across) to about 7e4 N/mm (250 mm across, 14 mm
// thick).
inline constexpr PartRange kDiscSpringStiffness{1e3f, 1e8f};

}  // namespace tools
