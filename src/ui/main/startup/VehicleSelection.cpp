#include "ui/main/startup/VehicleSelection.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/SetupFileContext.hpp"
#include "platform/Services.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/main/editor/VehicleFormLayout.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"

namespace ui {

namespace {

bool Raised(core::VbBool flag) { return core::FromVbBool(flag); }

}  // namespace

std::string DefaultSetupPath() {
    return core::GlobalChassisLab().SetupsDir + SetupNamePrefix() + "_Default.set";
}

void SelectVehicle(Main& form, bool applyDefaultSetup) {
    auto& g = core::GlobalChassisLab();
    if (!vehicle::SetCurrentVehicle(form.Main_SelectVeh->Text(),
                                    form.Set_GearingTorqueSplitCentre->Value())) {
        platform::MsgBox("Did not find a matching vehicle!");
        return;
    }

    if (!Raised(g.FormLoading)) {
        if (!Raised(g.SuppressRecalc)) {
            LoadVehiclePhoto(form);
            CalcWheelDimensionsAndInertia(form);
            ShowVehicleData(form);
            UpdateEngineModel(form);  // nothing for a vehicle that is not wheel driven
            CalcMassesAndCentreOfGravity(form);
            if (!applyDefaultSetup) RecalculateAnalyses(form);
        }
        if (!Raised(files::SetupFile().SetupApplying)) {
            UpdateVehicleFormLayout();
            ConfigureSetupControls();
            files::SetupFile().SetupSavePath.clear();
            form.SetCaption(core::TextTable().MainWindowTitle);
            if (platform::MenuItem* close = form.FindMenu("FileClose")) close->SetEnabled(false);
        }
    }

    if (!applyDefaultSetup) return;
    // The vehicle just updated in the open editor keeps the setup the user is working with.
    const auto& editor = vehicle::VehCode();
    if (Raised(editor.EditorOpen) && Raised(editor.EditorEditsExisting)) {
        RecalculateAnalyses(form);
        return;
    }
    files::SetupFile().SetupOpenPath = DefaultSetupPath();
    if (OpenSetupFile(false)) return;  // its closing re-selection ran the analyses
    if (!Raised(g.FormLoading)) RecalculateAnalyses(form);
}

void Main_SelectVeh_Click(Main& form) {
    const auto& g = core::GlobalChassisLab();
    if (Raised(g.FormLoading) || Raised(g.SuppressRecalc)) return;
    SelectVehicle(form, true);
}

}  // namespace ui
