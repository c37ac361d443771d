// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/calculate_residuals.h: the residual sum of squares of the last fit, in data units.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

namespace fit {

// The points whose squared residuals are summed one after another before their sum joins the
// whole: the window's points form one block.
constexpr int ResidualBlockLength = data::MaxPoints;

// Sets ResidualSumOfSquares to the sum over points 1..FitPointCount of
// (YData - FittingFunction(XData))^2, the points as read rather than as fitted, summed in
// blocks of ResidualBlockLength points. Throws common::FloatingPointError when the sum faults;
// ResidualSumOfSquares is then unchanged.
void CalculateResiduals(const data::PointStore& points, FitState& fit);

// Power law and exponential: sets LogResidualSumOfSquares to the sum over points
// 1..FitPointCount of (v - A(0) - A(1) u)^2 over the points as fitted (FittedPointAt). Throws
// common::FloatingPointError when the sum faults; LogResidualSumOfSquares is then unchanged.
void CalculateLogResiduals(const data::PointStore& points, FitState& fit);

// The most additions a square goes through in that sum of pointCount squares: pointCount for
// one block, else a block's length and the blocks', so that the sum of many points keeps its
// digits.
int ResidualSumRoundings(int pointCount);

} // namespace fit
