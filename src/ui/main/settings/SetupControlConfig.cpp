// Setting-page configuration for the current vehicle (see SetupControlConfig.hpp).
#include "ui/main/settings/SetupControlConfig.hpp"
#include "ui/options/OptionsPanel.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/ScopedValue.hpp"
#include "core/LFSCars.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "ui/main/form/Main.hpp"
#include "core/SliderRanges.hpp"
#include "vehicle/TyreCode.hpp"

namespace ui {

// Both figures must lie where the sliders' design ranges can take them.
static_assert(kProgramMaxSteerLock >= core::design::SteerLock.min);
static_assert(kRaceAboutRearCaster >= core::design::SteerCasterRear.min &&
              kRaceAboutRearCaster <= core::design::SteerCasterRear.max);

namespace {

Main* Window() { return core::GlobalChassisLab().MainForm; }

bool IsOn(core::VbBool b) { return core::FromVbBool(b); }

// Writes a value the slider can hold: a value outside its present range is brought to the
// nearer end (as the slider itself would), without counting as a wrong write.
void SetSliderValueInRange(platform::Slider& s, int32_t value) {
    s.SetValue(std::clamp(value, s.Min(), s.Max()));
}

// Refills a drop-down with `items` and selects again the text it had when that is still
// offered; otherwise selects `fallback` (an item text) or, when `fallback` is empty or not
// offered, the first item. Every selection raises the list's Click as a person's choice does.
template <typename Items>
void RefillKeepingChoice(platform::ComboBox& combo, const Items& items,
                         const std::string& fallback) {
    const std::string previous = combo.Text();
    combo.Clear();
    for (const std::string& item : items) combo.AddItem(item);
    if (combo.ListCount() == 0) return;
    if (combo.FindItem(previous) >= 0) {
        combo.SetText(previous);
    } else if (!fallback.empty() && combo.FindItem(fallback) >= 0) {
        combo.SetText(fallback);
    } else {
        combo.SetListIndex(0);
    }
}

// The differential type lists of the front (0) and rear (1) panels; the centre list keeps its
// own items. `allTypes` false offers only "Open".
void FillDiffTypeLists(Main& w, bool allTypes) {
    const auto& names = core::TextTable().DiffTypeNames;  // "Open", "Locked", "Viscous", ...
    std::vector<std::string> items;
    if (allTypes) {
        items.assign(names.begin(), names.end());
    } else {
        items.push_back(names[0]);
    }
    for (int axle = 0; axle <= 1; ++axle)
        RefillKeepingChoice(w.Set_GearingDiffType(axle), items, names[0]);
}

// The compound lists of the front (0) and rear (2) axles. With a simulator car only the
// compounds its tyre mask allows (never the drag slick), falling back to the first offered;
// otherwise all nine, falling back to "Road Normal".
void FillTyreCompoundLists(Main& w, const core::LFSCarRecord* car) {
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    std::vector<std::string> items;
    for (std::size_t k = 0; k < compounds.size(); ++k) {
        if (car == nullptr || core::LFSCarOffersCompound(*car, static_cast<int>(k)))
            items.push_back(compounds[k].Name);
    }
    const std::string fallback =
        car == nullptr ? compounds[vehicle::kDefaultTyreCompound].Name : std::string();
    for (int wheel : {0, 2}) RefillKeepingChoice(w.Set_TyreCompound(wheel), items, fallback);
}

void ConfigureForSimulatorCar(Main& w) {
    const core::GlobalChassisLabState& g = core::GlobalChassisLab();
    const core::LFSCarRecord& car = g.CurrentLFSCar;
    const bool casterAdjustable = IsOn(car.CasterAdjustable);

    // Caster: the front is fixed for most cars; only the RaceAbout has rear caster, and no
    // car lets it be adjusted. (The rear value is written once, directly to its final value.)
    w.Set_SteerCaster(0).SetEnabled(casterAdjustable);
    if (!casterAdjustable) w.Set_SteerCaster(0).SetValue(car.FixedCaster);
    const bool raceAbout = casterAdjustable && core::TrimRight(car.Name) == kRaceAboutName;
    w.Set_SteerCaster(1).SetValue(raceAbout ? kRaceAboutRearCaster : 0);
    w.Set_SteerCaster(1).SetEnabled(false);

    w.Set_SteerLock->SetMax(car.MaxSteerLock);

    // The reverse ratio is the car's own and cannot be changed: its inputs are hidden and the
    // ratio is shown as text beside the reverse row. The text is the car's ratio, which the
    // gearing analysis will use, not whatever ratio the last gearing analysis held.
    const float reverse = core::LFSCarReverseRatio(car);
    SetSliderValueInRange(w.Set_GearRatioSlider(0), core::CLng(reverse * 1000.0f));
    ShowGearRatioControls(false);
    const bool hasReverse = IsOn(g.CurrentVehicle.Drivetrain.HasReverse);
    w.Set_GearingLabel(35).SetVisible(hasReverse);
    if (hasReverse) w.Set_GearingLabel(35).SetCaption(core::SingleText(reverse));

    for (int axle = 0; axle <= 1; ++axle) {
        const bool hasBar = IsOn(car.HasAntiRollBar[axle]);
        w.Set_SuspARBStiffness(axle).SetEnabled(hasBar);
        if (!hasBar) w.Set_SuspARBStiffness(axle).SetValue(0);  // 0 = no anti-roll bar
    }

    FillDiffTypeLists(w, IsOn(car.DiffTypeSelectable));
    FillTyreCompoundLists(w, &car);

    // The options window's switches follow the car; their click handling runs only when the
    // switch actually changes, as a check box's does.
    const core::OptionsSettingsState& o = core::OptionsSettings();
    if (IsOn(car.SimplifiedDampers) != IsOn(o.SimplifiedDampers))
        SetSimplifiedDampersSwitch(IsOn(car.SimplifiedDampers));
    if (IsOn(car.SimplifiedDiffs) != IsOn(o.SimplifiedDiffs))
        SetSimplifiedDiffsSwitch(IsOn(car.SimplifiedDiffs));

    const bool abs = IsOn(car.HasABS);
    w.Set_BrakeLabel(7).SetVisible(abs);
    w.Set_ABS->SetVisible(abs);
    if (!abs) w.Set_ABS->SetValue(0);

    w.Set_SetupFrame(9).SetVisible(IsOn(car.HasThrottleSettings));
    const bool tc = IsOn(car.HasTractionControl);
    w.Set_SetupFrame(10).SetVisible(tc);
    ShowTractionControlControls(tc);
    w.Set_SetupFrame(12).SetVisible(IsOn(car.HasConfig));
    ShowSetupExtraControls(true);
}

void ConfigureForProgram(Main& w) {
    const core::GlobalChassisLabState& g = core::GlobalChassisLab();
    w.Set_SteerCaster(0).SetEnabled(true);
    w.Set_SteerCaster(1).SetEnabled(true);
    w.Set_SteerLock->SetMax(kProgramMaxSteerLock);
    w.Set_SuspARBStiffness(0).SetEnabled(true);
    w.Set_SuspARBStiffness(1).SetEnabled(true);

    ShowGearRatioControls(IsOn(g.CurrentVehicle.Drivetrain.HasReverse));
    w.Set_GearingLabel(35).SetVisible(false);

    FillDiffTypeLists(w, true);
    FillTyreCompoundLists(w, nullptr);

    w.Set_BrakeLabel(7).SetVisible(true);
    w.Set_ABS->SetVisible(true);
    w.Set_SetupFrame(9).SetVisible(true);
    w.Set_SetupFrame(10).SetVisible(true);
    ShowTractionControlControls(false);
    w.Set_SetupFrame(12).SetVisible(false);
    ShowSetupExtraControls(false);
}

}  // namespace

bool SimulatorCarSetup() {
    return IsOn(core::OptionsSettings().LFSMode) && IsOn(core::GlobalChassisLab().HasLFSCar);
}

void ConfigureSetupControls() {
    Main* w = Window();
    if (w == nullptr) return;
    const core::RaisedFlag busy(core::GlobalChassisLab().SetupControlsBusy);
    if (SimulatorCarSetup()) {
        ConfigureForSimulatorCar(*w);
    } else {
        ConfigureForProgram(*w);
    }
}

void FillProgramTyreCompoundLists() {
    Main* w = Window();
    if (w == nullptr) return;
    const core::RaisedFlag busy(core::GlobalChassisLab().SetupControlsBusy);
    FillTyreCompoundLists(*w, nullptr);
}

void ShowGearRatioControls(bool show) {
    Main* w = Window();
    if (w == nullptr) return;
    w->Set_GearRatioSlider(0).SetVisible(show);
    w->Set_GearRatioText(0).SetVisible(show);
}

void ShowSetupExtraControls(bool show) {
    Main* w = Window();
    if (w == nullptr) return;
    w->Set_SetupFrame(13).SetVisible(show);  // "Tyre brand"
    w->Set_AeroLabel(8).SetVisible(show);    // "Intake restriction:"
    w->Set_AeroLabel(11).SetVisible(show);   // its value
    w->Set_HandicapIntake->SetVisible(show);
}

void ShowTractionControlControls(bool show) {
    Main* w = Window();
    if (w == nullptr) return;
    for (int label : {4, 5, 6, 103, 104}) w->Set_BrakeLabel(label).SetVisible(show);
    w->Set_TCSlipRatio->SetVisible(show);
    w->Set_TCSlipSpeed->SetVisible(show);
}

void ApplySimplifiedDiffs(bool on) {
    core::OptionsSettings().SimplifiedDiffs = core::ToVbBool(on);
    Main* w = Window();
    if (w == nullptr) return;
    if (on) {
        for (int axle = 0; axle <= 1; ++axle)
            w->Set_GearingDiffCoastLocking(axle).SetValue(w->Set_GearingDiffPowerLocking(axle).Value());
    }
    w->Set_GearingDiffCoastLocking(0).SetEnabled(!on);
    w->Set_GearingDiffCoastLocking(1).SetEnabled(!on);
}

void ApplySimplifiedDampers(bool on) {
    Main* w = Window();
    if (on) {
        core::OptionsSettings().SimplifiedDampers = core::VbTrue;
        if (w == nullptr) return;
        // Bump damping is half the rebound damping, halves to even (7 gives 4, 5 gives 2).
        for (int axle = 0; axle <= 1; ++axle)
            w->Set_SuspBumpDamp(axle).SetValue(core::CLng(w->Set_SuspReboundDamp(axle).Value() / 2.0));
        w->Set_SuspBumpDamp(0).SetEnabled(false);
        w->Set_SuspBumpDamp(1).SetEnabled(false);
    } else {
        if (w != nullptr) {
            w->Set_SuspBumpDamp(0).SetEnabled(true);
            w->Set_SuspBumpDamp(1).SetEnabled(true);
        }
        core::OptionsSettings().SimplifiedDampers = core::VbFalse;
    }
}

void SetSimplifiedDampersSwitch(bool on) {
    if (OptionsPanel* w = ExistingOptionsPanel()) {
        w->SimplifiedDampersEnable->SetValue(on ? 1 : 0);
    } else {
        ApplySimplifiedDampers(on);
    }
}

void SetSimplifiedDiffsSwitch(bool on) {
    if (OptionsPanel* w = ExistingOptionsPanel()) {
        w->SimplifiedDiffsEnable->SetValue(on ? 1 : 0);
    } else {
        ApplySimplifiedDiffs(on);
    }
}

}  // namespace ui
