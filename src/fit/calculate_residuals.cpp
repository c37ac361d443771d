// src/fit/calculate_residuals.cpp: residual sum of squares over the points as read.
#include "fit/calculate_residuals.h"

#include "common/floating_point_step.h"
#include "fit/fitting_function.h"
#include "fit/model_value.h"

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

void CalculateLogResiduals(FitState& fit)
{
    common::ClearFloatingPointFlags();
    // The straight line by Horner's rule, as the polynomial residual sum takes it.
    Extended sum = 0;
    for (int point = 1; point <= fit.FitPointCount; ++point) {
        Extended line;
        SetModelValue(line, StraightLine, fit.FitConstants.data(), 2, fit.FitX[point]);
        const Extended residual = fit.FitY[point] - line;
        sum += residual * residual;
    }
    common::EndFloatingPointStep(sum);
    fit.LogResidualSumOfSquares = sum;
}

} // namespace fit
