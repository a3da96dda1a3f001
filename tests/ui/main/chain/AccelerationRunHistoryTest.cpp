// An acceleration run must depend only on the vehicle, its setup and the live state, never on
// which vehicles were selected before it: selecting A then B and running gives the table,
// bit for bit, that a fresh start selecting B gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "support/SampleVehicles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"

namespace {

constexpr float kDt = analysis::kAccTimeSteps[1];  // 1/500 s

struct RunTable {
    std::string vehicle;
    int32_t lastStep = -1;
    std::vector<float> rows;  // rows 0..lastStep
};

class AccelerationRunHistoryTest : public testsupport::StartedProgram {
protected:
    // A fresh program (every module's state as at start-up), then the vehicles of `order`
    // selected in turn in the main window's list, then a 1/500 s run of the last one.
    // With `brakePercent` and `steeringAngle`, the live brake and steering are applied before
    // the selections (they stay where they are when a vehicle is selected).
    RunTable RunAfter(const std::vector<int>& order, int brakePercent = 0, int steeringAngle = 0) {
        TearDown();
        sample::ResetAll();
        SetUp();
        CopyShippedData();
        ui::Main& w = Start();
        if (brakePercent != 0) w.Live_Brake->SetValue(brakePercent);
        if (steeringAngle != 0) w.Live_SteeringAngle->SetValue(steeringAngle);
        for (int car : order) w.Main_SelectVeh->UserSelect(car);
        analysis::RunAccelerationAnalysis(kDt, ui::ReadAccRunInputs(w), {});
        const auto& s = analysis::AccelerationCode();
        RunTable t;
        t.vehicle = core::Trim(core::GlobalChassisLab().CurrentVehicle.Name);
        t.lastStep = s.AccLastStep;
        t.rows.assign(s.AccData.begin(),
                      s.AccData.begin() + static_cast<std::ptrdiff_t>(s.AccLastStep + 1) *
                                              analysis::kAccColumns);
        return t;
    }

    static void ExpectSameBits(const RunTable& fresh, const RunTable& after) {
        ASSERT_EQ(after.vehicle, fresh.vehicle);
        EXPECT_EQ(after.lastStep, fresh.lastStep) << fresh.vehicle;
        for (std::size_t k = 0; k < std::min(fresh.rows.size(), after.rows.size()); ++k) {
            // Bit for bit: -0 and +0 or two NaNs of different payload would count as changes.
            uint32_t a, b;
            std::memcpy(&a, &fresh.rows[k], sizeof a);
            std::memcpy(&b, &after.rows[k], sizeof b);
            if (a != b) {
                ADD_FAILURE() << fresh.vehicle << ": step " << k / analysis::kAccColumns
                              << " column " << k % analysis::kAccColumns << ": fresh "
                              << fresh.rows[k] << ", after other selections " << after.rows[k];
                return;
            }
        }
    }
};

TEST_F(AccelerationRunHistoryTest, TableDoesNotDependOnTheVehiclesSelectedBefore) {
    // The start-up selects the first sample car; selecting car B right after it is the
    // reference for every longer history that ends in B (each ordering of the three cars).
    for (int b = 1; b < 3; ++b) {
        SCOPED_TRACE(b);
        const RunTable fresh = RunAfter({b});
        ASSERT_GT(fresh.lastStep, 100);
        for (int a = 0; a < 3; ++a) {
            if (a == b) continue;
            ExpectSameBits(fresh, RunAfter({a, b}));
            for (int c = 0; c < 3; ++c)
                if (c != a && c != b) ExpectSameBits(fresh, RunAfter({a, c, b}));
        }
    }
}

// The unsprung masses sit at the wheel centres: the start-up works out the wheels before the
// masses, so its first vehicle does not get an unsprung centre of gravity on the ground.
TEST_F(AccelerationRunHistoryTest, StartUpPutsTheUnsprungMassAtTheWheelCentres) {
    RunAfter({});
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const float atStart = analysis::PhysicalCode().StaticUnsprungCoGHeight;
    // Between the front and rear unloaded radii (a road car's are 0.3-0.35 m).
    EXPECT_GE(atStart, std::min(tyres[0].UnloadedRadius, tyres[2].UnloadedRadius) - 1e-6f);
    EXPECT_LE(atStart, std::max(tyres[0].UnloadedRadius, tyres[2].UnloadedRadius) + 1e-6f);
    EXPECT_GT(atStart, 0.25f);
}

// The start-up's own vehicle and the same vehicle selected again later: the start-up
// must leave every model as a selection does (tyres, brake torques and live results of a
// vehicle at rest before its live state; the shift speeds worked out again at the live heights).
TEST_F(AccelerationRunHistoryTest, StartUpVehicleMatchesTheSameVehicleSelectedLater) {
    const RunTable fresh = RunAfter({});
    ExpectSameBits(fresh, RunAfter({1, 0}));
    ExpectSameBits(fresh, RunAfter({2, 0}));
}

// Braking and steering in the live state: its corner loads then depend on the vehicle's own
// brake torques and on the body roll and heights it starts its passes from. The sample cars'
// brake torques differ, so a live state braking through the previous vehicle's torques, or
// starting from the roll and heights the last call left (the slider moves after start-up here,
// or the vehicle selected before), would load and deflect the tyres every run starts from
// differently.
TEST_F(AccelerationRunHistoryTest, LiveBrakingAndSteeringDoNotCarryOverToTheNextVehicle) {
    constexpr int kBrake = 40, kSteer = 90;
    const RunTable startUp = RunAfter({}, kBrake, kSteer);
    ExpectSameBits(startUp, RunAfter({2, 0}, kBrake, kSteer));
    for (int b = 1; b < 3; ++b) {
        SCOPED_TRACE(b);
        const RunTable fresh = RunAfter({b}, kBrake, kSteer);
        const int a = 3 - b;  // the other sample car
        ExpectSameBits(fresh, RunAfter({a, b}, kBrake, kSteer));
    }
}

}  // namespace
