// The main window's suspension, steering and camber sliders reach the models' input structs.
#include "ui/main/inputs/SetupReaders_Suspension.hpp"

#include <gtest/gtest.h>

#include "SuspensionTestSupport.hpp"
#include "ui/main/form/Main.hpp"

namespace {

TEST(SetupReadersSuspensionTest, SlidersReachTheSuspensionAndSteeringInputs) {
    suspension_test::ResetSuspensionState();
    ui::Main form;
    form.Set_SuspSpringTravel(0).SetValue(120);
    form.Set_SuspSpringTravel(1).SetValue(140);
    form.Set_SuspSpringStiffness(1).SetValue(900);
    form.Set_SuspBumpDamp(0).SetValue(33);
    form.Set_SuspReboundDamp(1).SetValue(77);
    form.Set_SuspARBStiffness(0).SetValue(250);
    form.Set_SteerToe(1).SetValue(12);
    form.Set_SteerCaster(0).SetValue(60);
    form.Set_SteerAckermann->SetValue(57);
    form.Set_SteerLock->SetValue(30);
    form.Set_TyreCamber(3).SetValue(30);
    form.Live_SteeringAngle->SetValue(-150);

    const auto susp = ui::ReadSuspensionSetupInputs(form);
    EXPECT_EQ(susp.SpringTravelMm[0], 120);
    EXPECT_EQ(susp.SpringTravelMm[1], 140);
    EXPECT_EQ(susp.SpringStiffness[1], 900);
    EXPECT_EQ(susp.BumpDamp[0], 33);
    EXPECT_EQ(susp.ReboundDamp[1], 77);
    EXPECT_EQ(susp.ARBStiffness[0], 250);

    const auto steer = ui::ReadSteeringSetupInputs(form);
    EXPECT_EQ(steer.Toe[1], 12);
    EXPECT_EQ(steer.Caster[0], 60);
    EXPECT_EQ(steer.Ackermann, 57);
    EXPECT_EQ(steer.Lock, 30);
    EXPECT_EQ(steer.Camber[3], 30);
    EXPECT_EQ(ui::ReadLiveSteeringInputs(form).SteeringAngle, -150);
}

}  // namespace
