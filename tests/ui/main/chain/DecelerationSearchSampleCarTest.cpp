// The deceleration search on the shipped Golf, typed as a person types: a "from" speed beyond
// the start speed is corrected to the start speed, and the corrected box searches the whole
// run. The Golf starts at 69.85 m/s, a Single just below it, which the box shows rounded up:
// "69.9" m/s, "156.3" mph. Read back, that text once counted as beyond the run again, the box
// was set to the same text, no search ran, and the labels kept the figures of the partial
// text typed before it.
#include <gtest/gtest.h>

#include <string>

#include "analysis/DecelerationCode.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

class DecelerationSearchSampleCar : public testsupport::StartedProgram {};

TEST_F(DecelerationSearchSampleCar, FromSpeedBeyondTheStartSearchesTheWholeRun) {
    CopyShippedData();
    ui::Main& w = Start();
    ASSERT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentVehicle.Name), "VW Golf GTI Mk7");
    struct Case {
        int preset;         // 0 SI (m/s), 2 imperial (mph)
        const char* typed;  // "9" and then "99": the partial text searches first
        const char* shown;  // the corrected box
    };
    for (const Case& c : {Case{0, "99", "69.9"}, Case{2, "999", "156.3"}}) {
        ui::ShowOptionsPanel();
        ui::OptionsPanelWindow().SetUnits(c.preset).UserClick();
        ui::OptionsPanelWindow().Unload();
        w.Analysis_DecCalc->UserClick();
        platform::TextBox& from = w.Analysis_DecSearchInput(0);
        w.Analysis_DecSearchInput(1).SetText("0");
        w.Analysis_DecSearchInput(2).SetText("0");
        from.UserFocus();
        from.SetSelStart(0);
        from.SetSelLength(static_cast<int>(from.Text().size()));
        from.UserType(c.typed);
        from.UserKey(platform::kKeyReturn);
        EXPECT_EQ(from.Text(), c.shown);

        // The whole run, from its first row to standstill, as the summary gives it.
        const auto& run = analysis::DecelerationCode();
        const float time = run.DecResults[analysis::DecRes::TimeFromTopSpeed];
        const float distance = run.DecResults[analysis::DecRes::StoppingDistance];
        EXPECT_NEAR(time, 7.655f, 0.001f);  // brakes on: 1531 steps of 5 ms
        EXPECT_EQ(w.Analysis_DecLabel(116).Caption(),
                  core::RoundedText(time, 3) + "s") << c.typed;
        EXPECT_EQ(w.Analysis_DecLabel(117).Caption(),
                  core::UnitValueText(core::Quantity::DistanceLarge, distance)) << c.typed;
        if (c.preset == 0) EXPECT_EQ(w.Analysis_DecLabel(117).Caption(), "263.48 m");
    }
}

}  // namespace
