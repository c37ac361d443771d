// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/exact_fit_test.cpp: fits that need more than Extended, against the exact least-squares
// result of the data as read, worked out here in rational arithmetic.
#include "fit/lsq_routine.h"

#include "fit/fit_statistics.h"
#include "fit/uncertainty.h"
#include "support/exact_least_squares.h"
#include "support/points.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using common::Extended;
using test_support::ExactFit;
using test_support::Point;

// Yearly values from 1990 to 2020, in steps of 1/8 so that they read exactly.
std::vector<Point> YearlyValues()
{
    std::vector<Point> points;
    for (int year = 1990; year <= 2020; ++year)
        points.emplace_back(year, 100 + 0.125L * ((year * 37) % 17) - 0.5L * ((year * 11) % 5));
    return points;
}

class ExactFitTest : public ::testing::Test {
protected:
    ExactFitTest() { fit::AllocateWorkingStorage(m_fit); }
    ~ExactFitTest() override { fit::ReleaseWorkingStorage(m_fit); }

    fit::FitState m_fit;
};

} // namespace

TEST_F(ExactFitTest, IllConditionedFitsAgreeWithExactLeastSquares)
{
    std::vector<Point> timestamps;
    for (int hour = 0; hour < 48; ++hour)
        timestamps.emplace_back(1.7e9L + 3600 * hour, 20 + 0.5L * ((hour * 7) % 11));
    std::vector<Point> wideRange;
    for (int k = 1; k <= 600; ++k) {
        const Extended x = k / 10.0L;
        wideRange.emplace_back(x, std::sin(x / 6) + 0.01L * ((k * 7919) % 13 - 6));
    }
    struct ExactCase {
        const char* name;
        std::vector<Point> points;
        int order;
        bool zeroForce;
    };
    const std::vector<ExactCase> cases {
        { "yearly values, order 3", YearlyValues(), 3, false },
        { "yearly values, order 4", YearlyValues(), 4, false },
        { "yearly values, order 6", YearlyValues(), 6, false },
        { "yearly values, order 8", YearlyValues(), 8, false },
        { "yearly values, forced cubic", YearlyValues(), 3, true },
        { "Unix timestamps, straight line", timestamps, 1, false },
        { "x from 0.1 to 60, order 15", wideRange, 15, false },
    };
    for (const ExactCase& exactCase : cases) {
        SCOPED_TRACE(exactCase.name);
        m_fit.FitType = exactCase.order == 1 ? fit::StraightLine : fit::Polynomial;
        m_fit.FitOrder = exactCase.order;
        m_fit.ZeroForce = exactCase.zeroForce;
        fit::LsqRoutine(test_support::PointsOf(exactCase.points), m_fit);
        const ExactFit exact = test_support::ExactLeastSquares(
            exactCase.points, exactCase.order, exactCase.zeroForce);
        ASSERT_EQ(m_fit.ConstantCount, static_cast<int>(exact.constants.size()));
        const int first = exactCase.zeroForce ? 1 : 0;
        for (int index = 0; index < m_fit.ConstantCount; ++index) {
            SCOPED_TRACE(index);
            EXPECT_TRUE(
                test_support::IsNear(m_fit.FitConstants[index], exact.constants[index], 1e-14L));
            if (index >= first) {
                EXPECT_TRUE(test_support::IsNear(fit::ConstantUncertainty(m_fit, index),
                    exact.uncertainties[index - first], 1e-14L));
            }
        }
    }
}

TEST_F(ExactFitTest, ResidualSumsBeyondTheRangeKeepTheirDigits)
{
    // y near 1E-2470 and 1E+2470: residual sums below and beyond the Extended range, whose
    // constants, uncertainties and deviation are Extended numbers all the same.
    struct RangeCase {
        const char* name;
        Extended yScale;
        Extended firstX;
        int order;
    };
    const std::vector<RangeCase> cases {
        { "y near 1E-2470, straight line", 1e-2470L, 1, 1 },
        { "y near 1E-2470, order 6 at 1E9", 1e-2470L, 1e9L, 6 },
        { "y near 1E+2470, order 2", 1e2470L, 1, 2 },
        { "y near 1E+2470, order 6 at 1E9", 1e2470L, 1e9L, 6 },
    };
    for (const RangeCase& rangeCase : cases) {
        SCOPED_TRACE(rangeCase.name);
        std::vector<Point> points;
        for (int k = 0; k < 40; ++k)
            points.emplace_back(rangeCase.firstX + k,
                rangeCase.yScale * (1 + 0.3L * k + 0.01L * ((k * 7919) % 13)));
        m_fit.FitType = rangeCase.order == 1 ? fit::StraightLine : fit::Polynomial;
        m_fit.FitOrder = rangeCase.order;
        m_fit.ZeroForce = false;
        const data::PointStore store = test_support::PointsOf(points);
        fit::LsqRoutine(store, m_fit);
        const ExactFit exact = test_support::ExactLeastSquares(points, rangeCase.order, false);
        for (int index = 0; index < m_fit.ConstantCount; ++index) {
            SCOPED_TRACE(index);
            EXPECT_TRUE(
                test_support::IsNear(m_fit.FitConstants[index], exact.constants[index], 1e-14L));
            EXPECT_TRUE(test_support::IsNear(
                fit::ConstantUncertainty(m_fit, index), exact.uncertainties[index], 1e-14L));
        }
        const fit::FitStatistics statistics = fit::FitStatisticsOf(store, m_fit);
        EXPECT_TRUE(test_support::IsNear(
            statistics.ResidualStandardDeviation, exact.residualDeviation, 1e-14L));
        EXPECT_TRUE(test_support::IsNear(statistics.RSquared, exact.rSquared, 1e-14L));
        // The sum itself as near as Extended holds it: infinity beyond the range.
        EXPECT_EQ(m_fit.ResidualSumOfSquares, exact.residualSum);
    }
}

TEST_F(ExactFitTest, LogarithmicFitsOfTimestampsReturnTheirConstants)
{
    // y built from known constants against x about 1.7E9: the line through the logarithms is
    // as ill-conditioned as a straight line against the timestamps themselves. Reading y
    // rounds it, which moves the exact constants by far less than the tolerance.
    struct LogarithmicCase {
        const char* name;
        fit::FitModel fitType;
        Extended step;
        Extended prefactorLogarithm;
        Extended exponent;
    };
    const std::vector<LogarithmicCase> cases {
        { "exponential, hourly", fit::Exponential, 3600, -335, 2e-7L },
        { "power law, every 10^6 s", fit::PowerLaw, 1e6L, std::log(2.0L), 3 },
    };
    for (const LogarithmicCase& logarithmicCase : cases) {
        SCOPED_TRACE(logarithmicCase.name);
        std::vector<Point> points;
        for (int k = 0; k < 48; ++k) {
            const Extended x = 1.7e9L + logarithmicCase.step * k;
            const Extended u = logarithmicCase.fitType == fit::PowerLaw ? std::log(x) : x;
            points.emplace_back(
                x, std::exp(logarithmicCase.prefactorLogarithm + logarithmicCase.exponent * u));
        }
        m_fit.FitType = logarithmicCase.fitType;
        m_fit.FitOrder = 1;
        fit::LsqRoutine(test_support::PointsOf(points), m_fit);
        EXPECT_GT(m_fit.SignificandBits, fit::ExtendedBits);
        EXPECT_TRUE(test_support::IsNear(
            m_fit.FitConstants[0], logarithmicCase.prefactorLogarithm, 1e-14L));
        EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[1], logarithmicCase.exponent, 1e-14L));
    }
}

TEST_F(ExactFitTest, ResidualSumIsZeroOnlyOnTheModelAndStatisticsAreExact)
{
    // Residual sums far below the bound that cancelling powers of x set on their error, exact
    // data whose wide constants kept a rounding residue, and a large common offset of y.
    const std::vector<Point> spread { { 1e-10L, 1.094L }, { 3.16e-08L, 0.860L }, { 1e-05L, 0.932L },
        { 0.00316L, 1.037L }, { 1, 0.898L }, { 316, 0.993L }, { 1e+05L, 1.018L },
        { 3.16e+07L, 0.917L }, { 1e+10L, 0.869L } };
    std::vector<Point> hourly;
    for (int k = 0; k < 200; ++k)
        hourly.emplace_back(
            1.7e9L + 3600 * k, std::round((20 + 0.5L * std::sin(k / 3.0L)) * 1e4L) / 1e4L);
    std::vector<Point> constant;
    for (int k = 0; k < 45; ++k)
        constant.emplace_back(9578.732L + 84.037L * k, 0.76746636L);
    std::vector<Point> offset;
    for (int k = 1; k <= 600; ++k)
        offset.emplace_back(k, k % 2 == 1 ? 1e12L : 1000000000000.001L);
    struct ZeroCase {
        const char* name;
        std::vector<Point> points;
        int order;
    };
    const std::vector<ZeroCase> cases {
        { "x from 1e-10 to 1e10, order 6", spread, 6 },
        { "hourly Unix timestamps, order 9", hourly, 9 },
        { "constant y on a straight line", constant, 1 },
        { "constant y, order 4", constant, 4 },
        { "y with a common offset of 1e12", offset, 1 },
    };
    for (const ZeroCase& zeroCase : cases) {
        SCOPED_TRACE(zeroCase.name);
        m_fit.FitType = zeroCase.order == 1 ? fit::StraightLine : fit::Polynomial;
        m_fit.FitOrder = zeroCase.order;
        m_fit.ZeroForce = false;
        const data::PointStore points = test_support::PointsOf(zeroCase.points);
        fit::LsqRoutine(points, m_fit);
        const ExactFit exact
            = test_support::ExactLeastSquares(zeroCase.points, zeroCase.order, false);
        if (exact.residualSum == 0) {
            EXPECT_EQ(m_fit.ResidualSumOfSquares, 0);
        } else {
            EXPECT_TRUE(
                test_support::IsNear(m_fit.ResidualSumOfSquares, exact.residualSum, 1e-14L));
        }
        const fit::FitStatistics statistics = fit::FitStatisticsOf(points, m_fit);
        if (exact.rSquared == 0) {
            EXPECT_TRUE(std::isnan(statistics.RSquared));
        } else {
            EXPECT_TRUE(test_support::IsNear(statistics.RSquared, exact.rSquared, 1e-13L));
        }
        for (int index = 0; index < m_fit.ConstantCount; ++index) {
            SCOPED_TRACE(index);
            // Exact constants come back exactly, 0 as 0.
            if (exact.residualSum == 0) {
                EXPECT_EQ(m_fit.FitConstants[index], exact.constants[index]);
            } else {
                EXPECT_TRUE(test_support::IsNear(
                    m_fit.FitConstants[index], exact.constants[index], 1e-14L));
            }
        }
    }
}
