// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/double_extended.h: error-free steps in Extended, and numbers carried as the unevaluated
// sum of two Extended values built on them.
#pragma once

#include "common/extended.h"

namespace fit {

using common::Extended;

// The transformations below are exact in Extended (64-bit significand, rounding to nearest) for
// values whose products neither overflow nor leave the normal range.

// A rounded result and its error: the exact result is value + error.
struct Pair {
    Extended value;
    Extended error;
};

// a + b = value + error exactly.
inline Pair TwoSum(Extended a, Extended b)
{
    const Extended sum = a + b;
    const Extended bPart = sum - a;
    return { sum, (a - (sum - bPart)) + (b - bPart) };
}

// a + b = value + error exactly, where |a| >= |b| or a is 0.
inline Pair FastTwoSum(Extended a, Extended b)
{
    const Extended sum = a + b;
    return { sum, b - (sum - a) };
}

// a into two halves of 32 significant bits each, a = value + error.
inline Pair Split(Extended a)
{
    constexpr Extended Splitter = 4294967297.0L; // 2^32 + 1
    const Extended scaled = Splitter * a;
    const Extended high = scaled - (scaled - a);
    return { high, a - high };
}

// a * b = value + error exactly, with a split already (Split).
inline Pair TwoProduct(Extended a, const Pair& aParts, Extended b)
{
    const Extended product = a * b;
    const Pair bParts = Split(b);
    return { product,
        aParts.error * bParts.error
            - (((product - aParts.value * bParts.value) - aParts.error * bParts.value)
                - aParts.value * bParts.error) };
}

// High + Low, with |Low| at most half a unit in the last place of High: about 128 significant
// bits in x87 arithmetic, for sums of squares that should round to the Extended nearest them.
// The routines below are double-word algorithms whose errors Joldes, Muller and Popescu bound
// (ACM TOMS 44, 2017): a few u^2 of the result, u = 2^-64.
struct DoubleExtended {
    Extended High = 0;
    Extended Low = 0;
};

// a + b, the accurate sum of two double-word numbers: within 3 u^2 (and a little) of it.
inline DoubleExtended Add(const DoubleExtended& a, const DoubleExtended& b)
{
    const Pair high = TwoSum(a.High, b.High);
    const Pair low = TwoSum(a.Low, b.Low);
    const Pair first = FastTwoSum(high.value, high.error + low.value);
    const Pair sum = FastTwoSum(first.value, first.error + low.error);
    return { sum.value, sum.error };
}

// a^2, within 4 u^2 of it.
inline DoubleExtended Square(const DoubleExtended& a)
{
    const Pair product = TwoProduct(a.High, Split(a.High), a.High);
    const Pair sum = FastTwoSum(product.value, product.error + 2 * a.High * a.Low);
    return { sum.value, sum.error };
}

} // namespace fit
