#include "vehicle/engine/Matrix.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "vehicle/engine/EngineCode.hpp"

namespace {

using vehicle::DoubleArray2D;
using vehicle::Matrix;

Matrix Make(int n, int m, std::initializer_list<double> rowMajor) {
    Matrix a;
    a.SetSize(n, m);
    auto it = rowMajor.begin();
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= m; ++c) a.SetElement(r, c, *it++);
    return a;
}

// Largest deviation of a x inverse from the identity.
double IdentityError(const Matrix& a, const DoubleArray2D& inverse) {
    const DoubleArray2D p = a.Multiply(a.Value(), inverse);
    double worst = 0.0;
    for (int r = 0; r < p.Rows(); ++r)
        for (int c = 0; c < p.Columns(); ++c)
            worst = std::max(worst, std::abs(p(r, c) - (r == c ? 1.0 : 0.0)));
    return worst;
}

class MatrixTest : public ::testing::Test {
protected:
    void SetUp() override { vehicle::EngineCode().MatrixInverseOK = core::VbTrue; }
};

TEST_F(MatrixTest, SetSizeAllocatesZerosAndKeepsElementsInsideNewBounds) {
    Matrix a;
    a.SetSize(2, 3);
    EXPECT_EQ(a.GetNumRows(), 2);
    EXPECT_EQ(a.GetNumColumns(), 3);
    EXPECT_EQ(a.GetElement(2, 3), 0.0);
    a.SetElement(1, 1, 5.0);
    a.SetElement(2, 3, 7.0);
    a.SetSize(std::nullopt, 2);  // rows kept
    EXPECT_EQ(a.GetNumRows(), 2);
    EXPECT_EQ(a.GetNumColumns(), 2);
    EXPECT_EQ(a.GetElement(1, 1), 5.0);
    a.SetSize(std::nullopt, std::nullopt);  // nothing happens
    EXPECT_EQ(a.GetNumColumns(), 2);
}

TEST_F(MatrixTest, DiagonalWithoutZeroIsInvertedInFirstArrangement) {
    // ((4, 7), (2, 6)): determinant 10, inverse (0.6, -0.7; -0.2, 0.4).
    const Matrix a = Make(2, 2, {4, 7, 2, 6});
    int32_t exchanges = -1;
    const DoubleArray2D inv = a.Inverse(&exchanges);
    EXPECT_EQ(exchanges, 0);
    ASSERT_EQ(inv.Rows(), 2);
    EXPECT_NEAR(inv(0, 0), 0.6, 1e-15);
    EXPECT_NEAR(inv(0, 1), -0.7, 1e-15);
    EXPECT_NEAR(inv(1, 0), -0.2, 1e-15);
    EXPECT_NEAR(inv(1, 1), 0.4, 1e-15);
    EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbTrue);
}

TEST_F(MatrixTest, SwapMatrixNeedsOneExchangeAndIsItsOwnInverse) {
    const Matrix a = Make(2, 2, {0, 1, 1, 0});
    int32_t exchanges = -1;
    const DoubleArray2D inv = a.Inverse(&exchanges);
    EXPECT_EQ(exchanges, 1);
    EXPECT_EQ(inv, a.Value());
}

TEST_F(MatrixTest, LowerCurveSystemWithIdleZeroNeeds29Exchanges) {
    // Columns (w^3, w^2, w, 1) of T(0), T(wp), T'(0), T'(wp) with wp = 418.879 rad/s.
    const double wp = 418.879;
    Matrix a;
    a.SetSize(4, 4);
    const double cols[4][4] = {{0, 0, 0, 1},
                               {wp * wp * wp, wp * wp, wp, 1},
                               {0, 0, 1, 0},
                               {3 * wp * wp, 2 * wp, 1, 0}};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) a.SetElement(r + 1, c + 1, cols[c][r]);
    int32_t exchanges = -1;
    const DoubleArray2D inv = a.Inverse(&exchanges);
    EXPECT_EQ(exchanges, 29);
    ASSERT_FALSE(inv.Empty());
    EXPECT_LT(IdentityError(a, inv), 1e-9);
}

TEST_F(MatrixTest, UpperCurveSystemStartsWithZeroCornerAndStillInverts) {
    // Speeds in hundreds of rad/s keep the system well conditioned for the residual check.
    const double we = 5.236, ws = 6.8068, wm = 0.4 * we + 0.6 * ws;
    const double pts[3] = {we, ws, wm};
    Matrix a;
    a.SetSize(5, 5);
    for (int c = 0; c < 3; ++c) {
        const double w = pts[c];
        const double col[5] = {w * w * w * w, w * w * w, w * w, w, 1};
        for (int r = 0; r < 5; ++r) a.SetElement(r + 1, c + 1, col[r]);
    }
    for (int c = 0; c < 2; ++c) {
        const double w = c == 0 ? we : ws;
        const double col[5] = {4 * w * w * w, 3 * w * w, 2 * w, 1, 0};
        for (int r = 0; r < 5; ++r) a.SetElement(r + 1, c + 4, col[r]);
    }
    EXPECT_EQ(a.GetElement(5, 5), 0.0);
    int32_t exchanges = 0;
    const DoubleArray2D inv = a.Inverse(&exchanges);
    EXPECT_GT(exchanges, 0);
    ASSERT_FALSE(inv.Empty());
    EXPECT_LT(IdentityError(a, inv), 1e-9);
}

TEST_F(MatrixTest, SingularMatricesClearTheFlagAndGiveAnEmptyResult) {
    const Matrix zeros = Make(2, 2, {0, 0, 0, 0});
    EXPECT_TRUE(zeros.Inverse().Empty());
    EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbFalse);

    // Every arrangement of ((1, 1), (1, 1)) passes the diagonal test but fails normalisation.
    vehicle::EngineCode().MatrixInverseOK = core::VbTrue;
    const Matrix ones = Make(2, 2, {1, 1, 1, 1});
    EXPECT_TRUE(ones.Inverse().Empty());
    EXPECT_EQ(vehicle::EngineCode().MatrixInverseOK, core::VbFalse);
}

TEST_F(MatrixTest, NonConformingSizesRaiseErrorFiveWithTheirMessages) {
    const Matrix row5 = Make(1, 5, {1, 2, 3, 4, 5});
    Matrix sq4, rect;
    sq4.SetSize(4, 4);
    rect.SetSize(2, 3);

    try {
        (void)row5.Multiply(row5.Value(), sq4.Value());
        FAIL() << "no error raised";
    } catch (const vehicle::MatrixError& e) {
        EXPECT_EQ(e.Number(), 5);
        EXPECT_STREQ(e.what(),
                     "The number of columns in the first matrix must match with the number of "
                     "rows in the second matrix.");
    }
    try {
        (void)rect.Inverse();
        FAIL() << "no error raised";
    } catch (const vehicle::MatrixError& e) {
        EXPECT_EQ(e.Number(), 5);
        EXPECT_STREQ(e.what(),
                     "Matrix must be square (in which the number of rows must equal the number "
                     "of columns).");
    }
}

TEST_F(MatrixTest, ProductSumsOverTheInnerDimension) {
    // (1 2 3) x ((1 0), (0 1), (1 1)) = (4 5)
    const Matrix a = Make(1, 3, {1, 2, 3});
    const Matrix b = Make(3, 2, {1, 0, 0, 1, 1, 1});
    const DoubleArray2D p = a.Multiply(a.Value(), b.Value());
    EXPECT_EQ(p(0, 0), 4.0);
    EXPECT_EQ(p(0, 1), 5.0);
}

}  // namespace
