// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/lsq_routine_test.cpp: the certified reference sets, and the design of the models.
#include "fit/lsq_routine.h"

#include "common/failure.h"
#include "fit/fit_statistics.h"
#include "fit/fitting_function.h"
#include "fit/uncertainty.h"
#include "support/points.h"
#include "support/reference_set.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using common::Extended;

namespace {

class LsqRoutineTest : public ::testing::Test {
protected:
    LsqRoutineTest() { fit::AllocateWorkingStorage(m_fit); }
    ~LsqRoutineTest() override { fit::ReleaseWorkingStorage(m_fit); }

    fit::FitState m_fit;
};

struct CertifiedCase {
    const char* file;
    fit::FitModel fitType;
    int fitOrder;
    bool zeroForce;
};

// Agreement to 14 significant digits (an LRE of 14 or more).
constexpr Extended CertifiedTolerance = 1e-14L;

} // namespace

TEST_F(LsqRoutineTest, MatchesCertifiedSets)
{
    // The certified values carry 15 significant digits, so no set can agree closer than a few
    // parts in 1E15. Filip (order 10) and Wampler1-5 (order 5) lose far more digits than
    // Extended holds in their normal equations; Wampler1 and 2 are exact, deviations 0.
    const std::vector<CertifiedCase> cases {
        { "Norris.dat", fit::StraightLine, 1, false },
        { "Pontius.dat", fit::Polynomial, 2, false },
        { "NoInt1.dat", fit::StraightLine, 1, true },
        { "NoInt2.dat", fit::StraightLine, 1, true },
        { "Filip.dat", fit::Polynomial, 10, false },
        { "Wampler1.dat", fit::Polynomial, 5, false },
        { "Wampler2.dat", fit::Polynomial, 5, false },
        { "Wampler3.dat", fit::Polynomial, 5, false },
        { "Wampler4.dat", fit::Polynomial, 5, false },
        { "Wampler5.dat", fit::Polynomial, 5, false },
    };
    for (const CertifiedCase& certified : cases) {
        SCOPED_TRACE(certified.file);
        const test_support::ReferenceSet set = test_support::LoadReferenceSet(
            test_support::FixturePath(std::string("nist/") + certified.file));
        ASSERT_FALSE(set.x.empty());
        std::vector<test_support::Point> list;
        for (std::size_t index = 0; index < set.x.size(); ++index)
            list.emplace_back(set.x[index], set.y[index]);
        const data::PointStore points = test_support::PointsOf(list);
        m_fit.FitType = certified.fitType;
        m_fit.FitOrder = certified.fitOrder;
        m_fit.ZeroForce = certified.zeroForce;

        fit::LsqRoutine(points, m_fit);

        // A line through the origin is certified for B1 alone; our A(0) is the fixed 0.
        const int firstEstimated = certified.zeroForce ? 1 : 0;
        ASSERT_EQ(m_fit.ConstantCount, firstEstimated + static_cast<int>(set.estimates.size()));
        if (certified.zeroForce) {
            EXPECT_EQ(m_fit.FitConstants[0], 0);
        }
        EXPECT_TRUE(test_support::IsNear(
            m_fit.ResidualSumOfSquares, set.residualSumOfSquares, CertifiedTolerance));
        // The statistics of the fit, to 13 of the 15 certified digits; R^2 of a line through
        // the origin is the uncentred one, as certified.
        const fit::FitStatistics statistics = fit::FitStatisticsOf(points, m_fit);
        EXPECT_EQ(statistics.DegreesOfFreedom, set.residualDegreesOfFreedom);
        EXPECT_TRUE(test_support::IsNear(
            statistics.ResidualStandardDeviation, set.residualStandardDeviation, 1e-13L));
        EXPECT_TRUE(test_support::IsNear(statistics.RSquared, set.rSquared, 1e-13L));

        const int divisor = m_fit.FitPointCount - m_fit.ConstantCount - 1;
        for (std::size_t estimate = 0; estimate < set.estimates.size(); ++estimate) {
            SCOPED_TRACE(estimate);
            const int index = firstEstimated + static_cast<int>(estimate);
            EXPECT_TRUE(test_support::IsNear(
                m_fit.FitConstants[index], set.estimates[estimate], CertifiedTolerance));
            if (divisor <= 0) {
                // Three points and a line through the origin: the divisor n - m - 1 is 0.
                EXPECT_THROW(fit::ConstantUncertainty(m_fit, index), common::FloatingPointError);
                continue;
            }
            // Our uncertainty is twice a standard error with the divisor n - m - 1 (m counting
            // a forced A(0)); the certified deviation divides by the residual degrees of freedom.
            const Extended deviation = fit::ConstantUncertainty(m_fit, index) / 2
                * std::sqrt(static_cast<Extended>(divisor) / set.residualDegreesOfFreedom);
            EXPECT_TRUE(test_support::IsNear(
                deviation, set.standardDeviations[estimate], CertifiedTolerance));
        }
    }
}

TEST_F(LsqRoutineTest, PowerLawFitsLogarithmsOfMagnitudes)
{
    // |x| = 1 has the fitted abscissa 0, so its design row is (1, 0).
    const data::PointStore points = test_support::PointsOf({ { -1, 5 }, { 2, 40 }, { 3, 135 } });
    m_fit.FitType = fit::PowerLaw;
    m_fit.FitOrder = 1;
    fit::LsqRoutine(points, m_fit);
    EXPECT_EQ(m_fit.DesignMatrix(1, 1), 1);
    EXPECT_EQ(m_fit.DesignMatrix(1, 2), 0);
    EXPECT_EQ(m_fit.FitY[1], std::log(5.0L));
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[0], std::log(5.0L), 1e-15L));
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[1], 3, 1e-15L));
}

TEST_F(LsqRoutineTest, ExactPolynomialComesBack)
{
    // y = 1 - 2x + 0.5x^3 at seven points: the residual sum vanishes within rounding.
    std::vector<test_support::Point> list;
    for (int x = -3; x <= 3; ++x)
        list.emplace_back(x, 1 - 2 * x + 0.5L * x * x * x);
    m_fit.FitType = fit::Polynomial;
    m_fit.FitOrder = 3;
    fit::LsqRoutine(test_support::PointsOf(list), m_fit);
    const std::vector<Extended> expected { 1, -2, 0, 0.5L };
    ASSERT_EQ(m_fit.ConstantCount, 4);
    for (int index = 0; index < 4; ++index)
        EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[index], expected[index], 1e-17L))
            << "A(" << index << ")";
    EXPECT_LT(m_fit.ResidualSumOfSquares, 1e-30L);
}

TEST_F(LsqRoutineTest, SumsExactlyInTheStatedOrder)
{
    // The routine shares loads and mirrors the normal matrix for speed; every element must
    // still be bit for bit the plain sum from 0 in increasing index. Order 5 on [-1, 1] is
    // conditioned well enough for Extended.
    std::vector<test_support::Point> list;
    for (int point = 1; point <= 37; ++point)
        list.emplace_back(-1 + 0.055L * point, std::sin(0.7L * point) + 0.01L * point);
    const data::PointStore points = test_support::PointsOf(list);
    for (const bool zeroForce : { false, true }) {
        SCOPED_TRACE(zeroForce ? "forced" : "not forced");
        m_fit.FitType = fit::Polynomial;
        m_fit.FitOrder = 5;
        m_fit.ZeroForce = zeroForce;
        fit::LsqRoutine(points, m_fit);
        ASSERT_EQ(m_fit.SignificandBits, fit::ExtendedBits);
        const int n = m_fit.FitPointCount;
        const int m = m_fit.SystemSize;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= m; ++j)
                ASSERT_EQ(m_fit.DesignMatrix(i, j),
                    fit::RaiseToPower(zeroForce ? j : j - 1, m_fit.FitX[i]));
        for (int j = 1; j <= m; ++j)
            for (int k = 1; k <= m; ++k) {
                Extended sum = 0;
                for (int i = 1; i <= n; ++i)
                    sum = sum + m_fit.DesignTranspose(j, i) * m_fit.DesignMatrix(i, k);
                ASSERT_EQ(m_fit.NormalMatrix(j, k), sum) << j << ", " << k;
            }
        for (int j = 1; j <= m; ++j)
            for (int i = 1; i <= n; ++i) {
                Extended sum = 0;
                for (int k = 1; k <= m; ++k)
                    sum = sum + m_fit.InverseMatrix(j, k) * m_fit.DesignTranspose(k, i);
                ASSERT_EQ(m_fit.PseudoInverse(j, i), sum) << j << ", " << i;
            }
        for (int j = 1; j <= m; ++j) {
            Extended sum = 0;
            for (int i = 1; i <= n; ++i)
                sum = sum + m_fit.PseudoInverse(j, i) * m_fit.FitY[i];
            EXPECT_EQ(m_fit.FitConstants[zeroForce ? j : j - 1], sum);
        }
    }
}

TEST_F(LsqRoutineTest, RefusesWithItsReasonBeyondTheWidestSignificand)
{
    // x over thousands of decades: order 15 would need more than 4096 bits.
    std::vector<test_support::Point> points;
    for (int k = 1; k < 40; ++k)
        points.emplace_back(k * std::pow(10.0L, -300 * (k % 14)), k % 3 + 0.5L);
    m_fit.FitType = fit::Polynomial;
    m_fit.FitOrder = 15;
    try {
        fit::LsqRoutine(test_support::PointsOf(points), m_fit);
        ADD_FAILURE() << "no failure";
    } catch (const common::FloatingPointError& fault) {
        EXPECT_EQ(common::FailureText(fault),
            "Invalid floating point operation.\n"
            "The data need more than 4096 bits to be fitted exactly.");
    }
}

TEST_F(LsqRoutineTest, FitsEveryPointOfRepeatedCertifiedSets)
{
    // More points than the window holds go point by point, in Extended where the normal
    // matrix loses few bits (the residual sum then taken with twice Extended's significand),
    // else on the wide road: a set repeated k times has the certified constants and k times
    // the certified residual sum.
    struct RepeatedCase {
        CertifiedCase set;
        bool inExtended;
    };
    const std::vector<RepeatedCase> cases {
        { { "Norris.dat", fit::StraightLine, 1, false }, true },
        { { "NoInt1.dat", fit::StraightLine, 1, true }, true },
        { { "Pontius.dat", fit::Polynomial, 2, false }, true },
        { { "Filip.dat", fit::Polynomial, 10, false }, false },
        { { "Wampler4.dat", fit::Polynomial, 5, false }, false },
    };
    for (const auto& [certified, inExtended] : cases) {
        SCOPED_TRACE(certified.file);
        const test_support::ReferenceSet set = test_support::LoadReferenceSet(
            test_support::FixturePath(std::string("nist/") + certified.file));
        ASSERT_FALSE(set.x.empty());
        const int repeats = static_cast<int>(data::MaxPoints / set.x.size()) + 1;
        data::PointStore points;
        points.Reserve(repeats * static_cast<int>(set.x.size()));
        for (int repeat = 0; repeat < repeats; ++repeat)
            for (std::size_t index = 0; index < set.x.size(); ++index) {
                ++points.PointCount;
                points.XData[points.PointCount] = set.x[index];
                points.YData[points.PointCount] = set.y[index];
            }
        points.DataPresent = true;
        m_fit.FitType = certified.fitType;
        m_fit.FitOrder = certified.fitOrder;
        m_fit.ZeroForce = certified.zeroForce;

        fit::LsqRoutine(points, m_fit);

        const int firstEstimated = certified.zeroForce ? 1 : 0;
        EXPECT_EQ(m_fit.FitPointCount, points.PointCount);
        EXPECT_EQ(m_fit.SignificandBits == fit::ExtendedBits, inExtended);
        for (std::size_t estimate = 0; estimate < set.estimates.size(); ++estimate)
            EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[firstEstimated + estimate],
                set.estimates[estimate], CertifiedTolerance))
                << estimate;
        EXPECT_TRUE(test_support::IsNear(
            m_fit.ResidualSumOfSquares, repeats * set.residualSumOfSquares, CertifiedTolerance));
    }
}
