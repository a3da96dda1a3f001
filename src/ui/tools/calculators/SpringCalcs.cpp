#include "ui/tools/calculators/SpringCalcs.hpp"

#include <algorithm>

#include "core/Numbers.hpp"
#include "ui/tools/calculators/InputChecks.hpp"
#include "ui/tools/calculators/PartRanges.hpp"

namespace tools {

namespace {
constexpr float kLeafFactor = 1.25f;             // semi- and quarter-elliptic leaves
constexpr float kLeafFactorProgressive = 1.1f;   // progressive semi-elliptic leaves

float Cube(float x) { return x * x * x; }
float Fourth(float x) { return (x * x) * (x * x); }
}  // namespace

LeafSpringResult CalcLeafSpring(const LeafSpringInputs& in) {
    LeafSpringResult r;
    // A typed count far outside the byte's range must fail the check, not wrap round.
    const core::Converted<int32_t> leaves = core::CLngChecked(in.LeavesTyped);
    r.Leaves = leaves.value;
    Check(r, 0, kLeafSpan.Holds(in.Span));
    Check(r, 1, kLeafWidth.Holds(in.Width));
    Check(r, 2, kLeafThickness.Holds(in.Thickness));
    Check(r, 3, leaves.inRange && leaves.value >= kFewestLeaves && leaves.value <= kMostLeaves);
    if (!r.Valid) return r;
    CrossCheck(r, AtLeast(in.Span, double{in.Thickness} * kLeafSpanPerThickness), {0, 2});
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
    Check(r, 0, kCoilFreeLength.Holds(in.FreeLength));
    Check(r, 1, kCoilPitch.Holds(in.Pitch));
    Check(r, 2, kCoilTotalCoils.Holds(in.TotalCoils));
    Check(r, 3, kCoilWireDiameter.Holds(in.WireDiameter));
    Check(r, 4, kCoilInnerDiameter.Holds(in.InnerDiameter));
    if (!r.Valid) return r;
    const double coils = in.TotalCoils, wire = in.WireDiameter;
    // Every coil closed up (the solid length) cannot be longer than the free spring: the
    // travel would be negative.
    CrossCheck(r, AtMost(coils * wire, in.FreeLength), {0, 2, 3});
    // Coils closer than the wire is thick would pass through each other.
    CrossCheck(r, AtLeast(in.Pitch, wire), {1, 3});
    // A spring of plain ends is its coils at their pitch and one wire more: it holds at most
    // one pitch more than its total coils (2 coils at 5 mm are no spring 1 m long).
    CrossCheck(r, AtMost(in.FreeLength, (coils + 1.0) * in.Pitch), {0, 1, 2});
    CrossCheck(r, WithinRange(kCoilSpringIndex, (in.InnerDiameter + wire) / wire), {3, 4});
    if (!r.Valid) return r;

    // A spring closed up at its free length (within the slack) has no travel, never less.
    r.Travel = std::max(0.0f, in.FreeLength - in.TotalCoils * in.WireDiameter);
    const float wireRadius = in.WireDiameter * 0.5f;
    const float meanRadius = in.InnerDiameter * 0.5f + wireRadius;
    // The coils at their pitch that make up the free length, but never more than the spring
    // has: a spring of plain ends is up to a pitch longer than its coils.
    r.ActiveCoils = std::min(in.FreeLength / in.Pitch, in.TotalCoils);
    r.MeanDiameter = meanRadius + meanRadius;
    r.Rate = (Fourth(wireRadius) * kSteelShearModulus) /
             (Cube(meanRadius) * (r.ActiveCoils * 4.0f));
    return r;
}

TorsionBarResult CalcTorsionBar(const TorsionBarInputs& in) {
    TorsionBarResult r;
    const float outer = in.Diameter * 0.5f;
    const float wall = in.Solid ? outer : in.WallThickness;
    Check(r, 0, kBarArmLength.Holds(in.ArmLength));
    Check(r, 1, kBarLength.Holds(in.BarLength));
    Check(r, 2, kBarOuterRadius.Holds(outer));
    // A wall thicker than the radius would leave a hole of negative size.
    Check(r, 3, wall >= kBarThinnestWall && AtMost(wall, outer));
    if (!r.Valid) return r;
    CrossCheck(r, AtLeast(in.ArmLength, double{in.Diameter} * kBarArmPerDiameter), {0, 2});
    if (!r.Valid) return r;

    const float inner = std::max(0.0f, outer - wall);  // a wall of the radius is a solid bar
    const float gj = (Fourth(outer) - Fourth(inner)) * kBarPolarTorsionFactor;  // N m^2
    r.HollowDiameter = inner + inner;
    r.TorsionStiffness = gj / in.BarLength;
    // Rate at the end of an arm: 2 G J / (A^2 Lb).
    r.LinearStiffness = (gj * 2.0f) / (in.ArmLength * in.ArmLength * in.BarLength);
    return r;
}

}  // namespace tools
