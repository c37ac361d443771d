// src/fit/condition_estimate.cpp: the condition estimate made before an Extended fit.
#include "fit/condition_estimate.h"

#include "common/floating_point_step.h"
#include "fit/elimination.h"
#include "fit/square_matrix.h"

#include <algorithm>
#include <cmath>

namespace fit {

std::optional<int> EstimateLostBits(const FitState& fit, int pointCount, int basisCount)
{
    if (basisCount < 1 || pointCount < 1)
        return 0;
    const int firstPower = FirstPower(fit);

    // Scaling u by a power of two scales the normal matrix by a diagonal on both sides, which
    // the estimate does not see; with |u| at most 1, double holds every power and every sum.
    Extended largest = 0;
    for (int point = 1; point <= pointCount; ++point)
        largest = std::max(largest, std::fabs(fit.FitX[point]));
    int exponent = 0;
    std::frexp(largest, &exponent);
    // The factor 2^-exponent itself may lie beyond the range for the most extreme data.
    const Extended factor = std::ldexp(Extended(1), -exponent);
    const bool factorExact = std::isnormal(factor);
    std::array<double, data::MaxPoints> scaled {};
    std::array<double, data::MaxPoints> powers {};
    for (int index = 0; index < pointCount; ++index) {
        const Extended u = fit.FitX[index + 1];
        scaled[index] = static_cast<double>(factorExact ? u * factor : std::ldexp(u, -exponent));
        powers[index] = firstPower == 1 ? scaled[index] * scaled[index] : 1;
    }

    // Element (j, k) of the normal matrix sums u^(j + k - 2 + 2 firstPower): 2m - 1 sums, each
    // taken in four interleaved parts.
    const int sumCount = 2 * basisCount - 1;
    std::array<double, 2 * MaxBasisFunctions - 1> sums {};
    for (int k = 0; k < sumCount; ++k) {
        std::array<double, 4> parts {};
        int index = 0;
        for (; index + 4 <= pointCount; index += 4)
            for (int part = 0; part < 4; ++part)
                parts[part] += powers[index + part];
        for (; index < pointCount; ++index)
            parts[0] += powers[index];
        sums[k] = (parts[0] + parts[1]) + (parts[2] + parts[3]);
        if (k + 1 < sumCount)
            for (int index = 0; index < pointCount; ++index)
                powers[index] *= scaled[index];
    }

    SquareMatrix<double> normal;
    for (int row = 1; row <= basisCount; ++row)
        for (int column = 1; column <= basisCount; ++column)
            normal(row, column) = sums[row + column - 2];
    SquareMatrix<double> eliminated = normal;
    SquareMatrix<double> inverse;
    std::optional<int> lost;
    try {
        InvertEliminating<double, FiniteSteps<double>>(eliminated, basisCount, inverse);
        lost = LostBits<double, RoundedSteps<double>>(normal, inverse, basisCount);
    } catch (const SingularSystem&) {
    }
    common::ClearFloatingPointFlags();
    return lost;
}

} // namespace fit
