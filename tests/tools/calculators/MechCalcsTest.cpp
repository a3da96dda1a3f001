// The mechanical calculators window: opening, the two views, results in the display units,
// refused inputs (red box, results unchanged) and the stack lists following each other.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

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
    w.CoilSpringInput(2).SetText("4");
    EXPECT_EQ(w.CoilSpringInput(2).BackColor(), kBoxValid);
    EXPECT_NE(w.CoilCalcLabel(102).Caption(), "");
    // Coils beyond the 3.74 active ones do not change the rate; travel shows what they take:
    // 0.145 - 4 x 0.014 = 0.089 m.
    EXPECT_EQ(w.CoilCalcLabel(103).Caption(), rate);
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "0.09 m");
    // Fewer coils than the free length holds at its pitch are all active: 3 of them.
    w.CoilSpringInput(2).SetText("3");
    EXPECT_EQ(w.CoilCalcLabel(100).Caption(), "3");
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "0.1 m");  // 0.103 m
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

// Every box takes the largest real part of its kind and refuses what no part has; the
// texts of the design stay in the other boxes.
TEST_F(MechCalcsTest, EveryBoxTakesRealPartsAndRefusesTheRest) {
    auto& w = Open();
    namespace B = tools::BrakeBox;
    const struct {
        platform::TextBox& box;
        std::vector<const char*> real, refused;
    } rows[] = {
        // With the design's 5.25 coils at 38.8 mm the spring is at most 0.2425 m long.
        {w.CoilSpringInput(0), {"0.24"}, {"0.25", "1.01", "1D30"}},
        {w.CoilSpringInput(1), {"0.08"}, {"0.51"}},
        {w.CoilSpringInput(2), {"10"}, {"1.99", "101", "99999999999"}},
        {w.CoilSpringInput(3), {"0.008", "0.0095", "0.02"}, {"0.0049", "0.11"}},
        {w.CoilSpringInput(4), {"0.25"}, {"0.51"}},  // 0.3 m of 14 mm wire: index 22.4
        {w.LeafSpringInput(0), {"2"}, {"3.01"}},
        {w.LeafSpringInput(1), {"0.152"}, {"-0.05", "0.31"}},
        {w.LeafSpringInput(2), {"0.04"}, {"0", "0.11"}},
        {w.LeafSpringInput(3), {"20"}, {"41"}},
        {w.ARBInput(0), {"0.5"}, {"1.01"}},
        {w.ARBInput(1), {"2.5"}, {"3.01"}},
        {w.ARBInput(2), {"0.07"}, {"0.101"}},
        {w.DiscBrakeInput(B::PedalArm), {"0.35"}, {"1.01"}},
        {w.DiscBrakeInput(B::PushrodDistance), {"0.08"}, {"0.51"}},
        // 2000 N would make over 300 bar in the design's 20 mm master cylinder.
        {w.DiscBrakeInput(B::AppliedForce), {"1400"}, {"5001"}},
        {w.DiscBrakeInput(B::BiasThread), {"0.003"}, {"0.011"}},
        {w.DiscBrakeInput(B::BiasLength), {"0.15"}, {"0.51"}},
        {w.DiscBrakeInput(B::BiasOffset), {"2500"}, {"2501"}},
        {w.DiscBrakeInput(B::MasterBore), {"0.045"}, {"0.11"}},
        {w.DiscBrakeInput(B::FrontCaliperBore), {"0.076"}, {"0.081"}},
        {w.DiscBrakeInput(B::RearCaliperBore), {"0.076"}, {"0.081"}},
        {w.DiscBrakeInput(B::Friction), {"0.7"}, {"1.01"}},
        {w.DiscBrakeInput(B::FrontDisc), {"0.45"}, {"1.01"}},
        {w.DiscBrakeInput(B::RearDisc), {"0.65"}, {"1.01"}},
        {*w.BellevilleStackSingleStiffness, {"100000"}, {"0", "-500", "100001"}},  // N/mm
    };
    for (const auto& row : rows) {
        const std::string design = row.box.Text();
        for (const bool real : {true, false})
            for (const char* t : real ? row.real : row.refused) {
                row.box.SetText(t);
                EXPECT_EQ(row.box.BackColor(), real ? kBoxValid : kBoxInvalid) << row.box.Name() << " " << t;
            }
        row.box.SetText(design);
    }
}

// The testers' figures, which gave "6.4E+10 N/mm" and "4.5E+08 N": a leaf 0.05 m long and
// 0.1 m thick, and a 100:1 pedal pushed with 5000 N. The boxes that contradict each other turn
// red and the results keep their figures.
TEST_F(MechCalcsTest, FiguresNoRealPartHasTogetherAreRefused) {
    auto& w = Open();
    const std::string rate = w.LeafCalcLabel(100).Caption();
    w.LeafSpringInput(0).SetText("0.05");
    w.LeafSpringInput(2).SetText("0.1");
    for (int box : {0, 2}) EXPECT_EQ(w.LeafSpringInput(box).BackColor(), kBoxInvalid) << box;
    EXPECT_EQ(w.LeafCalcLabel(100).Caption(), rate);

    namespace B = tools::BrakeBox;
    const std::string force = w.DiscCalcLabel(107).Caption();
    for (auto [box, text] : {std::pair{B::PedalArm, "1"}, {B::PushrodDistance, "0.01"},
                             {B::AppliedForce, "5000"}})
        w.DiscBrakeInput(box).SetText(text);
    for (int box : {B::PedalArm, B::PushrodDistance})
        EXPECT_EQ(w.DiscBrakeInput(box).BackColor(), kBoxInvalid) << box;
    EXPECT_EQ(w.DiscCalcLabel(107).Caption(), force);
    for (int box : {B::AppliedForce, B::MasterBore})  // some 16000 bar
        EXPECT_EQ(w.DiscBrakeInput(box).BackColor(), kBoxInvalid) << box;
    w.DiscBrakeInput(B::PushrodDistance).SetText("0.2");  // 5:1
    w.DiscBrakeInput(B::AppliedForce).SetText("333");
    for (int box : {B::PedalArm, B::AppliedForce})
        EXPECT_EQ(w.DiscBrakeInput(box).BackColor(), kBoxValid) << box;
    EXPECT_EQ(w.DiscCalcLabel(100).Caption(), "5");
}

// 20 coils of 0.02 m wire close up to 0.4 m, four times a free length of 0.1 m: the three
// boxes turn red and the travel keeps its figure, which follows a unit change.
TEST_F(MechCalcsTest, ACoilLongerClosedThanFreeIsRefused) {
    auto& w = Open();
    for (auto [box, text] : {std::pair{2, "20"}, {3, "0.02"}, {0, "0.1"}})
        w.CoilSpringInput(box).SetText(text);
    for (int box : {0, 2, 3}) EXPECT_EQ(w.CoilSpringInput(box).BackColor(), kBoxInvalid) << box;
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "0.07 m");  // 0.145 - 5.25 x 0.014
    tools_test::UseUnit(Quantity::DistanceSmall, " mm");
    ui::MechCalcsFollowUnitChange();
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "71 mm");  // 0.0715 in single: 0.07149999
    w.CoilSpringInput(2).SetText("5");  // closed up exactly: no travel, but a real spring
    for (int box : {0, 2, 3}) EXPECT_EQ(w.CoilSpringInput(box).BackColor(), kBoxValid) << box;
    EXPECT_EQ(w.CoilCalcLabel(102).Caption(), "0 mm");
    // A refused disc keeps the stack's figure too: 3.5e6 N/m at 9806.65 N/m per kgf/mm.
    w.BellevilleStackSingleStiffness->SetText("0");
    tools_test::UseUnit(Quantity::Stiffness, " kgf/mm");
    ui::MechCalcsFollowUnitChange();
    EXPECT_EQ(w.BellevilleCalcLabel(102).Caption(), "356.9 kgf/mm");
}

// A spring typed exactly at its longest, one pitch more than its total coils, is a spring:
// 0.05 m = (4 + 1) x 0.01 m, yet in Singles 0.05 lies above 5 x 0.01, and 38 of these 256
// springs turned three boxes red. Two micrometres longer (past the check's slack) they are
// refused. Coils 2 to 17 at pitches of 5 to 20 mm, of 5 mm wire 69 mm inside.
TEST_F(MechCalcsTest, ASpringTypedAtItsLongestIsAcceptedAndOnePastItRefused) {
    auto& w = Open();
    w.CoilSpringInput(3).SetText("0.005");
    w.CoilSpringInput(4).SetText("0.069");
    const auto metres = [](int micrometres) {
        char text[16];
        std::snprintf(text, sizeof text, "%.6f", micrometres / 1e6);
        return std::string(text);
    };
    for (int coils = 2; coils <= 17; ++coils) {
        for (int pitch = 5; pitch <= 20; ++pitch) {  // mm
            const int longest = (coils + 1) * pitch * 1000;  // micrometres
            w.CoilSpringInput(1).SetText(metres(pitch * 1000));
            w.CoilSpringInput(2).SetText(std::to_string(coils));
            for (const auto& [length, colour] :
                 {std::pair{longest, kBoxValid}, {longest + 2, kBoxInvalid}}) {
                w.CoilSpringInput(0).SetText(metres(length));
                for (int box : {0, 1, 2})
                    ASSERT_EQ(w.CoilSpringInput(box).BackColor(), colour)
                        << coils << " coils at " << pitch << " mm, " << metres(length) << " m";
            }
        }
    }
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

// Options > Units while the window is open: every figure follows, in each unit system, also
// those a refused box keeps, and one disc's stiffness box is converted so the disc keeps its
// stiffness. SI figures worked by hand: coil 0.083 m across, 178207 N/m; leaf 62011.7 N/m;
// bar 4034.8 N m/rad; brakes 2121.69 N, 3.1416 cm^2, 6.75354 MPa, 534.1 / 212.9 N m; stack
// 7 x 500 N/mm. The program's inch is 39.39008 per metre (0.0057073 lb/in per N/m, 1.4489e-4
// psi per Pa); its square inch is the exact 1550.003 per m^2.
TEST_F(MechCalcsTest, AnOpenWindowFollowsEveryUnitSystem) {
    auto& w = Open();
    const platform::Label* shown[] = {
        &w.CoilCalcLabel(101), &w.CoilCalcLabel(103), &w.LeafCalcLabel(100),
        &w.ARBCalcLabel(101),  &w.DiscCalcLabel(101), &w.DiscCalcLabel(102),
        &w.DiscCalcLabel(106), &w.DiscCalcLabel(108), &w.BellevilleCalcLabel(102)};
    const std::vector<std::string> rows[] = {
        {"1", "8.3 cm", "18.17 kgf/mm", "6.32 kgf/mm", "6.5 kgf m/gon", "2122 N",
         "3.142 cm\u00B2", "68.87 kg/cm\u00B2", "534 / 213 Nm", "356.9 kgf/mm", "50.986"},
        {"2", "3.3 in", "1017 lb/in", "354 lb/in", "52 lbf ft/deg", "15346 pdl",
         "0.4869 in\u00B2", "978.5 psi", "394 / 157 lbf ft", "19975 lb/in", "2853.6"},
        {"0", "0.08 m", "178.2 N/mm", "62 N/mm", "4 kNm/rad", "2122 N", "0.0003142 m\u00B2",
         "6754 kPa", "534 / 213 Nm", "3500 N/mm", "500"},
    };
    ui::ShowOptionsPanel();
    w.CoilSpringInput(2).SetText("1.99");  // refused
    for (const auto& row : rows) {
        ui::OptionsPanelWindow().SetUnits(std::stoi(row[0])).UserClick();
        for (std::size_t i = 0; i < std::size(shown); ++i)
            EXPECT_EQ(shown[i]->Caption(), row[i + 1]) << row[0];
        EXPECT_EQ(w.BellevilleStackSingleStiffness->Text(), row.back()) << row[0];
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
