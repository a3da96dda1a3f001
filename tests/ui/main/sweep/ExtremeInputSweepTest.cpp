// Extreme inputs through the whole program. Every float field of a vehicle file, one at a time,
// is set to 0, a tiny and a huge value of either sign, -1, and the lowest and highest values
// the file reader takes; the file is opened through the File menu as a person would. Each file
// is either refused with a message that names its field, or it loads, and then both runs are
// calculated and every chart choice drawn, and
//   - no caption and no cell of either run export is a non-finite figure or in exponent form;
//   - no caption shows a figure without meaning (SweepChecks.cpp says which);
//   - no chart drawing lies off its picture, and none is dropped.
// The same for a car that is not wheel driven (made by the vehicle editor from a sample car),
// for every setup and live slider of the main window at both of its ends, on each sample
// car and that thrust car, and for the deceleration run of each of those cars with every
// combination of its options ("Apply brakes", "Use engine braking", ABS).
//
// SWEEP_CASES (environment) caps the number of cases of each test: an even spread of them is
// run (the sanitizer build runs a sample). CHASSISLAB_SWEEP_REPORT=<file> writes every finding
// there, one a line.
//
// The three sweeps are split into shards, each its own ctest entry, so that no entry holds a
// large share of the suite: each shard lists every case of its sweep, picks the same even
// spread as one run would, and runs every kShards-th case of that spread.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "charts/ChartColours.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "files/RunCsvExport.hpp"
#include "files/VehicleFile.hpp"
#include "platform/Controls.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/RunTablesKey.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/sweep/SweepChecks.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace {

using vehicle::VehicleRecord;

constexpr int kShards = 6;

// ---- The float fields of the vehicle file, named as the file reader names them ------------

struct FloatField {
    std::string name;  // "Axles(0).RideHeight"
    float& (*at)(VehicleRecord&);
};

// The reader's name of a field from its path in the record: "Axles[0].X" is "Axles(0).X".
std::string ReaderName(std::string path) {
    std::replace(path.begin(), path.end(), '[', '(');
    std::replace(path.begin(), path.end(), ']', ')');
    return path;
}

#define F(path) FloatField{ReaderName(#path), [](VehicleRecord& v) -> float& { return v.path; }}
#define XYZ(p) F(p.X), F(p.Y), F(p.Z)
#define AERO(i) F(AeroElements[i].PosX), F(AeroElements[i].PosY), F(AeroElements[i].PosZ)
#define AXLE(i)                                                                                \
    F(Axles[i].SpringMotionRatio), F(Axles[i].ARBMotionRatio), F(Axles[i].Inclination),      \
        F(Axles[i].CamberOffset), F(Axles[i].UnsprungMass), F(Axles[i].RideHeight),          \
        F(Axles[i].TrackWidth)
const FloatField kFloatFields[] = {
    F(BodyMass), XYZ(BodyCoG), F(FuelTankCapacity), XYZ(FuelTankPos), F(RefHeight),
    AERO(0), AERO(1), AERO(2), AERO(3), F(FrontalArea), F(DragCoefficient), F(LiftCoefficient),
    F(Engine.PeakTorque), F(Engine.TorquePeakRPM), F(Engine.TorquePeakWidth),
    F(Engine.PeakPower), F(Engine.PowerPeakRPM), F(Engine.IdleRPM), F(Engine.LimitRPM),
    F(Engine.EngineBrakingCoeff), F(Engine.IdleTorqueFraction), F(Engine.LowerShape),
    F(Engine.UpperShapeA), F(Engine.UpperShapeB), F(Engine.ReducePowerFactor),
    F(Engine.ShiftPowerFactor), F(Drivetrain.DrivetrainEfficiency), F(Drivetrain.ShiftTime),
    F(RotatingMass[0]), F(RotatingMass[1]), AXLE(0), AXLE(1), F(Wheelbase), F(HandicapHeight),
    XYZ(Seats[0]), XYZ(Seats[1]),
};
#undef F
#undef XYZ
#undef AERO
#undef AXLE

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
    return vehicle::FieldsOutOfRange(v).empty() && vehtest::EngineSpeedProblem(v).empty();
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
    for (const Extreme& e : all)
        if (std::none_of(unique.begin(), unique.end(), [&](const Extreme& u) { return u.value == e.value; }))
            unique.push_back(e);
    return unique;
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
                std::replace(f.shown.begin(), f.shown.end(), '\r', ' ');
                std::replace(f.shown.begin(), f.shown.end(), '\n', ' ');
                out << test << " | " << f.problem << " | " << f.where << " | " << f.input << " | "
                    << f.shown << "\n";
            }
        }
        StartedProgram::TearDown();
    }

    // A fresh program: the vehicle list holds at most core::kMaxVehicles.
    void Restart() {
        StartedProgram::TearDown();
        SetUp();
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

    // The sample cars and, after them, the thrust car, in a fresh program; the quantities of
    // their captions learnt. Returns the number of cars.
    int SampleCarsAndThrustCar() {
        const VehicleRecord thrust = ThrustCarFromEditor();
        Restart();
        EXPECT_TRUE(Open(thrust, "Thrust Golf", nullptr));
        const int cars = main->Main_SelectVeh->ListCount();
        for (int car = 0; car < cars; ++car) {
            main->Main_SelectVeh->UserSelect(car);
            sweep::LearnCaptionQuantities(*main, quantities);
        }
        return cars;
    }

    // Writes the record to a file and opens it through File > Load vehicle. Returns true when
    // it was loaded (and so selected); a refusal is checked for the field's name.
    bool Open(const VehicleRecord& v, const std::string& input, const char* field) {
        const auto path = (root / "vehicles" / "sweep.vd3").string();
        vehtest::WriteVehicleFile(path, v);
        auto& messages = platform::MessageDouble();
        const std::size_t shown = messages.Count();
        const std::size_t count = core::GlobalChassisLab().Vehicles.size();
        platform::FileDialogDouble().QueueOpenPath(path);
        main->FileLoadVehicle->UserClick();
        if (core::GlobalChassisLab().Vehicles.size() > count) return true;
        std::string text = messages.Count() == shown ? "" : messages.Last().text;
        for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
            text.replace(at, 2, " / ");
        if (messages.Count() == shown)
            findings.push_back({input, "File > Load vehicle", "neither loaded nor refused", ""});
        else if (field != nullptr && text.find(field) == std::string::npos)
            findings.push_back({input, "refusal message", "does not name the field", text});
        return false;
    }

    // Every `stride`-th case is chosen (SWEEP_CASES caps their number at about that many), and
    // of those the shard runs every kShards-th, beginning at its own number; `run` tells whether
    // it looked at one. Then something was looked at, and nothing was found.
    template <class Case, class Run>
    void Sweep(const std::vector<Case>& cases, int shard, Run run) {
        const char* env = std::getenv("SWEEP_CASES");
        const std::size_t cap =
            std::max<std::size_t>(1, env && std::atol(env) > 0 ? std::atol(env) : cases.size());
        const std::size_t stride = std::max<std::size_t>(1, (cases.size() + cap - 1) / cap);
        int given = 0, looked = 0;
        for (std::size_t i = stride * shard; i < cases.size(); i += stride * kShards) {
            ++given;
            looked += run(cases[i]) ? 1 : 0;
        }
        // A cap below the number of shards leaves a shard without a case.
        if (given > 0) EXPECT_GT(looked, 0) << "the sweep looked at nothing";
        EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n"
                                      << sweep::GroupedFindings(findings);
    }

    // Both runs calculated again, as a person would with each run page's Calculate.
    void CalculateRuns() {
        main->Analysis_AccCalc->UserClick();
        main->Analysis_DecCalc->UserClick();
    }

    // Every choice of every chart drawn, and all of it and both runs as they stand looked at;
    // `before` is what the pictures had dropped before the case began.
    void Inspect(const std::string& input, const sweep::Checks::DroppedCounts& before) {
        sweep::Checks look(quantities, findings);
        look.Captions(*main, input);
        // Run tables met in an earlier case (a slider that moves neither run) give the same
        // exports: they are looked at once.
        if (runTablesSeen.insert(testsupport::RunTablesKey()).second) look.RunTables(input);
        ui::Main& w = *main;
        // The charts as the case left them, then each other choice of each chart; a chart keeps
        // the choice drawn last (the next case looks at it first, and then at every other).
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
                if (k == was) continue;  // drawn already; looked at with all pictures above
                std::vector<int> dropped;
                for (platform::PictureBox* p : chart.pictures) dropped.push_back(p->Surf().DroppedOps());
                chart.choice->UserSelect(k);
                for (std::size_t n = 0; n < chart.pictures.size(); ++n)
                    if (chart.pictures[n]->Shown())
                        look.Picture(*chart.pictures[n], input,
                                     chart.choice->DisplayName() + " = " + chart.choice->Text(),
                                     dropped[n]);
            }
        }
    }

    ui::Main* main = nullptr;
    sweep::CaptionQuantities quantities;
    std::vector<sweep::Finding> findings;
    std::set<uint64_t> runTablesSeen;  // RunTablesKey() of the run tables looked at
};

// One shard of a sweep: GetParam() is the shard's number.
class ExtremeInputSweepShard : public ExtremeInputSweep,
                               public ::testing::WithParamInterface<int> {};

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

// The checks themselves, on the Golf as it starts with faults planted by hand: each is found,
// and the true figures beside them are not.
TEST_F(ExtremeInputSweep, TheChecksFindPlantedFaultsAndPassTrueFigures) {
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
        sweep::Checks(quantities, findings).Captions(*main, "planted");
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
    sweep::Checks(quantities, findings).RunTables("planted");
    std::string cells;
    for (const sweep::Finding& f : findings) cells += f.problem + " at " + f.where + ";";
    EXPECT_NE(cells.find("not a finite figure at acceleration CSV"), std::string::npos) << cells;
    EXPECT_NE(cells.find("exponent form at acceleration CSV"), std::string::npos) << cells;
    EXPECT_NE(cells.find("(step " + std::to_string(row) + ")"), std::string::npos) << cells;

    // A bar drawn far below its chart, and a grid line just past its edge (by design).
    platform::Surface& chart = main->Analysis_PhysChart->Surf();
    const auto before = sweep::Checks::Dropped(*main);
    chart.Line(0, chart.ScaleHeight() * 1.01f, chart.ScaleWidth() / 2, chart.ScaleHeight() * 1.01f,
               charts::kGrey);
    findings.clear();
    sweep::Checks(quantities, findings).Pictures(*main, "planted", before);
    EXPECT_EQ(problemsAt("chart Analysis_PhysChart"), "");
    chart.Box(0, 0, chart.ScaleWidth() / 4, chart.ScaleHeight() * 50);
    sweep::Checks(quantities, findings).Pictures(*main, "planted", before);
    EXPECT_EQ(problemsAt("chart Analysis_PhysChart"), "drawn off its chart;");
    findings.clear();  // planted: not for the sweep's report
}

TEST_P(ExtremeInputSweepShard, EveryFloatFieldOfAVehicleFileAtItsExtremes) {
    const VehicleRecord golf = Loaded("VW Golf GTI Mk7");
    const VehicleRecord thrust = ThrustCarFromEditor();
    Restart();

    struct Case {
        const VehicleRecord* base;
        const FloatField* field;
        Extreme extreme;
    };
    std::vector<Case> cases;
    for (const VehicleRecord* base : {&golf, &thrust}) {
        for (const FloatField& field : kFloatFields)
            for (const Extreme& e : ExtremesOf(*base, field)) cases.push_back({base, &field, e});
        // The quantities the captions show, learnt on the car as it is.
        VehicleRecord v = *base;
        vehicle::SetVehicleName(v, base == &golf ? "Sweep base" : "Sweep thrust base");
        ASSERT_TRUE(Open(v, core::Trim(v.Name), nullptr)) << "the unchanged car must load";
        sweep::LearnCaptionQuantities(*main, quantities);
        // Loading a car selects it, and selecting calculates both runs: the cases look at
        // those, which are what Calculate gives.
        const uint64_t loaded = testsupport::RunTablesKey();
        CalculateRuns();
        EXPECT_EQ(testsupport::RunTablesKey(), loaded) << "the runs of a loaded car are not current";
    }

    int serial = 0;
    Sweep(cases, GetParam(), [&](const Case& c) {
        if (core::GlobalChassisLab().Vehicles.size() + 1 >= core::kMaxVehicles) Restart();
        VehicleRecord v = *c.base;
        c.field->at(v) = c.extreme.value;
        vehicle::SetVehicleName(v, "Sweep " + std::to_string(++serial));
        const std::string input = std::string(c.base == &golf ? "Golf" : "thrust car") + ": " +
                                  c.field->name + " = " + Text(c.extreme.value) + " (" +
                                  c.extreme.label + ")";
        const auto before = sweep::Checks::Dropped(*main);
        if (!Open(v, input, c.field->name.c_str())) return false;
        Inspect(input, before);
        return true;
    });
}

TEST_P(ExtremeInputSweepShard, EverySliderOfTheMainWindowAtBothEnds) {
    struct Case {
        int car;
        platform::Slider* slider;
        bool top;
    };
    std::vector<Case> cases;
    for (int car = 0, cars = SampleCarsAndThrustCar(); car < cars; ++car)
        for (const auto& owned : main->AllControls()) {
            auto* s = dynamic_cast<platform::Slider*>(owned.get());
            // The editor's shape sliders belong to the vehicle file's sweep above.
            if (s == nullptr || s->Name().starts_with("VehData_New")) continue;
            for (bool top : {false, true}) cases.push_back({car, s, top});
        }

    Sweep(cases, GetParam(), [&](const Case& c) {
        if (main->Main_SelectVeh->ListIndex() != c.car) main->Main_SelectVeh->UserSelect(c.car);
        platform::Slider& s = *c.slider;
        // Only what a person can move: a slider the car hides or greys out is left alone.
        if (!s.Shown() || !s.Usable()) return false;
        const int32_t was = s.Value();
        const int32_t end = c.top ? s.Max() : s.Min();
        const std::string input = core::Trim(main->Main_SelectVeh->Text()) + ": slider " +
                                  s.DisplayName() + " at its " + (c.top ? "top " : "bottom ") +
                                  std::to_string(end);
        const auto before = sweep::Checks::Dropped(*main);
        s.SetValue(end);
        CalculateRuns();
        Inspect(input, before);
        s.SetValue(was);
        return true;
    });
}

TEST_P(ExtremeInputSweepShard, EveryDecelerationOptionOfEachCar) {
    // Brakes, engine braking and ABS, one bit each: every combination on every car.
    std::vector<std::pair<int, unsigned>> cases;
    for (int car = 0, cars = SampleCarsAndThrustCar(); car < cars; ++car)
        for (unsigned options = 0; options < 8; ++options) cases.push_back({car, options});

    Sweep(cases, GetParam(), [&](const std::pair<int, unsigned>& c) {
        if (main->Main_SelectVeh->ListIndex() != c.first) main->Main_SelectVeh->UserSelect(c.first);
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
            const int want = (c.second >> k) & 1u;
            // Ticked or cleared as a person would; an option the car hides stays as it is.
            if (box.Value() != want && box.Shown() && box.Usable()) box.UserClick();
            settable = settable && box.Value() == want;
            input += std::string(k == 0 ? " " : ", ") + options[k].name + (want ? " on" : " off");
        }
        if (settable) {
            const auto before = sweep::Checks::Dropped(*main);
            CalculateRuns();
            Inspect(input, before);
        }
        return settable;
    });
}

INSTANTIATE_TEST_SUITE_P(Shard, ExtremeInputSweepShard, ::testing::Range(0, kShards));

}  // namespace
