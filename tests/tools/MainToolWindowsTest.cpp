// The tool windows that act on the main window: the gearing auto-spacer writes the ratio
// boxes and recalculates the gearing once; make-level-ride sets the spring sliders. And the
// unit converter, which stands alone.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/ToolWindowTestSupport.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/Numbers.hpp"
#include "core/ScopedValue.hpp"
#include "platform/Controls.hpp"
#include "platform/ServiceDoubles.hpp"
#include "ui/main/MainTestSupport.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "ui/tools/ToolLayout.hpp"
#include "vehicle/GearingCode.hpp"

namespace {

using ui::toolkit::kBoxInvalid;
using ui::toolkit::kBoxValid;

class MainToolWindowsTest : public ui_test::MainWindowTest {
protected:
    void SetUp() override {
        tools_test::ResetToolWindows();
        tools_test::ResetProgramBasics();
        ui_test::MainWindowTest::SetUp();
        vehicle::GearingCode() = vehicle::GearingCodeState{};
        analysis::SuspensionCode() = analysis::SuspensionCodeState{};
        analysis::PhysicalCode() = analysis::PhysicalCodeState{};
        analysis::LiveStateCode() = analysis::LiveStateCodeState{};
        ui::SettingHandlers().Routines.CalcGearing = [this] { ++gearingRuns; };
        auto& car = core::GlobalChassisLab().CurrentVehicle;
        car.Drivetrain.DriveType = vehicle::kDriveRear;
        car.Drivetrain.NumGears = 6;
    }
    void TearDown() override {
        tools_test::ResetToolWindows();
        ui_test::MainWindowTest::TearDown();
    }

    // First gear 3.5 and sixth 0.8 as the last gearing run left them, and typed ratios that
    // are not spaced at all.
    void TypeRatios(int gears) {
        const core::RaisedFlag quiet(core::GlobalChassisLab().SuppressRecalc);
        core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = static_cast<uint8_t>(gears);
        auto& r = vehicle::GearingCode().GearRatios;
        r[1] = 3.5f;
        r[static_cast<std::size_t>(gears)] = 0.8f;
        for (int g = 1; g <= gears; ++g)
            w->Set_GearRatioText(g).SetText(g == 1 ? "3.5" : g == gears ? "0.8" : "1.7");
    }
    float Box(int g) { return static_cast<float>(core::Val(w->Set_GearRatioText(g).Text())); }

    int gearingRuns = 0;
};

TEST_F(MainToolWindowsTest, OpeningTheAutoSpacerChangesNoRatio) {
    TypeRatios(6);
    ui::ShowGearingAutoSpacer();
    for (int k = 2; k <= 5; ++k) EXPECT_EQ(w->Set_GearRatioText(k).Text(), "1.7") << k;
    EXPECT_EQ(gearingRuns, 0);
}

TEST_F(MainToolWindowsTest, EqualSpacingWritesAGeometricSeriesAndRecalculatesOnce) {
    TypeRatios(6);
    ui::ShowGearingAutoSpacer();
    auto& g = *ui::PeekGearingAutoSpacer();
    g.GAS_SelectMethod->UserSelect(0);
    EXPECT_FALSE(g.GASAdjuster->Visible());
    EXPECT_EQ(gearingRuns, 1);
    const double step = std::pow(3.5 / 0.8, 1.0 / 5.0);
    for (int k = 1; k <= 6; ++k) EXPECT_NEAR(Box(k), 0.8 * std::pow(step, 6 - k), 1e-5) << k;
    // The recalculation sees the new ratios: the suppress flag is down again.
    EXPECT_EQ(core::GlobalChassisLab().SuppressRecalc, core::VbFalse);
}

TEST_F(MainToolWindowsTest, TheAdjusterAndReapplyEachRespaceOnce) {
    TypeRatios(6);
    ui::ShowGearingAutoSpacer();
    auto& g = *ui::PeekGearingAutoSpacer();
    g.GASAdjuster->UserClickAt(30);
    EXPECT_EQ(gearingRuns, 1);
    EXPECT_NEAR(Box(5), 0.8f * 1.3f, 1e-5);  // the step into top gear is the adjuster's
    EXPECT_EQ(g.GASLabel(2).Caption(), "23.1%");
    EXPECT_TRUE(g.GASLabel(2).Visible());
    EXPECT_EQ(w->Set_GearRatioText(1).Text(), "3.5");
    EXPECT_EQ(w->Set_GearRatioText(6).Text(), "0.8");
    g.Reapply->UserClick();
    EXPECT_EQ(gearingRuns, 2);
    EXPECT_EQ(platform::MessageDouble().Requests().size(), 0u);
}

TEST_F(MainToolWindowsTest, AutoSpacerRefusesWhatItCannotRespace) {
    TypeRatios(2);
    ui::ShowGearingAutoSpacer();
    auto& g = *ui::PeekGearingAutoSpacer();
    // Two gears: nothing between them for a progressive method.
    EXPECT_FALSE(g.Reapply->Enabled());
    EXPECT_FALSE(g.GASAdjuster->Enabled());
    EXPECT_TRUE(g.GAS_SelectMethod->Enabled());
    g.Apply();
    EXPECT_EQ(gearingRuns, 0);
    // Equal spacing can: it rewrites both gears with their own values.
    g.GAS_SelectMethod->UserSelect(0);
    EXPECT_TRUE(g.Reapply->Enabled());
    EXPECT_EQ(gearingRuns, 1);
    // One gear, or a car pushed by thrust: nothing at all.
    g.GAS_SelectMethod->UserSelect(3);
    TypeRatios(1);
    ui::ShowGearingAutoSpacer();
    EXPECT_FALSE(g.GAS_SelectMethod->Enabled());
    g.Apply();
    TypeRatios(6);
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveThrust;
    ui::ShowGearingAutoSpacer();
    EXPECT_FALSE(g.Reapply->Enabled());
    g.Apply();
    EXPECT_EQ(gearingRuns, 1);
    EXPECT_EQ(w->Set_GearRatioText(3).Text(), "1.7");
    EXPECT_EQ(platform::MessageDouble().Requests().size(), 0u);
}

TEST_F(MainToolWindowsTest, AutoSpacerWarnsOnlyWhenTheSearchFails) {
    // Three gears, a spread of 5 and a top step of 1.05: the search runs out of passes.
    TypeRatios(3);
    vehicle::GearingCode().GearRatios = {0.0f, 2.5f, 0.0f, 0.5f};
    ui::ShowGearingAutoSpacer();
    auto& g = *ui::PeekGearingAutoSpacer();
    g.GASAdjuster->UserClickAt(5);
    const auto& shown = platform::MessageDouble().Requests();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Error - Hit loop counter!");
    EXPECT_EQ(shown[0].title, "Gearing Auto Spacer");
    EXPECT_EQ(gearingRuns, 1);  // the ratios of the last pass are written all the same
}

TEST_F(MainToolWindowsTest, TheAnalysisPagesButtonsOpenTheirWindows) {
    w->Analysis_GearingAutoSpace->Click();
    ASSERT_NE(ui::PeekGearingAutoSpacer(), nullptr);
    EXPECT_TRUE(ui::PeekGearingAutoSpacer()->Visible());
    w->Analysis_SuspMakeLevelRide->Click();
    ASSERT_NE(ui::PeekMakeLevelRide(), nullptr);
    EXPECT_TRUE(ui::PeekMakeLevelRide()->Visible());
    w->Analysis_AccWatchRealtime->Click();
    ASSERT_NE(ui::PeekDragRaceWindow(), nullptr);
    EXPECT_TRUE(ui::PeekDragRaceWindow()->Visible());
}

// ---- Make level ride ----

class MakeLevelRideTest : public MainToolWindowsTest {
protected:
    void SetUp() override {
        MainToolWindowsTest::SetUp();
        auto& car = core::GlobalChassisLab().CurrentVehicle;
        car.Axles[0].SpringMotionRatio = 1.0f;
        car.Axles[1].SpringMotionRatio = 0.8f;
        car.Wheelbase = 2.5f;
        analysis::PhysicalCode().SprungAxleMass = {600.0f, 500.0f};
        analysis::LiveStateCode().LiveSpeed = 25;
        auto& s = analysis::SuspensionCode();
        for (int c = 0; c < 4; ++c) s.SuspCorners[static_cast<std::size_t>(c)].RideFrequency = c < 2 ? 1.4f : 1.5f;
        s.LevelRideFrequency = {1.5f, 1.628f};
        w->Set_SuspSpringStiffness(0).SetValue(200);
        w->Set_SuspSpringStiffness(1).SetValue(150);
    }
    int Front() { return w->Set_SuspSpringStiffness(0).Value(); }
    int Rear() { return w->Set_SuspSpringStiffness(1).Value(); }
};

TEST_F(MakeLevelRideTest, ButtonsSetTheSpringSlidersFromTheStateAtOpening) {
    ui::ShowMakeLevelRide();
    auto& m = *ui::PeekMakeLevelRide();
    EXPECT_EQ(m.Stored.SpringRate[0], 20000.0f);
    EXPECT_FLOAT_EQ(m.Stored.RideFrequency[0], 1.4f);
    // Stiffen: front to its 1.5 Hz target, (2 pi 1.5)^2 x 0.5 x 600 x 1^2 = 26647.9 N/m.
    m.MakeRideLevel(0).UserClick();
    EXPECT_EQ(Front(), 266);
    EXPECT_EQ(Rear(), 150);
    // Pressing again gives the same springs: the state at opening is used.
    m.MakeRideLevel(0).UserClick();
    EXPECT_EQ(Front(), 266);
    // Soften then moves the rear to its target and puts the front back.
    m.MakeRideLevel(2).UserClick();
    EXPECT_EQ(Front(), 200);
    const double rear = std::pow(2 * 3.141592653589 * 1.628, 2) * 0.5 * 500 * 0.64;
    EXPECT_EQ(Rear(), static_cast<int>(std::lround(rear / 100.0)));
    m.Restore->UserClick();
    EXPECT_EQ(Front(), 200);
    EXPECT_EQ(Rear(), 150);
}

TEST_F(MakeLevelRideTest, StandingStillDisablesTheButtonsAndWritesAreClamped) {
    analysis::LiveStateCode().LiveSpeed = 0;
    analysis::SuspensionCode().LevelRideFrequency = {0.0f, 0.0f};
    ui::ShowMakeLevelRide();
    auto& m = *ui::PeekMakeLevelRide();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(m.MakeRideLevel(i).Enabled()) << i;
    m.MakeRideLevel_Click(1);  // even called directly: nothing
    EXPECT_EQ(Front(), 200);
    EXPECT_EQ(Rear(), 150);
    m.Close->UserClick();

    // A target far above the slider's range stops at its end, unclamped by the slider itself.
    analysis::LiveStateCode().LiveSpeed = 25;
    analysis::SuspensionCode().LevelRideFrequency = {9.0f, 1.6f};
    platform::ResetSliderClampTotal();
    ui::ShowMakeLevelRide();
    auto& again = *ui::PeekMakeLevelRide();
    EXPECT_TRUE(again.MakeRideLevel(0).Enabled());
    again.MakeRideLevel(0).UserClick();
    EXPECT_EQ(Front(), w->Set_SuspSpringStiffness(0).Max());
    EXPECT_EQ(platform::SliderClampTotal(), 0);
}

// ---- Unit converter ----

class UnitConvTest : public tools_test::ToolWindowTest {};

TEST_F(UnitConvTest, ConvertsOnceAUnitIsChosen) {
    ui::ShowUnitConv();
    auto& u = *ui::PeekUnitConv();
    EXPECT_EQ(u.TyreOutput->Caption(), "205 / 50 R15");
    u.DistanceInput->SetText("250");
    EXPECT_EQ(u.DistanceOutput->Caption(), "is ? m");  // no unit chosen yet
    u.Select_DistanceUnits->UserSelect(0);             // "cm"
    EXPECT_EQ(u.DistanceOutput->Caption(), "is 2.5 m");
    u.Select_PowerUnits->UserSelect(0);
    u.PowerInput->SetText("abc");  // no number: 0
    EXPECT_EQ(u.PowerOutput->Caption(), "is 0 kW");
}

TEST_F(UnitConvTest, TyreSizesAndRefusedBoxes) {
    ui::ShowUnitConv();
    auto& u = *ui::PeekUnitConv();
    u.TyreWidthInput->SetText("225");
    u.TyreHeightInput->SetText("600");
    u.RimSizeInput->SetText("406");
    EXPECT_EQ(u.TyreOutput->Caption(), "225 / 43 R16");
    u.TyreHeightInput->SetText("149");
    EXPECT_EQ(u.TyreHeightInput->BackColor(), kBoxInvalid);
    EXPECT_EQ(u.TyreOutput->Caption(), "225 / 43 R16");
    u.TyreHeightInput->SetText("600");
    EXPECT_EQ(u.TyreHeightInput->BackColor(), kBoxValid);
    // A width of 0: red, and the other boxes' edits convert nothing until it is mended.
    u.TyreWidthInput->SetText("0");
    EXPECT_EQ(u.TyreWidthInput->BackColor(), kBoxInvalid);
    u.RimSizeInput->SetText("380");
    EXPECT_EQ(u.RimSizeInput->BackColor(), kBoxValid);
    EXPECT_EQ(u.TyreOutput->Caption(), "225 / 43 R16");
    u.TyreWidthInput->SetText("225");
    EXPECT_EQ(u.TyreOutput->Caption(), "225 / 49 R15");
    // A rim larger than the height turns the edited box red.
    u.RimSizeInput->SetText("650");
    EXPECT_EQ(u.RimSizeInput->BackColor(), kBoxInvalid);
    EXPECT_EQ(u.TyreHeightInput->BackColor(), kBoxValid);
    // Raising the height mends both: the rim box is no longer left red.
    u.TyreHeightInput->SetText("700");
    EXPECT_EQ(u.RimSizeInput->BackColor(), kBoxValid);
    EXPECT_EQ(u.TyreOutput->Caption(), "225 / 11 R25.6");
}

}  // namespace
