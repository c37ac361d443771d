// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/scaled_sum.h: a sum of squares as an Extended fraction times a power of four, so that its
// roots and ratios keep their digits where the sum itself leaves the Extended range.
#pragma once

#include "common/extended.h"

#include <cmath>

namespace fit {

using common::Extended;

// The value Fraction 4^HalfExponent, Fraction 0 or within [1/2, 2): a residual sum of y near
// 1E-2470 or 1E+2470 lies below or beyond the Extended range while its root does not.
struct ScaledSum {
    Extended Fraction = 0;
    long HalfExponent = 0;
};

// sum as a ScaledSum, exactly; infinity or NaN stays as it is, with HalfExponent 0.
inline ScaledSum ScaledSumOf(Extended sum)
{
    if (!std::isfinite(sum) || sum == 0)
        return { sum, 0 };
    int exponent = 0;
    std::frexp(sum, &exponent);
    const long halfExponent = exponent / 2;
    return { std::ldexp(sum, static_cast<int>(-2 * halfExponent)), halfExponent };
}

// sqrt(sum / divisor) times 2^HalfExponent: the same steps, and so the same bits, as the root of
// the sum divided where that stays within the range. May raise floating-point flags.
inline Extended RootOfQuotient(const ScaledSum& sum, Extended divisor)
{
    return std::ldexp(std::sqrt(sum.Fraction / divisor), static_cast<int>(sum.HalfExponent));
}

// numerator / denominator, rounded once where the quotient is a normal number. May raise
// floating-point flags.
inline Extended Quotient(const ScaledSum& numerator, const ScaledSum& denominator)
{
    return std::ldexp(numerator.Fraction / denominator.Fraction,
        static_cast<int>(2 * (numerator.HalfExponent - denominator.HalfExponent)));
}

} // namespace fit
