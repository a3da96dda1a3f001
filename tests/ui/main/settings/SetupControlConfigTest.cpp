// The setting page for a simulator car in compatibility mode and for any other vehicle:
// ranges, choices, fallbacks, visibility, the options the car sets, and the guard flag.
// Expected car facts are those of the simulator's published car table (row comments).
#include <stdexcept>

#include "ui/main/editor/VehicleConfigTestSupport.hpp"
#include "platform/Controls.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"

namespace {

using ui_test::VehicleConfigTest;

const std::vector<std::string> kAllDiffTypes{"Open", "Locked", "Viscous", "Clutch pack"};

class SetupControlConfigTest : public VehicleConfigTest {
protected:
    // The traction-control slip rows.
    bool TractionGroupVisible(bool expected) {
        return w->Set_TCSlipRatio->Visible() == expected &&
               w->Set_TCSlipSpeed->Visible() == expected;
    }
    // The simulator's handicap rows.
    bool ExtrasVisible(bool expected) {
        return w->Set_SetupFrame(13).Visible() == expected &&
               w->Set_HandicapIntake->Visible() == expected;
    }
};

TEST_F(SetupControlConfigTest, VehicleWithoutSimulatorCarOrOutsideCompatibilityModeGetsTheProgramRanges) {
    for (bool simulatorCar : {false, true}) {
        SCOPED_TRACE(simulatorCar ? "XR GT outside compatibility mode" : "own vehicle");
        MakeCurrent(simulatorCar ? "XR GT" : "My Hillclimb Special", /*hasReverse=*/true);
        core::OptionsSettings().LFSMode = core::ToVbBool(!simulatorCar);
        ui::ConfigureSetupControls();

        EXPECT_EQ(w->Set_SteerLock->Max(), 60);
        EXPECT_TRUE(w->Set_SteerCaster(1).Enabled());
        EXPECT_TRUE(w->Set_SuspARBStiffness(1).Enabled());
        EXPECT_EQ(Items(w->Set_GearingDiffType(0)), kAllDiffTypes);
        EXPECT_TRUE(w->Set_GearRatioText(0).Visible());
        EXPECT_FALSE(w->Set_GearingLabel(35).Visible());
        for (int wheel : {0, 2}) {
            EXPECT_EQ(w->Set_TyreCompound(wheel).ListCount(), 9);
            // Nothing was chosen before: the road compound is the default.
            EXPECT_EQ(w->Set_TyreCompound(wheel).Text(), "Road Normal");
        }
        EXPECT_TRUE(w->Set_ABS->Visible());
        EXPECT_TRUE(w->Set_SetupFrame(10).Visible());
        EXPECT_TRUE(TractionGroupVisible(false));
        EXPECT_TRUE(ExtrasVisible(false));
        // The car's simplified switches are not applied.
        EXPECT_FALSE(core::FromVbBool(core::OptionsSettings().SimplifiedDampers));
        EXPECT_FALSE(core::FromVbBool(core::OptionsSettings().SimplifiedDiffs));
        EXPECT_FALSE(core::FromVbBool(core::GlobalChassisLab().SetupControlsBusy));
    }
}

TEST_F(SetupControlConfigTest, XrGtFollowsItsRow) {
    // Row 2: fixed caster 6.0 deg, lock 36, reverse 3.578, ABS, no throttle/TC/config frames,
    // simplified dampers and diffs, all diff types, road compounds (mask 7).
    MakeCurrent("XR GT");
    w->Set_SuspReboundDamp(0).SetValue(65);
    w->Set_SuspReboundDamp(1).SetValue(75);
    w->Set_GearingDiffPowerLocking(0).SetValue(60);
    w->Set_GearingDiffPowerLocking(1).SetValue(25);
    ui::ConfigureSetupControls();

    EXPECT_FALSE(w->Set_SteerCaster(0).Enabled());
    EXPECT_EQ(w->Set_SteerCaster(0).Value(), 60);
    EXPECT_EQ(w->Set_SteerCaster(1).Value(), 0);
    EXPECT_EQ(w->Set_SteerLock->Max(), 36);
    EXPECT_EQ(w->Set_GearRatioSlider(0).Value(), 3578);
    EXPECT_FALSE(w->Set_GearRatioText(0).Visible());
    EXPECT_EQ(w->Set_GearingLabel(35).Caption(), "3.578");
    EXPECT_EQ(Items(w->Set_TyreCompound(0)),
              (std::vector<std::string>{"Road Normal", "Hybrid", "Knobbly"}));
    EXPECT_TRUE(w->Set_ABS->Visible());
    EXPECT_FALSE(w->Set_SetupFrame(9).Visible());
    EXPECT_FALSE(w->Set_SetupFrame(10).Visible());
    EXPECT_TRUE(TractionGroupVisible(false));
    EXPECT_FALSE(w->Set_SetupFrame(12).Visible());
    EXPECT_TRUE(ExtrasVisible(true));

    // Simplified dampers: bump = rebound / 2, halves to even (65 -> 32, 75 -> 38), greyed.
    EXPECT_TRUE(core::FromVbBool(core::OptionsSettings().SimplifiedDampers));
    EXPECT_EQ(w->Set_SuspBumpDamp(0).Value(), 32);
    EXPECT_EQ(w->Set_SuspBumpDamp(1).Value(), 38);
    EXPECT_FALSE(w->Set_SuspBumpDamp(1).Enabled());
    // Simplified differentials: coast follows power, greyed.
    EXPECT_TRUE(core::FromVbBool(core::OptionsSettings().SimplifiedDiffs));
    EXPECT_EQ(w->Set_GearingDiffCoastLocking(0).Value(), 60);
    EXPECT_EQ(w->Set_GearingDiffCoastLocking(1).Value(), 25);
    EXPECT_FALSE(w->Set_GearingDiffCoastLocking(0).Enabled());

    // A car without the simplified settings frees the followers, keeping their values.
    MakeCurrent("FZ50");
    ui::ConfigureSetupControls();
    EXPECT_FALSE(core::FromVbBool(core::OptionsSettings().SimplifiedDampers));
    EXPECT_FALSE(core::FromVbBool(core::OptionsSettings().SimplifiedDiffs));
    EXPECT_TRUE(w->Set_SuspBumpDamp(0).Enabled());
    EXPECT_TRUE(w->Set_GearingDiffCoastLocking(1).Enabled());
    EXPECT_EQ(w->Set_SuspBumpDamp(0).Value(), 32);
    EXPECT_EQ(w->Set_GearingDiffCoastLocking(0).Value(), 60);
}

TEST_F(SetupControlConfigTest, FramesFollowTheCarsOptions) {
    // Row 9 "FZ50": traction control; row 19 "BMW Sauber F1.06": throttle and TC, lock 16;
    // row 0 "UF 1000": roof configuration, no ABS, no anti-roll bars.
    MakeCurrent("FZ50");
    ui::ConfigureSetupControls();
    EXPECT_TRUE(w->Set_SetupFrame(10).Visible());
    EXPECT_TRUE(TractionGroupVisible(true));
    EXPECT_FALSE(w->Set_SetupFrame(9).Visible());

    MakeCurrent("BMW Sauber F1.06");
    ui::ConfigureSetupControls();
    EXPECT_TRUE(w->Set_SetupFrame(9).Visible());
    EXPECT_TRUE(w->Set_SetupFrame(10).Visible());
    EXPECT_EQ(w->Set_SteerLock->Max(), 16);

    w->Set_ABS->SetValue(1);
    MakeCurrent("UF 1000");
    ui::ConfigureSetupControls();
    EXPECT_TRUE(w->Set_SetupFrame(12).Visible());
    EXPECT_FALSE(w->Set_ABS->Visible());
    EXPECT_EQ(w->Set_ABS->Value(), 0);  // a car without ABS never brakes with it
    for (int axle : {0, 1}) {  // no anti-roll bars at all
        EXPECT_FALSE(w->Set_SuspARBStiffness(axle).Enabled());
        EXPECT_EQ(w->Set_SuspARBStiffness(axle).Value(), 0);
    }

    // Back to a program vehicle: traction control frame shown, its slip rows not.
    MakeCurrent("Home Built");
    ui::ConfigureSetupControls();
    EXPECT_TRUE(w->Set_ABS->Visible());
    EXPECT_TRUE(w->Set_SetupFrame(10).Visible());
    EXPECT_TRUE(TractionGroupVisible(false));
}

TEST_F(SetupControlConfigTest, CarOfferingOnlyOpenDifferentialsFallsBackToOpen) {
    MakeCurrent("UF 1000");  // row 0: differential type not selectable
    w->Set_GearingDiffType(0).SetText("Viscous");
    w->Set_GearingDiffType(1).SetText("Clutch pack");
    const auto centreBefore = Items(w->Set_GearingDiffType(2));
    const std::string centreText = w->Set_GearingDiffType(2).Text();
    int frontClicks = 0;
    w->Set_GearingDiffType(0).Click = [&] { ++frontClicks; };

    ui::ConfigureSetupControls();
    for (int i : {0, 1}) {
        EXPECT_EQ(Items(w->Set_GearingDiffType(i)), std::vector<std::string>{"Open"});
        EXPECT_EQ(w->Set_GearingDiffType(i).Text(), "Open");
    }
    EXPECT_EQ(frontClicks, 1);  // the type handler hears the new choice
    EXPECT_EQ(Items(w->Set_GearingDiffType(2)), centreBefore);
    EXPECT_EQ(w->Set_GearingDiffType(2).Text(), centreText);

    // A car with selectable types keeps a choice it offers.
    MakeCurrent("XR GT Turbo");
    w->Set_GearingDiffType(1).SetText("Open");
    ui::ConfigureSetupControls();
    EXPECT_EQ(Items(w->Set_GearingDiffType(1)), kAllDiffTypes);
    EXPECT_EQ(w->Set_GearingDiffType(1).Text(), "Open");
    w->Set_GearingDiffType(1).SetText("Viscous");
    MakeCurrent("FZ50");
    ui::ConfigureSetupControls();
    EXPECT_EQ(w->Set_GearingDiffType(1).Text(), "Viscous");
}

TEST_F(SetupControlConfigTest, TyreCompoundsByMaskWithFallbacks) {
    // Mask 224 (MRT5): Slick R1-R3; the road compound chosen before is not offered, so the
    // first item is chosen. Mask 112 (UF GTR): R2-R4 keeps "Slick R2".
    w->Set_TyreCompound(0).Clear();
    MakeCurrent("Some Road Car");
    ui::ConfigureSetupControls();
    ASSERT_EQ(w->Set_TyreCompound(0).Text(), "Road Normal");
    w->Set_TyreCompound(2).SetText("Slick R2");

    MakeCurrent("MRT5");
    ui::ConfigureSetupControls();
    EXPECT_EQ(Items(w->Set_TyreCompound(0)),
              (std::vector<std::string>{"Slick R1", "Slick R2", "Slick R3"}));
    EXPECT_EQ(w->Set_TyreCompound(0).Text(), "Slick R1");
    EXPECT_EQ(w->Set_TyreCompound(2).Text(), "Slick R2");

    MakeCurrent("UF GTR");
    ui::ConfigureSetupControls();
    EXPECT_EQ(Items(w->Set_TyreCompound(2)),
              (std::vector<std::string>{"Slick R2", "Slick R3", "Slick R4"}));
    EXPECT_EQ(w->Set_TyreCompound(2).Text(), "Slick R2");
    EXPECT_EQ(w->Set_TyreCompound(0).Text(), "Slick R2");  // R1 gone: first offered

    // No simulator car is offered the drag slick; the program offers it and keeps it.
    MakeCurrent("Dragster");
    ui::ConfigureSetupControls();
    w->Set_TyreCompound(0).SetText("Drag Slick");
    ui::ConfigureSetupControls();
    EXPECT_EQ(w->Set_TyreCompound(0).Text(), "Drag Slick");
}

TEST_F(SetupControlConfigTest, RaceAboutCasterAndAntiRollBars) {
    // Row 8: adjustable caster (front left as it is), rear caster 15.0 deg, no rear bar.
    w->Set_SteerCaster(0).SetValue(77);
    w->Set_SuspARBStiffness(1).SetValue(1200);
    w->Set_SuspARBStiffness(0).SetValue(900);
    MakeCurrent("RaceAbout");
    ui::ConfigureSetupControls();
    EXPECT_TRUE(w->Set_SteerCaster(0).Enabled());
    EXPECT_EQ(w->Set_SteerCaster(0).Value(), 77);
    EXPECT_EQ(w->Set_SteerCaster(1).Value(), 150);
    EXPECT_FALSE(w->Set_SteerCaster(1).Enabled());
    EXPECT_TRUE(w->Set_SuspARBStiffness(0).Enabled());
    EXPECT_EQ(w->Set_SuspARBStiffness(0).Value(), 900);
    EXPECT_FALSE(w->Set_SuspARBStiffness(1).Enabled());
    EXPECT_EQ(w->Set_SuspARBStiffness(1).Value(), 0);

    // Compatibility mode off: the bar is free again, its old value not restored.
    MakeCurrent("RaceAbout");
    ui::ConfigureSetupControls();
    core::OptionsSettings().LFSMode = core::VbFalse;
    ui::ConfigureSetupControls();
    EXPECT_TRUE(w->Set_SuspARBStiffness(1).Enabled());
    EXPECT_EQ(w->Set_SuspARBStiffness(1).Value(), 0);
    EXPECT_TRUE(w->Set_SteerCaster(1).Enabled());
    EXPECT_EQ(w->Set_SteerCaster(1).Value(), 150);
}

TEST_F(SetupControlConfigTest, ReverseRatioCaptionIsTheCarsRatioNotAStaleOne) {
    // The gearing analysis still holds the previous car's reverse (UF 1000: 5.65) and has not
    // run for this one yet; the caption must show this car's ratio.
    vehicle::GearingCode().GearRatios[0] = 5.65f;
    MakeCurrent("FXO Turbo");
    ui::ConfigureSetupControls();
    EXPECT_EQ(w->Set_GearingLabel(35).Caption(), "3.578");
    EXPECT_EQ(w->Set_GearRatioSlider(0).Value(), 3578);

    // Without a reverse gear the caption is hidden; the slider still takes the car's ratio.
    MakeCurrent("Formula V8", /*hasReverse=*/false);
    ui::ConfigureSetupControls();
    EXPECT_FALSE(w->Set_GearingLabel(35).Visible());
    EXPECT_EQ(w->Set_GearRatioSlider(0).Value(), 4000);
}

TEST_F(SetupControlConfigTest, HandlersRaisedMeanwhileSeeTheBusyFlag) {
    // The compound lists, the temperature sliders the compound handler moves and the
    // differential lists all raise their events while the flag is up; the compound and
    // temperature handlers test it to skip their recalculation.
    auto& g = core::GlobalChassisLab();
    int calls = 0, callsWithFlagDown = 0;
    auto spy = [&] {
        ++calls;
        if (!core::FromVbBool(g.SetupControlsBusy)) ++callsWithFlagDown;
    };
    for (int wheel : {0, 2}) {
        w->Set_TyreCompound(wheel).Click = [&, wheel] {
            spy();
            w->Live_TyreTemp(wheel / 2).SetValue(w->Live_TyreTemp(wheel / 2).Value() + 1);
        };
    }
    for (int axle : {0, 1}) w->Live_TyreTemp(axle).Change = spy;
    for (int i : {0, 1}) w->Set_GearingDiffType(i).Click = spy;
    w->Set_ABS->Click = spy;

    w->Set_ABS->SetValue(1);
    calls = callsWithFlagDown = 0;
    MakeCurrent("UF 1000");
    ui::ConfigureSetupControls();
    EXPECT_EQ(calls, 2 /*compounds*/ + 2 /*temperatures*/ + 2 /*diff types*/ + 1 /*ABS*/);
    EXPECT_EQ(callsWithFlagDown, 0);
    EXPECT_FALSE(core::FromVbBool(g.SetupControlsBusy));
}

TEST_F(SetupControlConfigTest, BusyFlagIsLoweredWhenAHandlerThrows) {
    w->Set_GearingDiffType(0).Click = [] { throw std::runtime_error("handler failed"); };
    MakeCurrent("XR GT");
    EXPECT_THROW(ui::ConfigureSetupControls(), std::runtime_error);
    EXPECT_FALSE(core::FromVbBool(core::GlobalChassisLab().SetupControlsBusy));
}

}  // namespace
