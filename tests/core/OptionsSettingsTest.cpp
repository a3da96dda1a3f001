// Unit system, options defaults and unit presets. Expected figures are hand conversions.
#include <gtest/gtest.h>

#include <limits>

#include <cmath>

#include "core/OptionsSettings.hpp"

namespace {

using core::Quantity;

class OptionsSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::OptionsSettings() = core::OptionsSettingsState{};
        core::SetDefaultOptions();
        core::ApplySelectedUnits();
    }
    static void Select(Quantity q, const char* name) {
        ASSERT_TRUE(core::SelectUnitByName(q, name)) << name;
    }
    static std::string Text(Quantity q, double v) { return core::UnitValueText(q, v); }
    static std::string SelectedName(Quantity q) {
        auto slot = core::UnitData(q);
        return slot.Names.at(slot.Index);
    }
};

TEST_F(OptionsSettingsTest, StartsInTheFirstUnitOfEveryQuantity) {
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        EXPECT_EQ(core::UnitData(core::QuantityAt(i)).Index, 0) << i;
    }
    EXPECT_EQ(Text(Quantity::Pressure, 200000.0), "200 kPa");
    EXPECT_EQ(Text(Quantity::P2W, 0.1), "100 kW/t");  // 0.1 kW/kg = 100 kW/t
}

TEST_F(OptionsSettingsTest, DefaultsComeBackButTheUnitSelectionStays) {
    auto& s = core::OptionsSettings();
    s.CornerMassChartScaleY = 7;
    s.LFSMode = core::VbFalse;
    Select(Quantity::Speed, "Miles per hour");
    core::SetDefaultOptions();
    EXPECT_EQ(s.CornerMassChartScaleY, 50);
    EXPECT_EQ(s.LFSMode, core::VbTrue);
    EXPECT_EQ(s.UnitIndexSpeed, 2);
    EXPECT_EQ(s.UnitNamesSpeed.size(), 5u);
}

TEST_F(OptionsSettingsTest, DisplayTextsRoundAndAppendTheSuffix) {
    Select(Quantity::DistanceSmall, "Inches");
    EXPECT_EQ(Text(Quantity::DistanceSmall, 1.0), "39.4 in");  // 39.39 in (program's inch)
    Select(Quantity::DistanceSmall, "Feet");
    EXPECT_EQ(Text(Quantity::DistanceSmall, 1.0), "3.28 ft");
    Select(Quantity::DistanceSmall, "Millimetres");
    EXPECT_EQ(Text(Quantity::DistanceSmall, 0.0125), "13 mm");
    Select(Quantity::Angle, "Degrees");
    EXPECT_EQ(Text(Quantity::Angle, 12.5 / 57.29577951309679), "12.5\u00B0");
    Select(Quantity::Angle, "Radians");
    EXPECT_EQ(Text(Quantity::Angle, 12.5), "12.5 rad");
    Select(Quantity::Speed, "Kilometres per hour");
    EXPECT_EQ(Text(Quantity::Speed, 27.7777777), "100 km/h");
    EXPECT_EQ(Text(Quantity::Speed, -10.0), "-36 km/h");
    Select(Quantity::Speed, "Miles per hour");
    EXPECT_EQ(Text(Quantity::Speed, 26.8224), "60 mph");
    Select(Quantity::Force, "Pounds-force");
    EXPECT_EQ(Text(Quantity::Force, 1000.0), "225 lbf");  // 1000 N = 224.8 lbf
    Select(Quantity::Pressure, "Pounds per square inch");
    EXPECT_EQ(core::UnitNumberText(Quantity::Pressure, 200000.0), "29");  // program's inch
}

TEST_F(OptionsSettingsTest, EverySuffixButTheDegreeSignStartsWithABlank) {
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        for (const auto& row : core::UnitRows(core::QuantityAt(i))) {
            if (row.Name == "Degrees") {
                EXPECT_EQ(row.Suffix, "\u00B0");
            } else {
                EXPECT_EQ(row.Suffix.front(), ' ') << row.Name;
            }
            EXPECT_GT(row.Factor, 0.0) << row.Name;
        }
    }
}

TEST_F(OptionsSettingsTest, DensityUnitsUseTheCubicFoot) {
    // Water: 1000 kg/m3 = 62.428 lb/ft3 = 0.036127 lb/in3; air 1.225 kg/m3 = 0.0765 lb/ft3.
    Select(Quantity::Density, "Pounds per cubic foot");
    EXPECT_NEAR(core::OptionsSettings().UnitFactorDensity, 0.0624279606, 1e-10);
    EXPECT_EQ(Text(Quantity::Density, 1000.0), "62.428 lb/ft\u00B3");
    EXPECT_EQ(Text(Quantity::Density, 1.225), "0.076 lb/ft\u00B3");
    Select(Quantity::Density, "Pounds per cubic inch");
    EXPECT_NEAR(core::OptionsSettings().UnitFactorDensity, 3.6127292e-5, 1e-12);
    EXPECT_EQ(Text(Quantity::Density, 1000.0), "0.036 lb/in\u00B3");
}

// A figure that is not a finite number, or one too large for a Single once converted, is shown
// as "N/A", never as "NaN" or "Inf".
TEST_F(OptionsSettingsTest, FiguresThatAreNotFiniteShowNA) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(core::UnitValueText(Quantity::Speed, nan), "N/A");
    EXPECT_EQ(core::UnitNumberText(Quantity::Speed, std::numeric_limits<double>::infinity()), "N/A");
    EXPECT_EQ(core::UnitValueText(Quantity::Speed, 1e300), "N/A");  // beyond a Single
    EXPECT_EQ(core::RoundedText(std::numeric_limits<float>::infinity(), 2), "N/A");
    EXPECT_EQ(core::RoundedText(2.456f, 2), "2.46");
}

TEST_F(OptionsSettingsTest, InverseUnitsShowFactorOverValueAndNAForZero) {
    Select(Quantity::P2W, "Kilograms per kilowatt");
    EXPECT_EQ(core::OptionsSettings().PowerToWeightExponent, -1);
    EXPECT_EQ(Text(Quantity::P2W, 0.1), "10 kg/kW");  // 0.1 kW/kg -> 10 kg/kW
    EXPECT_EQ(Text(Quantity::P2W, 0.0), "N/A");
    Select(Quantity::P2W, "Pound per horsepower");
    EXPECT_EQ(Text(Quantity::P2W, 0.1), "16.4 lb/hp");  // 10 kg/kW x 2.2046 lb/kg / 1.341 hp/kW
    EXPECT_EQ(core::UnitNumberText(Quantity::P2W, 0.0), "N/A");
    Select(Quantity::P2W, "Horsepower per tonne");
    EXPECT_EQ(core::OptionsSettings().PowerToWeightExponent, 1);
    EXPECT_EQ(Text(Quantity::P2W, 0.0), "0 ps/t");

    // 10 L/100 km = 0.0001 L/m = 10 km/l = 28.2 mpg (UK).
    Select(Quantity::FuelEcon, "Kilometers per litre");
    EXPECT_EQ(Text(Quantity::FuelEcon, 0.0001), "10 km/l");
    EXPECT_EQ(Text(Quantity::FuelEcon, 0.0), "N/A");
    Select(Quantity::FuelEcon, "Miles per gallon");
    EXPECT_EQ(Text(Quantity::FuelEcon, 0.0001), "28.2 mpg");
    EXPECT_EQ(Text(Quantity::FuelEcon, 0.0), "N/A");
    Select(Quantity::FuelEcon, "Litres per 100 kilometres");
    EXPECT_EQ(core::OptionsSettings().FuelEconomyExponent, 1);
    EXPECT_EQ(Text(Quantity::FuelEcon, 0.0001), "10 l/100km");
}

TEST_F(OptionsSettingsTest, TypedValuesConvertBackToInternalUnits) {
    Select(Quantity::Stiffness, "Newtons per millimetre");
    EXPECT_DOUBLE_EQ(core::UnitInputValue(Quantity::Stiffness, "50"), 50000.0);
    Select(Quantity::Speed, "Kilometres per hour");
    EXPECT_NEAR(core::UnitInputValue(Quantity::Speed, "36 km/h"), 10.0, 1e-12);
    EXPECT_EQ(core::UnitInputValue(Quantity::Speed, "abc"), 0.0);
    Select(Quantity::P2W, "Kilograms per kilowatt");
    EXPECT_NEAR(core::UnitInputValue(Quantity::P2W, "10"), 0.1, 1e-12);
    EXPECT_EQ(core::UnitInputValue(Quantity::P2W, "0"), 0.0);
}

TEST_F(OptionsSettingsTest, UnknownNameLeavesTheUnitAlone) {
    Select(Quantity::Mass, "Pounds");
    EXPECT_FALSE(core::SelectUnitByName(Quantity::Mass, "pounds"));
    EXPECT_FALSE(core::SelectUnitByName(Quantity::Mass, "Kilos"));
    EXPECT_EQ(core::OptionsSettings().UnitIndexMass, 2);
    EXPECT_DOUBLE_EQ(core::OptionsSettings().UnitFactorMass, 2.20462262);
    EXPECT_FALSE(core::ApplyUnitRow(Quantity::Mass, 6));
    EXPECT_EQ(core::OptionsSettings().UnitIndexMass, 2);
}

TEST_F(OptionsSettingsTest, MetricAndImperialPresetsAndBackToSI) {
    core::ApplyUnitPreset(1);
    EXPECT_EQ(Text(Quantity::Speed, 27.7777777), "100 km/h");
    EXPECT_EQ(core::OptionsSettings().UnitDecimalsDistanceSmall, 1);  // centimetres

    core::ApplyUnitPreset(2);
    EXPECT_EQ(SelectedName(Quantity::Volume), "UK Gallons");
    EXPECT_EQ(core::OptionsSettings().FuelEconomyExponent, -1);
    EXPECT_EQ(Text(Quantity::Speed, 26.8224), "60 mph");

    core::ApplyUnitPreset(7);  // no such button: nothing changes
    EXPECT_EQ(SelectedName(Quantity::Volume), "UK Gallons");

    core::ApplyUnitPreset(0);
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        EXPECT_EQ(core::UnitData(core::QuantityAt(i)).Index, 0) << i;
    }
    EXPECT_EQ(core::OptionsSettings().FuelEconomyExponent, -1);  // km/l is inverse too
    EXPECT_EQ(core::OptionsSettings().PowerToWeightExponent, 1);
}

}  // namespace
