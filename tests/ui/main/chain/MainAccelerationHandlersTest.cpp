// The acceleration page of the main window: the calculate button runs the run with the
// window's traction-control box and shows the results; the search boxes search, and a
// corrected box searches once more.
#include "ui/main/chain/MainAccelerationHandlers.hpp"

#include <gtest/gtest.h>

#include "support/SampleVehicles.hpp"
#include "ui/main/MainTestSupport.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SettingHandlers.hpp"

namespace {

using analysis::AccelerationCode;

class MainAccelerationHandlersTest : public ui_test::MainWindowTest {
protected:
    void SetUp() override {
        ui_test::MainWindowTest::SetUp();
        sample::ResetAll();
        core::GlobalChassisLab().MainForm = w;
        sample::Prepare(sample::SampleCar());
        // The button runs the analysis alone; the recalculation it runs first with automatic
        // recalculation off is tested with the setting handlers.
        core::OptionsSettings().AutoRecalc = core::VbTrue;
    }
};

TEST_F(MainAccelerationHandlersTest, CalculateRunsAndShowsTheResults) {
    w->Set_TC->SetValue(1);
    w->Analysis_AccCalc->Click();
    EXPECT_EQ(analysis::LiveStateCode().AccTractionControl, core::VbTrue);
    EXPECT_EQ(AccelerationCode().AccTimeStep, 0.01f);
    EXPECT_EQ(w->Analysis_AccProgress->Max(), 7);
    EXPECT_EQ(w->Analysis_AccProgress->Value(), 7);
    ASSERT_TRUE(w->Analysis_AccLabel.Has(100));
    EXPECT_NE(w->Analysis_AccLabel(100).Caption(), "N/A");       // 0-15 m/s
    EXPECT_EQ(w->Analysis_AccLabel(6).Caption(), "0-15 m/s:");
    EXPECT_EQ(w->Analysis_AccLabel(11).ForeColor(), analysis::kAccTextBlack);
}

TEST_F(MainAccelerationHandlersTest, SearchBoxesSearchAndCorrectThemselvesOnce) {
    w->Analysis_AccCalc->Click();
    const float final = AccelerationCode().AccResults[analysis::AccRes::FinalSpeed];
    w->Analysis_AccSearchInput(2).SetText("100");
    w->Analysis_AccSearchInput(0).SetText("10");
    w->Analysis_AccSearchInput(1).SetText("30");
    EXPECT_NE(w->Analysis_AccLabel(133).Caption(), "");
    EXPECT_EQ(w->Analysis_AccLabel(133).Caption().back(), 's');
    // Far beyond the final speed: the box is rewritten with the final speed in the unit's
    // decimals, and the search then runs on it.
    w->Analysis_AccSearchInput(1).SetText("900");
    EXPECT_EQ(w->Analysis_AccSearchInput(1).Text(),
              core::UnitNumberText(core::Quantity::Speed, final));
    const float searched = AccelerationCode().AccResults[analysis::AccRes::SearchTime];
    EXPECT_GT(searched, 0.0f);
}

// Typing "25" into the "to" box with 10 in the "from" box: the partial "2" would be corrected
// to 10, yet it stays as typed; the search follows each keystroke that makes a number (a comma
// is the point), and a correction or a text that is no number waits for the commit.
TEST_F(MainAccelerationHandlersTest, TypedSearchSpeedIsCorrectedOnlyWhenCommitted) {
    w->Analysis_AccCalc->Click();
    const auto& R = AccelerationCode().AccResults;
    platform::TextBox& to = w->Analysis_AccSearchInput(1);
    w->Analysis_AccSearchInput(2).SetText("100");
    w->Analysis_AccSearchInput(0).SetText("10");
    to.SetText("20");
    const float t20 = R[analysis::AccRes::SearchTime];
    auto retype = [&](const std::string& text) {
        to.UserFocus();
        to.SetSelStart(0);
        to.SetSelLength(static_cast<int>(to.Text().size()));
        to.UserType(text);
    };

    retype("2");
    EXPECT_EQ(to.Text(), "2");
    EXPECT_EQ(R[analysis::AccRes::SearchTime], t20);  // nothing searched on 10 to 2
    to.UserType("5");
    EXPECT_EQ(to.Text(), "25");
    const float t25 = R[analysis::AccRes::SearchTime];
    EXPECT_GT(t25, t20);
    to.UserType(",5");
    EXPECT_GT(R[analysis::AccRes::SearchTime], t25);  // 25.5, not 25
    to.UserKey(platform::kKeyReturn);
    EXPECT_EQ(to.Text(), "25,5");

    retype("5");
    EXPECT_EQ(to.Text(), "5");
    to.UserKey(platform::kKeyReturn);
    EXPECT_EQ(to.Text(), "10");  // "from" above "to" is corrected at the commit

    retype("\b");
    retype("x");
    to.UserLeave();
    EXPECT_EQ(to.Text(), "10");  // no number: the number before the edit comes back
}

}  // namespace
