#include "ui/main/editor/EnginePreview.hpp"

#include <string>

#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/editor/EditorInputFlags.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "vehicle/EngineFigureCheck.hpp"
#include "vehicle/VehCode.hpp"

namespace ui {

namespace {

double N(const platform::TextBox& box) { return core::TypedVal(box.Text()); }

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

vehicle::EngineFigureConflicts PreviewEngineEdits(Main& form) {
    auto& state = EngineDisplays();
    // A vehicle that is not wheel driven has no engine curve to preview.
    if (form.VehData_NewDrivetrain->ListIndex() == vehicle::kDriveThrust) {
        ClearDynoGraph(form);
        if (TorqueDataTable* table = OpenTorqueDataTable()) table->DataTable->ClearItems();
        return {};
    }
    state.EngineInputErrors = CountEngineInputErrors();
    if (state.EngineInputErrors != 0) return {};

    const auto& u = core::OptionsSettings();
    const double arv = u.UnitFactorARV;
    vehicle::EngineRecord trial = vehicle::EngineCode().CurrentEngine;
    trial.PeakTorque = static_cast<float>(N(*form.VehData_NewTorque) / u.UnitFactorTorque);
    trial.TorquePeakStart = static_cast<float>(N(*form.VehData_NewTorqueRPM) / arv);
    trial.TorquePeakEnd =
        static_cast<float>(N(*form.VehData_NewTorquePeakWidth) / arv) + trial.TorquePeakStart;
    trial.PeakPower = static_cast<float>(N(*form.VehData_NewPower) / u.UnitFactorPower);
    trial.PowerPeakSpeed = static_cast<float>(N(*form.VehData_NewPowerRPM) / arv);
    trial.IdleSpeed = static_cast<float>(N(*form.VehData_NewIdleRPM) / arv);
    trial.LimitSpeed = static_cast<float>(N(*form.VehData_NewLimitRPM) / arv);
    trial.IdleTorqueFraction = static_cast<float>(form.VehData_NewIdleTorque->Value() / 100.0);
    trial.LowerShape = static_cast<float>(form.VehData_NewTCA->Value() / 10.0);
    trial.UpperShapeA = static_cast<float>(form.VehData_NewPCA->Value() / 100.0);
    trial.UpperShapeB = static_cast<float>(1.0 - form.VehData_NewPWA->Value() / 10000.0);
    trial.ReducePowerFactor = static_cast<float>(1.0 - form.VehData_NewPR->Value() / 1000.0);
    trial.ShiftPowerFactor = static_cast<float>(1.0 + form.VehData_NewPS->Value() / 1000.0);
    trial.EngineBrakingCoeff = static_cast<float>(N(*form.VehData_NewEBC));
    trial.Throttle = static_cast<float>(form.VehData_DynoThrottle->Value() / 100.0);

    vehicle::UpdateEngineModel(trial, vehicle::kDriveRear);  // any wheel-driven type fits
    const vehicle::EngineFigureConflicts conflicts = vehicle::FindEngineFigureConflicts(trial);
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
    return conflicts;
}

}  // namespace ui
