// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/fitting_function_test.cpp: powers through exp and ln, and the fitted model at a point.
#include "fit/fitting_function.h"

#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using common::Extended;

TEST(RaiseToPower, FollowsTheOrderOfItsRules)
{
    struct PowerCase {
        const char* name;
        int power;
        Extended x;
        Extended expected;
        bool exact;
    };
    const std::vector<PowerCase> cases {
        { "zero power of zero", 0, 0, 1, true },
        { "zero power of a negative", 0, -7, 1, true },
        { "positive power of zero", 5, 0, 0, true },
        { "negative power of zero", -2, 0, 0, true },
        { "odd power of a negative", 3, -2, -8, false },
        { "even power of a negative", 2, -3, 9, false },
        { "negative odd power of a negative", -1, -2, -0.5L, false },
        { "negative even power of a negative", -2, -2, 0.25L, false },
        { "fractional base", 4, 0.5L, 0.0625L, false },
        { "fifteenth power", 15, 3, 14348907, false },
    };
    for (const PowerCase& powerCase : cases) {
        SCOPED_TRACE(powerCase.name);
        const Extended result = fit::RaiseToPower(powerCase.power, powerCase.x);
        if (powerCase.exact)
            EXPECT_EQ(result, powerCase.expected);
        else
            EXPECT_TRUE(test_support::IsNear(result, powerCase.expected, 1e-17L));
    }
}

TEST(FittingFunction, EvaluatesEachModel)
{
    fit::FitState fit;
    fit.FitConstants = { 1, -2, 0.5L };

    fit.FitType = fit::Polynomial;
    fit.ConstantCount = 3;
    EXPECT_EQ(fit::FittingFunction(fit, 2), 1 - 4 + 2);
    fit.ConstantCount = 1;
    EXPECT_EQ(fit::FittingFunction(fit, 2), 1);

    fit.FitType = fit::PowerLaw;
    fit.FitConstants = { std::log(3.0L), 2 };
    EXPECT_TRUE(test_support::IsNear(fit::FittingFunction(fit, -2), 12, 1e-17L));
    // Whatever the constants, the power law is 0 at x = 0 (no logarithm of 0 is taken).
    fit.FitConstants = { 1, -1 };
    EXPECT_EQ(fit::FittingFunction(fit, 0), 0);

    fit.FitType = fit::Exponential;
    fit.FitConstants = { std::log(2.0L), -1 };
    EXPECT_TRUE(test_support::IsNear(fit::FittingFunction(fit, 0), 2, 1e-18L));
    EXPECT_TRUE(test_support::IsNear(fit::FittingFunction(fit, 1), 2 / std::exp(1.0L), 1e-17L));
}
