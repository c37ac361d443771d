// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fit_state.h: the fit choice, the fit results and the working storage of the solution.
#pragma once

#include "common/extended.h"
#include "data/point_store.h"
#include "fit/working_matrix.h"

#include <array>
#include <memory>

namespace fit {

using common::Extended;

struct WideSolution;

constexpr int MaxBasisFunctions = 16;
// The significand of Extended; a fit that needs more takes the wide road (LsqRoutine).
constexpr int ExtendedBits = 64;
// One more than the basis functions, for the A(0) = 0 a forced fit puts in front.
constexpr int MaxConstants = MaxBasisFunctions + 1;
// The highest polynomial order the basis holds.
constexpr int HighestOrder = MaxBasisFunctions - 1;

// The kinds of fit, in the order the options page lists them.
enum class FitModel { StraightLine = 0, Polynomial = 1, PowerLaw = 2, Exponential = 3 };
using enum FitModel;

// The fit as the user chose it; the workbench starts with these values.
struct FitChoice {
    FitModel FitType = StraightLine;
    // Highest power of x of a straight line or polynomial.
    int FitOrder = 0;
    bool ZeroForce = false;
};

struct FitState : FitChoice {
    // The constants belong to the current data and fit choice; only then is the curve drawn.
    bool FitValid = false;

    // Slots 1..FitPointCount as fitted (the data, or ln of their magnitudes); slot 0 unused.
    std::array<Extended, data::MaxPoints + 1> FitX {};
    std::array<Extended, data::MaxPoints + 1> FitY {};
    // A(0), A(1), ... from index 0.
    std::array<Extended, MaxConstants> FitConstants {};
    int FitPointCount = 0;
    int ConstantCount = 0;
    int SystemSize = 0;
    // The residual sum of the points as read, in y's own units: (YData - FittingFunction)^2.
    Extended ResidualSumOfSquares = 0;
    // Power law and exponential: the residual sum of the fit that was made, the straight line
    // through the logarithms: (FitY - A(0) - A(1) FitX)^2. The uncertainties of A and B come
    // from it, so that they do not change with the units of y.
    Extended LogResidualSumOfSquares = 0;
    // The significand width the results were computed in: ExtendedBits, or more where the
    // normal equations needed it (the results are then rounded to Extended).
    int SignificandBits = ExtendedBits;

    // A straight line or polynomial fitted in the wider significand also keeps its polynomial in
    // powers of (x - CurveCentre), formed from the wide constants and rounded to Extended, so
    // that drawing it does not suffer the cancellation of large powers of x (CurveValue).
    bool CurveCentred = false;
    Extended CurveCentre = 0;
    std::array<Extended, MaxConstants> CentredConstants {};

    // A fit in the wider significand also keeps its results at their own width (normal matrix,
    // inverse, constants, residual sums: WideSolution of wide_fit.h), for what needs more than
    // their rounding; empty after a fit that Extended carried.
    std::shared_ptr<const WideSolution> WideResults;

    // A fit in the wider significand leaves its normal matrix and inverse here, rounded; the
    // design and the pseudo-inverse are not its own (they belong to an Extended attempt or an
    // earlier fit).
    WorkingMatrix SolveMatrix; // 16 x 16
    WorkingMatrix InverseMatrix; // 16 x 16
    WorkingMatrix NormalMatrix; // 16 x 16
    WorkingMatrix DesignTranspose; // 16 x 600
    WorkingMatrix PseudoInverse; // 16 x 600
    WorkingMatrix DesignMatrix; // 600 x 16
};

// Straight line and polynomial: the models fitted to the data themselves, in powers of x.
// Power law and exponential are fitted to logarithms.
constexpr bool IsPolynomial(FitModel fitType)
{
    return fitType == StraightLine || fitType == Polynomial;
}

// The power of the first basis function: 1 for a fit forced through the origin, else 0.
inline int FirstPower(const FitChoice& fit) { return fit.ZeroForce ? 1 : 0; }

// The number of basis functions of the chosen fit: FitOrder with ZeroForce, else FitOrder + 1.
inline int BasisFunctionCount(const FitChoice& fit)
{
    return fit.ZeroForce ? fit.FitOrder : fit.FitOrder + 1;
}

// Allocates the rows of the working matrices, in the order SolveMatrix, InverseMatrix,
// NormalMatrix, DesignTranspose, PseudoInverse, DesignMatrix. Called once at start-up.
void AllocateWorkingStorage(FitState& fit);

// Releases those rows, table by table in the same order. Called once at shutdown.
void ReleaseWorkingStorage(FitState& fit);

} // namespace fit
