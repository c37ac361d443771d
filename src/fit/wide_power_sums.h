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
// basisCount basis functions, each power and each sum within a rounding to width (the current
// one) a step. A straight line or polynomial at a width of at most DoubleExtendedBits takes them in
// double-Extended arithmetic, x and y scaled by powers of two to at most 1, each sum rounded to
// the width once; the others, and data whose scaled powers leave the normal range, in MPFR.
// Raises no failure and leaves the floating-point flags clear.
PowerSums SumPowers(const data::PointStore& points, const FitState& fit, int basisCount, int width);

} // namespace fit
