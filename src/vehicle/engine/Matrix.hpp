// A small dense matrix of doubles with a product and an inverse, used by the engine model to
// solve its 4 x 4 and 5 x 5 curve-fit systems (solution row = right-hand row x inverse).
//
// The inverse is Gauss-Jordan elimination without division during elimination, preceded by a
// fixed search over row and column arrangements for one whose diagonal holds no zero. When no
// arrangement works, Inverse() returns an empty array and clears the program-wide flag
// vehicle::EngineCode().MatrixInverseOK (the caller sets it true beforehand); it never throws
// for that. Non-conforming sizes throw MatrixError (number 5).
//
// Storage is 0-based; GetElement/SetElement are 1-based and unchecked (1 <= row <= rows).
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vehicle {

// A plain two-dimensional array of doubles, row-major, rows x columns (both 0 when empty).
class DoubleArray2D {
public:
    DoubleArray2D() = default;
    DoubleArray2D(int32_t rows, int32_t columns)
        : rows_(rows), columns_(columns),
          data_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), 0.0) {}

    int32_t Rows() const { return rows_; }
    int32_t Columns() const { return columns_; }
    bool Empty() const { return data_.empty(); }

    double& operator()(int32_t r, int32_t c) { return data_[Index(r, c)]; }
    double operator()(int32_t r, int32_t c) const { return data_[Index(r, c)]; }

    bool operator==(const DoubleArray2D&) const = default;

private:
    std::size_t Index(int32_t r, int32_t c) const {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(c);
    }
    int32_t rows_ = 0;
    int32_t columns_ = 0;
    std::vector<double> data_;
};

// Raised for a non-conforming product or a non-square inverse. Number() is 5 ("Invalid
// procedure call or argument"); what() is the user-facing description.
class MatrixError : public std::runtime_error {
public:
    explicit MatrixError(const std::string& description) : std::runtime_error(description) {}
    int Number() const { return 5; }
};

inline constexpr const char* kMatrixProductSizeMessage =
    "The number of columns in the first matrix must match with the number of rows in the "
    "second matrix.";
inline constexpr const char* kMatrixNotSquareMessage =
    "Matrix must be square (in which the number of rows must equal the number of columns).";

class Matrix {
public:
    // Sizes the element array, keeping the elements that stay inside the new bounds (new ones
    // are 0). An omitted argument keeps that dimension; both omitted: nothing happens.
    void SetSize(std::optional<int32_t> NumRows, std::optional<int32_t> NumColumns);
    int32_t GetNumRows() const { return elements_.Rows(); }
    int32_t GetNumColumns() const { return elements_.Columns(); }
    double GetElement(int32_t row, int32_t column) const {
        return elements_(row - 1, column - 1);
    }
    void SetElement(int32_t row, int32_t column, double value) {
        elements_(row - 1, column - 1) = value;
    }

    // A copy of the element array / replace it by a copy of val (its size included).
    DoubleArray2D Value() const { return elements_; }
    void Value(const DoubleArray2D& val) { elements_ = val; }

    // Matrix1 x Matrix2; uses the arguments only. Throws MatrixError when the columns of
    // Matrix1 differ from the rows of Matrix2.
    DoubleArray2D Multiply(const DoubleArray2D& Matrix1, const DoubleArray2D& Matrix2) const;

    // Inverse of the own elements, or an empty array when no arrangement gives one (and
    // EngineCode().MatrixInverseOK is cleared). Throws MatrixError when not square.
    // exchanges, when given, receives the number of row and column exchanges made on the way
    // to the arrangement that was used (or tried, on failure).
    DoubleArray2D Inverse(int32_t* exchanges = nullptr) const;

private:
    DoubleArray2D elements_;
};

}  // namespace vehicle
