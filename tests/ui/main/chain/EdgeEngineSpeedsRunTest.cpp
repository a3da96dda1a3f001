// Engines whose speeds meet within a millionth of a speed, as files written by the editor of an
// earlier version hold them: each opens through File > Load Vehicle Data, is fitted, and runs
// the live page and both runs with every figure finite and nothing shown that no car can have.
// Refused once by the order of the speeds, they had loaded before it knew the boxes' texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/sweep/SweepChecks.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace {

struct EdgeEngine {
    const char* what;
    float torquePeak, plateauWidth, powerPeak, idle, limit;  // rpm
    float peakTorque, peakPower;                             // N m, kW
};

// The speeds as the editor stores what is typed (rad/s texts divided by the rpm constant, as
// Singles): 868.546 + 59.9 rad/s of plateau against a power peak typed as 928.445 rad/s ends
// 0.0087 rpm past it; an idle or a torque peak about a millionth past the speed it must not
// pass.
const EdgeEngine kEngines[] = {
    {"plateau ending past the power peak", 8294.00293f, 572.002869f, 8865.99707f, 750.0f,
     9000.0f, 175.0f, 165.0f},
    {"idle past the limit", 7000.006f, 0.0f, 7400.0f, 7000.006f, 7000.0f, 350.0f, 270.0f},
    {"idle past the torque peak", 1500.0f, 2700.0f, 6200.0f, 1500.0014f, 6500.0f, 350.0f,
     162.0f},
    {"torque peak past the power peak", 6200.006f, 0.0f, 6200.0f, 750.0f, 6500.0f, 250.0f,
     162.0f},
};

class EdgeEngineSpeedsRun : public testsupport::StartedProgram {};

TEST_F(EdgeEngineSpeedsRun, EachLoadsAndRunsWithFiniteFigures) {
    CopyShippedData();
    ui::Main& w = Start();
    sweep::CaptionQuantities quantities;
    sweep::LearnCaptionQuantities(w, quantities);
    std::vector<sweep::Finding> findings;
    sweep::Checks checks(quantities, findings);
    const vehicle::VehicleRecord golf = core::GlobalChassisLab().Vehicles.front();
    int n = 0;
    for (const EdgeEngine& c : kEngines) {
        SCOPED_TRACE(c.what);
        vehicle::VehicleRecord v = golf;
        const std::string name = "Edge " + std::to_string(++n);
        vehicle::SetVehicleName(v, name);
        vehicle::EngineFigures& e = v.Engine;
        e.TorquePeakRPM = c.torquePeak;
        e.TorquePeakWidth = c.plateauWidth;
        e.PowerPeakRPM = c.powerPeak;
        e.IdleRPM = c.idle;
        e.LimitRPM = c.limit;
        e.PeakTorque = c.peakTorque;
        e.PeakPower = c.peakPower;
        const std::string path = (root / "vehicles" / (name + ".vd3")).string();
        vehtest::WriteVehicleFile(path, v);
        platform::FileDialogDouble().QueueOpenPath(path);
        w.FileLoadVehicle->UserClick();
        ASSERT_EQ(core::TrimRight(core::GlobalChassisLab().CurrentVehicle.Name), name)
            << platform::MessageDouble().Last().text;

        const vehicle::EngineRecord& engine = vehicle::EngineCode().CurrentEngine;
        EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbTrue);
        for (float k : engine.LowerCurve) EXPECT_TRUE(std::isfinite(k));
        for (float k : engine.UpperCurve) EXPECT_TRUE(std::isfinite(k));
        // The live page at a few speeds and throttles, then both runs.
        for (int speed : {5, 30, 60}) {
            for (int throttle : {0, 50, 100}) {
                w.Live_Speed->SetValue(speed);
                w.Live_Throttle->SetValue(throttle);
                const vehicle::EngineRecord& live = analysis::LiveStateCode().LiveEngine;
                EXPECT_TRUE(std::isfinite(live.Torque)) << speed << " m/s " << throttle << " %";
                EXPECT_TRUE(std::isfinite(live.Speed)) << speed << " m/s " << throttle << " %";
                checks.Captions(w, c.what);
            }
        }
        w.Analysis_AccCalc->UserClick();
        w.Analysis_DecCalc->UserClick();
        EXPECT_GT(analysis::AccelerationCode().AccLastStep, 0);
        EXPECT_GT(analysis::DecelerationCode().DecLastStep, 0);
        checks.RunTables(c.what);
        checks.Captions(w, c.what);
    }
    EXPECT_TRUE(findings.empty()) << sweep::GroupedFindings(findings);
}

}  // namespace
