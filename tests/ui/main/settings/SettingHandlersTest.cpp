// Handlers of the setting, live and analysis-page controls: which flags stop which
// recalculation, what is stored whatever the flags, the left/right copies, the damper link,
// the compound-to-temperature chain, the sounds and the analysis-page inputs.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/TemporaryFolder.hpp"
#include "ui/main/settings/SettingHandlersTestSupport.hpp"

namespace {

using ui_test::Calls;
using ui_test::SettingHandlersTest;

struct SliderCase {
    const char* name;
    platform::Slider* slider;
    Calls chain;  // the routines its handler runs when its guard holds
};

class SettingSliderTest : public SettingHandlersTest {
protected:
    // One slider of each kind of recalculation, with the routines its handler runs.
    std::vector<SliderCase> Cases() {
        const Calls live{"AnalyseLiveState"};
        const Calls steer{"CalcSteeringGeometry"};
        const Calls liveGearing{"AnalyseLiveState", "CalcGearing"};
        return {
            {"Set_BrakeBalance", w->Set_BrakeBalance, {"SetBrakeTorques", "AnalyseLiveState"}},
            {"Set_EBR", w->Set_EBR, {"AnalyseLiveState", "ShowBrakeSettings"}},
            {"Set_TCSlipSpeed", w->Set_TCSlipSpeed, {"ShowBrakeSettings"}},
            {"Set_SuspSpringStiffness(1)", &w->Set_SuspSpringStiffness(1), live},
            {"Set_SuspBumpDamp(0)", &w->Set_SuspBumpDamp(0), live},
            {"Set_SteerToe(1)", &w->Set_SteerToe(1), steer},
            {"Set_TyrePressure(2)",
             &w->Set_TyrePressure(2),
             {"UpdateTyreAnalysis", "BuildAeroSpeedTable", "AnalyseLiveState", "CalcGearing"}},
            {"Set_TyreCamber(3)", &w->Set_TyreCamber(3), steer},
            {"Set_HandicapIntake", w->Set_HandicapIntake, {"CalcMassesAndCentreOfGravity"}},
            {"Set_HandicapMass", w->Set_HandicapMass,
             {"CalcMassesAndCentreOfGravity", "AnalyseLiveState"}},
            {"Set_AeroWingAngle(1)", &w->Set_AeroWingAngle(1), liveGearing},
            {"Live_Speed", w->Live_Speed, liveGearing},
            {"Live_Throttle", w->Live_Throttle, live},
            {"Live_FuelLoad",
             w->Live_FuelLoad,
             {"CalcMassesAndCentreOfGravity", "BuildAeroSpeedTable", "AnalyseLiveState",
              "CalcGearing"}},
            {"Live_TyreTemp(1)", &w->Live_TyreTemp(1), {"UpdateTyreAnalysis"}},
            {"Live_TyreWear", w->Live_TyreWear, liveGearing},
        };
    }
    // A person drags the thumb one step away from where it is.
    static void Nudge(platform::Slider& s) {
        s.UserDrag(s.Value() < s.Max() ? s.Value() + 1 : s.Value() - 1);
    }
    static bool IsWing(const SliderCase& c) {
        return std::string(c.name).rfind("Set_AeroWingAngle", 0) == 0;
    }
};

TEST_F(SettingSliderTest, EachFlagStopsTheRecalculationOfItsSliders) {
    auto all = [](const SliderCase&) { return true; };
    auto notBump = [](const SliderCase& c) { return std::string(c.name) != "Set_SuspBumpDamp(0)"; };
    const struct {
        const char* what;
        std::function<void()> set;
        std::function<bool(const SliderCase&)> stillRuns;
    } variants[] = {
        {"allowed", [] {}, all},
        {"suppressed", [] { SetSuppress(true); }, [](const SliderCase&) { return false; }},
        {"automatic recalculation off", [] { SetAutoRecalc(false); }, IsWing},
        {"loading", [] { SetLoading(true); }, notBump},
        {"no vehicle", [] { core::GlobalChassisLab().VehicleCount = 0; }, notBump},
    };
    for (const auto& v : variants) {
        AllowRecalc();
        v.set();
        for (const SliderCase& c : Cases())
            EXPECT_EQ(CallsOf([&] { Nudge(*c.slider); }), v.stillRuns(c) ? c.chain : Calls{})
                << v.what << ": " << c.name;
    }
}

TEST_F(SettingSliderTest, BrakeAndCamberSlidersIgnoreValuesWrittenByCode) {
    EXPECT_EQ(CallsOf([&] {
                  w->Set_BrakeMaxTorque->SetValue(2000);
                  w->Set_BrakeBalance->SetValue(60);
                  w->Set_TyreCamber(0).SetValue(50);
              }),
              Calls{});
    // A click on the track runs the handler once (Change, then Click).
    EXPECT_EQ(CallsOf([&] { w->Set_BrakeBalance->UserClickAt(70); }),
              (Calls{"SetBrakeTorques", "AnalyseLiveState"}));
    // Other sliders run their handler for a value written by code.
    EXPECT_EQ(CallsOf([&] { w->Live_Throttle->SetValue(80); }), Calls{"AnalyseLiveState"});
}

TEST_F(SettingHandlersTest,
       BrakeAidsRecalculateWhileSuppressedButNotWithAutomaticRecalculationOff) {
    SetSuppress(true);
    EXPECT_EQ(CallsOf([&] { w->Set_ABS->UserClick(); }), Calls{"AnalyseLiveState"});
    EXPECT_EQ(CallsOf([&] { w->Set_TC->UserClick(); }), Calls{"AnalyseLiveState"});
    SetSuppress(false);
    SetAutoRecalc(false);
    EXPECT_EQ(CallsOf([&] { w->Set_ABS->UserClick(); }), Calls{});
    EXPECT_EQ(CallsOf([&] { w->Set_TC->UserClick(); }), Calls{});
}

TEST_F(SettingHandlersTest, EngineBrakeReductionIsStoredWhateverTheFlags) {
    auto& reduction = vehicle::EngineCode().CurrentEngine.EngineBrakeReduction;
    SetAutoRecalc(false);
    w->Set_EBR->SetValue(35);
    EXPECT_FLOAT_EQ(reduction, 0.35f);
    SetAutoRecalc(true);
    SetSuppress(true);
    w->Set_EBR->UserDrag(60);
    EXPECT_FLOAT_EQ(reduction, 0.6f);
    EXPECT_TRUE(calls.empty());
}

TEST_F(SettingHandlersTest, SteeringLockLimitsTheLiveSteeringAngleWhateverTheFlags) {
    SetAutoRecalc(false);
    w->Live_SteeringAngle->SetValue(200);  // 20 degrees at the wheel
    w->Set_SteerLock->SetValue(9);
    EXPECT_EQ(w->Live_SteeringAngle->Min(), -90);
    EXPECT_EQ(w->Live_SteeringAngle->Max(), 90);
    EXPECT_EQ(w->Live_SteeringAngle->Value(), 90);
    w->Set_SteerLock->SetValue(50);
    EXPECT_EQ(w->Live_SteeringAngle->Min(), -500);
    EXPECT_EQ(w->Live_SteeringAngle->Max(), 500);
    EXPECT_TRUE(calls.empty());
}

TEST_F(SettingHandlersTest, SimplifiedDampersSetBumpToHalfTheReboundHalvesToEven) {
    w->Set_SuspReboundDamp(0).UserDrag(120);  // full dampers leave bump alone
    EXPECT_EQ(w->Set_SuspBumpDamp(0).Value(), 50);
    core::OptionsSettings().SimplifiedDampers = core::VbTrue;
    const std::pair<int, int> cases[] = {{75, 38}, {65, 32}, {33, 16},
                                         {35, 18}, {0, 0},   {400, 200}};
    for (const auto& [rebound, bump] : cases) {
        w->Set_SuspReboundDamp(1).UserDrag(rebound);
        EXPECT_EQ(w->Set_SuspBumpDamp(1).Value(), bump) << rebound;
    }
    EXPECT_EQ(w->Set_SuspBumpDamp(0).Value(), 50);  // the other axle is untouched

    // The bump handler runs too, under its own guard: with no vehicle only the rebound's runs.
    EXPECT_EQ(CallsOf([&] { w->Set_SuspReboundDamp(0).UserDrag(90); }),
              (Calls{"AnalyseLiveState", "AnalyseLiveState"}));
    core::GlobalChassisLab().VehicleCount = 0;
    EXPECT_EQ(CallsOf([&] { w->Set_SuspReboundDamp(0).UserDrag(70); }), Calls{"AnalyseLiveState"});
    EXPECT_EQ(w->Set_SuspBumpDamp(0).Value(), 35);
}

class TyreSymmetryTest : public SettingHandlersTest {
protected:
    int P(int i) const { return w->Set_TyrePressure(i).Value(); }
    int C(int i) const { return w->Set_TyreCamber(i).Value(); }
    const Calls tyreChain{"UpdateTyreAnalysis", "BuildAeroSpeedTable", "AnalyseLiveState",
                          "CalcGearing"};
};

TEST_F(TyreSymmetryTest, ChoosingSymmetricCopiesLeftToRightAndLocksTheRightSliders) {
    const int pressures[] = {150, 200, 300, 250}, cambers[] = {40, 50, 60, 30};
    for (int i = 0; i < 4; ++i) {
        w->Set_TyrePressure(i).SetValue(pressures[i]);
        w->Set_TyreCamber(i).SetValue(cambers[i]);
    }
    const Calls got = CallsOf([&] { w->Set_Asym(1).UserClick(); });
    EXPECT_EQ(P(1), 150);
    EXPECT_EQ(P(3), 300);
    EXPECT_EQ(C(1), 40);
    EXPECT_EQ(C(3), 60);
    EXPECT_EQ(P(0), 150);  // the left wheels keep their values
    EXPECT_EQ(C(2), 60);
    EXPECT_FALSE(w->Set_TyrePressure(1).Enabled());
    EXPECT_FALSE(w->Set_TyreCamber(3).Enabled());
    EXPECT_TRUE(w->Set_TyrePressure(0).Enabled());
    // The two pressure copies each ran the pressure handler; the camber copies ran nothing.
    Calls twice = tyreChain;
    twice.insert(twice.end(), tyreChain.begin(), tyreChain.end());
    EXPECT_EQ(got, twice);

    // Back to asymmetric: unlocked, nothing changed, nothing recalculated.
    EXPECT_EQ(CallsOf([&] { w->Set_Asym(0).UserClick(); }), Calls{});
    EXPECT_TRUE(w->Set_TyrePressure(1).Enabled());
    EXPECT_TRUE(w->Set_TyreCamber(3).Enabled());
    EXPECT_EQ(P(1), 150);
    EXPECT_EQ(C(3), 60);
}

TEST_F(TyreSymmetryTest, ALeftSliderMovesAloneUnlessSymmetricThenItIsCopied) {
    w->Set_TyrePressure(0).UserDrag(300);
    w->Set_TyreCamber(2).UserDrag(10);
    EXPECT_EQ(P(1), 175);
    EXPECT_EQ(C(3), 45);

    w->Set_Asym(1).UserClick();
    const Calls pressure = CallsOf([&] { w->Set_TyrePressure(0).UserDrag(400); });
    EXPECT_EQ(P(1), 400);
    EXPECT_EQ(std::count(pressure.begin(), pressure.end(), "UpdateTyreAnalysis"), 2);

    // The camber copy runs no second steering calculation.
    EXPECT_EQ(CallsOf([&] { w->Set_TyreCamber(2).UserDrag(70); }), Calls{"CalcSteeringGeometry"});
    EXPECT_EQ(C(3), 70);

    // The copies are made whatever the flags.
    SetAutoRecalc(false);
    EXPECT_EQ(CallsOf([&] {
                  w->Set_TyrePressure(2).UserDrag(90);
                  w->Set_TyreCamber(0).UserDrag(20);
              }),
              Calls{});
    EXPECT_EQ(P(3), 90);
    EXPECT_EQ(C(1), 20);
}

class CompoundTest : public SettingHandlersTest {
protected:
    void SetUp() override {
        SettingHandlersTest::SetUp();
        // The lists as the vehicle's setting configuration fills them: every compound name.
        for (int list : {0, 2})
            for (const auto& c : vehicle::TyreCode().TyreCompounds)
                w->Set_TyreCompound(list).AddItem(c.Name);
    }
    uint8_t Compound(int wheel) const {
        return vehicle::TyreCode().WheelTyres[static_cast<std::size_t>(wheel)].CompoundIndex;
    }
};

TEST_F(CompoundTest, RearCompoundSetsRearWheelsAndRearTemperature) {
    const Calls got = CallsOf([&] { w->Set_TyreCompound(2).UserSelect(2); });  // "Slick R3"
    EXPECT_EQ(Compound(2), 2);
    EXPECT_EQ(Compound(3), 2);
    EXPECT_EQ(Compound(0), vehicle::kDefaultTyreCompound);
    EXPECT_EQ(Compound(1), vehicle::kDefaultTyreCompound);
    EXPECT_EQ(w->Live_TyreTemp(1).Value(), 100);  // the compound's optimum, deg C
    EXPECT_EQ(w->Live_TyreTemp(0).Value(), 60);
    // The temperature slider's handler first, then the compound's own recalculation.
    EXPECT_EQ(got, (Calls{"UpdateTyreAnalysis", "UpdateTyreAnalysis", "AnalyseLiveState",
                          "DrawGearingGraph"}));
}

TEST_F(CompoundTest, WhileSetupControlsAreConfiguredOnlyTheValuesAreSet) {
    core::GlobalChassisLab().SetupControlsBusy = core::VbTrue;
    EXPECT_EQ(CallsOf([&] { w->Set_TyreCompound(0).UserSelect(7); }), Calls{});  // "Knobbly"
    EXPECT_EQ(Compound(0), 7);
    EXPECT_EQ(Compound(1), 7);
    EXPECT_EQ(w->Live_TyreTemp(0).Value(), 40);
    core::GlobalChassisLab().SetupControlsBusy = core::VbFalse;

    SetLoading(true);  // the temperature handler does not test loading, the compound's does
    EXPECT_EQ(CallsOf([&] { w->Set_TyreCompound(0).UserSelect(0); }), Calls{"UpdateTyreAnalysis"});
    EXPECT_EQ(w->Live_TyreTemp(0).Value(), 70);
}

TEST_F(CompoundTest, TextMatchingNoCompoundSelectsTheFirst) {
    w->Set_TyreCompound(0).UserSelect(4);
    ASSERT_EQ(Compound(0), 4);
    w->Set_TyreCompound(0).SetStyle(platform::ComboStyle::DropdownCombo);
    w->Set_TyreCompound(0).UserType("Wet");
    ui::Set_TyreCompound_Click(*w, 0);
    EXPECT_EQ(Compound(0), 0);
    EXPECT_EQ(Compound(1), 0);
    EXPECT_EQ(w->Live_TyreTemp(0).Value(), vehicle::TyreCode().TyreCompounds[0].OptimumTemp);
}

TEST_F(SettingHandlersTest, PassengerChoiceRecomputesMassesUnlessTheLayoutIsRefilling) {
    EXPECT_EQ(CallsOf([&] { w->Set_Pass(2).UserSelect(1); }),
              (Calls{"CalcMassesAndCentreOfGravity", "AnalyseLiveState"}));
    core::GlobalChassisLab().VehicleLayoutBusy = core::VbTrue;
    EXPECT_EQ(CallsOf([&] { w->Set_Pass(2).UserSelect(2); }), Calls{});
    core::GlobalChassisLab().VehicleLayoutBusy = core::VbFalse;
    SetLoading(true);
    EXPECT_EQ(CallsOf([&] { w->Set_Pass(0).UserSelect(1); }), Calls{});
    SetLoading(false);
    SetAutoRecalc(false);
    EXPECT_EQ(CallsOf([&] { w->Set_Pass(0).UserSelect(2); }), Calls{});
}

class SoundTest : public SettingHandlersTest {
protected:
    void SetUp() override {
        SettingHandlersTest::SetUp();
        root = testsupport::MakeTemporaryFolder("chassislab-handlers");
        ASSERT_FALSE(root.empty());
        core::GlobalChassisLab().AppDir = root.string() + "/";
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        SettingHandlersTest::TearDown();
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(root / name, std::ios::binary) << bytes;
    }
    std::filesystem::path root;
};

TEST_F(SoundTest, BlowingAndReinflatingPlayTheirSoundsWhenTheFilesHoldOne) {
    Write("test1.wav", "RIFF....WAVE");
    Write("test2.wav", "RIFF....WAVE");
    w->Live_BlowTyres->UserClick();
    EXPECT_EQ(ui::SettingHandlers().TyresBlown, core::VbTrue);
    w->Live_BlowTyres->UserClick();
    EXPECT_EQ(ui::SettingHandlers().TyresBlown, core::VbFalse);
    const std::vector<std::string> expected{(root / "test1.wav").string(),
                                            (root / "test2.wav").string()};
    EXPECT_EQ(platform::SoundDouble().Requested(), expected);
    EXPECT_TRUE(calls.empty());

    // A missing or empty sound file plays nothing and says nothing; the tyres still change.
    std::filesystem::remove(root / "test1.wav");
    Write("test2.wav", "");
    w->Live_BlowTyres->UserClick();
    EXPECT_EQ(ui::SettingHandlers().TyresBlown, core::VbTrue);
    w->Live_BlowTyres->UserClick();
    EXPECT_EQ(ui::SettingHandlers().TyresBlown, core::VbFalse);
    EXPECT_EQ(platform::SoundDouble().Requested(), expected);
    EXPECT_EQ(platform::MessageDouble().Count(), 0u);

    std::string name = "test1.wav";
    ui::PlayWaveFile(name);
    EXPECT_EQ(name, (root / "test1.wav").string());  // the name comes back as the full path
}

TEST_F(SettingHandlersTest, RunButtonsRecalculateFirstOnlyWithAutomaticRecalculationOff) {
    EXPECT_EQ(CallsOf([&] { w->Analysis_AccCalc->UserClick(); }),
              Calls{"RunAccelerationAnalysis(10000)"});
    EXPECT_EQ(CallsOf([&] { w->Analysis_DecCalc->UserClick(); }), Calls{"RunDecelerationAnalysis"});
    SetAutoRecalc(false);
    SetSuppress(true);  // the buttons test nothing else
    EXPECT_EQ(CallsOf([&] { w->Analysis_AccCalc->UserClick(); }),
              (Calls{"RecalculateAll", "RunAccelerationAnalysis(10000)"}));
    EXPECT_EQ(CallsOf([&] { w->Analysis_DecCalc->UserClick(); }),
              (Calls{"RecalculateAll", "RunDecelerationAnalysis"}));
}

TEST_F(SettingHandlersTest, PrecisionSetsTheNextRunsStepWithoutRerunning) {
    auto& step = analysis::AccelerationCode().AccTimeStep;
    EXPECT_EQ(CallsOf([&] { w->Analysis_AccPrecision->UserSelect(1); }), Calls{});
    EXPECT_FLOAT_EQ(step, 0.002f);
    w->Analysis_AccPrecision->UserSelect(2);
    EXPECT_FLOAT_EQ(step, 0.0005f);
    EXPECT_EQ(CallsOf([&] { w->Analysis_AccCalc->UserClick(); }),
              Calls{"RunAccelerationAnalysis(500)"});
    w->Analysis_AccPrecision->SetListIndex(-1);  // no selection: the step stays
    ui::Analysis_AccPrecision_Click(*w);
    EXPECT_FLOAT_EQ(step, 0.0005f);
    w->Analysis_AccPrecision->UserSelect(0);
    EXPECT_FLOAT_EQ(step, 0.01f);
}

TEST_F(SettingHandlersTest, GraphSelectorsDoNotDrawWhileLoading) {
    auto selectAll = [&] {
        w->Analysis_AccGraphData(1).UserSelect(2);
        w->Analysis_DecGraphData(0).UserSelect(3);
        w->Analysis_SuspDampGraphCombo->UserSelect(1);
        w->Analysis_AeroGraphOption->UserSelect(1);
        w->Analysis_SteerToeDiagramMode->UserSelect(1);
        w->Analysis_SteerCamberDiagramMode->UserSelect(1);
    };
    SetLoading(true);
    EXPECT_EQ(CallsOf(selectAll), Calls{});
    // The modes are stored all the same.
    EXPECT_EQ(ui::SettingHandlers().AeroGraphMode, core::VbTrue);
    EXPECT_EQ(analysis::SteeringCode().ToeDiagramMode, 1);
    EXPECT_EQ(analysis::SteeringCode().CamberDiagramMode, 1);

    SetLoading(false);
    SetAutoRecalc(false);  // drawing is not recalculation
    SetSuppress(true);
    EXPECT_EQ(CallsOf(selectAll),
              (Calls{"DrawAccGraph(10000)", "DrawDecGraph", "DrawSuspResponseChart",
                     "DrawAeroSpeedChart", "PlotSteeringGeometry", "PlotSteeringGeometry"}));
}

TEST_F(SettingHandlersTest, DiagramModesFollowTheSelectorTexts) {
    w->Analysis_AeroGraphOption->SetText("Lift");
    w->Analysis_SteerToeDiagramMode->SetText("Full");
    EXPECT_EQ(ui::SettingHandlers().AeroGraphMode, core::VbTrue);
    EXPECT_EQ(analysis::SteeringCode().ToeDiagramMode, 1);
    w->Analysis_AeroGraphOption->SetText("Resistances");
    w->Analysis_SteerToeDiagramMode->SetText("Close Up");
    EXPECT_EQ(ui::SettingHandlers().AeroGraphMode, core::VbFalse);
    EXPECT_EQ(analysis::SteeringCode().ToeDiagramMode, 0);
}

TEST_F(SettingHandlersTest, TyrePageInputs) {
    EXPECT_EQ(CallsOf([&] { w->Analysis_TyreChoice->UserSelect(3); }),
              (Calls{"ShowTyreAnalysis", "DrawTyreDiagrams"}));
    SetAutoRecalc(false);
    EXPECT_EQ(CallsOf([&] { w->Analysis_TyreChoice->UserSelect(1); }), Calls{});
    // The zoom redraws whatever the flags, on a drag and on a step.
    SetLoading(true);
    EXPECT_EQ(CallsOf([&] {
                  auto& zoom = w->Analysis_TyresZoom(0);
                  zoom.UserStep(zoom.SmallChange());
                  zoom.UserDrag(zoom.Value() + 1);
              }),
              (Calls{"DrawTyreDiagrams", "DrawTyreDiagrams"}));
}

TEST_F(SettingHandlersTest, SearchBoxesAndToolButtonsRunUnguarded) {
    SetLoading(true);
    SetAutoRecalc(false);
    SetSuppress(true);
    w->Analysis_AccPrecision->UserSelect(1);
    EXPECT_EQ(CallsOf([&] {
                  w->Analysis_AccSearchInput(2).SetText("400");
                  w->Analysis_DecSearchInput(0).UserType("5");
                  w->Analysis_AccWatchRealtime->UserClick();
                  w->Analysis_GearingAutoSpace->UserClick();
                  w->Analysis_SuspMakeLevelRide->UserClick();
              }),
              (Calls{"SearchAccRun(2000)", "SearchDecRun", "ShowDragRaceWindow",
                     "ShowGearingAutoSpacer", "ShowMakeLevelRide"}));
}

TEST_F(SettingHandlersTest, InstallingAgainStartsFromAFreshState) {
    ui::SettingHandlers().TyresBlown = core::VbTrue;
    ui::InstallSettingHandlers(*w);
    EXPECT_EQ(ui::SettingHandlers().TyresBlown, core::VbFalse);
}

// The window's own routines behind every slider, on the design-time window with no vehicle:
// every handler runs to its end.
TEST_F(SettingSliderTest, WindowRoutinesRunBehindEverySlider) {
    ui::SettingHandlers().Routines = ui::DefaultSettingRoutines();
    for (const SliderCase& c : Cases()) Nudge(*c.slider);
    w->Set_TyreCompound(0).AddItem("Slick R1");
    w->Set_TyreCompound(0).UserSelect(0);
    w->Set_Pass(1).UserSelect(1);
    EXPECT_EQ(w->Live_TyreTemp(0).Value(), 70);
}

}  // namespace
