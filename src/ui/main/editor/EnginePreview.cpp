#include "ui/main/editor/EnginePreview.hpp"

#include <string>

#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/editor/EditorInputFlags.hpp"
#include "ui/main/editor/EngineControlWords.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/VehicleCheck.hpp"

namespace ui {

namespace {

// The refusal of figures that contradict each other, in the editor's words; empty where they
// agree.
std::string FigureRefusal(const vehicle::VehicleRecord& record,
                          const std::vector<vehicle::VehicleProblem>& problems) {
    for (const vehicle::VehicleProblem& p : problems)
        if (p.Figures)
            return vehicle::EngineFigureRefusalText(p, EngineControlWording(record, p));
    return {};
}

void ClearTorqueDataTable() {
    if (TorqueDataTable* table = OpenTorqueDataTable()) table->DataTable->ClearItems();
}

}  // namespace

void PreviewEngineEdits(Main& form) {
    const vehicle::VehicleRecord toStore = VehicleToStore(form);
    PreviewEngineEdits(form, toStore, vehicle::FindVehicleProblems(toStore));
}

void PreviewEngineEdits(Main& form, const vehicle::VehicleRecord& record,
                        const std::vector<vehicle::VehicleProblem>& problems) {
    auto& state = EngineDisplays();
    // A vehicle that is not wheel driven has no engine curve to preview.
    if (form.VehData_NewDrivetrain->ListIndex() == vehicle::kDriveThrust) {
        ClearDynoGraph(form);
        ClearTorqueDataTable();
        return;
    }
    // While an engine box is out of its range or the speeds out of order, the boxes hold no
    // engine: nothing of an earlier one is shown, only the rules the red boxes break.
    state.EngineInputErrors = CountEngineInputErrors();
    if (state.EngineInputErrors != 0) {
        DrawDynoRules(form, BrokenEngineBoxRules(form, problems));
        ClearTorqueDataTable();
        return;
    }

    // The engine of the record a store would write, as the vehicle check judges it.
    vehicle::EngineRecord trial = vehicle::EngineRecordFromFigures(
        record.Engine, vehicle::kDriveRear, vehicle::EngineCode().CurrentEngine);
    trial.Throttle = static_cast<float>(form.VehData_DynoThrottle->Value() / 100.0);

    vehicle::UpdateEngineModel(trial, vehicle::kDriveRear);  // any wheel-driven type fits
    DrawDynoGraph(form, trial, FigureRefusal(record, problems));

    if (core::FromVbBool(state.TorqueTableOpen)) {
        state.TorqueTableFilling = core::VbTrue;
        FillTorqueDataTable(trial);
        state.TorqueTableFilling = core::VbFalse;
    }
}

}  // namespace ui
