// Common parts of the setting handlers: the module state, the default routines, the guards,
// the slider binding and the sound routine; InstallSettingHandlers attaches every group.
#include "ui/main/settings/SettingHandlers.hpp"

#include <utility>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/ScopedValue.hpp"
#include "files/FileHelpers.hpp"
#include "platform/Controls.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/displays/AeroGearingDisplays.hpp"
#include "ui/main/displays/ChartDisplays.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/main/displays/SteeringTyreDisplays.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "vehicle/VehCode.hpp"

namespace ui {

namespace {
// A routine acting on the main window as it is when the routine runs.
std::function<void()> OnMainForm(void (*routine)(Main&)) {
    return [routine] {
        if (Main* f = core::GlobalChassisLab().MainForm) routine(*f);
    };
}
// The same for a routine taking the acceleration time step.
std::function<void(float&)> OnMainForm(void (*routine)(Main&, float&)) {
    return [routine](float& timeStep) {
        if (Main* f = core::GlobalChassisLab().MainForm) routine(*f, timeStep);
    };
}
}  // namespace

SettingRoutines DefaultSettingRoutines() {
    SettingRoutines r;
    r.CalcMassesAndCentreOfGravity = OnMainForm(&CalcMassesAndCentreOfGravity);
    r.AnalyseLiveState = OnMainForm(&AnalyseLiveStateAll);
    r.UpdateTyreAnalysis = OnMainForm(&UpdateTyreAnalysis);
    r.BuildAeroSpeedTable = OnMainForm(&BuildAeroSpeedTable);
    r.CalcGearing = OnMainForm(&CalcGearing);
    r.CalcSteeringGeometry = OnMainForm(&CalcSteeringGeometry);
    r.ShowTyreAnalysis = OnMainForm(&ShowTyreAnalysis);
    r.SetBrakeTorques = OnMainForm(&SetBrakeTorques);
    r.ShowBrakeSettings = OnMainForm(&ShowBrakeSettings);
    r.SetDiffParams = OnMainForm(&SetDiffParams);
    r.ShowDiffSettings = OnMainForm(&ShowDiffSettings);
    r.RecalculateAll = OnMainForm(&RecalculateAll);
    r.RunAccelerationAnalysis = OnMainForm(&RunAccelerationAnalysis);
    r.SearchAccRun = OnMainForm(&SearchAccRun);
    r.RunDecelerationAnalysis = OnMainForm(&RunDecelerationAnalysis);
    r.SearchDecRun = OnMainForm(&SearchDecRun);
    r.PlotSteeringGeometry = OnMainForm(&PlotSteeringGeometry);
    r.DrawAccGraph = OnMainForm(&DrawAccGraph);
    r.DrawDecGraph = OnMainForm(&DrawDecGraph);
    r.DrawSuspResponseChart = OnMainForm(&DrawSuspResponseChart);
    r.DrawAeroSpeedChart = OnMainForm(&DrawAeroSpeedChart);
    r.DrawTyreDiagrams = OnMainForm(&DrawTyreDiagrams);
    r.DrawGearingGraph = OnMainForm(&DrawGearingGraph);
    r.ShowDragRaceWindow = &ShowDragRaceWindow;
    r.ShowGearingAutoSpacer = &ShowGearingAutoSpacer;
    r.ShowMakeLevelRide = &ShowMakeLevelRide;
    return r;
}

void InstallSettingHandlers(Main& form) {
    SettingHandlers() = SettingHandlersState{};
    SettingHandlers().Routines = DefaultSettingRoutines();
    InstallSetupPageHandlers(form);
    InstallTyreHandlers(form);
    InstallLiveHandlers(form);
    InstallAnalysisInputHandlers(form);
    InstallDiffHandlers(form);
    InstallGearRatioHandlers(form);
}

// ---- Guards ----

bool AutoRecalcOn() { return core::FromVbBool(core::OptionsSettings().AutoRecalc); }

bool NotSuppressed() { return !core::FromVbBool(core::GlobalChassisLab().SuppressRecalc); }

bool NotLoading() { return !core::FromVbBool(core::GlobalChassisLab().FormLoading); }

bool RecalcAllowed() { return AutoRecalcOn() && NotSuppressed(); }

bool RecalcAllowedLoaded() {
    return NotLoading() && core::GlobalChassisLab().VehicleCount != 0 && RecalcAllowed();
}

// ---- Slider binding ----

void BindSlider(platform::Slider& slider, std::function<void()> handler, bool userOnly) {
    slider.Scroll = handler;
    if (userOnly) {
        // A click raises Change before Click; only Click runs the handler, so a value written
        // by code (which raises Change alone) runs nothing.
        slider.Click = std::move(handler);
        slider.Change = nullptr;
    } else {
        slider.Change = std::move(handler);
        slider.Click = nullptr;
    }
}

// ---- Typed edits ----

bool TypedEditKey(TypedEdit& edit, int keyAscii) {
    if (keyAscii == platform::kKeyReturn) return true;
    if (keyAscii == platform::kKeyBack || keyAscii >= 32) edit.KeyTyped = true;
    return false;
}

bool TakePersonEdit(TypedEdit& edit) {
    const bool byPerson = edit.KeyTyped || edit.Focused;
    edit.KeyTyped = false;
    edit.Uncommitted = byPerson;
    return byPerson;
}

void WriteAsCode(platform::TextBox& box, TypedEdit& edit, const std::string& text) {
    const core::ScopedValue<bool> byCode(edit.Focused, false);
    edit.KeyTyped = false;
    box.SetText(text);
}

// ---- Sound ----

void PlayWaveFile(std::string& name) {
    name = core::GlobalChassisLab().AppDir + name;
    // Only a file that exists and holds data is handed to the sound service.
    if (files::CheckFile(name) != 1) return;
    platform::Services().sound->PlayAsync(name);
}

}  // namespace ui
