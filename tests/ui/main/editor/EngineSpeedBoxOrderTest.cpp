// An engine speed typed as the editor's box shows another passes their order, in every unit of
// angular velocity: the box's text is the speed rounded to the characters the box holds, and
// typed back it is stored a hair off. A speed one unit of the box's last digit above it is
// refused. Speeds a hair apart show texts that, typed back together, keep their order.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/Units.hpp"
#include "support/SampleVehicles.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"
#include "vehicle/CheckSlack.hpp"
#include "vehicle/EngineSpeedOrder.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace {

constexpr int kLength = vehicle::kEngineSpeedTextLength;

// What a speed box shows of a speed held in rpm, in the unit chosen.
std::string Shown(float rpm) {
    return ui::SpeedFieldText(rpm, kLength, vehicle::ranges::TorquePeakSpeed);
}

// What typing `text` into a speed box stores.
float Typed(const std::string& text) { return ui::StoredRpm(core::TypedVal(text)); }

// The next text up a box of kLength characters can hold: "157.08" is "157.080", so "157.081";
// "25" is "25.0000", so "25.0001"; "238732" has no room for a point, so "238733".
std::string NextTextUp(std::string text) {
    if (text.find('.') == std::string::npos && text.size() + 2 <= kLength) text += '.';
    if (text.find('.') != std::string::npos)
        while (text.size() < kLength) text += '0';
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return core::DoubleText(core::Val(text) + std::pow(10.0, -decimals));
}

// Idle at `idle` against a torque peak at `torque` (rpm): whether the check's order refuses it.
bool IdleRefused(float torque, float idle) {
    return vehicle::FindEngineSpeedConflicts(torque, 500.0, torque + 1000.0, idle, 30000.0)
        .IdleAboveTorquePeak;
}

class EngineSpeedBoxOrder : public ::testing::Test {
protected:
    void SetUp() override { sample::ResetAll(); }
    void TearDown() override { sample::ResetAll(); }

    // The shipped cars' engine speeds, and speeds spread evenly in size from 10 to 200000 rpm.
    static std::vector<float> Speeds() {
        std::vector<float> speeds;
        for (const vehicle::VehicleRecord& car : vehtest::ShippedCars()) {
            const vehicle::EngineFigures& e = car.Engine;
            speeds.insert(speeds.end(), {e.TorquePeakRPM, e.PowerPeakRPM, e.IdleRPM, e.LimitRPM});
        }
        for (int k = 0; k <= 4000; ++k)
            speeds.push_back(static_cast<float>(10.0 * std::pow(2e4, k / 4000.0)));
        return speeds;
    }
};

TEST_F(EngineSpeedBoxOrder, EqualShownTextsPassInEveryUnit) {
    for (const core::UnitRow& unit : core::UnitRows(core::Quantity::ARV)) {
        ASSERT_TRUE(core::SelectUnitByName(core::Quantity::ARV, unit.Name));
        for (const float speed : Speeds()) {
            if (speed <= 0.0f) continue;
            const std::string text = Shown(speed);
            ASSERT_LE(text.size(), static_cast<std::size_t>(kLength));
            const float typed = Typed(text);
            // Idle typed as the torque peak shows, and the torque peak typed as idle shows.
            EXPECT_FALSE(IdleRefused(speed, typed)) << unit.Name << ": " << speed << " " << text;
            EXPECT_FALSE(IdleRefused(typed, speed)) << unit.Name << ": " << speed << " " << text;
        }
    }
}

// Whether, in some unit, the boxes show speeds `a` and `b` (rpm) with one text, which typed
// stores one of them: the record that typing equal texts in that unit makes, which the
// check must take whatever unit is chosen now.
bool EqualTextsInSomeUnit(float a, float b) {
    const auto units = core::UnitRows(core::Quantity::ARV);
    const std::string chosen(units[core::UnitData(core::Quantity::ARV).Index].Name);
    bool equal = false;
    for (const core::UnitRow& unit : units) {
        core::SelectUnitByName(core::Quantity::ARV, unit.Name);
        const std::string text = Shown(a);
        equal = equal || (text == Shown(b) && (Typed(text) == a || Typed(text) == b));
    }
    core::SelectUnitByName(core::Quantity::ARV, chosen);
    return equal;
}

// One unit of the box's last digit above the text shown is refused, in every unit: the Golf's
// torque peak of 1500 rpm in SI ("157.08" passes, "157.081" is refused), and speeds from 500
// to 200000 rpm, but where another unit's boxes show the two alike or the two lie within the
// slack of every check of a vehicle (1e-6 of the speed: 7000 rpm shows as 733.038 rad/s, and
// 733.039 rad/s is 7000.0066 rpm).
TEST_F(EngineSpeedBoxOrder, TheNextShownValueUpIsRefused) {
    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::ARV, "Radians per second"));
    EXPECT_EQ(Shown(1500.0f), "157.08");
    EXPECT_FALSE(IdleRefused(1500.0f, Typed("157.08")));
    EXPECT_TRUE(IdleRefused(1500.0f, Typed("157.081")));
    // 6200 rpm shows as 649.262 rad/s; 649.263 rad/s is 6200.0049 rpm, which in rpm shows
    // as 6200, as the other does.
    EXPECT_TRUE(EqualTextsInSomeUnit(6200.0f, Typed("649.263")));
    EXPECT_FALSE(IdleRefused(6200.0f, Typed("649.263")));

    for (const core::UnitRow& unit : core::UnitRows(core::Quantity::ARV)) {
        ASSERT_TRUE(core::SelectUnitByName(core::Quantity::ARV, unit.Name));
        const std::string next = NextTextUp(Shown(1500.0f));
        EXPECT_TRUE(IdleRefused(1500.0f, Typed(next))) << unit.Name << ": " << next;
        int refused = 0, speeds = 0;
        for (const float speed : Speeds()) {
            if (speed < 500.0f) continue;
            const float typed = Typed(NextTextUp(Shown(speed)));
            if (typed - speed <= vehicle::CheckSlack(typed)) {
                EXPECT_FALSE(IdleRefused(speed, typed)) << unit.Name << ": " << speed;
                continue;
            }
            ++speeds;
            if (IdleRefused(speed, typed))
                ++refused;
            else
                EXPECT_TRUE(EqualTextsInSomeUnit(speed, typed)) << unit.Name << ": " << speed;
        }
        EXPECT_GT(refused, speeds * 9 / 10) << unit.Name;
    }
}

// The BMW M3 with speeds a hair apart, a hair out of the order the check keeps (within its
// slack, as files an earlier version stored hold them), opened in each unit of angular
// velocity. In one unit each speed's own nearest text breaks the order: the power peak at
// 4899.997 rpm (81.66662 rps) and the torque peak at 4900 rpm (81.66667 rps) without a
// plateau show as 81.6666 and 81.6667 rps, which typed back put the power peak 0.006 rpm
// below. The later box in the editor's order takes the earlier one's text instead (with the
// power peak a hair below the torque peak and idle a hair above, both take its text), so typed
// back as shown (every key) the speeds pass and Update stays enabled, in every unit.
class SpeedBoxTextsTypedBack : public editortest::EditorTest {};

TEST_F(SpeedBoxTextsTypedBack, SpeedsAHairApartShowTextsInTheirOrder) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    using platform::TextBox;
    using M = ui::Main;
    struct Row {
        const char* what;
        float torquePeak, width, powerPeak, idle, limit;  // rpm
        float power;  // kW, within what the peak torque gives at the power peak
        const char* unit;  // where the speeds' own nearest texts break their order
        const char* text;  // shown there in the boxes of the speeds a hair apart
        std::vector<TextBox* M::*> boxes;
    };
    const Row rows[] = {
        {"power peak at the plateau's end", 4900.0f, 0.0f, 4899.997f, 850.0f, 8000.0f, 180.0f,
         "Revolutions per second", "81.6667", {&M::VehData_NewTorqueRPM, &M::VehData_NewPowerRPM}},
        {"idle at the torque peak", 4890.0024f, 500.0f, 7900.0f, 4890.0044f, 8000.0f, 252.0f,
         "Revolutions per second", "81.5", {&M::VehData_NewTorqueRPM, &M::VehData_NewIdleRPM}},
        {"idle at the rev limit", 5000.0f, 500.0f, 7900.0f, 4890.0044f, 4890.0024f, 252.0f,
         "Revolutions per second", "81.5001", {&M::VehData_NewIdleRPM, &M::VehData_NewLimitRPM}},
        {"both about the torque peak", 819.41998f, 0.0f, 819.41925f, 819.4226f, 8000.0f, 30.5f,
         "Radians per second", "85.8095",
         {&M::VehData_NewTorqueRPM, &M::VehData_NewPowerRPM, &M::VehData_NewIdleRPM}},
    };
    TextBox* M::*const speedBoxes[] = {&M::VehData_NewTorqueRPM, &M::VehData_NewTorquePeakWidth,
                                       &M::VehData_NewPowerRPM, &M::VehData_NewIdleRPM,
                                       &M::VehData_NewLimitRPM};
    const std::string path = (root / "vehicles" / "M3 edge.vd3").string();
    for (const Row& row : rows) {
        vehicle::VehicleRecord v = g.Vehicles[1];
        vehicle::SetVehicleName(v, "M3 " + std::to_string(&row - rows));
        vehicle::EngineFigures& e = v.Engine;
        e.TorquePeakRPM = row.torquePeak;
        e.TorquePeakWidth = row.width;
        e.PowerPeakRPM = row.powerPeak;
        e.IdleRPM = row.idle;
        e.LimitRPM = row.limit;
        e.PeakPower = row.power;
        vehtest::WriteVehicleFile(path, v);
        platform::FileDialogDouble().QueueOpenPath(path);
        w.FileLoadVehicle->UserClick();
        ASSERT_EQ(g.CurrentVehicle.Name, v.Name) << Messages().Last().text;
        for (const core::UnitRow& unit : core::UnitRows(core::Quantity::ARV)) {
            SCOPED_TRACE(std::string(row.what) + ", " + std::string(unit.Name));
            ASSERT_TRUE(core::SelectUnitByName(core::Quantity::ARV, unit.Name));
            w.VehData_EditExisting->UserClick();
            EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
            if (unit.Name == row.unit)
                for (TextBox* M::*box : row.boxes) EXPECT_EQ((w.*box)->Text(), row.text);
            for (TextBox* M::*box : speedBoxes) Type(*(w.*box), std::string((w.*box)->Text()));
            for (TextBox* M::*box : speedBoxes) EXPECT_TRUE(Accepted(*(w.*box)));
            EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
            w.VehData_Cancel->UserClick();
        }
    }
}

}  // namespace
