// src/fit/distinct_abscissae.cpp: counting distinct abscissae exactly.
#include "fit/distinct_abscissae.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace fit {

bool HasEnoughDistinctX(const data::PointStore& points, const FitState& fit)
{
    const bool linearModel = IsPolynomial(fit.FitType);
    const int needed = linearModel ? BasisFunctionCount(fit) : 2;
    if (needed < 1)
        return true;
    std::vector<Extended> values;
    for (int point = 1; point <= points.PointCount; ++point) {
        const Extended x = points.XData[point];
        // A forced fit has no column of ones: x = 0 adds nothing to its normal matrix.
        if (linearModel && fit.ZeroForce && x == 0)
            continue;
        values.push_back(fit.FitType == PowerLaw ? std::fabs(x) : x);
    }
    // Equal values, -0 and 0 among them, sort next to each other.
    std::sort(values.begin(), values.end());
    const auto distinct = std::unique(values.begin(), values.end()) - values.begin();
    return distinct >= needed;
}

} // namespace fit
