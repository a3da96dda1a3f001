// The deceleration page on the main window: the calculate button runs and fills the labels
// and the progress bar; typing in a search box searches, a corrected box searches once more.
#include <gtest/gtest.h>

#include "analysis/DecelerationTestVehicle.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"

namespace {

using analysis::DecelerationCode;

class DecelerationPage : public ::testing::Test {
protected:
    void SetUp() override {
        ui::ResetMainWindow();
        dectest::SetUpVehicle();
        w = &ui::MainWindow();
        // The button runs the analysis alone; the recalculation it runs first with automatic
        // recalculation off is tested with the setting handlers.
        core::OptionsSettings().AutoRecalc = core::VbTrue;
        w->Analysis_DecOptions(0).SetValue(1);
        w->Analysis_DecOptions(1).SetValue(0);
    }
    void TearDown() override { ui::ResetMainWindow(); }
    std::string Label(int i) const { return w->Analysis_DecLabel(i).Caption(); }

    ui::Main* w = nullptr;
};

TEST_F(DecelerationPage, CalculateRunsAndShowsTheResults) {
    w->Analysis_DecCalc->UserClick();
    const auto& s = DecelerationCode();
    EXPECT_EQ(s.DecTimeStep, 0.005f);
    EXPECT_GT(s.DecLastStep, 100);
    EXPECT_EQ(w->Analysis_DecProgress->Max(), 600);
    EXPECT_EQ(w->Analysis_DecProgress->Value(), 600);
    EXPECT_NE(Label(102), "N/A");
    EXPECT_EQ(Label(110), "N/A");  // 75 m/s: above the top speed
    EXPECT_EQ(Label(113).substr(Label(113).size() - 2), " m");
}

TEST_F(DecelerationPage, BrakeSlidersGiveTorquesAndTexts) {
    w->Set_BrakeMaxTorque->SetValue(1200);
    w->Set_BrakeBalance->SetValue(70);
    ui::SetBrakeTorques(*w);
    EXPECT_FLOAT_EQ(DecelerationCode().BrakeTorques[0], 840.0f);
    EXPECT_FLOAT_EQ(DecelerationCode().BrakeTorques[3], 360.0f);
    EXPECT_EQ(w->Set_BrakeLabel(100).Caption(), "1200 Nm");
    EXPECT_EQ(w->Set_BrakeLabel(101).Caption(), "70%");
    EXPECT_EQ(Label(100), "840 Nm");
    EXPECT_EQ(Label(101), "360 Nm");
    EXPECT_EQ(Label(115), "2.33 : 1");
}

TEST_F(DecelerationPage, SearchBoxCorrectionSearchesOnceMore) {
    core::SelectUnitByName(core::Quantity::Speed, "Kilometres per hour");
    w->Analysis_DecCalc->UserClick();
    w->Analysis_DecSearchInput(1).SetText("0");
    w->Analysis_DecSearchInput(2).SetText("0");
    w->Analysis_DecLabel(116).SetCaption("");
    // Beyond the start speed: the box is set to the start speed, and that text searches.
    w->Analysis_DecSearchInput(0).SetText("400");
    EXPECT_EQ(w->Analysis_DecSearchInput(0).Text(), "198");
    // From the start speed itself to standstill: the whole run.
    const auto& run = DecelerationCode();
    EXPECT_EQ(Label(116),
              core::SingleText(core::RoundToDecimals(run.DecTimeStep * run.DecLastStep, 3)) + "s");
    w->Analysis_DecSearchInput(0).SetText("100");
    const float t100 = DecelerationCode().DecResults[analysis::DecRes::SearchTime];
    EXPECT_GT(t100, 2.0f);
    EXPECT_EQ(Label(116), core::SingleText(core::RoundToDecimals(t100, 3)) + "s");
    EXPECT_NE(Label(119), "");
    // A below B: box 1 takes box 0's text and the search runs with equal speeds.
    w->Analysis_DecSearchInput(1).SetText("150");
    EXPECT_EQ(w->Analysis_DecSearchInput(1).Text(), "100");
    EXPECT_EQ(Label(116), "0s");
}

// Typing "100" into the "from" box with 50 in the "to" box: the partial "1" and "10" are below
// it, yet the "to" box is not overwritten while the person types; "100,5" reads 100.5.
TEST_F(DecelerationPage, TypedSearchSpeedCorrectsNoBoxWhileTyping) {
    core::SelectUnitByName(core::Quantity::Speed, "Kilometres per hour");  // starts at 198
    w->Analysis_DecCalc->UserClick();
    const auto& R = DecelerationCode().DecResults;
    platform::TextBox& from = w->Analysis_DecSearchInput(0);
    w->Analysis_DecSearchInput(2).SetText("0");
    from.SetText("60");
    w->Analysis_DecSearchInput(1).SetText("50");
    from.UserFocus();
    from.SetSelStart(0);
    from.SetSelLength(2);
    from.UserType("10");
    EXPECT_EQ(w->Analysis_DecSearchInput(1).Text(), "50");
    from.UserType("0");
    const float t100 = R[analysis::DecRes::SearchTime];
    EXPECT_GT(t100, 0.0f);
    from.UserType(",5");
    EXPECT_GT(R[analysis::DecRes::SearchTime], t100);
    from.SetSelStart(0);
    from.SetSelLength(static_cast<int>(from.Text().size()));
    from.UserType("4");
    from.UserLeave();
    EXPECT_EQ(w->Analysis_DecSearchInput(1).Text(), "4");  // corrected once committed
}

}  // namespace
