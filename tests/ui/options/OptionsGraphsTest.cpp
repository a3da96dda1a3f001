// The graphs page: a person's drag or click stores the scales of the slider's group and writes
// their labels, a position written by code stores nothing, the labels follow the units, the
// drawing switches store their options, and the file buttons round-trip every setting.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/GraphScales.hpp"
#include "core/OptionsSettings.hpp"
#include "files/OptionsFile.hpp"
#include "ui/options/OptionsPanelFill.hpp"
#include "ui/options/OptionsTestSupport.hpp"

namespace {

using core::Quantity;
using options_test::StartedOptionsTest;

class OptionsGraphsTest : public StartedOptionsTest {
protected:
    // The slider and its table row storing `field`.
    platform::Slider& SliderOf(int16_t core::OptionsBlock::*field) {
        const auto sliders = core::GraphScaleSliders();
        for (std::size_t k = 0; k < sliders.size(); ++k)
            if (sliders[k].Field == field) return *panel->ScaleSlider[k];
        ADD_FAILURE() << "no slider";
        return *panel->ScaleSlider[0];
    }
    std::string ReadOptionsFile() const {
        std::ifstream in(root / "Options.ini", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    core::OptionsSettingsState& o = core::OptionsSettings();
};

TEST_F(OptionsGraphsTest, SlidersShowTheStoredScalesAndNeverAStepOfZero) {
    const auto sliders = core::GraphScaleSliders();
    for (std::size_t k = 0; k < sliders.size(); ++k) {
        const core::GraphScaleSlider& s = sliders[k];
        SCOPED_TRACE(std::string(s.Slider));
        EXPECT_GE(panel->ScaleSlider[k]->Min(), 1);  // no grid step of 0 can be chosen
        EXPECT_EQ(panel->ScaleSlider[k]->Value(), o.*s.Field);
    }
    EXPECT_EQ(panel->Label_YUnits(1).Caption(), "50 kg");
    EXPECT_EQ(panel->Label_XUnits(0).Caption(), "1000 rad/s");
}

TEST_F(OptionsGraphsTest, DraggingOneSliderStoresItsWholeGroupAndWritesTheLabels) {
    platform::Slider& x = SliderOf(&core::OptionsBlock::DecSpeedGraphScaleX);
    platform::Slider& y = SliderOf(&core::OptionsBlock::DecSpeedGraphScaleY);
    // Written by code: nothing is stored and no label changes.
    x.SetValue(3);
    EXPECT_EQ(o.DecSpeedGraphScaleX, 1);
    EXPECT_EQ(panel->Label_XUnits(7).Caption(), "1s");
    // Dragged by a person: the vertical and, from its current position, the horizontal one.
    y.UserDrag(30);
    EXPECT_EQ(o.DecSpeedGraphScaleY, 30);
    EXPECT_EQ(o.DecSpeedGraphScaleX, 3);
    EXPECT_EQ(panel->Label_XUnits(7).Caption(), "3s");
    EXPECT_EQ(panel->Label_YUnits(7).Caption(), "30 m/s");
    // A click on the track does the same work.
    x.UserClickAt(6);
    EXPECT_EQ(o.DecSpeedGraphScaleX, 6);
    EXPECT_EQ(panel->Label_XUnits(7).Caption(), "6s");
    // The labels follow a change of unit.
    Choose(Quantity::Speed, "Kilometres per hour");
    EXPECT_EQ(panel->Label_YUnits(7).Caption(), "30 km/h");
}

// The horizontal grid lines of a chart (grey 0xAAAAAA), top to bottom, in pixels.
std::vector<double> GridRows(const platform::Surface& s) {
    std::vector<double> rows;
    for (const platform::DrawOp& op : s.DisplayList())
        if (op.kind == platform::DrawOpKind::Line && op.color == 0xAAAAAA && op.y1 == op.y2) rows.push_back(op.y1);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// A drag redraws the chart with the new grid step; a position written by code redraws nothing.
TEST_F(OptionsGraphsTest, DraggedScaleRedrawsItsChartWithTheNewGridStep) {
    platform::Surface& chart = main->Analysis_PhysChart->Surf();
    const std::vector<double> at50 = GridRows(chart);
    ASSERT_GE(at50.size(), 3u);
    const double spacing50 = at50[1] - at50[0];

    platform::Slider& slider = SliderOf(&core::OptionsBlock::CornerMassChartScaleY);
    const uint64_t before = chart.Revision();
    slider.SetValue(30);
    EXPECT_EQ(chart.Revision(), before);
    EXPECT_EQ(o.CornerMassChartScaleY, 50);

    slider.UserDrag(25);
    EXPECT_GT(chart.Revision(), before);
    const std::vector<double> at25 = GridRows(chart);
    ASSERT_GE(at25.size(), 3u);
    // Half the step, half the spacing of the grid lines.
    EXPECT_NEAR(at25[1] - at25[0], spacing50 / 2.0, 1e-6 * spacing50);
    EXPECT_GT(at25.size(), at50.size());

    // While the program is loading a drag stores and labels, but draws nothing.
    core::GlobalChassisLab().FormLoading = core::VbTrue;
    const uint64_t loading = chart.Revision();
    slider.UserDrag(100);
    EXPECT_EQ(o.CornerMassChartScaleY, 100);
    EXPECT_EQ(panel->Label_YUnits(1).Caption(), "100 kg");
    EXPECT_EQ(chart.Revision(), loading);
    core::GlobalChassisLab().FormLoading = core::VbFalse;
}

TEST_F(OptionsGraphsTest, LabelFormatsOfTheOddScales) {
    SliderOf(&core::OptionsBlock::DampDropGraphScaleX).UserDrag(5);
    EXPECT_EQ(o.DampDropGraphScaleX, 5);
    EXPECT_EQ(panel->Label_XUnits(17).Caption(), "0.5s");  // tenths of a second
    SliderOf(&core::OptionsBlock::DampDropGraphScaleX).UserDrag(10);
    EXPECT_EQ(panel->Label_XUnits(17).Caption(), "1s");
    EXPECT_EQ(panel->Label_YUnits(0).Caption(), "50");     // power and torque: no unit
    EXPECT_EQ(panel->Label_XUnits(14).Caption(), "200");   // roll stiffness: no unit
    // Both distance-over-time charts label their vertical scale in the large-distance unit.
    Choose(Quantity::DistanceLarge, "Yards");
    EXPECT_EQ(panel->Label_YUnits(33).Caption(), "500 yds");
    EXPECT_EQ(panel->Label_YUnits(8).Caption(), "100 yds");
    Choose(Quantity::DistanceSmall, "Feet");
    EXPECT_EQ(panel->Label_YUnits(13).Caption(), "1 ft");
}

TEST_F(OptionsGraphsTest, ScrollBarMovesTheGroups) {
    const int top = panel->OptionsGraphGroup(0).Top();
    panel->VScrollGraphsTab->SetValue(100);
    EXPECT_EQ(panel->OptionsGraphGroup(0).Top(), top - 100);
    panel->VScrollGraphsTab->UserDrag(0);
    EXPECT_EQ(panel->OptionsGraphGroup(0).Top(), top);
    // The last group can be scrolled fully into the page.
    const platform::Frame& last = panel->OptionsGraphGroup(panel->OptionsGraphGroup.Count() - 1);
    panel->VScrollGraphsTab->SetValue(panel->VScrollGraphsTab->Max());
    EXPECT_LE(last.Top() + last.Height(), panel->OptionsPage(1).Height());
}

TEST_F(OptionsGraphsTest, DrawingSwitchesStoreTheirOptions) {
    // The diagram boxes show their switches' defaults, so a click on one keeps the others.
    panel->EnableRollPoint(2).UserClick();
    EXPECT_EQ(o.ShowRollRearWingCentre, core::VbTrue);
    EXPECT_EQ(o.ShowRollLiveCoG, core::VbTrue);
    EXPECT_EQ(o.DrawRollAxleLine, core::VbTrue);
    EXPECT_EQ(o.ShowRollUndertrayCentre, core::VbFalse);
    panel->EnablePitchPoint(10).UserClick();
    EXPECT_EQ(o.DrawPitchAxleLine, core::VbTrue);
    panel->EnableAccVLoads->UserClick();
    EXPECT_EQ(o.DrawAccVLoads, core::VbTrue);
    EXPECT_EQ(o.DrawDecVLoads, core::VbFalse);
    panel->GearGraphStyle(11).UserClick();
    EXPECT_EQ(o.GearTorqueStyle, core::VbTrue);
    EXPECT_EQ(o.GearSpeedStyle, core::VbFalse);
    panel->GearGraphStyle(1).UserClick();
    EXPECT_EQ(o.GearSpeedStyle, core::VbTrue);
    EXPECT_EQ(o.GearTorqueStyle, core::VbTrue);  // the other graph's buttons keep theirs

    // A grey roll box counts as on; a click while the window is being filled still stores.
    core::GlobalChassisLab().OptionsPanelFilling = core::VbTrue;
    panel->EnableRollPoint(1).SetValue(2);
    EXPECT_EQ(o.ShowRollUndertrayCentre, core::VbTrue);
    core::GlobalChassisLab().OptionsPanelFilling = core::VbFalse;

    // While the gear-line boxes are being written, a click stores none of the three.
    core::GlobalChassisLab().GearLinesFilling = core::VbTrue;
    panel->EnableGearSpeedLine(0).UserClick();
    EXPECT_EQ(o.DrawPeakTorqueLine, core::VbFalse);
    core::GlobalChassisLab().GearLinesFilling = core::VbFalse;
    panel->EnableGearSpeedLine(2).UserClick();
    EXPECT_EQ(o.DrawPeakTorqueLine, core::VbTrue);  // its box was checked meanwhile
    EXPECT_EQ(o.DrawRevLimiterLine, core::VbTrue);
    panel->EnableGearTorqueLine(1).UserClick();
    EXPECT_EQ(o.DrawStaticTractionLimit, core::VbTrue);
}

// Showing the stored options must not lose one graph's style to the other's buttons: the
// style buttons' click stores both styles from the buttons as they stand.
TEST_F(OptionsGraphsTest, ShowingTheSettingsKeepsBothGearGraphStyles) {
    o.GearSpeedStyle = core::VbFalse;
    o.GearTorqueStyle = core::VbTrue;
    ui::ShowOptionsSettings();
    EXPECT_TRUE(panel->GearGraphStyle(0).Value());
    EXPECT_TRUE(panel->GearGraphStyle(11).Value());
    EXPECT_EQ(o.GearSpeedStyle, core::VbFalse);
    EXPECT_EQ(o.GearTorqueStyle, core::VbTrue);
}

// Every control changed through the window, saved, changed again, loaded: the settings come
// back, the window shows them, and saving once more writes the same 101 lines byte for byte.
TEST_F(OptionsGraphsTest, SaveThenLoadRoundTripsEveryLine) {
    panel->SetUnits(2).UserClick();
    const auto sliders = core::GraphScaleSliders();
    for (std::size_t k = 0; k < sliders.size(); ++k) panel->ScaleSlider[k]->UserDrag(sliders[k].Max - static_cast<int16_t>(k % 3));
    for (platform::CheckBox* c : {panel->EnableDecVLoads, panel->EnableAccVLoads, panel->EnableAeroLiftVLoads, &panel->EnableGearSpeedLine(0),
                                  &panel->EnableGearSpeedLine(1), &panel->EnableGearTorqueLine(2),
                                  panel->AutoUpdateChecking, panel->FilterSetups, panel->EnableTestControls}) {
        c->UserClick();
    }
    panel->GearGraphStyle(1).UserClick();
    panel->GearGraphStyle(11).UserClick();
    panel->RC_Fixed->UserClick();
    panel->RC_FixedVal->SetText("6400");
    panel->SpeedoType(1).UserClick();
    panel->SpeedoError->SetText("4.5");
    panel->GearRevsTop(2).UserClick();
    panel->GearRevsTopPowerDrop->UserDrag(12);
    panel->AreaOffset(0).SetText("150");
    panel->AreaOffset(1).SetText("100");
    panel->EnableLFSMode->UserClick();
    panel->SimplifiedDiffsEnable->UserClick();

    panel->OptionsSave->UserClick();
    const std::string saved = ReadOptionsFile();
    std::size_t lineEnds = 0;
    for (std::size_t at = 0; (at = saved.find("\r\n", at)) != std::string::npos; at += 2) ++lineEnds;
    EXPECT_EQ(lineEnds, 101u);
    EXPECT_NE(saved.find("SpdUnits: 2\r\n"), std::string::npos);
    EXPECT_NE(saved.find("CustomRevs: 6400\r\n"), std::string::npos);
    EXPECT_NE(saved.find("SpeedoErr: 4.5\r\n"), std::string::npos);

    // Everything back to other values through the window.
    panel->SetUnits(0).UserClick();
    for (std::size_t k = 0; k < sliders.size(); ++k) panel->ScaleSlider[k]->UserDrag(sliders[k].Min);
    panel->RC_Auto->UserClick();
    panel->SpeedoType(0).UserClick();
    panel->GearRevsTop(0).UserClick();
    panel->GearGraphStyle(0).UserClick();
    panel->EnableAccVLoads->UserClick();
    panel->EnableLFSMode->UserClick();
    panel->AreaOffset(0).SetText("7");
    ASSERT_NE(files::OptionsFileText(), saved);

    panel->OptionsLoad->UserClick();
    EXPECT_EQ(files::OptionsFileText(), saved);
    panel->OptionsSave->UserClick();
    EXPECT_EQ(ReadOptionsFile(), saved);
    // The window shows what was loaded.
    EXPECT_EQ(panel->Select(Quantity::Speed).Text(), "Miles per hour");
    for (std::size_t k = 0; k < sliders.size(); ++k)
        EXPECT_EQ(panel->ScaleSlider[k]->Value(), sliders[k].Max - static_cast<int>(k % 3)) << k;
    EXPECT_EQ(panel->RC_FixedVal->Text(), "6400");
    EXPECT_TRUE(panel->RC_FixedVal->Enabled());
    EXPECT_EQ(panel->GearingOptionsLabel(2).Caption(), "12%");
    EXPECT_EQ(panel->EnableAccVLoads->Value(), 1);
    EXPECT_EQ(panel->AreaOffset(0).Text(), "150");
    // Loaded from the window, every display is refreshed in the loaded units.
    EXPECT_NE(main->GearingSpeed(1).Caption().find(" mph"), std::string::npos);
    EXPECT_EQ(main->Analysis_AccLabel(38).Caption(), " mph");
}

}  // namespace
