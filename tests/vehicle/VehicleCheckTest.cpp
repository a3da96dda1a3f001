// The one check of a vehicle: every problem, in the order the file reader reports them, each
// naming the fields whose inputs are at fault; a cross-check waits for its fields' ranges.
#include "vehicle/VehicleCheck.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/SampleVehicles.hpp"
#include "support/VehicleTestSupport.hpp"
#include "vehicle/EngineFigureRefusalText.hpp"

namespace {

using vehicle::VehicleCheckKind;
using vehicle::VehicleRecord;

// "Kind: field, field; ..." for each problem.
std::string Described(const VehicleRecord& v) {
    std::string all;
    for (const vehicle::VehicleProblem& p : vehicle::FindVehicleProblems(v)) {
        all += std::to_string(static_cast<int>(p.Kind)) + ":";
        for (const std::string& f : p.Fields) all += " " + f;
        all += "; ";
    }
    return all;
}

TEST(VehicleCheck, EveryProblemInTheReadersOrderWithTheFieldsAtFault) {
    // ValidVehicle: unsprung masses 80 and 75 kg, wheels 18.5 and 19.5 kg, tyres 225/45 and
    // 245/40, 300 N m from 4000 to 4500 rpm, 150 kW at 6500 rpm, idle 900, limit 7200.
    const struct {
        const char* what;
        void (*change)(VehicleRecord&);
        std::string problems;
    } cases[] = {
        {"none", [](VehicleRecord&) {}, ""},
        // A range first, then the cross-checks axle by axle, then the engine.
        {"range, wheel and tyre",
         [](VehicleRecord& v) {
             v.BodyCoG.Z = 6.0f;
             v.RotatingMass[1] = 40.0f;
             v.Tyres[0].Profile = 10;
         },
         "0: BodyCoG.Z; 2: RotatingMass(1); 3: Tyres(0).Width Tyres(0).Profile; "},
        // An unsprung mass out of its range is that problem alone: no cross-check of it.
        {"out of range, not compared",
         [](VehicleRecord& v) { v.Axles[0].UnsprungMass = 60000.0f; },
         "0: Axles(0).UnsprungMass; "},
        {"unsprung above the body's share",
         [](VehicleRecord& v) { v.BodyMass = 150.0f; },
         "1: Axles(1).UnsprungMass; "},
        // Speeds out of order name both; the figures wait for the order.
        // Idle above both is named against both, the lower first: the reader shows that one.
        {"idle above the torque peak and the limit",
         [](VehicleRecord& v) { v.Engine.IdleRPM = 8000.0f; },
         "6: Engine.TorquePeakRPM Engine.IdleRPM; 7: Engine.IdleRPM Engine.LimitRPM; "},
        {"idle above the limit and the torque peak",
         [](VehicleRecord& v) {
             v.Engine.LimitRPM = 3000.0f;
             v.Engine.IdleRPM = 5000.0f;
         },
         "7: Engine.IdleRPM Engine.LimitRPM; 6: Engine.TorquePeakRPM Engine.IdleRPM; "},
        {"power inside the plateau",
         [](VehicleRecord& v) { v.Engine.PowerPeakRPM = 4400.0f; },
         "5: Engine.PowerPeakRPM Engine.TorquePeakWidth; "},
        // A figure out of its range is that problem alone: the figures are not compared, so
        // no "needs more torque" is worked out from the power beyond its range.
        {"power out of range, figures not compared",
         [](VehicleRecord& v) { v.Engine.PeakPower = 600000.0f; },
         "0: Engine.PeakPower; "},
        // The power's refusal names the two shape factors it goes through too.
        {"power needs more torque",
         [](VehicleRecord& v) { v.Engine.PeakPower = 500.0f; },
         "8: Engine.PeakPower Engine.PowerPeakRPM Engine.PeakTorque Engine.ReducePowerFactor "
         "Engine.ShiftPowerFactor; "},
        // A vehicle that is not wheel driven has no engine to compare.
        {"thrust",
         [](VehicleRecord& v) {
             v.Drivetrain = {1.0f, 0.0f, core::VbFalse, vehicle::kDriveThrust, 0};
             v.Engine = {4000.0f, 0.5f, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};
         },
         ""},
    };
    for (const auto& c : cases) {
        VehicleRecord v = vehtest::ValidVehicle("Checked");
        c.change(v);
        EXPECT_EQ(Described(v), c.problems) << c.what;
    }
}

// The advice of an engine-figure refusal names each figure to move that clears it alone; where
// none does, those that ease it, of which more than one must move; where none can move, it
// says so.
TEST(VehicleCheck, TheAdviceLeavesOutFiguresThatCannotMove) {
    using vehicle::MoveReach;
    sample::ResetAll();  // the texts and units
    VehicleRecord v = vehtest::ValidVehicle("Plateau");
    v.Engine.PeakPower = 5.0f;  // its 300 N m plateau gives far more
    const auto problems = vehicle::FindVehicleProblems(v);
    ASSERT_EQ(problems.size(), 1u);
    const vehicle::VehicleProblem& p = problems.front();
    const std::string head = p.Text.substr(0, p.Text.rfind(": "));
    EXPECT_EQ(p.Text, head + ": lower Engine.PeakTorque, Engine.TorquePeakRPM or "
                             "Engine.TorquePeakWidth, or raise Engine.PeakPower");
    const auto worded = [&p](std::function<MoveReach(std::string_view)> reach) {
        return vehicle::EngineFigureRefusalText(
            p, {{}, " x ", [&reach](std::string_view field, vehicle::FigureMove) {
                    return reach(field);
                }});
    };
    EXPECT_EQ(worded([](std::string_view f) {
                  return f != "Engine.TorquePeakWidth" ? MoveReach::Clears : MoveReach::None;
              }),
              head + ": lower Engine.PeakTorque or Engine.TorquePeakRPM, or raise "
                     "Engine.PeakPower");
    EXPECT_EQ(worded([](std::string_view f) {
                  return f == "Engine.PeakPower" ? MoveReach::Clears : MoveReach::Helps;
              }),
              head + ": raise Engine.PeakPower");
    EXPECT_EQ(worded([](std::string_view f) {
                  return f == "Engine.TorquePeakRPM" ? MoveReach::None : MoveReach::Helps;
              }),
              head + ": more than one must move: lower Engine.PeakTorque or "
                     "Engine.TorquePeakWidth, or raise Engine.PeakPower");
    EXPECT_EQ(worded([](std::string_view) { return MoveReach::None; }),
              head + ": Engine.PeakTorque, Engine.TorquePeakRPM, Engine.TorquePeakWidth and "
                     "Engine.PeakPower are all at their ends");
}

}  // namespace
