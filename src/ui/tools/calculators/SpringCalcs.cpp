#include "ui/tools/calculators/SpringCalcs.hpp"

#include "core/Numbers.hpp"

namespace tools {

namespace {
constexpr float kLeafFactor = 1.25f;             // semi- and quarter-elliptic leaves
constexpr float kLeafFactorProgressive = 1.1f;   // progressive semi-elliptic leaves
constexpr int kFewestLeaves = 2;
constexpr int kMostLeaves = 255;                 // the count is held in a byte

float Cube(float x) { return x * x * x; }
float Fourth(float x) { return (x * x) * (x * x); }

// Records one check: box i passes when `pass`; any failure clears the result's validity.
template <typename R>
void Check(R& r, std::size_t box, bool pass) {
    r.Ok[box] = pass;
    if (!pass) r.Valid = false;
}
}  // namespace

LeafSpringResult CalcLeafSpring(const LeafSpringInputs& in) {
    LeafSpringResult r;
    // A typed count far outside the byte's range must fail the check, not wrap round.
    const core::Converted<int32_t> leaves = core::CLngChecked(in.LeavesTyped);
    r.Leaves = leaves.value;
    Check(r, 0, in.Span >= 0.05f);
    Check(r, 3, leaves.inRange && leaves.value >= kFewestLeaves && leaves.value <= kMostLeaves);
    if (!r.Valid) return r;

    const float f =
        in.Type == LeafType::SemiEllipticProgressive ? kLeafFactorProgressive : kLeafFactor;
    const float base = static_cast<float>(r.Leaves) * in.Width * kSteelYoungsModulus * f / 3.0f;
    // Semi-elliptic: 8 E N b t^3 f / (3 L^3); quarter-elliptic (a cantilever of the same
    // leaves): E N b t^3 f / (6 L^3).
    if (in.Type == LeafType::QuarterElliptic)
        r.Rate = Cube(in.Thickness / in.Span) * 0.5f * base;
    else
        r.Rate = Cube((in.Thickness + in.Thickness) / in.Span) * base;
    return r;
}

CoilSpringResult CalcCoilSpring(const CoilSpringInputs& in) {
    CoilSpringResult r;
    Check(r, 0, in.FreeLength >= 0.01f);
    Check(r, 1, in.Pitch >= 0.01f);
    Check(r, 2, in.TotalCoils >= 2.0f);
    Check(r, 3, in.WireDiameter >= 0.01f);
    Check(r, 4, in.InnerDiameter >= 0.01f);
    if (!r.Valid) return r;

    r.Travel = in.FreeLength - in.TotalCoils * in.WireDiameter;
    const float wireRadius = in.WireDiameter * 0.5f;
    const float meanRadius = in.InnerDiameter * 0.5f + wireRadius;
    r.ActiveCoils = in.FreeLength / in.Pitch;
    r.MeanDiameter = meanRadius + meanRadius;
    r.Rate = (Fourth(wireRadius) * kSteelShearModulus) /
             (Cube(meanRadius) * (r.ActiveCoils * 4.0f));
    return r;
}

TorsionBarResult CalcTorsionBar(const TorsionBarInputs& in) {
    TorsionBarResult r;
    const float outer = in.Diameter * 0.5f;
    const float wall = in.Solid ? outer : in.WallThickness;
    Check(r, 0, in.ArmLength >= 0.05f);
    Check(r, 1, in.BarLength >= 0.2f);
    Check(r, 2, outer >= 0.0025f);
    // A wall thicker than the radius would leave a hole of negative size.
    Check(r, 3, wall >= 0.001f && wall <= outer);
    if (!r.Valid) return r;

    const float inner = outer - wall;
    const float gj = (Fourth(outer) - Fourth(inner)) * kBarPolarTorsionFactor;  // N m^2
    r.HollowDiameter = inner + inner;
    r.TorsionStiffness = gj / in.BarLength;
    // Rate at the end of an arm: 2 G J / (A^2 Lb).
    r.LinearStiffness = (gj * 2.0f) / (in.ArmLength * in.ArmLength * in.BarLength);
    return r;
}

}  // namespace tools
