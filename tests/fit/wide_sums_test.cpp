// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/wide_sums_test.cpp: the wide road's power and residual sums against the same sums
// taken with 2000 bits, on data that push their whole-number limbs to their edges.
#include "fit/wide_power_sums.h"
#include "fit/wide_residual_sums.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using common::Extended;
using fit::WideFloat;

struct SumsCase {
    const char* name;
    int order;
    Extended (*x)(int);
    Extended (*y)(int);
};

const SumsCase Cases[] {
    { "x in [-1, 1]", 15, [](int k) { return k / 300.0L - 1; },
        [](int k) { return std::sin(k / 40.0L); } },
    { "x = 1E9 + k", 12, [](int k) { return 1e9L + k; },
        [](int k) { return 20 + 0.5L * std::sin(k / 3.0L); } },
    { "subnormal x", 10, [](int k) { return std::ldexp(Extended(k % 50), -16440); },
        [](int k) { return k % 3 - 1.0L; } },
    { "y only where x is tiny", 8, [](int k) { return k == 1 ? 1 : 1e-30L * k; },
        [](int k) { return k == 1 ? 0 : 1.0L / k; } },
    { "x near 1E-3000, y near 1E+2470", 15, [](int k) { return 1e-3000L * (k - 300); },
        [](int k) { return 1e2470L * (k % 7); } },
};

data::PointStore PointsOf(const SumsCase& sumsCase)
{
    data::PointStore points;
    points.PointCount = data::MaxPoints;
    for (int k = 1; k <= points.PointCount; ++k) {
        points.XData[k] = sumsCase.x(k);
        points.YData[k] = sumsCase.y(k);
    }
    return points;
}

WideFloat ValueAt(const std::vector<WideFloat>& constants, Extended x)
{
    WideFloat value = 0;
    for (auto constant = constants.rbegin(); constant != constants.rend(); ++constant)
        value = value * WideFloat(x) + *constant;
    return value;
}

} // namespace

TEST(WidePowerSums, StayAsCloseAsRoundingsToTheWidth)
{
    for (const SumsCase& sumsCase : Cases)
        for (const bool zeroForce : { false, true }) {
            SCOPED_TRACE(sumsCase.name);
            const data::PointStore points = PointsOf(sumsCase);
            fit::FitState fit;
            fit.FitType = fit::Polynomial;
            fit.FitOrder = sumsCase.order;
            fit.ZeroForce = zeroForce;
            const int basisCount = fit::BasisFunctionCount(fit);
            const fit::WidePrecision width(121);
            const fit::PowerSums sums = fit::SumPowers(points, fit, basisCount, width.Bits());
            const fit::WidePrecision exact(2000);
            // What MPFR at the width would keep: a rounding a step, for each power and sum.
            const auto check = [&](const WideFloat& sum, int power, bool timesY) {
                WideFloat exactSum = 0;
                WideFloat magnitudes = 0;
                for (int point = 1; point <= points.PointCount; ++point) {
                    const WideFloat term = pow(WideFloat(points.XData[point]), power)
                        * (timesY ? WideFloat(points.YData[point]) : WideFloat(1));
                    exactSum += term;
                    magnitudes += abs(term);
                }
                EXPECT_TRUE(abs(sum - exactSum)
                    <= ldexp(magnitudes, -width.Bits()) * (points.PointCount + power + 2))
                    << "power " << power << (timesY ? " times y" : "");
            };
            const int first = fit::FirstPower(fit);
            for (int k = 0; k < 2 * basisCount - 1; ++k)
                check(sums.Sums[k], k + 2 * first, false);
            for (int k = 0; k < basisCount; ++k)
                check(sums.RightSide[k], k + first, true);
        }
}

TEST(WideResidualSums, SettledSumsHoldTheirDigits)
{
    // y on a polynomial with a ripple far below it: residuals that cancel all but the ripple.
    for (const SumsCase& sumsCase : Cases)
        for (const int bits : { 121, 184 }) {
            SCOPED_TRACE(sumsCase.name);
            data::PointStore points = PointsOf(sumsCase);
            const fit::WidePrecision width(bits);
            fit::ResidualTerms terms;
            terms.ConstantCount = terms.BasisCount = sumsCase.order + 1;
            terms.Bits = width.Bits();
            std::vector<WideFloat> constants;
            for (int k = 0; k < terms.ConstantCount; ++k) {
                constants.push_back(ldexp(WideFloat(1) / (k + 3), -20 * k));
                terms.Constants[k] = static_cast<Extended>(constants[k]);
            }
            for (int point = 1; point <= points.PointCount; ++point)
                points.YData[point] = static_cast<Extended>(ValueAt(constants, points.XData[point]))
                    * (1 + 1e-12L * (point % 5));
            terms.ScaleExponent = fit::LargestExponent(points.YData, points.PointCount);
            const fit::JudgedSum judged = fit::SumPolynomialResiduals(points, constants, terms);
            const fit::WidePrecision exact(2000);
            WideFloat exactSum = 0;
            for (int point = 1; point <= points.PointCount; ++point)
                exactSum += pow(
                    WideFloat(points.YData[point]) - ValueAt(constants, points.XData[point]), 2);
            EXPECT_EQ(judged.Verdict, fit::ResidualSumAccuracy::Verdict::Settled);
            EXPECT_TRUE(abs(judged.Sum - exactSum) <= ldexp(exactSum, -48));
        }
}
