// The main window's side of the live and physical displays: the controls the analysis reads,
// the labels the captions land in, the fuel slider's upper end, and the recalculate-all chain.
#include <gtest/gtest.h>

#include <string>

#include "analysis/LiveStateTestSupport.hpp"
#include "ui/main/MainTestSupport.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "vehicle/VehCode.hpp"

namespace {

class LiveDisplaysTest : public ui_test::MainWindowTest {
protected:
    void SetUp() override {
        ui_test::MainWindowTest::SetUp();
        live_test::ResetAll();
        ui::LiveDisplays() = ui::LiveDisplaysState{};
        live_test::SetSampleRecord();
    }
};

TEST_F(LiveDisplaysTest, ReaderTakesTheLiveAndSetupControls) {
    w->Live_Speed->SetValue(33);
    w->Live_Throttle->SetValue(70);
    w->Live_Brake->SetValue(15);
    w->Set_ABS->SetValue(1);
    w->Set_TC->SetValue(0);
    w->Set_AeroWingAngle(1).SetValue(9);
    w->Live_SteeringAngle->SetValue(-50);
    w->Set_TyrePressure(3).SetValue(240);
    const analysis::LiveStateInputs in = ui::ReadLiveStateInputs(*w);
    EXPECT_EQ(in.SpeedMs, 33);
    EXPECT_EQ(in.ThrottlePercent, 70);
    EXPECT_EQ(in.BrakePercent, 15);
    EXPECT_TRUE(in.ABS);
    EXPECT_FALSE(in.TractionControl);
    EXPECT_EQ(in.Wings.RearWingAngle, 9);
    EXPECT_EQ(in.LiveSteering.SteeringAngle, -50);
    EXPECT_EQ(in.TyreSetup.PressureKPa[3], 240);
}

TEST_F(LiveDisplaysTest, AnalysisWritesTheLiveCaptionsOnTheWindow) {
    live_test::PrepareVehicle();
    w->Live_Speed->SetValue(25);
    w->Live_Throttle->SetValue(60);
    ui::AnalyseLiveState(*w);
    const auto& s = analysis::LiveStateCode();
    EXPECT_EQ(s.LiveSpeed, 25);
    EXPECT_EQ(w->Analysis_PhysLabel(154).Caption(), std::to_string(s.LiveGear));
    EXPECT_EQ(w->Set_LiveLabel(105).Caption(), "60%");
    EXPECT_EQ(w->Analysis_PhysLabel(145).Caption(), "N/A");
    EXPECT_NE(w->Analysis_PhysLabel(155).Caption().find(" rad/s"), std::string::npos);
    // A display link given by the caller replaces the live captions' writer.
    bool called = false;
    analysis::LiveStateLinks links;
    links.ShowLiveAnalysis = [&] { called = true; };
    w->Live_Throttle->SetValue(10);
    ui::AnalyseLiveState(*w, links);
    EXPECT_TRUE(called);
    EXPECT_EQ(w->Set_LiveLabel(105).Caption(), "60%");
}

TEST_F(LiveDisplaysTest, PhysicalCaptionsAndVehicleDataOnTheWindow) {
    live_test::PrepareVehicle();
    w->Set_HandicapMass->SetValue(30);
    ui::ShowPhysicalAnalysis(*w);
    EXPECT_EQ(w->Set_AeroLabel(12).Caption(), "30 kg");
    // 1000 kg body and 40 l of petrol at the fuel table's density.
    const float fuel = 40.0f * core::FuelTable().FuelTypes[0].Density;
    EXPECT_EQ(w->Analysis_PhysLabel(101).Caption(),
              core::SingleText(core::RoundToDecimals(1000.0f + fuel, 0)) + " kg");

    core::GlobalChassisLab().CurrentVehicle.FuelTankCapacity = 60.4f;
    ui::ShowVehicleData(*w);
    EXPECT_EQ(w->Live_FuelLoad->Max(), 60);
    EXPECT_EQ(w->DataLabel(40).Caption(), "60.4 l");
    EXPECT_EQ(w->DataLabel(35).Caption(), "1000 kg");
    EXPECT_EQ(w->DataLabel(257).Caption(), "2.6 m");
}

TEST_F(LiveDisplaysTest, AnEmptyVehicleLeavesNoCaptionNaN) {
    // An all-zero vehicle through the whole window path.
    core::GlobalChassisLab().CurrentVehicle = vehicle::VehicleRecord{};
    ui::ShowVehicleData(*w);
    EXPECT_EQ(w->Live_FuelLoad->Max(), 0);
    ui::ShowPhysicalAnalysis(*w);
    ui::AnalyseLiveState(*w);
    for (auto* arr :
         {&w->Analysis_PhysLabel, &w->DataLabel, &w->Set_LiveLabel, &w->Set_AeroLabel}) {
        arr->ForEach([](int index, platform::Label& label) {
            EXPECT_EQ(label.Caption().find("NaN"), std::string::npos) << index;
            EXPECT_EQ(label.Caption().find("Inf"), std::string::npos) << index;
        });
    }
}

TEST_F(LiveDisplaysTest, RecalculateAllRunsTheWholeChain) {
    live_test::PrepareVehicle();
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    w->Live_FuelLoad->SetMax(50);
    w->Live_FuelLoad->SetValue(10);
    w->Set_BrakeMaxTorque->SetValue(2000);
    w->Set_BrakeBalance->SetValue(60);
    const char* ratios[] = {"3.3", "3.5", "2.1", "1.45", "1.1", "0.9", "0.8", "0.7", "3.9"};
    for (int g = 0; g < 9; ++g) w->Set_GearRatioText(g).SetText(ratios[g]);
    vehicle::VehCode().SeatPositions = live_test::kSeats;
    ui::RecalculateAll(*w);
    // Masses from the fuel slider, brake torques from the brake sliders.
    const float fuel = 10.0f * core::FuelTable().FuelTypes[0].Density;
    EXPECT_FLOAT_EQ(analysis::PhysicalCode().TotalMass, v.BodyMass + fuel);
    EXPECT_FLOAT_EQ(analysis::DecelerationCode().BrakeTorques[0], 1200.0f);  // 2000 x 60 %
    EXPECT_FLOAT_EQ(analysis::DecelerationCode().BrakeTorques[2], 800.0f);
    EXPECT_FLOAT_EQ(vehicle::GearingCode().OverallRatios[1], 3.5f * 3.9f);
    EXPECT_EQ(w->Analysis_PhysLabel(154).Caption(),
              std::to_string(analysis::LiveStateCode().LiveGear));
}

}  // namespace
