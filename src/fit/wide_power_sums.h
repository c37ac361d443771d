// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_power_sums.h: the sums of powers the wide road forms its normal equations from.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "fit/wide_float.h"

#include <vector>

namespace fit {

// The sums at the current width. Element (j, k) of the normal matrix sums the products of
// design columns j and k, u^(j - 1 + f) u^(k - 1 + f) with f = FirstPower: the power sum of
// j + k - 2 + 2f.
struct PowerSums {
    std::vector<WideFloat> Sums; // the sum of u^(k + 2f) for k = 0..2m-2
    std::vector<WideFloat> RightSide; // the sum of u^(j + f) y' for j = 0..m-1
    // Power law and exponential: the points as fitted, the logarithms, from point 1.
    std::vector<WideFloat> FittedX;
    std::vector<WideFloat> FittedY;
};

// The binary exponent of the largest of |values[1..count]| (that of frexp), 0 when all are 0:
// the values times 2^-exponent lie within (-1, 1).
int LargestExponent(const data::PointSlots& values, int count);

// The sums of points 1..PointCount as fitted (SetFittedAbscissa, SetFittedOrdinate) for
// basisCount basis functions at width (the current one), each no further from the exact sum than
// a rounding to that width of each product and addition would leave it. A straight line or
// polynomial at a width of at most 126 bits takes them in whole units of 2^-192 (x and y scaled
// by powers of two to below 1, the powers truncated, the sums exact), each rounded to the width
// once; the others, and data whose sums that leaves further from their terms than a rounding to
// 126 bits would (fixed_point_sum.h), in MPFR. Raises no failure.
PowerSums SumPowers(const data::PointStore& points, const FitState& fit, int basisCount, int width);

} // namespace fit
