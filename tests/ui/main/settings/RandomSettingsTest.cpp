// A person trying every setting and live control in any order, on each shipped sample car:
// whatever the values, no caption shows a number that is not finite, no message box appears,
// and the analyses keep answering.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "analysis/PhysicalCode.hpp"
#include "platform/Controls.hpp"
#include "support/StartedProgram.hpp"

namespace {

class RandomSettingsTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
    }
};

bool OnSettingOrLivePage(const platform::Control& c) {
    const std::string& n = c.Name();
    return n.rfind("Set_", 0) == 0 || n.rfind("Live_", 0) == 0;
}

void ExpectFiniteCaptions(const ui::Main& w) {
    for (const auto& c : w.AllControls()) {
        if (c->Kind() != platform::ControlKind::Label) continue;
        const std::string& text = static_cast<const platform::Label&>(*c).Caption();
        EXPECT_EQ(text.find("NaN"), std::string::npos) << c->DisplayName() << ": " << text;
        // "Infinite" is a real caption (an open centre differential's split); "Inf" is not.
        for (auto at = text.find("Inf"); at != std::string::npos; at = text.find("Inf", at + 1))
            EXPECT_EQ(text.compare(at, 8, "Infinite"), 0) << c->DisplayName() << ": " << text;
    }
}

TEST_F(RandomSettingsTest, AnyOrderOfSettingChangesKeepsEveryFigureFinite) {
    ui::Main& w = Start();
    std::vector<platform::Slider*> sliders;
    std::vector<platform::ComboBox*> combos;
    std::vector<platform::CheckBox*> checks;
    for (const auto& c : w.AllControls()) {
        if (!OnSettingOrLivePage(*c)) continue;
        if (c->Kind() == platform::ControlKind::Slider)
            sliders.push_back(static_cast<platform::Slider*>(c.get()));
        if (c->Kind() == platform::ControlKind::ComboBox)
            combos.push_back(static_cast<platform::ComboBox*>(c.get()));
        if (c->Kind() == platform::ControlKind::CheckBox)
            checks.push_back(static_cast<platform::CheckBox*>(c.get()));
    }
    ASSERT_GT(sliders.size(), 30u);

    std::mt19937 rng(2026);
    for (int car = 0; car < w.Main_SelectVeh->ListCount(); ++car) {
        w.Main_SelectVeh->UserSelect(car);
        for (int move = 0; move < 150; ++move) {
            const int kind = static_cast<int>(rng() % 10);
            if (kind < 7) {
                platform::Slider& s = *sliders[rng() % sliders.size()];
                std::uniform_int_distribution<int32_t> value(s.Min(), s.Max());
                s.UserClickAt(value(rng));
            } else if (kind < 9) {
                platform::ComboBox& c = *combos[rng() % combos.size()];
                if (c.ListCount() > 0) c.UserSelect(static_cast<int>(rng() % c.ListCount()));
            } else {
                checks[rng() % checks.size()]->UserClick();
            }
        }
        SCOPED_TRACE(w.Main_SelectVeh->Text());
        ExpectFiniteCaptions(w);
        EXPECT_TRUE(std::isfinite(analysis::PhysicalCode().TotalMass));
    }
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
}

}  // namespace
