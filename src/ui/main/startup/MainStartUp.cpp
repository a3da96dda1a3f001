#include "ui/main/startup/MainStartUp.hpp"

#include <algorithm>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "core/AccTargets.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/LFSCars.hpp"
#include "core/Locale.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/ListFiles.hpp"
#include "files/OptionsFile.hpp"
#include "platform/Form.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"
#include "ui/main/editor/VehicleFormLayout.hpp"
#include "ui/main/startup/VehicleSelection.hpp"
#include "ui/options/OptionsFileLoad.hpp"
#include "ui/options/OptionsPanelFill.hpp"

namespace ui {

MainStartUpState& MainStartUp() {
    static MainStartUpState state;
    return state;
}

void InitReferenceTables(Main& form) {
    core::InitLFSCars();
    vehicle::GearingCode().GearRatios.fill(0.5f);
    core::InitFuelTypes();
    form.VehData_NewFuelType->Clear();
    for (const auto& fuel : core::FuelTable().FuelTypes) form.VehData_NewFuelType->AddItem(fuel.Name);
    core::InitAccTargets();
}

void RefillVehicleSelector(Main& form) {
    platform::ComboBox& selector = *form.Main_SelectVeh;
    selector.Clear();
    for (const auto& v : core::GlobalChassisLab().Vehicles) selector.AddItem(v.Name);
}

namespace {

// The editor's aerodynamic device selectors list each table's names.
void FillAeroDeviceSelectors(Main& form) {
    const auto& aero = vehicle::AeroCode();
    const auto fill = [](platform::ComboBox& box, const auto& table) {
        box.Clear();
        for (const auto& row : table) box.AddItem(row.Name);
    };
    fill(form.VehData_NewAeroDeviceType(1), aero.UndertrayTypes);
    fill(form.VehData_NewAeroDeviceType(2), aero.RearWingTypes);
    fill(form.VehData_NewAeroDeviceType(3), aero.FrontWingTypes);
}

// The chain that prepares the first vehicle once the start-up vehicles are loaded.
void PrepareFirstVehicle(Main& form) {
    auto& g = core::GlobalChassisLab();
    // The setting ranges and lists follow the first vehicle's simulator car, as they do for any
    // later selection, so the vehicle is made current before they are configured.
    vehicle::SetCurrentVehicle(form.Main_SelectVeh->Text(), form.Set_GearingTorqueSplitCentre->Value());
    ConfigureSetupControls();
    SelectVehicle(form, true);
    UpdateVehicleFormLayout();
    // The wheels first: the unsprung centre of gravity sits at the tyres' radii, as it does
    // when a vehicle is selected later.
    CalcWheelDimensionsAndInertia(form);
    CalcMassesAndCentreOfGravity(form);
    // From here as a later selection of the same vehicle runs its analyses, so that both
    // give the same figures to the last bit.
    SettleVehicleAtRest(form);
    UpdateEngineModel(form);
    BuildAeroSpeedTable(form);
    CalcGearing(form);
    AnalyseLiveStateAll(form);
    CalcGearing(form);
    g.FormLoading = core::VbFalse;
    SetDiffParams(form);
    RunAccelerationAnalysisAll(form);
    RunDecelerationAnalysis(form);
    TellRunRefusal();
    ShowBrakeSettings(form);
    ShowVehicleData(form);
    ShowPhysicalAnalysis(form);
    LoadVehiclePhoto(form);
}

}  // namespace

void Main_Form_Load(Main& form) {
    auto& g = core::GlobalChassisLab();
    g.FormLoading = core::VbTrue;
    form.TabLinking = true;
    core::Locale().DecimalSeparatorChanged = core::VbFalse;

    core::GetDecimalSeparator();
    if (core::Locale().ProgramDecimalSeparator != core::Locale().UserDecimalSeparator &&
        !core::Locale().UserDecimalSeparator.empty()) {
        core::ToggleDecimalSeparator();
    }

    InitReferenceTables(form);
    core::InitDefaultTexts(MainStartUp().ProgramFolder);
    form.SetCaption(core::TextTable().MainWindowTitle);
    form.ApplySelectorFills();  // the fixed selectors' items and first choices
    analysis::AccelerationCode().AccTimeStep = 0.01f;
    core::SetDefaultOptions();
    vehicle::InitAeroDevices();
    FillAeroDeviceSelectors(form);
    vehicle::InitTyreCompounds();
    FillProgramTyreCompoundLists();  // offered even before (or without) a vehicle
    FillUnitCombos();

    files::LoadAutoVehicles();
    RefillVehicleSelector(form);
    if (g.VehicleCount > 0) form.Main_SelectVeh->SetListIndex(0);  // does nothing while loading

    core::OptionsSettings().AutoRecalc = core::VbTrue;
    ui::LoadOptionsFile(files::OptionsLoadOccasion::StartUp);
    WriteSearchUnitLabels(form);

    // Quiet: speaks only when a newer version is published. In the background, so a silent
    // web site cannot hold up the window.
    if (core::FromVbBool(core::OptionsSettings().AutoUpdateCheck)) CheckForUpdate(true);

    if (g.VehicleCount > 0) {
        PrepareFirstVehicle(form);
    } else {
        // The editor's buttons on view, and the editor open for a first vehicle; FormLoading
        // stays raised until one is stored or loaded.
        ToggleVehiclePhotoAndTools(form);
        Main_VehData_CreateNew_Click(form);
    }
    LoadRecentFilesMenu(form);
}

void Main_Form_Unload(Main& form) {
    DropUpdateCheck();  // no question about a newer version while closing
    files::SaveRecentFiles();  // writes nothing when the list is empty
    if (core::FromVbBool(core::Locale().DecimalSeparatorChanged)) core::ToggleDecimalSeparator();
    // Every other window closes with the main window, each by its own unloading: hidden ones
    // too (the export's progress window, a tool closed to the background), or they would
    // keep the program alive with no window on view.
    std::vector<platform::Form*> asked{&form};
    for (;;) {
        const auto& loaded = platform::Desktop::Instance().LoadedForms();
        // Taken afresh each time: one window's unloading may unload or drop others.
        const auto next = std::find_if(loaded.begin(), loaded.end(), [&](platform::Form* f) {
            return std::find(asked.begin(), asked.end(), f) == asked.end();
        });
        if (next == loaded.end()) break;
        asked.push_back(*next);
        (*next)->Unload();
    }
}

}  // namespace ui
