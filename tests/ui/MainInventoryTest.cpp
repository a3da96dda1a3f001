// The main window's control inventory: every control the other modules address by name and
// index exists, on the right page. The expected figures are the window's published inventory
// (label counts and index ranges per page, index lists of the other arrays), not read back
// from the layout code.
#include <algorithm>
#include <cctype>
#include <set>

#include "MainTestSupport.hpp"

namespace {

using platform::ControlKind;
using ui_test::IndexesOf;
using ui_test::Inside;
using ui_test::MainWindowTest;

std::vector<int> Range(int lo, int hi) {
    std::vector<int> v;
    for (int i = lo; i <= hi; ++i) v.push_back(i);
    return v;
}

TEST_F(MainWindowTest, LabelArraysHaveTheirCountWithinTheirRangeOnEachPage) {
    struct Expect {
        const char* name;
        const platform::Container* page;
        int count, lo, hi;
    };
    const Expect expected[] = {
        {"Analysis_PhysLabel", &w->AnalysisPage(0), 101, 0, 157},
        {"Analysis_DecLabel", &w->AnalysisPage(1), 38, 0, 119},
        {"Analysis_SuspLabel", &w->AnalysisPage(2), 103, 0, 184},
        {"Analysis_SuspLabel", &w->AnalysisPage(3), 34, 35, 188},
        {"Analysis_SteeringLabel", &w->AnalysisPage(4), 46, 0, 125},
        {"Analysis_TyreLabel", &w->AnalysisPage(6), 39, 0, 117},
        {"Analysis_AeroLabel", &w->AnalysisPage(7), 77, 1, 77},
        {"Analysis_AccLabel", &w->AnalysisPage(8), 74, 3, 136},
        {"Set_BrakeLabel", &w->SettingsPage(0), 13, 0, 104},
        {"Set_SuspLabel", &w->SettingsPage(1), 20, 0, 109},
        {"Set_SteerLabel", &w->SettingsPage(2), 14, 0, 105},
        {"Set_GearingLabel", &w->SettingsPage(3), 36, 0, 35},
        {"Set_TyreLabel", &w->SettingsPage(4), 11, 0, 10},
        {"Set_AeroLabel", &w->SettingsPage(5), 14, 0, 13},
        {"DataLabel", &w->DataPage(0), 44, 0, 84},
        {"DataLabel", &w->DataPage(1), 49, 100, 180},
        {"DataLabel", &w->DataPage(2), 64, 200, 292},
        {"DataLabel", &w->DataPage(3), 34, 300, 378},
        {"Set_LiveLabel", w->LiveSettings, 18, 0, 108},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        std::vector<int> idx = IndexesOf(*w, e.name, e.page);
        ASSERT_EQ(static_cast<int>(idx.size()), e.count);
        EXPECT_EQ(*std::min_element(idx.begin(), idx.end()), e.lo);
        EXPECT_EQ(*std::max_element(idx.begin(), idx.end()), e.hi);
        EXPECT_EQ(std::set<int>(idx.begin(), idx.end()).size(), idx.size()) << "duplicate index";
    }
    // The deceleration page carries one label of the acceleration array besides.
    EXPECT_EQ(IndexesOf(*w, "Analysis_AccLabel", &w->AnalysisPage(1)), std::vector<int>{1});
    // Nothing of these arrays strays onto other pages.
    EXPECT_EQ(IndexesOf(*w, "Analysis_SuspLabel").size(), 137u);
    EXPECT_EQ(IndexesOf(*w, "DataLabel").size(), 191u);
    EXPECT_EQ(IndexesOf(*w, "Analysis_AccLabel").size(), 75u);
    // The member arrays hold the same controls.
    EXPECT_EQ(w->DataLabel.Count(), 191);
    EXPECT_EQ(w->Analysis_SuspLabel.Count(), 137);
    EXPECT_EQ(w->Analysis_PhysLabel.Count(), 101);
}

TEST_F(MainWindowTest, LabelsWrittenByTheAnalysesExist) {
    // Index ranges the analyses write whole; a missing one would stop the program. (The
    // vehicle-dependent rows are reached by the layout tests.)
    struct Range {
        const platform::ControlArray<platform::Label>* array;
        int lo, hi;
    };
    const Range ranges[] = {{&w->Analysis_PhysLabel, 100, 157}, {&w->Analysis_DecLabel, 100, 119},
                            {&w->Analysis_TyreLabel, 100, 117}, {&w->GearingLabel, 0, 55}};
    for (const Range& r : ranges)
        for (int i = r.lo; i <= r.hi; ++i) EXPECT_TRUE(r.array->Has(i)) << i;
    EXPECT_EQ(w->GearingLabel.Count(), 56);
    for (int i : {38, 39}) EXPECT_TRUE(w->Analysis_AccLabel.Has(i));
    for (int i : {15, 16}) EXPECT_TRUE(w->Analysis_DecLabel.Has(i));
    EXPECT_TRUE(w->Analysis_TyreLabel.Has(5));
    for (int i : {100, 101, 102, 103, 104, 105, 106, 108}) EXPECT_TRUE(w->Set_LiveLabel.Has(i));
}

// The kinds of the controls are those of the window's typed members; what is checked here is
// that each is registered under its name with exactly its indexes, and on its page.
TEST_F(MainWindowTest, OtherControlArraysHaveExactlyTheirIndexes) {
    const std::pair<std::vector<int>, std::vector<const char*>> expected[] = {
        {Range(0, 1),
         {"Analysis_DecOptions", "Analysis_DecGraphData", "Analysis_DecGraph",
          "Analysis_SteeringDiagram", "Analysis_GearingGraph", "Analysis_TyreDrawing",
          "Analysis_TyresZoom", "Analysis_AeroForcesChart", "Analysis_AccGraphData",
          "Analysis_AccGraph", "Set_SuspSpringTravel", "Set_SuspSpringStiffness",
          "Set_SuspBumpDamp", "Set_SuspReboundDamp", "Set_SuspARBStiffness", "Set_SteerToe",
          "Set_SteerCaster", "Set_MiscConfig", "Set_ViewDiff", "Set_GearingDiffPowerLocking",
          "Set_GearingDiffCoastLocking", "Set_GearingDiffPreLoad", "Set_Asym",
          "Set_AeroWingAngle", "VehData_PassPosX", "VehData_PassPosY", "VehData_PassPosZ",
          "Live_TyreTemp", "MoveSettingsArea"}},
        {Range(0, 2),
         {"SubSection", "Analysis_DecSearchInput", "Analysis_SteerFrame", "Analysis_AccSearchInput",
          "DiffFrame", "NoDiffFrame", "Set_GearingDiffType", "Set_GearingViscousTorque",
          "Live_Frame"}},
        {Range(0, 3),
         {"MainSection", "DataPage", "MoveAnalysisArea", "Set_TyrePressure", "Set_TyreCamber",
          "Set_Pass", "VehData_NewAeroDevicePosY", "VehData_NewAeroDevicePosZ"}},
        {Range(0, 4), {"Analysis_SuspChart", "Analysis_DampBalance"}},
        {Range(0, 5), {"SettingsPage"}},
        {Range(0, 6), {"MainLabel", "Analysis_GearingFrame"}},
        {Range(0, 7),
         {"Analysis_PhysicalFrame", "GearingRevsPreShift", "GearingSpeed", "GearingReduction",
          "GearingCruisingRevs"}},
        {Range(0, 8), {"AnalysisPage", "AeroPanel", "Set_GearRatioText", "Set_GearRatioSlider"}},
        {Range(0, 14), {"Analysis_SuspFrame"}},
        {Range(0, 16), {"Set_SetupFrame"}},
        {Range(1, 3), {"VehData_NewAeroDeviceType"}},
        {Range(1, 6),
         {"GearingRevsPostShift", "GearingSpeedGained", "GearingRevsDropAbs", "GearingRevsDropRel"}},
        {{0}, {"LiveLabel"}},
        {{0, 2}, {"Set_TyreCompound"}},
        {{0, 2, 3, 4, 5, 6, 7}, {"Analysis_DecFrame"}},
        {{1, 2, 3, 4, 5, 8, 9}, {"Analysis_TyreFrame"}},
        {{0, 1, 2, 3, 4, 5, 6, 7, 10, 11}, {"Analysis_AccFrame"}},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 100, 101, 102}, {"VehDataFrame"}},
    };
    for (const auto& [indexes, names] : expected) {
        for (const char* name : names) {
            std::vector<int> idx = IndexesOf(*w, name);
            std::sort(idx.begin(), idx.end());
            EXPECT_EQ(idx, indexes) << name;
        }
    }
    for (const char* axle : {"VehData_NewRotMass", "VehData_NewTyreWidth", "VehData_NewTyreProfile",
                             "VehData_NewWheelSize", "VehData_NewRideHeight", "VehData_NewTrackWidth",
                             "VehData_NewCamber", "VehData_NewInclination", "VehData_NewWheelARBMR",
                             "VehData_NewWheelSpringMR", "VehData_NewUnsprung"}) {
        std::vector<int> idx = IndexesOf(*w, axle, &w->DataPage(2));
        std::sort(idx.begin(), idx.end());
        EXPECT_EQ(idx, Range(0, 1)) << axle;
    }
}

TEST_F(MainWindowTest, SingleControlsAreOnTheirPage) {
    const std::pair<const platform::Container*, std::vector<const char*>> expected[] = {
        {&w->MainSection(0),
         {"VehData_PhotoToggle", "Main_SelectPage", "Main_SelectVeh", "VehData_NewName",
          "Info_VehPic"}},
        {w->VehData_Modification, {"VehData_AddVeh", "VehData_Cancel"}},
        {&w->AnalysisPage(0), {"Analysis_PhysChart"}},
        {&w->AnalysisPage(1), {"Analysis_DecCalc", "Analysis_DecProgress"}},
        {&w->AnalysisPage(2),
         {"Analysis_SuspBalance", "Analysis_SuspMakeLevelRide", "Analysis_SuspVScroll"}},
        {&w->AnalysisPage(3), {"Analysis_DampChart", "Analysis_SuspDampGraphCombo"}},
        {&w->AnalysisPage(4), {"Analysis_SteerToeDiagramMode", "Analysis_SteerCamberDiagramMode"}},
        {&w->AnalysisPage(5), {"Analysis_GearingAutoSpace"}},
        {&w->AnalysisPage(6), {"Analysis_TyreChoice", "Analysis_TyreGripDrawing"}},
        {&w->AnalysisPage(7), {"Analysis_AeroGraphOption", "Analysis_AeroBalanceDiagram"}},
        {&w->AnalysisPage(8),
         {"Analysis_AccPrecision", "Analysis_AccCalc", "Analysis_AccWatchRealtime",
          "Analysis_AccProgress"}},
        {&w->SettingsPage(0),
         {"Set_TC", "Set_ABS", "Set_TCSlipRatio", "Set_TCSlipSpeed", "Set_EBR",
          "Set_BrakeMaxTorque", "Set_BrakeBalance"}},
        {&w->SettingsPage(2), {"Set_SteerAckermann", "Set_SteerLock"}},
        {&w->SettingsPage(3), {"Set_GearingTorqueSplitCentre"}},
        {&w->SettingsPage(4), {"Set_TyreBrand"}},
        {&w->SettingsPage(5), {"Set_HandicapIntake", "Set_HandicapMass", "Set_HandicapMassPos"}},
        {&w->DataPage(0), {"VehData_NewBodyMass", "VehData_NewRefPosZ", "VehData_MaxPass"}},
        {&w->DataPage(1),
         {"VehData_NewFuelType", "VehData_NewLimitRPM", "VehData_NewPWA", "VehData_DynoThrottle",
          "TorquePowerPlot", "VehData_NewDrivetrain", "VehData_NewNumGears", "VehData_NewRevGear",
          "VehData_NewThrustHeight", "VehData_DT_VScroll"}},
        {&w->DataPage(2), {"VehData_NewWheelbase", "VehData_Wh_VScroll"}},
        {&w->DataPage(3), {"VehData_NewFrontalArea", "VehData_NewCl"}},
        {w->LiveSettings, {"Live_SteeringAngle", "Live_FuelLoad", "Live_Brake", "Live_BlowTyres"}},
    };
    for (const auto& [page, names] : expected) {
        for (const char* name : names) {
            const platform::Control* c = w->Find(name);
            ASSERT_NE(c, nullptr) << name;
            EXPECT_TRUE(Inside(*c, page)) << name;
        }
    }
    // Pages sit in their areas.
    EXPECT_TRUE(Inside(w->DataPage(3), &w->SubSection(0)));
    EXPECT_TRUE(Inside(w->SettingsPage(5), &w->SubSection(1)));
    EXPECT_TRUE(Inside(*w->LiveSettings, &w->SubSection(2)));
    EXPECT_TRUE(Inside(w->SubSection(2), &w->MainSection(1)));
    EXPECT_TRUE(Inside(w->AnalysisPage(8), &w->MainSection(2)));
    EXPECT_TRUE(Inside(w->MainLabel(4), &w->MainSection(3)));
}

TEST_F(MainWindowTest, TabCaptionsNameTheirPagesInOrder) {
    const std::vector<std::string> dataTabs{"Physical", "Drive-train", "Wheels && Tyres",
                                            "Aerodynamics"};
    const std::vector<std::string> setTabs{"Brakes/TC", "Suspension", "Steering",
                                           "Gearing",   "Tyres",      "Downforce/Misc"};
    const std::vector<std::string> anaTabs{"Physical", "Deceleration", "Springs",
                                           "Damping",  "Steering",     "Drive-train",
                                           "Tyres",    "Aerodynamics", "Acceleration"};
    auto tabs = [](const platform::TabStrip& t) {
        std::vector<std::string> v;
        for (int i = 1; i <= t.TabCount(); ++i) v.push_back(t.TabCaption(i));
        return v;
    };
    EXPECT_EQ(tabs(*w->VehData_SelectPage), dataTabs);
    EXPECT_EQ(tabs(*w->Settings_SelectPage), setTabs);
    EXPECT_EQ(tabs(*w->Analysis_SelectPage), anaTabs);
}

TEST_F(MainWindowTest, CaptionsWriteAnAmpersandDoubled) {
    // A single "&" would be taken for a mnemonic mark and vanish from the caption.
    for (const auto& c : w->AllControls()) {
        std::string caption;
        if (c->Kind() == ControlKind::Label) caption = static_cast<const platform::Label&>(*c).Caption();
        if (c->Kind() == ControlKind::Frame) caption = static_cast<const platform::Frame&>(*c).Caption();
        for (std::size_t i = caption.find('&'); i != std::string::npos; i = caption.find('&', i + 2))
            EXPECT_EQ(caption.substr(i, 2), "&&") << c->DisplayName() << ": " << caption;
    }
}

TEST_F(MainWindowTest, DesignStateBeforeAnyVehicle) {
    // Hidden until asked for: the tools panel, the low-resolution panel, the editor's name box.
    EXPECT_FALSE(w->VehData_Modification->Visible());
    EXPECT_FALSE(w->TestControls->Visible());
    EXPECT_FALSE(w->VehData_NewName->Visible());
    EXPECT_FALSE(w->MainLabel(6).Visible());
    EXPECT_TRUE(w->MainLabel(5).Visible());
    // The analysis area is in front of its cover.
    EXPECT_EQ(ui_test::FrontMost(*w, "MainSection"), &w->MainSection(2));
    // Tab linking on, and its menu entry checked, with the five menus in order.
    EXPECT_TRUE(w->TabLinking);
    EXPECT_TRUE(w->OptionsTabLinking->Checked());
    std::vector<std::string> menus;
    for (const auto& m : w->MenuBar()) menus.push_back(m->Caption());
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Options", "&Tools", "&Help", "&Links"}));
    // No slider's starting value lies outside its range.
    for (const auto& c : w->AllControls())
        if (c->Kind() == ControlKind::Slider)
            EXPECT_EQ(static_cast<const platform::Slider&>(*c).ClampCount(), 0) << c->DisplayName();
}

TEST_F(MainWindowTest, EveryControlIsRegisteredUnderAPlainName) {
    // Modules find controls by name: a name is an identifier, and an index is -1 or not below 0.
    for (const auto& c : w->AllControls()) {
        const std::string& n = c->Name();
        ASSERT_FALSE(n.empty());
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(n[0])) || n[0] == '_') << n;
        for (char ch : n) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(ch)) || ch == '_') << n;
        EXPECT_GE(c->Index(), -1) << n;
        EXPECT_EQ(w->Find(n, c->Index()), c.get()) << c->DisplayName() << " registered twice";
    }
}

TEST_F(MainWindowTest, MainWindowIsOneInstanceUntilReset) {
    EXPECT_EQ(&ui::MainWindow(), w);
    ui::ResetMainWindow();
    EXPECT_EQ(core::GlobalChassisLab().MainForm, nullptr);
    ui::Main& again = ui::MainWindow();
    EXPECT_EQ(core::GlobalChassisLab().MainForm, &again);
}

}  // namespace
