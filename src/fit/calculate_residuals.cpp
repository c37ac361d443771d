// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/calculate_residuals.cpp: residual sum of squares over the points as read.
#include "fit/calculate_residuals.h"

#include "common/floating_point_step.h"
#include "fit/fitting_function.h"
#include "fit/model_value.h"

#include <algorithm>

namespace fit {

void CalculateResiduals(const data::PointStore& points, FitState& fit)
{
    common::ClearFloatingPointFlags();
    // From 0 in increasing point order, each square rounded to Extended before it is added, in
    // blocks of ResidualBlockLength points whose sums are added in order: one block, the plain
    // sum, for the points the window holds.
    Extended sum = 0;
    for (int first = 1; first <= fit.FitPointCount; first += ResidualBlockLength) {
        const int last = std::min(fit.FitPointCount, first + ResidualBlockLength - 1);
        Extended block = 0;
        for (int point = first; point <= last; ++point) {
            const Extended residual
                = points.YData[point] - FittingFunction(fit, points.XData[point]);
            const Extended square = residual * residual;
            block = block + square;
        }
        sum = sum + block;
    }
    common::EndFloatingPointStep(sum);
    fit.ResidualSumOfSquares = sum;
}

void CalculateLogResiduals(const data::PointStore& points, FitState& fit)
{
    common::ClearFloatingPointFlags();
    // The straight line by Horner's rule, as the polynomial residual sum takes it.
    Extended sum = 0;
    for (int point = 1; point <= fit.FitPointCount; ++point) {
        const FittedPoint fitted = FittedPointAt(points, fit, point);
        Extended line;
        SetModelValue(line, StraightLine, fit.FitConstants.data(), 2, fitted.u);
        const Extended residual = fitted.v - line;
        sum += residual * residual;
    }
    common::EndFloatingPointStep(sum);
    fit.LogResidualSumOfSquares = sum;
}

int ResidualSumRoundings(int pointCount)
{
    if (pointCount <= ResidualBlockLength)
        return pointCount;
    return ResidualBlockLength - 1 + (pointCount + ResidualBlockLength - 1) / ResidualBlockLength;
}

} // namespace fit
