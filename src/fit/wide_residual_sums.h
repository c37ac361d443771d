// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_residual_sums.h: the residual sums of a fit whose constants are wide, each with the
// verdict on its rounding error.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "fit/residual_accuracy.h"
#include "fit/wide_float.h"

#include <array>
#include <optional>
#include <vector>

namespace fit {

// What the residual sums of one fit share: its constants rounded, what their own error adds to a
// sum, and, where there is one, the centred polynomial rounded.
struct ResidualTerms {
    int ConstantCount = 0;
    int BasisCount = 0;
    int Bits = 0;
    int LostBits = 0;
    std::array<Extended, MaxConstants> Constants {};
    Extended ScaledNorm = 0;
    std::optional<Extended> CurveCentre;
    std::array<Extended, MaxConstants> CentredConstants {};
    // The sums and their bounds are judged in units of 2^(2 ScaleExponent), so that neither
    // leaves the Extended range where y lies near its edges: the binary exponent of the largest
    // |y| as read for the sums of y, 0 for those of the logarithms.
    int ScaleExponent = 0;
};

// A residual sum, at its full range, and the verdict on it at this width.
struct JudgedSum {
    WideFloat Sum;
    ResidualSumAccuracy::Verdict Verdict = ResidualSumAccuracy::Verdict::Unsettled;
    // Within its bound of 0 by the data's own scale (ResidualSumAccuracy::BelowDataScale).
    bool BelowDataScale = false;
};

// The residual sum of a straight line or polynomial of constants over the points as read: each
// residual in whole units of 2^-192 of the largest term (fixed_point_sum.h), so off by a few of
// those units; where that leaves the sum unsettled, from the centred polynomial (CurveCentre
// set) in Extended, free of the cancellation the powers of x suffer; and where neither settles
// it at a width of more than FixedPointBits, in MPFR at the width.
JudgedSum SumPolynomialResiduals(const data::PointStore& points,
    const std::vector<WideFloat>& constants, const ResidualTerms& terms);

// The residual sum of the power law or exponential of constants over the points as read, in
// MPFR at the width; the error of the constants counted at each point, as they are not its
// least-squares ones.
JudgedSum SumCurveResiduals(const data::PointStore& points, FitModel fitType,
    const std::vector<WideFloat>& constants, const ResidualTerms& terms);

// The residual sum of the straight line of constants through the logarithms (u, v), in MPFR at
// the width.
JudgedSum SumLogResiduals(const std::vector<WideFloat>& u, const std::vector<WideFloat>& v,
    const std::vector<WideFloat>& constants, const ResidualTerms& terms);

} // namespace fit
