// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/fit_statistics_test.cpp: the statistics of small fits worked by hand; the certified
// sets are checked with their fits.
#include "fit/fit_statistics.h"

#include "fit/lsq_routine.h"
#include "support/points.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using common::Extended;

namespace {

class FitStatisticsTest : public ::testing::Test {
protected:
    FitStatisticsTest() { fit::AllocateWorkingStorage(m_fit); }
    ~FitStatisticsTest() override { fit::ReleaseWorkingStorage(m_fit); }

    fit::FitStatistics FitAndJudge(
        const data::PointStore& points, fit::FitModel fitType, int fitOrder, bool zeroForce = false)
    {
        m_fit.FitType = fitType;
        m_fit.FitOrder = fitOrder;
        m_fit.ZeroForce = zeroForce;
        fit::LsqRoutine(points, m_fit);
        return fit::FitStatisticsOf(points, m_fit);
    }

    fit::FitState m_fit;
};

} // namespace

TEST_F(FitStatisticsTest, WorkedByHandAndUndefinedValues)
{
    // Line through (0, 0), (1, 3), (2, 5): y = 1/6 + 5/2 x, residuals 1/6, -1/3, 1/6, so
    // R = 1/6; about the mean 8/3 the total is 38/3, R^2 = 1 - 1/76, adjusted with 2/1.
    const data::PointStore line = test_support::PointsOf({ { 0, 0 }, { 1, 3 }, { 2, 5 } });
    fit::FitStatistics statistics = FitAndJudge(line, fit::StraightLine, 1);
    EXPECT_EQ(statistics.DegreesOfFreedom, 1);
    EXPECT_TRUE(
        test_support::IsNear(statistics.ResidualStandardDeviation, std::sqrt(1 / 6.0L), 1e-17L));
    EXPECT_TRUE(test_support::IsNear(statistics.RSquared, 1 - 1 / 76.0L, 1e-17L));
    EXPECT_TRUE(test_support::IsNear(statistics.AdjustedRSquared, 1 - 2 / 76.0L, 1e-17L));

    // As many constants as points: nothing is left to judge the scatter by.
    statistics = FitAndJudge(line, fit::Polynomial, 2);
    EXPECT_EQ(statistics.DegreesOfFreedom, 0);
    EXPECT_TRUE(std::isnan(statistics.ResidualStandardDeviation));
    EXPECT_TRUE(std::isnan(statistics.AdjustedRSquared));

    // All y equal: there is no variation for the fit to explain.
    const data::PointStore flat = test_support::PointsOf({ { 1, 2 }, { 2, 2 }, { 3, 2 } });
    statistics = FitAndJudge(flat, fit::StraightLine, 1);
    EXPECT_TRUE(std::isnan(statistics.RSquared));
    EXPECT_TRUE(std::isnan(statistics.AdjustedRSquared));
}
