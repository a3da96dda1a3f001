// The spring calculators of the mechanical calculators window, as plain functions: a leaf
// spring, a coil spring and a torsion (anti-roll) bar, from their dimensions to their rates.
//
// Every input is in SI base units (m), read from the boxes by the leading-number rule; every
// result is in SI (N/m, m, N m/rad) and converted for display by the window. Arithmetic is in
// single precision, with the material constants below.
//
// Each calculator checks its inputs in a fixed order; Ok[i] tells whether box i passed. A
// result is meaningful only when Valid (every check passed); otherwise the window leaves its
// result labels as they were.
#pragma once

#include <array>
#include <cstdint>

namespace tools {

// Young's modulus of spring steel, Pa (leaf springs).
inline constexpr float kSteelYoungsModulus = 2e11f;
// Shear modulus of spring steel, Pa, as the single nearest 7.93e10 (coils and bars).
inline constexpr float kSteelShearModulus = 79300001792.0f;
// G x pi / 2 with G as above and pi as the models take it: a round bar's torsional rigidity
// G J per (Ro^4 - Ri^4), J = pi (Ro^4 - Ri^4) / 2 being its polar moment of area.
inline constexpr float kBarPolarTorsionFactor = 124564151529.67087f;

// ---- Leaf spring ----
enum class LeafType : uint8_t { SemiElliptic = 0, SemiEllipticProgressive = 1, QuarterElliptic = 2 };

struct LeafSpringInputs {
    float Span = 0.0f;        // m, L
    float Width = 0.0f;       // m, b, one leaf
    float Thickness = 0.0f;   // m, t, one leaf
    double LeavesTyped = 0.0; // the "Leaves:" box as read; rounded half to even to a count
    LeafType Type = LeafType::SemiElliptic;
};

struct LeafSpringResult {
    std::array<bool, 4> Ok{true, true, true, true};  // boxes 0 span .. 3 leaves
    bool Valid = true;
    int Leaves = 0;        // the rounded leaf count (2..40 when valid)
    float Rate = 0.0f;     // N/m of the chosen type
};

// Span, width and thickness within their ranges (PartRanges.hpp); a leaf count (halves to
// even) from 2 to 40; then a span of at least 20 leaf thicknesses (span and thickness boxes).
LeafSpringResult CalcLeafSpring(const LeafSpringInputs& in);

// ---- Coil spring ----
struct CoilSpringInputs {
    float FreeLength = 0.0f;     // m, Lf
    float Pitch = 0.0f;          // m, p (free length per active coil)
    float TotalCoils = 0.0f;     // Nt
    float WireDiameter = 0.0f;   // m, d
    float InnerDiameter = 0.0f;  // m, Di
};

struct CoilSpringResult {
    std::array<bool, 5> Ok{true, true, true, true, true};
    bool Valid = true;
    float ActiveCoils = 0.0f;     // n = Lf / p, at most Nt
    float MeanDiameter = 0.0f;    // m, 2R = Di + d
    float Travel = 0.0f;          // m, Lf - Nt x d (to coil bind)
    float Rate = 0.0f;            // N/m, G r^4 / (4 n R^3)
};

// Each box within its range (PartRanges.hpp); then, each failing the boxes it is made of: the
// solid length (total coils x wire) no longer than the free length (free-length, coil and wire
// boxes), the pitch no less than the wire (pitch and wire boxes), the free length no more than
// one pitch beyond the total coils, (total coils + 1) x pitch (free-length, pitch and coil
// boxes), and the spring index (mean coil diameter over wire) from 3 to 20 (wire and
// inner-diameter boxes).
CoilSpringResult CalcCoilSpring(const CoilSpringInputs& in);

// ---- Torsion bar (anti-roll bar) ----
struct TorsionBarInputs {
    float ArmLength = 0.0f;      // m, A (lever from the bar's axis to the link)
    float BarLength = 0.0f;      // m, Lb (twisting length)
    float Diameter = 0.0f;       // m, outer diameter
    float WallThickness = 0.0f;  // m, w (a solid bar uses its radius)
    bool Solid = false;
};

struct TorsionBarResult {
    std::array<bool, 4> Ok{true, true, true, true};
    bool Valid = true;
    float HollowDiameter = 0.0f;     // m, 2 Ri (0 for a solid bar)
    float TorsionStiffness = 0.0f;   // N m/rad, G J / Lb
    float LinearStiffness = 0.0f;    // N/m at the arm's end
};

// Arm, bar length and outer radius within their ranges (PartRanges.hpp), wall from 0.001 m up
// to the outer radius (for a solid bar the wall is the radius); then an arm at least twice the
// bar's diameter (arm and diameter boxes).
TorsionBarResult CalcTorsionBar(const TorsionBarInputs& in);

}  // namespace tools
