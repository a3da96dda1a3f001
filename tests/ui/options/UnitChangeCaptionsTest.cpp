// A unit chosen alone in the options window rewrites every caption, box and chart that shows
// its quantity: the main window and eight graph windows then read as they do after a refresh
// of every display, on a wheel-driven car and on a thrust car. In six rounds every chart of
// the main window shows each of its choices and the graph windows each of the 42 graphs; the
// first round switches every unit of each quantity in turn, the others one unit of each.
// Rounds 0 to 3, round 4 and round 5 on each car are ctest entries of their own (round 4 draws
// the costliest graphs), each beginning with the units the rounds before it leave.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "charts/ResizeableGraphCode.hpp"
#include "support/SampleVehicles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "support/WindowDump.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace {

constexpr int kWindows = 8;
constexpr int kGraphs = 42;
constexpr int kRounds = (kGraphs + kWindows - 1) / kWindows;  // also covers 10 choices two at a time

class UnitChangeCaptions : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        vehicle::VehicleRecord thrust = sample::ThrustCar(4000.0f, 0.6f);  // N, m
        vehicle::SetVehicleName(thrust, "Thrust car");
        vehtest::WriteVehicleFile((root / "vehicles" / "thrust.vd3").string(), thrust);
        std::ofstream(root / "autoveh.lst", std::ios::app) << "thrust\r\n";
        main = &Start();
        for (int i = 0; i < kWindows; ++i) charts::OpenGraphWindow();
    }
    void TearDown() override {
        ui::ResetOptionsPanel();
        StartedProgram::TearDown();
    }

    static ui::ResizeableGraphWindow& Window(int slot) {
        return *ui::ResizeableGraphWindows().Windows.Peek(static_cast<std::size_t>(slot));
    }

    // Round r: the run graphs show choices 2r and 2r + 1, the other charts their r-th choice
    // (counted round), the graph windows graphs 8r .. 8r + 7 (counted round).
    void ShowRound(int r) {
        ui::Main& w = *main;
        for (int p = 0; p < 2; ++p) {
            w.Analysis_AccGraphData(p).UserSelect((2 * r + p) % 10);
            w.Analysis_DecGraphData(p).UserSelect((2 * r + p) % 10);
        }
        for (platform::ComboBox* c : {w.Analysis_SuspDampGraphCombo, w.Analysis_AeroGraphOption,
                                      w.Analysis_TyreChoice, w.Analysis_SteerToeDiagramMode,
                                      w.Analysis_SteerCamberDiagramMode})
            c->UserSelect(r % c->ListCount());
        for (int slot = 0; slot < kWindows; ++slot) {
            const int id = (kWindows * r + slot) % kGraphs;
            charts::GraphGroup group;
            ASSERT_TRUE(charts::GroupOfGraph(id, group));
            Window(slot).GraphMenuItem_Click(group, id - charts::GroupRange(group).FirstId);
        }
    }

    // What the main window and the graph windows show, a hash a control.
    std::vector<uint64_t> Shown() const {
        std::vector<uint64_t> all = testsupport::ShownHashes(*main);
        for (int slot = 0; slot < kWindows; ++slot) {
            const auto one = testsupport::ShownHashes(Window(slot));
            all.insert(all.end(), one.begin(), one.end());
        }
        return all;
    }
    // The names of the controls Shown() hashes, in its order.
    std::vector<std::string> ShownNames() const {
        std::vector<std::string> all = testsupport::ShownNames(*main);
        for (int slot = 0; slot < kWindows; ++slot)
            for (const std::string& n : testsupport::ShownNames(Window(slot)))
                all.push_back("graph window " + std::to_string(slot) + " " + n);
        return all;
    }

    // Chooses `unit` alone, then checks that a refresh of every display changes nothing.
    void SwitchAndCompare(core::Quantity q, std::size_t unit) {
        const auto rows = core::UnitRows(q);
        platform::ComboBox& box = ui::OptionsPanelWindow().Select(q);
        box.UserSelect(box.FindItem(std::string(rows[unit].Name)));
        ASSERT_EQ(core::UnitData(q).Index, unit);
        const std::vector<uint64_t> afterChoice = Shown();
        ui::RefreshAllDisplays();
        const std::vector<uint64_t> refreshed = Shown();
        if (afterChoice == refreshed) return;
        std::string stale;
        const std::vector<std::string> names = ShownNames();
        for (std::size_t i = 0; i < afterChoice.size() && i < refreshed.size(); ++i)
            if (afterChoice[i] != refreshed[i]) stale += " " + names[i];
        ADD_FAILURE() << "left as they were:" << stale;
    }

    ui::Main* main = nullptr;
};

// The first round of each part of a car's rounds; the parts on the first shipped car, then on
// the thrust car, are numbered on (GetParam()).
constexpr int kPartStarts[] = {0, 4, 5};
constexpr int kParts = static_cast<int>(std::size(kPartStarts));
static_assert(kPartStarts[kParts - 1] < kRounds);

class UnitChangeCaptionsPart : public UnitChangeCaptions,
                               public ::testing::WithParamInterface<int> {
protected:
    // Chooses the units the first `rounds` rounds (kRounds a car) leave: the first round on a
    // car ends where it began, each further one moves every quantity one unit on.
    static void UnitsAfterRounds(int rounds) {
        const int firstRounds = (rounds + kRounds - 1) / kRounds;  // one a car begun
        const int movesOn = rounds - firstRounds;
        for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
            const core::Quantity q = core::QuantityAt(i);
            const auto rows = core::UnitRows(q);
            const std::size_t unit =
                (core::UnitData(q).Index + static_cast<std::size_t>(movesOn)) % rows.size();
            if (unit == core::UnitData(q).Index) continue;
            platform::ComboBox& box = ui::OptionsPanelWindow().Select(q);
            box.UserSelect(box.FindItem(std::string(rows[unit].Name)));
        }
    }
};

TEST_P(UnitChangeCaptionsPart, EveryUnitAloneRewritesEveryDisplayOfItsQuantity) {
    const int cars = main->Main_SelectVeh->ListCount();
    ASSERT_EQ(cars, 4);  // the three shipped cars, then the thrust car
    const int car = GetParam() / kParts == 0 ? 0 : cars - 1;
    const int part = GetParam() % kParts;
    const int first = kPartStarts[part], end = part + 1 < kParts ? kPartStarts[part + 1] : kRounds;
    UnitsAfterRounds(GetParam() / kParts * kRounds + first);
    main->Main_SelectVeh->UserSelect(car);
    for (int round = first; round < end; ++round) {
        ShowRound(round);
        for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
            const core::Quantity q = core::QuantityAt(i);
            const std::size_t units = core::UnitRows(q).size();
            const std::size_t from = core::UnitData(q).Index;
            // Every unit in turn, ending where it began, in the first round; the next one in the
            // others.
            for (std::size_t k = 1; k <= (round == 0 ? units : 1); ++k) {
                const std::size_t unit = (from + k) % units;
                SCOPED_TRACE(std::to_string(car) + ", round " + std::to_string(round) + ": " +
                             std::string(core::UnitRows(q)[unit].Name));
                SwitchAndCompare(q, unit);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WheelDrivenThenThrustCar, UnitChangeCaptionsPart,
                         ::testing::Range(0, 2 * kParts),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const std::string car = info.param / kParts == 0 ? "WheelDriven"
                                                                                : "Thrust";
                             return car + "FromRound" +
                                    std::to_string(kPartStarts[info.param % kParts]);
                         });

// A preset draws each chart once, when all 21 units are chosen (the deceleration graph shows
// six of them), also in a graph window; what then shows is what a refresh shows.
TEST_F(UnitChangeCaptions, APresetDrawsEachChartOnceInItsNewUnits) {
    ShowRound(0);
    Window(0).GraphMenuItem_Click(charts::GraphGroup::Deceleration, 0);
    const auto revisions = [this] {
        return std::vector<uint64_t>{main->Analysis_DecGraph(0).Surf().Revision(),
                                     main->Analysis_AccGraph(0).Surf().Revision(),
                                     Window(0).LargeGraph().Surf().Revision()};
    };
    const std::vector<uint64_t> before = revisions();
    ui::RedrawScaleChart(core::ScaleChart::DecGraph);
    ui::RedrawScaleChart(core::ScaleChart::AccGraph);
    const std::vector<uint64_t> once = revisions();
    ui::OptionsPanelWindow().SetUnits(2).UserClick();
    const std::vector<uint64_t> preset = revisions();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(preset[i] - once[i], once[i] - before[i]) << i;
    const std::vector<uint64_t> afterPreset = Shown();
    ui::RefreshAllDisplays();
    EXPECT_EQ(Shown(), afterPreset);
}

}  // namespace
