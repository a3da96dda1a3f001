// The suspension captions on the started program's window: every value label of the springs
// and damping pages and every suspension setting label filled with a finite figure for the
// shipped sample car, and the setting labels following their sliders.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/SuspensionDisplays.hpp"

namespace {

class SuspensionDisplaysTest : public testsupport::StartedProgram {};

// A label showing a number: not empty, no "NaN"/"Inf", and a finite leading number.
void ExpectFiniteFigure(const std::string& text, const char* array, int index) {
    SCOPED_TRACE(std::string(array) + "(" + std::to_string(index) + ") = \"" + text + "\"");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find("NaN"), std::string::npos);
    EXPECT_EQ(text.find("Inf"), std::string::npos);
    EXPECT_TRUE(std::isfinite(core::Val(text)));
    EXPECT_NE(text.find_first_of("0123456789"), std::string::npos);
}

TEST_F(SuspensionDisplaysTest, SampleCarCaptionsAreFilledWithFiniteFigures) {
    CopyShippedData();
    ui::Main& w = Start();
    ui::UpdateSuspensionAnalysis(w);

    for (int i = 100; i <= 188; ++i) {
        // 168..174 hold the springs frame's unit suffixes; the damped frequencies and the
        // rebound:bump ratio may read "N/A" by design.
        if (i >= 168 && i <= 174) {
            EXPECT_FALSE(w.Analysis_SuspLabel(i).Caption().empty()) << i;
            continue;
        }
        const std::string& text = w.Analysis_SuspLabel(i).Caption();
        if ((i >= 175 && i <= 182) || i >= 185) {
            if (text == core::kNotApplicableText) continue;
        }
        ExpectFiniteFigure(text, "Analysis_SuspLabel", i);
    }
    for (int i = 148; i <= 155; ++i) {
        const auto colour = w.Analysis_SuspLabel(i).ForeColor();
        EXPECT_TRUE(colour == 0x000000 || colour == 0x0000FF) << i;
    }
    for (int i = 100; i <= 109; ++i)
        ExpectFiniteFigure(w.Set_SuspLabel(i).Caption(), "Set_SuspLabel", i);
}

TEST_F(SuspensionDisplaysTest, SettingLabelsFollowTheirSliders) {
    CopyShippedData();
    ui::Main& w = Start();
    core::OptionsSettings().AutoRecalc = core::VbTrue;
    // Rear spring stiffness: slider x 100 N/m, shown in the selected stiffness unit.
    auto& slider = w.Set_SuspSpringStiffness(1);
    const int value = slider.Value() == slider.Min() ? slider.Value() + 1 : slider.Value() - 1;
    slider.UserDrag(value);
    ui::ShowSuspensionAnalysis(w);
    EXPECT_EQ(w.Set_SuspLabel(101).Caption(),
              core::UnitValueText(core::Quantity::Stiffness, value * 100.0));
}

}  // namespace
