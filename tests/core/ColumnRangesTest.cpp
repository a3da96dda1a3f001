// The range of a table column read every stride-th row, and its memo: a reading is walked once
// and remembered until the table's writer clears it.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/ColumnRanges.hpp"

namespace {

// Three columns, ten rows: column 0 is the row number, column 1 its negative, column 2 holds
// a NaN in row 4 and an infinity in row 6 among 1s.
std::vector<float> Table() {
    std::vector<float> t;
    for (int row = 0; row < 10; ++row) {
        const float x = static_cast<float>(row);
        t.insert(t.end(), {x, -x, row == 4 ? NAN : row == 6 ? INFINITY : 1.0f});
    }
    return t;
}

TEST(ColumnRanges, EveryStridethRowFromFirstToLastFiniteValuesOnly) {
    const std::vector<float> t = Table();
    const struct {
        int column, first, stride, last;
        bool any;
        float low, high;
    } cases[] = {
        {0, 0, 1, 9, true, 0, 9},    {0, 1, 3, 9, true, 1, 7},   // rows 1, 4, 7
        {1, 2, 5, 8, true, -7, -2},  {0, 5, 1, 5, true, 5, 5},   // one row
        {2, 4, 2, 6, false, 0, 0},   {2, 3, 1, 7, true, 1, 1},   // NaN and infinity left out
        {0, 6, 1, 5, false, 0, 0},                                // no row
    };
    for (const auto& c : cases) {
        const core::ValueRange r = core::ColumnRange(t.data(), 3, c.column, c.first, c.stride, c.last);
        EXPECT_EQ(r.Any, c.any) << c.column << " " << c.first << " " << c.stride;
        if (c.any) {
            EXPECT_EQ(r.Low, c.low);
            EXPECT_EQ(r.High, c.high);
        }
    }
}

TEST(ColumnRanges, TheMemoWalksEachReadingOnceUntilCleared) {
    std::vector<float> t = Table();
    core::ColumnRangeMemo memo;
    EXPECT_EQ(memo.Of(t.data(), 3, 0, 1, 2, 9).High, 9.0f);
    EXPECT_EQ(memo.Of(t.data(), 3, 0, 1, 3, 9).High, 7.0f);  // another stride: another reading
    EXPECT_EQ(memo.Readings(), 2u);
    t[3 * 9] = 50.0f;  // written behind the memo's back: the memo answers as before
    EXPECT_EQ(memo.Of(t.data(), 3, 0, 1, 2, 9).High, 9.0f);
    EXPECT_EQ(memo.Readings(), 2u);
    memo.Clear();  // as the table's writer does
    EXPECT_EQ(memo.Of(t.data(), 3, 0, 1, 2, 9).High, 50.0f);
}

}  // namespace
