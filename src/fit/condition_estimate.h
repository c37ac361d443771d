// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/condition_estimate.h: how many bits of significand the solution of the normal
// equations may lose.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

#include <array>
#include <cmath>
#include <optional>

namespace fit {

// log2, rounded up, of the 1-norm condition number of the size x size normal matrix scaled
// symmetrically to a unit diagonal, taken as its 1-norm times the 1-norm of the computed
// inverse scaled alike: about the bits a solution through that inverse loses. The scaling
// barely changes what the elimination loses, while the plain norms would also count the many
// orders between the columns of powers. nullopt when the estimate is not a finite number.
// In Extended it may leave floating-point flags raised.
// Steps brings SetMagnitude (RoundedSteps or one of its kind).
template <typename Real, typename Steps, typename Matrix, typename Inverse>
std::optional<int> LostBits(const Matrix& normal, const Inverse& inverse, int size)
{
    using std::sqrt;
    std::array<Real, MaxBasisFunctions + 1> roots {};
    for (int row = 1; row <= size; ++row)
        roots[row] = sqrt(normal(row, row));
    Real normOfMatrix = 0;
    Real normOfInverse = 0;
    Real term;
    for (int column = 1; column <= size; ++column) {
        Real matrixSum = 0;
        Real inverseSum = 0;
        for (int row = 1; row <= size; ++row) {
            term = normal(row, column);
            Steps::SetMagnitude(term);
            term /= roots[row];
            term /= roots[column];
            matrixSum += term;
            term = inverse(row, column);
            Steps::SetMagnitude(term);
            term *= roots[row];
            term *= roots[column];
            inverseSum += term;
        }
        if (!(matrixSum <= normOfMatrix))
            normOfMatrix = matrixSum;
        if (!(inverseSum <= normOfInverse))
            normOfInverse = inverseSum;
    }
    Real estimate = normOfMatrix;
    estimate *= normOfInverse;
    using std::isfinite;
    if (!isfinite(estimate) || !(estimate > 0))
        return std::nullopt;
    int exponent = 0;
    using std::frexp;
    frexp(estimate, &exponent);
    return exponent;
}

// The LostBits of the fit of FitX 1..pointCount with basisCount basis functions (ZeroForce as
// set), judged before the fit from a normal matrix formed in double from power sums of FitX
// scaled to at most 1, and inverted as InvertMatrix does. Good to tell the fits Extended
// carries, and a guide beyond. 0 without basis functions; nullopt when double finds no inverse.
// Raises no failure and leaves the floating-point flags clear.
std::optional<int> EstimateLostBits(const FitState& fit, int pointCount, int basisCount);

// The same for points 1..PointCount as the fit will take them (SetFittedAbscissa of XData), for
// more points than FitX holds; the same bits as the estimate from FitX holding them.
std::optional<int> EstimateLostBits(
    const data::PointStore& points, const FitState& fit, int basisCount);

} // namespace fit
