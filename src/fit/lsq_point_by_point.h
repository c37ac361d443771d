// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/lsq_point_by_point.h: the Extended road of the least-squares fit for more points than
// the design matrix holds, its sums taken point by point.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

namespace fit {

// The normal matrix, its inverse (InvertMatrix) and the constants of the fit of points
// 1..PointCount with basisCount basis functions, as LsqRoutine's Extended road forms them but
// without the design, its transpose and the pseudo-inverse, whose rows hold MaxPoints values:
// each sum still starts at 0 and adds a product rounded to Extended a point, in increasing
// point order, and the constants still sum each point's pseudo-inverse value times its
// ordinate. Two passes over the points; the powers of u are formed by multiplication (u^0 = 1,
// u^1 = u exactly), which is both far quicker and closer than through exp and ln. Writes
// NormalMatrix, SolveMatrix, InverseMatrix, SystemSize and FitConstants[0..basisCount-1];
// FitX, FitY and the n-long matrices stay as they were. False, with nothing formed that counts,
// when the normal matrix has no Extended inverse. Throws common::FloatingPointError when the
// points as fitted or the normal matrix fault.
bool SolvePointByPointInExtended(const data::PointStore& points, FitState& fit, int basisCount);

// The residual sum of squares of the straight line or polynomial just fitted (FitConstants,
// ConstantCount, NormalMatrix; lostBits from the condition estimate) over points
// 1..FitPointCount, for more points than the window holds: each residual y - p(x) taken with
// twice Extended's significand (compensated Horner's rule and exact sums and products), so
// that its error is about a rounding of the residual itself rather than of the data, the
// squares summed in blocks (CalculateResiduals). Sets ResidualSumOfSquares and returns true
// when the sum is settled as ResidualSumSettled asks; false, with nothing changed and the
// floating-point flags clear, for the other models, an unsettled sum or one that faults.
bool SumResidualsPointByPoint(const data::PointStore& points, FitState& fit, int lostBits);

} // namespace fit
