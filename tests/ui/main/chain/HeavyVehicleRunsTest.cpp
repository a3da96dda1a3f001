// Heavy vehicles through the whole program, added to the vehicle list and selected as the
// editor's "Add" does, so that they run on the setup present, as a new vehicle does: the
// shipped Golf's (75 kN/m springs with 100 mm of travel, 240 kPa front and 230 kPa rear).
//
// The truck: 40 t with 30 % on the front axle, rear drive, 2500 N m from 1000 to 1400 rpm and
// 400 kW at 1800 rpm, 315/70 R22 tyres all round, 5 m wheelbase. Its corner loads (59 kN front,
// 137.5 kN rear) put every spring on its bump stop (7.5 kN at 100 mm), and at 230 kPa they press
// the rear tyres through their whole sidewalls.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

using analysis::AccelerationCode;

class HeavyVehicleRuns : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        w = &Start();
        ASSERT_EQ(w->Set_SuspSpringStiffness(1).Value(), 750);
        ASSERT_EQ(w->Set_SuspSpringTravel(1).Value(), 100);
        ASSERT_EQ(w->Set_TyrePressure(2).Value(), 230);
    }
    // The shipped Golf's record as the start of a new vehicle.
    static vehicle::VehicleRecord Golf() { return core::GlobalChassisLab().Vehicles[0]; }
    static vehicle::VehicleRecord Truck() {
        vehicle::VehicleRecord v = Golf();
        vehicle::SetVehicleName(v, "Truck");
        v.BodyMass = 40000.0f;
        v.BodyCoG.Y = 0.3f;
        v.Wheelbase = 5.0f;
        v.Drivetrain.DriveType = vehicle::kDriveRear;
        auto& e = v.Engine;
        e.PeakTorque = 2500.0f;
        e.TorquePeakRPM = 1000.0f;
        e.TorquePeakWidth = 400.0f;
        e.PeakPower = 400.0f;
        e.PowerPeakRPM = 1800.0f;
        e.IdleRPM = 600.0f;
        e.LimitRPM = 2200.0f;
        v.Tyres = {vehicle::TyreSize{315, 70, 22}, vehicle::TyreSize{315, 70, 22}};
        return v;
    }
    // Adds the vehicle and selects it, as the editor's "Add" does.
    void Select(const vehicle::VehicleRecord& v) {
        ASSERT_TRUE(vehicle::AppendVehicle(v));
        w->Main_SelectVeh->AddItem(v.Name);
        w->Main_SelectVeh->SetText(v.Name);
    }
    void PumpTyres(int kPa) {
        for (int i = 0; i < 4; ++i) w->Set_TyrePressure(i).SetValue(kPa);
    }
    static float FinalSpeed() {
        const auto& s = AccelerationCode();
        return s.AccLastStep < 0 ? 0.0f : s.Row(s.AccLastStep, analysis::AccCol::Speed);
    }
    static auto& Messages() { return platform::MessageDouble(); }

    ui::Main* w = nullptr;
};

// At 230 kPa the rear tyres stand on their rims: both runs refuse the truck and say why, once
// for the selection's runs and once for each Calculate, in the display units; the run pages
// show no figures (no top speed of 0, no "N/A").
TEST_F(HeavyVehicleRuns, TruckOnFlattenedTyresIsRefusedWithTheReason) {
    Messages().Clear();
    Select(Truck());
    const float rearLoad = analysis::PhysicalCode().CornerStaticLoad[2];
    EXPECT_NEAR(rearLoad, 137500.0f, 500.0f);
    ASSERT_EQ(Messages().Count(), 1u);
    const std::string text = Messages().Last().text;
    EXPECT_NE(text.find("rear left tyre"), std::string::npos) << text;
    EXPECT_NE(text.find(core::UnitValueText(core::Quantity::Force, rearLoad) + " at 230 kPa"),
              std::string::npos)
        << text;

    EXPECT_EQ(AccelerationCode().AccLastStep, -1);
    EXPECT_EQ(analysis::DecelerationCode().DecLastStep, -1);
    for (int i : {11, 100, 105, 111, 112, 116, 117, 125, 126, 131, 132, 133})
        EXPECT_EQ(w->Analysis_AccLabel(i).Caption(), "") << i;
    for (int i : {9, 102, 112, 113, 114, 116})
        EXPECT_EQ(w->Analysis_DecLabel(i).Caption(), "") << i;
    // Nor a top speed ("8.6 m/s") or a rolling resistance ("44293 N") of tyres on their rims,
    // nor shift speeds marked against that top speed; the axle loads stay.
    for (int i : {17, 11, 12, 13, 77}) EXPECT_EQ(w->Analysis_AeroLabel(i).Caption(), "N/A") << i;
    for (int i : {22, 23}) EXPECT_NE(w->Analysis_AeroLabel(i).Caption(), "N/A") << i;
    for (int g = 1; g <= 6; ++g)
        EXPECT_NE(w->GearingSpeed(g).ForeColor(), platform::RGB(255, 0, 0)) << g;

    // Calculate in imperial units: the load in poundals and the pressure in psi.
    ui::ShowOptionsPanel();
    ui::OptionsPanelWindow().SetUnits(2).UserClick();
    ui::OptionsPanelWindow().Unload();
    w->Analysis_DecCalc->UserClick();
    ASSERT_EQ(Messages().Count(), 2u);
    EXPECT_NE(Messages().Last().text.find(
                  core::UnitValueText(core::Quantity::Force, rearLoad) + " at " +
                  core::UnitValueText(core::Quantity::Pressure, 230000.0)),
              std::string::npos)
        << Messages().Last().text;
    EXPECT_NE(Messages().Last().text.find(" psi"), std::string::npos);
}

// Pumped up to 800 kPa the tyres carry it. On the new vehicle's springs, sitting on their bump
// stops, the tyres still carry the whole truck (once they read about 24 kN rear and 14 kN front,
// and the truck never moved); it runs as it does on springs stiff and long enough to hold it
// (400 kN/m over 400 mm: 160 kN at the stop).
TEST_F(HeavyVehicleRuns, TruckMovesOnTheNewVehicleSpringsOnceItsTyresCarryIt) {
    Select(Truck());
    PumpTyres(800);
    Messages().Clear();
    w->Analysis_AccCalc->UserClick();
    w->Analysis_DecCalc->UserClick();
    EXPECT_EQ(Messages().Count(), 0u);
    const auto& s = AccelerationCode();
    ASSERT_GT(s.AccLastStep, 100);
    const float staticRear = analysis::PhysicalCode().CornerStaticLoad[2];
    EXPECT_GT(s.Row(100, analysis::AccCol::WheelLoad + 2), 0.9f * staticRear);
    const float onStops = FinalSpeed();
    EXPECT_GT(onStops, 15.0f);  // about 70 km/h
    EXPECT_NE(w->Analysis_DecLabel(112).Caption(), "N/A");
    // It gets into 4th: 5th and 6th, never reached, have no time (not "0s").
    EXPECT_NE(w->Analysis_AccLabel(120).Caption(), "N/A");
    EXPECT_EQ(w->Analysis_AccLabel(121).Caption(), "N/A");
    EXPECT_EQ(w->Analysis_AccLabel(122).Caption(), "N/A");
    EXPECT_NE(w->Analysis_AeroLabel(17).Caption(), "N/A");

    for (int axle = 0; axle < 2; ++axle) {
        w->Set_SuspSpringStiffness(axle).SetValue(4000);
        w->Set_SuspSpringTravel(axle).SetValue(400);
    }
    w->Analysis_AccCalc->UserClick();
    EXPECT_NEAR(FinalSpeed(), onStops, 0.02f * onStops);
}

// A car that never launches (the Golf at 20 t with a 120 N m engine, its tyres pumped up to
// carry it) slips its clutch in first gear for the whole 120 s: its first-gear time reads
// "N/A", as its launch does, not the 12001 summed steps ("120.017s").
TEST_F(HeavyVehicleRuns, CarThatNeverLaunchesHasNoTimeInFirstGear) {
    vehicle::VehicleRecord v = Golf();
    vehicle::SetVehicleName(v, "Golf 20 t");
    v.BodyMass = 20000.0f;
    v.Engine.PeakTorque = 120.0f;
    v.Engine.PeakPower = 50.0f;
    Select(v);
    PumpTyres(800);
    w->Analysis_AccCalc->UserClick();
    ASSERT_EQ(AccelerationCode().AccLastStep, AccelerationCode().AccMaxSteps);
    EXPECT_EQ(w->Analysis_AccLabel(116).Caption(), "N/A");  // launch
    EXPECT_EQ(w->Analysis_AccLabel(117).Caption(), "N/A");  // 1st
}

}  // namespace
