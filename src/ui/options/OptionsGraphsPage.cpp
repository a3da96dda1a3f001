// The graphs page: the scale sliders store their positions and write their value labels, and
// the drawing switches store their options; then the chart they belong to is redrawn. Only a
// person's click or drag runs a slider's handler: a position written by code runs nothing.
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace ui {
namespace {

bool Guarded() {
    const auto& g = core::GlobalChassisLab();
    return core::FromVbBool(g.FormLoading) || core::FromVbBool(g.OptionsPanelFilling);
}

core::VbBool Checked(const platform::CheckBox& c) { return core::ToVbBool(c.Value() != 0); }

}  // namespace

void OptionsPanel::InstallGraphsHandlers() {
    const auto sliders = core::GraphScaleSliders();
    for (std::size_t k = 0; k < sliders.size(); ++k) {
        const int group = sliders[k].Group;
        Slider& s = *ScaleSlider[k];
        // A click runs the scroll handler; the Change a code write raises is not handled.
        s.Scroll = [this, group] { ScaleSlider_Scroll(group); };
        s.Click = [this, group] { ScaleSlider_Scroll(group); };
    }
    EnableRollPoint.ForEach([this](int, CheckBox& c) { c.Click = [this] { EnableRollPoint_Click(); }; });
    EnablePitchPoint.ForEach([this](int, CheckBox& c) { c.Click = [this] { EnablePitchPoint_Click(); }; });
    EnableGearSpeedLine.ForEach(
        [this](int, CheckBox& c) { c.Click = [this] { EnableGearSpeedLine_Click(); }; });
    EnableGearTorqueLine.ForEach(
        [this](int, CheckBox& c) { c.Click = [this] { EnableGearTorqueLine_Click(); }; });
    GearGraphStyle.ForEach([this](int, OptionButton& o) { o.Click = [this] { GearGraphStyle_Click(); }; });
    EnableDecVLoads->Click = [this] { EnableDecVLoads_Click(); };
    EnableAccVLoads->Click = [this] { EnableAccVLoads_Click(); };
    EnableAeroLiftVLoads->Click = [this] { EnableAeroLiftVLoads_Click(); };
    VScrollGraphsTab->Scroll = [this] { VScrollGraphsTab_Scroll(); };
    VScrollGraphsTab->Change = [this] { VScrollGraphsTab_Scroll(); };
}

void OptionsPanel::ShowDiagramSwitches() {
    // A box's click reads all five of its diagram: they must show the switches as they are.
    const core::OptionsSettingsState& o = core::OptionsSettings();
    const auto show = [](CheckBox& c, core::VbBool on) { c.SetValue(core::FromVbBool(on) ? 1 : 0); };
    show(EnableRollPoint(0), o.ShowRollLiveCoG);
    show(EnableRollPoint(1), o.ShowRollUndertrayCentre);
    show(EnableRollPoint(2), o.ShowRollRearWingCentre);
    show(EnableRollPoint(3), o.ShowRollFrontWingCentre);
    show(EnableRollPoint(10), o.DrawRollAxleLine);
    show(EnablePitchPoint(0), o.ShowPitchLiveCoG);
    show(EnablePitchPoint(1), o.ShowPitchUndertrayCentre);
    show(EnablePitchPoint(2), o.ShowPitchRearWingCentre);
    show(EnablePitchPoint(3), o.ShowPitchFrontWingCentre);
    show(EnablePitchPoint(10), o.DrawPitchAxleLine);
}

void OptionsPanel::ScaleSlider_Scroll(int group) {
    // Every slider of the group is stored, whichever of them moved.
    core::OptionsSettingsState& o = core::OptionsSettings();
    const auto sliders = core::GraphScaleSliders();
    for (std::size_t k = 0; k < sliders.size(); ++k) {
        const core::GraphScaleSlider& s = sliders[k];
        if (s.Group != group) continue;
        const auto value = static_cast<int16_t>(ScaleSlider[k]->Value());
        o.*s.Field = value;
        ScaleValueLabel(s).SetCaption(core::GraphScaleLabelText(s, value));
    }
    if (Guarded()) return;
    RedrawScaleChart(core::GraphGroups()[static_cast<std::size_t>(group)].Redraw);
}

void OptionsPanel::EnableRollPoint_Click() {
    core::OptionsSettingsState& o = core::OptionsSettings();
    o.ShowRollLiveCoG = Checked(EnableRollPoint(0));
    o.ShowRollUndertrayCentre = Checked(EnableRollPoint(1));
    o.ShowRollRearWingCentre = Checked(EnableRollPoint(2));
    o.ShowRollFrontWingCentre = Checked(EnableRollPoint(3));
    o.DrawRollAxleLine = Checked(EnableRollPoint(10));
    RedrawScaleChart(core::ScaleChart::SuspChart);
}

void OptionsPanel::EnablePitchPoint_Click() {
    core::OptionsSettingsState& o = core::OptionsSettings();
    o.ShowPitchLiveCoG = Checked(EnablePitchPoint(0));
    o.ShowPitchUndertrayCentre = Checked(EnablePitchPoint(1));
    o.ShowPitchRearWingCentre = Checked(EnablePitchPoint(2));
    o.ShowPitchFrontWingCentre = Checked(EnablePitchPoint(3));
    o.DrawPitchAxleLine = Checked(EnablePitchPoint(10));
    RedrawScaleChart(core::ScaleChart::SuspChart);
}

void OptionsPanel::EnableGearSpeedLine_Click() {
    if (!core::FromVbBool(core::GlobalChassisLab().GearLinesFilling)) {
        core::OptionsSettingsState& o = core::OptionsSettings();
        o.DrawPeakTorqueLine = Checked(EnableGearSpeedLine(0));
        o.DrawPeakPowerLine = Checked(EnableGearSpeedLine(1));
        o.DrawRevLimiterLine = Checked(EnableGearSpeedLine(2));
    }
    if (!Guarded()) RedrawScaleChart(core::ScaleChart::GearingGraph);
}

void OptionsPanel::EnableGearTorqueLine_Click() {
    if (!core::FromVbBool(core::GlobalChassisLab().GearLinesFilling)) {
        core::OptionsSettingsState& o = core::OptionsSettings();
        o.DrawEngineTorque = Checked(EnableGearTorqueLine(0));
        o.DrawStaticTractionLimit = Checked(EnableGearTorqueLine(1));
        o.HighlightTorqueCurve = Checked(EnableGearTorqueLine(2));
    }
    if (!Guarded()) RedrawScaleChart(core::ScaleChart::GearingGraph);
}

void OptionsPanel::GearGraphStyle_Click() {
    core::OptionsSettingsState& o = core::OptionsSettings();
    o.GearSpeedStyle = core::ToVbBool(GearGraphStyle(1).Value());
    o.GearTorqueStyle = core::ToVbBool(GearGraphStyle(11).Value());
    if (!Guarded()) RedrawScaleChart(core::ScaleChart::GearingGraph);
}

void OptionsPanel::EnableDecVLoads_Click() {
    core::OptionsSettings().DrawDecVLoads = Checked(*EnableDecVLoads);
    if (!Guarded()) RedrawScaleChart(core::ScaleChart::DecGraph);
}

void OptionsPanel::EnableAccVLoads_Click() {
    core::OptionsSettings().DrawAccVLoads = Checked(*EnableAccVLoads);
    if (!Guarded()) RedrawScaleChart(core::ScaleChart::AccGraph);
}

void OptionsPanel::EnableAeroLiftVLoads_Click() {
    core::OptionsSettings().DrawAeroVLoads = Checked(*EnableAeroLiftVLoads);
    if (!Guarded()) RedrawScaleChart(core::ScaleChart::AeroSpeedChart);
}

void OptionsPanel::VScrollGraphsTab_Scroll() {
    const int offset = VScrollGraphsTab->Value();
    OptionsGraphGroup.ForEach([offset](int, Frame& f) { f.SetTop(f.Tag - offset); });
}

}  // namespace ui
