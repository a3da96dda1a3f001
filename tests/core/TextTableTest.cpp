// Built-in texts: the exact wording that readers compare selector texts with, and the
// selector fills built from them.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"

namespace {

class TextTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::InitDefaultTexts();
    }
    void TearDown() override { core::GlobalChassisLab() = core::GlobalChassisLabState{}; }
    const core::TextTableState& T() { return core::TextTable(); }
    const core::SelectorFill& FillOf(const std::string& control) {
        const auto& fills = T().SelectorFills;
        const auto at = std::find_if(fills.begin(), fills.end(),
                                     [&](const core::SelectorFill& f) { return f.Control == control; });
        EXPECT_NE(at, fills.end()) << control;
        static const core::SelectorFill kNone;
        return at == fills.end() ? kNone : *at;
    }
};

// Readers compare selector texts with these words, so the selectors must hold them exactly.
TEST_F(TextTableTest, SelectorsHoldTheTextsReadersCompare) {
    const auto& seat = FillOf("Set_Pass(2)");
    ASSERT_EQ(seat.Items.size(), 3u);
    EXPECT_EQ(seat.Items[1], T().OccupantTypeNames[1]);
    EXPECT_EQ(seat.Items[1], "Male");
    EXPECT_EQ(seat.FirstChoice, -1);
    EXPECT_EQ(T().AccGraphDataNames[FillOf("Analysis_AccGraphData(0)").FirstChoice], "Force");
    const auto& centre = FillOf("Set_GearingDiffType(2)");
    EXPECT_EQ(centre.Items, (std::vector<std::string>{"Open", "Viscous"}));
    EXPECT_EQ(centre.FirstChoice, 1);
}

TEST_F(TextTableTest, ProgramFoldersEndWithASlash) {
    const auto& g = core::GlobalChassisLab();
    ASSERT_FALSE(g.AppDir.empty());
    EXPECT_EQ(g.AppDir.back(), '/');
    EXPECT_EQ(g.AppDir, core::ExecutableFolder());
    EXPECT_EQ(g.VehiclesDir, g.AppDir + "vehicles/");
    EXPECT_EQ(g.SetupsDir, g.AppDir + "setups/");
    EXPECT_EQ(g.VehicleCount, 0);
}

}  // namespace
