#include "ui/main/editor/EnginePreview.hpp"

#include <string>

#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/editor/EditorInputFlags.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/EngineFigureCheck.hpp"
#include "vehicle/VehCode.hpp"

namespace ui {

namespace {

constexpr platform::Color kRefusalColor = platform::RGB(255, 0, 0);
constexpr float kRefusalLeft = 22.5f;  // as the scanned peaks below it

// Two red lines at the top left of the plot: which figures contradict each other, and what
// to change.
void PrintFigureConflict(platform::Surface& plot, const vehicle::EngineFigureConflicts& c) {
    const bool power = c.PowerNeedsMoreTorque();
    const std::string lines[2] = {
        power ? "Refused: the power at its peak needs " +
                    core::RoundedText(c.PowerPeakTorqueShare, 1) + " x the peak torque."
              : "Refused: the peak torque at the plateau's end gives " +
                    core::RoundedText(c.PlateauPowerShare, 2) + " x the peak power.",
        power ? "Lower the power, or raise its speed or the peak torque."
              : "Lower the peak torque or the plateau width, or raise the power."};
    plot.ForeColor = kRefusalColor;
    float top = 0.0f;
    for (const std::string& line : lines) {
        plot.CurrentX = kRefusalLeft;
        plot.CurrentY = top;
        plot.Print(line);
        top += plot.TextHeight(line);
    }
    plot.ForeColor = 0;
}

}  // namespace

void PreviewEngineEdits(Main& form) { PreviewEngineEdits(form, VehicleToStore(form)); }

void PreviewEngineEdits(Main& form, const vehicle::VehicleRecord& record) {
    auto& state = EngineDisplays();
    // A vehicle that is not wheel driven has no engine curve to preview.
    if (form.VehData_NewDrivetrain->ListIndex() == vehicle::kDriveThrust) {
        ClearDynoGraph(form);
        if (TorqueDataTable* table = OpenTorqueDataTable()) table->DataTable->ClearItems();
        return;
    }
    state.EngineInputErrors = CountEngineInputErrors();
    if (state.EngineInputErrors != 0) return;

    // The engine of the record a store would write, as the vehicle check judges it.
    vehicle::EngineRecord trial = vehicle::EngineRecordFromFigures(
        record.Engine, vehicle::kDriveRear, vehicle::EngineCode().CurrentEngine);
    trial.Throttle = static_cast<float>(form.VehData_DynoThrottle->Value() / 100.0);
    const vehicle::EngineFigureConflicts conflicts = vehicle::FindEngineFigureConflicts(trial);

    vehicle::UpdateEngineModel(trial, vehicle::kDriveRear);  // any wheel-driven type fits
    platform::Surface& plot = form.TorquePowerPlot->Surf();
    plot.BeginFrame();  // the curve and the refusal appear together
    DrawDynoGraph(form, trial);
    if (conflicts.Any()) PrintFigureConflict(plot, conflicts);
    plot.EndFrame();

    if (core::FromVbBool(state.TorqueTableOpen)) {
        state.TorqueTableFilling = core::VbTrue;
        FillTorqueDataTable(trial);
        state.TorqueTableFilling = core::VbFalse;
    }
}

}  // namespace ui
