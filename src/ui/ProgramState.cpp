#include "ui/ProgramState.hpp"

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "core/AccTargets.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/LFSCars.hpp"
#include "core/Locale.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/ListFiles.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/SetupFileContext.hpp"
#include "files/SetupNameClash.hpp"
#include "platform/Controls.hpp"
#include "platform/Form.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/displays/SteeringTyreDisplays.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/editor/EditorInputFlags.hpp"
#include "ui/main/inputs/SettingHandlersState.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/main/menus/WebLinks.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/main/startup/MainStartUp.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/RefreshDisplays.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/ExportProgress.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/LanguageSelection.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "ui/tools/UnitConv.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace ui {

namespace {

// Every window, the main window last: a tool window closing may still read the main form
// (the torque data table tells the editor's displays that it closed).
void ResetWindows() {
    ResetTorqueDataTable();
    ResetExportProgress();
    ResetDataOutputReader();
    ResetLFSSetupReader();
    ResetAbout();
    ResetAutoVehEditor();
    ResetLanguageSelection();
    ResetUnitConv();
    ResetMechCalcs();
    ResetGearingAutoSpacer();
    ResetMakeLevelRide();
    ResetDragRaceWindow();
    ResetGraphWindows();
    ResetOptionsPanel();
    ResetMainWindow();
    // Windows unloaded earlier wait on the desktop to be destroyed; none outlives the reset.
    platform::Desktop::Instance().CollectUnloaded();
}

void ResetModelStates() {
    platform::ResetSliderClampTotal();

    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    core::GlobalShared() = core::GlobalSharedState{};
    core::Locale() = core::LocaleState{};
    core::OptionsSettings() = core::OptionsSettingsState{};
    core::TextTable() = core::TextTableState{};
    core::FuelTable() = core::FuelTypesState{};
    core::LFSCarTable() = core::LFSCarsState{};
    core::AccTargetTable() = core::AccTargetsState{};

    vehicle::VehCode() = vehicle::VehCodeState{};
    vehicle::EngineCode() = vehicle::EngineCodeState{};
    vehicle::GearingCode() = vehicle::GearingCodeState{};
    vehicle::TyreCode() = vehicle::TyreCodeState{};
    vehicle::AeroCode() = vehicle::AeroCodeState{};

    // The live state picks up from the figures before it: a fresh start has none.
    analysis::PhysicalCode() = analysis::PhysicalCodeState{};
    analysis::LiveStateCode() = analysis::LiveStateCodeState{};
    analysis::SuspensionCode() = analysis::SuspensionCodeState{};
    analysis::SteeringCode() = analysis::SteeringCodeState{};
    analysis::AccelerationCode() = analysis::AccelerationCodeState{};
    analysis::DecelerationCode() = analysis::DecelerationCodeState{};

    // Without the graph windows' source: the main window installs it again.
    charts::ResizeableGraphCode() = charts::ResizeableGraphCodeState{};

    files::ListFiles() = files::ListFilesState{};
    files::SetupFile() = files::SetupFileState{};
    files::SafeFileWrite() = files::SafeFileWriteState{};
    files::LoadedStems() = files::LoadedStemsState{};
}

// The windows' module states; the links between modules that the main window installs
// (graph windows, run exports, vehicle reselection, torque table preview, setting routines)
// come back when it is created again.
void ResetWindowStates() {
    MainStartUp() = MainStartUpState{};
    SettingHandlers() = SettingHandlersState{};
    SearchBoxHolds() = SearchBoxHoldState{};
    ChartRedraws() = ChartRedrawsState{};
    LiveDisplays() = LiveDisplaysState{};
    EngineDisplays() = EngineDisplaysState{};
    SteeringTyreDisplays() = SteeringTyreDisplaysState{};
    VehicleEditorChecks() = VehicleEditorChecksState{};
    ForgetFilledFigures();
    TorqueDataTableHooks() = TorqueDataTableLinks{};
    SetupFileCommands() = SetupFileCommandsState{};
    FileMenu() = FileMenuState{};
    UpdateCheck() = UpdateCheckState{};
    ResetWebLinks();
}

}  // namespace

void ResetProgramState() {
    ResetWindows();
    // An answer the program no longer waits for would otherwise arrive in the fresh one.
    DropUpdateCheck();
    ResetModelStates();
    ResetWindowStates();
}

}  // namespace ui
