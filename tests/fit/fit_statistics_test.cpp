// tests/fit/fit_statistics_test.cpp: residual standard deviation and R^2 against certified sets.
#include "fit/fit_statistics.h"

#include "fit/lsq_routine.h"
#include "support/points.h"
#include "support/reference_set.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using common::Extended;

namespace {

struct CertifiedCase {
    const char* file;
    fit::FitModel fitType;
    int fitOrder;
    bool zeroForce;
};

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

TEST_F(FitStatisticsTest, MatchesCertifiedSets)
{
    const std::vector<CertifiedCase> cases {
        { "Norris.dat", fit::StraightLine, 1, false },
        { "Pontius.dat", fit::Polynomial, 2, false },
        { "NoInt1.dat", fit::StraightLine, 1, true },
        { "NoInt2.dat", fit::StraightLine, 1, true },
    };
    for (const CertifiedCase& certified : cases) {
        SCOPED_TRACE(certified.file);
        const test_support::ReferenceSet set = test_support::LoadReferenceSet(
            test_support::FixturePath(std::string("nist/") + certified.file));
        ASSERT_FALSE(set.x.empty());
        std::vector<test_support::Point> list;
        for (std::size_t index = 0; index < set.x.size(); ++index)
            list.emplace_back(set.x[index], set.y[index]);

        const fit::FitStatistics statistics = FitAndJudge(test_support::PointsOf(list),
            certified.fitType, certified.fitOrder, certified.zeroForce);

        EXPECT_EQ(statistics.PointsUsed, static_cast<int>(set.x.size()));
        EXPECT_EQ(statistics.ConstantsFitted, static_cast<int>(set.estimates.size()));
        EXPECT_EQ(statistics.DegreesOfFreedom, set.residualDegreesOfFreedom);
        EXPECT_EQ(statistics.Uncentred, certified.zeroForce);
        // 13 of the 15 certified digits.
        EXPECT_TRUE(test_support::IsNear(
            statistics.ResidualStandardDeviation, set.residualStandardDeviation, 1e-13L));
        EXPECT_TRUE(test_support::IsNear(statistics.RSquared, set.rSquared, 1e-13L));
    }
}

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
