// src/fit/calculate_residuals.cpp: residual sum of squares over the points as read.
#include "fit/calculate_residuals.h"

#include "common/floating_point_step.h"
#include "fit/fitting_function.h"

namespace fit {

void CalculateResiduals(const data::PointStore& points, FitState& fit)
{
    common::ClearFloatingPointFlags();
    // From 0 in increasing point order, each square rounded to Extended before it is added.
    Extended sum = 0;
    for (int point = 1; point <= fit.FitPointCount; ++point) {
        const Extended residual = points.YData[point] - FittingFunction(fit, points.XData[point]);
        const Extended square = residual * residual;
        sum = sum + square;
    }
    common::EndFloatingPointStep(sum);
    fit.ResidualSumOfSquares = sum;
}

} // namespace fit
