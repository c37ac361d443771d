// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/distinct_abscissae.cpp: counting distinct abscissae exactly.
#include "fit/distinct_abscissae.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace fit {

bool HasEnoughDistinctX(const data::PointStore& points, const FitState& fit)
{
    const bool linearModel = IsPolynomial(fit.FitType);
    const int needed = linearModel ? BasisFunctionCount(fit) : 2;
    if (needed < 1)
        return true;
    // Stops at the needed count: a few comparisons a point, however many points there are.
    std::array<Extended, MaxBasisFunctions> distinct {};
    int found = 0;
    for (int point = 1; point <= points.PointCount; ++point) {
        const Extended x = points.XData[point];
        // A forced fit has no column of ones: x = 0 adds nothing to its normal matrix.
        if (linearModel && fit.ZeroForce && x == 0)
            continue;
        const Extended value = fit.FitType == PowerLaw ? std::fabs(x) : x;
        // -0 and 0 are one value.
        if (std::find(distinct.begin(), distinct.begin() + found, value)
            != distinct.begin() + found)
            continue;
        distinct[found++] = value;
        if (found >= needed)
            return true;
    }
    return false;
}

} // namespace fit
