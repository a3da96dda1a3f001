// What each box of the mechanical calculators accepts: the dimensions of real springs,
// anti-roll bars, brake parts and disc springs, with room to spare. A value outside its range
// turns its box red; NaN and infinities are never inside.
//
// Lower bounds are the calculators' long-standing minimums. Upper bounds sit well above the
// largest part of its kind on road cars, vans, trucks, buses and race cars, so that no real
// part is refused:
//  - coil springs: the longest suspension coils (long-travel off-road coil-overs, rail bogie
//    springs) are about 0.6 m free and wound from wire of up to about 60 mm on up to about
//    0.3 m inside diameter;
//  - leaf springs: truck, bus and rail-wagon springs span up to about 2 m, with leaves up to
//    about 150 mm wide and 40 mm thick, and rarely more than 20 leaves;
//  - torsion and anti-roll bars: truck and bus bars are up to about 2.5 m long, 70 mm thick,
//    with arms up to about 0.5 m;
//  - brakes: a pedal of about 0.35 m on a pushrod 0.03 to 0.08 m from its pivot, at most about
//    2000 N from a driver's leg, balance bars under 0.15 m with threads of 0.5 to 3 mm, master
//    cylinders up to about 45 mm and caliper pistons up to about 80 mm, discs up to about
//    0.45 m on cars and trucks and 0.65 m on rail vehicles;
//  - disc springs: from about 100 N/mm for the smallest thin discs to about 1e5 N/mm for the
//    largest standard ones.
#pragma once

namespace tools {

struct PartRange {
    float Min;
    float Max;
    // Both bounds inclusive; NaN fails both comparisons.
    constexpr bool Holds(float v) const { return v >= Min && v <= Max; }
};

// ---- Coil spring (m, coils) ----
inline constexpr PartRange kCoilFreeLength{0.01f, 1.0f};
inline constexpr PartRange kCoilPitch{0.01f, 0.5f};
inline constexpr PartRange kCoilTotalCoils{2.0f, 100.0f};
inline constexpr PartRange kCoilWireDiameter{0.01f, 0.1f};
inline constexpr PartRange kCoilInnerDiameter{0.01f, 0.5f};

// ---- Leaf spring (m, leaves) ----
inline constexpr PartRange kLeafSpan{0.05f, 3.0f};
inline constexpr PartRange kLeafWidth{0.01f, 0.3f};
inline constexpr PartRange kLeafThickness{0.001f, 0.1f};
inline constexpr int kFewestLeaves = 2;
inline constexpr int kMostLeaves = 40;

// ---- Torsion bar (m) ----
inline constexpr PartRange kBarArmLength{0.05f, 1.0f};
inline constexpr PartRange kBarLength{0.2f, 3.0f};
inline constexpr PartRange kBarOuterRadius{0.0025f, 0.05f};  // the diameter box halved
inline constexpr float kBarThinnestWall = 0.001f;             // the thickest is the radius

// ---- Disc brakes (m, N, turns) ----
inline constexpr PartRange kPedalArm{0.01f, 1.0f};
inline constexpr PartRange kPushrodDistance{0.01f, 0.5f};
inline constexpr PartRange kAppliedForce{10.0f, 5000.0f};
inline constexpr PartRange kBiasThread{0.0001f, 0.01f};
inline constexpr PartRange kBiasLength{0.01f, 0.5f};
// Half the longest bar on the finest thread: no offset can move the pivot further.
inline constexpr PartRange kBiasOffset{0.0f, 2500.0f};
inline constexpr PartRange kMasterBore{0.01f, 0.1f};
inline constexpr PartRange kCaliperBore{0.01f, 0.15f};
inline constexpr PartRange kFriction{0.1f, 2.0f};
inline constexpr float kLargestDisc = 1.0f;  // the smallest is twice its caliper bore

// ---- Disc-spring stack: one disc's stiffness, N/m (typed in the display unit) ----
inline constexpr PartRange kDiscSpringStiffness{1e3f, 1e9f};

}  // namespace tools
