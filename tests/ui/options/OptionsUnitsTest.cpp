// The units page: every unit chosen in its selector shows a known figure as worked out by
// hand, the presets choose all 21 units through the selectors, and a choice redisplays what
// shows the quantity on the main window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "core/OptionsSettings.hpp"
#include "files/OptionsFile.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/options/OptionsPanelFill.hpp"
#include "ui/options/OptionsTestSupport.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"

namespace {

using core::Quantity;
using options_test::StartedOptionsTest;

struct UnitCase {
    Quantity q;
    const char* unit;
    double internal;       // in the internal unit
    const char* expected;  // the text shown, worked out by hand
};

// Figures from the unit definitions with the program's constants (inch 39.3900787 per metre in
// distances, pressure and stiffness; pound-force foot 0.737310284547655 per N m; g as a Single),
// rounded half away from zero to the unit's decimals.
const UnitCase kCases[] = {
    // 10 m/s
    {Quantity::Speed, "Metres per second", 10.0, "10 m/s"},
    {Quantity::Speed, "Kilometres per hour", 10.0, "36 km/h"},
    {Quantity::Speed, "Miles per hour", 10.0, "22.4 mph"},                 // 22.369
    {Quantity::Speed, "Nautical miles per hour (knots)", 10.0, "19.4 kn"},  // 19.438
    {Quantity::Speed, "Feet per second", 10.0, "32.8 ft/s"},                // 32.808
    {Quantity::Speed, "Miles per hour", 1.0, "2.2 mph"},                    // 2.237
    // 1 m
    {Quantity::DistanceSmall, "Metres", 1.0, "1 m"},
    {Quantity::DistanceSmall, "Centimetres", 1.0, "100 cm"},
    {Quantity::DistanceSmall, "Millimetres", 1.0, "1000 mm"},
    {Quantity::DistanceSmall, "Inches", 1.0, "39.4 in"},   // 39.39
    {Quantity::DistanceSmall, "Feet", 1.0, "3.28 ft"},     // 3.2825
    {Quantity::DistanceSmall, "Yards", 1.0, "1.09 yds"},   // 1.0942
    // 1000 m
    {Quantity::DistanceLarge, "Metres", 1000.0, "1000 m"},
    {Quantity::DistanceLarge, "Kilometres", 1000.0, "1 km"},
    {Quantity::DistanceLarge, "Yards", 1000.0, "1094 yds"},   // 1094.17, no decimals
    {Quantity::DistanceLarge, "Fathoms", 1000.0, "547.1 fm"},  // 547.08
    {Quantity::DistanceLarge, "Miles", 1000.0, "0.62 mi"},     // 0.6217
    {Quantity::DistanceLarge, "Leagues", 1000.0, "0.207 lg"},  // 0.20723
    // 2 m^2
    {Quantity::Area, "Square metres", 2.0, "2 m\u00B2"},
    {Quantity::Area, "Square centimetres", 2.0, "20000 cm\u00B2"},
    {Quantity::Area, "Square millimetres", 2.0, "2000000 mm\u00B2"},
    {Quantity::Area, "Square inches", 2.0, "3100 in\u00B2"},  // 3100.006
    {Quantity::Area, "Square feet", 2.0, "21.5 ft\u00B2"},   // 21.528
    // 200 kPa
    {Quantity::Pressure, "Kilopascals", 200000.0, "200 kPa"},
    {Quantity::Pressure, "Kilograms per square centimetre", 200000.0, "2.04 kg/cm\u00B2"},  // 2.0394
    {Quantity::Pressure, "Bar", 200000.0, "2 bar"},
    {Quantity::Pressure, "Atmospheres", 200000.0, "1.97 atm"},         // 1.9718
    {Quantity::Pressure, "Pounds per square inch", 200000.0, "29 psi"},  // 28.978
    // 1000 kg
    {Quantity::Mass, "Kilograms", 1000.0, "1000 kg"},
    {Quantity::Mass, "Tonnes", 1000.0, "1 t"},
    {Quantity::Mass, "Pounds", 1000.0, "2205 lb"},        // 2204.6
    {Quantity::Mass, "Slug", 1000.0, "68.5 slug"},        // 68.522
    {Quantity::Mass, "Tons (short)", 1000.0, "1.1 ton"},  // 1.1023
    {Quantity::Mass, "Tons (long)", 1000.0, "0.98 ton"},  // 0.9842
    // 1000 N
    {Quantity::Force, "Newtons", 1000.0, "1000 N"},
    {Quantity::Force, "Sthenes (kilonewtons)", 1000.0, "1 kN"},
    {Quantity::Force, "Kilograms-force", 1000.0, "102 kgf"},  // 101.97
    {Quantity::Force, "Poundals", 1000.0, "7233 pdl"},        // 7233.01
    {Quantity::Force, "Pounds-force", 1000.0, "225 lbf"},     // 224.81
    // 50 N/mm
    {Quantity::Stiffness, "Newtons per millimetre", 50000.0, "50 N/mm"},
    {Quantity::Stiffness, "Kilograms-force per millimetre", 50000.0, "5.1 kgf/mm"},  // 5.0986
    {Quantity::Stiffness, "Pounds per inch", 50000.0, "285 lb/in"},                  // 285.36
    // 1 g
    {Quantity::Acc, "Metres per second squared", 9.80665, "9.81 m/s\u00B2"},
    {Quantity::Acc, "Gal", 9.80665, "981 gal"},
    {Quantity::Acc, "Rate of free fall", 9.80665, "1 g"},
    {Quantity::Acc, "Feet per second squared", 9.80665, "32.2 ft/s\u00B2"},  // 32.174
    {Quantity::Acc, "Inches per second squared", 9.80665, "386 in/s\u00B2"},  // 386.09
    // 100 kW
    {Quantity::Power, "Kilowatts", 100.0, "100 kW"},
    {Quantity::Power, "Horsepower (metric)", 100.0, "136 PS"},     // 135.96
    {Quantity::Power, "Horsepower (original)", 100.0, "134 hp"},   // 134.1
    {Quantity::Power, "Feet pound-force per second", 100.0, "73755 ft lbf/s"},
    // 100 N m
    {Quantity::Torque, "Newton metres", 100.0, "100 Nm"},
    {Quantity::Torque, "Kilogram-force metres", 100.0, "10 kgfm"},  // 10.197
    {Quantity::Torque, "Pound-force feet", 100.0, "74 lbf ft"},     // 73.73
    {Quantity::Torque, "Pound-force inches", 100.0, "885 lbf in"},  // 884.77
    // 0.1 kW/kg = 100 kW/t
    {Quantity::P2W, "Kilowatts per tonne", 0.1, "100 kW/t"},
    {Quantity::P2W, "Kilograms per kilowatt", 0.1, "10 kg/kW"},
    {Quantity::P2W, "Horsepower per tonne", 0.1, "136 ps/t"},                  // 135.96
    {Quantity::P2W, "Horsepower per ton (short)", 0.1, "122 hp/ton (US)"},     // 121.65
    {Quantity::P2W, "Horsepower per ton (long)", 0.1, "136 hp/ton (UK)"},      // 136.25
    {Quantity::P2W, "Horsepower per slug", 0.1, "2 hp/slug"},                  // 1.957
    {Quantity::P2W, "Pound per horsepower", 0.1, "16.4 lb/hp"},                // 16.44
    {Quantity::P2W, "Kilograms per kilowatt", 0.0, "N/A"},
    {Quantity::P2W, "Pound per horsepower", 0.0, "N/A"},
    // water, 1000 kg/m^3
    {Quantity::Density, "Kilograms per cubic metre", 1000.0, "1000 kg/m\u00B3"},
    {Quantity::Density, "Pounds per cubic foot", 1000.0, "62.428 lb/ft\u00B3"},
    {Quantity::Density, "Pounds per cubic inch", 1000.0, "0.036 lb/in\u00B3"},
    // 100 rad/s
    {Quantity::ARV, "Radians per second", 100.0, "100 rad/s"},
    {Quantity::ARV, "Revolutions per second", 100.0, "16 rps"},   // 15.92
    {Quantity::ARV, "Revolutions per minute", 100.0, "955 rpm"},  // 954.93
    // 2 kg m^2
    {Quantity::MOI, "Kilogram square metres", 2.0, "2 kgm\u00B2"},
    {Quantity::MOI, "Pound square feet", 2.0, "47.5 lbft\u00B2"},  // 47.46
    // 3 N s/mm
    {Quantity::Damping, "Newton seconds per millimetre", 3000.0, "3 Ns/mm"},
    {Quantity::Damping, "Pound-force seconds per inch", 3000.0, "17.1 lbf s/in"},  // 17.12
    // 100 kN m/rad
    {Quantity::Rot, "Sthene metres per radian", 100000.0, "100 kNm/rad"},
    {Quantity::Rot, "Kilogram-force metres per gradian", 100000.0, "160.2 kgf m/gon"},  // 160.18
    {Quantity::Rot, "Pound-force feet per degree", 100000.0, "1287 lbf ft/deg"},         // 1286.8
    {Quantity::Rot, "Newton metres per degree", 100000.0, "1745 Nm/deg"},                // 1745.3
    // 0.1 rad
    {Quantity::Angle, "Radians", 0.1, "0.1 rad"},
    {Quantity::Angle, "Gradians", 0.1, "6.37 gon"},  // 6.366
    {Quantity::Angle, "Degrees", 0.1, "5.73\u00B0"},  // 5.7296
    // 10 l/100 km = 0.0001 L/m
    {Quantity::FuelEcon, "Kilometers per litre", 0.0001, "10 km/l"},
    {Quantity::FuelEcon, "Litres per 100 kilometres", 0.0001, "10 l/100km"},
    {Quantity::FuelEcon, "Miles per gallon", 0.0001, "28.2 mpg"},      // 28.25, UK gallon
    {Quantity::FuelEcon, "Gallons per 100 miles", 0.0001, "3.5 g/100mi"},  // 3.540
    {Quantity::FuelEcon, "Kilometers per litre", 0.0, "N/A"},
    {Quantity::FuelEcon, "Miles per gallon", 0.0, "N/A"},
    // 10 l
    {Quantity::Volume, "Litres", 10.0, "10 l"},
    {Quantity::Volume, "UK Gallons", 10.0, "2.2 gal"},  // 2.1997
    {Quantity::Volume, "US Gallons", 10.0, "2.6 gal"},  // 2.6417
    // 1.5 Hz
    {Quantity::Frequency, "Hertz", 1.5, "1.5 Hz"},
    {Quantity::Frequency, "Cycles per minute", 1.5, "90 cpm"},
};

TEST_F(StartedOptionsTest, EveryUnitChosenInItsSelectorShowsTheHandWorkedFigure) {
    for (const UnitCase& c : kCases) {
        SCOPED_TRACE(c.unit);
        Choose(c.q, c.unit);
        EXPECT_EQ(core::UnitValueText(c.q, c.internal), c.expected);
    }
    // Every unit of the table was tried (the selectors refuse a name they do not list).
    std::size_t units = 0;
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) units += core::UnitRows(core::QuantityAt(i)).size();
    std::set<std::pair<Quantity, std::string>> tried;
    for (const UnitCase& c : kCases) tried.insert({c.q, c.unit});
    EXPECT_EQ(tried.size(), units);
    // "Horsepower (original)" is 1.341 hp per kW: 100 kW is 134.1 hp before rounding.
    Choose(Quantity::Power, "Horsepower (original)");
    EXPECT_DOUBLE_EQ(core::OptionsSettings().UnitFactorPower * 100.0, 134.1);
}

TEST_F(StartedOptionsTest, TheWindowShowsTheStoredUnits) {
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const Quantity q = core::QuantityAt(i);
        ASSERT_EQ(panel->Select(q).ListCount(), static_cast<int>(core::UnitRows(q).size())) << i;
        EXPECT_EQ(panel->Select(q).ListIndex(), core::UnitData(q).Index) << i;
    }
    // The first showing after start-up does not list the units a second time.
    panel->Show();
    EXPECT_EQ(panel->Select(Quantity::Speed).ListCount(), 5);
}

TEST_F(StartedOptionsTest, TabsBringTheirPagesToTheFront) {
    const auto front = [&] {
        const platform::Control* top = nullptr;
        for (const platform::Control* c : panel->Children())
            if (c->Name() == "OptionsPage") top = c;  // children in z-order, last on top
        return top;
    };
    EXPECT_EQ(front(), &panel->OptionsPage(0));
    panel->Select_Options->UserSelect(3);
    EXPECT_EQ(front(), &panel->OptionsPage(2));
    panel->Select_Options->UserSelect(2);
    EXPECT_EQ(front(), &panel->OptionsPage(1));
    EXPECT_EQ(core::UnitData(Quantity::Speed).Index, 0);  // a tab changes nothing else
}

// A window opened anew after it was closed fills its lists and shows the settings in force.
TEST_F(StartedOptionsTest, ReopenedWindowShowsTheSettingsInForce) {
    panel->Show();
    Choose(Quantity::Mass, "Pounds");
    ASSERT_TRUE(panel->Unload());
    ui::ShowOptionsPanel();
    ui::OptionsPanel& again = ui::OptionsPanelWindow();
    EXPECT_NE(&again, panel);
    EXPECT_EQ(again.Select(Quantity::Mass).ListCount(), 6);
    EXPECT_EQ(again.Select(Quantity::Mass).Text(), "Pounds");
    EXPECT_EQ(again.UnitSuffixLabel(Quantity::Mass).Caption(), " lb");
}

// The preset buttons choose every unit through the selectors (the presets themselves are
// checked with the unit tables); the main window follows each.
TEST_F(StartedOptionsTest, PresetButtonsSetEverySelectorAndTheMainWindowFollows) {
    panel->SetUnits(1).UserClick();
    EXPECT_EQ(panel->Select(Quantity::Speed).Text(), "Kilometres per hour");
    EXPECT_EQ(panel->UnitSuffixLabel(Quantity::Pressure).Caption(), " kg/cm\u00B2");
    EXPECT_EQ(main->Analysis_AccLabel(38).Caption(), " km/h");
    EXPECT_EQ(main->Analysis_DecLabel(16).Caption(), " km");

    panel->SetUnits(2).UserClick();
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const Quantity q = core::QuantityAt(i);
        EXPECT_EQ(panel->Select(q).Text(), core::UnitPresetName(2, q)) << i;
    }
    EXPECT_EQ(panel->UnitSuffixLabel(Quantity::Frequency).Caption(), " cpm");
    EXPECT_NE(main->GearingSpeed(1).Caption().find(" mph"), std::string::npos);
    EXPECT_EQ(main->Analysis_AccLabel(38).Caption(), " mph");
    EXPECT_EQ(main->Analysis_AccLabel(39).Caption(), " yds");

    panel->SetUnits(0).UserClick();
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) EXPECT_EQ(core::UnitData(core::QuantityAt(i)).Index, 0);
    EXPECT_NE(main->GearingSpeed(1).Caption().find(" m/s"), std::string::npos);
}

TEST_F(StartedOptionsTest, SpeedUnitRedisplaysSpeedsAndRerunsTheRunSummaries) {
    // 100 km/h is one of the acceleration run's benchmarks in km/h, 60 mph in mph.
    Choose(Quantity::Speed, "Kilometres per hour");
    EXPECT_NE(main->GearingSpeed(1).Caption().find(" km/h"), std::string::npos);
    EXPECT_EQ(main->Analysis_DecLabel(15).Caption(), " km/h");
    const auto decKmh = analysis::DecelerationCode().DecResults;
    const auto accKmh = analysis::AccelerationCode().AccResults;

    Choose(Quantity::Speed, "Miles per hour");
    const auto decMph = analysis::DecelerationCode().DecResults;
    // The summaries were worked out again against the mph benchmarks: the times differ.
    EXPECT_NE(decMph, decKmh);
    EXPECT_NE(analysis::AccelerationCode().AccResults, accKmh);
    // The same as running the whole deceleration run afresh in mph (the summary of a stored
    // run against the summary at the end of a new run: two paths to one result).
    analysis::DecelerationCode().DecResults.fill(-1.0f);
    ui::RunDecelerationAnalysis(*main);
    EXPECT_EQ(analysis::DecelerationCode().DecResults, decMph);
}

// The traction-control slip speed beside its slider follows the speed unit like every other
// speed: its slider value in m/s times 3.6 in km/h (whole), times 2.23694 in mph (one place).
TEST_F(StartedOptionsTest, SpeedUnitRedisplaysTheTractionControlSlipSpeed) {
    main->Set_TCSlipSpeed->SetValue(5);
    EXPECT_EQ(main->Set_BrakeLabel(104).Caption(), "5 m/s");
    Choose(Quantity::Speed, "Kilometres per hour");
    EXPECT_EQ(main->Set_BrakeLabel(104).Caption(), "18 km/h");
    Choose(Quantity::Speed, "Miles per hour");
    EXPECT_EQ(main->Set_BrakeLabel(104).Caption(), "11.2 mph");
}

// Loading a file with another speed unit from the window works out both run summaries again
// against the new unit's benchmarks, the deceleration summary included.
TEST_F(StartedOptionsTest, LoadingAnotherSpeedUnitRecomputesBothRunSummaries) {
    Choose(Quantity::Speed, "Miles per hour");
    panel->OptionsSave->UserClick();
    // The summaries of a whole new run in mph (a different path from the refresh below).
    ui::RunDecelerationAnalysis(*main);
    const auto decMph = analysis::DecelerationCode().DecResults;
    const auto accMph = analysis::AccelerationCode().AccResults;

    Choose(Quantity::Speed, "Metres per second");
    ASSERT_NE(analysis::DecelerationCode().DecResults, decMph);
    panel->OptionsLoad->UserClick();
    EXPECT_EQ(core::UnitSuffix(Quantity::Speed), " mph");
    EXPECT_EQ(analysis::DecelerationCode().DecResults, decMph);
    EXPECT_EQ(analysis::AccelerationCode().AccResults, accMph);
    EXPECT_EQ(main->Analysis_DecLabel(15).Caption(), " mph");
}

// An open calculator follows the units of a loaded file, which the options window applies
// while it fills its selectors (when it redisplays nothing of the main window).
TEST_F(StartedOptionsTest, AnOpenCalculatorFollowsTheUnitsOfALoadedFile) {
    ui::ResetMechCalcs();
    ui::ShowMechCalcs();
    const platform::Label& leaf = ui::PeekMechCalcs()->LeafCalcLabel(100);
    Choose(Quantity::Stiffness, "Pounds per inch");
    panel->OptionsSave->UserClick();
    Choose(Quantity::Stiffness, "Newtons per millimetre");
    EXPECT_EQ(leaf.Caption(), "62 N/mm");  // 62011.7 N/m
    panel->OptionsLoad->UserClick();
    EXPECT_EQ(leaf.Caption(), "354 lb/in");
    ui::ResetMechCalcs();
}

// The button with no options file keeps the person's units and writes none (at start-up a
// missing file gives SI units and a new file).
TEST_F(StartedOptionsTest, LoadingWithNoOptionsFileKeepsTheUnits) {
    const std::filesystem::path file = core::GlobalChassisLab().AppDir + "Options.ini";
    ASSERT_TRUE(std::filesystem::remove(file));
    panel->SetUnits(2).UserClick();
    panel->OptionsLoad->UserClick();
    EXPECT_EQ(panel->Select(Quantity::Speed).Text(), "Miles per hour");
    EXPECT_EQ(core::UnitSuffix(Quantity::Mass), " lb");
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A change of speed or large-distance unit rewrites the run searches' boxes in the new unit:
// 10 m/s does not become 10 mph.
TEST_F(StartedOptionsTest, SearchBoxesFollowTheirUnit) {
    auto& acc = main->Analysis_AccSearchInput;
    auto& dec = main->Analysis_DecSearchInput;
    acc(2).SetText("100");
    acc(0).SetText("10");
    acc(1).SetText("20");
    dec(2).SetText("50");
    dec(0).SetText("30");
    dec(1).SetText("10");
    const float searched = analysis::AccelerationCode().AccResults[analysis::AccRes::SearchTime];
    Choose(Quantity::Speed, "Kilometres per hour");
    EXPECT_EQ(acc(0).Text(), "36");
    EXPECT_EQ(acc(1).Text(), "72");
    EXPECT_EQ(dec(0).Text(), "108");
    EXPECT_EQ(dec(1).Text(), "36");
    EXPECT_EQ(acc(2).Text(), "100");
    EXPECT_NEAR(analysis::AccelerationCode().AccResults[analysis::AccRes::SearchTime], searched,
                0.011f);  // the same speeds, within a step of the run
    // A box being typed with no number in it converts the number its commit brings back.
    acc(0).UserFocus();
    acc(0).SetSelStart(0);
    acc(0).SetSelLength(2);
    acc(0).UserType("x");
    Choose(Quantity::Speed, "Miles per hour");
    EXPECT_EQ(acc(0).Text(), "x");
    acc(0).UserLeave();
    EXPECT_EQ(acc(0).Text(), "22.369");  // five figures
    Choose(Quantity::DistanceLarge, "Kilometres");
    EXPECT_EQ(acc(2).Text(), "0.1");
    EXPECT_EQ(dec(2).Text(), "0.05");
    EXPECT_EQ(acc(0).Text(), "22.369");
}

// The vehicle editor's boxes hold the vehicle in the units in force: while it is open no unit
// can change, not even by loading an options file in other units, so updating an untouched
// vehicle stores what it held.
TEST_F(StartedOptionsTest, UnitsCannotChangeWhileTheVehicleEditorIsOpen) {
    panel->Show();
    Choose(Quantity::Mass, "Pounds");
    panel->OptionsSave->UserClick();
    Choose(Quantity::Mass, "Kilograms");
    main->VehData_Modification->SetVisible(true);
    const float mass = core::GlobalChassisLab().CurrentVehicle.BodyMass;
    main->VehData_EditExisting->UserClick();
    EXPECT_FALSE(panel->OptionsLoad->Enabled());
    Choose(Quantity::Mass, "Pounds");
    panel->SetUnits(2).UserClick();
    panel->OptionsLoad->UserClick();
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        EXPECT_FALSE(panel->Select(core::QuantityAt(i)).Enabled()) << i;
        EXPECT_EQ(core::UnitData(core::QuantityAt(i)).Index, 0) << i;
    }
    main->VehData_UpdateVeh->UserClick();
    EXPECT_NEAR(core::GlobalChassisLab().CurrentVehicle.BodyMass, mass, mass * 1e-6f);

    // Closed again, the choices are back.
    EXPECT_TRUE(panel->SetUnits(2).Enabled());
    EXPECT_TRUE(panel->OptionsLoad->Enabled());
    Choose(Quantity::Mass, "Pounds");
    EXPECT_EQ(core::UnitData(Quantity::Mass).Index, 2);

    // A window created while the editor is open starts with them disabled.
    main->VehData_EditExisting->UserClick();
    ui::ResetOptionsPanel();
    ui::OptionsPanel& fresh = ui::OptionsPanelWindow();
    fresh.OptionsPanel_Form_Load();
    EXPECT_EQ(fresh.Select(Quantity::Mass).ListCount(), 6);
    EXPECT_FALSE(fresh.Select(Quantity::Mass).Enabled());
    EXPECT_FALSE(fresh.SetUnits(0).Enabled());
    main->VehData_Cancel->UserClick();
    EXPECT_TRUE(fresh.Select(Quantity::Mass).Enabled());
}

// While the program is loading, a choice changes the unit and its labels but redisplays
// nothing.
TEST_F(StartedOptionsTest, LoadingFlagStopsTheRedisplay) {
    const std::string before = main->GearingSpeed(1).Caption();
    core::GlobalChassisLab().FormLoading = core::VbTrue;
    Choose(Quantity::Speed, "Feet per second");
    EXPECT_EQ(core::UnitSuffix(Quantity::Speed), " ft/s");
    EXPECT_EQ(panel->UnitSuffixLabel(Quantity::Speed).Caption(), " ft/s");
    EXPECT_EQ(main->Analysis_AccLabel(38).Caption(), " ft/s");
    EXPECT_EQ(main->GearingSpeed(1).Caption(), before);
    core::GlobalChassisLab().FormLoading = core::VbFalse;
}

}  // namespace

namespace {

// An options file that chooses mph: after start-up the window and the displays show it.
class StartWithOptionsFileTest : public testsupport::StartedProgram {};

TEST_F(StartWithOptionsFileTest, StoredSpeedUnitIsShownAfterStartUp) {
    CopyShippedData();
    core::OptionsSettings() = {};
    core::SetDefaultOptions();
    core::ApplySelectedUnits();
    std::string text = files::OptionsFileText();
    const std::string key = "SpdUnits: 0";
    text.replace(text.find(key), key.size(), "SpdUnits: 2");
    {
        std::ofstream out(root / "Options.ini", std::ios::binary);
        out << text;
    }
    ui::Main& main = Start();
    ui::OptionsPanel& panel = ui::OptionsPanelWindow();
    EXPECT_EQ(panel.Select(core::Quantity::Speed).Text(), "Miles per hour");
    EXPECT_DOUBLE_EQ(core::OptionsSettings().UnitFactorSpeed, 3.6 / 1.609344);
    EXPECT_NE(main.GearingSpeed(1).Caption().find(" mph"), std::string::npos);
    EXPECT_EQ(main.Analysis_AccLabel(38).Caption(), " mph");
    ui::ResetOptionsPanel();
}

}  // namespace
