// The main window's controls as a whole: the labels the analyses write exist, captions keep
// their ampersands, the state before any vehicle, and every control registered once by name.
#include "ui/main/MainTestSupport.hpp"

namespace {

using platform::ControlKind;
using ui_test::MainWindowTest;

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

TEST_F(MainWindowTest, AnalysisTabsAreInTheOrderTabLinkingCountsOn) {
    std::vector<std::string> tabs;
    for (int i = 1; i <= w->Analysis_SelectPage->TabCount(); ++i)
        tabs.push_back(w->Analysis_SelectPage->TabCaption(i));
    EXPECT_EQ(tabs, (std::vector<std::string>{"Physical", "Deceleration", "Springs", "Damping",
                                              "Steering", "Drive-train", "Tyres", "Aerodynamics",
                                              "Acceleration"}));
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

TEST_F(MainWindowTest, EveryControlIsRegisteredOnce) {
    // Modules find controls by name and index: each must be found as itself, once.
    for (const auto& c : w->AllControls()) {
        ASSERT_FALSE(c->Name().empty());
        EXPECT_GE(c->Index(), -1) << c->Name();
        EXPECT_EQ(w->Find(c->Name(), c->Index()), c.get()) << c->DisplayName() << " registered twice";
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
