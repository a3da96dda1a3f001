#include "vehicle/GearingCode.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "support/SampleVehicles.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCurveBounds.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

using vehicle::GearingCode;

class GearingCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.Drivetrain.DriveType = vehicle::kDriveRear;
        v.Drivetrain.NumGears = 3;
        v.Drivetrain.HasReverse = core::VbTrue;
        vehicle::EngineCode().CurrentEngine = sample::FittedSampleEngine();
        for (auto& t : vehicle::TyreCode().WheelTyres) t.UnloadedRadius = 0.3f;  // m
        GearingCode().FrontTorqueShare = 0.0f;  // rear drive, as the selection sets it

        auto& o = core::OptionsSettings();
        o.SpeedoIndicated = core::VbTrue;  // rolling radius = base radius 0.98 x 0.3 m
        o.SpeedoErrorPercent = 0.0f;
        o.ShiftPointAuto = core::VbFalse;
        o.FixedShiftRpm = 7500;
        o.GearRevsTopMode = 0;  // top of gear at the power peak
        o.LFSMode = core::VbFalse;

        // Reverse 3.2; gears 3.0, 2.0, 1.5; final drive 4.0.
        inputs.GearRatioText = {"3.2", "3.0", "2.0", "1.5", "1.2", "1.0", "0.9", "0.8", "4.0"};
        inputs.LiveSpeed = 20;
        links.LiveGear = 2;
    }
    void Run() { vehicle::CalcGearing(inputs, links); }

    vehicle::GearingInputs inputs;
    vehicle::GearingLinks links;
};

TEST_F(GearingCodeTest, FixedShiftPointGivesRoadSpeedsFromRatiosAndTyreRadius) {
    Run();
    const auto& g = GearingCode();
    // 7500 rpm x 2 x 3.141592653589 / 60 = 785.398163 rad/s for every shift point.
    EXPECT_FLOAT_EQ(g.ShiftRevs[1], 785.398163f);
    EXPECT_FLOAT_EQ(g.ShiftRevs[2], 785.398163f);
    EXPECT_FLOAT_EQ(g.OverallRatios[1], 12.0f);
    // Gear 1: 785.398 / 12 = 65.4498 rad/s at the wheel x 0.294 m = 19.2423 m/s (69.3 km/h).
    EXPECT_NEAR(g.SpeedAtShift[1], 19.2423, 1e-3);
    // Gear 2: 785.398 / 8 = 98.1748 rad/s x 0.294 m = 28.8634 m/s.
    EXPECT_NEAR(g.SpeedAtShift[2], 28.8634, 1e-3);
    // Top gear 3 at the power peak 680.678 rad/s: / 6 = 113.446 rad/s x 0.294 = 33.3532 m/s.
    EXPECT_NEAR(g.ShiftRevs[3], 680.678, 1e-3);
    EXPECT_NEAR(g.SpeedAtShift[3], 33.3532, 1e-3);
    // Reverse, also at the power peak: / 12.8 = 53.178 rad/s x 0.294 = 15.6343 m/s.
    EXPECT_NEAR(g.SpeedAtShift[0], 15.6343, 1e-3);
    // After the 1-2 shift: 785.398 x 8 / 12 = 523.599 rad/s; drop 261.799; step 33.33 %.
    EXPECT_NEAR(g.PostShiftRevs[1], 523.599, 1e-3);
    EXPECT_NEAR(g.RevDrop[1], 261.799, 1e-3);
    EXPECT_NEAR(g.RatioStepPct[1], 33.3333, 1e-3);
    EXPECT_NEAR(g.SpeedGained[1], 28.8634 - 19.2423, 1e-3);
    // 20 m/s on the 0.294 m radius of the live gear: 68.027 rad/s at the wheel, x 12 and x 6.
    EXPECT_EQ(links.LiveSpeed, 20);
    EXPECT_NEAR(g.CruisingRevs[1], 816.327, 1e-2);
    EXPECT_NEAR(g.CruisingRevs[3], 408.163, 1e-2);
    EXPECT_EQ(g.PostShiftRevs[0], 0.0f);
    EXPECT_GT(g.TorqueCurveArea, 0.0f);
}

TEST_F(GearingCodeTest, IndicatedSpeedAddsTheSpeedometerErrorAndUsesTheBaseRadius) {
    core::OptionsSettings().SpeedoErrorPercent = 3.0f;
    GearingCode().GearRollingRadius.fill(0.5f);
    Run();
    const auto& g = GearingCode();
    EXPECT_NEAR(g.SpeedAtShift[1], 19.2423 * 1.03, 1e-3);
    for (int i = 0; i <= 3; ++i) EXPECT_FLOAT_EQ(g.GearRollingRadius[i], 0.294f);
    EXPECT_EQ(g.GearRollingRadius[4], 0.5f);  // above NumGears: untouched
}

TEST_F(GearingCodeTest, AllWheelDriveTakesTheCentreSplitForShareAndBaseRadius) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveAll;
    auto& tyres = vehicle::TyreCode().WheelTyres;
    tyres[2].UnloadedRadius = tyres[3].UnloadedRadius = 0.35f;
    inputs.TorqueSplitCentre = 60;
    Run();
    EXPECT_FLOAT_EQ(GearingCode().FrontTorqueShare, 0.6f);
    // Rb = 0.98 x (0.6 x (0.3 + 0.3) + 0.4 x (0.35 + 0.35)) / 2 = 0.3136 m.
    EXPECT_NEAR(GearingCode().GearRollingRadius[1], 0.3136, 1e-6);
}

TEST_F(GearingCodeTest, AutomaticShiftStopsAtThePowerPeakOrNeverPassesTheRevLimit) {
    core::OptionsSettings().ShiftPointAuto = core::VbTrue;
    inputs.GearRatioText[2] = "3.0";  // gear 2 = gear 1: equal wheel torque at once
    Run();
    EXPECT_NEAR(GearingCode().ShiftRevs[1], 680.678, 1e-3);
    // A gap no wheel-torque crossing closes below the limit: the engine's 7500 rpm limit,
    // 7500 x 2 pi / 60 = 785.398163 rad/s, with the limiter on.
    inputs.GearRatioText[2] = "1.0";
    Run();
    EXPECT_NEAR(GearingCode().ShiftRevs[1], 785.398163f, 1e-4f);
}

// "Fixed (Peak Power)": with the limiter on, the lower of the power peak (680.678 rad/s) and the
// limit, for the top gear and reverse.
TEST_F(GearingCodeTest, PeakPowerTopOfGearStopsAtALimitBelowThePowerPeak) {
    auto& e = vehicle::EngineCode().CurrentEngine;
    e.LimitSpeed = 600.0f;
    vehicle::UpdateEngineModel(e, vehicle::kDriveRear);  // the curve's bounds follow the limit
    for (const float top : {600.0f, 680.678f}) {
        core::OptionsSettings().RevLimitEnabled = core::ToVbBool(top == 600.0f);
        Run();
        EXPECT_NEAR(GearingCode().ShiftRevs[3], top, 1e-3);
        EXPECT_NEAR(GearingCode().ShiftRevs[0], top, 1e-3);
    }
}

TEST_F(GearingCodeTest, PowerDropTopOfGearIsTheFirstSpeedWherePowerHasFallenFarEnough) {
    auto& o = core::OptionsSettings();
    o.GearRevsTopMode = 2;
    const auto& e = vehicle::EngineCode().CurrentEngine;
    auto powerAt = [&](float w) {
        vehicle::EngineRecord c = e;
        c.Speed = w;
        c.Throttle = 1.0f;
        return vehicle::GetEngineTorque(c) * w / 1000.0f;
    };
    for (uint8_t percent : {0, 5}) {
        o.PowerDropPercent = percent;
        Run();
        const float top = GearingCode().ShiftRevs[3];
        const float target = (1.0f - percent / 100.0f) * e.PeakPower;
        EXPECT_EQ(GearingCode().ShiftRevs[0], top);
        EXPECT_GT(top, e.PowerPeakSpeed);
        EXPECT_LT(top, e.LimitSpeed);
        EXPECT_LE(powerAt(top), target);
        if (top - 1.0f > e.PowerPeakSpeed) {
            EXPECT_GT(powerAt(top - 1.0f), target);
        }
    }
}

// A fitted curve that keeps 500 N m for ever: unbounded, the lower gear always pulled harder
// and the power never fell, and without the limiter both searches ran on for 10000 steps. Held
// within the engine's figures (250 N m, 150 kW at 680.678 rad/s, limit 785.398), its power
// falls above limit + 1 from 150.015 kW to none at 1.5 x 785.398 = 1178.097 rad/s: it is
// 135 kW (10 % below the peak) at 1178.097 - 0.9 x 391.699 / 1.0001 = 825.60 rad/s, which the
// power-drop search, in 1 rad/s steps from the power peak, reaches at 825.678. The shift
// search ends within the fall too.
TEST_F(GearingCodeTest, ShiftAndPowerDropSearchesEndWhereTheCurveFallsWithoutTheLimiter) {
    auto& o = core::OptionsSettings();
    o.RevLimitEnabled = core::VbFalse;
    auto& e = vehicle::EngineCode().CurrentEngine;
    e.UpperCurve = {0, 0, 0, 0, 500.0f};
    vehicle::BoundFittedCurve(e);
    o.ShiftPointAuto = core::VbTrue;
    inputs.GearRatioText[2] = "1.0";
    Run();
    EXPECT_GT(GearingCode().ShiftRevs[1], e.LimitSpeed + 1.0f);
    EXPECT_LT(GearingCode().ShiftRevs[1], 1.5f * e.LimitSpeed);
    o.ShiftPointAuto = core::VbFalse;
    o.GearRevsTopMode = 2;
    o.PowerDropPercent = 10;
    Run();
    EXPECT_NEAR(GearingCode().ShiftRevs[3], 825.678, 0.01);
}

// The area counts the curve only where a gear uses it: with the limiter on, not above the
// limit. A curve flat at 250 N m from 418.88 rad/s on; gears 1 and 2 shift at 785.398 rad/s,
// the top gear at the power peak 680.678; gear 2 from 523.599, gear 3 from 589.049. Below the
// power peak its power is held at 1.01 x 150 kW: 250 N m up to 151500 / 250 = 606 rad/s, then
// 151500 / w. At a limit of 600 rad/s, below the power peak, the curve falls above the power
// peak from its 150.015 kW there to none at 1.5 x 680.678 = 1021.018 rad/s: torque 150015 x
// (1021.018 - w) / (340.339 w), whose integral from 680.678 to 785.398 is 18243.4.
TEST_F(GearingCodeTest, TheCurveAreaEndsAtTheLimitWhileTheLimiterCutsTheEngine) {
    auto& e = vehicle::EngineCode().CurrentEngine;
    e.UpperCurve = {0, 0, 0, 0, 250.0f};
    e.UpperOrigin = 0.0f;
    const auto area = [&](float limit, bool limited) {
        e.LimitSpeed = limit;
        vehicle::BoundFittedCurve(e);
        core::OptionsSettings().RevLimitEnabled = core::ToVbBool(limited);
        Run();
        return static_cast<double>(GearingCode().TorqueCurveArea);
    };
    EXPECT_EQ(area(800.0f, true), area(800.0f, false));  // above every shift speed
    // At 600 rad/s each gear stops there: from 600 rad/s to the power peak, 250 x 6 +
    // 151500 x ln(680.678 / 606) = 19105.72 for each gear, and gears 1 and 2 the falling part
    // above it.
    EXPECT_NEAR(area(600.0f, false) - area(600.0f, true), 3 * 19105.72 + 2 * 18243.4, 1.0);
}

TEST_F(GearingCodeTest, ReverseRatioFollowsTheVehicleAndTheSimulatorCar) {
    auto& g = core::GlobalChassisLab();
    core::OptionsSettings().LFSMode = core::VbTrue;
    g.HasLFSCar = core::VbTrue;
    g.CurrentLFSCar.ReverseRatio = 3.411f;
    Run();
    EXPECT_FLOAT_EQ(GearingCode().GearRatios[0], 3.411f);

    // A simulator car listed with reverse ratio 0: no reverse, never a division by 0.
    g.CurrentLFSCar.ReverseRatio = 0.0f;
    Run();
    EXPECT_EQ(GearingCode().GearRatios[0], 1.0f);
    // Power peak 680.678 / (1 x 4) = 170.17 rad/s x 0.294 m = 50.03 m/s.
    EXPECT_NEAR(GearingCode().SpeedAtShift[0], 50.030, 1e-2);

    g.CurrentVehicle.Drivetrain.HasReverse = core::VbFalse;
    g.CurrentLFSCar.ReverseRatio = 3.411f;
    Run();
    EXPECT_EQ(GearingCode().GearRatios[0], 1.0f);
}

TEST_F(GearingCodeTest, OneForwardGearHasOnlyTheTopOfGearPoint) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = 1;
    Run();
    const auto& g = GearingCode();
    EXPECT_NEAR(g.ShiftRevs[1], 680.678, 1e-3);
    EXPECT_EQ(g.PostShiftRevs[1], 0.0f);
    EXPECT_EQ(g.RevDrop[1], 0.0f);
    EXPECT_EQ(g.SpeedGained[1], 0.0f);
}

TEST_F(GearingCodeTest, UnreadableRatiosAndOversizedGearCountsGiveOnlyFiniteResults) {
    inputs.GearRatioText = {"", "abc", "", "1e400", "", "", "", "", ""};
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = 12;  // damaged file
    links.LiveGear = 40;
    core::OptionsSettings().ShiftPointAuto = core::VbTrue;
    Run();
    const auto& g = GearingCode();
    auto finite = [](const auto& a) {
        for (float x : a) {
            if (!std::isfinite(x)) return false;
        }
        return true;
    };
    EXPECT_TRUE(finite(g.GearRatios));
    EXPECT_TRUE(finite(g.OverallRatios));
    EXPECT_TRUE(finite(g.ShiftRevs));
    EXPECT_TRUE(finite(g.PostShiftRevs));
    EXPECT_TRUE(finite(g.RatioStepPct));
    EXPECT_TRUE(finite(g.SpeedAtShift));
    EXPECT_TRUE(finite(g.CruisingRevs));
    EXPECT_TRUE(std::isfinite(g.TorqueCurveArea));
    EXPECT_EQ(g.SpeedAtShift[1], 1.0f);  // no ratio: the 1 m/s floor
}

TEST_F(GearingCodeTest, TrueGroundSpeedRunsFourWheelLoadAndRadiusPasses) {
    core::OptionsSettings().SpeedoIndicated = core::VbFalse;
    core::OptionsSettings().SpeedoErrorPercent = 3.0f;  // ignored for true ground speed
    // Worn tyres (10 mm of 0.3 m) without load: the rolling radius is the worn radius
    // 0.29 m, while the indicated speed's base radius stays on the new tyre.
    for (auto& t : vehicle::TyreCode().WheelTyres) t.WearDepth = 0.01f;
    int passes = 0;
    links.CalcGearWheelLoads = [&] {
        ++passes;
        for (auto& row : vehicle::AeroCode().GearWheelLoads) row.fill(0.0f);
    };
    int shown = 0;
    links.ShowGearingTable = [&] { ++shown; };
    links.DrawGearingGraph = [&] { shown += 10; };
    Run();
    EXPECT_EQ(passes, 4);
    EXPECT_EQ(shown, 11);
    const auto& g = GearingCode();
    // Rear drive: rolling radius 0.98 x 0.29 = 0.2842 m in every gear row.
    for (int i = 0; i <= 3; ++i) EXPECT_NEAR(g.GearRollingRadius[i], 0.2842f, 1e-6f) << i;
    // Gear 1: 785.398163 / 12 x 0.2842 = 18.60085 m/s; gear 2: / 8 = 27.90127 m/s; top gear at
    // the power peak 680.678 / 6 x 0.2842 = 32.24145 m/s; reverse 680.678 / 12.8 x 0.2842 =
    // 15.11318 m/s (no speedometer error added).
    EXPECT_NEAR(g.SpeedAtShift[1], 18.60085f, 1e-3f);
    EXPECT_NEAR(g.SpeedAtShift[2], 27.90127f, 1e-3f);
    EXPECT_NEAR(g.SpeedAtShift[3], 32.24145f, 1e-3f);
    EXPECT_NEAR(g.SpeedAtShift[0], 15.11318f, 1e-3f);
    // Cruising revs at 20 m/s on the worn radius: 20 / 0.2842 = 70.373 rad/s x 12 = 844.476.
    EXPECT_NEAR(g.CruisingRevs[1], 844.476f, 1e-2f);
}

TEST_F(GearingCodeTest, ThrustDrivenVehicleChangesNothing) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveThrust;
    bool called = false;
    links.ShowGearingTable = [&] { called = true; };
    Run();
    EXPECT_FALSE(called);
    EXPECT_EQ(GearingCode().GearRatios[1], 0.0f);
    EXPECT_EQ(GearingCode().ShiftRevs[1], 0.0f);
}

}  // namespace
