#include "vehicle/GearingDiffs.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "support/SampleVehicles.hpp"

namespace {

using core::LabelArray;
using vehicle::GearingCode;

class GearingDiffsTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveRear;
        GearingCode().FrontTorqueShare = 0.0f;
        inputs.DiffType = {"Open", "Open", "Open"};
        inputs.PowerLocking = {40, 40};
        inputs.CoastLocking = {60, 60};
        inputs.PreLoad = {5, 5};
        inputs.ViscousTorque = {12, 34, 56};
    }
    // GearingLabel captions by index (the last write of each wins).
    std::map<int, std::string> Gearing() {
        std::map<int, std::string> m;
        for (const auto& c : vehicle::DiffSettingsCaptions(inputs)) {
            if (c.Array == LabelArray::GearingLabel) m[c.Index] = c.Text;
        }
        return m;
    }
    std::map<int, std::string> SetGearing() {
        std::map<int, std::string> m;
        for (const auto& c : vehicle::DiffSettingsCaptions(inputs)) {
            if (c.Array == LabelArray::Set_GearingLabel) m[c.Index] = c.Text;
        }
        return m;
    }
    vehicle::DiffInputs inputs;
};

TEST_F(GearingDiffsTest, LockedDifferentialStoresNearlyFullLockingAndShowsInfinite) {
    inputs.DiffType[1] = "Locked";
    vehicle::SetDiffParams(inputs);
    const auto& d = GearingCode().DiffParams[1];
    // 0.9999 as a Single is 0.99989998: (1 + 0.99989998) / (1 - 0.99989998) = 19995.68.
    EXPECT_NEAR(d.PowerBiasRatio, 19995.68, 0.01);
    EXPECT_NEAR(d.CoastBiasRatio, 19995.68, 0.01);
    EXPECT_EQ(d.PreLoad, 1000000.0f);
    const auto m = Gearing();
    EXPECT_EQ(m.at(26), "0%");
    EXPECT_EQ(m.at(27), "100%");
    EXPECT_EQ(m.at(28), "Infinite");
    EXPECT_EQ(m.at(31), "Infinite");
}

TEST_F(GearingDiffsTest, ClutchPackSharesAndBiasRatiosFromTheLockingSliders) {
    inputs.DiffType[0] = "Clutch pack";
    vehicle::SetDiffParams(inputs);
    const auto& d = GearingCode().DiffParams[0];
    // Power 40 %: wheel shares (1 -/+ 0.4) / 2 = 30 % / 70 %, bias 1.4 / 0.6 = 2.33.
    // Coast 60 %: 20 % / 80 %, bias 1.6 / 0.4 = 4. Preload 5 x 10 = 50 N m.
    EXPECT_FLOAT_EQ(d.PowerLocking, 0.4f);
    EXPECT_FLOAT_EQ(d.PreLoad, 50.0f);
    const auto m = Gearing();
    EXPECT_EQ(m.at(37), "30%");
    EXPECT_EQ(m.at(38), "70%");
    EXPECT_EQ(m.at(39), "2.33 : 1");
    EXPECT_EQ(m.at(40), "20%");
    EXPECT_EQ(m.at(41), "80%");
    EXPECT_EQ(m.at(42), "4 : 1");
    const auto s = SetGearing();
    EXPECT_EQ(s.at(31), "50 Nm");
    EXPECT_EQ(s.at(33), "0 Nm");  // rear is open: no preload

    // The preload follows the torque unit without re-reading the sliders:
    // 50 N m x 0.737310 = 36.87 lbf ft, shown with 0 decimals.
    ASSERT_TRUE(core::ApplyUnitRow(core::Quantity::Torque, 2));
    EXPECT_EQ(SetGearing().at(31), "37 lbf ft");
}

TEST_F(GearingDiffsTest, ClutchPackWithoutLockingLooksLikeAnOpenDifferential) {
    inputs.DiffType = {"Clutch pack", "Open", "Open"};
    inputs.PowerLocking = {0, 0};
    inputs.CoastLocking = {0, 0};
    vehicle::SetDiffParams(inputs);
    const auto m = Gearing();
    for (int base : {37, 26}) {
        EXPECT_EQ(m.at(base + 0), "50%");
        EXPECT_EQ(m.at(base + 1), "50%");
        EXPECT_EQ(m.at(base + 2), "1 : 1");
        EXPECT_EQ(m.at(base + 5), "1 : 1");
    }
}

TEST_F(GearingDiffsTest, ViscousAndUnknownTypes) {
    vehicle::SetDiffParams(inputs);
    inputs.DiffType = {"Viscous", "Clutch pack", "Viscous"};
    vehicle::SetDiffParams(inputs);
    const auto m = Gearing();
    EXPECT_EQ(m.at(37), "Variable");
    EXPECT_EQ(m.at(52), "Variable");
    EXPECT_EQ(GearingCode().DiffParams[0].PowerLocking, 0.0f);  // viscous torque does not lock
    EXPECT_EQ(SetGearing().at(27), "12Nms/\r\nrad");
    EXPECT_EQ(SetGearing().at(13), "56Nms/\r\nrad");

    // An unknown text keeps the stored locking and writes none of that axle's captions.
    inputs.DiffType[1] = "open";  // case matters
    inputs.PowerLocking = {10, 10};
    vehicle::SetDiffParams(inputs);
    EXPECT_FLOAT_EQ(GearingCode().DiffParams[1].PowerLocking, 0.4f);
    EXPECT_EQ(Gearing().count(26), 0u);
}

TEST_F(GearingDiffsTest, CentreSplitRatioForAnOpenCentreDifferential) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveAll;
    auto& g = GearingCode();

    g.FrontTorqueShare = 0.5f;
    vehicle::SetDiffParams(inputs);
    EXPECT_EQ(g.CentreDiffRatio, 1.0f);
    EXPECT_EQ(Gearing().at(52), "1 : 1");

    // 40 % front: rear / front = 0.6 / 0.4 = 1.5.
    g.FrontTorqueShare = 0.4f;
    vehicle::SetDiffParams(inputs);
    EXPECT_NEAR(g.CentreDiffRatio, 1.5, 1e-6);
    auto m = Gearing();
    EXPECT_EQ(m.at(48), "40%");
    EXPECT_EQ(m.at(50), "60%");
    EXPECT_EQ(m.at(52), "1.5 : 1");

    // All torque to one axle: no finite ratio; a large finite value is stored.
    for (float front : {0.0f, 1.0f}) {
        g.FrontTorqueShare = front;
        vehicle::SetDiffParams(inputs);
        EXPECT_TRUE(std::isfinite(g.CentreDiffRatio));
        EXPECT_GE(g.CentreDiffRatio, 1.0e6f);
        EXPECT_EQ(Gearing().at(52), "Infinite");
    }
}

TEST_F(GearingDiffsTest, TwoWheelDriveAndThrustDrivenShares) {
    GearingCode().FrontTorqueShare = 0.0f;
    vehicle::SetDiffParams(inputs);
    EXPECT_EQ(GearingCode().CentreDiffRatio, 1.0f);  // rear drive: 1 whatever the centre shows
    EXPECT_EQ(Gearing().at(52), "1 : 1");

    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveThrust;
    GearingCode().FrontTorqueShare = -1.0f;
    vehicle::SetDiffParams(inputs);
    EXPECT_EQ(GearingCode().AxleTorqueShare[0], -1.0f);
    EXPECT_EQ(GearingCode().AxleTorqueShare[1], 2.0f);
}

}  // namespace
