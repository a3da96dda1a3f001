// The aerodynamic captions and the gear table on the started program's window: every value
// label filled with a finite figure for the shipped sample car at speed, the aero balance
// coloured, and the table's rows beyond the car's gears written too; no balance at standstill.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/displays/AeroGearingDisplays.hpp"
#include "ui/main/chain/AnalysisChain.hpp"

namespace {

class AeroGearingDisplaysTest : public testsupport::StartedProgram {};

// A label showing a number: not empty, no "NaN"/"Inf", and a finite leading number.
void ExpectFiniteFigure(const std::string& text, const char* array, int index) {
    SCOPED_TRACE(std::string(array) + "(" + std::to_string(index) + ") = \"" + text + "\"");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find("NaN"), std::string::npos);
    EXPECT_EQ(text.find("Inf"), std::string::npos);
    EXPECT_TRUE(std::isfinite(core::Val(text)));
    EXPECT_NE(text.find_first_of("0123456789"), std::string::npos);
}

TEST_F(AeroGearingDisplaysTest, SampleCarCaptionsAreFilledWithFiniteFigures) {
    CopyShippedData();
    ui::Main& w = Start();
    w.Live_Speed->SetValue(30);
    ui::AnalyseLiveStateAll(w);
    ui::ShowAeroAnalysis(w);
    ui::ShowGearingTable(w);

    EXPECT_EQ(w.Set_LiveLabel(104).Caption(), "30 m/s");
    ExpectFiniteFigure(w.Set_AeroLabel(2).Caption(), "Set_AeroLabel", 2);
    ExpectFiniteFigure(w.Set_AeroLabel(3).Caption(), "Set_AeroLabel", 3);
    const int totals[] = {10, 11, 12, 13, 14, 15, 16, 17, 22, 23, 24, 25, 29, 30, 31, 77, 73, 75};
    for (int i : totals)
        ExpectFiniteFigure(w.Analysis_AeroLabel(i).Caption(), "Analysis_AeroLabel", i);
    // Per element: an element the car does not have has no drag, and so no ratio.
    for (int first : {37, 47, 57, 67}) {
        for (int i = first; i < first + 5; ++i) {
            const std::string& text = w.Analysis_AeroLabel(i).Caption();
            if (i == first + 4 && text == core::kNotApplicableText) continue;
            ExpectFiniteFigure(text, "Analysis_AeroLabel", i);
        }
    }
    const auto colour = w.Analysis_AeroLabel(25).ForeColor();
    EXPECT_TRUE(colour == 0xFF0000 || colour == 0x0000FF || colour == 0x00A000) << colour;

    // Every row of the gear table, also those beyond the car's gears.
    for (auto* column : {&w.GearingRevsPreShift, &w.GearingSpeed, &w.GearingReduction,
                         &w.GearingCruisingRevs, &w.GearingRevsPostShift, &w.GearingRevsDropAbs,
                         &w.GearingRevsDropRel, &w.GearingSpeedGained})
        column->ForEach([](int g, platform::Label& label) {
            ExpectFiniteFigure(label.Caption(), label.Name().c_str(), g);
        });
    ExpectFiniteFigure(w.GearingLabel(1).Caption(), "GearingLabel", 1);
    EXPECT_NE(w.GearingRevsPreShift(1).Caption().find(" rad/s"), std::string::npos);

    // Standing still there is no aero load: no balance, in black, with its tool tip.
    w.Live_Speed->SetValue(0);
    ui::AnalyseLiveStateAll(w);
    ui::ShowAeroAnalysis(w);
    auto& balance = w.Analysis_AeroLabel(25);
    EXPECT_EQ(balance.Caption(), "N/A");
    EXPECT_EQ(balance.ToolTipText(), "N/A");
    EXPECT_EQ(balance.ForeColor(), 0x000000u);
}

}  // namespace
