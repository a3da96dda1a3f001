// A vehicle that is not wheel driven, made elsewhere with the figures of an engine and a gearbox
// it does not use, shows what the same vehicle made in the vehicle editor shows.
#include <sstream>
#include <string>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "files/RunCsvExport.hpp"
#include "support/VehicleTestSupport.hpp"
#include "support/WindowDump.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"

namespace {

using editortest::EditorTest;

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class ThrustVehicleCaptions : public EditorTest {
protected:
    // A fresh program with the shipped cars, `record` loaded through File > Load Vehicle Data,
    // at two live states: every control's text and whether it is shown, and both run tables.
    std::string ShownAfterLoading(const vehicle::VehicleRecord& record) {
        StartedProgram::TearDown();
        SetUp();
        ui::Main& w = StartWithCars();
        const std::string path = (root / "vehicles" / "thrust.vd3").string();
        vehtest::WriteVehicleFile(path, record);
        platform::FileDialogDouble().QueueOpenPath(path);
        w.FileLoadVehicle->UserClick();
        EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 4);
        // The list keeps the record as it was read (a save writes it back).
        EXPECT_EQ(editortest::FirstDifference(core::GlobalChassisLab().Vehicles[3], record), -1);
        EXPECT_EQ(w.Analysis_PhysLabel(129).Caption(), "N/A");  // "Power to weight"
        std::string out;
        for (bool top : {false, true}) {
            for (platform::Slider* s : {w.Live_Speed, w.Live_Throttle, w.Live_Brake})
                s->SetValue(top ? s->Max() : s->Min() + 10);
            out += testsupport::ShownControls(w);
            for (const auto& c : w.AllControls())
                out += c->DisplayName() + (c->Shown() ? " shown\n" : " hidden\n");
        }
        const auto& a = analysis::AccelerationCode();
        const auto& d = analysis::DecelerationCode();
        return out +
               files::BuildRunCsv({a.AccData, analysis::kAccColumns, a.AccLastStep, a.AccTimeStep}) +
               files::BuildRunCsv({d.DecData, analysis::kDecColumns, d.DecLastStep, d.DecTimeStep});
    }
};

// The Golf's record with drive type "not wheel driven" and 5000 N of thrust at 0.5 m keeps its
// 162 kW, six gears and reverse; the editor, making the Golf thrust driven, stores the fixed
// figures of a vehicle without an engine. Loaded, the two show the same in every caption, row
// and run (before, the first showed its power to weight and a live gear of its gearbox, and
// its engine figures and reverse row on the data, settings and gearing pages).
TEST_F(ThrustVehicleCaptions, HiddenEngineFiguresShowNothing) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    const vehicle::VehicleRecord hidden = vehtest::ThrustGolf(g.Vehicles[0]);
    ASSERT_GT(hidden.Engine.PeakPower, 0.0f);
    ASSERT_GT(hidden.Drivetrain.NumGears, 2);

    w.VehData_EditExisting->UserClick();
    w.VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
    Type(*w.VehData_NewThrust, "5000");
    Type(*w.VehData_NewThrustHeight, "0.5");
    w.VehData_UpdateVeh->UserClick();
    vehicle::VehicleRecord made = g.Vehicles[0];
    vehicle::SetVehicleName(made, "Thrust Golf");
    ASSERT_EQ(made.Engine.PeakPower, 0.0f);

    const std::vector<std::string> shownHidden = Lines(ShownAfterLoading(hidden));
    const std::vector<std::string> shownMade = Lines(ShownAfterLoading(made));
    ASSERT_EQ(shownHidden.size(), shownMade.size());
    int differing = 0;
    for (std::size_t i = 0; i < shownHidden.size(); ++i)
        if (shownHidden[i] != shownMade[i] && ++differing <= 20)
            ADD_FAILURE() << shownHidden[i] << "\n  made in the editor: " << shownMade[i];
    EXPECT_EQ(differing, 0);
}

}  // namespace
