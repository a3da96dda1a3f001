// The engine-brake reduction at its top on the shipped Golf, set as a person sets it: the engine
// neither brakes nor drives. The throttle search once stopped one step past the throttle of no
// torque, and the engine pushed the car in the deceleration run's first row (-2.23 N) and on
// the live page.
#include <gtest/gtest.h>

#include "analysis/DecelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"

namespace {

class EngineBrakeReductionSampleCar : public testsupport::StartedProgram {};

TEST_F(EngineBrakeReductionSampleCar, AtItsTopTheEngineNeverDrives) {
    CopyShippedData();
    ui::Main& w = Start();
    ASSERT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentVehicle.Name), "VW Golf GTI Mk7");
    w.Set_EBR->UserDrag(100);
    w.Analysis_DecOptions(0).SetValue(1);  // "Apply brakes"
    w.Analysis_DecOptions(1).SetValue(1);  // "Use engine braking"
    w.Analysis_DecCalc->UserClick();
    const auto& run = analysis::DecelerationCode();
    ASSERT_GT(run.DecLastStep, 0);
    // Positive while slowing: the brakes are not yet applied in the first row.
    EXPECT_GE(run.Row(0, analysis::DecCol::BrakingForce), 0.0f);

    // The live page, coasting with the throttle closed at every speed up to 80 m/s. The
    // throttle was once found at the engine speed of the unloaded radius alone; at the rolling
    // radius the engine turns a little faster, and at 2 and 3 m/s that throttle drove the car.
    w.Live_Throttle->SetValue(0);
    const auto& live = analysis::LiveStateCode();
    for (int speed = 1; speed <= 80; ++speed) {
        w.Live_Speed->SetValue(speed);
        EXPECT_LE(live.LiveEngine.Torque, 0.0f) << speed;
        EXPECT_LE(live.LiveAccelParts[analysis::kAccelDrive], 0.0f) << speed;
    }
}

// The live page coasting with the throttle closed eases the engine braking by the share set,
// once, as the deceleration run does: from 5 to 60 m/s the engine torque over the
// closed-throttle torque at the live engine speed is 1 - reduction, within one step of the
// throttle search; and it is the torque the run's search finds at that speed.
TEST_F(EngineBrakeReductionSampleCar, TheLivePageRemovesTheShareSetOnceAsTheRunDoes) {
    CopyShippedData();
    ui::Main& w = Start();
    ASSERT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentVehicle.Name), "VW Golf GTI Mk7");
    w.Live_Throttle->SetValue(0);
    const auto& live = analysis::LiveStateCode().LiveEngine;
    for (int percent : {25, 50, 75}) {
        w.Set_EBR->UserDrag(percent);
        const float kept = 1.0f - static_cast<float>(percent) / 100.0f;
        for (int speed = 5; speed <= 60; ++speed) {
            w.Live_Speed->SetValue(speed);
            ASSERT_LT(live.Speed, live.LimitSpeed) << speed;
            const vehicle::TorqueEnds ends = vehicle::GetTorqueEnds(live);
            const float closed = vehicle::TorqueAtThrottle(ends, 0.0f);
            ASSERT_LT(closed, 0.0f) << speed;
            const auto step = static_cast<float>(analysis::kThrottleSearchStep);
            const float stepShare = step * (ends.Full - ends.Braking) / -closed;
            const float share = live.Torque / closed;
            EXPECT_LE(share, kept) << percent << " % at " << speed << " m/s";
            EXPECT_GT(share, kept - stepShare) << percent << " % at " << speed << " m/s";

            vehicle::EngineRecord run = vehicle::EngineCode().CurrentEngine;
            run.Speed = live.Speed;
            run.Throttle = 0.0f;
            EXPECT_EQ(analysis::ReduceEngineBraking(run, ends), live.Torque) << speed;
            EXPECT_EQ(run.Throttle, live.Throttle) << speed;
        }
    }
}

// A part throttle eases from the torque that throttle gives, not from the closed throttle's:
// the Golf at 25 m/s (second gear, its engine at 658.6 rad/s, where the closed throttle
// brakes with -72.70 N m and the full throttle drives with 245.80 N m) with half the engine
// braking removed, the throttle at 2, 4 and 6 %: half of -66.33, -59.96 and -53.59 N m, to
// within a step of the throttle search, less as the throttle opens. Eased from the closed
// throttle, it braked with -36.07 N m at each.
TEST_F(EngineBrakeReductionSampleCar, APartThrottleEasesFromItsOwnTorque) {
    CopyShippedData();
    ui::Main& w = Start();
    ASSERT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentVehicle.Name), "VW Golf GTI Mk7");
    w.Set_EBR->UserDrag(50);
    w.Live_Speed->SetValue(25);
    const auto& live = analysis::LiveStateCode().LiveEngine;
    const struct {
        int throttle;  // %
        float torque;  // N m
    } cases[] = {{2, -32.89f}, {4, -29.70f}, {6, -26.51f}};
    for (const auto& c : cases) {
        w.Live_Throttle->SetValue(c.throttle);
        EXPECT_NEAR(live.Torque, c.torque, 0.005f) << c.throttle << " %";
        const vehicle::TorqueEnds ends = vehicle::GetTorqueEnds(live);
        const float own = vehicle::TorqueAtThrottle(ends, c.throttle / 100.0f);
        ASSERT_LT(own, 0.0f) << c.throttle << " %";
        const auto step = static_cast<float>(analysis::kThrottleSearchStep);
        EXPECT_GE(live.Torque, 0.5f * own) << c.throttle << " %";
        EXPECT_LT(live.Torque, 0.5f * own + step * (ends.Full - ends.Braking))
            << c.throttle << " %";
    }
}

}  // namespace
