// Summary, search and texts of the deceleration run, on a hand-made run table: 0.1 s steps,
// speed 40 - 4k m/s in row k (standstill in row 10), distances as listed, deceleration 40 m/s^2
// with a peak of 45 in row 3, total force 1000 + k N.
#include <gtest/gtest.h>

#include <limits>

#include "DecelerationTestVehicle.hpp"

namespace {

using analysis::DecelerationCode;
using core::Caption;
using core::LabelArray;
using analysis::DecRes::PeakDeceleration;
namespace DecCol = analysis::DecCol;
namespace DecRes = analysis::DecRes;

constexpr std::array<float, 11> kDistance{0.0f,  3.8f,  7.2f,  10.2f, 12.8f, 15.0f,
                                          16.8f, 18.2f, 19.2f, 19.8f, 20.0f};

class DecelerationResults : public ::testing::Test {
protected:
    void SetUp() override {
        dectest::ResetModules();
        vehicle::AeroCode().TopSpeed = 40.0f;
        SetTable(40.0f);
    }
    static void SetTable(float startSpeed) {
        auto& s = DecelerationCode();
        s.DecTimeStep = 0.1f;
        s.DecMaxSteps = 20;
        s.DecLastStep = 10;
        s.DecData.assign(21 * analysis::kDecColumns, 0.0f);
        for (int k = 0; k <= 10; ++k) {
            float* row = &s.DecData[static_cast<std::size_t>(k) * analysis::kDecColumns];
            row[DecCol::Speed] = 40.0f - 4.0f * static_cast<float>(k);
            row[DecCol::Distance] = kDistance[k];
            row[DecCol::Deceleration] = k == 3 ? 45.0f : 40.0f;
            row[DecCol::TotalForce] = 1000.0f + static_cast<float>(k);
        }
        s.DecData[DecCol::Speed] = startSpeed;
    }
    static std::string Text(const std::vector<Caption>& texts, int index) {
        for (const auto& t : texts)
            if (t.Array == LabelArray::Analysis_DecLabel && t.Index == index) return t.Text;
        return "(missing)";
    }
    static void UseKmh() { core::SelectUnitByName(core::Quantity::Speed, "Kilometres per hour"); }
};

TEST_F(DecelerationResults, SummaryFromTheEndOfTheRun) {
    analysis::AnalyseDecRun();
    const auto& r = DecelerationCode().DecResults;
    EXPECT_FLOAT_EQ(r[PeakDeceleration], 45.0f);
    // 15 m/s: row 6 (16 m/s) is the last row above it: 4 steps and 20 - 16.8 m to the end.
    EXPECT_FLOAT_EQ(r[DecRes::TimeFromSpeed], 0.4f);
    EXPECT_NEAR(r[DecRes::DistanceFromSpeed], 3.2f, 1e-5f);
    // 30 m/s: row 2 (32 m/s): 8 steps, 20 - 7.2 m.
    EXPECT_FLOAT_EQ(r[DecRes::TimeFromSpeed + 1], 0.8f);
    EXPECT_NEAR(r[DecRes::DistanceFromSpeed + 1], 12.8f, 1e-5f);
    for (int k = 2; k < 5; ++k) {  // 45, 60 and 75 m/s: never reached
        EXPECT_EQ(r[DecRes::TimeFromSpeed + k], 0.0f);
        EXPECT_EQ(r[DecRes::DistanceFromSpeed + k], 0.0f);
    }
    EXPECT_FLOAT_EQ(r[DecRes::TimeFromTopSpeed], 1.0f);
    EXPECT_FLOAT_EQ(r[DecRes::StoppingDistance], 20.0f);
    EXPECT_FLOAT_EQ(r[DecRes::PeakTotalForce], 1010.0f);
}

TEST_F(DecelerationResults, SummaryTextsInTheChosenUnits) {
    analysis::AnalyseDecRun();
    auto texts = analysis::DecResultsTexts();
    EXPECT_EQ(Text(texts, 4), "15-0 m/s:");
    EXPECT_EQ(Text(texts, 102), "0.4s");
    EXPECT_EQ(Text(texts, 103), "3.2 m");
    for (int i = 106; i <= 111; ++i) EXPECT_EQ(Text(texts, i), "N/A") << i;
    EXPECT_EQ(Text(texts, 9), "40-0 m/s:");  // from the top speed
    EXPECT_EQ(Text(texts, 114), "45 m/s\u00B2");

    // The benchmarks follow the speed unit: 50, 100, ... km/h (13.9 m/s is below every row
    // from row 7 on: row 6 at 16 m/s is the last above it).
    UseKmh();
    analysis::AnalyseDecRun();
    texts = analysis::DecResultsTexts();
    EXPECT_EQ(Text(texts, 4), "50-0 km/h:");
    EXPECT_EQ(Text(texts, 5), "100-0 km/h:");
    EXPECT_EQ(Text(texts, 9), "144-0 km/h:");
    EXPECT_EQ(Text(texts, 102), "0.4s");
    // 100 km/h = 27.8 m/s: row 3 (28 m/s) is the last above it: 0.7 s and 20 - 10.2 m.
    EXPECT_EQ(Text(texts, 104), "0.7s");
    EXPECT_EQ(Text(texts, 105), "9.8 m");
    EXPECT_EQ(Text(texts, 106), "N/A");  // 150 km/h = 41.7 m/s: above the start
}

TEST_F(DecelerationResults, SearchBetweenSpeedsAndFromADistance) {
    // 16 m/s equals row 6's speed, which is not above it: row 5 (20 m/s) counts, 0.5 s and
    // 20 - 15 m before the end. To 0: no time. D = 5: row 5 has exactly 5 m left, not more;
    // row 4 has 7.2 m left, 0.6 s before the end, at 24 m/s.
    const auto out = analysis::SearchDecRunTexts({"16", "0", "5"});
    EXPECT_FALSE(out.Corrected);
    const auto& r = DecelerationCode().DecResults;
    EXPECT_FLOAT_EQ(r[DecRes::SearchTime], 0.5f);
    EXPECT_FLOAT_EQ(r[DecRes::SearchDistance], 5.0f);
    EXPECT_FLOAT_EQ(r[DecRes::SearchTimeAtDistance], 0.6f);
    EXPECT_FLOAT_EQ(r[DecRes::SearchSpeedAtDistance], 24.0f);
    const auto texts = analysis::DecSearchResultsTexts();
    EXPECT_EQ(Text(texts, 116), "0.5s");
    EXPECT_EQ(Text(texts, 117), "5 m");
    EXPECT_EQ(Text(texts, 118), "0.6s");
    EXPECT_EQ(Text(texts, 119), "24 m/s");

    // D = 0: the first row from the end with any distance left (row 9, 0.2 m, at 4 m/s).
    analysis::SearchDecRunTexts({"30", "10", "0"});
    EXPECT_FLOAT_EQ(r[DecRes::SearchTimeAtDistance], 0.1f);
    EXPECT_FLOAT_EQ(r[DecRes::SearchSpeedAtDistance], 4.0f);
    // 30 -> 10 m/s: rows 2 (0.8 s, 12.8 m) and 7 (0.3 s, 1.8 m).
    EXPECT_NEAR(r[DecRes::SearchTime], 0.5f, 1e-6f);
    EXPECT_NEAR(r[DecRes::SearchDistance], 11.0f, 1e-5f);
}

TEST_F(DecelerationResults, SearchCorrectsBoxesAndEnds) {
    struct Case {
        std::array<std::string, 3> boxes;
        int box;
        std::string text;
    };
    for (const Case& c : {Case{{"-3", "0", "0"}, 0, "0"}, Case{{"20", "-1", "0"}, 1, "0"},
                          Case{{"50", "0", "0"}, 0, "40"}, Case{{"20", "45", "0"}, 1, "40"},
                          Case{{"10", "20", "0"}, 1, "10"},  // A below B: box 1 takes box 0
                          Case{{"20", "10", "-2"}, 2, "0"}, Case{{"20", "10", "25"}, 2, "20"},
                          Case{{"abc", "x", "y"}, -1, ""}}) {
        DecelerationCode().DecResults.fill(7.0f);
        const auto out = analysis::SearchDecRunTexts(c.boxes);
        EXPECT_EQ(out.Corrected, c.box >= 0)
            << c.boxes[0] << "," << c.boxes[1] << "," << c.boxes[2];
        EXPECT_EQ(out.Box, c.box);
        EXPECT_EQ(out.CorrectedText, c.text);
        if (out.Corrected) EXPECT_EQ(DecelerationCode().DecResults[14], 7.0f);  // no results
    }
}

// A start speed that is no round number in the display unit: the corrected text, read back,
// must not need correcting again (else its rewrite would change nothing, start no new search,
// and the search would end without results).
TEST_F(DecelerationResults, CorrectedTextReadBackNeedsNoFurtherCorrection) {
    UseKmh();
    for (float start : {41.7f, 55.55f, 61.35f, 83.3333f, 0.1f}) {
        SetTable(start);
        const auto out = analysis::SearchDecRunTexts({"9999", "0", "0"});
        ASSERT_TRUE(out.Corrected);
        EXPECT_EQ(out.Box, 0);
        const auto again = analysis::SearchDecRunTexts({out.CorrectedText, "0", "0"});
        EXPECT_FALSE(again.Corrected) << start << " -> " << out.CorrectedText;
    }
    core::SelectUnitByName(core::Quantity::DistanceLarge, "Miles");
    SetTable(40.0f);
    const auto out = analysis::SearchDecRunTexts({"0", "0", "5"});
    ASSERT_TRUE(out.Corrected);
    EXPECT_EQ(out.Box, 2);
    EXPECT_FALSE(analysis::SearchDecRunTexts({"0", "0", out.CorrectedText}).Corrected);
}

// The start speed and the whole distance, as a corrected box writes them (in the unit's
// decimals), are reached at the first row: from 40 m/s to 0, or over the whole 20 m, the
// search spans the run; from 40 to 10 m/s, to row 7 (12 m/s, 1.8 m before the end).
TEST_F(DecelerationResults, SearchFromTheStartSpeedAndTheWholeDistanceSpansTheRun) {
    const auto& r = DecelerationCode().DecResults;
    for (const char* to : {"0", "10"}) {
        EXPECT_FALSE(analysis::SearchDecRunTexts({"40", to, "20"}).Corrected);
        EXPECT_NEAR(r[DecRes::SearchTime], to[0] == '0' ? 1.0f : 0.7f, 1e-5f);
        EXPECT_NEAR(r[DecRes::SearchDistance], to[0] == '0' ? 20.0f : 18.2f, 1e-5f);
        EXPECT_NEAR(r[DecRes::SearchTimeAtDistance], 1.0f, 1e-5f);
        EXPECT_EQ(r[DecRes::SearchSpeedAtDistance], 40.0f);
    }
    // 69.85 m/s is 251.459995 km/h: the corrected box reads "251.5" and searches the run.
    UseKmh();
    SetTable(69.85f);
    const auto out = analysis::SearchDecRunTexts({"999", "0", "0"});
    EXPECT_EQ(out.CorrectedText, "251.5");
    EXPECT_FALSE(analysis::SearchDecRunTexts({out.CorrectedText, "0", "0"}).Corrected);
    EXPECT_FLOAT_EQ(r[DecRes::SearchTime], 1.0f);
}

// A run that ended still moving (at its longest time) never reached standstill, and one that
// ended behind its start went nowhere: no time or distance to standstill is shown for either,
// nor a search speed the run never came down to.
TEST_F(DecelerationResults, RunsThatNeverStoppedShowNoTimeToStandstill) {
    auto& s = DecelerationCode();
    float* lastRow = &s.DecData[10 * analysis::kDecColumns];
    for (const auto& [speed, distance] : {std::pair{2.0f, 20.0f}, std::pair{0.0f, -0.92f}}) {
        lastRow[DecCol::Speed] = speed;
        lastRow[DecCol::Distance] = distance;
        EXPECT_FALSE(analysis::DecRunStopped());
        analysis::AnalyseDecRun();
        const auto texts = analysis::DecResultsTexts();
        for (int i = 102; i <= 113; ++i) EXPECT_EQ(Text(texts, i), "N/A") << i << " " << distance;
        analysis::SearchDecRunTexts({"30", "0", "0"});
        for (int i = 116; i <= 119; ++i)
            EXPECT_EQ(Text(analysis::DecSearchResultsTexts(), i), "N/A") << i << " " << distance;
    }
    // Ending at 2 m/s: 10 m/s was reached (row 7 is the last above it), 1 m/s was not.
    lastRow[DecCol::Speed] = 2.0f;
    lastRow[DecCol::Distance] = 20.0f;
    analysis::SearchDecRunTexts({"30", "10", "0"});
    EXPECT_EQ(Text(analysis::DecSearchResultsTexts(), 116), "0.5s");
    analysis::SearchDecRunTexts({"30", "1", "0"});
    EXPECT_EQ(Text(analysis::DecSearchResultsTexts(), 116), "N/A");
}

// Times of a run gone wrong show "N/A", never "NaN" with a unit after it.
TEST_F(DecelerationResults, NonFiniteTimesShowNotApplicable) {
    auto& res = DecelerationCode().DecResults;
    res.fill(std::numeric_limits<float>::quiet_NaN());
    const auto texts = analysis::DecResultsTexts();
    for (int index : {102, 103, 112, 113, 114}) EXPECT_EQ(Text(texts, index), "N/A") << index;
    const auto search = analysis::DecSearchResultsTexts();
    for (int index : {116, 117, 118, 119}) EXPECT_EQ(Text(search, index), "N/A") << index;
}

TEST_F(DecelerationResults, NoRunNoSearch) {
    DecelerationCode() = analysis::DecelerationCodeState{};
    const auto out = analysis::SearchDecRunTexts({"50", "0", "0"});
    EXPECT_FALSE(out.Corrected);
    analysis::AnalyseDecRun();
    for (float v : DecelerationCode().DecResults) EXPECT_EQ(v, 0.0f);
}

TEST(DecelerationBrakeTexts, TorquesSplitByBalanceAndShownInTheChosenUnits) {
    dectest::ResetModules();
    analysis::SetBrakeTorques(950, 75);
    // 950 x 75 / 100 = 712.5 at each front wheel, 950 x 0.25 = 237.5 at each rear wheel.
    const auto& s = DecelerationCode();
    EXPECT_EQ(s.BrakeTorques, (std::array<float, 4>{712.5f, 712.5f, 237.5f, 237.5f}));
    EXPECT_FLOAT_EQ(s.BrakeTorqueRatio, 3.0f);
    const analysis::BrakeSettingsInputs in{950, 75, 20, 45, 10};
    auto texts = analysis::BrakeSettingsTexts(in);
    constexpr auto kSet = LabelArray::Set_BrakeLabel;
    const std::vector<Caption> set{{kSet, 100, "950 Nm", {}},
                                   {kSet, 101, "75%", {}},
                                   {kSet, 102, "20%", {}},
                                   {kSet, 103, "4.5%", {}},
                                   {kSet, 104, "10 m/s", {}}};
    EXPECT_EQ(texts.SetBrakeLabels, set);
    // 712.5 and 237.5 N m round half away from zero; 712.5 / 237.5 = 3.
    constexpr auto kDec = LabelArray::Analysis_DecLabel;
    const std::vector<Caption> dec{
        {kDec, 100, "713 Nm", {}}, {kDec, 101, "238 Nm", {}}, {kDec, 115, "3 : 1", {}}};
    EXPECT_EQ(texts.DecLabels, dec);

    analysis::SetBrakeTorques(950, 100);  // all at the front: no ratio
    EXPECT_EQ(s.BrakeTorques, (std::array<float, 4>{950.0f, 950.0f, 0.0f, 0.0f}));
    EXPECT_EQ(s.BrakeTorqueRatio, 0.0f);
    texts = analysis::BrakeSettingsTexts({950, 100, 0, 20, 5});
    EXPECT_EQ(texts.DecLabels[1].Text, "0 Nm");
    EXPECT_EQ(texts.DecLabels[2].Text, "N/A");
    EXPECT_EQ(texts.SetBrakeLabels[3].Text, "2%");

    analysis::SetBrakeTorques(950, 0);
    EXPECT_EQ(s.BrakeTorques[0], 0.0f);
    EXPECT_EQ(s.BrakeTorqueRatio, 0.0f);

    // 950 x 0.6 = 570 and 380 N m: 1.5 : 1; in pound-force feet 570 x 0.7373 = 420.3.
    core::SelectUnitByName(core::Quantity::Torque, "Pound-force feet");
    analysis::SetBrakeTorques(950, 60);
    texts = analysis::BrakeSettingsTexts({950, 60, 0, 45, 10});
    EXPECT_EQ(texts.DecLabels[0].Text, "420 lbf ft");
    EXPECT_EQ(texts.DecLabels[2].Text, "1.5 : 1");
    EXPECT_EQ(texts.SetBrakeLabels[0].Text, "700 lbf ft");  // 950 x 0.7373 = 700.4
}

}  // namespace
