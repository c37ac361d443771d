// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/exact_arithmetic.h: what the fit decides in whole-number arithmetic on the values as they
// are: whether points lie exactly on a polynomial of the fit's form, and the total sum of squares.
#pragma once

#include "common/extended.h"
#include "fit/scaled_sum.h"
#include "fit/wide_float.h"

#include <optional>
#include <span>
#include <vector>

namespace fit {

// When every point (u[i], v[i]) lies exactly on one polynomial sum over k = 0..basisCount-1 of
// c_k u^(k + firstPower), its constants c_0, c_1, ..., each the WideFloat nearest the exact
// value at the current width; nullopt when they do not. Then that polynomial is the
// least-squares fit and its residual sum is exactly 0. The values are taken exactly as they are
// (dyadic numbers); needs basisCount distinct u (distinct non-zero u when firstPower is 1).
// Raises no failure.
std::optional<std::vector<WideFloat>> ExactPolynomialThrough(
    std::span<const WideFloat> u, std::span<const WideFloat> v, int basisCount, int firstPower);

// The sum of the squares of values about their mean (about 0 when aboutZero), worked out
// exactly and rounded to a significand of Extended's width, at its full range. Raises no failure.
ScaledSum ExactTotalSumOfSquares(std::span<const common::Extended> values, bool aboutZero);

} // namespace fit
