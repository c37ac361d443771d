// tests/fit/uncertainty_test.cpp: no uncertainty without a positive divisor n - m - 1.
#include "fit/uncertainty.h"

#include "common/failure.h"
#include "fit/lsq_routine.h"
#include "support/points.h"

#include <gtest/gtest.h>

using common::FloatingPointError;

TEST(ConstantUncertainty, FailsBelowDivisorOneWhateverTheSignOfTheDiagonal)
{
    fit::FitState fit;
    fit::AllocateWorkingStorage(fit);
    // A straight line through two points nearly on one x: 80 bits gave this inverse a negative
    // diagonal, and the negative divisor times it a product that passed as an uncertainty.
    fit.FitType = fit::StraightLine;
    fit.FitOrder = 1;
    fit::LsqRoutine(test_support::PointsOf({ { 1, 0 }, { 1.0000000002L, 1 } }), fit);
    for (int index = 0; index < 2; ++index) {
        EXPECT_GT(fit.InverseMatrix(index + 1, index + 1), 0);
        EXPECT_THROW(fit::ConstantUncertainty(fit, index), FloatingPointError);
    }
    // The rule looks at the divisor and the residual sum, not at the diagonal.
    fit.ResidualSumOfSquares = 0.5L;
    for (const common::Extended diagonal : { 2.0L, -3.0L }) {
        SCOPED_TRACE(diagonal);
        fit.InverseMatrix(2, 2) = diagonal;
        try {
            fit::ConstantUncertainty(fit, 1);
            ADD_FAILURE() << "no failure";
        } catch (const FloatingPointError& fault) {
            EXPECT_EQ(fault.kind(), FloatingPointError::Kind::InvalidOperation);
        }
    }
    fit::ReleaseWorkingStorage(fit);
}
