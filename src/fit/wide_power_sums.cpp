// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_power_sums.cpp: power sums in whole numbers where the width allows, else in MPFR.
#include "fit/wide_power_sums.h"

#include "fit/fixed_point_sum.h"
#include "fit/model_value.h"

#include <gmp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace fit {

namespace {

    // The MPFR value behind a WideFloat: the loops over the points call MPFR directly, as
    // Boost's operators add their handling of precisions to every step.
    mpfr_ptr Raw(WideFloat& value) { return value.backend().data(); }

    // target := sum (in units of 2^-FractionBits) 2^exponent, rounded to the width once.
    void SetScaled(WideFloat& target, const FixedSum& sum, long exponent)
    {
        const Limbs4 magnitude = sum.Magnitude();
        mpz_t whole;
        mpz_init(whole);
        mpz_import(whole, magnitude.size(), -1, sizeof(std::uint64_t), 0, 0, magnitude.data());
        if (sum.IsNegative())
            mpz_neg(whole, whole);
        mpfr_set_z_2exp(Raw(target), whole, exponent - FractionBits, MPFR_RNDN);
        mpz_clear(whole);
    }

    // The sums of a straight line or polynomial in whole units of 2^-FractionBits, from
    // u = x 2^-xScale and y 2^-yScale within (-1, 1): each power of |u| truncated, so that
    // |u|^k is off by less than k units and |u|^k |y| by less than k + 1, and the sums exact.
    // nullopt where a sum of n terms, off by less than n (k + 1) units, is not within
    // 2^-FixedPointBits of the sum of its terms' magnitudes, taken in double: that of |u|^k
    // is at least 2^-k, but that of |u|^k |y| may be as small as the data make it.
    std::optional<PowerSums> SumPowersInFixedPoint(
        const data::PointStore& points, const FitState& fit, int basisCount)
    {
        const int firstPower = FirstPower(fit);
        const int highestPower = 2 * (basisCount - 1 + firstPower);
        const int lastRightPower = firstPower + basisCount - 1;
        const int xScale = LargestExponent(points.XData, points.PointCount);
        const int yScale = LargestExponent(points.YData, points.PointCount);
        // By the power of u.
        std::array<FixedSum, 2 * MaxBasisFunctions + 1> sums {};
        std::array<FixedSum, MaxBasisFunctions + 1> rightSide {};
        std::array<double, 2 * MaxBasisFunctions + 1> magnitudes {};
        std::array<double, MaxBasisFunctions + 1> rightMagnitudes {};
        for (int point = 1; point <= points.PointCount; ++point) {
            if (!std::isfinite(points.XData[point]) || !std::isfinite(points.YData[point]))
                return std::nullopt;
            const ScaledMagnitude u = MagnitudeOf(points.XData[point], xScale);
            const ScaledMagnitude y = MagnitudeOf(points.YData[point], yScale);
            // u^0 = 1 is no fraction: its sum is the count, its term of the right side y.
            Fraction power = FractionOf(u.Significand, u.Shift);
            const double uApproximate = u.Approximate();
            const double yApproximate = y.Approximate();
            double approximate = 1;
            for (int exponent = 0; exponent <= highestPower; ++exponent) {
                const bool negative = u.Negative && exponent % 2 == 1;
                if (exponent >= 2 * firstPower) {
                    if (exponent > 0)
                        sums[exponent].Add(power, negative);
                    magnitudes[exponent] += approximate;
                }
                if (exponent >= firstPower && exponent <= lastRightPower) {
                    const Fraction term = exponent == 0
                        ? FractionOf(y.Significand, y.Shift)
                        : MultiplyFraction(power, y.Significand, y.Shift);
                    rightSide[exponent].Add(term, negative != y.Negative);
                    rightMagnitudes[exponent] += approximate * yApproximate;
                }
                if (exponent >= 1 && exponent < highestPower)
                    power = MultiplyFraction(power, u.Significand, u.Shift);
                approximate *= uApproximate;
            }
        }
        // n (k + 1) units within 2^-FixedPointBits of the magnitudes, less a margin for
        // their rounding in double.
        const auto settled = [&](double magnitude, int exponent) {
            return std::ldexp(static_cast<double>(points.PointCount) * (exponent + 1),
                       FixedPointBits - FractionBits)
                <= magnitude * (1 - 0x1p-20);
        };
        for (int exponent = std::max(2 * firstPower, 1); exponent <= highestPower; ++exponent)
            if (!settled(magnitudes[exponent], exponent))
                return std::nullopt;
        for (int exponent = firstPower; exponent <= lastRightPower; ++exponent)
            if (!settled(rightMagnitudes[exponent], exponent))
                return std::nullopt;

        PowerSums result;
        result.Sums.resize(2 * basisCount - 1);
        result.RightSide.resize(basisCount);
        for (int exponent = 2 * firstPower; exponent <= highestPower; ++exponent) {
            WideFloat& sum = result.Sums[exponent - 2 * firstPower];
            if (exponent == 0)
                mpfr_set_si(Raw(sum), points.PointCount, MPFR_RNDN);
            else
                SetScaled(sum, sums[exponent], static_cast<long>(exponent) * xScale);
        }
        for (int exponent = firstPower; exponent <= lastRightPower; ++exponent)
            SetScaled(result.RightSide[exponent - firstPower], rightSide[exponent],
                static_cast<long>(exponent) * xScale + yScale);
        return result;
    }

    // The sums in MPFR at the current width, one rounding a step.
    PowerSums SumPowersInWidePrecision(
        const data::PointStore& points, const FitState& fit, int basisCount)
    {
        const int firstPower = FirstPower(fit);
        const int highestPower = 2 * (basisCount - 1 + firstPower);
        PowerSums sums;
        sums.Sums.resize(2 * basisCount - 1);
        sums.RightSide.resize(basisCount);
        WideFloat u;
        WideFloat y;
        WideFloat power;
        WideFloat product;
        for (int point = 1; point <= points.PointCount; ++point) {
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            SetFittedOrdinate(y, fit.FitType, points.YData[point]);
            if (!IsPolynomial(fit.FitType)) {
                sums.FittedX.push_back(u);
                sums.FittedY.push_back(y);
            }
            mpfr_set_ui(Raw(power), 1, MPFR_RNDN);
            for (int exponent = 0; exponent <= highestPower; ++exponent) {
                if (exponent >= 2 * firstPower) {
                    mpfr_ptr sum = Raw(sums.Sums[exponent - 2 * firstPower]);
                    mpfr_add(sum, sum, Raw(power), MPFR_RNDN);
                }
                if (exponent >= firstPower && exponent < firstPower + basisCount) {
                    mpfr_ptr sum = Raw(sums.RightSide[exponent - firstPower]);
                    mpfr_mul(Raw(product), Raw(power), Raw(y), MPFR_RNDN);
                    mpfr_add(sum, sum, Raw(product), MPFR_RNDN);
                }
                if (exponent < highestPower)
                    mpfr_mul(Raw(power), Raw(power), Raw(u), MPFR_RNDN);
            }
        }
        return sums;
    }

} // namespace

int LargestExponent(const data::PointSlots& values, int count)
{
    Extended largest = 0;
    for (int point = 1; point <= count; ++point)
        largest = std::max(largest, std::fabs(values[point]));
    int exponent = 0;
    std::frexp(largest, &exponent);
    return exponent;
}

PowerSums SumPowers(const data::PointStore& points, const FitState& fit, int basisCount, int width)
{
    if (IsPolynomial(fit.FitType) && width <= FixedPointBits) {
        if (std::optional<PowerSums> sums = SumPowersInFixedPoint(points, fit, basisCount))
            return std::move(*sums);
    }
    return SumPowersInWidePrecision(points, fit, basisCount);
}

} // namespace fit
