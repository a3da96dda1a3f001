// The search boxes of both runs correct a value outside the run into its range, and the
// corrected box searches again. A run whose figures end below zero (a car that rolled back,
// or the numbers of a damaged vehicle file) once made two corrections undo each other until
// the stack overflowed; now the box settles and the nesting is bounded whatever the run holds.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "core/OptionsSettings.hpp"

namespace {

// Boxes kept in a plain array; writing a box searches again, as the window's change handler
// does. Counts the searches.
struct Boxes {
    std::array<std::string, 3> text{"0", "0", "0"};
    int searches = 0;
};

class SearchCorrectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::SetDefaultOptions();
        core::ApplyUnitPreset(0);  // SI units: factors 1
        analysis::AccelerationCode() = analysis::AccelerationCodeState{};
        analysis::DecelerationCode() = analysis::DecelerationCodeState{};
    }
};

TEST_F(SearchCorrectionTest, AccelerationRunEndingBelowZeroSettlesAtZero) {
    auto& s = analysis::AccelerationCode();
    s.AccData.assign(3 * analysis::kAccColumns, 0.0f);
    s.AccLastStep = 2;
    for (int step = 1; step <= 2; ++step) {
        s.AccData[step * analysis::kAccColumns + analysis::AccCol::Speed] = -0.05f * step;
        s.AccData[step * analysis::kAccColumns + analysis::AccCol::Distance] = -1e19f * step;
    }
    Boxes b;
    analysis::AccRunLinks links;
    links.ReadSearchInputs = [&] { return b.text; };
    links.WriteSearchInput = [&](int box, const std::string& t) {
        const bool changed = b.text[static_cast<std::size_t>(box)] != t;
        b.text[static_cast<std::size_t>(box)] = t;
        if (changed) analysis::SearchAccRun(0.01f, links);
    };
    links.ShowAccSearchResults = [&](const auto&) { ++b.searches; };
    b.text = {"5", "-3", "7"};
    analysis::SearchAccRun(0.01f, links);
    EXPECT_EQ(b.text[0], "0");  // above the run's end (which is below zero): 0
    EXPECT_EQ(s.SearchDepth, 0);
}

TEST_F(SearchCorrectionTest, DecelerationRunEndingBelowZeroSettlesAndNestingIsBounded) {
    auto& s = analysis::DecelerationCode();
    s.DecData.assign(3 * analysis::kDecColumns, 0.0f);
    s.DecLastStep = 2;
    s.DecData[analysis::DecCol::Speed] = 30.0f;
    for (int step = 1; step <= 2; ++step)
        s.DecData[step * analysis::kDecColumns + analysis::DecCol::Distance] = -2.8e19f * step;
    Boxes b;
    int nested = 0;
    analysis::DecRunLinks links;
    links.ReadSearchInputs = [&] { return b.text; };
    // A box whose handler searches again even when its text did not change: the worst case.
    links.WriteSearchInput = [&](int box, const std::string& t) {
        b.text[static_cast<std::size_t>(box)] = t;
        ++nested;
        analysis::SearchDecRun(links);
    };
    b.text = {"10", "5", "100"};
    analysis::SearchDecRun(links);
    EXPECT_EQ(b.text[2], "0");  // the distance box: the run's end, bounded at zero
    EXPECT_LT(nested, analysis::kMaxDecSearchDepth);
    EXPECT_EQ(s.SearchDepth, 0);
}

}  // namespace
