#include "vehicle/engine/Matrix.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "vehicle/engine/EngineCode.hpp"

namespace vehicle {

namespace {

// One exchange made on the working copy during the arrangement search.
struct Exchange {
    bool columns;  // true: columns a and b; false: rows a and b
    int32_t a;
    int32_t b;
};

void SwapRowsOrColumns(bool columns, DoubleArray2D& m, int32_t i, int32_t j) {
    if (columns) {
        for (int32_t r = 0; r < m.Rows(); ++r) std::swap(m(r, i), m(r, j));
    } else {
        for (int32_t c = 0; c < m.Columns(); ++c) std::swap(m(i, c), m(j, c));
    }
}

bool DiagonalHasZero(const DoubleArray2D& m) {
    const int32_t n = std::min(m.Rows(), m.Columns());
    for (int32_t k = 0; k < n; ++k) {
        if (m(k, k) == 0.0) return true;
    }
    return false;
}

// Elimination without division on a copy of the arrangement w, then normalisation by the
// diagonal. Returns false (the arrangement is rejected) when a diagonal element is zero at
// normalisation, or when the arithmetic overflows: the elimination multiplies rows by their
// pivots and its magnitudes grow fast.
bool EliminateAndNormalise(DoubleArray2D w, DoubleArray2D& r) {
    const int32_t n = w.Rows();
    r = DoubleArray2D(n, n);
    for (int32_t k = 0; k < n; ++k) r(k, k) = 1.0;

    for (int32_t j = 0; j < n; ++j) {
        const double p = w(j, j);
        for (int32_t i = 0; i < n; ++i) {
            if (i == j) continue;
            const double f = w(i, j);
            for (int32_t k = 0; k < n; ++k) {
                w(i, k) = p * w(i, k) - f * w(j, k);
                r(i, k) = p * r(i, k) - f * r(j, k);
            }
        }
    }
    for (int32_t i = 0; i < n; ++i) {
        const double d = w(i, i);
        if (d == 0.0 || !std::isfinite(d)) return false;
        for (int32_t j = 0; j < n; ++j) {
            r(i, j) = r(i, j) / d;
            if (!std::isfinite(r(i, j))) return false;
        }
    }
    return true;
}

}  // namespace

void Matrix::SetSize(std::optional<int32_t> NumRows, std::optional<int32_t> NumColumns) {
    if (!NumRows && !NumColumns) return;
    const int32_t rows = std::max<int32_t>(0, NumRows.value_or(elements_.Rows()));
    const int32_t columns = std::max<int32_t>(0, NumColumns.value_or(elements_.Columns()));
    DoubleArray2D sized(rows, columns);
    const int32_t keepRows = std::min(rows, elements_.Rows());
    const int32_t keepColumns = std::min(columns, elements_.Columns());
    for (int32_t r = 0; r < keepRows; ++r) {
        for (int32_t c = 0; c < keepColumns; ++c) sized(r, c) = elements_(r, c);
    }
    elements_ = std::move(sized);
}

DoubleArray2D Matrix::Multiply(const DoubleArray2D& Matrix1, const DoubleArray2D& Matrix2) const {
    if (Matrix1.Columns() != Matrix2.Rows()) throw MatrixError(kMatrixProductSizeMessage);
    DoubleArray2D result(Matrix1.Rows(), Matrix2.Columns());
    for (int32_t i = 0; i < Matrix1.Rows(); ++i) {
        for (int32_t j = 0; j < Matrix2.Columns(); ++j) {
            for (int32_t k = 0; k < Matrix1.Columns(); ++k) {
                result(i, j) = result(i, j) + Matrix2(k, j) * Matrix1(i, k);
            }
        }
    }
    return result;
}

DoubleArray2D Matrix::Inverse(int32_t* exchanges) const {
    if (elements_.Rows() != elements_.Columns()) throw MatrixError(kMatrixNotSquareMessage);
    const int32_t n = elements_.Rows();
    DoubleArray2D w = elements_;
    DoubleArray2D r;
    std::vector<Exchange> made;

    auto exchange = [&](bool columns, int32_t a, int32_t b) {
        SwapRowsOrColumns(columns, w, a, b);
        made.push_back({columns, a, b});
    };

    // Arrangement search: n outer passes; in each, the rows are walked from the last to the
    // second, and before every row exchange the columns are rotated through n passes of n - 1
    // single exchanges, testing before each exchange. The state after the very last row
    // exchange is never tested (so a 1 x 1 matrix has no arrangement).
    for (int32_t outer = 0; outer < n; ++outer) {
        for (int32_t b = n - 1; b >= 1; --b) {
            for (int32_t pass = 0; pass < n; ++pass) {
                for (int32_t d = n - 1; d >= 1; --d) {
                    if (!DiagonalHasZero(w) && EliminateAndNormalise(w, r)) {
                        // Undo the exchanges on the result, last first: a row exchange of the
                        // arrangement is a column exchange of its inverse and vice versa.
                        for (auto it = made.rbegin(); it != made.rend(); ++it) {
                            SwapRowsOrColumns(!it->columns, r, it->a, it->b);
                        }
                        if (exchanges) *exchanges = static_cast<int32_t>(made.size());
                        return r;
                    }
                    exchange(true, d, d - 1);
                }
            }
            exchange(false, b, b - 1);
        }
    }
    if (exchanges) *exchanges = static_cast<int32_t>(made.size());
    EngineCode().MatrixInverseOK = core::VbFalse;
    return {};
}

}  // namespace vehicle
