// The suspension and steering share of one live-state analysis: the static figures, the
// steering geometry, four load passes of sharing, roll, pitch, camber and sprung heights, and
// the three 2-second response runs. (The whole live-state analysis has a 0.3 ms budget.)
#include <benchmark/benchmark.h>

#include "support/SampleVehicles.hpp"

namespace {

// The sample car at rest, its live loads shifted 900 N towards the left as in a turn.
void SetUpCar() {
    sample::ResetAll();
    sample::Prepare(sample::SampleCar());
    auto& p = analysis::PhysicalCode();
    for (int i = 0; i < 4; ++i) p.CornerDynamicLoad[i] += (i % 2 == 0 ? 900.0f : -900.0f);
}

// Firmer than the sample setup: 75 / 60 N/mm springs with bars, so every term works.
analysis::SuspensionSetupInputs StiffSuspension() {
    analysis::SuspensionSetupInputs susp;
    susp.SpringTravelMm = {100, 110};
    susp.SpringStiffness = {750, 600};
    susp.BumpDamp = {50, 45};
    susp.ReboundDamp = {65, 60};
    susp.ARBStiffness = {500, 300};
    return susp;
}

void BM_SuspensionAndSteeringLivePass(benchmark::State& state) {
    SetUpCar();
    const analysis::SuspensionSetupInputs susp = StiffSuspension();
    analysis::SteeringSetupInputs steer;
    steer.Caster = {45, 10};
    analysis::LiveSteeringInputs live;
    live.SteeringAngle = 50;
    auto& s = analysis::SuspensionCode();
    auto& p = analysis::PhysicalCode();
    for (auto _ : state) {
        analysis::CalcSuspension(susp, 25);
        analysis::PitchAngles pitch;
        benchmark::DoNotOptimize(analysis::CalcSteeringGeometry(steer, live, 25, pitch));
        for (int pass = 0; pass < 4; ++pass) {
            for (int i = 0; i < 4; ++i) {
                s.SuspCorners[i].SpringLoad =
                    p.CornerDynamicLoad[i] - p.UnsprungCornerMass[i] * 9.80665f;
            }
            analysis::ShareAxleLoad(s.SuspCorners[0], s.SuspCorners[1], s.AntiRollStiffness[0]);
            analysis::ShareAxleLoad(s.SuspCorners[2], s.SuspCorners[3], s.AntiRollStiffness[1]);
            analysis::CalcBodyRollAngles();
            pitch = analysis::CalcBodyPitch(s.SuspCorners, vehicle::TyreCode().WheelTyres);
            analysis::CalcWheelCamber(pitch);
            analysis::CalcAxleHeightsSprung(s.SuspHeightChange, p.VehicleCoG,
                                            s.SuspCorners[0].WheelTravelLeft,
                                            s.SuspCorners[1].WheelTravelLeft,
                                            s.SuspCorners[2].WheelTravelLeft,
                                            s.SuspCorners[3].WheelTravelLeft);
        }
        analysis::SimulateSuspensionResponse();
        benchmark::DoNotOptimize(s.LiveResponseTravel[0][400]);
    }
}
BENCHMARK(BM_SuspensionAndSteeringLivePass)->Unit(benchmark::kMicrosecond);

// The response runs alone (4,800 corner steps).
void BM_SuspensionResponseRuns(benchmark::State& state) {
    SetUpCar();
    const analysis::SuspensionSetupInputs susp = StiffSuspension();
    analysis::CalcSuspension(susp, 25);
    for (auto _ : state) {
        analysis::SimulateSuspensionResponse();
        benchmark::DoNotOptimize(analysis::SuspensionCode().DropResponseTravel[0][400]);
    }
}
BENCHMARK(BM_SuspensionResponseRuns)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
