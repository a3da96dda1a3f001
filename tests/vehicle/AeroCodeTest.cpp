// Aerodynamic model: device tables, forces at one speed, live ratios, per-gear wheel loads,
// the speed table and the top speed.
//
// Hand figures use the model's air: density 101387.555 / 84148.7 = 1.2048618 kg/m^3, speed
// of sound sqrt(401.8 x 293.15) = 343.2021 m/s.
#include <gtest/gtest.h>

#include <cmath>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

using vehicle::AeroCode;
using vehicle::AeroForces;
using vehicle::PositionXYZ;

constexpr float kRho = 1.2048618f;
constexpr float kSoundSpeed = 343.2021f;

class AeroCodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::GlobalShared() = core::GlobalSharedState{};
        core::OptionsSettings().LFSMode = core::VbFalse;
        vehicle::TyreCode() = vehicle::TyreCodeState{};
        AeroCode() = vehicle::AeroCodeState{};
        vehicle::EngineCode() = vehicle::EngineCodeState{};
        vehicle::InitTyreCompounds();  // standstill rolling resistance 0.0085 + 0.002 x ...
        vehicle::InitAeroDevices();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.FrontalArea = 2.0f;
        v.DragCoefficient = 0.3f;
        v.Wheelbase = 2.5f;
    }
    // Every element at height z, the centre of gravity at 0.5 m (at z = 0.5 drag makes no
    // pitch moment), wings at the given angles.
    static AeroForces At(float speed, float z = 0.5f,
                         std::array<float, 4> loads = {2500, 2500, 2400, 2400},
                         float frontWing = 0.0f, float rearWing = 0.0f) {
        AeroForces f;
        const PositionXYZ p{0.5f, 0.5f, z};
        vehicle::CalcAeroForces(f, loads, speed, PositionXYZ{0.5f, 0.5f, 0.5f}, p, p, p, p,
                                frontWing, rearWing);
        return f;
    }
    static vehicle::AeroLoadInputs LevelLoads(float mass) {
        vehicle::AeroLoadInputs in;
        const float q = mass * 9.80665f / 4.0f;
        in.CornerStaticLoad = {q, q, q, q};
        in.VehicleCoG = {0.5f, 0.5f, 0.5f};
        for (auto& p : in.AeroElementPos) p = {0.5f, 0.5f, 0.5f};
        return in;
    }
};

TEST_F(AeroCodeTest, DeviceTablesAndAir) {
    const auto& a = AeroCode();
    EXPECT_EQ(a.RearWingTypes[5].Name, "GT              ");
    for (const auto& r : a.RearWingTypes) EXPECT_EQ(r.Name.size(), 16u);
    EXPECT_FLOAT_EQ(a.AirTemperature, 293.15f);
    EXPECT_NEAR(a.AirDensity, kRho, 1e-6f);
}

TEST_F(AeroCodeTest, BodyDragAt30MetresPerSecond) {
    // 0.5 rho v^2 Cd A = 0.5 x 1.2048618 x 900 x 0.3 x 2.0 = 325.3127 N; compressibility at
    // Mach 30 / 343.2021 = 0.087413 adds 1 / sqrt(1 - M^2) = 1.0038425.
    AeroForces f = At(30.0f);
    EXPECT_NEAR(f.Drag[0], 326.5627f, 0.01f);
    EXPECT_NEAR(f.TotalDrag, 326.5627f, 0.01f);
    EXPECT_EQ(f.Lift[0], 0.0f);
    // The simulator's cars in compatibility mode drop the compressibility factor.
    core::OptionsSettings().LFSMode = core::VbTrue;
    core::GlobalChassisLab().HasLFSCar = core::VbTrue;
    EXPECT_NEAR(At(30.0f).Drag[0], 325.3127f, 0.01f);
    EXPECT_NEAR(At(250.0f).Drag[0], 0.5f * kRho * 62500.0f * 0.6f, 0.5f);
}

TEST_F(AeroCodeTest, CompressibilityIsHeldAboveMach08) {
    const float q = 0.5f * kRho * 0.6f;  // drag per (m/s)^2 without compressibility
    const float vAbove = 0.801f * kSoundSpeed;
    EXPECT_NEAR(At(vAbove).Drag[0] / (q * vAbove * vAbove), 1.6666f, 1e-4f);
    const float vAt = 0.7999f * kSoundSpeed;
    // Just below 0.8 the factor is 1 / sqrt(1 - 0.7999^2) = 1.66630, rising to 1.6667 at 0.8.
    EXPECT_NEAR(At(vAt).Drag[0] / (q * vAt * vAt), 1.66630f, 5e-5f);
}

TEST_F(AeroCodeTest, RearWingDownforceLoadsTheRearWheels) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.AeroElements[2].DeviceType = 5;  // "GT" rear wing
    v.AeroElements[2].PosY = 0.0f;     // over the rear axle
    const AeroForces f = At(40.0f, 0.5f, {2500, 2500, 2400, 2400}, 0.0f, 10.0f);
    // Lift area at 10 degrees: -0.05055 x 10 x (1 - 100 x 0.000193) - 0.1395 = -0.635244 m^2;
    // at 40 m/s: -0.635244 x 0.5 x 1.2048618 x 1600 = -612.30 N, all on the rear wheels.
    EXPECT_NEAR(f.Lift[2], -612.30f, 0.05f);
    EXPECT_NEAR(f.TotalLift, -612.30f, 0.05f);
    EXPECT_FLOAT_EQ(f.LiftLoad[0], 0.0f);
    EXPECT_NEAR(f.LiftLoad[2], -306.15f, 0.03f);
    // Rear wheel load = static + 306.15 N, less half the rolling-resistance pitch load.
    EXPECT_NEAR(f.WheelLoad[2] + 0.5f * f.RollResPitchLoad, 2400.0f + 306.15f, 0.05f);
    // Wing drag at 10 degrees: (100 x 0.00049 + 0.047) m^2 with compressibility.
    const float mach = 40.0f / kSoundSpeed;
    EXPECT_NEAR(f.Drag[2], 0.096f * 0.5f * kRho * 1600.0f / std::sqrt(1.0f - mach * mach), 0.01f);
}

TEST_F(AeroCodeTest, DragAboveTheCentreOfGravityUnloadsTheFront) {
    AeroForces f;
    const PositionXYZ cog{0.5f, 0.5f, 0.5f}, high{0.5f, 0.5f, 1.0f}, mid{0.5f, 0.5f, 0.5f};
    vehicle::CalcAeroForces(f, {2500, 2500, 2500, 2500}, 30.0f, cog, high, mid, mid, mid, 0, 0);
    // Moment of the body drag 0.5 m above the CoG over the 2.5 m wheelbase, shared by two
    // wheels: 326.5627 x 0.5 / 2.5 / 2 = 32.656 N off each front wheel, onto each rear.
    EXPECT_NEAR(f.DragPitchLoad[0], -32.656f, 0.01f);
    EXPECT_NEAR(f.DragPitchLoad[3], 32.656f, 0.01f);
}

TEST_F(AeroCodeTest, StandstillReverseAndUnloadedWheels) {
    // At rest: no drag or lift; the standstill rolling resistance 0.0085 x load acts at the
    // ground, 0.5 m below the CoG, moving 0.5 x 0.0085 x 9800 / 2.5 = 16.66 N forward.
    AeroForces f = At(0.0f);
    for (int e = 0; e < 4; ++e) {
        EXPECT_EQ(f.Drag[e], 0.0f);
        EXPECT_EQ(f.Lift[e], 0.0f);
    }
    EXPECT_NEAR(f.TotalRollingResistance, 0.0085f * 9800.0f, 1e-3f);
    EXPECT_NEAR(f.RollResPitchLoad, 16.66f, 1e-3f);
    EXPECT_NEAR(f.WheelLoad[0], 2500.0f + 8.33f, 1e-3f);
    EXPECT_NEAR(f.WheelLoad[3], 2400.0f - 8.33f, 1e-3f);

    // Backwards: drag and rolling resistance change sign, lift does not.
    core::GlobalChassisLab().CurrentVehicle.LiftCoefficient = -0.5f;
    const AeroForces fwd = At(20.0f), back = At(-20.0f);
    EXPECT_FLOAT_EQ(back.Drag[0], -fwd.Drag[0]);
    EXPECT_FLOAT_EQ(back.Lift[0], fwd.Lift[0]);
    EXPECT_FLOAT_EQ(back.TotalRollingResistance, -fwd.TotalRollingResistance);

    // A wheel off the ground rolls without resistance.
    const AeroForces lifted = At(20.0f, 0.5f, {2500, 0, 2400, -500});
    EXPECT_EQ(lifted.RollingResistance[3], 0.0f);
    EXPECT_GT(lifted.RollingResistance[0], 0.0f);
}

TEST_F(AeroCodeTest, NoDeviceAndDamagedDeviceTypesAddNothing) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    const float bodyOnly = At(50.0f).TotalDrag;
    v.AeroElements[2].DeviceType = 0;  // "N/A" wing at any angle
    EXPECT_FLOAT_EQ(At(50.0f, 0.5f, {2500, 2500, 2400, 2400}, 30.0f, 30.0f).TotalDrag, bodyOnly);
    // Device rows beyond the tables (a damaged file) count as no device instead of reading
    // past the table.
    v.AeroElements[1].DeviceType = 99;
    v.AeroElements[2].DeviceType = -3;
    v.AeroElements[3].DeviceType = 6;
    const AeroForces f = At(50.0f, 0.5f, {2500, 2500, 2400, 2400}, 30.0f, 30.0f);
    EXPECT_FLOAT_EQ(f.TotalDrag, bodyOnly);
    EXPECT_FLOAT_EQ(f.TotalLift, 0.0f);
}

TEST_F(AeroCodeTest, ZeroWheelbaseAndZeroMassGiveNoNaN) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Wheelbase = 0.0f;
    v.LiftCoefficient = -0.4f;
    AeroForces& live = AeroCode().LiveAero;
    const PositionXYZ p{0.5f, 0.5f, 0.7f}, cog{0.5f, 0.5f, 0.4f};
    vehicle::CalcAeroForces(live, {0, 0, 0, 0}, 60.0f, cog, p, p, p, p, 0, 0);
    const float* all = &live.Drag[0];
    for (int i = 0; i < 30; ++i) EXPECT_TRUE(std::isfinite(all[i])) << i;
    vehicle::UpdateAeroAnalysis(60.0f, 0.0f);
    EXPECT_EQ(AeroCode().AeroLoadRatio, 0.0f);
    EXPECT_TRUE(std::isfinite(AeroCode().AeroLoadFrontShare));
    EXPECT_TRUE(std::isfinite(AeroCode().AeroWheelLoadFrontShare));
}

TEST_F(AeroCodeTest, LiveSummaryRatios) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.LiftCoefficient = -0.5f;
    v.AeroElements[0].PosY = 0.4f;
    AeroForces& live = AeroCode().LiveAero;
    const PositionXYZ p{0.5f, 0.5f, 0.5f};
    vehicle::CalcAeroForces(live, {2500, 2500, 2400, 2400}, 40.0f, p, p, p, p, p, 0, 0);
    vehicle::UpdateAeroAnalysis(40.0f, 1000.0f);
    const auto& a = AeroCode();
    // Downforce -0.5 x 2 x 0.5 x rho x 1600 = -963.89 N, 40 % on the front.
    EXPECT_NEAR(a.AeroLoadFrontShare, 0.4f, 1e-5f);
    EXPECT_NEAR(a.AeroLoadRatio, (9806.65f + 963.89f) / 9806.65f, 1e-4f);
    // Resistance at 40 m/s: body drag 0.5 x 1.2048618 x 1600 x 0.3 x 2 = 578.3337 N x
    // compressibility 1 / sqrt(1 - 0.1165494^2) = 1.0068619 gives 582.3021 N; rolling
    // resistance (9800 + 963.89) N x (0.0085 + 0.002 x 0.0002425 x 1600 = 0.009276) = 99.8458 N;
    // 682.1480 N x 40 m/s / 1000 = 27.2859 kW.
    EXPECT_NEAR(live.TotalResistance, 682.148f, 0.01f);
    EXPECT_NEAR(live.ResistancePower, 27.2859f, 5e-4f);
    // No lift on the front wheels: the balance is 0.
    v.LiftCoefficient = 0.0f;
    vehicle::CalcAeroForces(live, {2500, 2500, 2400, 2400}, 40.0f, p, p, p, p, p, 0, 0);
    vehicle::UpdateAeroAnalysis(40.0f, 1000.0f);
    EXPECT_EQ(a.AeroLoadFrontShare, 0.0f);
}

TEST_F(AeroCodeTest, GearWheelLoadsAtShiftSpeeds) {
    core::GlobalChassisLab().CurrentVehicle.LiftCoefficient = -0.5f;
    std::array<float, 9> shift{10, 20, 30, 40, 50, 60, 70, 80, 99};
    vehicle::CalcGearWheelLoads(LevelLoads(1000.0f), shift);
    EXPECT_EQ(shift[8], 0.0f);  // the standstill row
    const auto& g = AeroCode().GearWheelLoads;
    // Faster rows carry more downforce.
    EXPECT_GT(g[5][0], g[1][0]);
    EXPECT_FLOAT_EQ(g[8][2], At(0.0f, 0.5f, LevelLoads(1000.0f).CornerStaticLoad).WheelLoad[2]);
}

TEST_F(AeroCodeTest, TopSpeedWherePowerMeetsResistance) {
    // 1000 kg, Cd A = 0.6 m^2, no lift; all heights equal. With the model's rolling
    // resistance 9806.65 x (0.0085 + 0.002 x 0.0002425 v^2) the resistance is
    // F(v) = 83.3565 + 0.3662148 v^2 N (drag 0.5 x 1.2048618 x 0.6 = 0.3614585 plus
    // 0.0047562 of rolling resistance; no compressibility in compatibility mode).
    // 90 kW at the wheels: F(v) v = 90000 W at v = 61.4265 m/s; the first 0.05 m/s grid speed
    // at or above it is 61.45 m/s.
    core::OptionsSettings().LFSMode = core::VbTrue;
    core::GlobalChassisLab().HasLFSCar = core::VbTrue;
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.Drivetrain.DriveType = vehicle::kDriveRear;
    v.Drivetrain.DrivetrainEfficiency = 0.9f;
    vehicle::EngineCode().CurrentEngine.PeakPower = 100.0f;
    vehicle::BuildAeroSpeedTable(LevelLoads(1000.0f));
    const auto& a = AeroCode();
    EXPECT_NEAR(a.TopSpeed, 61.45f, 1e-4f);
    // Row r holds speed r x 0.05: row 1229 is the last written, row 1230 stays empty.
    EXPECT_NEAR(a.AeroSpeedTable[1229][11], 83.3565f + 0.3662148f * 61.45f * 61.45f, 0.05f);
    EXPECT_EQ(a.AeroSpeedTable[1230][11], 0.0f);
    // Row 20 is 1 m/s: drag 0.3614585 N of the body.
    EXPECT_NEAR(a.AeroSpeedTable[20][6], 0.3614585f, 1e-5f);
    EXPECT_NEAR(a.AeroSpeedTable[20][10], 83.3565f + 0.0047562f, 1e-3f);
}

TEST_F(AeroCodeTest, ThrustDrivenTopSpeedWhereResistanceEqualsThrust) {
    // Thrust 2000 N: 83.3565 + 0.3662148 v^2 = 2000 at v = 72.3440 m/s -> grid 72.35.
    core::OptionsSettings().LFSMode = core::VbTrue;
    core::GlobalChassisLab().HasLFSCar = core::VbTrue;
    vehicle::BuildAeroSpeedTableFor(LevelLoads(1000.0f), true, 0.0f, 2000.0f);
    EXPECT_NEAR(AeroCode().TopSpeed, 72.35f, 1e-4f);
}

TEST_F(AeroCodeTest, NoPowerAndUnreachablePower) {
    vehicle::BuildAeroSpeedTableFor(LevelLoads(1000.0f), false, 0.0f, 0.0f);
    EXPECT_EQ(AeroCode().TopSpeed, 0.0f);
    ASSERT_EQ(AeroCode().AeroSpeedTable.size(), vehicle::kAeroSpeedRows);
    EXPECT_EQ(AeroCode().AeroSpeedTable[1][11], 0.0f);

    // Power that is never reached stops exactly at 500 m/s, with row 10000 written.
    vehicle::BuildAeroSpeedTableFor(LevelLoads(1000.0f), false, 1.0e9f, 0.0f);
    EXPECT_EQ(AeroCode().TopSpeed, 500.0f);
    EXPECT_GT(AeroCode().AeroSpeedTable[10000][11], 0.0f);
    // The steps stay on the 0.05 grid: row 7777 holds 388.85 m/s. Both rows are above Mach
    // 0.8 (same held factor), so their drags are as the squares of the speeds.
    const float d1 = AeroCode().AeroSpeedTable[7777][6];
    const float d2 = AeroCode().AeroSpeedTable[10000][6];
    EXPECT_NEAR(d1 / d2, (388.85f * 388.85f) / (500.0f * 500.0f), 1e-5f);
}

}  // namespace
