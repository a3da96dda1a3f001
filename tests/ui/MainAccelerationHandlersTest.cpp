// The acceleration page of the main window: the calculate button runs the run with the
// window's traction-control box and shows the results; the search boxes search, and a
// corrected box searches once more.
#include "ui/main/MainAccelerationHandlers.hpp"

#include <gtest/gtest.h>

#include "support/SampleVehicles.hpp"
#include "MainTestSupport.hpp"
#include "platform/Controls.hpp"
#include "ui/main/Main.hpp"
#include "ui/main/SettingHandlers.hpp"

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
    // Far beyond the final speed: the box is rewritten with the final speed and the search
    // then runs on it.
    w->Analysis_AccSearchInput(1).SetText("900");
    EXPECT_NEAR(core::Val(w->Analysis_AccSearchInput(1).Text()), final, final * 1e-6);
    const float searched = AccelerationCode().AccResults[analysis::AccRes::SearchTime];
    EXPECT_GT(searched, 0.0f);
}

}  // namespace
