// Esc in a tool window does what its Done button does, or closes the window when it has none;
// the options window, the two reader windows and the graph windows close on Esc.
#include <memory>

#include "charts/ResizeableGraphCode.hpp"
#include "support/StartedProgram.hpp"
#include "support/WindowFileTest.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
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

class WindowsOfTheMainWindow : public testsupport::StartedProgram {};

// As by the close box: the window is unloaded and a graph window gives up its slot.
TEST_F(WindowsOfTheMainWindow, EscClosesPreferencesTheReadersAndTheGraphWindows) {
    CopyShippedData();  // with a vehicle: the editor, open without one, greys Preferences
    ui::Main& w = Start();
    w.OptionsPreferences->UserClick();
    w.ToolsBinaryReader->UserClick();
    w.ToolsSetupReader->UserClick();
    w.ToolsLargeGraph->UserClick();
    w.ToolsLargeGraph->UserClick();
    ASSERT_EQ(charts::ResizeableGraphCode().OpenGraphWindowCount, 2);
    std::vector<platform::Form*> windows{ui::ExistingOptionsPanel(), &ui::DataOutputReaderWindow(),
                                         &ui::LFSSetupReaderWindow()};
    for (int slot = 0; slot < 2; ++slot) windows.push_back(ui::ResizeableGraphWindows().Windows.Peek(slot));
    for (platform::Form* f : windows) {
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(f->Visible()) << f->ClassName();
        f->UserEscape();
        EXPECT_TRUE(f->WasUnloaded()) << f->ClassName();
    }
    EXPECT_EQ(charts::ResizeableGraphCode().OpenGraphWindowCount, 0);
}

}  // namespace
