// The misc page: each switch stores its option and changes the figure that depends on it;
// the text boxes correct out-of-range entries in place.
#include <gtest/gtest.h>

#include <string>

#include "analysis/LiveStateCode.hpp"
#include "core/LFSCars.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"
#include "ui/options/OptionsPanelFill.hpp"
#include "ui/options/OptionsTestSupport.hpp"

namespace {

using core::Quantity;
using options_test::StartedOptionsTest;

class OptionsMiscTest : public StartedOptionsTest {
protected:
    // A person selects the whole text of the box and types `text`.
    static void TypeOver(platform::TextBox& box, const std::string& text) {
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        box.UserType(text);
    }
    core::OptionsSettingsState& o = core::OptionsSettings();
    vehicle::GearingCodeState& gearing = vehicle::GearingCode();
    uint8_t Gears() const { return core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears; }
};

TEST_F(OptionsMiscTest, SpeedometerErrorIsCorrectedInItsBoxAndRescalesTheGearSpeeds) {
    EXPECT_FALSE(panel->SpeedoError->Enabled());  // true ground speed at first
    const std::string exact = main->GearingSpeed(1).Caption();
    panel->SpeedoType(1).UserClick();
    EXPECT_TRUE(panel->SpeedoError->Enabled());
    EXPECT_EQ(o.SpeedoIndicated, core::VbTrue);
    TypeOver(*panel->SpeedoError, "20");
    EXPECT_EQ(panel->SpeedoError->Text(), "15");
    EXPECT_EQ(o.SpeedoErrorPercent, 15.0f);
    EXPECT_NE(main->GearingSpeed(1).Caption(), exact);  // the gearing was worked out again
    TypeOver(*panel->SpeedoError, "-3");
    EXPECT_EQ(panel->SpeedoError->Text(), "0");
    EXPECT_EQ(o.SpeedoErrorPercent, 0.0f);
    TypeOver(*panel->SpeedoError, "2,5");  // a comma typed as the point
    EXPECT_EQ(o.SpeedoErrorPercent, 2.5f);
    panel->SpeedoType(0).UserClick();
    EXPECT_FALSE(panel->SpeedoError->Enabled());
    EXPECT_EQ(o.SpeedoIndicated, core::VbFalse);
}

TEST_F(OptionsMiscTest, FixedShiftSpeedSetsEveryShiftPointAndIsKeptInRange) {
    Choose(Quantity::ARV, "Revolutions per minute");
    panel->RC_Fixed->UserClick();
    EXPECT_TRUE(panel->RC_FixedVal->Enabled());
    EXPECT_FALSE(panel->RevLimitEnable->Enabled());
    EXPECT_EQ(o.ShiftPointAuto, core::VbFalse);
    TypeOver(*panel->RC_FixedVal, "5000");
    EXPECT_EQ(o.FixedShiftRpm, 5000);
    // 5000 rpm = 523.6 rad/s, shown in rpm again.
    EXPECT_NEAR(gearing.ShiftRevs[1], 5000.0 * 2.0 * 3.141592653589793 / 60.0, 1e-3);
    EXPECT_EQ(main->GearingRevsPreShift(1).Caption(), "5000 rpm");
    // A speed no engine reaches (or a number beyond 32 bits) is brought back to 100000 rpm.
    panel->RC_FixedVal->SetText("99999999999");
    EXPECT_EQ(panel->RC_FixedVal->Text(), "100000");
    EXPECT_EQ(o.FixedShiftRpm, 100000);
    panel->RC_FixedVal->SetText("-20");
    EXPECT_EQ(panel->RC_FixedVal->Text(), "0");
    EXPECT_EQ(o.FixedShiftRpm, 0);
    TypeOver(*panel->RC_FixedVal, "5500");
    const auto fixed = gearing.ShiftRevs;
    panel->RC_Auto->UserClick();
    EXPECT_EQ(o.ShiftPointAuto, core::VbTrue);
    EXPECT_FALSE(panel->RC_FixedVal->Enabled());
    EXPECT_TRUE(panel->RevLimitEnable->Enabled());
    EXPECT_NE(gearing.ShiftRevs[1], fixed[1]);  // computed shift points again
}

// The top-of-gear buttons store their mode and recalculate the gearing; only "Power Drop:"
// enables its slider, whose point the rev limiter caps at the engine limit.
TEST_F(OptionsMiscTest, TopGearRevPointButtonsAndTheRevLimiter) {
    const auto& engine = vehicle::EngineCode().CurrentEngine;
    panel->GearRevsTop(1).UserClick();
    EXPECT_EQ(o.GearRevsTopMode, 1);
    EXPECT_FALSE(panel->GearRevsTopPowerDrop->Enabled());
    EXPECT_EQ(gearing.ShiftRevs[Gears()], engine.LimitSpeed);
    panel->GearRevsTop(0).UserClick();
    EXPECT_EQ(gearing.ShiftRevs[Gears()], engine.PowerPeakSpeed);
    panel->GearRevsTop(2).UserClick();
    EXPECT_TRUE(panel->GearRevsTopPowerDrop->Enabled());
    panel->GearRevsTopPowerDrop->UserDrag(20);
    EXPECT_EQ(panel->GearingOptionsLabel(2).Caption(), "20%");
    EXPECT_EQ(o.PowerDropPercent, 20);
    ASSERT_EQ(panel->RevLimitEnable->Value(), 1);
    const float capped = gearing.ShiftRevs[Gears()];
    EXPECT_LE(capped, engine.LimitSpeed);
    panel->RevLimitEnable->UserClick();
    EXPECT_EQ(o.RevLimitEnabled, core::VbFalse);
    EXPECT_GT(gearing.ShiftRevs[Gears()], engine.LimitSpeed);
    // A grey box counts as on.
    panel->RevLimitEnable->SetValue(2);
    EXPECT_EQ(o.RevLimitEnabled, core::VbTrue);
    EXPECT_EQ(gearing.ShiftRevs[Gears()], capped);
}

TEST_F(OptionsMiscTest, SimplifiedDampersHalveTheReboundDampingHalvesToEven) {
    if (panel->SimplifiedDampersEnable->Value() != 0) panel->SimplifiedDampersEnable->UserClick();
    main->Set_SuspReboundDamp(0).SetValue(7);
    main->Set_SuspReboundDamp(1).SetValue(9);
    panel->SimplifiedDampersEnable->UserClick();
    EXPECT_EQ(o.SimplifiedDampers, core::VbTrue);
    EXPECT_EQ(main->Set_SuspBumpDamp(0).Value(), 4);  // 3.5 to even
    EXPECT_EQ(main->Set_SuspBumpDamp(1).Value(), 4);  // 4.5 to even
    EXPECT_FALSE(main->Set_SuspBumpDamp(1).Enabled());
    panel->SimplifiedDampersEnable->UserClick();
    EXPECT_EQ(o.SimplifiedDampers, core::VbFalse);
    EXPECT_TRUE(main->Set_SuspBumpDamp(0).Enabled());
    EXPECT_EQ(main->Set_SuspBumpDamp(0).Value(), 4);  // freed, not reset
}

TEST_F(OptionsMiscTest, SimplifiedDiffsTieCoastLockingToPowerLocking) {
    if (panel->SimplifiedDiffsEnable->Value() != 0) panel->SimplifiedDiffsEnable->UserClick();
    main->Set_GearingDiffPowerLocking(0).SetValue(30);
    main->Set_GearingDiffPowerLocking(1).SetValue(60);
    panel->SimplifiedDiffsEnable->UserClick();
    EXPECT_EQ(o.SimplifiedDiffs, core::VbTrue);
    EXPECT_EQ(main->Set_GearingDiffCoastLocking(0).Value(), 30);
    EXPECT_EQ(main->Set_GearingDiffCoastLocking(1).Value(), 60);
    EXPECT_FALSE(main->Set_GearingDiffCoastLocking(1).Enabled());
    // A grey box is off.
    panel->SimplifiedDiffsEnable->SetValue(2);
    EXPECT_EQ(o.SimplifiedDiffs, core::VbFalse);
    EXPECT_TRUE(main->Set_GearingDiffCoastLocking(1).Enabled());
}

TEST_F(OptionsMiscTest, CheckBoxesReadOnlyCheckedOrAnyValueAsTheirSwitchSays) {
    // A grey box (2) is off for some switches and on for others.
    const struct {
        platform::CheckBox* box;
        core::VbBool& option;
        core::VbBool grey;
    } cases[] = {{panel->AutomaticUpdating, o.AutoRecalc, core::VbFalse},
                 {panel->AutoUpdateChecking, o.AutoUpdateCheck, core::VbFalse},
                 {panel->FilterSetups, o.FilterSetupsOnOpen, core::VbTrue},
                 {panel->EnableLFSMode, o.LFSMode, core::VbTrue}};
    for (const auto& c : cases) {
        c.box->SetValue(0);
        EXPECT_EQ(c.option, core::VbFalse) << c.box->Name();
        c.box->SetValue(2);
        EXPECT_EQ(c.option, c.grey) << c.box->Name();
        c.box->SetValue(1);
        EXPECT_EQ(c.option, core::VbTrue) << c.box->Name();
    }
    // Clearing automatic recalculation while the program is loading still clears it.
    core::GlobalChassisLab().FormLoading = core::VbTrue;
    panel->AutomaticUpdating->UserClick();
    EXPECT_EQ(o.AutoRecalc, core::VbFalse);
    core::GlobalChassisLab().FormLoading = core::VbFalse;
}

TEST_F(OptionsMiscTest, AreaOffsetsAreCorrectedInTheBoxAndRoundedToEven) {
    EXPECT_FALSE(panel->AreaOffset(0).Enabled());
    panel->EnableTestControls->UserClick();
    EXPECT_EQ(o.LowResControls, core::VbTrue);
    EXPECT_TRUE(panel->AreaOffset(1).Enabled());
    TypeOver(panel->AreaOffset(0), "250");
    EXPECT_EQ(panel->AreaOffset(0).Text(), "204");
    EXPECT_EQ(o.AreaOffsetX, 204);
    TypeOver(panel->AreaOffset(0), "12.5");
    EXPECT_EQ(o.AreaOffsetX, 12);
    TypeOver(panel->AreaOffset(1), "13.5");
    EXPECT_EQ(o.AreaOffsetY, 14);
    TypeOver(panel->AreaOffset(1), "-5");
    EXPECT_EQ(panel->AreaOffset(1).Text(), "0");
    EXPECT_EQ(o.AreaOffsetY, 0);
    TypeOver(panel->AreaOffset(1), "999");
    EXPECT_EQ(panel->AreaOffset(1).Text(), "148");
    EXPECT_EQ(o.AreaOffsetY, 148);
    panel->EnableTestControls->UserClick();
    EXPECT_FALSE(panel->AreaOffset(0).Enabled());
    EXPECT_EQ(o.LowResControls, core::VbFalse);
}

// A person's click on the low-resolution box shows or hides the area-move buttons where the
// tools panel is on view, without flipping between photo and tools; a write while the window
// is being filled only stores the option.
TEST_F(OptionsMiscTest, LowResolutionBoxFollowsOnTheToolsPanelWithoutFlippingIt) {
    ui::ToggleVehiclePhotoAndTools(*main);
    ASSERT_TRUE(ui::VehicleToolsShown(*main));
    EXPECT_FALSE(main->TestControls->Visible());
    panel->EnableTestControls->UserClick();
    EXPECT_TRUE(main->TestControls->Visible());
    EXPECT_TRUE(ui::VehicleToolsShown(*main));
    panel->EnableTestControls->UserClick();
    EXPECT_FALSE(main->TestControls->Visible());

    core::GlobalChassisLab().OptionsPanelFilling = core::VbTrue;
    panel->EnableTestControls->SetValue(1);
    core::GlobalChassisLab().OptionsPanelFilling = core::VbFalse;
    EXPECT_EQ(o.LowResControls, core::VbTrue);
    EXPECT_FALSE(main->TestControls->Visible());
    EXPECT_TRUE(ui::VehicleToolsShown(*main));
}

// With automatic recalculation off a live slider changes nothing; checking the box runs the
// live-state analysis at once with the slider as it stands.
TEST_F(OptionsMiscTest, SwitchingRecalculationOnRunsTheLiveAnalysis) {
    panel->AutomaticUpdating->UserClick();
    ASSERT_EQ(o.AutoRecalc, core::VbFalse);
    const uint8_t before = analysis::LiveStateCode().LiveSpeed;
    const int moved = before == 40 ? 41 : 40;
    main->Live_Speed->SetValue(moved);
    EXPECT_EQ(analysis::LiveStateCode().LiveSpeed, before);
    panel->AutomaticUpdating->UserClick();
    EXPECT_EQ(o.AutoRecalc, core::VbTrue);
    EXPECT_EQ(analysis::LiveStateCode().LiveSpeed, moved);
}

// Compatibility mode applies a simulator car's setup ranges; switched off, the program's own.
TEST_F(OptionsMiscTest, CompatibilityModeSwitchesTheSetupRanges) {
    auto& g = core::GlobalChassisLab();
    const core::LFSCarRecord car = core::LFSCarTable().LFSCars.at(0);
    ASSERT_LT(car.MaxSteerLock, core::kProgramMaxSteerLock);
    vehicle::SetVehicleName(g.CurrentVehicle, car.Name);
    g.CurrentLFSCar = car;
    g.HasLFSCar = core::VbTrue;
    ui::ConfigureSetupControls();
    EXPECT_EQ(main->Set_SteerLock->Max(), car.MaxSteerLock);
    panel->EnableLFSMode->UserClick();
    EXPECT_EQ(o.LFSMode, core::VbFalse);
    EXPECT_EQ(main->Set_SteerLock->Max(), core::kProgramMaxSteerLock);
    panel->EnableLFSMode->UserClick();
    EXPECT_EQ(main->Set_SteerLock->Max(), car.MaxSteerLock);
}

TEST_F(OptionsMiscTest, PreferencesEntryOpensTheWindow) {
    ASSERT_TRUE(main->OptionsPreferences->Enabled());
    EXPECT_FALSE(panel->Visible());
    main->OptionsPreferences->UserClick();
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Select(Quantity::Speed).ListCount(), 5);
}

// While the window is being filled the low-resolution box only stores its option; the area
// offsets store nothing then.
TEST_F(OptionsMiscTest, FillingStoresSwitchesWithoutRecalculating) {
    o.LowResControls = core::VbTrue;
    o.AreaOffsetX = 100;
    const std::string speedCaption = main->GearingSpeed(1).Caption();
    o.SpeedoIndicated = core::VbTrue;
    o.SpeedoErrorPercent = 12.0f;
    ui::ShowOptionsSettings();
    EXPECT_EQ(panel->EnableTestControls->Value(), 1);
    EXPECT_EQ(panel->AreaOffset(0).Text(), "100");
    EXPECT_EQ(o.LowResControls, core::VbTrue);
    EXPECT_EQ(o.SpeedoErrorPercent, 12.0f);
    EXPECT_TRUE(panel->SpeedoType(1).Value());
    // Stored, but the gearing was not recalculated while filling.
    EXPECT_EQ(main->GearingSpeed(1).Caption(), speedCaption);
    EXPECT_FALSE(core::FromVbBool(core::GlobalChassisLab().OptionsPanelFilling));
}

}  // namespace
