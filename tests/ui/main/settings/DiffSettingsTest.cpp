// The differential panels: rows shown per type, the front/rear view by drive type, the value
// captions, the simplified 2-way clutch packs and the guards of the recalculation.
#include <algorithm>

#include "ui/main/settings/SettingHandlersTestSupport.hpp"
#include "ui/main/settings/DiffSettings.hpp"

namespace {

using ui_test::Calls;
using ui_test::SettingHandlersTest;

class DiffSettingsTest : public SettingHandlersTest {
protected:
    void SetDriveType(uint8_t d) {
        core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = d;
    }
    bool Shown(int label) const { return w->Set_GearingLabel(label).Visible(); }
    const std::string& Caption(int label) const { return w->Set_GearingLabel(label).Caption(); }

    // Visibility of the rear panel's rows: viscous, power, coast, preload (slider and both
    // captions must agree).
    struct Rows {
        bool viscous, power, coast, preload;
        bool operator==(const Rows&) const = default;
    };
    Rows RearRows() const {
        auto row = [&](const platform::Slider& s, int a, int b) {
            EXPECT_EQ(s.Visible(), Shown(a));
            EXPECT_EQ(s.Visible(), Shown(b));
            return s.Visible();
        };
        return {row(w->Set_GearingViscousTorque(1), 19, 20),
                row(w->Set_GearingDiffPowerLocking(1), 15, 16),
                row(w->Set_GearingDiffCoastLocking(1), 17, 18),
                row(w->Set_GearingDiffPreLoad(1), 34, 33)};
    }
    // True when `a` is drawn over `b` (both children of one container).
    static bool Above(const platform::Control& a, const platform::Control& b) {
        const auto& kids = a.Parent()->Children();
        return std::find(kids.begin(), kids.end(), &a) > std::find(kids.begin(), kids.end(), &b);
    }
};

TEST_F(DiffSettingsTest, TypeChoosesTheRowsOfItsPanel) {
    auto& rear = w->Set_GearingDiffType(1);
    rear.SetText("Viscous");
    EXPECT_EQ(RearRows(), (Rows{true, false, false, false}));
    rear.SetText("Clutch pack");
    EXPECT_EQ(RearRows(), (Rows{false, true, true, true}));
    for (const char* t : {"Open", "Locked"}) {
        rear.SetText(t);
        EXPECT_EQ(RearRows(), (Rows{false, false, false, false})) << t;
    }
    // The front panel is untouched by the rear list; the type caption always stays.
    EXPECT_TRUE(w->Set_GearingDiffPowerLocking(0).Visible());
    EXPECT_TRUE(Shown(14));

    // A text that is no type name leaves the rows as they are.
    rear.SetText("Viscous");
    rear.SetStyle(platform::ComboStyle::DropdownCombo);
    rear.UserType("Torsen");
    ui::Set_GearingDiffType_Click(*w, 1);
    EXPECT_EQ(RearRows(), (Rows{true, false, false, false}));
}

TEST_F(DiffSettingsTest, CentreListOnlyTogglesItsViscousRow) {
    auto& centre = w->Set_GearingDiffType(2);
    centre.AddItem("Locked");  // not offered for the centre, but any text must be handled
    centre.SetText("Viscous");
    EXPECT_TRUE(w->Set_GearingViscousTorque(2).Visible());
    centre.SetText("Locked");
    EXPECT_TRUE(w->Set_GearingViscousTorque(2).Visible());
    EXPECT_TRUE(Shown(13));
    centre.SetText("Open");
    EXPECT_FALSE(w->Set_GearingViscousTorque(2).Visible());
    EXPECT_FALSE(Shown(12));
    EXPECT_FALSE(Shown(13));
    // The split row is never touched.
    EXPECT_TRUE(w->Set_GearingTorqueSplitCentre->Visible());
    EXPECT_TRUE(Shown(9));
}

TEST_F(DiffSettingsTest, TypeRecalculatesOnlyWhenAllowed) {
    EXPECT_EQ(CallsOf([&] { w->Set_GearingDiffType(0).SetText("Open"); }), Calls{"SetDiffParams"});
    for (int flag = 0; flag < 3; ++flag) {
        AllowRecalc();
        if (flag == 0) SetLoading(true);
        if (flag == 1) SetSuppress(true);
        if (flag == 2) SetAutoRecalc(false);
        EXPECT_EQ(CallsOf([&] { w->Set_GearingDiffType(0).SetText("Viscous"); }), Calls{}) << flag;
        EXPECT_TRUE(w->Set_GearingViscousTorque(0).Visible());  // the rows follow regardless
        w->Set_GearingDiffType(0).SetText("Open");
    }
}

TEST_F(DiffSettingsTest, ViewShowsThePlaceholderForAnUndrivenAxle) {
    struct Case {
        uint8_t drive;
        bool frontAvailable, rearAvailable;
    };
    const Case cases[] = {{vehicle::kDriveFront, true, false},
                          {vehicle::kDriveRear, false, true},
                          {vehicle::kDriveAll, true, true},
                          {vehicle::kDriveThrust, false, false}};
    for (const Case& c : cases) {
        SetDriveType(c.drive);
        const Calls got = CallsOf([&] {
            w->Set_ViewDiff(0).UserClick();
            EXPECT_EQ(Above(w->DiffFrame(0), w->NoDiffFrame(0)), c.frontAvailable) << int(c.drive);
            w->Set_ViewDiff(1).UserClick();
            EXPECT_EQ(Above(w->DiffFrame(1), w->NoDiffFrame(1)), c.rearAvailable) << int(c.drive);
        });
        EXPECT_EQ(got, Calls{});
    }
    // The selected panel is drawn over the other axle's (they share one place).
    SetDriveType(vehicle::kDriveAll);
    w->Set_ViewDiff(0).UserClick();
    EXPECT_TRUE(Above(w->DiffFrame(0), w->DiffFrame(1)));
}

TEST_F(DiffSettingsTest, CentreSplitWritesItsCaptionAndRecalculatesOnlyForAllWheelDrive) {
    SetDriveType(vehicle::kDriveRear);
    EXPECT_EQ(CallsOf([&] { w->Set_GearingTorqueSplitCentre->UserDrag(55); }), Calls{});
    EXPECT_EQ(Caption(10), "55%");
    SetDriveType(vehicle::kDriveAll);
    EXPECT_EQ(CallsOf([&] { w->Set_GearingTorqueSplitCentre->SetValue(60); }),
              (Calls{"CalcGearing", "SetDiffParams"}));
    EXPECT_EQ(Caption(10), "60%");
    SetAutoRecalc(false);
    EXPECT_EQ(CallsOf([&] { w->Set_GearingTorqueSplitCentre->SetValue(45); }), Calls{});
}

TEST_F(DiffSettingsTest, SimplifiedDiffsMakeCoastFollowPower) {
    // Full clutch packs keep coast apart.
    w->Set_GearingDiffPowerLocking(1).UserDrag(70);
    EXPECT_EQ(w->Set_GearingDiffCoastLocking(1).Value(), 40);
    EXPECT_EQ(Caption(16), "70%");

    core::OptionsSettings().SimplifiedDiffs = core::VbTrue;
    const Calls got = CallsOf([&] { w->Set_GearingDiffPowerLocking(0).UserDrag(60); });
    EXPECT_EQ(w->Set_GearingDiffCoastLocking(0).Value(), 60);
    EXPECT_EQ(Caption(23), "60%");
    EXPECT_EQ(Caption(25), "60%");
    EXPECT_EQ(got, (Calls{"SetDiffParams", "SetDiffParams"}));  // coast's handler, then power's
    EXPECT_EQ(w->Set_GearingDiffCoastLocking(1).Value(), 40);   // the rear pair is separate

    w->Set_GearingDiffPowerLocking(1).SetValue(25);
    EXPECT_EQ(w->Set_GearingDiffCoastLocking(1).Value(), 25);
    EXPECT_EQ(Caption(16), "25%");
    EXPECT_EQ(Caption(18), "25%");
}

TEST_F(DiffSettingsTest, SliderGuards) {
    // Locking: suppress and automatic recalculation only; loading does not stop it.
    SetLoading(true);
    EXPECT_EQ(CallsOf([&] { w->Set_GearingDiffCoastLocking(0).UserDrag(20); }),
              Calls{"SetDiffParams"});
    EXPECT_EQ(CallsOf([&] { w->Set_GearingDiffPreLoad(1).UserDrag(30); }), Calls{"SetDiffParams"});
    SetSuppress(true);
    EXPECT_EQ(CallsOf([&] {
                  w->Set_GearingDiffPowerLocking(0).UserDrag(50);
                  w->Set_GearingDiffCoastLocking(0).UserDrag(25);
                  w->Set_GearingDiffPreLoad(0).UserDrag(20);
              }),
              Calls{});
    EXPECT_EQ(Caption(23), "50%");  // captions are written whatever the flags
    EXPECT_EQ(Caption(25), "25%");
    // The viscous torque only refreshes the captions, with no guard at all.
    SetAutoRecalc(false);
    EXPECT_EQ(CallsOf([&] { w->Set_GearingViscousTorque(2).UserDrag(15); }),
              Calls{"ShowDiffSettings"});
}

}  // namespace

namespace {

// With the window's own routines (no recorders), the handlers reach the captions writer
// through the main window.
using DiffWindowRoutinesTest = ui_test::MainWindowTest;

TEST_F(DiffWindowRoutinesTest, ViscousSliderRefreshesItsCaptionThroughTheWindowsRoutine) {
    platform::InstallServiceDoubles();
    ui::InstallSettingHandlers(*w);
    w->Set_GearingViscousTorque(1).UserDrag(12);
    EXPECT_EQ(w->Set_GearingLabel(20).Caption(), "12Nms/\r\nrad");
    w->Set_GearingViscousTorque(2).SetValue(7);
    EXPECT_EQ(w->Set_GearingLabel(13).Caption(), "7Nms/\r\nrad");
    ui::SettingHandlers() = ui::SettingHandlersState{};
}

}  // namespace
