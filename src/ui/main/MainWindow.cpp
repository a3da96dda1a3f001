#include "ui/main/MainWindow.hpp"

#include <memory>

#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/displays/ChartDoubleClicks.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/startup/MainStartUp.hpp"
#include "ui/main/startup/VehicleSelection.hpp"
#include "ui/main/menus/MainMenus.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace ui {

namespace {
// Owns the one main window (module state of this unit).
struct MainWindowState {
    std::unique_ptr<Main> Instance;
};
MainWindowState& MainWindowModule() {
    static MainWindowState state;
    return state;
}
}  // namespace

void InstallMainWindowHandlers(Main& form) {
    Main* f = &form;
    form.Main_SelectVeh->Click = [f] { Main_SelectVeh_Click(*f); };
    SetupFileCommands().ReselectVehicle = [](Main& m) { SelectVehicle(m, false); };
    // The program's start-up and shut-down run in the window's load and unload.
    form.Load = [f] { Main_Form_Load(*f); };
    form.UnloadEvent = [f](bool&) { Main_Form_Unload(*f); };
    InstallMenuHandlers(form);
    InstallOptionsMenuEntry(form);
    InstallSettingHandlers(form);
    InstallGraphWindows();
    InstallChartDoubleClicks(form);
    InstallVehicleEditorHandlers(form);
}

Main& MainWindow() {
    auto& m = MainWindowModule();
    if (!m.Instance) {
        m.Instance = std::make_unique<Main>();
        InstallMainWindowHandlers(*m.Instance);
    }
    return *m.Instance;
}

void ResetMainWindow() { MainWindowModule().Instance.reset(); }

}  // namespace ui
