// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_fit.h: the least-squares fit carried in the wide type until its results are
// settled, and their rounding into the fit state.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "fit/orthonormal_recurrence.h"
#include "fit/scaled_sum.h"
#include "fit/wide_float.h"

#include <optional>
#include <vector>

namespace fit {

// The widest significand tried; a fit it does not settle fails.
constexpr int MaxWideBits = 4096;

// The results of a fit in the wide type, before they are rounded to Extended.
struct WideSolution {
    int Bits = 0;
    int BasisCount = 0;
    std::vector<WideFloat> NormalMatrix; // BasisCount x BasisCount, row by row
    std::vector<WideFloat> InverseMatrix; // likewise
    std::vector<WideFloat> Constants; // A(0), A(1), ... with the 0 of a forced fit
    WideFloat ResidualSumOfSquares;
    // Power law and exponential: that of the straight line through the logarithms.
    WideFloat LogResidualSumOfSquares;
    // Straight line and polynomial: the same polynomial in powers of (x - CurveCentre).
    bool CurveCentred = false;
    Extended CurveCentre = 0;
    std::vector<WideFloat> CentredConstants;
    // The bands' recurrence, formed from NormalMatrix at Bits when the bands first need it and
    // kept with the fit, so that a redraw does not factor the wide matrix again.
    mutable std::optional<OrthonormalRecurrence> BandRecurrence;
};

// Fits FitType of order FitOrder (ZeroForce) to points 1..PointCount by the steps of LsqRoutine,
// in MPFR: the normal equations formed from power sums of the points as fitted, solved by
// InvertMatrix's elimination, the constants through the inverse, then the residual sums (that of
// the points as read, and for the power law and the exponential that of the logarithms). The
// significand starts from the bits lostBits says the system loses (nullopt: not known) and
// widens until the condition estimate at that width leaves the inverse and the constants
// settled well beyond Extended, and the residual sums too. A sum within its error of 0 is 0
// only where the points lie exactly on the fitted polynomial (ExactPolynomialThrough; the
// constants are then the exact ones) or, where no exact test can tell (the power law's and the
// exponential's y, and logarithms rounded to the width), within 2^-192 of the data's own
// scale; else the width grows. Throws SingularSystem when the points hold fewer distinct
// abscissae than the fit needs (HasEnoughDistinctX), and common::FloatingPointError (invalid
// operation, with the reason) when MaxWideBits do not settle the fit.
WideSolution SolveInWidePrecision(
    const data::PointStore& points, const FitState& fit, std::optional<int> lostBits);

// Rounds the normal matrix (also into SolveMatrix), its inverse, the constants and the centred
// polynomial into fit, with SystemSize, ConstantCount and SignificandBits. Throws
// common::FloatingPointError (overflow) when one lies beyond the Extended range; nothing is
// written then. A centred polynomial beyond the range is left out (the curve draws without it).
void StoreWideConstants(const WideSolution& solution, FitState& fit);

// Rounds the residual sums into ResidualSumOfSquares and LogResidualSumOfSquares: infinity for
// one beyond the Extended range, a subnormal number or 0 below it (ResidualSumOf keeps their
// digits). Raises no failure.
void StoreWideResidualSum(const WideSolution& solution, FitState& fit);

// The residual sum of the last fit (LogResidualSumOfSquares when logarithmic, else
// ResidualSumOfSquares) with its digits: from WideResults where the rounding in the fit state lost
// them (infinity, a subnormal number, or 0 for a sum that is not), else that rounding.
ScaledSum ResidualSumOf(const FitState& fit, bool logarithmic);

} // namespace fit
