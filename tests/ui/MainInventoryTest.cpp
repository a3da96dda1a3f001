// The main window's control inventory: every control the other modules address by name and
// index exists, of the right kind, on the right page, with its fixed caption. The expected
// figures are the window's published inventory (label counts and index ranges per page,
// index lists of the other arrays), not read back from the layout code.
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

TEST_F(MainWindowTest, OtherControlArraysHaveExactlyTheirIndexes) {
    struct Expect {
        const char* name;
        std::vector<int> indexes;
        ControlKind kind;
    };
    const Expect expected[] = {
        {"MainSection", Range(0, 3), ControlKind::Frame},
        {"SubSection", Range(0, 2), ControlKind::Frame},
        {"DataPage", Range(0, 3), ControlKind::Frame},
        {"SettingsPage", Range(0, 5), ControlKind::Frame},
        {"AnalysisPage", Range(0, 8), ControlKind::Frame},
        {"MainLabel", Range(0, 6), ControlKind::Label},
        {"LiveLabel", {0}, ControlKind::Label},
        {"MoveSettingsArea", Range(0, 1), ControlKind::CommandButton},
        {"MoveAnalysisArea", Range(0, 3), ControlKind::CommandButton},
        {"Analysis_PhysicalFrame", Range(0, 7), ControlKind::Frame},
        {"Analysis_DecFrame", {0, 2, 3, 4, 5, 6, 7}, ControlKind::Frame},
        {"Analysis_DecOptions", Range(0, 1), ControlKind::CheckBox},
        {"Analysis_DecSearchInput", Range(0, 2), ControlKind::TextBox},
        {"Analysis_DecGraphData", Range(0, 1), ControlKind::ComboBox},
        {"Analysis_DecGraph", Range(0, 1), ControlKind::PictureBox},
        {"Analysis_SuspFrame", Range(0, 14), ControlKind::Frame},
        {"Analysis_SuspChart", Range(0, 4), ControlKind::PictureBox},
        {"Analysis_DampBalance", Range(0, 4), ControlKind::PictureBox},
        {"Analysis_SteerFrame", Range(0, 2), ControlKind::Frame},
        {"Analysis_SteeringDiagram", Range(0, 1), ControlKind::PictureBox},
        {"Analysis_GearingGraph", Range(0, 1), ControlKind::PictureBox},
        {"Analysis_GearingFrame", Range(0, 6), ControlKind::Frame},
        {"GearingRevsPreShift", Range(0, 7), ControlKind::Label},
        {"GearingRevsPostShift", Range(1, 6), ControlKind::Label},
        {"GearingSpeed", Range(0, 7), ControlKind::Label},
        {"GearingSpeedGained", Range(1, 6), ControlKind::Label},
        {"GearingRevsDropAbs", Range(1, 6), ControlKind::Label},
        {"GearingRevsDropRel", Range(1, 6), ControlKind::Label},
        {"GearingReduction", Range(0, 7), ControlKind::Label},
        {"GearingCruisingRevs", Range(0, 7), ControlKind::Label},
        {"Analysis_TyreFrame", {1, 2, 3, 4, 5, 8, 9}, ControlKind::Frame},
        {"Analysis_TyreDrawing", Range(0, 1), ControlKind::PictureBox},
        {"Analysis_TyresZoom", Range(0, 1), ControlKind::ScrollBar},
        {"AeroPanel", Range(0, 8), ControlKind::Frame},
        {"Analysis_AeroForcesChart", Range(0, 1), ControlKind::PictureBox},
        {"Analysis_AccFrame", {0, 1, 2, 3, 4, 5, 6, 7, 10, 11}, ControlKind::Frame},
        {"Analysis_AccSearchInput", Range(0, 2), ControlKind::TextBox},
        {"Analysis_AccGraphData", Range(0, 1), ControlKind::ComboBox},
        {"Analysis_AccGraph", Range(0, 1), ControlKind::PictureBox},
        {"Set_SetupFrame", Range(0, 16), ControlKind::Frame},
        {"Set_SuspSpringTravel", Range(0, 1), ControlKind::Slider},
        {"Set_SuspSpringStiffness", Range(0, 1), ControlKind::Slider},
        {"Set_SuspBumpDamp", Range(0, 1), ControlKind::Slider},
        {"Set_SuspReboundDamp", Range(0, 1), ControlKind::Slider},
        {"Set_SuspARBStiffness", Range(0, 1), ControlKind::Slider},
        {"Set_SteerToe", Range(0, 1), ControlKind::Slider},
        {"Set_SteerCaster", Range(0, 1), ControlKind::Slider},
        {"Set_MiscConfig", Range(0, 1), ControlKind::OptionButton},
        {"DiffFrame", Range(0, 2), ControlKind::Frame},
        {"NoDiffFrame", Range(0, 2), ControlKind::Frame},
        {"Set_ViewDiff", Range(0, 1), ControlKind::OptionButton},
        {"Set_GearingDiffType", Range(0, 2), ControlKind::ComboBox},
        {"Set_GearingDiffPowerLocking", Range(0, 1), ControlKind::Slider},
        {"Set_GearingDiffCoastLocking", Range(0, 1), ControlKind::Slider},
        {"Set_GearingViscousTorque", Range(0, 2), ControlKind::Slider},
        {"Set_GearingDiffPreLoad", Range(0, 1), ControlKind::Slider},
        {"Set_GearRatioText", Range(0, 8), ControlKind::TextBox},
        {"Set_GearRatioSlider", Range(0, 8), ControlKind::Slider},
        {"Set_Asym", Range(0, 1), ControlKind::OptionButton},
        {"Set_TyreCompound", {0, 2}, ControlKind::ComboBox},
        {"Set_TyrePressure", Range(0, 3), ControlKind::Slider},
        {"Set_TyreCamber", Range(0, 3), ControlKind::Slider},
        {"Set_AeroWingAngle", Range(0, 1), ControlKind::Slider},
        {"Set_Pass", Range(0, 3), ControlKind::ComboBox},
        {"VehDataFrame", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 100, 101, 102},
         ControlKind::Frame},
        {"VehData_PassPosX", Range(0, 1), ControlKind::TextBox},
        {"VehData_PassPosY", Range(0, 1), ControlKind::TextBox},
        {"VehData_PassPosZ", Range(0, 1), ControlKind::TextBox},
        {"VehData_NewAeroDeviceType", Range(1, 3), ControlKind::ComboBox},
        {"VehData_NewAeroDevicePosY", Range(0, 3), ControlKind::TextBox},
        {"VehData_NewAeroDevicePosZ", Range(0, 3), ControlKind::TextBox},
        {"Live_Frame", Range(0, 2), ControlKind::Frame},
        {"Live_TyreTemp", Range(0, 1), ControlKind::Slider},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        std::vector<int> idx = IndexesOf(*w, e.name);
        std::sort(idx.begin(), idx.end());
        EXPECT_EQ(idx, e.indexes);
        for (int i : e.indexes) {
            const platform::Control* c = w->Find(e.name, i);
            ASSERT_NE(c, nullptr) << i;
            EXPECT_EQ(c->Kind(), e.kind) << i;
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

TEST_F(MainWindowTest, SingleControlsAreOfTheirKindOnTheirPage) {
    struct Expect {
        const char* name;
        ControlKind kind;
        const platform::Container* page;
    };
    const Expect expected[] = {
        {"VehData_PhotoToggle", ControlKind::CommandButton, &w->MainSection(0)},
        {"Main_SelectPage", ControlKind::ComboBox, &w->MainSection(0)},
        {"Main_SelectVeh", ControlKind::ComboBox, &w->MainSection(0)},
        {"VehData_NewName", ControlKind::TextBox, &w->MainSection(0)},
        {"Info_VehPic", ControlKind::Image, &w->MainSection(0)},
        {"VehData_AddVeh", ControlKind::CommandButton, w->VehData_Modification},
        {"VehData_Cancel", ControlKind::CommandButton, w->VehData_Modification},
        {"Analysis_PhysChart", ControlKind::PictureBox, &w->AnalysisPage(0)},
        {"Analysis_DecCalc", ControlKind::CommandButton, &w->AnalysisPage(1)},
        {"Analysis_DecProgress", ControlKind::ProgressBar, &w->AnalysisPage(1)},
        {"Analysis_SuspBalance", ControlKind::PictureBox, &w->AnalysisPage(2)},
        {"Analysis_SuspMakeLevelRide", ControlKind::CommandButton, &w->AnalysisPage(2)},
        {"Analysis_SuspVScroll", ControlKind::ScrollBar, &w->AnalysisPage(2)},
        {"Analysis_DampChart", ControlKind::PictureBox, &w->AnalysisPage(3)},
        {"Analysis_SuspDampGraphCombo", ControlKind::ComboBox, &w->AnalysisPage(3)},
        {"Analysis_SteerToeDiagramMode", ControlKind::ComboBox, &w->AnalysisPage(4)},
        {"Analysis_SteerCamberDiagramMode", ControlKind::ComboBox, &w->AnalysisPage(4)},
        {"Analysis_GearingAutoSpace", ControlKind::CommandButton, &w->AnalysisPage(5)},
        {"Analysis_TyreChoice", ControlKind::ComboBox, &w->AnalysisPage(6)},
        {"Analysis_TyreGripDrawing", ControlKind::PictureBox, &w->AnalysisPage(6)},
        {"Analysis_AeroGraphOption", ControlKind::ComboBox, &w->AnalysisPage(7)},
        {"Analysis_AeroBalanceDiagram", ControlKind::PictureBox, &w->AnalysisPage(7)},
        {"Analysis_AccPrecision", ControlKind::ComboBox, &w->AnalysisPage(8)},
        {"Analysis_AccCalc", ControlKind::CommandButton, &w->AnalysisPage(8)},
        {"Analysis_AccWatchRealtime", ControlKind::CommandButton, &w->AnalysisPage(8)},
        {"Analysis_AccProgress", ControlKind::ProgressBar, &w->AnalysisPage(8)},
        {"Set_TC", ControlKind::CheckBox, &w->SettingsPage(0)},
        {"Set_ABS", ControlKind::CheckBox, &w->SettingsPage(0)},
        {"Set_TCSlipRatio", ControlKind::Slider, &w->SettingsPage(0)},
        {"Set_TCSlipSpeed", ControlKind::Slider, &w->SettingsPage(0)},
        {"Set_EBR", ControlKind::Slider, &w->SettingsPage(0)},
        {"Set_BrakeMaxTorque", ControlKind::Slider, &w->SettingsPage(0)},
        {"Set_BrakeBalance", ControlKind::Slider, &w->SettingsPage(0)},
        {"Set_SteerAckermann", ControlKind::Slider, &w->SettingsPage(2)},
        {"Set_SteerLock", ControlKind::Slider, &w->SettingsPage(2)},
        {"Set_GearingTorqueSplitCentre", ControlKind::Slider, &w->SettingsPage(3)},
        {"Set_TyreBrand", ControlKind::ComboBox, &w->SettingsPage(4)},
        {"Set_HandicapIntake", ControlKind::Slider, &w->SettingsPage(5)},
        {"Set_HandicapMass", ControlKind::Slider, &w->SettingsPage(5)},
        {"Set_HandicapMassPos", ControlKind::Slider, &w->SettingsPage(5)},
        {"VehData_NewBodyMass", ControlKind::TextBox, &w->DataPage(0)},
        {"VehData_NewRefPosZ", ControlKind::TextBox, &w->DataPage(0)},
        {"VehData_MaxPass", ControlKind::ComboBox, &w->DataPage(0)},
        {"VehData_NewFuelType", ControlKind::ComboBox, &w->DataPage(1)},
        {"VehData_NewLimitRPM", ControlKind::TextBox, &w->DataPage(1)},
        {"VehData_NewPWA", ControlKind::Slider, &w->DataPage(1)},
        {"VehData_DynoThrottle", ControlKind::Slider, &w->DataPage(1)},
        {"TorquePowerPlot", ControlKind::PictureBox, &w->DataPage(1)},
        {"VehData_NewDrivetrain", ControlKind::ComboBox, &w->DataPage(1)},
        {"VehData_NewNumGears", ControlKind::ComboBox, &w->DataPage(1)},
        {"VehData_NewRevGear", ControlKind::CheckBox, &w->DataPage(1)},
        {"VehData_NewThrustHeight", ControlKind::TextBox, &w->DataPage(1)},
        {"VehData_DT_VScroll", ControlKind::ScrollBar, &w->DataPage(1)},
        {"VehData_NewWheelbase", ControlKind::TextBox, &w->DataPage(2)},
        {"VehData_Wh_VScroll", ControlKind::ScrollBar, &w->DataPage(2)},
        {"VehData_NewFrontalArea", ControlKind::TextBox, &w->DataPage(3)},
        {"VehData_NewCl", ControlKind::TextBox, &w->DataPage(3)},
        {"Live_SteeringAngle", ControlKind::Slider, w->LiveSettings},
        {"Live_FuelLoad", ControlKind::Slider, w->LiveSettings},
        {"Live_Brake", ControlKind::Slider, w->LiveSettings},
        {"Live_BlowTyres", ControlKind::CheckBox, w->LiveSettings},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        const platform::Control* c = w->Find(e.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Kind(), e.kind);
        EXPECT_TRUE(Inside(*c, e.page));
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
