// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/uncertainty_test.cpp: no uncertainty without a positive divisor n - m - 1, and the
// residual sum each model's uncertainties take.
#include "fit/uncertainty.h"

#include "common/failure.h"
#include "fit/lsq_routine.h"
#include "support/exact_least_squares.h"
#include "support/points.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

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

TEST(ConstantUncertainty, LogarithmicFitsTakeTheResidualSumOfTheLogarithms)
{
    // Built from known constants with a small ripple, then y in other units: the exponent's
    // uncertainty stays, the prefactor's scales with it, and both are those of the straight
    // line through the logarithms as fitted, worked out exactly.
    struct LogarithmicCase {
        const char* name;
        fit::FitModel fitType;
        common::Extended yScale;
    };
    const std::vector<LogarithmicCase> cases {
        { "power law", fit::PowerLaw, 1 },
        { "power law, y in thousandths", fit::PowerLaw, 1e-3L },
        { "power law, y in thousands", fit::PowerLaw, 1e3L },
        { "exponential", fit::Exponential, 1 },
        { "exponential, y in thousandths", fit::Exponential, 1e-3L },
        { "exponential, y in thousands", fit::Exponential, 1e3L },
    };
    fit::FitState fit;
    fit::AllocateWorkingStorage(fit);
    std::array<common::Extended, 2> unscaled {};
    for (const LogarithmicCase& logarithmicCase : cases) {
        SCOPED_TRACE(logarithmicCase.name);
        std::vector<test_support::Point> points;
        for (int k = 1; k <= 12; ++k) {
            const common::Extended x = 0.25L * k;
            const common::Extended u = logarithmicCase.fitType == fit::PowerLaw ? std::log(x) : x;
            const common::Extended ripple = 1 + 0.01L * ((k * 7) % 5 - 2);
            points.emplace_back(x, logarithmicCase.yScale * 2 * std::exp(-0.5L * u) * ripple);
        }
        fit.FitType = logarithmicCase.fitType;
        fit.FitOrder = 1;
        fit::LsqRoutine(test_support::PointsOf(points), fit);
        std::vector<test_support::Point> fitted;
        for (int point = 1; point <= fit.FitPointCount; ++point)
            fitted.emplace_back(fit.FitX[point], fit.FitY[point]);
        const test_support::ExactFit exact = test_support::ExactLeastSquares(fitted, 1, false);
        const common::Extended prefactor = std::exp(fit.FitConstants[0]);
        const common::Extended prefactorUncertainty = fit::ConstantUncertainty(fit, 0);
        const common::Extended exponentUncertainty = fit::ConstantUncertainty(fit, 1);
        EXPECT_TRUE(test_support::IsNear(exponentUncertainty, exact.uncertainties[1], 1e-14L));
        EXPECT_TRUE(
            test_support::IsNear(prefactorUncertainty, prefactor * exact.uncertainties[0], 1e-14L));
        if (logarithmicCase.yScale == 1) {
            unscaled = { prefactorUncertainty / prefactor, exponentUncertainty };
        } else {
            EXPECT_TRUE(
                test_support::IsNear(prefactorUncertainty / prefactor, unscaled[0], 1e-13L));
            EXPECT_TRUE(test_support::IsNear(exponentUncertainty, unscaled[1], 1e-13L));
        }
    }
    fit::ReleaseWorkingStorage(fit);
}
