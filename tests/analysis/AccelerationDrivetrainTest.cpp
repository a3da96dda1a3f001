// The drivetrain and traction steps of the acceleration run on hand-made states: the
// limited-slip transfer keeps each axle's torque, the traction ratio of a wheel without drive
// torque, the slip ratio bound, the launch loss and the throttle reduction.
#include <gtest/gtest.h>

#include <cmath>

#include "support/SampleVehicles.hpp"
#include "analysis/AccelerationRunState.hpp"

namespace {

class AccelerationDrivetrainTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        auto& g = vehicle::GearingCode();
        g.OverallRatios[1] = 10.0f;
        g.AxleTorqueShare = {0.0f, 1.0f};  // rear drive
        g.DiffParams[1].PowerLocking = 0.5f;
        g.DiffParams[1].PowerBiasRatio = 3.0f;
        g.DiffParams[1].PreLoad = 0.0f;
        r.driveType = vehicle::kDriveRear;
        r.frontShare = 0.0f;
        r.gear = 1;
        r.clutch = 1.0f;
        r.dt = 0.01f;
        r.slipRateLimit = 0.003f;
        r.efficiency = 1.0f;
        for (auto& t : tyres) t.RollingRadius = 0.3f;
    }
    analysis::accrun::Run r;
    std::array<vehicle::TyreState, 4> tyres{};
};

// Rear wheels asking 600 N m each, the left one able to take only 400 N m: the open side
// passes torque to the gripping side, and under throttle reduction the final pass repeats that
// move once per axle, so the axle's torque is what the differential was given.
TEST_F(AccelerationDrivetrainTest, LimitedSlipTransferKeepsTheAxleTorque) {
    tyres[2].TractionTorqueLimit = 400.0f;
    tyres[3].TractionTorqueLimit = 1000.0f;
    r.driveTorque = 1200.0f;
    r.axleTorque = {0.0f, 1200.0f};  // last step's
    r.wheelTorque = {0.0, 0.0, 600.0, 600.0};
    r.tractionRatio = {0.0f, 0.0f, 400.0f / 600.0f, 1000.0f / 600.0f};
    r.minRatio = 1.0f;
    analysis::accrun::LimitedSlipTransfer(r, tyres);
    // Spare torque: left 400 - 600 = -200, right 1000 - 600 = 400; t = 2 min(200, 400) = 400,
    // within the lock torque 0.5 x 1200 = 600. Left gives 200, right takes 200.
    EXPECT_FLOAT_EQ(r.transfer[1], 400.0f);
    EXPECT_EQ(r.lowerWheel[1], 2);
    EXPECT_EQ(r.higherWheel[1], 3);
    EXPECT_DOUBLE_EQ(r.wheelTorque[2], 400.0);
    EXPECT_DOUBLE_EQ(r.wheelTorque[3], 800.0);
    EXPECT_FLOAT_EQ(r.minRatio, 1.0f);  // both wheels now within their limits

    // Now say the throttle came down to 1000 N m at the axle (some other limit).
    r.minRatio = 0.9f;
    r.driveTorque = 1000.0f;
    analysis::accrun::FinalWheelPass(r, tyres);
    // 500 each, then the transfer once: 300 and 700. The axle keeps its 1000 N m.
    EXPECT_DOUBLE_EQ(r.wheelTorque[2], 300.0);
    EXPECT_DOUBLE_EQ(r.wheelTorque[3], 700.0);
    EXPECT_FLOAT_EQ(r.axleTorque[1], 1000.0f);
    EXPECT_DOUBLE_EQ(r.wheelForce[2] + r.wheelForce[3], 1000.0 / static_cast<double>(0.3f));
    EXPECT_EQ(r.wheelTorque[0], 0.0);
    EXPECT_EQ(r.wheelTorque[1], 0.0);
}

// Equal traction ratios, or both wheels within grip: no transfer.
TEST_F(AccelerationDrivetrainTest, NoTransferWhenBothWheelsGripOrRatiosAreEqual) {
    tyres[2].TractionTorqueLimit = 800.0f;
    tyres[3].TractionTorqueLimit = 900.0f;
    r.axleTorque = {0.0f, 1200.0f};
    r.wheelTorque = {0.0, 0.0, 600.0, 600.0};
    r.tractionRatio = {0.0f, 0.0f, 800.0f / 600.0f, 900.0f / 600.0f};
    analysis::accrun::LimitedSlipTransfer(r, tyres);
    EXPECT_EQ(r.transfer[1], 0.0f);
    EXPECT_DOUBLE_EQ(r.wheelTorque[2], 600.0);

    tyres[3].TractionTorqueLimit = 400.0f;
    tyres[2].TractionTorqueLimit = 400.0f;
    r.tractionRatio = {0.0f, 0.0f, 400.0f / 600.0f, 400.0f / 600.0f};
    analysis::accrun::LimitedSlipTransfer(r, tyres);
    EXPECT_EQ(r.transfer[1], 0.0f);
    EXPECT_FLOAT_EQ(r.minRatio, 400.0f / 600.0f);
}

// A driven wheel whose torque is all inertia torque (no drive torque) has nothing the tyre
// must limit: its traction ratio is 1, not a division by zero.
TEST_F(AccelerationDrivetrainTest, WheelWithOnlyInertiaTorqueHasRatioOne) {
    tyres[2].TractionTorqueLimit = 300.0f;
    tyres[3].TractionTorqueLimit = 300.0f;
    r.inertiaTorque = {0.0, 0.0, 50.0, 50.0};
    r.wheelTorque = {0.0, 0.0, 50.0, 50.0};
    analysis::accrun::LimitedSlipTransfer(r, tyres);
    EXPECT_FLOAT_EQ(r.tractionRatio[2], 1.0f);
    EXPECT_FLOAT_EQ(r.tractionRatio[3], 1.0f);
    EXPECT_FLOAT_EQ(r.minRatio, 1.0f);
}

// Slip follows torque / limit x 0.075, smoothed (0.2 of the new value a step) and changing at
// most 0.3 per second; a wheel with no traction limit has none; it never reaches 1.
TEST_F(AccelerationDrivetrainTest, SlipRatioIsSmoothedRateLimitedAndBelowOne) {
    tyres[2].TractionTorqueLimit = 1000.0f;
    tyres[3].TractionTorqueLimit = 0.0f;
    r.wheelTorque = {0.0, 0.0, 1000.0, 500.0};
    r.minRatio = 1.0f;
    r.tractionControl = true;  // keep the torques as given
    analysis::accrun::FinalWheelPass(r, tyres);
    // 0.2 x 0.075 = 0.015, above the step limit 0.003.
    EXPECT_FLOAT_EQ(r.slipRatio[2], 0.003f);
    EXPECT_EQ(r.slipRatio[3], 0.0f);
    // A wheel spinning freely in the air for minutes: torque far above a tiny limit.
    tyres[2].TractionTorqueLimit = 1.0f;
    for (int i = 0; i < 100000; ++i) analysis::accrun::FinalWheelPass(r, tyres);
    EXPECT_LT(r.slipRatio[2], 1.0f);
    EXPECT_GT(r.slipRatio[2], 0.9f);
    r.speed = 20.0;
    analysis::accrun::EngineSpeedFromRoad(r, tyres);
    analysis::accrun::WheelInertiaTorques(r, tyres);
    EXPECT_TRUE(std::isfinite(r.drivenWheelSpeed));
    EXPECT_TRUE(std::isfinite(r.angularSpeed[2]));
}

// The inertia torque is bounded by the size of the live tyre's traction torque: a limit below
// zero (a tyre loaded past its grip model) gives wheels that stand still no torque, and wheels
// spinning down hard at most that size.
TEST_F(AccelerationDrivetrainTest, InertiaTorqueBoundIsTheSizeOfTheTractionLimit) {
    for (auto& t : vehicle::TyreCode().WheelTyres) t.TractionTorqueLimit = -500.0f;
    for (auto& t : tyres) t.Inertia = 1.0f;
    for (const double start : {0.0, 1000.0}) {
        r.angularSpeed = {0.0, 0.0, start, start};
        analysis::accrun::WheelInertiaTorques(r, tyres);  // standing: the wheels come to rest
        EXPECT_EQ(r.inertiaTorque[2], start == 0.0 ? 0.0 : 500.0) << start;
        EXPECT_EQ(r.inertiaTorque[3], r.inertiaTorque[2]);
    }
}

// First step: the driven wheels stand still, so the clutch loses 5 % of its capacity, and the
// engine's torque is limited to the clutch's 0.6 x 1.05 x peak torque.
TEST_F(AccelerationDrivetrainTest, LaunchLossAndClutchLimit) {
    r.engine = sample::FittedSampleEngine();
    r.engine.Throttle = 1.0f;
    r.clutchCapacity = 1.05f * r.engine.PeakTorque;  // 262.5 N m
    r.clutch = 0.6f;
    r.launchSpeed = r.engine.TorquePeakStart * 0.25f + r.engine.IdleSpeed * 0.75f;
    r.engine.Speed = r.launchSpeed;
    r.efficiency = 0.85f;
    analysis::accrun::ComputeDriveTorque(r);
    // min(engine torque, 157.5) - 262.5 x 0.05 = 144.375 N m; x 0.85 x 10 at the wheels.
    ASSERT_GT(r.engine.Torque, 157.5f);
    EXPECT_NEAR(r.driveTorque, (157.5 - 13.125) * 0.85 * 10.0, 1e-2);
}

// Throttle reduction: the throttle falls in steps of 0.001 until the drive torque is no more
// than the weakest wheel's share; the search must end where a one-step-at-a-time loop would.
TEST_F(AccelerationDrivetrainTest, ThrottleReductionStopsAtTheFirstStepWithinTraction) {
    r.engine = sample::FittedSampleEngine();
    r.clutchCapacity = 1.05f * r.engine.PeakTorque;
    r.clutch = 1.0f;
    r.launchSpeed = 1.0f;
    r.drivenWheelSpeed = 50.0;
    r.engine.Speed = 500.0f;
    r.throttleLadder.resize(8);
    r.throttleLadder[0] = 1.0f;
    for (std::size_t k = 1; k < 8; ++k)
        r.throttleLadder[k] = r.throttleLadder[k - 1] - 0.001f;
    for (float m : {0.95f, 0.5f, 0.0f}) {
        SCOPED_TRACE(m);
        r.engine.Throttle = 1.0f;
        analysis::accrun::ComputeDriveTorque(r);
        const float full = r.driveTorque;
        const float target = m * full;
        // The plain loop, as a reference.
        vehicle::EngineRecord e = r.engine;
        float throttle = 1.0f;
        float d = full;
        while (d > target) {
            throttle = throttle - 0.001f;
            e.Throttle = throttle;
            float t = vehicle::GetEngineTorque(e);
            if (r.clutchCapacity * r.clutch < t) t = r.clutchCapacity * r.clutch;
            d = r.efficiency * t * 10.0f;
        }
        r.minRatio = m;
        analysis::accrun::ReduceThrottle(r);
        EXPECT_EQ(r.engine.Throttle, throttle);
        EXPECT_EQ(r.driveTorque, d);
        EXPECT_LE(r.driveTorque, target);
    }
}

}  // namespace
