// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fitting_function.h: evaluation of the fitted model, and integer powers through exp and
// ln.
#pragma once

#include "common/extended.h"
#include "fit/fit_state.h"

#include <span>

namespace fit {

// x to the integer power k, formed as exp(k ln|x|) with the sign of an odd power of a negative
// x; k = 0 gives 1 (also for x = 0), x = 0 gives 0 otherwise. Raises no failure itself.
Extended RaiseToPower(int k, Extended x);

// powers[i] = RaiseToPower(firstPower + i, x), bit for bit, with ln|x| taken once.
void RaiseToPowers(Extended x, int firstPower, std::span<Extended> powers);

// The value of the last fit at x, in data units. Reads FitType, ConstantCount and FitConstants
// only. Straight line and polynomial need ConstantCount >= 1; the power law gives 0 at x = 0.
Extended FittingFunction(const FitState& fit, Extended x);

// The value of the last fit at x as the curve draws it: the centred polynomial where the fit
// kept one (CurveCentred), FittingFunction otherwise.
Extended CurveValue(const FitState& fit, Extended x);

} // namespace fit
