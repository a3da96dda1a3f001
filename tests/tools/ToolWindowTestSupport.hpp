// Set-up shared by the tool window tests: built-in texts, default options with the first
// (SI) unit of every quantity, and no tool window left from another test.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "core/Units.hpp"
#include "platform/ServiceDoubles.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/UnitConv.hpp"

namespace tools_test {

inline void ResetToolWindows() {
    ui::ResetMechCalcs();
    ui::ResetUnitConv();
    ui::ResetGearingAutoSpacer();
    ui::ResetMakeLevelRide();
    ui::ResetDragRaceWindow();
}

inline void ResetProgramBasics() {
    platform::InstallServiceDoubles();
    core::GlobalShared() = core::GlobalSharedState{};
    core::OptionsSettings() = {};
    core::SetDefaultOptions();
    for (std::size_t q = 0; q < core::kQuantityCount; ++q) core::ApplyUnitRow(core::QuantityAt(q), 0);
    core::InitDefaultTexts();
}

// Selects the unit of a quantity by its suffix (" mm"); fails the test when there is none.
inline void UseUnit(core::Quantity q, std::string_view suffix) {
    const auto rows = core::UnitRows(q);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Suffix == suffix) {
            core::ApplyUnitRow(q, static_cast<uint8_t>(i));
            return;
        }
    }
    ADD_FAILURE() << "no unit" << suffix;
}

class ToolWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToolWindows();
        ResetProgramBasics();
    }
    void TearDown() override { ResetToolWindows(); }
};

}  // namespace tools_test
