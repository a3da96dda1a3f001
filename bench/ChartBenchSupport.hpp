// The main window of the chart benchmarks: the tests' sample car prepared and made current,
// its live and setup controls set to the sample inputs, automatic recalculation on, and every
// chart of the analysis pages drawn once; the suspension page's tab chosen.
#pragma once

#include "support/SampleVehicles.hpp"
#include "ui/main/AnalysisChain.hpp"
#include "ui/main/Main.hpp"

namespace chart_bench {

inline ui::Main& PrepareWindow() {
    sample::ResetAll();
    sample::Setup setup;
    setup.live.SpeedMs = 25;
    setup.live.ThrottlePercent = 50;
    sample::Prepare(sample::SampleCar(), setup);
    core::GlobalChassisLab().VehicleCount = 1;
    core::OptionsSettings().AutoRecalc = core::VbTrue;
    ui::ResetMainWindow();
    ui::Main& form = ui::MainWindow();
    const analysis::LiveStateInputs& in = setup.live;
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

}  // namespace chart_bench
