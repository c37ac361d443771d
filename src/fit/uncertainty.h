// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/uncertainty.h: the uncertainty of a fitted constant, twice its standard error.
#pragma once

#include "fit/fit_state.h"

namespace fit {

// The uncertainty of constant index of the last fit, from the residual sum of the fit that was
// made (ResidualSumOfSquares; LogResidualSumOfSquares for the power law and the exponential; with
// its digits where the fit state's rounding lost them, ResidualSumOf),
// FitPointCount, ConstantCount (m, counting the forced zero) and the diagonal of InverseMatrix,
// with the divisor n - m - 1. Straight line and polynomial: the uncertainty of A(index); index 0 of
// a forced fit has none and must not be asked for. Power law and exponential: index 0 gives that of
// the prefactor A = e^A(0), index 1 that of the exponent B. Throws common::FloatingPointError when
// the computation faults: at a divisor of 0 (a division by zero; 0/0, an invalid operation, with a
// zero residual sum) and below 0 (an invalid operation whatever the sign of the diagonal; with a
// zero residual sum a division by zero).
Extended ConstantUncertainty(const FitState& fit, int index);

} // namespace fit
