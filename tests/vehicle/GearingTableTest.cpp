// Captions of the gear table: units and formats of each column, the warning colours of the
// shift figures, the rows written whatever the number of gears, and "N/A" for figures that
// cannot be given. Expected texts are worked by hand.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "../support/SampleVehicles.hpp"
#include "vehicle/GearingTable.hpp"

namespace {

using core::Caption;
using Column = core::LabelArray;

class GearingTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        auto& e = vehicle::EngineCode().CurrentEngine;
        e.LimitSpeed = 785.0f;       // rad/s, about 7500 rpm
        e.TorquePeakStart = 420.0f;  // rad/s, about 4000 rpm
        vehicle::AeroCode().TopSpeed = 60.0f;
        auto& s = vehicle::GearingCode();
        s.ShiftRevs = {700.0f, 700.0f, 800.0f, 700.0f, 700.0f, 0.0f, 0.0f, 0.0f};
        s.SpeedAtShift = {15.0f, 20.0f, 35.0f, 50.0f, 65.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        s.OverallRatios = {12.87f, 13.65f, 8.19f, 5.655f, 4.29f, 0.0f, 0.0f, 0.0f};
        s.CruisingRevs = {100.0f, 150.0f, 90.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        s.PostShiftRevs = {0.0f, 500.0f, 400.0f, 530.0f, 0.0f, 0.0f, 0.0f};
        s.RevDrop = {0.0f, 200.0f, 400.0f, 170.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        s.RatioStepPct = {0.0f, 40.0f, 30.95238f, 24.13793f, 0.0f, 0.0f, 0.0f, 0.0f};
        s.SpeedGained = {0.0f, 15.0f, 15.0f, 15.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        s.TorqueCurveArea = 123456.7f;
    }
    void Build(bool topSpeedShown = true) {
        out = vehicle::BuildGearingTableCaptions(topSpeedShown);
    }
    const Caption& At(Column column, int index) {
        for (const auto& c : out)
            if (c.Array == column && c.Index == index) return c;
        ADD_FAILURE() << "no caption " << index;
        static const Caption none;
        return none;
    }

    std::vector<Caption> out;
};

TEST_F(GearingTableTest, ColumnsInTheirUnitsWithWarningColours) {
    Build();
    EXPECT_EQ(At(Column::GearingRevsPreShift, 1).Text, "700 rad/s");
    EXPECT_EQ(At(Column::GearingRevsPreShift, 1).ForeColor, vehicle::kGearingNormalColour);
    // Above the limit speed.
    EXPECT_EQ(At(Column::GearingRevsPreShift, 2).ForeColor, vehicle::kGearingWarnRed);
    EXPECT_EQ(At(Column::GearingSpeed, 3).ForeColor, vehicle::kGearingNormalColour);
    // Faster than the top speed; none is, while the top speed reads "N/A".
    EXPECT_EQ(At(Column::GearingSpeed, 4).ForeColor, vehicle::kGearingWarnRed);
    Build(false);
    EXPECT_EQ(At(Column::GearingSpeed, 4).ForeColor, vehicle::kGearingNormalColour);
    EXPECT_EQ(At(Column::GearingRevsPreShift, 2).ForeColor, vehicle::kGearingWarnRed);
    Build();
    EXPECT_EQ(At(Column::GearingReduction, 1).Text, "13.65");
    EXPECT_EQ(At(Column::GearingReduction, 3).Text, "5.655");
    EXPECT_EQ(At(Column::GearingReduction, 3).ForeColor, std::nullopt);  // colour left as it is
    EXPECT_EQ(At(Column::GearingLabel, vehicle::kGearingAreaLabel).Text, "123457");
    EXPECT_EQ(At(Column::GearingRevsPostShift, 1).ForeColor, vehicle::kGearingNormalColour);
    // Below the plateau.
    EXPECT_EQ(At(Column::GearingRevsPostShift, 2).ForeColor, vehicle::kGearingWarnBlue);
    EXPECT_EQ(At(Column::GearingRevsDropAbs, 2).Text, "400 rad/s");
    EXPECT_EQ(At(Column::GearingRevsDropRel, 1).Text, "40 %");
    EXPECT_EQ(At(Column::GearingRevsDropRel, 2).Text, "31 %");
    EXPECT_EQ(At(Column::GearingRevsDropRel, 3).Text, "24.1 %");

    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::ARV, "Revolutions per minute"));
    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::Speed, "Kilometres per hour"));
    Build();
    // 700 rad/s x 60 / 2 pi = 6684.5 rpm; 20 m/s x 3.6 = 72 km/h.
    EXPECT_EQ(At(Column::GearingRevsPreShift, 1).Text, "6685 rpm");
    EXPECT_EQ(At(Column::GearingCruisingRevs, 1).Text, "1432 rpm");  // 150 rad/s
    EXPECT_EQ(At(Column::GearingSpeed, 1).Text, "72 km/h");
    EXPECT_EQ(At(Column::GearingSpeedGained, 3).Text, "54 km/h");
    EXPECT_EQ(At(Column::GearingReduction, 1).Text, "13.65");  // a ratio has no unit
}

TEST_F(GearingTableTest, AllRowsWrittenWhateverTheNumberOfGears) {
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = 1;
    vehicle::GearingCode().RatioStepPct[5] = std::numeric_limits<float>::infinity();
    Build();
    // Rows 0..7 of the first four columns and the area, then rows 1..6 of the other four:
    // rows beyond the gears are rewritten, never left from a vehicle with more gears.
    EXPECT_EQ(out.size(), 8u * 4u + 1u + 6u * 4u);
    EXPECT_EQ(At(Column::GearingRevsPreShift, 7).Text, "0 rad/s");
    // Rows beyond the gears show what the arrays hold; an engine speed of 0 after a shift
    // lies below the plateau.
    EXPECT_EQ(At(Column::GearingRevsPostShift, 6).Text, "0 rad/s");
    EXPECT_EQ(At(Column::GearingRevsPostShift, 6).ForeColor, vehicle::kGearingWarnBlue);
    EXPECT_EQ(At(Column::GearingRevsDropRel, 5).Text, "N/A");
}

}  // namespace
