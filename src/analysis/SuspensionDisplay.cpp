#include "analysis/SuspensionDisplay.hpp"

#include <cmath>

#include "analysis/LiveStateCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"

namespace analysis {

using core::Quantity;

namespace {

// Fills the captions; Susp(i) is Analysis_SuspLabel(i), Set(i) is Set_SuspLabel(i).
class CaptionWriter : public core::CaptionFill {
public:
    using core::CaptionFill::CaptionFill;
    std::string& Susp(int index) { return Text(core::LabelArray::Analysis_SuspLabel, index); }
    std::string& Set(int index) { return Text(core::LabelArray::Set_SuspLabel, index); }
};

std::string NotApplicable() { return std::string(core::kNotApplicableText); }

std::string Percent(float value) {
    const std::string number = core::RoundedText(value, 2);
    return number == core::kNotApplicableText ? number : number + "%";
}

}  // namespace

std::string PitchAngleText(float radians) {
    if (!std::isfinite(radians)) return NotApplicable();
    const auto& t = core::TextTable();
    // 0 counts as squat (front not lower than rear).
    if (radians >= 0.0f) return core::UnitValueText(Quantity::Angle, radians) + " " + t.SquatText;
    return core::UnitValueText(Quantity::Angle, -radians) + " " + t.DiveText;
}

std::string DampingRatioText(float ratio) {
    if (!std::isfinite(ratio)) return NotApplicable();
    const std::string number = core::RoundedText(ratio * 100.0f, 1);
    return number == core::kNotApplicableText ? number : number + "%";
}

uint32_t DampingRatioColour(float ratio) {
    return ratio > 1.0f ? kSuspTextRed : kSuspTextBlack;
}

std::string ReboundBumpRatioText(float ratio) {
    // -1 marks a corner without bump damping.
    if (ratio == -1.0f || !std::isfinite(ratio)) return NotApplicable();
    return core::RoundedText(ratio, 2) + " : 1";
}

std::string DampedFrequencyText(float hertz) {
    if (!(hertz > 0.0f)) return NotApplicable();
    return core::UnitValueText(Quantity::Frequency, hertz);
}

void SuspensionAnalysisCaptions(std::vector<core::Caption>& out) {
    const SuspensionCodeState& s = SuspensionCode();
    const auto& c = s.SuspCorners;
    CaptionWriter w(out);

    // ---- Springs frame: one value label per corner, the row's suffix in a label of its own.
    // The loads, and the deflections and travel they give, of a vehicle that tips have no
    // meaning.
    const bool tips = vehicle::VehicleTips(vehicle::AeroCode().LiveAero);
    const auto fromLoad = [tips](Quantity q, float value) {
        return tips ? NotApplicable() : core::UnitNumberText(q, value);
    };
    for (int i = 0; i < 4; ++i) {
        w.Susp(156 + i) = core::UnitNumberText(Quantity::DistanceSmall, c[i].WheelTravel);
        w.Susp(160 + i) = core::UnitNumberText(Quantity::Stiffness, c[i].WheelRate);
        w.Susp(140 + i) = fromLoad(Quantity::Force, c[i].SpringLoad);
        w.Susp(164 + i) = fromLoad(Quantity::DistanceSmall, c[i].WheelDeflection);
        w.Susp(100 + i) = fromLoad(Quantity::DistanceSmall, c[i].WheelTravelLeft);
        w.Susp(104 + i) = core::UnitNumberText(Quantity::Frequency, c[i].RideFrequency);
        w.Susp(108 + i) = core::UnitNumberText(Quantity::Frequency, c[i].WheelHopFrequency);
    }
    w.Susp(168) = core::UnitSuffix(Quantity::DistanceSmall);
    w.Susp(169) = core::UnitSuffix(Quantity::Stiffness);
    w.Susp(170) = core::UnitSuffix(Quantity::Force);
    w.Susp(171) = core::UnitSuffix(Quantity::DistanceSmall);
    w.Susp(172) = core::UnitSuffix(Quantity::DistanceSmall);
    w.Susp(173) = core::UnitSuffix(Quantity::Frequency);
    w.Susp(174) = core::UnitSuffix(Quantity::Frequency);

    // ---- Setting sliders: front axle in 105..109, rear in 100..104, from corners 0 and 2.
    for (int a = 0; a <= 1; ++a) {
        const SuspCorner& k = c[2 * a];
        const int base = 105 - 5 * a;
        w.Set(base) = core::UnitValueText(Quantity::DistanceSmall, k.SpringTravel);
        w.Set(base + 1) = core::UnitValueText(Quantity::Stiffness, k.SpringRate);
        w.Set(base + 2) = core::UnitValueText(Quantity::Damping, k.BumpDamp);
        w.Set(base + 3) = core::UnitValueText(Quantity::Damping, k.ReboundDamp);
        w.Set(base + 4) = core::UnitValueText(Quantity::Stiffness, s.AntiRollBarRate[a]);
    }

    // ---- Roll stiffness: front in 118..123, rear in 112..117.
    for (int a = 0; a <= 1; ++a) {
        const int base = 118 - 6 * a;
        const auto roll = [&](int k) { return s.RollStiffness[6 * a + k]; };
        w.Susp(base) = core::UnitValueText(Quantity::Rot, roll(kRollSprings));
        w.Susp(base + 1) = core::UnitValueText(Quantity::Rot, roll(kRollBar));
        w.Susp(base + 2) = core::UnitValueText(Quantity::Rot, roll(kRollTotal));
        w.Susp(base + 3) = core::RoundedText(roll(kRollBarSpringRatio), 3);
        // N m/rad per kg of sprung axle mass, shown as it is.
        w.Susp(base + 4) = core::RoundedText(roll(kRollTotalPerMass), 0);
    }
    w.Susp(123) = Percent((1.0f - s.RollPerMassRearShare) * 100.0f);
    w.Susp(117) = Percent(s.RollPerMassRearShare * 100.0f);

    // ---- Pitch stiffness.
    w.Susp(124) = core::UnitValueText(Quantity::Rot, s.PitchStiffness);
    w.Susp(125) = core::RoundedText(s.PitchStiffnessPerMass, 0);

    // ---- Roll angles: front in 129..131, rear in 126..128. Like the pitch and the height
    // changes below, they come from the deflections the wheel loads give.
    const auto fromDeflection = [tips](Quantity q, float value) {
        return tips ? NotApplicable() : core::UnitValueText(q, value);
    };
    for (int a = 0; a <= 1; ++a) {
        const int base = 129 - 3 * a;
        w.Susp(base) = fromDeflection(Quantity::Angle, s.TyreRollAngle[a]);
        w.Susp(base + 1) = fromDeflection(Quantity::Angle, s.SuspRollAngle[a]);
        w.Susp(base + 2) = fromDeflection(Quantity::Angle, s.AxleRollAngle[a]);
    }

    // ---- Level-ride target frequencies. At low speed no rear spring matches the front (the
    // target would be negative); very large targets are true and shown.
    w.Susp(183) = core::UnitValueText(Quantity::Frequency, s.LevelRideFrequency[0]);
    w.Susp(184) = s.RearLevelRideExists
                      ? core::UnitValueText(Quantity::Frequency, s.LevelRideFrequency[1])
                      : NotApplicable();

    // ---- Live body pitch.
    const PitchAngles& pitch = LiveStateCode().BodyPitch;
    w.Susp(132) = tips ? NotApplicable() : PitchAngleText(pitch.FromTyres);
    w.Susp(133) = tips ? NotApplicable() : PitchAngleText(pitch.FromSuspension);
    w.Susp(134) = tips ? NotApplicable() : PitchAngleText(pitch.Total);

    // ---- Vertical shift of the body from the suspension: centre of gravity, then the aero
    // elements (body aero centre, undertray, rear wing, front wing).
    w.Susp(135) = fromDeflection(Quantity::DistanceSmall, s.SuspHeightChange[kHeightAtCoG]);
    for (int e = 0; e < 4; ++e)
        w.Susp(136 + e) =
            fromDeflection(Quantity::DistanceSmall, s.SuspHeightChange[kHeightAtElement0 + e]);

    // ---- Critical damping information, per corner.
    for (int i = 0; i < 4; ++i) {
        w.Susp(144 + i) = core::UnitValueText(Quantity::Damping, c[i].CriticalDamping);
        core::Caption& bump = w.Put(core::LabelArray::Analysis_SuspLabel, 148 + i);
        bump.Text = DampingRatioText(c[i].BumpDampingRatio);
        bump.ForeColor = DampingRatioColour(c[i].BumpDampingRatio);
        core::Caption& rebound = w.Put(core::LabelArray::Analysis_SuspLabel, 152 + i);
        rebound.Text = DampingRatioText(c[i].ReboundDampingRatio);
        rebound.ForeColor = DampingRatioColour(c[i].ReboundDampingRatio);
        w.Susp(175 + i) = DampedFrequencyText(s.BumpDampedFrequency[i]);
        w.Susp(179 + i) = DampedFrequencyText(s.ReboundDampedFrequency[i]);
        w.Susp(185 + i) = ReboundBumpRatioText(s.ReboundBumpRatio[i]);
    }
}

}  // namespace analysis
