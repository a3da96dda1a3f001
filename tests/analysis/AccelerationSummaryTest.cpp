// Summary, search and result texts of the acceleration run, on run tables made by hand.
#include "analysis/AccelerationCode.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "support/SampleVehicles.hpp"

namespace {

using analysis::AccelerationCode;
namespace Col = analysis::AccCol;
namespace Res = analysis::AccRes;

// Labels of a text list by index; every one is an Analysis_AccLabel caption in the label's
// own colour.
std::map<int, std::string> ByIndex(const std::vector<core::Caption>& labels) {
    std::map<int, std::string> out;
    for (const auto& l : labels) {
        EXPECT_EQ(l.Array, core::LabelArray::Analysis_AccLabel) << l;
        EXPECT_FALSE(l.ForeColor.has_value()) << l;
        out[l.Index] = l.Text;
    }
    return out;
}

// A stored run made by hand: `rows` rows of dt, every cell 0.
void SyntheticRun(float dt, int32_t rows, int32_t maxSteps, float divisor) {
    auto& s = AccelerationCode();
    s.AccTimeStep = dt;
    s.AccMaxSteps = maxSteps;
    s.AccProgressDivisor = divisor;
    s.AccLastStep = rows - 1;
    s.AccData.assign(static_cast<std::size_t>(maxSteps + 1) * analysis::kAccColumns, 0.0f);
}
// The tank at the end of a hand-made run, as a run leaves both its figures.
void SetFuelLeft(float litres) {
    AccelerationCode().AccFuelLeft = litres;
    AccelerationCode().AccFuelLeftDouble = litres;
}
void SetCell(int32_t step, int column, float value) {
    AccelerationCode().AccData[static_cast<std::size_t>(step) * analysis::kAccColumns +
                               static_cast<std::size_t>(column)] = value;
}

class AccelerationSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = 3;
        analysis::PhysicalCode().LiveFuelLoad = 10;
    }
    // 2 m/s^2 from rest for `rows` steps of 0.01 s: v_i = 0.02 i, s_i = 0.0001 i (i + 1).
    // Gear 1 with the clutch closing over the first 50 rows, full throttle.
    void ConstantAcceleration(int32_t rows, int32_t maxSteps = 12000) {
        SyntheticRun(0.01f, rows, maxSteps, 2000.0f);
        for (int32_t i = 0; i < rows; ++i) {
            SetCell(i, Col::Speed, 0.02f * i);
            SetCell(i, Col::Distance, 0.0001f * i * (i + 1));
            SetCell(i, Col::Acceleration, 2.0f);
            SetCell(i, Col::Gear, 1.0f);
            SetCell(i, Col::Clutch, i < 50 ? 0.6f + 0.008f * i : 1.0f);
            SetCell(i, Col::Throttle, 1.0f);
            SetCell(i, Col::NetForce, 2000.0f);
            SetCell(i, Col::DriveForce, 2100.0f);
        }
        SetFuelLeft(9.5f);
    }
};

// Benchmarks in m/s: 15, 30, 45, 60, 75 m/s; 500 and 1000 m. First strictly greater value.
TEST_F(AccelerationSummaryTest, TimesToBenchmarksAreTheFirstStepBeyondThem) {
    ConstantAcceleration(2001);  // up to 40 m/s and 400.2 m
    analysis::AnalyseAccRun(0.01f, {});
    const auto& R = AccelerationCode().AccResults;
    // 15 m/s is v_750 exactly, not beyond it: the first step beyond is 751.
    EXPECT_FLOAT_EQ(R[Res::TimeToSpeed + 0], 7.51f);
    EXPECT_FLOAT_EQ(R[Res::DistanceAtSpeed + 0], 0.0001f * 751 * 752);
    EXPECT_FLOAT_EQ(R[Res::TimeToSpeed + 1], 15.01f);
    EXPECT_EQ(R[Res::TimeToSpeed + 2], 0.0f);  // 45 m/s never reached
    EXPECT_EQ(R[Res::DistanceAtSpeed + 2], 0.0f);
    // The final speed is reached (greater or equal) on the last row.
    EXPECT_FLOAT_EQ(R[Res::FinalSpeed], 40.0f);
    EXPECT_FLOAT_EQ(R[Res::TimeToFinalSpeed], 20.0f);
    EXPECT_FLOAT_EQ(R[Res::DistanceAtFinalSpeed], 400.2f);
    EXPECT_EQ(R[Res::TimeToDistance], 0.0f);  // 500 m not covered
    EXPECT_FLOAT_EQ(R[Res::PeakAcceleration], 2.0f);
    EXPECT_FLOAT_EQ(R[Res::PeakDriveForce], 2100.0f);
    EXPECT_FLOAT_EQ(R[Res::MinThrottle], 1.0f);
    // Launch: the 51 first-gear rows up to and including the first closed clutch.
    EXPECT_NEAR(R[Res::LaunchTime], 0.51f, 1e-5);
    EXPECT_EQ(R[Res::ShiftTimeTotal], 0.0f);
    // Clutch above 0 in gear 1 on every row.
    EXPECT_NEAR(R[Res::TimeInGear + 1], 20.01f, 1e-3);
    // Still accelerating at the end, but never counted below 10 s.
    EXPECT_FLOAT_EQ(R[Res::DriveEndTime], 20.0f);
    EXPECT_FLOAT_EQ(R[Res::FuelUsed], 0.5f);
    EXPECT_FLOAT_EQ(R[Res::FuelPerDistance], 0.5f / 400.2f);
    // No wheel spin anywhere.
    EXPECT_EQ(R[Res::FrontSpinStartSpeed], 0.0f);
    EXPECT_EQ(R[Res::RearSpinEndSpeed], 0.0f);

    const auto texts = analysis::AccResultsTexts();
    const auto L = ByIndex(texts.Labels);
    EXPECT_EQ(L.at(6), "0-15 m/s:");
    EXPECT_EQ(L.at(100), "7.51s");
    EXPECT_EQ(L.at(102), "N/A");
    EXPECT_EQ(L.at(11), "0-40 m/s:");
    EXPECT_EQ(L.at(105), "20s");
    EXPECT_EQ(L.at(125), "100%");
    EXPECT_EQ(L.at(127), "N/A");  // no wheel spin
    // Three gears: labels 117..119; 120..123 are emptied (no times of a vehicle run before).
    // The third was never reached: no time in it, not "0s".
    EXPECT_EQ(L.at(119), "N/A");
    EXPECT_EQ(L.at(120), "");
    EXPECT_EQ(L.at(123), "");
    // Stopped before the step limit: black; fuel left in the tank: black.
    ASSERT_EQ(texts.Colours.size(), 2u);
    EXPECT_EQ(texts.Colours[0].Colour, analysis::kAccTextBlack);
    EXPECT_EQ(texts.Colours[1].Index, 131);
    EXPECT_EQ(texts.Colours[1].Colour, analysis::kAccTextBlack);
}

// A run past every benchmark: 2.2 m/s^2 from rest for 3500 steps of 0.01 s, v_i = 0.022 i
// (77 m/s at the end) and s_i = 0.00011 i (i + 1) (1347.7 m). First step strictly beyond each
// benchmark speed v: i > v / 0.022; beyond each distance d: i (i + 1) > d / 0.00011.
TEST_F(AccelerationSummaryTest, EveryBenchmarkSpeedAndDistanceIsSearched) {
    const int32_t rows = 3501;
    SyntheticRun(0.01f, rows, 12000, 2000.0f);
    for (int32_t i = 0; i < rows; ++i) {
        SetCell(i, Col::Speed, static_cast<float>(0.022 * i));
        SetCell(i, Col::Distance, static_cast<float>(0.00011 * i * (i + 1)));
        SetCell(i, Col::Gear, 1.0f);
        SetCell(i, Col::Clutch, 1.0f);
        SetCell(i, Col::Throttle, 1.0f);
    }
    analysis::AnalyseAccRun(0.01f, {});
    const auto& R = AccelerationCode().AccResults;
    // 15, 30, 45, 60, 75 m/s: 681.8, 1363.6, 2045.5, 2727.3, 3409.1 -> the next whole step.
    const int32_t speedSteps[] = {682, 1364, 2046, 2728, 3410};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const int32_t i = speedSteps[k];
        EXPECT_NEAR(R[Res::TimeToSpeed + k], 0.01f * i, 1e-4);
        EXPECT_NEAR(R[Res::DistanceAtSpeed + k], 0.00011 * i * (i + 1), 1e-3);
    }
    // 500 m: 2131 x 2132 = 4543292 < 4545454.5 < 2132 x 2133; 1000 m: 3014 x 3015 = 9087210 <
    // 9090909.1 < 3015 x 3016.
    const int32_t distanceSteps[] = {2132, 3015};
    for (int j = 0; j < 2; ++j) {
        SCOPED_TRACE(j);
        const int32_t i = distanceSteps[j];
        EXPECT_NEAR(R[Res::TimeToDistance + j], 0.01f * i, 1e-4);
        EXPECT_NEAR(R[Res::SpeedAtDistance + j], 0.022 * i, 1e-4);
    }
    // No benchmark is shown as not reached.
    const auto L = ByIndex(analysis::AccResultsTexts().Labels);
    for (int label = 100; label <= 104; ++label) EXPECT_NE(L.at(label), "N/A") << label;
}

TEST_F(AccelerationSummaryTest, ShiftsSpinAndDriveEnd) {
    ConstantAcceleration(1501);
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears = 7;
    // A shift at rows 600..619: clutch 0.5 then 0 (gear 2 from 610), back to 0.995 at 619.
    for (int32_t i = 600; i < 620; ++i) SetCell(i, Col::Clutch, i < 610 ? 0.5f : 0.0f);
    SetCell(619, Col::Clutch, 0.995f);
    for (int32_t i = 610; i < 1501; ++i) SetCell(i, Col::Gear, i < 1400 ? 2.0f : 7.0f);
    // Rear wheel spin at rows 100..199, front right at row 300; throttle dips to 0.8.
    for (int32_t i = 100; i < 200; ++i) SetCell(i, Col::WheelSpin + 3, -1.0f);
    SetCell(300, Col::WheelSpin + 1, -1.0f);
    SetCell(150, Col::Throttle, 0.8f);
    // Net force above 80 N only up to row 1200.
    for (int32_t i = 1201; i < 1501; ++i) SetCell(i, Col::NetForce, 50.0f);
    SetFuelLeft(0.0f);  // tank ran dry
    analysis::AnalyseAccRun(0.01f, {});
    const auto& R = AccelerationCode().AccResults;
    // 20 rows with the clutch below 1 after the launch, bounded by closed rows: 21 steps from
    // the last closed row to the next. The last row above 0.99 makes the total one step per
    // shift too long, less (gear of the last row - 1) steps: 21 - 6 = 15 steps.
    EXPECT_NEAR(R[Res::ShiftTimeTotal], 0.15f, 1e-5);
    EXPECT_NEAR(R[Res::TimeInGear + 1], (600 + 10) * 0.01f, 1e-3);  // clutch 0 rows excluded
    EXPECT_NEAR(R[Res::TimeInGear + 2], (1400 - 619) * 0.01f, 1e-3);
    EXPECT_NEAR(R[Res::TimeInGear + 7], 101 * 0.01f, 1e-3);
    EXPECT_FLOAT_EQ(R[Res::RearSpinStartSpeed], 2.0f);
    EXPECT_FLOAT_EQ(R[Res::RearSpinEndSpeed], 0.02f * 199);
    EXPECT_FLOAT_EQ(R[Res::FrontSpinStartSpeed], 6.0f);
    EXPECT_FLOAT_EQ(R[Res::FrontSpinEndSpeed], 6.0f);
    EXPECT_FLOAT_EQ(R[Res::MinThrottle], 0.8f);
    EXPECT_FLOAT_EQ(R[Res::DriveEndTime], 12.0f);
    EXPECT_FLOAT_EQ(R[Res::FuelUsed], 10.0f);

    const auto texts = analysis::AccResultsTexts();
    const auto L = ByIndex(texts.Labels);
    EXPECT_EQ(L.at(123), "1.01s");  // seventh gear
    EXPECT_EQ(L.at(125), "80%");
    EXPECT_EQ(L.at(127), "2 m/s");
    EXPECT_EQ(L.at(129), "4 m/s");  // 3.98 m/s; m/s are shown whole
    EXPECT_EQ(L.at(128), "6 m/s");
    EXPECT_EQ(texts.Colours[1].Colour, analysis::kAccTextRed);
}

TEST_F(AccelerationSummaryTest, ShortRunStillCountsTenSecondsOfDrive) {
    ConstantAcceleration(301);
    analysis::AnalyseAccRun(0.01f, {});
    EXPECT_FLOAT_EQ(AccelerationCode().AccResults[Res::DriveEndTime], 10.0f);
}

// A vehicle that never moves (no drive at all): no fuel economy, no division by zero, and no
// benchmark speed or distance reached ("0-500m: 0s" would claim one).
TEST_F(AccelerationSummaryTest, RunThatNeverMovesHasNoFuelEconomy) {
    SyntheticRun(0.01f, 12001, 12000, 2000.0f);
    for (int32_t i = 0; i <= 12000; ++i) {
        SetCell(i, Col::Gear, 1.0f);
        SetCell(i, Col::Clutch, 1.0f);
        SetCell(i, Col::Throttle, 1.0f);
    }
    SetFuelLeft(9.0f);  // idling burnt a litre
    analysis::AnalyseAccRun(0.01f, {});
    const auto& R = AccelerationCode().AccResults;
    EXPECT_FLOAT_EQ(R[Res::FuelUsed], 1.0f);
    EXPECT_EQ(R[Res::FuelPerDistance], 0.0f);
    for (float x : R) EXPECT_TRUE(std::isfinite(x));
    for (uint8_t unit = 0; unit < 2; ++unit) {  // litres per metre and an inverse unit
        SCOPED_TRACE(static_cast<int>(unit));
        core::ApplyUnitRow(core::Quantity::FuelEcon, unit);
        const auto texts = analysis::AccResultsTexts();
        const auto L = ByIndex(texts.Labels);
        // No benchmark, and no final speed: standing still from the first row is no "0-0".
        for (int index : {132, 100, 104, 106, 110, 112, 113, 114, 115, 105, 111})
            EXPECT_EQ(L.at(index), "N/A") << index;
        // Ran its full 120 s: blue.
        EXPECT_EQ(texts.Colours[0].Colour, analysis::kAccTextBlue);
    }
    EXPECT_EQ(R[Res::TimeToFinalSpeed], 0.0f);
    EXPECT_EQ(ByIndex(analysis::AccResultsTexts().Labels).at(116), "0.01s");  // launched at once
    // A clutch that never closes: the launch never ended, whatever the run's length.
    for (int32_t i = 0; i <= 12000; ++i) SetCell(i, Col::Clutch, 0.6f);
    analysis::AnalyseAccRun(0.01f, {});
    const auto L = ByIndex(analysis::AccResultsTexts().Labels);
    EXPECT_EQ(L.at(116), "N/A");
    EXPECT_EQ(L.at(117), "N/A");  // nor a time in first gear (12001 rows summed: "120.017s")
    EXPECT_EQ(L.at(118), "N/A");  // second gear: never reached
}

// Results of a run gone wrong show "N/A", never "NaN" or "inf" with a unit after it.
TEST_F(AccelerationSummaryTest, NonFiniteResultsShowNotApplicable) {
    auto& R = AccelerationCode().AccResults;
    R.fill(std::numeric_limits<float>::quiet_NaN());
    R[Res::LaunchTime] = std::numeric_limits<float>::infinity();
    const auto L = ByIndex(analysis::AccResultsTexts().Labels);
    for (int index : {100, 105, 112, 116, 117, 124, 125, 126, 131, 132})
        EXPECT_EQ(L.at(index), "N/A") << index;
    for (const auto& c : analysis::AccSearchResultsTexts()) EXPECT_EQ(c.Text, "N/A");
}

TEST_F(AccelerationSummaryTest, ProgressBarPhasesEndAtTheMaximum) {
    ConstantAcceleration(2001);
    std::vector<int32_t> values;
    analysis::AccRunLinks links;
    links.SetProgressValue = [&](int32_t v) { values.push_back(v); };
    bool shown = false;
    links.ShowAccResults = [&](const analysis::AccResultTexts&) { shown = true; };
    AccelerationCode().ProgressValue = 6;  // as the run leaves it: 12000 / 2000
    analysis::AnalyseAccRun(0.01f, links);
    ASSERT_FALSE(values.empty());
    // Forward scan from 6 (12000 / 2000) to 6.48 -> 6; backward scan from 6 upwards; the
    // maximum 12000 x 1.08 x 1.05 / 2000 = 6.804 -> 7 last.
    EXPECT_EQ(values.back(), 7);
    for (std::size_t k = 1; k < values.size(); ++k) EXPECT_GE(values[k], values[k - 1]);
    EXPECT_TRUE(shown);
}

TEST_F(AccelerationSummaryTest, DistanceCaptionsFollowTheSpeedUnit) {
    ConstantAcceleration(101);
    auto L = ByIndex(analysis::AccResultsTexts().Labels);
    EXPECT_EQ(L.at(14), "0-500m:");
    EXPECT_EQ(L.at(15), "0-1000m:");
    core::ApplyUnitRow(core::Quantity::Speed, 2);  // mph
    L = ByIndex(analysis::AccResultsTexts().Labels);
    EXPECT_EQ(L.at(14), "Quarter mile ET:");
    EXPECT_EQ(L.at(15), "Mile ET:");
    core::ApplyUnitRow(core::Quantity::Speed, 1);  // km/h: benchmarks 50, 100, ... km/h
    EXPECT_EQ(ByIndex(analysis::AccResultsTexts().Labels).at(7), "0-100 km/h:");
}

// ---- Search ----

class AccelerationSearchTest : public AccelerationSummaryTest {
protected:
    void SetUp() override {
        AccelerationSummaryTest::SetUp();
        ConstantAcceleration(2001);  // 0..40 m/s, 0..400.2 m
    }
};

TEST_F(AccelerationSearchTest, TimeAndDistanceBetweenSpeedsAndAtADistance) {
    const auto out = analysis::SearchAccRunTexts(0.01f, {"10", "30", "100"});
    ASSERT_FALSE(out.Corrected);
    const auto& R = AccelerationCode().AccResults;
    // Beyond 10 m/s at row 501, beyond 30 m/s at row 1501.
    EXPECT_NEAR(R[Res::SearchTime], 10.0f, 1e-4);
    EXPECT_NEAR(R[Res::SearchDistance], 0.0001f * (1501 * 1502 - 501 * 502), 1e-2);
    // Beyond 100 m: 0.0001 i (i + 1) > 100 first at i = 1000 (100.1 m), at 20 m/s.
    EXPECT_FLOAT_EQ(R[Res::SearchTimeAtDistance], 10.0f);
    EXPECT_FLOAT_EQ(R[Res::SearchSpeedAtDistance], 20.0f);
    const auto L = ByIndex(analysis::AccSearchResultsTexts());
    EXPECT_EQ(L.at(133), "10s");
    EXPECT_EQ(L.at(135), "10s");
    EXPECT_EQ(L.at(136), "20 m/s");

    // From standstill: a speed of 0 is never searched, so it counts from time 0.
    analysis::SearchAccRunTexts(0.01f, {"0", "30", "0"});
    EXPECT_NEAR(R[Res::SearchTime], 15.01f, 1e-4);
}

// Each box out of the run's range is corrected into it, and the results stay as they were.
TEST_F(AccelerationSearchTest, OutOfRangeBoxesAreCorrectedAndKeepThePreviousResults) {
    analysis::SearchAccRunTexts(0.01f, {"10", "30", "100"});
    const auto before = AccelerationCode().AccResults;
    struct Case {
        std::array<std::string, 3> boxes;
        int box;
        std::string text;
    };
    for (const Case& c : {Case{{"-5", "30", "100"}, 0, "0"}, Case{{"10", "55", "100"}, 1, "40"},
                          Case{{"35", "20", "100"}, 1, "35"},  // B below A: box 1 takes box 0
                          Case{{"10", "20", "1000"}, 2, "400.2"},
                          Case{{"10", "20", "-1"}, 2, "0"}}) {
        const auto out = analysis::SearchAccRunTexts(0.01f, c.boxes);
        EXPECT_TRUE(out.Corrected) << c.boxes[0] << "," << c.boxes[1] << "," << c.boxes[2];
        EXPECT_EQ(out.Box, c.box);
        EXPECT_EQ(out.CorrectedText, c.text);
        EXPECT_EQ(AccelerationCode().AccResults, before);
    }
}

// A box rewritten by the search raises its change handler, which searches again. The rewritten
// text (the run's end in display units, 7 digits) must be accepted, not corrected once more.
TEST_F(AccelerationSearchTest, CorrectedBoxSearchesOnceMore) {
    core::ApplyUnitRow(core::Quantity::Speed, 2);  // mph: 40 m/s is 89.47737... mph
    std::array<std::string, 3> boxes{"10", "500", "1000"};
    int searches = 0;
    int shown = 0;
    analysis::AccRunLinks links;
    links.ReadSearchInputs = [&] { return boxes; };
    links.WriteSearchInput = [&](int box, const std::string& text) {
        if (boxes[box] == text) return;  // a text box raises Change only when it changes
        boxes[box] = text;
        ASSERT_LT(++searches, 10) << "the search keeps correcting itself";
        analysis::SearchAccRun(0.01f, links);
    };
    links.ShowAccSearchResults = [&](const std::vector<core::Caption>&) { ++shown; };
    analysis::SearchAccRun(0.01f, links);
    // "500" -> the final speed; then "1000" -> the last distance; then the results.
    EXPECT_EQ(searches, 2);
    EXPECT_EQ(shown, 1);
    const auto& R = AccelerationCode().AccResults;
    // 10 mph = 4.4704 m/s: beyond it at row 224; the final speed is reached on the last row.
    EXPECT_NEAR(R[Res::SearchTime], 20.0f - 2.24f, 1e-4);
    EXPECT_FLOAT_EQ(R[Res::SearchTimeAtDistance], 20.0f);
    EXPECT_FLOAT_EQ(R[Res::SearchSpeedAtDistance], 40.0f);
}

}  // namespace
