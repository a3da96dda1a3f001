// What several benchmark programs set up the same way: the main window's live and setup
// controls set to a set of live inputs, the main window of the chart benchmarks, a step of
// the front spring slider, and the longest acceleration run (1/2000 s).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/SampleVehicles.hpp"
#include "support/TemporaryFolder.hpp"
#include "analysis/AccelerationCode.hpp"
#include "platform/Surface.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/startup/MainStartUp.hpp"
#include "platform/ServiceDoubles.hpp"

namespace bench_support {

// The main window's live and setup controls set to the given live inputs.
inline void SetLiveControls(ui::Main& form, const analysis::LiveStateInputs& in) {
    form.Live_Speed->SetValue(in.SpeedMs);
    form.Live_Throttle->SetValue(in.ThrottlePercent);
    form.Set_AeroWingAngle(1).SetValue(in.Wings.RearWingAngle);
    for (int a = 0; a < 2; ++a) {
        form.Set_SuspSpringTravel(a).SetValue(in.Suspension.SpringTravelMm[a]);
        form.Set_SuspSpringStiffness(a).SetValue(in.Suspension.SpringStiffness[a]);
        form.Set_SuspBumpDamp(a).SetValue(in.Suspension.BumpDamp[a]);
        form.Set_SuspReboundDamp(a).SetValue(in.Suspension.ReboundDamp[a]);
        form.Set_SuspARBStiffness(a).SetValue(in.Suspension.ARBStiffness[a]);
    }
    for (int i = 0; i < 4; ++i) form.Set_TyrePressure(i).SetValue(in.TyreSetup.PressureKPa[i]);
}

// The main window of the chart benchmarks: the tests' sample car prepared and made current,
// its live and setup controls set to the sample inputs, automatic recalculation on, and every
// chart of the analysis pages drawn once; the suspension page's tab chosen.
inline ui::Main& PrepareChartWindow() {
    sample::ResetAll();
    sample::Setup setup;
    setup.live.SpeedMs = 25;
    setup.live.ThrottlePercent = 50;
    sample::Prepare(sample::SampleCar(), setup);
    core::GlobalChassisLab().VehicleCount = 1;
    core::OptionsSettings().AutoRecalc = core::VbTrue;
    ui::ResetMainWindow();
    ui::Main& form = ui::MainWindow();
    SetLiveControls(form, setup.live);
    form.Main_SelectPage->SetText("Vehicle Settings");
    form.Analysis_SelectPage->UserSelect(3);  // Springs
    ui::RecalculateAll(form);
    ui::RunAccelerationAnalysisAll(form);
    return form;
}

// Moves the front spring stiffness slider one step up or down, as a drag does; its handler
// runs the live-state analysis with every caption and chart.
inline void MoveSpringSlider(ui::Main& form, int& step) {
    step = step == 10 ? -10 : step + 1;
    auto& slider = form.Set_SuspSpringStiffness(0);
    slider.SetValue(slider.Value() + (step >= 0 ? 1 : -1));
}

// The sample car, alone in a reset program, and its acceleration run at time step dt (s).
inline void RunSampleAccRun(float dt) {
    sample::ResetAll();
    sample::Prepare(sample::SampleCar());
    analysis::RunAccelerationAnalysis(dt, {}, {});
}

// The program started in a temporary copy of the shipped program folder, as it starts on the
// sample cars; removed again with the main window.
struct StartedProgram {
    std::filesystem::path root;
    ui::Main* main = nullptr;

    StartedProgram() {
        platform::InstallServiceDoubles();
        root = testsupport::MakeTemporaryFolder("chassislab-bench");
        if (root.empty()) std::abort();
        std::filesystem::copy(CHASSISLAB_DATA_DIR, root, std::filesystem::copy_options::recursive);
        ui::MainStartUp().ProgramFolder = root.string() + "/";
        main = &ui::MainWindow();
        main->Show();
    }
    ~StartedProgram() {
        ui::ResetMainWindow();
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

// The time step of the longest acceleration run, s.
inline constexpr float kLongestRunStep = 0.0005f;

// The sample car's acceleration run at 1/2000 s (the longest table), and a 1920 x 1080
// surface to draw its graphs on.
inline void RunLongestAccRun(platform::Surface& s) {
    RunSampleAccRun(kLongestRunStep);
    s.SetPixelSize(1920, 1080);
}

}  // namespace bench_support
