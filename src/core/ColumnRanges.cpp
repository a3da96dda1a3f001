#include "core/ColumnRanges.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace core {

namespace {
// Readings kept at most: a run's graphs read a few columns at two strides each.
constexpr std::size_t kMaxReadings = 64;
}  // namespace

ValueRange ColumnRange(const float* table, int32_t rowLength, int32_t column, int32_t first,
                       int32_t stride, int32_t last) {
    ValueRange r;
    if (table == nullptr || stride < 1) return r;
    for (int32_t row = first; row <= last; row += stride) {
        const float v = table[static_cast<std::size_t>(column) +
                              static_cast<std::size_t>(row) * static_cast<std::size_t>(rowLength)];
        if (!std::isfinite(v)) continue;
        r.Low = r.Any ? std::min(r.Low, v) : v;
        r.High = r.Any ? std::max(r.High, v) : v;
        r.Any = true;
    }
    return r;
}

ValueRange ColumnRangeMemo::Of(const float* table, int32_t rowLength, int32_t column,
                               int32_t first, int32_t stride, int32_t last) {
    for (const Reading& k : readings_)
        if (k.Table == table && k.RowLength == rowLength && k.Column == column &&
            k.First == first && k.Stride == stride && k.Last == last)
            return k.Range;
    if (readings_.size() >= kMaxReadings) readings_.clear();
    const ValueRange r = ColumnRange(table, rowLength, column, first, stride, last);
    readings_.push_back({table, rowLength, column, first, stride, last, r});
    return r;
}

}  // namespace core
