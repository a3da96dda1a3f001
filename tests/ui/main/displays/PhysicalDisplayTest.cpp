// Captions of the physical and live analyses: the display rule in several units, the share and
// pair forms, and the figures that cannot be given ("N/A", never "NaN" or "Inf"). Expected
// texts are worked from the unit table by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/LiveStateTestSupport.hpp"
#include "analysis/PhysicalDisplay.hpp"

namespace {

using core::LabelArray;
using analysis::PhysicalCode;
using core::Quantity;

class PhysicalDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { live_test::ResetAll(); }

    // The text of one caption of the last list.
    std::string Text(int index, LabelArray array = LabelArray::Analysis_PhysLabel) {
        for (const auto& c : captions)
            if (c.Index == index && c.Array == array) {
                EXPECT_FALSE(c.ForeColor.has_value()) << c;  // the label keeps its colour
                return c.Text;
            }
        ADD_FAILURE() << "no caption " << index;
        return {};
    }
    void Physical(analysis::PhysicalCaptionInputs in = {}) {
        analysis::PhysicalAnalysisCaptions(in, captions);
    }
    void Live(analysis::LiveCaptionInputs in = {}) { analysis::LiveAnalysisCaptions(in, captions); }
    static void Unit(Quantity q, const char* name) { ASSERT_TRUE(core::SelectUnitByName(q, name)); }

    std::vector<core::Caption> captions;
};

TEST_F(PhysicalDisplayTest, MassesInKilogramsAndPounds) {
    auto& m = PhysicalCode();
    m.TotalMass = 1234.567f;
    core::OptionsSettings().UnitDecimalsMass = 2;
    Physical();
    EXPECT_EQ(Text(101), "1234.57 kg");
    // Weight: 1234.567 x 9.80665 = 12106.97 N, no decimals.
    EXPECT_EQ(Text(102), "12107 N");

    m.TotalMass = 1000.0f;
    m.FuelMass = 36.5f;
    Unit(Quantity::Mass, "Pounds");  // 2.20462262 lb per kg, no decimals
    Physical({0, 50, 40});
    EXPECT_EQ(Text(101), "2205 lb");
    EXPECT_EQ(Text(100), "80 lb");  // 36.5 x 2.2046 = 80.47
    // The handicap as set: whole kg shown in the mass unit, the others as set.
    EXPECT_EQ(Text(12, LabelArray::Set_AeroLabel), "110 lb");
    EXPECT_EQ(Text(13, LabelArray::Set_AeroLabel), "40%");
    EXPECT_EQ(Text(11, LabelArray::Set_AeroLabel), "0%");
}

TEST_F(PhysicalDisplayTest, SharesPairsAndRatios) {
    auto& m = PhysicalCode();
    m.TotalMass = 1000.0f;
    m.DryMass = 960.0f;
    m.FuelMassIncrease = 0.0456f;  // rounded to 0.046 first, then x 100
    m.UnsprungMass = 140.0f;
    m.UnsprungCoG.Y = 0.5f;
    m.SprungMass = 860.0f;
    m.SprungMassDistribution = 0.5523f;
    m.SprungMassShare = 0.86f;
    m.SprungUnsprungRatio = 6.142857f;
    m.CornerMassShare = {0.3f, 0.3f, 0.2f, 0.2f};
    m.FuelCoGShift = {0.0f, -0.0123f, -0.004f};
    Physical();
    EXPECT_EQ(Text(103), "4.6%");
    EXPECT_EQ(Text(107), "50% Front / 50% Rear");
    EXPECT_EQ(Text(109), "55.23% Front / 44.77% Rear");
    EXPECT_EQ(Text(110), "86%");
    EXPECT_EQ(Text(111), "14%");
    EXPECT_EQ(Text(112), "6.14 : 1");
    EXPECT_EQ(Text(117), "30%");
    EXPECT_EQ(Text(120), "20%");
    EXPECT_EQ(Text(104), "-1.23%");
    EXPECT_EQ(Text(105), "0 m");  // -0.004 m at 2 decimals
    Unit(Quantity::DistanceSmall, "Millimetres");
    Physical();
    EXPECT_EQ(Text(105), "-4 mm");

    // No sprung mass: the mass model's quotient of nothing shows it all on the rear.
    m.SprungMass = 0.0f;
    m.SprungMassDistribution = 0.0f;
    Physical();
    EXPECT_EQ(Text(109), "0% Front / 100% Rear");
    EXPECT_EQ(Text(108), "0 kg");
}

TEST_F(PhysicalDisplayTest, PowerToWeightInDirectAndInverseUnits) {
    PhysicalCode().TotalMass = 1000.0f;
    vehicle::EngineCode().CurrentEngine.PeakPower = 150.0f;  // 0.15 kW per kg
    Physical();
    EXPECT_EQ(Text(129), "150 kW/t");
    Unit(Quantity::P2W, "Kilograms per kilowatt");  // 1 / 0.15 = 6.67, one decimal
    Physical();
    EXPECT_EQ(Text(129), "6.7 kg/kW");
    // No power: an inverse unit has nothing to show.
    vehicle::EngineCode().CurrentEngine.PeakPower = 0.0f;
    Physical();
    EXPECT_EQ(Text(129), "N/A");
}

TEST_F(PhysicalDisplayTest, LiveFiguresInTheirUnits) {
    auto& s = analysis::LiveStateCode();
    auto& m = PhysicalCode();
    s.LateralAcceleration = 9.80665f;
    s.LiveEngine.Speed = 104.719755f;  // 1000 rpm
    s.LiveAccelParts = {0.5f, 3.25f, 0.0f, 2.75f};
    s.LiveGear = 3;
    m.CoGAxleDistance = {1.0f, 1.5f};
    m.VehicleCoG.Y = 0.6f;
    m.VehicleCoG.Z = 0.5234f;
    Live({75, 20});
    EXPECT_EQ(Text(157), "9.81 m/s\u00B2");
    EXPECT_EQ(Text(155), "105 rad/s");
    EXPECT_EQ(Text(150), "-0.5 m/s\u00B2");  // resistance as a deceleration
    EXPECT_EQ(Text(152), "0 m/s\u00B2");
    EXPECT_EQ(Text(153), "2.75 m/s\u00B2");
    EXPECT_EQ(Text(154), "3");
    EXPECT_EQ(Text(130), "1 / 1.5 m");
    EXPECT_EQ(Text(135), "0.52 m");
    EXPECT_EQ(Text(140), "60% / 40%");
    EXPECT_EQ(Text(145), "N/A");
    EXPECT_EQ(Text(105, LabelArray::Set_LiveLabel), "75%");
    EXPECT_EQ(Text(106, LabelArray::Set_LiveLabel), "20%");

    Unit(Quantity::Acc, "Rate of free fall");
    Unit(Quantity::ARV, "Revolutions per minute");
    Unit(Quantity::DistanceSmall, "Centimetres");
    Live();
    EXPECT_EQ(Text(157), "1 g");
    EXPECT_EQ(Text(155), "1000 rpm");
    EXPECT_EQ(Text(130), "100 / 150 cm");
    EXPECT_EQ(Text(135), "52.3 cm");
}

TEST_F(PhysicalDisplayTest, FuelLoadWithTheShareOfTheTank) {
    auto& v = core::GlobalChassisLab().CurrentVehicle;
    v.FuelTankCapacity = 50.0f;
    PhysicalCode().LiveFuelLoad = 0;
    Live();
    EXPECT_EQ(Text(103, LabelArray::Set_LiveLabel), "0 l (0%)");
    PhysicalCode().LiveFuelLoad = 20;
    Unit(Quantity::Volume, "UK Gallons");  // 20 x 0.21997 = 4.4
    Live();
    EXPECT_EQ(Text(103, LabelArray::Set_LiveLabel), "4.4 gal (40%)");
    // A tank that holds nothing has no share to show.
    v.FuelTankCapacity = 0.0f;
    PhysicalCode().LiveFuelLoad = 0;
    Live();
    EXPECT_EQ(Text(103, LabelArray::Set_LiveLabel), "0 gal (N/A)");
}

TEST_F(PhysicalDisplayTest, AnEmptyVehicleShowsNotAvailableWhereNothingCanBeGiven) {
    // Nothing computed, then the live analysis of an all-zero record. (That no caption reads
    // "NaN" or "Inf" is checked on the window, in LiveDisplaysTest.)
    analysis::AnalyseLiveState(analysis::LiveStateInputs{});
    Physical();
    for (const auto& c : captions) EXPECT_FALSE(c.Text.empty()) << c.Index;
    for (int i : {103, 110, 111, 112, 117, 118, 119, 120, 129, 107}) EXPECT_EQ(Text(i), "N/A") << i;
    Live();
    for (const auto& c : captions) EXPECT_FALSE(c.Text.empty()) << c.Index;
    EXPECT_EQ(Text(103, LabelArray::Set_LiveLabel), "0 l (N/A)");
}

TEST_F(PhysicalDisplayTest, AChangeOfUnitChangesOnlyTheTexts) {
    live_test::SetSampleRecord();
    live_test::PrepareVehicle();
    analysis::AnalyseLiveState(live_test::SampleInputs());
    const analysis::PhysicalCodeState masses = PhysicalCode();
    const auto accel = analysis::LiveStateCode().LiveAccelParts;
    Unit(Quantity::Mass, "Pounds");
    Unit(Quantity::DistanceSmall, "Inches");
    Physical();
    Live();
    EXPECT_EQ(PhysicalCode().TotalMass, masses.TotalMass);
    EXPECT_EQ(PhysicalCode().VehicleCoG.Z, masses.VehicleCoG.Z);
    EXPECT_EQ(PhysicalCode().CornerDynamicLoad, masses.CornerDynamicLoad);
    EXPECT_EQ(analysis::LiveStateCode().LiveAccelParts, accel);
}

TEST_F(PhysicalDisplayTest, RewritingReusesTheList) {
    Physical();
    const std::size_t physical = captions.size();
    Live();
    const std::size_t live = captions.size();
    Physical();
    EXPECT_EQ(captions.size(), physical);
    Live();
    EXPECT_EQ(captions.size(), live);
}

}  // namespace
