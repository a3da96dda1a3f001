// Idle and torque-peak speeds at or near standstill: the fit took both as 0 (a plateau from
// standstill) while the torque took the cubic between them, all zeros, and the car stood still.
#include <gtest/gtest.h>

#include "analysis/AccelerationCode.hpp"
#include "support/SampleVehicles.hpp"

namespace {

// rad/s: the editor's idle 0 and torque peak 0.5, and speeds around the share of the power
// peak (0.68 rad/s here) below which the fit takes a speed as 0.
TEST(EngineLaunch, IdleAndTorquePeakNearStandstillStillDriveTheCar) {
    const double speeds[][2] = {{0, 0.5}, {0.3, 0.5}, {0, 0.01}, {0, 0}, {0, 0.9}, {0.5, 0.5}};
    for (const auto& [idle, torquePeak] : speeds) {
        sample::ResetAll();
        vehicle::VehicleRecord car = sample::SampleCar();
        car.Engine.IdleRPM = static_cast<float>(idle * 30.0 / 3.141592653589793);
        car.Engine.TorquePeakRPM = static_cast<float>(torquePeak * 30.0 / 3.141592653589793);
        sample::Prepare(car);
        vehicle::EngineRecord engine = vehicle::EngineCode().CurrentEngine;
        engine.Speed = static_cast<float>(0.75 * idle + 0.25 * torquePeak);  // the launch speed
        EXPECT_GT(vehicle::GetEngineTorque(engine), 125.0f) << idle << ", " << torquePeak;

        analysis::RunAccelerationAnalysis(0.01f, {}, {});
        const auto& run = analysis::AccelerationCode();
        EXPECT_GT(run.Row(run.AccLastStep, analysis::AccCol::Distance), 100.0f) << idle;
    }
}

}  // namespace
