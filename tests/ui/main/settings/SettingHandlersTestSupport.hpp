// Shared by the setting-handler tests: a fresh main window with the handlers attached, every
// routine replaced by a recorder of its name, and the flags set so that recalculation is
// allowed (automatic recalculation on, nothing loading or suppressed, one vehicle loaded).
#pragma once

#include <string>
#include <vector>

#include "ui/main/MainTestSupport.hpp"
#include "analysis/AccelerationCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "platform/ServiceDoubles.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace ui_test {

class SettingHandlersTest : public MainWindowTest {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        MainWindowTest::SetUp();
        vehicle::TyreCode() = vehicle::TyreCodeState{};
        vehicle::InitTyreCompounds();
        vehicle::EngineCode() = vehicle::EngineCodeState{};
        analysis::SteeringCode() = analysis::SteeringCodeState{};
        analysis::AccelerationCode() = analysis::AccelerationCodeState{};
        ui::InstallSettingHandlers(*w);
        RecordRoutines();
        AllowRecalc();
    }
    void TearDown() override {
        // The recorders point into this fixture: leave no routine behind.
        ui::SettingHandlers() = ui::SettingHandlersState{};
        MainWindowTest::TearDown();
    }

    // Every routine slot appends its name to `calls`; the time-step routines append
    // "Name(step)" with the step in microseconds.
    void RecordRoutines() {
        auto& r = ui::SettingHandlers().Routines;
        auto rec = [this](const char* name) { return [this, name] { calls.emplace_back(name); }; };
        auto recStep = [this](const char* name) {
            return [this, name](float& dt) {
                calls.push_back(std::string(name) + "(" +
                                std::to_string(static_cast<int>(dt * 1e6f + 0.5f)) + ")");
            };
        };
        r.CalcMassesAndCentreOfGravity = rec("CalcMassesAndCentreOfGravity");
        r.AnalyseLiveState = rec("AnalyseLiveState");
        r.UpdateTyreAnalysis = rec("UpdateTyreAnalysis");
        r.BuildAeroSpeedTable = rec("BuildAeroSpeedTable");
        r.CalcGearing = rec("CalcGearing");
        r.CalcSteeringGeometry = rec("CalcSteeringGeometry");
        r.PlotSteeringGeometry = rec("PlotSteeringGeometry");
        r.SetBrakeTorques = rec("SetBrakeTorques");
        r.ShowBrakeSettings = rec("ShowBrakeSettings");
        r.SetDiffParams = rec("SetDiffParams");
        r.ShowDiffSettings = rec("ShowDiffSettings");
        r.RecalculateAll = rec("RecalculateAll");
        r.RunAccelerationAnalysis = recStep("RunAccelerationAnalysis");
        r.SearchAccRun = recStep("SearchAccRun");
        r.DrawAccGraph = recStep("DrawAccGraph");
        r.RunDecelerationAnalysis = rec("RunDecelerationAnalysis");
        r.SearchDecRun = rec("SearchDecRun");
        r.DrawDecGraph = rec("DrawDecGraph");
        r.DrawSuspResponseChart = rec("DrawSuspResponseChart");
        r.DrawAeroSpeedChart = rec("DrawAeroSpeedChart");
        r.ShowTyreAnalysis = rec("ShowTyreAnalysis");
        r.DrawTyreDiagrams = rec("DrawTyreDiagrams");
        r.DrawGearingGraph = rec("DrawGearingGraph");
        r.ShowDragRaceWindow = rec("ShowDragRaceWindow");
        r.ShowGearingAutoSpacer = rec("ShowGearingAutoSpacer");
        r.ShowMakeLevelRide = rec("ShowMakeLevelRide");
    }

    static void AllowRecalc() {
        auto& g = core::GlobalChassisLab();
        g.FormLoading = core::VbFalse;
        g.SuppressRecalc = core::VbFalse;
        g.VehicleLayoutBusy = core::VbFalse;
        g.SetupControlsBusy = core::VbFalse;
        g.VehicleCount = 1;
        core::OptionsSettings().AutoRecalc = core::VbTrue;
    }
    static void SetAutoRecalc(bool on) { core::OptionsSettings().AutoRecalc = core::ToVbBool(on); }
    static void SetSuppress(bool on) {
        core::GlobalChassisLab().SuppressRecalc = core::ToVbBool(on);
    }
    static void SetLoading(bool on) { core::GlobalChassisLab().FormLoading = core::ToVbBool(on); }

    // The calls made by `action`, alone.
    template <typename F>
    std::vector<std::string> CallsOf(F&& action) {
        calls.clear();
        action();
        return calls;
    }

    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

}  // namespace ui_test
