#include "ui/options/OptionsPanelFill.hpp"

#include <string>

#include "core/GlobalChassisLab.hpp"
#include "core/GraphScales.hpp"
#include "core/OptionsSettings.hpp"
#include "core/ScopedValue.hpp"
#include "core/TextTable.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace ui {
namespace {

using core::FromVbBool;

int CheckValue(core::VbBool flag) { return FromVbBool(flag) ? 1 : 0; }

// A whole number as a text box shows it.
std::string WholeText(int64_t v) { return std::to_string(v); }

}  // namespace

void FillUnitCombos() {
    OptionsPanel& w = OptionsPanelWindow();
    auto& g = core::GlobalChassisLab();
    g.OptionsPanelFilling = core::VbTrue;
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const core::Quantity q = core::QuantityAt(i);
        for (const std::string& name : core::UnitData(q).Names) w.Select(q).AddItem(name);
    }
    g.OptionsPanelFilling = core::VbFalse;
    w.ContentsLoaded = true;
}

void ShowOptionsSettings() {
    OptionsPanel& w = OptionsPanelWindow();
    auto& g = core::GlobalChassisLab();
    core::OptionsSettingsState& o = core::OptionsSettings();
    w.Title_Options->SetCaption(core::TextTable().CustomiseTitlePrefix + core::kProgramName);
    g.OptionsPanelFilling = core::VbTrue;

    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const core::Quantity q = core::QuantityAt(i);
        const core::UnitSlot unit = core::UnitData(q);
        w.UnitSuffixLabel(q).SetCaption(core::UnitSuffix(q));
        // Selecting the item runs the selector's handler, which applies the unit.
        if (unit.Index < unit.Names.size()) w.Select(q).SetText(unit.Names[unit.Index]);
    }

    // A slider written from code runs no handler of the page: the labels follow below.
    const auto sliders = core::GraphScaleSliders();
    for (std::size_t k = 0; k < sliders.size(); ++k) w.ScaleSlider[k]->SetValue(o.*sliders[k].Field);
    RefreshGraphScaleLabels();

    {
        // The style buttons' click stores both styles from the buttons: take the stored ones
        // first, or selecting the speed graph's button would overwrite the torque graph's
        // stored style with the button it shows before it is set.
        const bool speedUsedRange = FromVbBool(o.GearSpeedStyle);
        const bool torqueUsedRange = FromVbBool(o.GearTorqueStyle);
        const core::RaisedFlag gearLines(g.GearLinesFilling);
        w.EnableDecVLoads->SetValue(CheckValue(o.DrawDecVLoads));
        w.GearGraphStyle(speedUsedRange ? 1 : 0).SetValue(true);
        w.EnableGearSpeedLine(0).SetValue(CheckValue(o.DrawPeakTorqueLine));
        w.EnableGearSpeedLine(1).SetValue(CheckValue(o.DrawPeakPowerLine));
        w.EnableGearSpeedLine(2).SetValue(CheckValue(o.DrawRevLimiterLine));
        w.GearGraphStyle(torqueUsedRange ? 11 : 10).SetValue(true);
        w.EnableGearTorqueLine(0).SetValue(CheckValue(o.DrawEngineTorque));
        w.EnableGearTorqueLine(1).SetValue(CheckValue(o.DrawStaticTractionLimit));
        w.EnableGearTorqueLine(2).SetValue(CheckValue(o.HighlightTorqueCurve));
        w.EnableAeroLiftVLoads->SetValue(CheckValue(o.DrawAeroVLoads));
        w.EnableAccVLoads->SetValue(CheckValue(o.DrawAccVLoads));
    }

    w.AutomaticUpdating->SetValue(CheckValue(o.AutoRecalc));
    w.AutoUpdateChecking->SetValue(CheckValue(o.AutoUpdateCheck));
    w.EnableLFSMode->SetValue(CheckValue(o.LFSMode));
    w.EnableTestControls->SetValue(CheckValue(o.LowResControls));

    w.AreaOffset(0).SetText(WholeText(o.AreaOffsetX));
    w.AreaOffset(1).SetText(WholeText(o.AreaOffsetY));
    w.FilterSetups->SetValue(CheckValue(o.FilterSetupsOnOpen));

    w.RC_FixedVal->SetText(WholeText(o.FixedShiftRpm));
    if (FromVbBool(o.ShiftPointAuto)) {
        w.RC_Auto->SetValue(true);
    } else {
        w.RC_Fixed->SetValue(true);
    }

    const bool indicated = FromVbBool(o.SpeedoIndicated);
    const float speedoError = o.SpeedoErrorPercent;
    const bool revLimit = FromVbBool(o.RevLimitEnabled);
    w.SpeedoType(indicated ? 1 : 0).SetValue(true);
    w.SpeedoError->SetText(core::SingleText(speedoError));
    w.RevLimitEnable->SetValue(revLimit ? 1 : 0);

    const int mode = o.GearRevsTopMode <= 2 ? o.GearRevsTopMode : 0;
    const int powerDrop = o.PowerDropPercent;
    w.GearRevsTop(mode).SetValue(true);
    w.GearRevsTopPowerDrop->SetValue(powerDrop);

    w.SimplifiedDampersEnable->SetValue(CheckValue(o.SimplifiedDampers));
    w.SimplifiedDiffsEnable->SetValue(CheckValue(o.SimplifiedDiffs));

    g.OptionsPanelFilling = core::VbFalse;
}

void RefreshGraphScaleLabels() {
    OptionsPanel& w = OptionsPanelWindow();
    const core::OptionsSettingsState& o = core::OptionsSettings();
    for (const core::GraphScaleSlider& s : core::GraphScaleSliders())
        w.ScaleValueLabel(s).SetCaption(core::GraphScaleLabelText(s, o.*s.Field));
}

}  // namespace ui
