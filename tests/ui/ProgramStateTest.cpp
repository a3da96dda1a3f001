// The one reset of the program's state: every state a session leaves behind goes back to what a
// fresh process has, so the next start (the program's, or a test's) is like the first.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "charts/ResizeableGraphCode.hpp"
#include "core/AccTargets.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalShared.hpp"
#include "core/LFSCars.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/SetupNameClash.hpp"
#include "platform/PlatformState.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/ProgramWideStates.hpp"
#include "support/StartedProgram.hpp"
#include "ui/ProgramState.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/displays/SteeringTyreDisplays.hpp"
#include "ui/main/editor/EditorInputFlags.hpp"
#include "ui/main/inputs/SettingHandlersState.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/main/menus/WebLinks.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/options/RefreshDisplays.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/ExportProgress.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/LanguageSelection.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/UnitConv.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"

namespace {

// One program-wide state: its type as the sources define it, what a session leaves in it, and
// whether it holds what a fresh process has. A window's state has no check of its own: every
// window is opened, and after the reset none may be left on the desktop.
struct StateRow {
    const char* type;
    std::function<void()> dirty;
    std::function<bool()> fresh;
};

int StubSync(int) { return 0; }

// What a session would leave, for every state the program has outside the Qt front end.
std::vector<StateRow> StateRows() {
    const auto opens = [](const char* type, std::function<void()> open) {
        return StateRow{type, std::move(open), nullptr};
    };
    return {
        // First: the start fills most states, which the rows below then leave otherwise.
        opens("MainWindowState", [] { ui::MainWindow().Show(); }),

        {"PlatformState*", [] { platform::Platform().sliderClampTotal = 3; },
         [] { return platform::SliderClampTotal() == 0; }},

        {"GlobalChassisLabState", [] { core::GlobalChassisLab().AppDir = "/elsewhere/"; },
         [] {
             const auto& g = core::GlobalChassisLab();
             return g.AppDir.empty() && g.Vehicles.empty();
         }},
        {"GlobalSharedState", [] { core::GlobalShared().RoundCache.LastPlaces = 3; },
         [] { return core::GlobalShared().RoundCache.LastPlaces == 0; }},
        {"LocaleState", [] { core::Locale().UserDecimalSeparator = ","; },
         [] { return core::Locale().UserDecimalSeparator.empty(); }},
        {"OptionsSettingsState", [] { core::OptionsSettings().DynoGraphScaleX = 7; },
         [] { return core::OptionsSettings().DynoGraphScaleX == 1000; }},
        {"TextTableState", [] { core::TextTable().MainWindowTitle = "dirty"; },
         [] { return core::TextTable().MainWindowTitle.empty(); }},
        {"FuelTypesState", [] { core::FuelTable().FuelTypes[0].Name = "dirty"; },
         [] { return core::FuelTable().FuelTypes[0].Name.empty(); }},
        {"LFSCarsState", [] { core::LFSCarTable().LFSCars[0].Name = "dirty"; },
         [] { return core::LFSCarTable().LFSCars[0].Name.empty(); }},
        {"AccTargetsState", [] { core::AccTargetTable().AccTargets[0][0] = 15.0; },
         [] { return core::AccTargetTable().AccTargets[0][0] == 0.0; }},

        {"VehCodeState", [] { vehicle::VehCode().EditorOpen = core::VbTrue; },
         [] { return vehicle::VehCode().EditorOpen == core::VbFalse; }},
        {"EngineCodeState", [] { vehicle::EngineCode().ScannedTorquePeak = 250.0f; },
         [] { return vehicle::EngineCode().ScannedTorquePeak == 0.0f; }},
        {"GearingCodeState", [] { vehicle::GearingCode().GearRatios[1] = 3.5f; },
         [] { return vehicle::GearingCode().GearRatios[1] == 0.0f; }},
        {"TyreCodeState", [] { vehicle::TyreCode().FrontGripShare = 0.5f; },
         [] { return vehicle::TyreCode().FrontGripShare == 0.0f; }},
        {"AeroCodeState", [] { vehicle::AeroCode().AirDensity = 1.2f; },
         [] { return vehicle::AeroCode().AirDensity == 0.0f; }},

        {"PhysicalCodeState", [] { analysis::PhysicalCode().TotalMass = 1200.0f; },
         [] { return analysis::PhysicalCode().TotalMass == 0.0f; }},
        {"LiveStateCodeState", [] { analysis::LiveStateCode().LiveGear = 4; },
         [] { return analysis::LiveStateCode().LiveGear == 1; }},
        {"SuspensionCodeState", [] { analysis::SuspensionCode().PitchStiffness = 9.0f; },
         [] { return analysis::SuspensionCode().PitchStiffness == 0.0f; }},
        {"SteeringCodeState", [] { analysis::SteeringCode().ToeDiagramMode = 1; },
         [] { return analysis::SteeringCode().ToeDiagramMode == 0; }},
        {"AccelerationCodeState", [] { analysis::AccelerationCode().AccLastStep = 40; },
         [] { return analysis::AccelerationCode().AccLastStep == -1; }},
        {"DecelerationCodeState", [] { analysis::DecelerationCode().DecLastStep = 40; },
         [] { return analysis::DecelerationCode().DecLastStep == -1; }},

        {"ResizeableGraphCodeState", [] { charts::OpenGraphWindow(); },
         [] {
             const auto& r = charts::ResizeableGraphCode();
             return r.OpenCounter == 0 && r.GraphWindows.empty() && !r.WindowForSlot;
         }},

        {"ListFilesState", [] { files::ListFiles().LanguageIndex = 2; },
         [] { return files::ListFiles().LanguageIndex == 0; }},
        {"SetupFileState", [] { files::SetupFile().SetupSavePath = "/tmp/a.set"; },
         [] { return files::SetupFile().SetupSavePath.empty(); }},
        {"SafeFileWriteState", [] { files::SafeFileWrite().Sync = StubSync; },
         [] {
             const auto* sync = files::SafeFileWrite().Sync.target<int (*)(int)>();
             return sync != nullptr && *sync == files::SyncToDisk;
         }},
        {"LoadedStemsState", [] { files::LoadedStems().Names.push_back("dirty"); },
         [] { return files::LoadedStems().Names.empty(); }},

        {"MainStartUpState", [] { ui::MainStartUp().ProgramFolder = "/elsewhere/"; },
         [] { return ui::MainStartUp().ProgramFolder.empty(); }},
        {"SettingHandlersState", [] { ui::SettingHandlers().AeroGraphMode = core::VbTrue; },
         [] {
             const auto& s = ui::SettingHandlers();
             return s.AeroGraphMode == core::VbFalse && !s.Routines.RecalculateAll;
         }},
        {"SearchBoxHoldState", [] { ui::SearchBoxHolds().HoldCorrections = true; },
         [] { return !ui::SearchBoxHolds().HoldCorrections; }},
        {"ChartRedrawsState", [] { ui::ChartRedraws().Pending[0] = true; },
         [] { return !ui::ChartRedraws().Pending[0]; }},
        {"LiveDisplaysState", [] { ui::LiveDisplays().Captions.emplace_back(); },
         [] { return ui::LiveDisplays().Captions.empty(); }},
        {"EngineDisplaysState", [] { ui::EngineDisplays().EngineInputErrors = 2; },
         [] { return ui::EngineDisplays().EngineInputErrors == 0; }},
        {"SteeringTyreDisplaysState", [] { ui::SteeringTyreDisplays().Tyre.emplace_back(); },
         [] { return ui::SteeringTyreDisplays().Tyre.empty(); }},
        {"VehicleEditorChecksState", [] { ui::VehicleEditorChecks().Valid[0] = core::VbTrue; },
         [] { return ui::VehicleEditorChecks().Valid[0] == core::VbFalse; }},
        {"EditorFilledFiguresState", [] { ui::EditorFilledFigures().Boxes[nullptr] = {"1", 1.0f}; },
         [] { return ui::EditorFilledFigures().Boxes.empty(); }},
        {"TorqueDataTableLinks", [] { ui::TorqueDataTableHooks().PreviewEngine = [] {}; },
         [] { return !ui::TorqueDataTableHooks().PreviewEngine; }},
        {"SetupFileCommandsState",
         [] { ui::SetupFileCommands().ReselectVehicle = [](ui::Main&) {}; },
         [] { return !ui::SetupFileCommands().ReselectVehicle; }},
        {"FileMenuState", [] { ui::FileMenu().CsvExportPath = "/tmp/run.csv"; },
         [] { return ui::FileMenu().CsvExportPath.empty() && !ui::FileMenu().WriteRunCsv; }},
        // An update check still awaited: its answer must not reach the next start.
        {"UpdateCheckState", [] { ui::CheckForUpdate(false); },
         [] {
             const auto& u = ui::UpdateCheck();
             return u.Request == 0 && u.Quiet && platform::HttpDouble().Waiting() == 0;
         }},
        {"WebLinksState", [] { ui::WebLinks().WebSite = "http://127.0.0.1:1/"; },
         [] { return ui::WebLinks().WebSite == CHASSISLAB_WEBSITE; }},

        opens("OptionsPanelWindowState", [] { ui::ShowOptionsPanel(); }),
        opens("ResizeableGraphWindowState", [] { charts::OpenGraphWindow(); }),
        opens("TorqueTableState", [] { ui::ShowTorqueDataTable(); }),
        opens("ExportProgressModule", [] { ui::ExportProgressWindow().Show(); }),
        opens("DataOutputReaderModule", [] { ui::ShowDataOutputReader(); }),
        opens("LFSSetupReaderModule", [] { ui::ShowLFSSetupReader(); }),
        opens("AboutModule", [] { ui::ShowAbout(); }),
        opens("AutoVehEditorModule", [] { ui::ShowAutoVehEditor(); }),
        opens("LanguageSelectionModule", [] { ui::ShowLanguageSelection(); }),
        opens("UnitConvWindowState", [] { ui::ShowUnitConv(); }),
        opens("MechCalcsWindowState", [] { ui::ShowMechCalcs(); }),
        opens("GearingAutoSpacerWindowState", [] { ui::ShowGearingAutoSpacer(); }),
        opens("MakeLevelRideWindowState", [] { ui::ShowMakeLevelRide(); }),
        opens("DragRaceWindowState", [] { ui::ShowDragRaceWindow(); }),
    };
}

std::string LoadedFormNames() {
    std::string names;
    for (const platform::Form* f : platform::Desktop::Instance().LoadedForms())
        names += " " + f->ClassName();
    return names;
}

class ProgramStateReset : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
    }
};

TEST_F(ProgramStateReset, ReturnsEveryStateAndWindowToWhatAFreshProcessHas) {
    const auto& desktop = platform::Desktop::Instance();
    const auto rows = StateRows();
    for (const auto& row : rows) {
        const std::size_t before = desktop.LoadedForms().size();
        row.dirty();
        if (!row.fresh)
            EXPECT_GT(desktop.LoadedForms().size(), before) << row.type << " opened no window";
    }
    // A window closed earlier waits on the desktop to be destroyed.
    ui::AboutWindow().Unload();
    ui::ShowAbout();
    for (const auto& row : rows) {
        if (row.fresh) EXPECT_FALSE(row.fresh()) << row.type << " was not left dirty";
    }
    ASSERT_EQ(desktop.ParkedCount(), 1u);
    const platform::MessageBoxService* messages = platform::Services().messages.get();

    ui::ResetProgramState();

    for (const auto& row : rows) {
        if (row.fresh) EXPECT_TRUE(row.fresh()) << row.type << " kept what the session left";
    }
    EXPECT_TRUE(desktop.LoadedForms().empty()) << "left:" << LoadedFormNames();
    EXPECT_EQ(desktop.ParkedCount(), 0u);
    // The process's set-up stays: a test's doubles, the front end's services.
    EXPECT_EQ(platform::Services().messages.get(), messages);
}

// The reset knows every state the sources define: a state added later needs a row above, and
// the row fails until the reset returns it too.
TEST(ProgramStateList, EveryProgramWideStateOutsideTheFrontEndHasARow) {
    std::set<std::string> listed;
    for (const auto& row : StateRows()) listed.insert(row.type);
    std::set<std::string> defined;
    for (const auto& [type, file] : testsupport::ProgramWideStates(CHASSISLAB_SOURCE_DIR)) {
        if (file.rfind("qt/", 0) == 0) continue;  // the front end's own reset
        defined.insert(type);
        EXPECT_TRUE(listed.count(type)) << type << " (" << file << ") has no row: reset it";
    }
    for (const auto& type : listed) EXPECT_TRUE(defined.count(type)) << type << " is not in src/";
}

}  // namespace
