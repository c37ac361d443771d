// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/uncertainty.cpp: twice the standard error from the inverse of the normal matrix.
#include "fit/uncertainty.h"

#include "common/floating_point_step.h"
#include "fit/wide_fit.h"

#include <cassert>
#include <cmath>

namespace fit {

Extended ConstantUncertainty(const FitState& fit, int index)
{
    assert(index >= 0 && index < fit.ConstantCount);
    const bool linearModel = IsPolynomial(fit.FitType);
    assert(!(linearModel && fit.ZeroForce && index == 0));

    // A forced fit has no basis function for A(0): A(k) sits at row k of the inverse.
    const int diagonal = linearModel && fit.ZeroForce ? index : index + 1;

    common::ClearFloatingPointFlags();
    // In this order: R divided by the exact integer divisor, times the diagonal element, the
    // root, then twice (for the prefactor, 2 e^A(0) formed first).
    const Extended divisor = static_cast<Extended>(fit.FitPointCount - fit.ConstantCount - 1);
    // Power law and exponential: the residual sum of the straight line through the logarithms,
    // the fit whose inverse V is. Taken as a fraction times 4^h and the root times 2^h, so that
    // a sum or a product beyond the Extended range, or below it, costs no digits (and the steps
    // within the range give the same bits as on the sum itself).
    const ScaledSum residualSum = ResidualSumOf(fit, !linearModel);
    const Extended variance = residualSum.Fraction / divisor;
    const Extended product = variance * fit.InverseMatrix(diagonal, diagonal);
    // A divisor below 0 gives no uncertainty whatever the sign of the computed diagonal: the
    // root of the negative product it should make is an invalid operation, and the -0 of a
    // zero residual sum (two points on a straight line) counts as a division by zero.
    if (divisor < 0)
        throw common::FloatingPointError(product == 0
                ? common::FloatingPointError::Kind::DivisionByZero
                : common::FloatingPointError::Kind::InvalidOperation);
    const Extended root
        = std::ldexp(std::sqrt(product), static_cast<int>(residualSum.HalfExponent));
    Extended uncertainty;
    if (!linearModel && index == 0) {
        const Extended factor = 2 * std::exp(fit.FitConstants[0]);
        uncertainty = factor * root;
    } else {
        uncertainty = 2 * root;
    }
    // Checked here, before an infinity or NaN can reach a conversion to an integer later on.
    common::EndFloatingPointStep(uncertainty);
    return uncertainty;
}

} // namespace fit
