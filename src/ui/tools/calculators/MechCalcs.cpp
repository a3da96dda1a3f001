// The mechanical calculators window's handlers and calculator routines. The formulas are in
// SpringCalcs, DiscBrakeCalc and BellevilleStack; these routines read the boxes, colour them,
// and write the results in the display units.
#include "ui/tools/calculators/MechCalcs.hpp"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "ui/tools/calculators/PartRanges.hpp"
#include "ui/tools/ToolLayout.hpp"

namespace ui {

namespace {

struct MechCalcsWindowState {
    platform::FormHolder<MechCalcs> Holder;
};
MechCalcsWindowState& MechCalcsWindow() {
    static MechCalcsWindowState state;
    return state;
}

using core::Quantity;
using toolkit::MarkBox;

using toolkit::ReadSingle;

bool IsNotApplicable(const std::string& number) { return number == core::kNotApplicableText; }

// A number and its unit; "N/A" stands alone.
std::string WithUnit(const std::string& number, const std::string& unit) {
    return IsNotApplicable(number) ? number : number + unit;
}

// "534 / 213 Nm": front and rear, the unit once. A pair with a figure that is not a number
// reads "N/A" as a whole.
std::string PairCaption(const std::string& front, const std::string& rear,
                        const std::string& unit) {
    if (IsNotApplicable(front) || IsNotApplicable(rear))
        return std::string(core::kNotApplicableText);
    return front + " / " + rear + unit;
}

// Both values in the quantity's unit and decimals.
std::string PairText(Quantity q, float front, float rear) {
    return PairCaption(core::UnitNumberText(q, front), core::UnitNumberText(q, rear),
                       core::UnitSuffix(q));
}

// Brake bores give areas of a few square centimetres, which the area units' own decimals
// round to "0 m²" or "0 in²". An area keeps at least four significant figures: more decimals
// than the unit's where those are too few, never fewer.
std::string AreaNumberText(float area) {
    float x = 0.0f;
    if (!core::UnitDisplayValue(Quantity::Area, area, x))
        return std::string(core::kNotApplicableText);
    int32_t places = core::OptionsSettings().UnitDecimalsArea;
    if (x != 0.0f) {
        const auto magnitude = static_cast<int32_t>(std::floor(std::log10(std::fabs(x))));
        places = std::max(places, 3 - magnitude);
    }
    return core::SingleText(core::RoundToDecimals(x, places));
}

template <std::size_t N>
void MarkBoxes(platform::ControlArray<platform::TextBox>& boxes, const std::array<bool, N>& ok) {
    for (std::size_t i = 0; i < N; ++i)
        if (boxes.Has(static_cast<int>(i))) MarkBox(boxes(static_cast<int>(i)), ok[i]);
}

std::string MultiplierText(float multiplier) {
    return core::SingleText(core::RoundToDecimals(multiplier, 5));
}

}  // namespace

MechCalcs::MechCalcs() : platform::Form("MechCalcs") {
    SetClosesOnEscape(true);
    SetCaption("Mechanical Calculators");
    BuildLayout();
    InstallHandlers();
    Load = [this] { MechCalcs_Load(); };
}

void MechCalcs::InstallHandlers() {
    SelectMechCalc->Click = [this] { SelectMechCalc_Click(); };
    SelectLeafType->Click = [this] { if (CalcsReady) CalcLeafSpring(); };
    LeafSpringInput.ForEach([this](int, platform::TextBox& b) {
        b.Change = [this] { if (CalcsReady) CalcLeafSpring(); };
    });
    CoilSpringInput.ForEach([this](int, platform::TextBox& b) {
        b.Change = [this] { if (CalcsReady) CalcCoilSpring(); };
    });
    SelectARBType->Click = [this] { if (CalcsReady) CalcAntiRollBar(); };
    ARBInput.ForEach([this](int, platform::TextBox& b) {
        b.Change = [this] { if (CalcsReady) CalcAntiRollBar(); };
    });
    DiscBrakeInput.ForEach([this](int, platform::TextBox& b) {
        b.Change = [this] { if (CalcsReady) CalcDiscBrakes(); };
    });
    PadsPerCaliper->Click = [this] { if (CalcsReady) CalcDiscBrakes(); };
    CalipersPerDisc.ForEach([this](int, platform::ComboBox& c) {
        c.Click = [this] { if (CalcsReady) CalcDiscBrakes(); };
    });
    DiscMasterCylinders->Click = [this] { DiscMasterCylinders_Click(); };
    SelectBellevilleStackNum->Click = [this] { if (CalcsReady) BuildBellevilleStackConfigs(); };
    SelectBellevilleStackConfig->Click = [this] { SelectBellevilleStackConfig_Click(); };
    SelectBellevilleStackStiffness->Click = [this] { SelectBellevilleStackStiffness_Click(); };
    BellevilleStackSingleStiffness->Change = [this] {
        ShowBellevilleStackResult(SelectBellevilleStackConfig->ListIndex());
    };
}

void MechCalcs::MechCalcs_Load() {
    const auto& texts = core::TextTable();
    CalcsReady = false;
    for (const std::string& name : texts.MechCalcNames) SelectMechCalc->AddItem(name);
    SelectMechCalc->SetListIndex(0);
    for (const std::string& name : texts.ARBTypeNames) SelectARBType->AddItem(name);
    SelectARBType->SetListIndex(0);
    for (const std::string& name : texts.LeafSpringTypeNames) SelectLeafType->AddItem(name);
    SelectLeafType->SetListIndex(0);
    for (const char* n : {"1", "2"}) DiscMasterCylinders->AddItem(n);
    DiscMasterCylinders->SetListIndex(0);
    for (const char* n : {"1", "2"}) PadsPerCaliper->AddItem(n);
    PadsPerCaliper->SetListIndex(0);
    for (int i = 0; i <= 1; ++i) {
        for (const char* n : {"1", "2", "4", "6", "8"}) CalipersPerDisc(i).AddItem(n);
        CalipersPerDisc(i).SetListIndex(2 - i);  // front "4", rear "2"
    }
    for (int n = 1; n <= tools::kMaxStackDiscs; ++n)
        SelectBellevilleStackNum->AddItem(std::to_string(n));
    SelectBellevilleStackNum->SetListIndex(6);  // 7 discs
    CalcsReady = true;
    StackBoxFactor = core::OptionsSettings().UnitFactorStiffness;
    CalcCoilSpring();
    CalcLeafSpring();
    CalcAntiRollBar();
    CalcDiscBrakes();
    BuildBellevilleStackConfigs();
}

void MechCalcs::SelectMechCalc_Click() {
    const int view = SelectMechCalc->ListIndex();
    if (view == 0) {
        for (int i = 0; i <= 3; ++i) MechCalc(i).SetVisible(true);
        MechCalc(4).SetVisible(false);
        SetClientSize(kSpringViewClientWidth, kSpringViewClientHeight);
    } else if (view == 1) {
        for (int i = 0; i <= 3; ++i) MechCalc(i).SetVisible(false);
        MechCalc(4).SetVisible(true);
        SetClientSize(kBrakeViewClientWidth, kBrakeViewClientHeight);
    }
}

// ---- Springs ----

void MechCalcs::CalcLeafSpring() {
    tools::LeafSpringInputs in;
    in.Span = ReadSingle(LeafSpringInput(0));
    in.Width = ReadSingle(LeafSpringInput(1));
    in.Thickness = ReadSingle(LeafSpringInput(2));
    in.LeavesTyped = core::TypedVal(LeafSpringInput(3).Text());
    const int type = SelectLeafType->ListIndex();
    in.Type = type == 1   ? tools::LeafType::SemiEllipticProgressive
              : type == 2 ? tools::LeafType::QuarterElliptic
                          : tools::LeafType::SemiElliptic;
    const tools::LeafSpringResult r = tools::CalcLeafSpring(in);
    MarkBoxes(LeafSpringInput, r.Ok);
    if (!r.Valid) return;
    LeafShown = r;
    ShowLeafSpring();
}

void MechCalcs::ShowLeafSpring() {
    if (!LeafShown) return;
    LeafCalcLabel(100).SetCaption(core::UnitValueText(Quantity::Stiffness, LeafShown->Rate));
}

void MechCalcs::CalcCoilSpring() {
    tools::CoilSpringInputs in;
    in.FreeLength = ReadSingle(CoilSpringInput(0));
    in.Pitch = ReadSingle(CoilSpringInput(1));
    in.TotalCoils = ReadSingle(CoilSpringInput(2));
    in.WireDiameter = ReadSingle(CoilSpringInput(3));
    in.InnerDiameter = ReadSingle(CoilSpringInput(4));
    const tools::CoilSpringResult r = tools::CalcCoilSpring(in);
    MarkBoxes(CoilSpringInput, r.Ok);
    if (!r.Valid) return;
    CoilShown = r;
    ShowCoilSpring();
}

void MechCalcs::ShowCoilSpring() {
    if (!CoilShown) return;
    const tools::CoilSpringResult& r = *CoilShown;
    CoilCalcLabel(100).SetCaption(core::RoundedText(r.ActiveCoils, 2));
    CoilCalcLabel(101).SetCaption(core::UnitValueText(Quantity::DistanceSmall, r.MeanDiameter));
    CoilCalcLabel(102).SetCaption(core::UnitValueText(Quantity::DistanceSmall, r.Travel));
    CoilCalcLabel(103).SetCaption(core::UnitValueText(Quantity::Stiffness, r.Rate));
}

void MechCalcs::CalcAntiRollBar() {
    tools::TorsionBarInputs in;
    in.ArmLength = ReadSingle(ARBInput(0));
    in.BarLength = ReadSingle(ARBInput(1));
    in.Diameter = ReadSingle(ARBInput(2));
    in.WallThickness = ReadSingle(ARBInput(3));
    in.Solid = SelectARBType->Text() == core::TextTable().ARBTypeNames[1];
    // A solid bar has no wall: the box keeps its text but is not used.
    ARBInput(3).SetEnabled(!in.Solid);
    const tools::TorsionBarResult r = tools::CalcTorsionBar(in);
    MarkBoxes(ARBInput, r.Ok);
    if (!r.Valid) return;
    BarShown = r;
    ShowAntiRollBar();
}

void MechCalcs::ShowAntiRollBar() {
    if (!BarShown) return;
    const tools::TorsionBarResult& r = *BarShown;
    ARBCalcLabel(100).SetCaption(core::UnitValueText(Quantity::DistanceSmall, r.HollowDiameter));
    ARBCalcLabel(101).SetCaption(core::UnitValueText(Quantity::Rot, r.TorsionStiffness));
    ARBCalcLabel(102).SetCaption(core::UnitValueText(Quantity::Stiffness, r.LinearStiffness));
}

// ---- Disc brakes ----

void MechCalcs::DiscMasterCylinders_Click() {
    ApplyBiasBarEnabling();
    if (CalcsReady) CalcDiscBrakes();
}

void MechCalcs::ApplyBiasBarEnabling() {
    const bool biasBar = core::TypedVal(DiscMasterCylinders->Text()) == 2.0;
    for (int box : {tools::BrakeBox::BiasThread, tools::BrakeBox::BiasLength,
                    tools::BrakeBox::BiasOffset})
        DiscBrakeInput(box).SetEnabled(biasBar);
}

void MechCalcs::CalcDiscBrakes() {
    namespace B = tools::BrakeBox;
    tools::DiscBrakeInputs in;
    in.PedalArm = ReadSingle(DiscBrakeInput(B::PedalArm));
    in.PushrodDistance = ReadSingle(DiscBrakeInput(B::PushrodDistance));
    in.AppliedForce = ReadSingle(DiscBrakeInput(B::AppliedForce));
    in.MasterCylinders = DiscMasterCylinders->ListIndex() == 1 ? 2 : 1;
    in.BiasThread = ReadSingle(DiscBrakeInput(B::BiasThread));
    in.BiasLength = ReadSingle(DiscBrakeInput(B::BiasLength));
    in.BiasOffset = ReadSingle(DiscBrakeInput(B::BiasOffset));
    in.MasterBore = ReadSingle(DiscBrakeInput(B::MasterBore));
    in.CaliperBore = {ReadSingle(DiscBrakeInput(B::FrontCaliperBore)),
                      ReadSingle(DiscBrakeInput(B::RearCaliperBore))};
    for (std::size_t i = 0; i < 2; ++i)
        in.CalipersPerDisc[i] =
            ReadSingle(CalipersPerDisc(static_cast<int>(i)));
    in.PadsPerCaliper = core::CInt(core::TypedVal(PadsPerCaliper->Text()));
    in.Friction = ReadSingle(DiscBrakeInput(B::Friction));
    in.DiscDiameter = {ReadSingle(DiscBrakeInput(B::FrontDisc)),
                       ReadSingle(DiscBrakeInput(B::RearDisc))};

    const tools::DiscBrakeResult r = tools::CalcDiscBrakes(in);
    MarkBoxes(DiscBrakeInput, r.Ok);
    if (!r.Valid) return;
    BrakesShown = r;
    BrakesShownAsPairs = in.MasterCylinders == 2;
    ShowDiscBrakes();
}

void MechCalcs::ShowDiscBrakes() {
    if (!BrakesShown) return;
    const tools::DiscBrakeResult& r = *BrakesShown;
    const bool pair = BrakesShownAsPairs;
    auto axleText = [pair](Quantity q, const std::array<float, 2>& v) {
        return pair ? PairText(q, v[0], v[1]) : core::UnitValueText(q, v[0]);
    };
    DiscCalcLabel(100).SetCaption(core::RoundedText(r.Leverage, 2));
    DiscCalcLabel(101).SetCaption(core::UnitValueText(Quantity::Force, r.MechanicalForce));
    const std::string& areaUnit = core::UnitSuffix(Quantity::Area);
    DiscCalcLabel(102).SetCaption(WithUnit(AreaNumberText(r.MasterArea), areaUnit));
    DiscCalcLabel(103).SetCaption(PairCaption(AreaNumberText(r.CaliperArea[0]),
                                              AreaNumberText(r.CaliperArea[1]), areaUnit));
    DiscCalcLabel(104).SetCaption(
        PairText(Quantity::DistanceSmall, r.PadRadius[0], r.PadRadius[1]));
    DiscCalcLabel(105).SetCaption(axleText(Quantity::Force, r.MasterForce));
    DiscCalcLabel(106).SetCaption(axleText(Quantity::Pressure, r.Pressure));
    DiscCalcLabel(107).SetCaption(axleText(Quantity::Force, r.ClampForce));
    DiscCalcLabel(108).SetCaption(PairText(Quantity::Torque, r.Torque[0], r.Torque[1]));
    DiscCalcLabel(109).SetCaption(core::RoundedText(r.TorqueEffortRatio, 2));
    // Both torques 0 (for example both pad radii 0): there is no balance to show.
    DiscCalcLabel(110).SetCaption(r.HasBalance
                                      ? WithUnit(core::RoundedText(r.FrontBalance * 100.0f, 1), "%")
                                      : std::string(core::kNotApplicableText));
}

// ---- Disc-spring stack ----

void MechCalcs::BuildBellevilleStackConfigs() {
    const int discs = SelectBellevilleStackNum->ListIndex() + 1;
    StackConfigs = tools::BuildBellevilleStackConfigs(discs);
    BellevilleCalcLabel(100).SetCaption(std::to_string(StackConfigs.size()));
    if (StackConfigs.empty()) return;

    StackListsUpdating = true;
    SelectBellevilleStackConfig->Clear();
    for (const auto& c : StackConfigs) SelectBellevilleStackConfig->AddItem(c.Config);
    SelectBellevilleStackConfig->SetListIndex(0);
    std::vector<float> sorted;
    sorted.reserve(StackConfigs.size());
    for (const auto& c : StackConfigs) sorted.push_back(c.Multiplier);
    core::MergeSortVariants(sorted);
    SelectBellevilleStackStiffness->Clear();
    for (float m : sorted) SelectBellevilleStackStiffness->AddItem(MultiplierText(m));
    SelectBellevilleStackStiffness->SetText(MultiplierText(StackConfigs[0].Multiplier));
    StackListsUpdating = false;
    ShowBellevilleStackResult(0);
}

void MechCalcs::ShowBellevilleStackResult(int index) {
    if (index < 0 || index >= static_cast<int>(StackConfigs.size())) return;
    const auto& c = StackConfigs[static_cast<std::size_t>(index)];
    BellevilleCalcLabel(101).SetCaption(c.Visual);
    BellevilleCalcLabel(7).SetCaption(core::UnitSuffix(Quantity::Stiffness));
    // The single disc's stiffness is typed in the display unit.
    const double typed = core::TypedVal(BellevilleStackSingleStiffness->Text());
    const double factor = core::OptionsSettings().UnitFactorStiffness;
    const bool inRange =
        tools::kDiscSpringStiffness.Holds(tools::StackStiffness(1.0f, typed, factor));
    MarkBox(*BellevilleStackSingleStiffness, inRange);
    if (inRange) StackShown = tools::StackStiffness(c.Multiplier, typed, factor);
    if (StackShown)
        BellevilleCalcLabel(102).SetCaption(core::UnitValueText(Quantity::Stiffness, *StackShown));
}

void MechCalcs::SelectBellevilleStackConfig_Click() {
    if (StackListsUpdating) return;
    StackListsUpdating = true;
    const int i = SelectBellevilleStackConfig->ListIndex();
    ShowBellevilleStackResult(i);
    if (i >= 0 && i < static_cast<int>(StackConfigs.size()))
        SelectBellevilleStackStiffness->SetText(
            MultiplierText(StackConfigs[static_cast<std::size_t>(i)].Multiplier));
    StackListsUpdating = false;
}

void MechCalcs::SelectBellevilleStackStiffness_Click() {
    if (StackListsUpdating || StackConfigs.empty()) return;
    StackListsUpdating = true;
    const float chosen = ReadSingle(*SelectBellevilleStackStiffness);
    std::size_t found = 0;
    for (std::size_t i = 0; i < StackConfigs.size(); ++i) {
        if (core::RoundToDecimals(StackConfigs[i].Multiplier, 5) == chosen) {
            found = i;
            break;
        }
    }
    ShowBellevilleStackResult(static_cast<int>(found));
    SelectBellevilleStackConfig->SetText(StackConfigs[found].Config);
    StackListsUpdating = false;
}

// ---- Units ----

void MechCalcs::FollowUnitChange() {
    if (!CalcsReady) return;
    ShowCoilSpring();
    ShowLeafSpring();
    ShowAntiRollBar();
    ShowDiscBrakes();
    const double factor = core::OptionsSettings().UnitFactorStiffness;
    const double old = StackBoxFactor;
    StackBoxFactor = factor;
    const core::TypedNumber typed = core::ReadTypedNumber(BellevilleStackSingleStiffness->Text());
    if (old != factor && old != 0.0 && typed.Whole) {
        // Five figures, as a person would type the same stiffness in the new unit.
        const auto converted = static_cast<float>(typed.Value / old * factor);
        BellevilleStackSingleStiffness->SetText(
            core::SingleText(core::RoundToSigFigs(converted, 5)));
    }
    ShowBellevilleStackResult(SelectBellevilleStackConfig->ListIndex());
}

// ---- The one window ----

void ShowMechCalcs() {
    MechCalcs& w = MechCalcsWindow().Holder.Get();
    w.Show();  // a shown window comes to the front
}

void MechCalcsFollowUnitChange() {
    // A closed window keeps nothing to show: it starts afresh in the units of its next opening.
    const auto& holder = MechCalcsWindow().Holder;
    if (holder.IsLoaded()) holder.Peek()->FollowUnitChange();
}

MechCalcs* PeekMechCalcs() { return MechCalcsWindow().Holder.Peek(); }

void ResetMechCalcs() { MechCalcsWindow().Holder.Reset(); }

}  // namespace ui
