// src/fit/lsq_routine.h: least-squares fit of the chosen model to the stored points.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

namespace fit {

// The number of basis functions of the chosen fit: FitOrder with ZeroForce, else FitOrder + 1.
int BasisFunctionCount(const FitState& fit);

// Fits FitType of order FitOrder (ZeroForce for types 0 and 1) to points 1..PointCount: fills
// FitX, FitY, FitConstants (index 0 = A(0)), FitPointCount, ConstantCount, SystemSize, the
// normal matrix and its inverse, and ends with the residual sum. Extended carries the fit where
// its results keep about 15 digits, and then fills the design and pseudo-inverse too; elsewhere
// the same steps run in a wider significand (SignificandBits) and their results are rounded
// into the same fields, with a centred polynomial for the curve. More than MaxPoints points
// (the fitter's --all-points) are fitted without FitX, FitY and the n-long matrices, the
// Extended sums taken point by point (SolvePointByPointInExtended). Needs
// 0 <= BasisFunctionCount <= 16 and storage allocated. Throws SingularSystem when the points
// hold too few distinct abscissae (HasEnoughDistinctX), and common::FloatingPointError at the
// first step that faults; what was written before stays written. A failure before the
// constants are formed also clears FitValid, so no curve is drawn from stale or half-written
// constants.
void LsqRoutine(const data::PointStore& points, FitState& fit);

} // namespace fit
