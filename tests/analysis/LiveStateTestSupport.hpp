// Kept for the window tests that still include it: the live-state sample of earlier tests is
// the sample car with a 1000 kg body and the rear seat on the centre line, moving at 25 m/s on
// half throttle. New tests use support/SampleVehicles.hpp.
#pragma once

#include "support/SampleVehicles.hpp"

namespace live_test {

using sample::kG;
using sample::kSeats;
using sample::ResetAll;

inline void SetSampleRecord() {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v = sample::SampleCar();
    v.BodyMass = 1000.0f;
    v.Seats[1].X = 0.5f;
}

inline analysis::LiveStateInputs SampleInputs() {
    analysis::LiveStateInputs in = sample::Setup::LiveInputs();
    in.SpeedMs = 25;
    in.ThrottlePercent = 50;
    return in;
}

inline void PrepareVehicle() {
    sample::Setup setup;
    setup.live = SampleInputs();
    sample::PrepareModels(setup);
}

}  // namespace live_test
