// The lowest and highest finite value of a column of a table read every stride-th row, and a
// memo of them for a table that is read again and again while it stays the same (a run's
// table, drawn at each redraw and resize of its graphs): each column is walked once for each
// way it is read, not at each reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace core {

// None (Any false) when no finite value was read.
struct ValueRange {
    bool Any = false;
    float Low = 0.0f;
    float High = 0.0f;
};

// The values table[column + row x rowLength] of rows first, first + stride, ... up to last
// (stride at least 1).
ValueRange ColumnRange(const float* table, int32_t rowLength, int32_t column, int32_t first,
                       int32_t stride, int32_t last);

// ColumnRange of one table, each reading remembered (by the table's address, row length,
// column, rows and stride). Whoever writes the table forgets them (Clear).
class ColumnRangeMemo {
public:
    ValueRange Of(const float* table, int32_t rowLength, int32_t column, int32_t first,
                  int32_t stride, int32_t last);
    void Clear() { readings_.clear(); }
    std::size_t Readings() const { return readings_.size(); }

private:
    struct Reading {
        const float* Table;
        int32_t RowLength, Column, First, Stride, Last;
        ValueRange Range;
    };
    std::vector<Reading> readings_;
};

}  // namespace core
