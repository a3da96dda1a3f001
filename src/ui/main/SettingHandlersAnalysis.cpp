// Handlers of the analysis pages' own inputs: run buttons, precision, search boxes, graph and
// diagram selectors, the tyre wheel choice and zoom, and the buttons opening tool windows.
#include <string>

#include "analysis/AccelerationCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "ui/main/Main.hpp"
#include "ui/main/SettingHandlers.hpp"

namespace ui {

namespace {
SettingRoutines& R() { return SettingHandlers().Routines; }
void Run(const std::function<void()>& routine) { platform::Raise(routine); }
// An acceleration routine with the run's time step.
void RunWithStep(const std::function<void(float&)>& routine) {
    if (routine) routine(analysis::AccelerationCode().AccTimeStep);
}
}  // namespace

// With automatic recalculation off the analyses may be stale: bring them up to date first.
void Analysis_AccCalc_Click(Main&) {
    if (!AutoRecalcOn()) Run(R().RecalculateAll);
    RunWithStep(R().RunAccelerationAnalysis);
}

void Analysis_DecCalc_Click(Main&) {
    if (!AutoRecalcOn()) Run(R().RecalculateAll);
    Run(R().RunDecelerationAnalysis);
}

// The step of the next run; nothing is rerun.
void Analysis_AccPrecision_Click(Main& form) {
    const int i = form.Analysis_AccPrecision->ListIndex();
    if (i >= 0 && i < static_cast<int>(analysis::kAccTimeSteps.size()))
        analysis::AccelerationCode().AccTimeStep =
            analysis::kAccTimeSteps[static_cast<std::size_t>(i)];
}

void Analysis_AccSearchInput_Change(Main&, int) { RunWithStep(R().SearchAccRun); }

void Analysis_DecSearchInput_Change(Main&, int) { Run(R().SearchDecRun); }

void Analysis_AccGraphData_Click(Main&, int) {
    if (NotLoading()) RunWithStep(R().DrawAccGraph);
}

void Analysis_DecGraphData_Click(Main&, int) {
    if (NotLoading()) Run(R().DrawDecGraph);
}

void Analysis_SuspDampGraphCombo_Click(Main&) {
    if (NotLoading()) Run(R().DrawSuspResponseChart);
}

void Analysis_AeroGraphOption_Click(Main& form) {
    const bool lift =
        form.Analysis_AeroGraphOption->Text() == core::TextTable().AeroGraphOptionNames[1];
    SettingHandlers().AeroGraphMode = core::ToVbBool(lift);
    if (NotLoading()) Run(R().DrawAeroSpeedChart);
}

void Analysis_TyreChoice_Click(Main&) {
    if (!NotLoading() || !NotSuppressed() || !AutoRecalcOn()) return;
    Run(R().ShowTyreAnalysis);
    Run(R().DrawTyreDiagrams);
}

void Analysis_TyresZoom_Change(Main&, int) { Run(R().DrawTyreDiagrams); }

void Analysis_SteerToeDiagramMode_Click(Main& form) {
    const bool closeUp =
        form.Analysis_SteerToeDiagramMode->Text() == core::TextTable().SteerDiagramModeNames[0];
    analysis::SteeringCode().ToeDiagramMode = closeUp ? 0 : 1;
    if (NotLoading()) Run(R().PlotSteeringGeometry);
}

void Analysis_SteerCamberDiagramMode_Click(Main& form) {
    const bool front =
        form.Analysis_SteerCamberDiagramMode->Text() == core::Trim(core::TextTable().FrontText);
    analysis::SteeringCode().CamberDiagramMode = front ? 0 : 1;
    if (NotLoading()) Run(R().PlotSteeringGeometry);
}

void Analysis_AccWatchRealtime_Click(Main&) { Run(R().ShowDragRaceWindow); }

void Analysis_GearingAutoSpace_Click(Main&) { Run(R().ShowGearingAutoSpacer); }

void Analysis_SuspMakeLevelRide_Click(Main&) { Run(R().ShowMakeLevelRide); }

void InstallAnalysisInputHandlers(Main& form) {
    Main* f = &form;
    form.Analysis_AccCalc->Click = [f] { Analysis_AccCalc_Click(*f); };
    form.Analysis_DecCalc->Click = [f] { Analysis_DecCalc_Click(*f); };
    form.Analysis_AccPrecision->Click = [f] { Analysis_AccPrecision_Click(*f); };
    form.Analysis_AccSearchInput.ForEach([f](int i, platform::TextBox& b) {
        b.Change = [f, i] { Analysis_AccSearchInput_Change(*f, i); };
    });
    form.Analysis_DecSearchInput.ForEach([f](int i, platform::TextBox& b) {
        b.Change = [f, i] { Analysis_DecSearchInput_Change(*f, i); };
    });
    form.Analysis_AccGraphData.ForEach([f](int i, platform::ComboBox& c) {
        c.Click = [f, i] { Analysis_AccGraphData_Click(*f, i); };
    });
    form.Analysis_DecGraphData.ForEach([f](int i, platform::ComboBox& c) {
        c.Click = [f, i] { Analysis_DecGraphData_Click(*f, i); };
    });
    form.Analysis_SuspDampGraphCombo->Click = [f] { Analysis_SuspDampGraphCombo_Click(*f); };
    form.Analysis_AeroGraphOption->Click = [f] { Analysis_AeroGraphOption_Click(*f); };
    form.Analysis_TyreChoice->Click = [f] { Analysis_TyreChoice_Click(*f); };
    form.Analysis_TyresZoom.ForEach([f](int i, platform::ScrollBar& s) {
        s.Change = [f, i] { Analysis_TyresZoom_Change(*f, i); };
        s.Scroll = [f, i] { Analysis_TyresZoom_Change(*f, i); };
    });
    form.Analysis_SteerToeDiagramMode->Click = [f] { Analysis_SteerToeDiagramMode_Click(*f); };
    form.Analysis_SteerCamberDiagramMode->Click = [f] {
        Analysis_SteerCamberDiagramMode_Click(*f);
    };
    form.Analysis_AccWatchRealtime->Click = [f] { Analysis_AccWatchRealtime_Click(*f); };
    form.Analysis_GearingAutoSpace->Click = [f] { Analysis_GearingAutoSpace_Click(*f); };
    form.Analysis_SuspMakeLevelRide->Click = [f] { Analysis_SuspMakeLevelRide_Click(*f); };
}

}  // namespace ui
