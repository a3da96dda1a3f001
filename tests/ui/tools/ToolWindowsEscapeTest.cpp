// Esc in a tool window does what its Done button does, or closes the window when it has none.
#include <memory>

#include "support/WindowFileTest.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/LanguageSelection.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "ui/tools/UnitConv.hpp"

namespace {

using windowtest::WindowFileTest;

TEST_F(WindowFileTest, EveryToolWindowTakesEsc) {
    std::vector<std::unique_ptr<platform::Form>> windows;
    windows.push_back(std::make_unique<ui::About>());
    windows.push_back(std::make_unique<ui::AutoVehEditor>());
    windows.push_back(std::make_unique<ui::DragRaceWindow>());
    windows.push_back(std::make_unique<ui::LanguageSelection>());
    windows.push_back(std::make_unique<ui::MechCalcs>());
    windows.push_back(std::make_unique<ui::TorqueDataTable>());
    windows.push_back(std::make_unique<ui::UnitConv>());
    for (const auto& w : windows) EXPECT_TRUE(w->TakesEscape()) << w->ClassName();

    // The two with a "Done" button: Esc presses it.
    ui::GearingAutoSpacer spacer;
    ui::MakeLevelRide levelRide;
    EXPECT_EQ(spacer.CancelButton(), spacer.Close);
    EXPECT_EQ(levelRide.CancelButton(), levelRide.Close);
    EXPECT_EQ(levelRide.Close->Caption(), "Done");
}

}  // namespace
