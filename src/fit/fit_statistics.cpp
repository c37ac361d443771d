// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fit_statistics.cpp: degrees of freedom, residual standard deviation and R^2 of a fit.
#include "fit/fit_statistics.h"

#include "common/floating_point_step.h"
#include "fit/exact_arithmetic.h"
#include "fit/wide_fit.h"

#include <cmath>
#include <limits>
#include <span>

namespace fit {

namespace {

    constexpr Extended NotANumber = std::numeric_limits<Extended>::quiet_NaN();

    // The sum of squares of y about its mean, or about 0, exactly: a large common offset of the
    // y values costs no digits, and y all the same gives 0.
    ScaledSum TotalSumOfSquares(const data::PointStore& points, int pointCount, bool aboutZero)
    {
        return ExactTotalSumOfSquares(
            std::span<const Extended>(&points.YData[1], pointCount), aboutZero);
    }

} // namespace

FitStatistics FitStatisticsOf(const data::PointStore& points, const FitState& fit)
{
    const bool linearModel = IsPolynomial(fit.FitType);
    FitStatistics statistics;
    statistics.PointsUsed = fit.FitPointCount;
    statistics.ConstantsFitted
        = linearModel && fit.ZeroForce ? fit.ConstantCount - 1 : fit.ConstantCount;
    statistics.DegreesOfFreedom = statistics.PointsUsed - statistics.ConstantsFitted;
    statistics.ResidualSumOfSquares = fit.ResidualSumOfSquares;
    // With its digits where the fit state's rounding lost them (ResidualSumOf): the deviation
    // and R^2 are then right also for y near the edges of the Extended range.
    const ScaledSum residualSum = ResidualSumOf(fit, false);
    statistics.Uncentred = linearModel && fit.ZeroForce;

    // The NaNs of values that cannot be formed are answers here, not faults: the flags are
    // left as they were found.
    const common::FloatingPointFlagsKept flagsKept;
    const int pointCount = statistics.PointsUsed;
    const Extended degreesOfFreedom = statistics.DegreesOfFreedom;
    if (pointCount < 1 || statistics.DegreesOfFreedom < 1) {
        statistics.ResidualStandardDeviation = NotANumber;
        statistics.AdjustedRSquared = NotANumber;
    } else {
        statistics.ResidualStandardDeviation = RootOfQuotient(residualSum, degreesOfFreedom);
    }
    const ScaledSum total = pointCount < 1
        ? ScaledSum {}
        : TotalSumOfSquares(points, pointCount, statistics.Uncentred);
    if (total.Fraction == 0) {
        statistics.RSquared = NotANumber;
        statistics.AdjustedRSquared = NotANumber;
    } else {
        statistics.RSquared = 1 - Quotient(residualSum, total);
        if (statistics.DegreesOfFreedom >= 1) {
            const Extended freedomOfTotal = statistics.Uncentred ? pointCount : pointCount - 1;
            statistics.AdjustedRSquared
                = 1 - (1 - statistics.RSquared) * freedomOfTotal / degreesOfFreedom;
        }
    }
    return statistics;
}

} // namespace fit
