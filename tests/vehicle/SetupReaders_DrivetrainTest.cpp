// The main window's gearing and differential controls reach the drivetrain models, and the
// differential captions reach its labels.
#include "ui/main/inputs/SetupReaders_Drivetrain.hpp"

#include <gtest/gtest.h>

#include "support/SampleVehicles.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/form/Main.hpp"

namespace {

class SetupReadersDrivetrainTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveAll;
        for (int i = 0; i < 3; ++i) {
            auto& combo = form.Set_GearingDiffType(i);
            combo.Clear();
            for (const auto& name : core::TextTable().DiffTypeNames) combo.AddItem(name);
        }
    }
    ui::Main form;
};

TEST_F(SetupReadersDrivetrainTest, GearingInputsComeFromTheRatioBoxesAndSliders) {
    form.Set_GearRatioText(1).SetText("3.25");
    form.Set_GearRatioText(8).SetText("4.1");
    form.Set_GearingTorqueSplitCentre->SetValue(60);
    form.Live_Speed->SetValue(25);
    const vehicle::GearingInputs in = ui::ReadGearingInputs(form);
    EXPECT_EQ(in.GearRatioText[1], "3.25");
    EXPECT_EQ(in.GearRatioText[8], "4.1");
    EXPECT_EQ(in.TorqueSplitCentre, form.Set_GearingTorqueSplitCentre->Value());
    EXPECT_EQ(in.LiveSpeed, form.Live_Speed->Value());
}

TEST_F(SetupReadersDrivetrainTest, DifferentialSettingsReachTheModelAndItsCaptionsTheLabels) {
    form.Set_GearingDiffType(0).SetText("Locked");
    form.Set_GearingDiffType(1).SetText("Clutch pack");
    form.Set_GearingDiffType(2).SetText("Open");
    form.Set_GearingDiffPowerLocking(1).SetValue(40);
    form.Set_GearingDiffCoastLocking(1).SetValue(60);
    vehicle::GearingCode().FrontTorqueShare = 1.0f;

    ui::SetDiffParams(form);
    const auto& d = vehicle::GearingCode().DiffParams;
    EXPECT_FLOAT_EQ(d[1].PowerLocking, form.Set_GearingDiffPowerLocking(1).Value() / 100.0f);
    EXPECT_EQ(form.GearingLabel(39).Caption(), "Infinite");  // front: locked
    EXPECT_EQ(form.GearingLabel(52).Caption(), "Infinite");  // centre: all torque in front
    EXPECT_EQ(form.GearingLabel(48).Caption(), "100%");
    EXPECT_EQ(form.Set_GearingLabel(13).Caption(),
              std::to_string(form.Set_GearingViscousTorque(2).Value()) + "Nms/\r\nrad");
}

}  // namespace
