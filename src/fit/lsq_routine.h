// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/lsq_routine.h: least-squares fit of the chosen model to the stored points.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

namespace fit {

// The road of a fit, in two precisions:
//   1. The condition of the normal matrix is estimated in double (EstimateLostBits).
//   2. Where it loses at most 12 bits, Extended carries the fit: design matrix, normal matrix,
//      its inverse (InvertMatrix), the pseudo-inverse and the constants, then the residual sums.
//   3. Elsewhere, or where those residual sums are not settled in Extended (residuals far below
//      the data, or within their error of 0), the wide road (SolveInWidePrecision) takes the
//      same normal equations formed from power sums, solves them by the same elimination and
//      forms the constants through the inverse, in MPFR, widened until the inverse, the
//      constants and the residual sums are settled. A polynomial's power sums and residual
//      sums are taken in whole numbers of 64-bit limbs where those keep the width's digits
//      (SumPowers, SumPolynomialResiduals).
//   4. Its results are rounded into the fit state, with the polynomial centred on the data for
//      the curve (StoreWideConstants, StoreWideResidualSum).
// A residual sum within its error of 0 is 0 only for points exactly on the fitted polynomial
// (ExactPolynomialThrough), whose exact constants the fit then takes.

// Fits FitType of order FitOrder (ZeroForce for types 0 and 1) to points 1..PointCount: fills
// FitX, FitY, FitConstants (index 0 = A(0)), FitPointCount, ConstantCount, SystemSize, the
// normal matrix and its inverse, and ends with the residual sums (ResidualSumOfSquares, and
// LogResidualSumOfSquares for the power law and the exponential). The Extended road also fills
// the design and the pseudo-inverse; the wide road leaves SignificandBits and the centred
// polynomial. More than MaxPoints points (the fitter's --all-points) are fitted without FitX,
// FitY and the n-long matrices, the Extended sums taken point by point
// (SolvePointByPointInExtended). Needs 0 <= BasisFunctionCount <= 16 and storage allocated. Throws
// SingularSystem when the points hold too few distinct abscissae (HasEnoughDistinctX), and
// common::FloatingPointError at the first step that faults; what was written before stays
// written. A failure before the constants are formed also clears FitValid, so no curve is
// drawn from stale or half-written constants.
void LsqRoutine(const data::PointStore& points, FitState& fit);

} // namespace fit
