// Navigation of the main window: page selector, tab strips, tab linking with the wing rule,
// the low-resolution area moves and the springs-page scrolling.
#include "ui/main/MainTestSupport.hpp"

namespace {

using ui_test::FrontMost;
using ui_test::MainWindowTest;

class MainNavigationTest : public MainWindowTest {
protected:
    const platform::Control* ShownSubSection() { return FrontMost(w->MainSection(1), "SubSection"); }
    const platform::Control* ShownAnalysisPage() { return FrontMost(w->MainSection(2), "AnalysisPage"); }
    const platform::Control* ShownSettingsPage() { return FrontMost(w->SubSection(1), "SettingsPage"); }
    void SetWings(int32_t rear, int32_t front) {
        core::GlobalChassisLab().CurrentVehicle.AeroElements[2].DeviceType = rear;
        core::GlobalChassisLab().CurrentVehicle.AeroElements[3].DeviceType = front;
    }
};

TEST_F(MainNavigationTest, PageSelectorShowsTheNamedPageAndOnlyForAnExactName) {
    w->Main_SelectPage->SetText("Live Settings");
    EXPECT_EQ(ShownSubSection(), &w->SubSection(2));
    w->Main_SelectPage->UserSelect(0);
    EXPECT_EQ(ShownSubSection(), &w->SubSection(0));
    w->Main_SelectPage->SetText("Live Settings");
    // An editable selector lets any text through to the handler; only exact names count.
    w->Main_SelectPage->SetStyle(platform::ComboStyle::DropdownCombo);
    for (const char* text : {"live settings", "Live Settings ", "", "Vehicle"}) {
        w->Main_SelectPage->UserType(text);
        w->Main_SelectPage_Click();
        EXPECT_EQ(ShownSubSection(), &w->SubSection(2)) << '"' << text << '"';
    }
}

TEST_F(MainNavigationTest, EachTabShowsItsPage) {
    for (int tab = 1; tab <= 4; ++tab) {
        w->VehData_SelectPage->UserSelect(tab);
        EXPECT_EQ(FrontMost(w->SubSection(0), "DataPage"), &w->DataPage(tab - 1)) << tab;
    }
    for (int tab = 1; tab <= 9; ++tab) {
        w->Analysis_SelectPage->UserSelect(tab);
        EXPECT_EQ(ShownAnalysisPage(), &w->AnalysisPage(tab - 1)) << tab;
    }
    w->OptionsTabLinking->UserClick();  // linking off: only the settings page changes
    for (int tab = 1; tab <= 6; ++tab) {
        w->Settings_SelectPage->UserSelect(tab);
        EXPECT_EQ(ShownSettingsPage(), &w->SettingsPage(tab - 1)) << tab;
    }
}

TEST_F(MainNavigationTest, TabLinkingSelectsTheMatchingAnalysisTab) {
    ASSERT_TRUE(w->TabLinking);
    const int linked[] = {0, 2, 3, 5, 6, 7};  // settings tabs 1..5 -> analysis tab
    for (int tab = 1; tab <= 5; ++tab) {
        w->Analysis_SelectPage->UserSelect(9);
        w->Settings_SelectPage->UserSelect(tab);
        EXPECT_EQ(w->Analysis_SelectPage->SelectedTab(), linked[tab]) << tab;
        EXPECT_EQ(ShownAnalysisPage(), &w->AnalysisPage(linked[tab] - 1)) << tab;
    }
}

TEST_F(MainNavigationTest, DownforceTabLinksToAeroOnlyWithAWing) {
    struct Case {
        int32_t rear, front, undertray;
        int tab;
    };
    const Case cases[] = {{0, 0, 0, 1}, {2, 0, 0, 8}, {0, 1, 0, 8}, {0, 0, 3, 1}};  // undertray: no wing
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rear << " " << c.front << " " << c.undertray);
        SetWings(c.rear, c.front);
        core::GlobalChassisLab().CurrentVehicle.AeroElements[1].DeviceType = c.undertray;
        w->Settings_SelectPage->UserSelect(6);
        EXPECT_EQ(w->Analysis_SelectPage->SelectedTab(), c.tab);
        EXPECT_EQ(ShownAnalysisPage(), &w->AnalysisPage(c.tab - 1));
    }
    // Device numbers whose 32-bit sum would wrap to 0 still mean two wings.
    SetWings(INT32_MIN, INT32_MIN);
    EXPECT_EQ(ui::Main::LinkedAnalysisTab(6), 8);
    EXPECT_EQ(ui::Main::LinkedAnalysisTab(7), 0);
}

TEST_F(MainNavigationTest, WithTabLinkingOffTheAnalysisTabStaysAndTheMenuEntryDecides) {
    w->Analysis_SelectPage->UserSelect(4);
    w->OptionsTabLinking->UserClick();
    EXPECT_FALSE(w->TabLinking);
    EXPECT_FALSE(w->OptionsTabLinking->Checked());
    SetWings(1, 1);
    for (int tab = 1; tab <= 6; ++tab) {
        w->Settings_SelectPage->UserSelect(tab);
        EXPECT_EQ(ShownAnalysisPage(), &w->AnalysisPage(3)) << tab;
    }
    // Back on, the entry decides: a flag changed behind its back is put right by the click.
    w->TabLinking = true;
    w->OptionsTabLinking->UserClick();
    EXPECT_TRUE(w->TabLinking);
    EXPECT_TRUE(w->OptionsTabLinking->Checked());
    w->Settings_SelectPage->UserSelect(2);
    EXPECT_EQ(w->Analysis_SelectPage->SelectedTab(), 3);
}

TEST_F(MainNavigationTest, AreaMovesThereAndBackWithOneButtonOfEachPairShown) {
    w->TestControls->SetVisible(true);  // the low-resolution panel, as its option shows it
    auto& settings = w->MainSection(1);
    auto& analysis = w->MainSection(2);
    const int sx = settings.Left(), sy = settings.Top();
    const int ax = analysis.Left(), ay = analysis.Top();
    auto pairsExclusive = [&] {
        EXPECT_NE(w->MoveSettingsArea(0).Visible(), w->MoveSettingsArea(1).Visible());
        EXPECT_NE(w->MoveAnalysisArea(0).Visible(), w->MoveAnalysisArea(1).Visible());
        EXPECT_NE(w->MoveAnalysisArea(2).Visible(), w->MoveAnalysisArea(3).Visible());
    };

    w->MoveAnalysisArea(0).UserClick();
    w->MoveAnalysisArea(2).UserClick();
    w->MoveSettingsArea(0).UserClick();
    EXPECT_EQ(analysis.Left(), ax - 204);
    EXPECT_EQ(analysis.Top(), ay - 148);
    EXPECT_EQ(settings.Left(), sx - 204);
    EXPECT_FALSE(w->MoveAnalysisArea(0).Visible());
    pairsExclusive();
    w->MoveAnalysisArea(1).UserClick();
    w->MoveAnalysisArea(3).UserClick();
    w->MoveSettingsArea(1).UserClick();
    EXPECT_EQ(analysis.Left(), ax);
    EXPECT_EQ(analysis.Top(), ay);
    EXPECT_EQ(settings.Left(), sx);
    EXPECT_EQ(settings.Top(), sy);
    EXPECT_TRUE(w->MoveAnalysisArea(0).Visible());
    pairsExclusive();
    // A hidden button cannot be pressed, so the area cannot run off by repeated presses.
    w->MoveSettingsArea(1).UserClick();
    EXPECT_EQ(settings.Left(), sx);

    // The offset is read at each press.
    core::OptionsSettings().AreaOffsetX = 100;
    w->MoveAnalysisArea(0).UserClick();
    EXPECT_EQ(analysis.Left(), ax - 100);
    core::OptionsSettings().AreaOffsetX = 150;
    w->MoveAnalysisArea(1).UserClick();
    EXPECT_EQ(analysis.Left(), ax + 50);
}

TEST_F(MainNavigationTest, SpringsScrollMovesTheListedControlsAndReturns) {
    std::vector<platform::Control*> listed{&w->Analysis_SuspFrame(13)};
    for (int i = 0; i <= 6; ++i) listed.push_back(&w->Analysis_SuspFrame(i));
    for (int i = 0; i <= 4; ++i) listed.push_back(&w->Analysis_SuspChart(i));
    std::vector<std::pair<int, int>> design;  // Left, Top
    for (const auto* c : listed) design.emplace_back(c->Left(), c->Top());
    const int scrollTop = w->Analysis_SuspVScroll->Top();
    const int dampTop = w->Analysis_SuspFrame(7).Top();
    auto expectShiftedBy = [&](int dy) {
        for (std::size_t k = 0; k < listed.size(); ++k) {
            EXPECT_EQ(listed[k]->Left(), design[k].first) << listed[k]->DisplayName();
            EXPECT_EQ(listed[k]->Top(), design[k].second - dy) << listed[k]->DisplayName();
        }
        // The bar and the damping page stay.
        EXPECT_EQ(w->Analysis_SuspVScroll->Top(), scrollTop);
        EXPECT_EQ(w->Analysis_SuspFrame(7).Top(), dampTop);
    };
    w->Analysis_SuspVScroll->SetValue(420);  // code write: Change runs the scroll handling
    expectShiftedBy(420);
    w->Analysis_SuspVScroll->UserDrag(150);  // a drag moves the page while the thumb moves
    expectShiftedBy(150);
}

TEST_F(MainNavigationTest, NavigationRecomputesNothing) {
    // Page and tab changes leave every caption as it was: write a marker into value labels and
    // check they survive a round of navigation.
    w->Analysis_PhysLabel(101).SetCaption("marker");
    w->Set_BrakeLabel(100).SetCaption("marker");
    w->Settings_SelectPage->UserSelect(1);
    w->Analysis_SelectPage->UserSelect(1);
    w->Main_SelectPage->SetText("Vehicle Data");
    w->Analysis_SuspVScroll->SetValue(50);
    EXPECT_EQ(w->Analysis_PhysLabel(101).Caption(), "marker");
    EXPECT_EQ(w->Set_BrakeLabel(100).Caption(), "marker");
}

}  // namespace
