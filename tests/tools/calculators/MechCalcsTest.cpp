// The mechanical calculators window: opening, the two views, results in the display units,
// refused inputs (red box, results unchanged) and the stack lists following each other.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tools/ToolWindowTestSupport.hpp"
#include "platform/Controls.hpp"
#include "ui/options/OptionsPanel.hpp"
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

// 20 coils of 0.02 m wire close up to 0.4 m, four times a free length of 0.1 m.
// Out-of-range texts (a count of coils no spring has, "1D30" metres of wire) are refused too.
TEST_F(MechCalcsTest, ImpossibleSpringsAreRedAndKeepTheirFigures) {
    auto& w = Open();
    const std::string travel = w.CoilCalcLabel(102).Caption();
    const std::string rate = w.LeafCalcLabel(100).Caption();
    ASSERT_EQ(travel, "0.07 m");
    const struct {
        platform::TextBox& box;
        const char* text;
    } edits[] = {{w.CoilSpringInput(2), "20"}, {w.CoilSpringInput(3), "0.02"},
                 {w.CoilSpringInput(0), "0.1"}};
    for (const auto& e : edits) e.box.SetText(e.text);
    for (int box : {0, 2, 3}) EXPECT_EQ(w.CoilSpringInput(box).BackColor(), kBoxInvalid) << box;
    EXPECT_EQ(w.CoilSpringInput(1).BackColor(), kBoxValid);
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), travel);
    w.CoilSpringInput(2).SetText("4");  // 0.08 m solid: 0.02 m of travel
    for (int box : {0, 2, 3}) EXPECT_EQ(w.CoilSpringInput(box).BackColor(), kBoxValid) << box;
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "0.02 m");
    for (const char* coils : {"99999999999", "1D30"}) {
        w.CoilSpringInput(2).SetText(coils);
        EXPECT_EQ(w.CoilSpringInput(2).BackColor(), kBoxInvalid) << coils;
        EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "0.02 m") << coils;
    }
    for (const char* width : {"-0.05", "0", "1D3"}) {
        w.LeafSpringInput(1).SetText(width);
        EXPECT_EQ(w.LeafSpringInput(1).BackColor(), kBoxInvalid) << width;
        EXPECT_EQ(w.LeafCalcLabel(100).Caption(), rate) << width;
    }
    w.LeafSpringInput(1).SetText("0.0635");
    w.LeafSpringInput(2).SetText("-0.00635");
    EXPECT_EQ(w.LeafSpringInput(2).BackColor(), kBoxInvalid);
    EXPECT_EQ(w.LeafCalcLabel(100).Caption(), rate);
    // One disc's stiffness, typed in N/mm, has a range too.
    w.BellevilleStackSingleStiffness->SetText("-500");
    EXPECT_EQ(w.BellevilleStackSingleStiffness->BackColor(), kBoxInvalid);
    EXPECT_EQ(w.BellevilleCalcLabel(102).Caption(), "3500 N/mm");
    // A kept figure follows a new unit: 3.5e6 N/m / 9806.65 N/m per kgf/mm.
    tools_test::UseUnit(Quantity::Stiffness, " kgf/mm");
    ui::MechCalcsFollowUnitChange();
    EXPECT_EQ(w.BellevilleCalcLabel(102).Caption(), "356.9 kgf/mm");
}

// A figure that is not a number reads "N/A" alone: no unit, no "%", no half pair.
TEST_F(MechCalcsTest, FiguresThatAreNotNumbersReadNAWithoutAUnit) {
    auto& w = Open();
    ASSERT_TRUE(w.BrakesShown.has_value());
    const float nan = std::numeric_limits<float>::quiet_NaN();
    w.BrakesShown->MasterArea = nan;
    w.BrakesShown->CaliperArea[1] = std::numeric_limits<float>::infinity();
    w.BrakesShown->Torque[0] = nan;
    w.BrakesShown->FrontBalance = nan;
    w.FollowUnitChange();
    for (int label : {102, 103, 108, 110})
        EXPECT_EQ(w.DiscCalcLabel(label).Caption(), "N/A") << label;
    EXPECT_EQ(w.DiscCalcLabel(104).Caption(), "0.1 / 0.1 m");
}

// Options > Units while the window is open: every figure follows, in each unit system, and
// one disc's stiffness box is converted so the disc keeps its stiffness. SI figures worked
// by hand: coil 0.083 m across, 178207 N/m; leaf 62011.7 N/m; bar 4034.8 N m/rad; brakes
// 2121.69 N, 3.1416 cm^2, pad radii 0.10275 / 0.098 m, 6.75354 MPa, 534.1 / 212.9 N m;
// stack 7 x 500 N/mm. The program's inch is 39.39008 per metre (0.0057073 lb/in per N/m,
// 1.4489e-4 psi per Pa); its square inch is the exact 1550.003 per m^2.
TEST_F(MechCalcsTest, AnOpenWindowFollowsEveryUnitSystem) {
    struct Row {
        int preset;
        const char *coilDiameter, *coilRate, *leafRate, *barRot, *force, *area, *padRadius,
            *pressure, *torque, *discBox, *stack;
    };
    const Row rows[] = {
        {1, "8.3 cm", "18.17 kgf/mm", "6.32 kgf/mm", "6.5 kgf m/gon", "2122 N", "3.142 cm\u00B2",
         "10.3 / 9.8 cm", "68.87 kg/cm\u00B2", "534 / 213 Nm", "50.986", "356.9 kgf/mm"},
        {2, "3.3 in", "1017 lb/in", "354 lb/in", "52 lbf ft/deg", "15346 pdl", "0.4869 in\u00B2",
         "4 / 3.9 in", "978.5 psi", "394 / 157 lbf ft", "2853.6", "19975 lb/in"},
        {0, "0.08 m", "178.2 N/mm", "62 N/mm", "4 kNm/rad", "2122 N", "0.0003142 m\u00B2",
         "0.1 / 0.1 m", "6754 kPa", "534 / 213 Nm", "500", "3500 N/mm"},
    };
    auto& w = Open();
    ui::ShowOptionsPanel();
    ui::OptionsPanel& options = ui::OptionsPanelWindow();
    w.CoilSpringInput(2).SetText("1.99");  // refused: the coil keeps its figures, in new units
    for (const Row& row : rows) {
        options.SetUnits(row.preset).UserClick();
        SCOPED_TRACE(row.preset);
        EXPECT_EQ(w.CoilCalcLabel(101).Caption(), row.coilDiameter);
        EXPECT_EQ(w.CoilCalcLabel(103).Caption(), row.coilRate);
        EXPECT_EQ(w.LeafCalcLabel(100).Caption(), row.leafRate);
        EXPECT_EQ(w.ARBCalcLabel(101).Caption(), row.barRot);
        EXPECT_EQ(w.DiscCalcLabel(101).Caption(), row.force);
        EXPECT_EQ(w.DiscCalcLabel(102).Caption(), row.area);
        EXPECT_EQ(w.DiscCalcLabel(104).Caption(), row.padRadius);
        EXPECT_EQ(w.DiscCalcLabel(106).Caption(), row.pressure);
        EXPECT_EQ(w.DiscCalcLabel(108).Caption(), row.torque);
        EXPECT_EQ(w.BellevilleStackSingleStiffness->Text(), row.discBox);
        EXPECT_EQ(w.BellevilleCalcLabel(7).Caption(), core::UnitSuffix(Quantity::Stiffness));
        EXPECT_EQ(w.BellevilleCalcLabel(102).Caption(), row.stack);
    }
    ui::ResetOptionsPanel();
}

TEST_F(MechCalcsTest, ClosingDiscardsTheInputs) {
    auto& w = Open();
    w.CoilSpringInput(0).SetText("0.2");
    w.Unload();
    auto& again = Open();
    EXPECT_EQ(again.CoilSpringInput(0).Text(), "0.145");
}

}  // namespace
