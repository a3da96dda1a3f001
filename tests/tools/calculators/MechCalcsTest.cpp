// The mechanical calculators window: opening, the two views, results in the display units,
// refused inputs (red box, results unchanged) and the stack lists following each other.
#include <gtest/gtest.h>

#include "tools/ToolWindowTestSupport.hpp"
#include "platform/Controls.hpp"
#include "ui/tools/calculators/DiscBrakeCalc.hpp"
#include "ui/tools/ToolLayout.hpp"

namespace {

using core::Quantity;
using ui::toolkit::kBoxInvalid;
using ui::toolkit::kBoxValid;

class MechCalcsTest : public tools_test::ToolWindowTest {
protected:
    ui::MechCalcs& Open() {
        ui::ShowMechCalcs();
        return *ui::PeekMechCalcs();
    }
};

TEST_F(MechCalcsTest, OpeningCalculatesEverySpringFrameInTheSpringView) {
    tools_test::UseUnit(Quantity::DistanceSmall, " mm");
    auto& w = Open();
    for (int i = 0; i <= 3; ++i) EXPECT_TRUE(w.MechCalc(i).Visible()) << i;
    EXPECT_FALSE(w.MechCalc(4).Visible());
    // Stiffness in N/mm (one decimal): 62011.7 N/m shows 62.
    EXPECT_EQ(w.LeafCalcLabel(100).Caption(), "62 N/mm");
    EXPECT_EQ(w.CoilCalcLabel(101).Caption(), "83 mm");
    EXPECT_EQ(w.CoilCalcLabel(103).Caption(), "178.2 N/mm");
    EXPECT_EQ(w.ARBCalcLabel(102).Caption(), "156.6 N/mm");
    EXPECT_EQ(w.ARBCalcLabel(101).Caption(), "4 kNm/rad");  // 4034.8 N m/rad: G J / Lb, polar J
    // The bias bar is off with one master cylinder; the stack list is built for 7 discs.
    for (int box : {3, 4, 5}) EXPECT_FALSE(w.DiscBrakeInput(box).Enabled()) << box;
    EXPECT_EQ(w.BellevilleCalcLabel(100).Caption(), "15");
    EXPECT_EQ(w.BellevilleCalcLabel(102).Caption(), "3500 N/mm");  // 7 x 500 N/mm
}

TEST_F(MechCalcsTest, TheSelectorSwitchesView) {
    auto& w = Open();
    const int springWidth = w.Width();
    w.SelectMechCalc->UserSelect(1);
    for (int i = 0; i <= 3; ++i) EXPECT_FALSE(w.MechCalc(i).Visible()) << i;
    EXPECT_TRUE(w.MechCalc(4).Visible());
    w.SelectMechCalc->UserSelect(0);
    EXPECT_EQ(w.Width(), springWidth);
    EXPECT_TRUE(w.MechCalc(0).Visible());
}

TEST_F(MechCalcsTest, AFailedBoxTurnsRedAndKeepsTheResults) {
    auto& w = Open();
    const std::string rate = w.CoilCalcLabel(103).Caption();
    w.CoilSpringInput(2).SetText("1.99");  // fewer than 2 coils
    EXPECT_EQ(w.CoilSpringInput(2).BackColor(), kBoxInvalid);
    EXPECT_EQ(w.CoilSpringInput(0).BackColor(), kBoxValid);
    EXPECT_EQ(w.CoilCalcLabel(103).Caption(), rate);
    w.CoilSpringInput(0).SetText("");  // reads 0: fails too
    EXPECT_EQ(w.CoilSpringInput(0).BackColor(), kBoxInvalid);
    w.CoilSpringInput(0).SetText("0.145");
    w.CoilSpringInput(2).SetText("3");
    EXPECT_EQ(w.CoilSpringInput(2).BackColor(), kBoxValid);
    EXPECT_NE(w.CoilCalcLabel(102).Caption(), "");
    EXPECT_EQ(w.CoilCalcLabel(103).Caption(), rate);  // coils do not change the rate
    // Travel does: 0.145 - 3 x 0.014 = 0.103 m.
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "0.1 m");
}

TEST_F(MechCalcsTest, ALeafCountOutsideAByteIsRefused) {
    auto& w = Open();
    const std::string rate = w.LeafCalcLabel(100).Caption();
    for (const char* bad : {"1", "256"}) {
        w.LeafSpringInput(3).SetText(bad);
        EXPECT_EQ(w.LeafSpringInput(3).BackColor(), kBoxInvalid) << bad;
        EXPECT_EQ(w.LeafCalcLabel(100).Caption(), rate) << bad;
    }
    w.LeafSpringInput(3).SetText("12");
    EXPECT_EQ(w.LeafSpringInput(3).BackColor(), kBoxValid);
    EXPECT_EQ(w.LeafCalcLabel(100).Caption(), "124 N/mm");  // twice six leaves
    w.SelectLeafType->UserSelect(2);
    EXPECT_EQ(w.LeafCalcLabel(100).Caption(), "7.8 N/mm");  // quarter-elliptic: 2 x 3875.7
}

TEST_F(MechCalcsTest, SolidBarDisablesTheWallAndRecalculates) {
    auto& w = Open();
    w.SelectARBType->UserSelect(1);
    EXPECT_FALSE(w.ARBInput(3).Enabled());
    EXPECT_EQ(w.ARBInput(3).Text(), "0.0032");
    EXPECT_EQ(w.ARBCalcLabel(102).Caption(), "245.9 N/mm");
    EXPECT_EQ(w.ARBCalcLabel(100).Caption(), "0 m");
    w.SelectARBType->UserSelect(0);
    EXPECT_TRUE(w.ARBInput(3).Enabled());
    EXPECT_EQ(w.ARBCalcLabel(102).Caption(), "156.6 N/mm");
    // A wall thicker than the bar is refused: red box, no negative hole or stiffness.
    w.ARBInput(3).SetText("0.2");
    EXPECT_EQ(w.ARBInput(3).BackColor(), kBoxInvalid);
    EXPECT_EQ(w.ARBCalcLabel(100).Caption(), "0.02 m");
    EXPECT_EQ(w.ARBCalcLabel(101).Caption(), "4 kNm/rad");
}

TEST_F(MechCalcsTest, DiscBrakesWithOneAndTwoMasterCylinders) {
    tools_test::UseUnit(Quantity::Pressure, " bar");
    auto& w = Open();
    w.SelectMechCalc->UserSelect(1);
    EXPECT_EQ(w.DiscCalcLabel(106).Caption(), "67.54 bar");   // front alone with one cylinder
    EXPECT_EQ(w.DiscCalcLabel(108).Caption(), "534 / 213 Nm");
    EXPECT_EQ(w.DiscCalcLabel(110).Caption(), "71.5%");
    w.DiscMasterCylinders->UserSelect(1);
    for (int box : {3, 4, 5}) EXPECT_TRUE(w.DiscBrakeInput(box).Enabled()) << box;
    EXPECT_EQ(w.DiscCalcLabel(106).Caption(), "34.89 / 32.64 bar");
    EXPECT_EQ(w.DiscCalcLabel(108).Caption(), "552 / 206 Nm");
}

// Bore areas pi Dm^2 / 4 = 3.1416 cm^2; calipers 4 x pi 3.5^2 / 4 = 38.485 cm^2 and
// 2 x pi 3.2^2 / 4 = 16.085 cm^2. Each unit's own decimals would show most of them as 0.
TEST_F(MechCalcsTest, BrakeAreasKeepFourFiguresInEveryAreaUnit) {
    const struct {
        const char* unit;
        const char* master;
        const char* calipers;
    } rows[] = {{" m\u00B2", "0.0003142 m\u00B2", "0.003848 / 0.001608 m\u00B2"},
                {" cm\u00B2", "3.142 cm\u00B2", "38.48 / 16.08 cm\u00B2"},
                {" mm\u00B2", "314.2 mm\u00B2", "3848 / 1608 mm\u00B2"},
                {" in\u00B2", "0.4869 in\u00B2", "5.965 / 2.493 in\u00B2"},
                {" ft\u00B2", "0.003382 ft\u00B2", "0.04142 / 0.01731 ft\u00B2"}};
    for (const auto& row : rows) {
        tools_test::UseUnit(Quantity::Area, row.unit);
        auto& w = Open();
        EXPECT_EQ(w.DiscCalcLabel(102).Caption(), row.master);
        EXPECT_EQ(w.DiscCalcLabel(103).Caption(), row.calipers);
        w.Unload();
    }
}

TEST_F(MechCalcsTest, BrakeInputsThatCannotBeShownAreRefusedOrShownAsNA) {
    auto& w = Open();
    w.SelectMechCalc->UserSelect(1);
    w.DiscMasterCylinders->UserSelect(1);
    const std::string torque = w.DiscCalcLabel(108).Caption();
    // 31 turns of 1.25 mm move the pivot beyond the end of the 75 mm bar.
    w.DiscBrakeInput(tools::BrakeBox::BiasOffset).SetText("31");
    EXPECT_EQ(w.DiscBrakeInput(tools::BrakeBox::BiasOffset).BackColor(), kBoxInvalid);
    EXPECT_EQ(w.DiscCalcLabel(108).Caption(), torque);
    w.DiscBrakeInput(tools::BrakeBox::BiasOffset).SetText("1");
    EXPECT_EQ(w.DiscBrakeInput(tools::BrakeBox::BiasOffset).BackColor(), kBoxValid);
    // Both pad radii 0: no torque, and no balance to show.
    w.DiscBrakeInput(tools::BrakeBox::FrontDisc).SetText("0.07");
    w.DiscBrakeInput(tools::BrakeBox::RearDisc).SetText("0.064");
    EXPECT_EQ(w.DiscCalcLabel(108).Caption(), "0 / 0 Nm");
    EXPECT_EQ(w.DiscCalcLabel(110).Caption(), "N/A");
}

TEST_F(MechCalcsTest, StackListsFollowEachOther) {
    auto& w = Open();
    w.SelectBellevilleStackNum->UserSelect(9);  // 10 discs
    EXPECT_EQ(w.BellevilleCalcLabel(100).Caption(), "42");
    EXPECT_EQ(w.SelectBellevilleStackStiffness->Text(), "10");
    EXPECT_EQ(w.SelectBellevilleStackStiffness->List(0), "0.1");  // sorted ascending
    // 0.4 is listed twice (4-4-1-1 and 2-2-2-2-2); choosing it finds the first arrangement.
    const int item = w.SelectBellevilleStackStiffness->FindItem("0.4");
    ASSERT_GE(item, 0);
    EXPECT_EQ(w.SelectBellevilleStackStiffness->List(item + 1), "0.4");
    w.SelectBellevilleStackStiffness->UserSelect(item);
    EXPECT_EQ(w.SelectBellevilleStackConfig->Text(), "4-4-1-1");
    EXPECT_EQ(w.BellevilleCalcLabel(101).Caption(), ">>>><<<<><");
    EXPECT_EQ(w.BellevilleCalcLabel(102).Caption(), "200 N/mm");
    // Choosing an arrangement moves the multiplier list to its rounded multiplier.
    w.SelectBellevilleStackConfig->UserSelect(w.SelectBellevilleStackConfig->FindItem("3-3-3-1"));
    EXPECT_EQ(w.SelectBellevilleStackStiffness->Text(), "0.5");
    // Editing one disc's stiffness updates the chosen arrangement at once.
    w.BellevilleStackSingleStiffness->SetText("100");
    EXPECT_EQ(w.BellevilleCalcLabel(102).Caption(), "50 N/mm");
}

TEST_F(MechCalcsTest, ClosingDiscardsTheInputs) {
    auto& w = Open();
    w.CoilSpringInput(0).SetText("0.2");
    w.Unload();
    auto& again = Open();
    EXPECT_EQ(again.CoilSpringInput(0).Text(), "0.145");
}

}  // namespace
