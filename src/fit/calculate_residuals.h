// src/fit/calculate_residuals.h: the residual sum of squares of the last fit, in data units.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

namespace fit {

// Sets ResidualSumOfSquares to the sum over points 1..FitPointCount of
// (YData - FittingFunction(XData))^2, the points as read rather than as fitted.
// Throws common::FloatingPointError when the sum faults; ResidualSumOfSquares is then unchanged.
void CalculateResiduals(const data::PointStore& points, FitState& fit);

// Power law and exponential: sets LogResidualSumOfSquares to the sum over points
// 1..FitPointCount of (FitY - A(0) - A(1) FitX)^2, the points as fitted. Throws
// common::FloatingPointError when the sum faults; LogResidualSumOfSquares is then unchanged.
void CalculateLogResiduals(FitState& fit);

} // namespace fit
