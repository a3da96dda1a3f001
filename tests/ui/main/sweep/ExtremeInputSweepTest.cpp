// Extreme inputs through the whole program. Every float field of a vehicle file, one at a time,
// is set to 0, a tiny and a huge value of either sign, -1, and the lowest and highest values
// the file reader takes; the file is opened through the File menu as a person would. Each file
// is either refused with a message that names its field, or it loads, and then both runs are
// calculated and every chart choice drawn, and
//   - no caption and no cell of either run export is a non-finite figure or in exponent form;
//   - no caption shows a figure without meaning (SweepInspection.cpp says which);
//   - no chart drawing lies off its picture, and none is dropped.
// The same for a car that is not wheel driven (made by the vehicle editor from a sample car),
// for every setup and live slider of the main window at both of its ends, on each sample
// car and that thrust car, and for the deceleration run of each of those cars with every
// combination of its options ("Apply brakes", "Use engine braking", ABS).
//
// SWEEP_CASES (environment) caps the number of cases of each test: an even spread of them is
// run (the sanitizer build runs a sample). CHASSISLAB_SWEEP_REPORT=<file> writes every finding
// there, one a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "charts/ChartColours.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "files/RunCsvExport.hpp"
#include "files/VehicleFile.hpp"
#include "platform/Controls.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/sweep/CaptionQuantities.hpp"
#include "ui/main/sweep/SweepInspection.hpp"
#include "vehicle/EngineSpeedOrder.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace {

using vehicle::VehicleRecord;

// ---- The float fields of the vehicle file, named as the file reader names them ------------

struct FloatField {
    const char* name;
    float& (*at)(VehicleRecord&);
};

#define FIELD(name, expr) FloatField{name, [](VehicleRecord& v) -> float& { return expr; }}
const FloatField kFloatFields[] = {
    FIELD("BodyMass", v.BodyMass),
    FIELD("BodyCoG.X", v.BodyCoG.X),
    FIELD("BodyCoG.Y", v.BodyCoG.Y),
    FIELD("BodyCoG.Z", v.BodyCoG.Z),
    FIELD("FuelTankCapacity", v.FuelTankCapacity),
    FIELD("FuelTankPos.X", v.FuelTankPos.X),
    FIELD("FuelTankPos.Y", v.FuelTankPos.Y),
    FIELD("FuelTankPos.Z", v.FuelTankPos.Z),
    FIELD("RefHeight", v.RefHeight),
    FIELD("AeroElements(0).PosX", v.AeroElements[0].PosX),
    FIELD("AeroElements(0).PosY", v.AeroElements[0].PosY),
    FIELD("AeroElements(0).PosZ", v.AeroElements[0].PosZ),
    FIELD("AeroElements(1).PosX", v.AeroElements[1].PosX),
    FIELD("AeroElements(1).PosY", v.AeroElements[1].PosY),
    FIELD("AeroElements(1).PosZ", v.AeroElements[1].PosZ),
    FIELD("AeroElements(2).PosX", v.AeroElements[2].PosX),
    FIELD("AeroElements(2).PosY", v.AeroElements[2].PosY),
    FIELD("AeroElements(2).PosZ", v.AeroElements[2].PosZ),
    FIELD("AeroElements(3).PosX", v.AeroElements[3].PosX),
    FIELD("AeroElements(3).PosY", v.AeroElements[3].PosY),
    FIELD("AeroElements(3).PosZ", v.AeroElements[3].PosZ),
    FIELD("FrontalArea", v.FrontalArea),
    FIELD("DragCoefficient", v.DragCoefficient),
    FIELD("LiftCoefficient", v.LiftCoefficient),
    FIELD("Engine.PeakTorque", v.Engine.PeakTorque),
    FIELD("Engine.TorquePeakRPM", v.Engine.TorquePeakRPM),
    FIELD("Engine.TorquePeakWidth", v.Engine.TorquePeakWidth),
    FIELD("Engine.PeakPower", v.Engine.PeakPower),
    FIELD("Engine.PowerPeakRPM", v.Engine.PowerPeakRPM),
    FIELD("Engine.IdleRPM", v.Engine.IdleRPM),
    FIELD("Engine.LimitRPM", v.Engine.LimitRPM),
    FIELD("Engine.EngineBrakingCoeff", v.Engine.EngineBrakingCoeff),
    FIELD("Engine.IdleTorqueFraction", v.Engine.IdleTorqueFraction),
    FIELD("Engine.LowerShape", v.Engine.LowerShape),
    FIELD("Engine.UpperShapeA", v.Engine.UpperShapeA),
    FIELD("Engine.UpperShapeB", v.Engine.UpperShapeB),
    FIELD("Engine.ReducePowerFactor", v.Engine.ReducePowerFactor),
    FIELD("Engine.ShiftPowerFactor", v.Engine.ShiftPowerFactor),
    FIELD("Drivetrain.DrivetrainEfficiency", v.Drivetrain.DrivetrainEfficiency),
    FIELD("Drivetrain.ShiftTime", v.Drivetrain.ShiftTime),
    FIELD("RotatingMass(0)", v.RotatingMass[0]),
    FIELD("RotatingMass(1)", v.RotatingMass[1]),
    FIELD("Axles(0).SpringMotionRatio", v.Axles[0].SpringMotionRatio),
    FIELD("Axles(0).ARBMotionRatio", v.Axles[0].ARBMotionRatio),
    FIELD("Axles(0).Inclination", v.Axles[0].Inclination),
    FIELD("Axles(0).CamberOffset", v.Axles[0].CamberOffset),
    FIELD("Axles(0).UnsprungMass", v.Axles[0].UnsprungMass),
    FIELD("Axles(0).RideHeight", v.Axles[0].RideHeight),
    FIELD("Axles(0).TrackWidth", v.Axles[0].TrackWidth),
    FIELD("Axles(1).SpringMotionRatio", v.Axles[1].SpringMotionRatio),
    FIELD("Axles(1).ARBMotionRatio", v.Axles[1].ARBMotionRatio),
    FIELD("Axles(1).Inclination", v.Axles[1].Inclination),
    FIELD("Axles(1).CamberOffset", v.Axles[1].CamberOffset),
    FIELD("Axles(1).UnsprungMass", v.Axles[1].UnsprungMass),
    FIELD("Axles(1).RideHeight", v.Axles[1].RideHeight),
    FIELD("Axles(1).TrackWidth", v.Axles[1].TrackWidth),
    FIELD("Wheelbase", v.Wheelbase),
    FIELD("HandicapHeight", v.HandicapHeight),
    FIELD("Seats(0).X", v.Seats[0].X),
    FIELD("Seats(0).Y", v.Seats[0].Y),
    FIELD("Seats(0).Z", v.Seats[0].Z),
    FIELD("Seats(1).X", v.Seats[1].X),
    FIELD("Seats(1).Y", v.Seats[1].Y),
    FIELD("Seats(1).Z", v.Seats[1].Z),
};
#undef FIELD

// The file's bytes that are not floats: identifier and version (8), name (32), the four aero
// device types (4 x 4), fuel type (1), reverse (2), drive type (1), gears (1), two tyre sizes
// (2 x 4) and the passengers (1).
constexpr std::size_t kNonFloatBytes = 8 + 32 + 16 + 1 + 2 + 1 + 1 + 8 + 1;

// ---- Extreme values ----------------------------------------------------------------------

struct Extreme {
    std::string label;
    float value;
};

// True when the file reader's checks take the record (its ranges and the engine speeds'
// order): the values a file can bring into the program.
bool ReaderTakes(const VehicleRecord& v) {
    return vehicle::FirstFieldOutOfRange(v).empty() && vehicle::FirstEngineSpeedConflict(v).empty();
}

// Floats ordered as integers, so that a bisection walks every float between two values.
int64_t Ordinal(float f) {
    const auto bits = static_cast<int32_t>(std::bit_cast<uint32_t>(f));
    return bits < 0 ? -static_cast<int64_t>(bits & 0x7fffffff) : bits;
}
float FromOrdinal(int64_t n) {
    return n < 0 ? std::bit_cast<float>(static_cast<uint32_t>(-n) | 0x80000000u)
                 : std::bit_cast<float>(static_cast<uint32_t>(n));
}

// The last value from the base value towards `limit` that the reader takes, found by
// bisection (the values the reader takes for one field, the others fixed, are an interval).
float LastTaken(const VehicleRecord& base, const FloatField& field, float limit) {
    VehicleRecord v = base;
    int64_t good = Ordinal(field.at(v)), bad = Ordinal(limit);
    field.at(v) = limit;
    if (ReaderTakes(v)) return limit;
    while (std::llabs(bad - good) > 1) {
        const int64_t mid = good + (bad - good) / 2;
        field.at(v) = FromOrdinal(mid);
        (ReaderTakes(v) ? good : bad) = mid;
    }
    return FromOrdinal(good);
}

std::string Text(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

// 0, a tiny and a huge figure of either sign, an ordinary negative one, and the ends of what
// the reader takes; each value once.
std::vector<Extreme> ExtremesOf(const VehicleRecord& base, const FloatField& field) {
    std::vector<Extreme> all = {{"0", 0.0f},        {"+tiny", 1e-30f}, {"-tiny", -1e-30f},
                                {"+huge", 3e38f},   {"-huge", -3e38f}, {"-1", -1.0f}};
    if (ReaderTakes(base)) {
        all.push_back({"lowest taken", LastTaken(base, field, -FLT_MAX)});
        all.push_back({"highest taken", LastTaken(base, field, FLT_MAX)});
    }
    std::vector<Extreme> unique;
    for (const Extreme& e : all) {
        const bool seen = std::any_of(unique.begin(), unique.end(),
                                      [&](const Extreme& u) { return u.value == e.value; });
        if (!seen) unique.push_back(e);
    }
    return unique;
}

// Every `stride`-th case runs; SWEEP_CASES caps the number of cases at about that many.
std::size_t Stride(std::size_t cases) {
    const char* env = std::getenv("SWEEP_CASES");
    const long cap = env ? std::atol(env) : 0;
    if (cap <= 0 || static_cast<std::size_t>(cap) >= cases) return 1;
    return (cases + static_cast<std::size_t>(cap) - 1) / static_cast<std::size_t>(cap);
}

// ---- The program -------------------------------------------------------------------------

class ExtremeInputSweep : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
    }
    void TearDown() override {
        if (const char* path = std::getenv("CHASSISLAB_SWEEP_REPORT")) {
            std::ofstream out(path, std::ios::app);
            const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
            for (sweep::Finding f : findings) {
                for (char& c : f.shown)
                    if (c == '\r' || c == '\n') c = ' ';
                out << test << " | " << f.problem << " | " << f.where << " | " << f.input << " | " << f.shown << "\n";
            }
        }
        StartedProgram::TearDown();
    }

    // A fresh program: the vehicle list holds at most core::kMaxVehicles.
    void Restart() {
        StartedProgram::TearDown();
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
    }

    const VehicleRecord& Loaded(const std::string& name) {
        for (const auto& v : core::GlobalChassisLab().Vehicles)
            if (core::Trim(v.Name) == name) return v;
        ADD_FAILURE() << name << " is not loaded";
        return core::GlobalChassisLab().Vehicles.front();
    }

    // A car that is not wheel driven, stored by the vehicle editor from the Golf as a person
    // would: "Edit existing", drive-train "not wheel driven", 4000 N of thrust at 0.6 m, Update.
    VehicleRecord ThrustCarFromEditor() {
        main->Main_SelectVeh->UserSelect(0);
        main->VehData_Modification->SetVisible(true);
        main->VehData_EditExisting->UserClick();
        main->VehData_NewDrivetrain->UserSelect(vehicle::kDriveThrust);
        for (auto [box, text] : {std::pair{main->VehData_NewThrust, "4000"},
                                 std::pair{main->VehData_NewThrustHeight, "0.6"}}) {
            box->SetSelStart(0);
            box->SetSelLength(static_cast<int>(box->Text().size()));
            box->UserType(text);
        }
        main->VehData_UpdateVeh->UserClick();
        main->VehData_Modification->SetVisible(false);
        VehicleRecord v = Loaded("VW Golf GTI Mk7");
        EXPECT_EQ(v.Drivetrain.DriveType, vehicle::kDriveThrust);
        vehicle::SetVehicleName(v, "Thrust Golf");
        return v;
    }

    // Writes the record to a file and opens it through File > Load vehicle. Returns true when
    // it was loaded (and so selected); a refusal is checked for the field's name.
    bool Open(const VehicleRecord& v, const std::string& input, const char* field) {
        const auto path = root / "vehicles" / "sweep.vd3";
        const auto bytes = files::EncodeVehicleFile({files::kVehicleFileId,
                                                     files::kVehicleFileVersion, v});
        vehtest::WriteFile(path, std::string(bytes.begin(), bytes.end()));
        auto& messages = platform::MessageDouble();
        const std::size_t shown = messages.Count();
        const std::size_t count = core::GlobalChassisLab().Vehicles.size();
        platform::FileDialogDouble().QueueOpenPath(path.string());
        main->FileLoadVehicle->UserClick();
        if (core::GlobalChassisLab().Vehicles.size() > count) return true;
        if (messages.Count() == shown) {
            findings.push_back({input, "File > Load vehicle", "neither loaded nor refused", ""});
        } else if (field != nullptr && messages.Last().text.find(field) == std::string::npos) {
            std::string text = messages.Last().text;
            for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
                text.replace(at, 2, " / ");
            findings.push_back({input, "refusal message", "does not name the field", text});
        }
        return false;
    }

    // Both runs calculated, every choice of every chart drawn, and all of it looked at;
    // `before` is what the pictures had dropped before the case began.
    void Inspect(const std::string& input, const sweep::Inspection::DroppedCounts& before) {
        sweep::Inspection look(quantities, findings);
        main->Analysis_AccCalc->UserClick();
        main->Analysis_DecCalc->UserClick();
        look.Captions(*main, input);
        look.RunTables(input);
        ui::Main& w = *main;
        // The charts as the case left them, then each other choice of each chart.
        look.Pictures(w, input, before);
        const struct {
            platform::ComboBox* choice;
            std::vector<platform::PictureBox*> pictures;
        } charts[] = {
            // Each run page's second graph offers the same choices as its first, at nearly the
            // same size; the first shows every one of them.
            {&w.Analysis_AccGraphData(0), {&w.Analysis_AccGraph(0)}},
            {&w.Analysis_DecGraphData(0), {&w.Analysis_DecGraph(0)}},
            {w.Analysis_SuspDampGraphCombo, {w.Analysis_DampChart}},
            {w.Analysis_AeroGraphOption, {&w.Analysis_AeroForcesChart(0)}},
            {w.Analysis_TyreChoice, {&w.Analysis_TyreDrawing(0), &w.Analysis_TyreDrawing(1)}},
            {w.Analysis_SteerToeDiagramMode, {&w.Analysis_SteeringDiagram(0)}},
            {w.Analysis_SteerCamberDiagramMode, {&w.Analysis_SteeringDiagram(1)}},
        };
        for (const auto& chart : charts) {
            const int was = chart.choice->ListIndex();
            for (int k = 0; k < chart.choice->ListCount(); ++k) {
                if (k == was) continue;  // drawn already; looked at with all pictures below
                std::vector<int> dropped;
                for (platform::PictureBox* p : chart.pictures) dropped.push_back(p->Surf().DroppedOps());
                chart.choice->UserSelect(k);
                for (std::size_t n = 0; n < chart.pictures.size(); ++n)
                    if (chart.pictures[n]->Shown())
                        look.Picture(*chart.pictures[n], input,
                                     chart.choice->DisplayName() + " = " + chart.choice->Text(),
                                     dropped[n]);
            }
            if (was >= 0 && chart.choice->ListIndex() != was) chart.choice->UserSelect(was);
        }
    }

    ui::Main* main = nullptr;
    sweep::CaptionQuantities quantities;
    std::vector<sweep::Finding> findings;
};

TEST_F(ExtremeInputSweep, TheFieldTableCoversEveryFloatOfTheFile) {
    // Each field writes bytes no other field writes (1.0f changes two of its four), and there
    // are as many fields as the file has floats: every float of the file is in the table.
    VehicleRecord v;
    const auto blank = files::EncodeVehicleFile({files::kVehicleFileId, files::kVehicleFileVersion, v});
    std::vector<bool> covered(files::kVehicleFileSize, false);
    for (const FloatField& f : kFloatFields) {
        VehicleRecord one;
        f.at(one) = 1.0f;
        const auto bytes =
            files::EncodeVehicleFile({files::kVehicleFileId, files::kVehicleFileVersion, one});
        std::size_t changed = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == blank[i]) continue;
            EXPECT_FALSE(covered[i]) << f.name << " shares byte " << i;
            covered[i] = true;
            ++changed;
        }
        EXPECT_GE(changed, 1u) << f.name;
    }
    EXPECT_EQ(std::size(kFloatFields) * 4, files::kVehicleFileSize - kNonFloatBytes);
}

// The inspection itself, on the Golf as it starts with faults planted by hand: each is found,
// and the true figures beside them are not.
TEST_F(ExtremeInputSweep, TheInspectionFindsPlantedFaultsAndPassesTrueFigures) {
    sweep::LearnCaptionQuantities(*main, quantities);
    const auto problemsAt = [&](const std::string& where) {
        std::string problems;
        for (const sweep::Finding& f : findings)
            if (f.where == where) problems += f.problem + ";";
        return problems;
    };
    const struct {
        const char* label;
        const char* text;
        const char* problem;  // empty: a true figure
    } captions[] = {
        {"Analysis_PhysLabel(101)", "-1243 kg", "negative figure"},
        {"Analysis_SuspLabel(104)", "-28.35", "negative figure"},  // ride frequency, no suffix
        {"Analysis_PhysLabel(125)", "4.999881E+09 kgm\u00B2", "exponent form"},
        {"Analysis_PhysLabel(102)", "NaN N", "not a finite figure"},
        {"Analysis_TyreLabel(101)", "-51.9% Front", "share beyond"},
        {"Analysis_TyreLabel(117)", "-856.2%", "grip loss beyond"},
        {"Analysis_AeroLabel(25)", "1578.6% / -1478.6%", "aero balance"},
        {"Analysis_AeroLabel(25)", "101% / -1%", ""},
        {"Analysis_AeroLabel(38)", "-2.19", ""},  // lift area of a car with downforce
        {"DataLabel(253)", "-1 m", "negative length"},
        {"DataLabel(153)", "9.999999E+08 N", ""},  // a stored figure, shown as it is
        {"GearingLabel(1)", "-918171", "curve area"},
        {"GearingLabel(1)", "1.570805E+10", "curve area"},
        {"GearingLabel(1)", "466894", ""},
        {"Analysis_AccLabel(10)", "0-75 m/s:", ""},  // a range, not a negative speed
    };
    for (const auto& c : captions) {
        platform::Label* label = nullptr;
        for (const auto& owned : main->AllControls())
            if (owned->DisplayName() == c.label) label = dynamic_cast<platform::Label*>(owned.get());
        ASSERT_NE(label, nullptr) << c.label;
        const std::string was = label->Caption();
        label->SetCaption(c.text);
        findings.clear();
        sweep::Inspection(quantities, findings).Captions(*main, "planted");
        const std::string problems = problemsAt(std::string("caption ") + c.label);
        if (*c.problem == '\0')
            EXPECT_EQ(problems, "") << c.label << " " << c.text;
        else
            EXPECT_NE(problems.find(c.problem), std::string::npos) << c.label << " " << c.text;
        label->SetCaption(was);
    }

    // A cell that is not a number, and one too large for the plain form, in the middle of the
    // acceleration table where the export's check samples no row for its own sake.
    auto& acc = analysis::AccelerationCode();
    ASSERT_GT(acc.AccLastStep, 1000);
    const int32_t row = acc.AccLastStep / 2 + 7;
    acc.AccData[static_cast<std::size_t>(row) * analysis::kAccColumns + files::kRunCsvColumns - 1] =
        std::nanf("");
    acc.AccData[static_cast<std::size_t>(row + 1) * analysis::kAccColumns + 3] = 1e20f;
    findings.clear();
    sweep::Inspection(quantities, findings).RunTables("planted");
    std::string cells;
    for (const sweep::Finding& f : findings) cells += f.problem + " at " + f.where + ";";
    EXPECT_NE(cells.find("not a finite figure at acceleration CSV"), std::string::npos) << cells;
    EXPECT_NE(cells.find("exponent form at acceleration CSV"), std::string::npos) << cells;
    EXPECT_NE(cells.find("(step " + std::to_string(row) + ")"), std::string::npos) << cells;

    // A bar drawn far below its chart, and a grid line just past its edge (by design).
    platform::Surface& chart = main->Analysis_PhysChart->Surf();
    const auto before = sweep::Inspection::Dropped(*main);
    chart.Line(0, chart.ScaleHeight() * 1.01f, chart.ScaleWidth() / 2, chart.ScaleHeight() * 1.01f,
               charts::kGrey);
    findings.clear();
    sweep::Inspection(quantities, findings).Pictures(*main, "planted", before);
    EXPECT_EQ(problemsAt("chart Analysis_PhysChart"), "");
    chart.Box(0, 0, chart.ScaleWidth() / 4, chart.ScaleHeight() * 50);
    sweep::Inspection(quantities, findings).Pictures(*main, "planted", before);
    EXPECT_EQ(problemsAt("chart Analysis_PhysChart"), "drawn off its chart;");
    findings.clear();  // planted: not for the sweep's report
}

TEST_F(ExtremeInputSweep, EveryFloatFieldOfAVehicleFileAtItsExtremes) {
    const VehicleRecord golf = Loaded("VW Golf GTI Mk7");
    const VehicleRecord thrust = ThrustCarFromEditor();
    Restart();

    struct Case {
        const VehicleRecord* base;
        const FloatField* field;
        Extreme extreme;
    };
    std::vector<Case> cases;
    for (const VehicleRecord* base : {&golf, &thrust})
        for (const FloatField& field : kFloatFields)
            for (const Extreme& e : ExtremesOf(*base, field)) cases.push_back({base, &field, e});

    // The quantities the captions show, learnt on both cars as they are.
    for (const VehicleRecord* base : {&golf, &thrust}) {
        VehicleRecord v = *base;
        vehicle::SetVehicleName(v, "Sweep base");
        if (base == &thrust) vehicle::SetVehicleName(v, "Sweep thrust base");
        ASSERT_TRUE(Open(v, core::Trim(v.Name), nullptr)) << "the unchanged car must load";
        sweep::LearnCaptionQuantities(*main, quantities);
    }

    const std::size_t stride = Stride(cases.size());
    int serial = 0, loaded = 0;
    for (std::size_t i = 0; i < cases.size(); i += stride) {
        const Case& c = cases[i];
        if (core::GlobalChassisLab().Vehicles.size() + 1 >= core::kMaxVehicles) Restart();
        VehicleRecord v = *c.base;
        c.field->at(v) = c.extreme.value;
        vehicle::SetVehicleName(v, "Sweep " + std::to_string(++serial));
        const std::string input = std::string(c.base == &golf ? "Golf" : "thrust car") + ": " +
                                  c.field->name + " = " + Text(c.extreme.value) + " (" +
                                  c.extreme.label + ")";
        const auto before = sweep::Inspection::Dropped(*main);
        if (Open(v, input, c.field->name)) {
            ++loaded;
            Inspect(input, before);
        }
    }
    EXPECT_GT(loaded, 0) << "no case loaded: the sweep looked at nothing";
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n"
                                  << sweep::GroupedFindings(findings);
}

TEST_F(ExtremeInputSweep, EverySliderOfTheMainWindowAtBothEnds) {
    VehicleRecord thrust = ThrustCarFromEditor();
    Restart();
    ASSERT_TRUE(Open(thrust, "Thrust Golf", nullptr));

    struct Case {
        int car;
        platform::Slider* slider;
        bool top;
    };
    std::vector<Case> cases;
    const int cars = main->Main_SelectVeh->ListCount();
    for (int car = 0; car < cars; ++car) {
        main->Main_SelectVeh->UserSelect(car);
        sweep::LearnCaptionQuantities(*main, quantities);
        for (const auto& owned : main->AllControls()) {
            auto* s = dynamic_cast<platform::Slider*>(owned.get());
            // The editor's shape sliders belong to the vehicle file's sweep above.
            if (s == nullptr || s->Name().rfind("VehData_New", 0) == 0) continue;
            for (bool top : {false, true}) cases.push_back({car, s, top});
        }
    }

    const std::size_t stride = Stride(cases.size());
    int moved = 0;
    for (std::size_t i = 0; i < cases.size(); i += stride) {
        const Case& c = cases[i];
        if (main->Main_SelectVeh->ListIndex() != c.car) main->Main_SelectVeh->UserSelect(c.car);
        platform::Slider& s = *c.slider;
        // Only what a person can move: a slider the car hides or greys out is left alone.
        if (!s.Shown() || !s.Usable()) continue;
        const int32_t was = s.Value();
        const int32_t end = c.top ? s.Max() : s.Min();
        const std::string input = core::Trim(main->Main_SelectVeh->Text()) + ": slider " +
                                  s.DisplayName() + " at its " + (c.top ? "top " : "bottom ") +
                                  std::to_string(end);
        const auto before = sweep::Inspection::Dropped(*main);
        s.SetValue(end);
        Inspect(input, before);
        s.SetValue(was);
        ++moved;
    }
    EXPECT_GT(moved, 0) << "no slider moved: the sweep looked at nothing";
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n"
                                  << sweep::GroupedFindings(findings);
}

TEST_F(ExtremeInputSweep, EveryDecelerationOptionOfEachCar) {
    VehicleRecord thrust = ThrustCarFromEditor();
    Restart();
    ASSERT_TRUE(Open(thrust, "Thrust Golf", nullptr));

    // Brakes, engine braking and ABS, one bit each: every combination on every car.
    struct Case {
        int car;
        unsigned options;
    };
    std::vector<Case> cases;
    const int cars = main->Main_SelectVeh->ListCount();
    for (int car = 0; car < cars; ++car) {
        main->Main_SelectVeh->UserSelect(car);
        sweep::LearnCaptionQuantities(*main, quantities);
        for (unsigned options = 0; options < 8; ++options) cases.push_back({car, options});
    }

    const std::size_t stride = Stride(cases.size());
    int ran = 0;
    for (std::size_t i = 0; i < cases.size(); i += stride) {
        const Case& c = cases[i];
        if (main->Main_SelectVeh->ListIndex() != c.car) main->Main_SelectVeh->UserSelect(c.car);
        const struct {
            platform::CheckBox* box;
            const char* name;
        } options[] = {{&main->Analysis_DecOptions(0), "brakes"},
                       {&main->Analysis_DecOptions(1), "engine braking"},
                       {main->Set_ABS, "ABS"}};
        std::string input = core::Trim(main->Main_SelectVeh->Text()) + ": deceleration with";
        bool settable = true;
        for (unsigned k = 0; k < std::size(options); ++k) {
            platform::CheckBox& box = *options[k].box;
            const int want = (c.options >> k) & 1u;
            // Ticked or cleared as a person would; an option the car hides stays as it is.
            if (box.Value() != want && box.Shown() && box.Usable()) box.UserClick();
            settable = settable && box.Value() == want;
            input += std::string(k == 0 ? " " : ", ") + options[k].name + (want ? " on" : " off");
        }
        if (!settable) continue;
        Inspect(input, sweep::Inspection::Dropped(*main));
        ++ran;
    }
    EXPECT_GT(ran, 0) << "no run made: the sweep looked at nothing";
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n"
                                  << sweep::GroupedFindings(findings);
}

}  // namespace
