// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fit_statistics.h: how closely the last fit follows its points.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

namespace fit {

struct FitStatistics {
    // n, the points fitted.
    int PointsUsed = 0;
    // p, the constants the fit chose: the A(0) = 0 of a fit through the origin is not one.
    int ConstantsFitted = 0;
    // n - p.
    int DegreesOfFreedom = 0;
    // The residual sum of squares of the fit, in the data's own units, rounded to Extended:
    // infinity beyond its range (the deviation and R^2 below are formed from the sum itself).
    Extended ResidualSumOfSquares = 0;
    // sqrt(R / (n - p)); NaN when n - p is 0.
    Extended ResidualStandardDeviation = 0;
    // 1 - R / S, with S the sum of squares of y about its mean, or about 0 for a fit through
    // the origin (Uncentred); NaN when S is 0.
    Extended RSquared = 0;
    // 1 - (1 - R^2) (n - 1) / (n - p), with n in place of n - 1 when Uncentred; NaN when
    // n - p is 0.
    Extended AdjustedRSquared = 0;
    bool Uncentred = false;
};

// The statistics of the fit last made of points (FitPointCount of them, its residual sum and
// its constant count). Power law and exponential are judged, like their residual sum, by y
// against the fitted curve, not by the straight line fitted to the logarithms. Raises no
// failure: a value that cannot be formed is NaN.
FitStatistics FitStatisticsOf(const data::PointStore& points, const FitState& fit);

} // namespace fit
