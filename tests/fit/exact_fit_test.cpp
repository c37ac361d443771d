// tests/fit/exact_fit_test.cpp: fits that need more than Extended, against the exact least-squares
// result of the data as read, worked out here in rational arithmetic.
#include "fit/lsq_routine.h"

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
