// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/residual_accuracy.h: whether a residual sum of squares is known to the digits its
// uncertainties need.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

#include <cmath>

namespace fit {

// The sum of the magnitudes of what the model of fitType with constants[0..count-1] adds up at
// x: the scale of the cancellation in evaluating it (for the power law and the exponential, the
// value times the magnitude of its exponent, plus a little). In Extended; may leave
// floating-point flags raised, and gives infinity beyond the Extended range.
Extended EvaluationScale(FitModel fitType, const Extended* constants, int count, Extended x);

// A residual sum counts as settled when it is known to within 2^-SettledResidualBits of itself:
// the uncertainties then keep about 15 significant digits.
constexpr int SettledResidualBits = 48;

// Gathers a bound on the rounding error of a residual sum of squares R: each residual y - f(x)
// taken with a significand of significandBits is off by at most e, roundingsPerTerm of its
// units of the evaluation scale and one of |y|, so R is off by at most 2 sqrt(R E) + E with E
// the sum of the e^2, and by the rounding of its own sum.
class ResidualSumAccuracy {
public:
    ResidualSumAccuracy(int significandBits, int roundingsPerTerm);

    // count points whose |y| and EvaluationScale are at most the ones given (one point with its
    // own, or all points at once with the largest). May leave floating-point flags raised.
    void Add(Extended y, Extended evaluationScale, int count = 1);

    // What the error of the constants adds: the sum rises by (D dA)^T (D dA) for an error dA,
    // which the condition estimate bounds by 2^(lostBits - constantsBits) of the constants in
    // the norm scaled by the roots of the normal matrix's diagonal; scaledNorm is the sum over
    // the basis functions of |A(j)| sqrt(N_jj).
    void AddConstantsError(int constantsBits, int lostBits, int basisCount, Extended scaledNorm);

    // What an error of the constants adds at one point whose model value it moves by at most
    // error, for a sum the constants do not make least-squares (it moves to first order). May
    // leave floating-point flags raised.
    void AddModelError(Extended error) { m_errorSquares += error * error; }

    // The sum of the squares is taken so that a square goes through at most roundings
    // additions (ResidualSumRoundings of blocked sums), not one a point added.
    void SetSumRoundings(int roundings) { m_sumRoundings = roundings; }

    enum class Verdict {
        Unsettled, // more digits are needed
        Settled, // within 2^-SettledResidualBits of itself, or beyond the range
        MaybeZero, // no larger than its error bound: exactly 0 or not, only an exact test or
                   // more digits can tell
    };
    // The verdict on the sum of the points added. A bound that is not finite (data beyond the
    // Extended range) counts as settled: the sum then faults in its own step.
    Verdict Judge(Extended residualSum) const;

    // Whether the error bound lies below 2^-ExactFitBits of the data's own scale, the sum of
    // the y^2 added: a sum within it is 0 as far as the logarithmic models can tell, whose
    // curves no finite test can match against the data exactly.
    bool BelowDataScale(Extended residualSum) const;

    static constexpr int ExactFitBits = 192;

private:
    Extended Bound(Extended residualSum) const;

    Extended m_unit;
    Extended m_roundings;
    Extended m_errorSquares = 0;
    Extended m_constantsError = 0;
    Extended m_dataScale = 0;
    int m_pointCount = 0;
    int m_sumRoundings = -1; // the points added, unless set
};

// The sum over the basis functions of |constant| sqrt(N_jj), the norm in which the condition
// estimate bounds the error of the constants (constants from A(0), the forced 0 included;
// normalDiagonal(j) the diagonal of the normal matrix from 1).
template <typename Diagonal>
Extended ScaledNorm(
    const Extended* constants, int basisCount, bool zeroForce, Diagonal normalDiagonal)
{
    const int firstIndex = zeroForce ? 1 : 0;
    Extended norm = 0;
    for (int row = 1; row <= basisCount; ++row)
        norm += std::fabs(constants[row - 1 + firstIndex]) * std::sqrt(normalDiagonal(row));
    return norm;
}

// The verdict on the ResidualSumOfSquares of the Extended fit just made (constants,
// NormalMatrix and SystemSize formed; lostBits from EstimateLostBits): first judged from the
// largest |x| and |y| for every point, which settles most fits at once, then point by point.
// With a divisor n - m - 1 of 0 or less the uncertainties fail whatever the sum, so it counts
// as settled there. Leaves the floating-point flags clear.
ResidualSumAccuracy::Verdict ResidualSumVerdict(
    const data::PointStore& points, const FitState& fit, int lostBits);

// The same for the LogResidualSumOfSquares of a power law or exponential fit just made, judged
// point by point over the points as fitted. Leaves the floating-point flags clear.
ResidualSumAccuracy::Verdict LogResidualSumVerdict(
    const data::PointStore& points, const FitState& fit, int lostBits);

} // namespace fit
