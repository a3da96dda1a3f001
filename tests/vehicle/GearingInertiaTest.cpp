#include "vehicle/GearingInertia.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "support/SampleVehicles.hpp"

namespace {

using vehicle::GearingCode;

// Gearbox term 0.0175 x T1^0.13 x final drive, times final drive^2, for first gear 3 and final
// drive 4 (T1 = 3 T).
double GearboxPart(double torque) { return 16.0 * 0.0175 * std::pow(3.0 * torque, 0.13) * 4.0; }

class GearingInertiaTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.Drivetrain.DriveType = vehicle::kDriveRear;
        v.Wheelbase = 2.5f;
        v.Axles[0].TrackWidth = 1.5f;
        v.Axles[1].TrackWidth = 1.5f;
        auto& g = GearingCode();
        g.GearRatios = {3.2f, 3.0f, 2.0f, 1.5f, 0, 0, 0, 0, 4.0f};
        for (int i = 0; i < 8; ++i) g.OverallRatios[i] = g.GearRatios[i] * 4.0f;
        g.FrontTorqueShare = 0.0f;
        for (auto& t : tyres) t = {1.2f, 0.3f};  // 1.2 kg m^2 on a 0.3 m rolling radius
    }
    vehicle::WheelSpinSet tyres;
};

TEST_F(GearingInertiaTest, ShaftInertiaOfARearDriveVehicle) {
    // T = 100 N m: propeller shaft for 300 N m, 1.875 m long: R = (6 x 300 / ((1 - k^4) x
    // 785398163.4))^(1/3) = 16.42 mm, bore 13.68 mm, 3.722 kg, 8.501e-4 kg m^2. Half shafts for
    // 1200 N m, 0.75 m: R = 26.06 mm, 3.751 kg, 2.159e-3 kg m^2. Gearbox 0.0175 x 300^0.13 x 4
    // = 0.14693. Total 16 x (8.501e-4 + 0.14693) + 2 x 2.159e-3 = 2.36887 kg m^2.
    EXPECT_NEAR(vehicle::CalcShaftInertia(100.0f), 2.36887, 2e-5);
}

TEST_F(GearingInertiaTest, DoublingTorqueScalesEachShaftByTwoToTheFourThirds) {
    // Shaft radius grows with the cube root of torque: mass ~ R^2, inertia ~ R^2 x mass.
    const double shafts100 = vehicle::CalcShaftInertia(100.0f) - GearboxPart(100.0);
    const double shafts200 = vehicle::CalcShaftInertia(200.0f) - GearboxPart(200.0);
    EXPECT_NEAR(shafts100, 0.0179192, 2e-6);
    EXPECT_NEAR(shafts200 / shafts100, std::pow(2.0, 4.0 / 3.0), 1e-3);
}

TEST_F(GearingInertiaTest, InGearAddsEngineAndGearboxThroughTheOverallRatioSquared) {
    // (100 / 5000 + 0.0175 x 100^0.13 x 3) x 12^2 = (0.02 + 0.095534) x 144 = 16.6369,
    // plus the shafts 2.36887.
    EXPECT_NEAR(vehicle::CalcDrivetrainInertiaInGear(100.0f, 1), 19.0058, 2e-3);
    EXPECT_FLOAT_EQ(vehicle::CalcDrivetrainInertiaInGear(100.0f, vehicle::kNoGear),
                    vehicle::CalcShaftInertia(100.0f));
}

TEST_F(GearingInertiaTest, EquivalentMassSharesTheDrivetrainOutToTheDrivenWheels) {
    // Each wheel alone: 1.2 / 0.3^2 = 13.333 kg.
    // In first gear (rear drive): rear wheels (19.0058 / 2 + 1.2) / 0.09 = 118.921 kg each;
    // total 2 x 13.333 + 2 x 118.921 = 264.51 kg.
    EXPECT_NEAR(vehicle::CalcRotatingEquivMass(tyres, 100.0f, 1), 264.51, 0.03);
    // No gear: shafts only, rear wheels (2.36887 / 2 + 1.2) / 0.09 = 26.494 kg each: 79.65 kg.
    EXPECT_NEAR(vehicle::CalcRotatingEquivMass(tyres, 100.0f, vehicle::kNoGear), 79.654, 0.01);
    // Undriven wheels: the front pair, 26.667 kg.
    EXPECT_NEAR(vehicle::CalcWheelEquivMass(tyres), 26.6667, 1e-3);

    // The template form takes the tyre model's own records.
    std::array<vehicle::TyreState, 4> states{};
    for (auto& s : states) {
        s.Inertia = 1.2f;
        s.RollingRadius = 0.3f;
    }
    // Same wheels as above: the undriven front pair, 2 x 1.2 / 0.3^2 = 26.6667 kg.
    EXPECT_NEAR(vehicle::CalcWheelEquivMass(states), 26.6667, 1e-3);

    GearingCode().FrontTorqueShare = 1.0f;  // front drive: the rear pair turns free
    EXPECT_NEAR(vehicle::CalcWheelEquivMass(tyres), 26.6667, 1e-3);
}

TEST_F(GearingInertiaTest, AllWheelDriveSplitsByTheFrontShareAndHasNoUndrivenWheels) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveAll;
    GearingCode().FrontTorqueShare = 0.6f;
    const float total = vehicle::CalcRotatingEquivMass(tyres, 100.0f, 1);
    const double drivetrain = vehicle::CalcDrivetrainInertiaInGear(100.0f, 1);
    // Front wheels carry 0.6 / 2 of it each, rear 0.4 / 2; over r^2 = 0.09.
    EXPECT_NEAR(total, 4 * 13.3333 + drivetrain / 0.09, 0.01);
    EXPECT_EQ(vehicle::CalcWheelEquivMass(tyres), 0.0f);
}

TEST_F(GearingInertiaTest, ThrustDrivenVehicleHasOnlyItsWheels) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveThrust;
    GearingCode().FrontTorqueShare = -1.0f;
    EXPECT_NEAR(vehicle::CalcRotatingEquivMass(tyres, 100.0f, 1), 53.333, 1e-2);
    EXPECT_NEAR(vehicle::CalcWheelEquivMass(tyres), 53.333, 1e-2);
}

TEST_F(GearingInertiaTest, ZeroRadiiAndNegativeTorqueGiveFiniteResults) {
    for (auto& t : tyres) t.RollingRadius = 0.0f;
    EXPECT_EQ(vehicle::CalcRotatingEquivMass(tyres, 100.0f, 1), 0.0f);
    EXPECT_EQ(vehicle::CalcWheelEquivMass(tyres), 0.0f);
    EXPECT_TRUE(std::isfinite(vehicle::CalcShaftInertia(-100.0f)));
    EXPECT_TRUE(std::isfinite(vehicle::CalcDrivetrainInertiaInGear(-100.0f, 1)));
}

}  // namespace
