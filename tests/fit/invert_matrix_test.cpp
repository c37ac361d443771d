// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/invert_matrix_test.cpp: scaled pivoting, the restored input, and the failing systems.
#include "fit/invert_matrix.h"

#include "common/failure.h"
#include "fit/singular_system.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <vector>

using common::Extended;
using common::FloatingPointError;

namespace {

using Rows = std::vector<std::vector<Extended>>;

class InvertMatrixTest : public ::testing::Test {
protected:
    InvertMatrixTest() { fit::AllocateWorkingStorage(m_fit); }
    ~InvertMatrixTest() override { fit::ReleaseWorkingStorage(m_fit); }

    void SetSystem(const Rows& rows)
    {
        m_fit.SystemSize = static_cast<int>(rows.size());
        for (int row = 1; row <= m_fit.SystemSize; ++row)
            for (int column = 1; column <= m_fit.SystemSize; ++column)
                m_fit.SolveMatrix(row, column) = rows[row - 1][column - 1];
    }

    // inverse times the system is the identity within tolerance.
    void ExpectInverseOf(const Rows& rows, Extended tolerance)
    {
        const int size = static_cast<int>(rows.size());
        for (int row = 1; row <= size; ++row)
            for (int column = 1; column <= size; ++column) {
                Extended sum = 0;
                for (int k = 1; k <= size; ++k)
                    sum += m_fit.InverseMatrix(row, k) * rows[k - 1][column - 1];
                EXPECT_TRUE(test_support::IsNear(sum, row == column ? 1 : 0, tolerance))
                    << "element " << row << ", " << column;
            }
    }

    fit::FitState m_fit;
};

} // namespace

TEST_F(InvertMatrixTest, InvertsTheNormalMatrixOfTheWorkedLine)
{
    SetSystem({ { 4, 10 }, { 10, 30 } });
    fit::InvertMatrix(m_fit);
    const Rows expected { { 1.5L, -0.5L }, { -0.5L, 0.2L } };
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 2; ++column)
            EXPECT_TRUE(test_support::IsNear(
                m_fit.InverseMatrix(row, column), expected[row - 1][column - 1], 1e-18L));
}

TEST_F(InvertMatrixTest, SizeOneIsTheReciprocal)
{
    SetSystem({ { 8 } });
    fit::InvertMatrix(m_fit);
    EXPECT_EQ(m_fit.InverseMatrix(1, 1), 0.125L);
}

TEST_F(InvertMatrixTest, ChoosesScaledPivotsAsRecorded)
{
    struct PivotCase {
        const char* name;
        Rows rows;
        std::vector<int> pivotRows; // steps 1..N-1
    };
    const std::vector<PivotCase> cases {
        // |1/3| and |2/6| tie: the first row stays the pivot.
        { "tie keeps the first row", { { 1, 3 }, { 2, -6 } }, { 1 } },
        // Scaled, row 2 leads (3/3 against 1/2) although row 1 is not smaller in column 1.
        { "later row leads", { { 1, 2 }, { 3, 3 } }, { 2 } },
        // Step 1 swaps rows 1 and 3. In step 2 position 3 holds the old row 1 (99.5 after
        // elimination) but is divided by the scale of the old row 3 (2): 49.75 beats 1. Had the
        // scale moved with the row (100) position 2 would have won.
        { "scales stay with the positions", { { 1, 100, 0 }, { 0, 1, 1 }, { 2, 1, 0 } }, { 3, 3 } },
        { "no swap needed", { { 4, 1, 0 }, { 1, 4, 1 }, { 0, 1, 4 } }, { 1, 2 } },
    };
    for (const PivotCase& pivotCase : cases) {
        SCOPED_TRACE(pivotCase.name);
        SetSystem(pivotCase.rows);
        const std::vector<int> pivotRows
            = fit::EliminationPivotRows(m_fit.SolveMatrix, m_fit.SystemSize);
        EXPECT_EQ(std::vector<int>(pivotRows.begin() + 1, pivotRows.end()), pivotCase.pivotRows);
        fit::InvertMatrix(m_fit);
        ExpectInverseOf(pivotCase.rows, 1e-17L);
        // SolveMatrix on return is SolveMatrix on entry.
        for (int row = 1; row <= m_fit.SystemSize; ++row)
            for (int column = 1; column <= m_fit.SystemSize; ++column)
                EXPECT_EQ(m_fit.SolveMatrix(row, column), pivotCase.rows[row - 1][column - 1]);
    }
}

TEST_F(InvertMatrixTest, InvertsTheLargestSystemWithinRounding)
{
    // The Hilbert-like but well conditioned matrix 1 / (1 + |i - j|) + 16 on the diagonal.
    Rows rows(16, std::vector<Extended>(16));
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            rows[row][column] = 1.0L / (1 + (row > column ? row - column : column - row))
                + (row == column ? 16 : 0);
    SetSystem(rows);
    fit::InvertMatrix(m_fit);
    ExpectInverseOf(rows, 1e-17L);
}

TEST_F(InvertMatrixTest, ReportsSystemsWithoutInverse)
{
    struct FailingCase {
        const char* name;
        Rows rows;
        bool singular; // else a floating-point fault of kind
        FloatingPointError::Kind kind;
    };
    const std::vector<FailingCase> cases {
        { "no pivot in step 2", { { 3, 3, 3 }, { 3, 3, 3 }, { 3, 3, 3 } }, true, {} },
        { "no pivot in step 1", { { 0, 1 }, { 0, 2 } }, true, {} },
        { "zero last pivot", { { 1, 1 }, { 1, 1 } }, false,
            FloatingPointError::Kind::DivisionByZero },
        { "zero single element", { { 0 } }, false, FloatingPointError::Kind::DivisionByZero },
        { "row of zeros", { { 1, 2 }, { 0, 0 } }, false,
            FloatingPointError::Kind::InvalidOperation },
    };
    for (const FailingCase& failingCase : cases) {
        SCOPED_TRACE(failingCase.name);
        SetSystem(failingCase.rows);
        if (failingCase.singular) {
            EXPECT_THROW(fit::InvertMatrix(m_fit), fit::SingularSystem);
        } else {
            try {
                fit::InvertMatrix(m_fit);
                ADD_FAILURE() << "no fault";
            } catch (const FloatingPointError& fault) {
                EXPECT_EQ(fault.kind(), failingCase.kind) << fault.what();
            }
        }
        // The system is restored whatever happened.
        const int size = static_cast<int>(failingCase.rows.size());
        for (int row = 1; row <= size; ++row)
            for (int column = 1; column <= size; ++column)
                EXPECT_EQ(m_fit.SolveMatrix(row, column), failingCase.rows[row - 1][column - 1]);
    }
}
