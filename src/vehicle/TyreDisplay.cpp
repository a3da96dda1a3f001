#include "vehicle/TyreDisplay.hpp"

#include <cmath>

#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace vehicle {

using core::Quantity;

namespace {

// Below this the corner hardly bounces on its tyre: no frequency worth showing (Hz).
constexpr float kLowestFrequency = 0.1f;

std::string NotApplicable() { return std::string(core::kNotApplicableText); }

// A share as a per cent to 1 decimal: 0.5534 -> "55.3%".
std::string Percent(float share) { return core::RoundedText(share * 100.0f, 1) + "%"; }

// Two values with their suffixes: "4100 N / 4500 N".
std::string Pair(Quantity q, float a, float b) { return core::UnitValueText(q, a) + " / " + core::UnitValueText(q, b); }

// The pressures of one axle with one suffix: "200 / 210 kPa".
std::string PressurePair(int32_t left, int32_t right) {
    return core::UnitNumberText(Quantity::Pressure, static_cast<float>(left)) + " / " +
           core::UnitNumberText(Quantity::Pressure, static_cast<float>(right)) +
           core::UnitSuffix(Quantity::Pressure);
}

bool IsWheel(int wheel) { return wheel >= 0 && wheel < 4; }

}  // namespace

bool ChosenTyreBottomedOut(int wheel) {
    return IsWheel(wheel) && TyreCode().WheelTyres[wheel].WallHeightRemaining < kBottomedOutWall;
}

uint32_t SidewallCaptionColour(int wheel) {
    return ChosenTyreBottomedOut(wheel) ? kSidewallBottomedOutColour : kSidewallNormalColour;
}

void TyreAnalysisCaptions(const TyreCaptionInputs& in, std::vector<core::Caption>& out) {
    using Target = core::LabelArray;
    const TyreCodeState& s = TyreCode();
    const auto& texts = core::TextTable();
    const auto& tyres = s.WheelTyres;
    out.clear();
    auto put = [&out](Target array, int index, std::string text) {
        out.push_back({array, index, std::move(text), std::nullopt});
    };
    auto analysis = [&put](int index, std::string text) {
        put(Target::Analysis_TyreLabel, index, std::move(text));
    };

    put(Target::Set_TyreLabel, 4, PressurePair(tyres[0].Pressure, tyres[1].Pressure));
    put(Target::Set_TyreLabel, 5, PressurePair(tyres[2].Pressure, tyres[3].Pressure));
    put(Target::Set_LiveLabel, 100,
        std::to_string(in.Live.TemperatureC[0]) + texts.DegreesCelsiusSuffix);
    put(Target::Set_LiveLabel, 101,
        std::to_string(in.Live.TemperatureC[1]) + texts.DegreesCelsiusSuffix);
    put(Target::Set_LiveLabel, 102, std::to_string(in.Live.WearPercent) + "%");
    // Every figure below is worked out at the wheels' live loads: a vehicle that tips (an axle
    // load below zero) has none to show.
    const bool tips = VehicleTips(AeroCode().LiveAero);
    analysis(100, tips ? NotApplicable() : Percent(s.FrontPatchShare) + texts.FrontText);
    // With every wheel off the ground there is no grip to share.
    float gripRates = 0.0f;
    for (const TyreState& t : tyres) gripRates += t.LatAccelRate;
    analysis(101, gripRates > 0.0f && !tips ? Percent(s.FrontGripShare) + texts.FrontText
                                            : NotApplicable());

    // Per-wheel figures; with no wheel chosen there is none to show.
    const bool chosen = IsWheel(in.Wheel);
    const TyreState none{};
    const TyreState& t = chosen ? tyres[in.Wheel] : none;
    auto wheel = [&](int index, std::string text) {
        analysis(index, chosen && !tips ? std::move(text) : NotApplicable());
    };
    wheel(111, core::RoundedText(t.LongGrip, 3) + " / " + core::RoundedText(t.LatGrip, 3));
    wheel(112, Pair(Quantity::Force, t.LongGripForce, t.LatGripForce));
    wheel(114, chosen ? Percent(s.WheelGripLoss[in.Wheel]) : std::string());
    wheel(115, Pair(Quantity::Acc, t.LongAccelRate, t.LatAccelRate));
    analysis(117, tips ? NotApplicable() : Percent(s.WeightTransferGripLoss));
    wheel(116, chosen ? core::UnitValueText(Quantity::Force, in.CornerDynamicLoad[in.Wheel]) : std::string());
    wheel(102, core::UnitValueText(Quantity::Stiffness, t.VerticalStiffness));
    // A corner without mass (frequency 0) or one barely bouncing shows no frequency.
    wheel(113, t.VerticalFrequency >= kLowestFrequency
                   ? core::UnitValueText(Quantity::Frequency, t.VerticalFrequency)
                   : NotApplicable());
    wheel(103, core::UnitValueText(Quantity::DistanceSmall, t.Deflection));
    wheel(104, Pair(Quantity::DistanceSmall, t.RollingRadius, t.RollingCircumference));
    wheel(105, core::UnitValueText(Quantity::DistanceSmall, t.WallHeightRemaining));
    wheel(106, Percent(t.DeflectionRatio));
    wheel(107, core::UnitValueText(Quantity::DistanceSmall, t.PatchWidth));
    wheel(108, core::UnitValueText(Quantity::DistanceSmall, t.PatchLength));
    wheel(109, core::UnitValueText(Quantity::Area, t.PatchArea));
    wheel(110, core::RoundedText(t.PatchAspect, 2) + " : 1");
}

}  // namespace vehicle
