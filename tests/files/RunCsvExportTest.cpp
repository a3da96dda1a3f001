// The run CSV export: header rows, cell forms and units, the stride above 65533 steps, the
// progress window's life, a failed write, and golden files of a sample car's runs.
#include "files/RunCsvExport.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "support/SampleVehicles.hpp"
#include "support/TemporaryFolder.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

using files::BuildRunCsv;
using files::RunTableView;

constexpr std::size_t kAccCols = 47;

// The header rows for SI units, spelled out by hand.
const std::string kHeaderSi =
    "Time (s),Engine AngVel (rad/s),Clutch Engagement (%),Gear,Driving Force (N),"
    "Total Lift (N),Total Air Drag (N),Rolling Resistance (N),Resistance (N),Net Force (N),"
    "Acceleration (m/s\u00B2),Weight Transferred (N),Speed (m/s),Distance (m),"
    "Tyre Vertical Load (N),,,,Tyre Vertical Deformation (m),,,,"
    "Tyre Angular Momentum Torque (Nm),,,,Tyre Traction Limited?,,,,"
    "Loaded Spring Length (m),,,,CoG Height (m),Body Aero Centre Height (m),"
    "Undertray Height (m),Front Wing Height (m),Rear Wing Height (m),"
    "Throttle or Brake Application (%),Fuel (l),Front Wing Angle (rad),Rear Wing Angle (rad),"
    "Tyre Slip (%),,,,\r\n";
const std::string kWheels = " Front  Left, Front  Right, Rear  Left, Rear  Right,";
const std::string kHeaderRow2 = std::string(14, ',') + kWheels + kWheels + kWheels + kWheels +
                                kWheels + std::string(9, ',') + kWheels + "\r\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0, at;
    while ((at = text.find("\r\n", start)) != std::string::npos) {
        out.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    out.push_back(text.substr(start));
    return out;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream in(line);
    std::string cell;
    while (std::getline(in, cell, ',')) out.push_back(cell);
    if (!line.empty() && line.back() == ',') out.push_back("");
    return out;
}

class RunCsvExportTest : public ::testing::Test {
protected:
    void SetUp() override { sample::ResetAll(); }
    // A table of n + 1 rows where every cell is zero except what a test sets.
    static std::vector<float> Table(int32_t n, std::size_t columns = kAccCols) {
        return std::vector<float>(static_cast<std::size_t>(n + 1) * columns, 0.0f);
    }
};

TEST_F(RunCsvExportTest, HeaderRowsNameTheSelectedUnits) {
    const std::vector<float> data = Table(-1);
    const std::string text = BuildRunCsv({data, kAccCols, -1, 0.01f});
    // The unit texts are the SI suffixes of the unit table without their blanks.
    EXPECT_EQ(text, kHeaderSi + kHeaderRow2 + "\r\n");

    // A change of unit changes the header and the values beneath it (the fuel's volume unit in
    // the imperial golden file below).
    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::Speed, "Kilometres per hour"));
    std::vector<float> one = Table(1);
    one[11] = 10.0f;  // m/s
    const std::string kmh = BuildRunCsv({one, kAccCols, 1, 0.01f});
    EXPECT_NE(kmh.find(",Speed (km/h),"), std::string::npos);
    EXPECT_EQ(Cells(Lines(kmh)[2])[12], " 36");
}

// Each kind of cell: Doubles (Single value x Double factor, 15 digits), Singles (x 100 and as
// stored, 7 digits), "Yes"/"No"/empty, the Str form's leading blank, and the time rounded to
// 4 decimals from the run's own step.
TEST_F(RunCsvExportTest, CellsFollowTheirColumnRules) {
    std::vector<float> data = Table(2);
    float* r1 = data.data() + kAccCols;
    r1[0] = 523.5f;    // rad/s, SI factor 1
    r1[1] = 0.5f;      // clutch: 50 %
    r1[2] = 3.0f;      // gear as stored
    r1[3] = -1250.25f; // a negative force
    r1[11] = 0.1f;     // m/s: the Single 0.1 widened to a Double shows all its digits
    r1[25] = -1.0f;
    r1[26] = 0.0f;
    r1[27] = 0.5f;     // neither -1 nor 0: an empty cell
    r1[28] = -1.0f;
    r1[38] = 1.0f;     // throttle 100 %
    r1[39] = 39.75f;   // litres, volume factor 1
    r1[42] = 0.125f;   // slip 12.5 %
    const std::string text = BuildRunCsv({data, kAccCols, 2, 0.005f});
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 2u + 3u + 2u);  // headers, rows 0..2, the empty line, ""
    const auto c = Cells(lines[3]);
    ASSERT_EQ(c.size(), 47u);
    EXPECT_EQ(c[0], " 0.005");
    EXPECT_EQ(c[1], " 523.5");
    EXPECT_EQ(c[2], " 50");
    EXPECT_EQ(c[3], " 3");
    EXPECT_EQ(c[4], "-1250.25");
    EXPECT_EQ(c[12], " 0.100000001490116");
    EXPECT_EQ(c[26], "Yes");
    EXPECT_EQ(c[27], "No");
    EXPECT_EQ(c[28], "");
    EXPECT_EQ(c[29], "Yes");
    EXPECT_EQ(c[39], " 100");
    EXPECT_EQ(c[40], " 39.75");
    EXPECT_EQ(c[43], " 12.5");
    EXPECT_EQ(c[5], " 0");  // zero keeps its blank
    // No separator after a data row's last cell; the file ends with two CR LF.
    EXPECT_NE(lines[3].back(), ',');
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    EXPECT_EQ(Cells(lines[4])[0], " 0.01");
    EXPECT_EQ(Cells(lines[2])[0], " 0");
}

// A run gone wrong never writes "NaN" or "Inf": such a cell is left empty, in every kind of
// column (a Double with its factor, a Single x 100, a Single as stored).
TEST_F(RunCsvExportTest, NonFiniteValuesLeaveTheirCellsEmpty) {
    std::vector<float> data = Table(1);
    float* r1 = data.data() + kAccCols;
    r1[0] = std::numeric_limits<float>::quiet_NaN();
    r1[1] = -std::numeric_limits<float>::infinity();
    r1[2] = std::numeric_limits<float>::infinity();
    r1[11] = 3e38f;  // x 100 in the clutch column would overflow; here a finite Double
    const std::string text = BuildRunCsv({data, kAccCols, 1, 0.01f});
    EXPECT_EQ(text.find("NaN"), std::string::npos);
    EXPECT_EQ(text.find("Inf"), std::string::npos);
    const auto c = Cells(Lines(text)[3]);
    EXPECT_EQ(c[1], "");
    EXPECT_EQ(c[2], "");
    EXPECT_EQ(c[3], "");
    EXPECT_EQ(c[12], " 3.00000000549776E+38");
}

// Stride: N up to 65533 writes every step; above, every k-th with k = round(N / 65533 + 2).
TEST_F(RunCsvExportTest, LongRunsAreThinnedToAtMost65534Rows) {
    EXPECT_EQ(files::RunCsvStride(1), 1);
    EXPECT_EQ(files::RunCsvStride(65533), 1);
    EXPECT_EQ(files::RunCsvStride(65534), 3);   // 1.00002 + 2
    EXPECT_EQ(files::RunCsvStride(120000), 4);  // 1.83 + 2
    EXPECT_EQ(files::RunCsvStride(240000), 6);  // 3.66 + 2

    struct Case {
        int32_t n;
        int32_t rows;
        int32_t lastWritten;
    };
    for (const Case k : {Case{65533, 65534, 65533}, Case{65534, 21845, 65532},
                         Case{240000, 40001, 240000}}) {
        SCOPED_TRACE(k.n);
        std::vector<float> data = Table(k.n);
        for (int32_t i = 0; i <= k.n; ++i) data[static_cast<std::size_t>(i) * kAccCols + 2] = i;
        const auto lines = Lines(BuildRunCsv({data, kAccCols, k.n, 0.0005f}));
        ASSERT_EQ(static_cast<int32_t>(lines.size()), 2 + k.rows + 2);
        EXPECT_EQ(lines[lines.size() - 3].substr(0, lines[lines.size() - 3].find(',')),
                  " " + core::SingleText(core::RoundToDecimals(0.0005f * k.lastWritten, 4)));
        EXPECT_EQ(Cells(lines[lines.size() - 3])[3], " " + std::to_string(k.lastWritten));
        // Row r holds step r x stride.
        const int32_t stride = files::RunCsvStride(k.n);
        for (int32_t r : {0, 1, 2, 1000, k.rows - 1})
            EXPECT_EQ(Cells(lines[static_cast<std::size_t>(2 + r)])[3],
                      " " + std::to_string(r * stride));
    }
}

// The progress bar runs to 50; a one-step run (N = 0) divides by nothing and stands at 50;
// the window is shown, then hidden at the end also when the write fails.
TEST_F(RunCsvExportTest, ProgressWindowAndFailedWrite) {
    const std::filesystem::path dir = testsupport::MakeTemporaryFolder("chassislab-csv");
    ASSERT_FALSE(dir.empty());
    std::vector<std::string> events;
    files::RunCsvProgress p;
    p.Show = [&] { events.push_back("show"); };
    p.SetMax = [&](int32_t v) { events.push_back("max " + std::to_string(v)); };
    p.SetValue = [&](int32_t v) { events.push_back("value " + std::to_string(v)); };
    p.Hide = [&] { events.push_back("hide"); };

    // An empty run (N = 0): the two header rows and nothing else, the bar at its end.
    std::vector<float> one = Table(0);
    const std::string path = (dir / "one.csv").string();
    EXPECT_EQ(files::ExportRunDataCsv(path, {one, kAccCols, 0, 0.01f}, p), "");
    EXPECT_EQ(events, (std::vector<std::string>{"show", "max 50", "value 50", "hide"}));
    EXPECT_EQ(vehtest::ReadFile(path), kHeaderSi + kHeaderRow2 + "\r\n");

    std::vector<float> hundred = Table(100);
    events.clear();
    files::ExportRunDataCsv((dir / "h.csv").string(), {hundred, kAccCols, 100, 0.01f}, p);
    EXPECT_EQ(events[3], "value 1");   // step 1 of 100: 1 / 2 rounds half away from zero
    EXPECT_EQ(events[2], "value 0");
    EXPECT_EQ(events[events.size() - 3], "value 50");  // step 100

    // A folder that does not exist: the reason comes back, nothing is left behind, hidden.
    events.clear();
    const std::string bad = (dir / "no-such-folder" / "x.csv").string();
    EXPECT_NE(files::ExportRunDataCsv(bad, {one, kAccCols, 0, 0.01f}, p), "");
    EXPECT_EQ(events.back(), "hide");
    EXPECT_FALSE(std::filesystem::exists(bad));
    std::filesystem::remove_all(dir);
}

// ---- Golden files -------------------------------------------------------------------------
// The first 25 steps of the sample car's acceleration run at 1/100 s in SI units, of its
// deceleration run (brakes applied) in imperial units and of its run on engine braking alone
// with the engine-brake reduction in SI units, each from a reset state, compared byte
// for byte with tests/files/golden/*.csv. When a change of the runs or of the export is
// intended, regenerate them with
//     CHASSISLAB_REGENERATE_GOLDEN=1 ./tests_files --gtest_filter='RunCsvGolden*'
// (from the build folder) and review the difference before committing it.
const std::filesystem::path kGoldenDir = std::filesystem::path(__FILE__).parent_path() / "golden";
constexpr int32_t kGoldenSteps = 25;

void CompareWithGolden(const std::string& text, const std::string& name) {
    const std::filesystem::path path = kGoldenDir / name;
    if (std::getenv("CHASSISLAB_REGENERATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << text;
        GTEST_SKIP() << "regenerated " << path;
    }
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    const std::string golden = vehtest::ReadFile(path);
    EXPECT_EQ(text.size(), golden.size());
    EXPECT_TRUE(text == golden) << "differs from " << path
                                << " (see the comment above on regenerating it on purpose)";
}

TEST(RunCsvGolden, SampleCarAccelerationRun) {
    sample::ResetAll();
    sample::Prepare(sample::SampleCar());
    analysis::RunAccelerationAnalysis(0.01f, {}, {});
    const auto& s = analysis::AccelerationCode();
    ASSERT_GE(s.AccLastStep, kGoldenSteps);
    CompareWithGolden(BuildRunCsv({s.AccData, analysis::kAccColumns, kGoldenSteps,
                                   s.AccTimeStep}),
                      "sample_acceleration.csv");
}

// The deceleration run of the prepared car with these inputs, its first kGoldenSteps rows
// against the golden file.
void CompareDecelerationRunWithGolden(const analysis::DecRunInputs& in, const std::string& name) {
    analysis::RunDecelerationAnalysis(in, {});
    const auto& s = analysis::DecelerationCode();
    ASSERT_GE(s.DecLastStep, kGoldenSteps);
    CompareWithGolden(BuildRunCsv({s.DecData, analysis::kDecColumns, kGoldenSteps,
                                   s.DecTimeStep}),
                      name);
}

TEST(RunCsvGolden, SampleCarDecelerationRunInImperialUnits) {
    sample::ResetAll();
    core::ApplyUnitPreset(2);
    sample::Prepare(sample::SampleCar());
    analysis::DecRunInputs in;
    in.BrakeBalance = sample::Setup{}.brakeBalance;
    CompareDecelerationRunWithGolden(in, "sample_deceleration_imperial.csv");
}

// Engine braking alone, half of it removed by the engine-brake reduction (the throttle opened
// until the engine brakes with half its closed-throttle torque), in SI units.
TEST(RunCsvGolden, SampleCarEngineBrakingRunWithTheReduction) {
    sample::ResetAll();
    sample::Prepare(sample::SampleCar());
    vehicle::EngineCode().CurrentEngine.EngineBrakeReduction = 0.5f;
    analysis::DecRunInputs in;
    in.ApplyBrakes = false;
    in.EngineBraking = true;
    in.BrakeBalance = sample::Setup{}.brakeBalance;
    CompareDecelerationRunWithGolden(in, "sample_engine_braking_reduced.csv");
}

}  // namespace
