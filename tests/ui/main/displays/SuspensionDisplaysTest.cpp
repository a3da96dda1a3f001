// The suspension captions on the started program's window: every value label of the springs
// and damping pages and every suspension setting label filled with a finite figure for the
// shipped sample car, and a setting label following its slider.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/displays/SuspensionDisplays.hpp"

namespace {

class SuspensionDisplaysTest : public testsupport::StartedProgram {};

// A label showing a number: a finite leading figure, no "NaN" or "Inf".
void ExpectFiniteFigure(const std::string& text, int index) {
    EXPECT_TRUE(text.find_first_of("0123456789") != std::string::npos &&
                std::isfinite(core::Val(text)) && text.find("NaN") == std::string::npos &&
                text.find("Inf") == std::string::npos)
        << index << ": \"" << text << "\"";
}

TEST_F(SuspensionDisplaysTest, SampleCarCaptionsAreFinite) {
    CopyShippedData();
    ui::Main& w = Start();
    ui::UpdateSuspensionAnalysis(w);
    for (int i = 100; i <= 188; ++i) {
        const std::string& text = w.Analysis_SuspLabel(i).Caption();
        if (i >= 168 && i <= 174) {  // the springs frame's unit suffixes
            EXPECT_FALSE(text.empty()) << i;
            continue;
        }
        // The damped frequencies and the rebound:bump ratios may read "N/A" by design.
        if (((i >= 175 && i <= 182) || i >= 185) && text == core::kNotApplicableText) continue;
        ExpectFiniteFigure(text, i);
    }
    for (int i = 148; i <= 155; ++i) {
        const auto colour = w.Analysis_SuspLabel(i).ForeColor();
        EXPECT_TRUE(colour == 0x000000 || colour == 0x0000FF) << i;
    }
    for (int i = 100; i <= 109; ++i) ExpectFiniteFigure(w.Set_SuspLabel(i).Caption(), i);

    // The rear spring moved by the person: slider x 100 N/m in the selected stiffness unit.
    core::OptionsSettings().AutoRecalc = core::VbTrue;
    auto& slider = w.Set_SuspSpringStiffness(1);
    const int value = slider.Value() == slider.Min() ? slider.Value() + 1 : slider.Value() - 1;
    slider.UserDrag(value);
    ui::ShowSuspensionAnalysis(w);
    EXPECT_EQ(w.Set_SuspLabel(101).Caption(),
              core::UnitValueText(core::Quantity::Stiffness, value * 100.0));
}

}  // namespace
