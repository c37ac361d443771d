// tests/fit/exact_fit_test.cpp: fits that need more than Extended, against the exact least-squares
// result of the data as read, worked out here in rational arithmetic.
#include "fit/lsq_routine.h"

#include "fit/uncertainty.h"
#include "support/points.h"
#include "support/tolerance.h"

#include <boost/multiprecision/gmp.hpp>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using common::Extended;
using Integer = boost::multiprecision::mpz_int;
using Rational = boost::multiprecision::mpq_rational;
using test_support::Point;

// The significand of x as a whole number and the power of two it is scaled by: x = n 2^e.
std::pair<Integer, int> Dyadic(Extended x)
{
    int exponent = 0;
    const Extended fraction = std::frexp(std::fabs(x), &exponent);
    const Integer magnitude(static_cast<unsigned long long>(std::ldexp(fraction, 64)));
    return { x < 0 ? Integer(-magnitude) : magnitude, exponent - 64 };
}

// 2^exponent, exactly.
Rational PowerOfTwo(int exponent)
{
    Integer power = 1;
    power <<= std::abs(exponent);
    return exponent >= 0 ? Rational(power) : Rational(1) / Rational(power);
}

// The Extended nearest to value, through 256-bit MPFR; of its square root when asked.
Extended Nearest(const Rational& value, bool squareRoot = false)
{
    mpfr_t wide;
    mpfr_init2(wide, 256);
    mpfr_set_q(wide, value.backend().data(), MPFR_RNDN);
    if (squareRoot)
        mpfr_sqrt(wide, wide, MPFR_RNDN);
    const Extended nearest = mpfr_get_ld(wide, MPFR_RNDN);
    mpfr_clear(wide);
    return nearest;
}

struct ExactFit {
    std::vector<Extended> constants; // A(0), A(1), ..., 0 first when forced
    std::vector<Extended> uncertainties; // by the rule of the report; none for a forced A(0)
};

// The least-squares polynomial of the given order by Gauss-Jordan elimination on the exact
// normal equations, and its uncertainties 2 sqrt(R / (n - m - 1) V_kk). Every x and y is a whole
// number times 2^shift, so the sums are taken in whole numbers.
ExactFit ExactLeastSquares(const std::vector<Point>& points, int order, bool zeroForce)
{
    const int first = zeroForce ? 1 : 0;
    const int basisCount = zeroForce ? order : order + 1;
    int shift = 0;
    for (const auto& [x, y] : points)
        shift = std::min({ shift, Dyadic(x).second, Dyadic(y).second });
    const int powerCount = 2 * (basisCount + first) - 1;
    std::vector<Integer> powerSums(powerCount);
    std::vector<Integer> rightSums(basisCount + first);
    Integer squareSum = 0;
    for (const auto& [xValue, yValue] : points) {
        const auto [xSignificand, xExponent] = Dyadic(xValue);
        const auto [ySignificand, yExponent] = Dyadic(yValue);
        const Integer x = xSignificand << (xExponent - shift);
        const Integer y = ySignificand << (yExponent - shift);
        Integer power = 1;
        for (int k = 0; k < powerCount; ++k) {
            powerSums[k] += power;
            if (k < basisCount + first)
                rightSums[k] += power * y;
            power *= x;
        }
        squareSum += y * y;
    }
    // Row j: the normal matrix, the identity, the right-hand side.
    std::vector<std::vector<Rational>> rows(basisCount, std::vector<Rational>(2 * basisCount + 1));
    for (int j = 0; j < basisCount; ++j) {
        for (int k = 0; k < basisCount; ++k) {
            const int power = j + k + 2 * first;
            rows[j][k] = Rational(powerSums[power]) * PowerOfTwo(shift * power);
        }
        rows[j][basisCount + j] = 1;
        rows[j][2 * basisCount]
            = Rational(rightSums[j + first]) * PowerOfTwo(shift * (j + first + 1));
    }
    for (int column = 0; column < basisCount; ++column) {
        const Rational divisor = rows[column][column];
        for (Rational& value : rows[column])
            value /= divisor;
        for (int row = 0; row < basisCount; ++row) {
            const Rational factor = rows[row][column];
            if (row != column && factor != 0)
                for (int k = column; k <= 2 * basisCount; ++k)
                    rows[row][k] -= factor * rows[column][k];
        }
    }

    // With N a = D^T y exactly, the residual sum is y^T y - a^T D^T y.
    Rational residualSum = Rational(squareSum) * PowerOfTwo(2 * shift);
    for (int j = 0; j < basisCount; ++j)
        residualSum -= rows[j][2 * basisCount] * Rational(rightSums[j + first])
            * PowerOfTwo(shift * (j + first + 1));
    ExactFit fit;
    if (zeroForce)
        fit.constants.push_back(0);
    const int divisor = static_cast<int>(points.size()) - basisCount - first - 1;
    for (int j = 0; j < basisCount; ++j) {
        fit.constants.push_back(Nearest(rows[j][2 * basisCount]));
        fit.uncertainties.push_back(
            2 * Nearest(residualSum / divisor * rows[j][basisCount + j], true));
    }
    return fit;
}

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
        const ExactFit exact
            = ExactLeastSquares(exactCase.points, exactCase.order, exactCase.zeroForce);
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
