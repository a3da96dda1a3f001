// A car whose idle and torque-peak speeds lie at or near standstill still drives: the torque
// the run uses at its launch speed is the curve's, and the car covers the distance. The fit
// took both near-zero speeds as 0 (a plateau from standstill) while the torque took the cubic
// between them, which the fit had left all zeros: the car stood still for the whole run.
#include <gtest/gtest.h>

#include "analysis/AccelerationCode.hpp"
#include "support/SampleVehicles.hpp"

namespace {

constexpr double kRpmPerRadPerSec = 9.549296585513720;

TEST(EngineLaunch, IdleAndTorquePeakNearStandstillStillDriveTheCar) {
    struct Speeds {
        double idle, torquePeak;  // rad/s
    };
    // The 0.5 rad/s torque peak over idle 0 is the editor's own example; the others lie around
    // the share of the power peak (0.68 rad/s here) below which the fit takes a speed as 0.
    const Speeds cases[] = {{0.0, 0.5}, {0.3, 0.5}, {0.0, 0.01}, {0.0, 0.0}, {0.0, 0.9},
                            {0.0, 5.0}, {0.5, 0.5}};
    for (const Speeds& c : cases) {
        SCOPED_TRACE(::testing::Message() << "idle " << c.idle << ", torque peak " << c.torquePeak);
        sample::ResetAll();
        vehicle::VehicleRecord car = sample::SampleCar();
        car.Engine.IdleRPM = static_cast<float>(c.idle * kRpmPerRadPerSec);
        car.Engine.TorquePeakRPM = static_cast<float>(c.torquePeak * kRpmPerRadPerSec);
        sample::Prepare(car);

        // The launch speed lies a quarter of the way from idle to the torque peak.
        vehicle::EngineRecord engine = vehicle::EngineCode().CurrentEngine;
        engine.Speed = static_cast<float>(0.75 * c.idle + 0.25 * c.torquePeak);
        engine.Throttle = 1.0f;
        EXPECT_GT(vehicle::GetEngineTorque(engine), 0.5f * car.Engine.PeakTorque);

        analysis::RunAccelerationAnalysis(0.01f, {}, {});
        const auto& run = analysis::AccelerationCode();
        EXPECT_GT(run.Row(run.AccLastStep, analysis::AccCol::Distance), 100.0f);
    }
}

}  // namespace
