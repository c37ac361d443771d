// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/condition_estimate.cpp: the condition estimate made before an Extended fit.
#include "fit/condition_estimate.h"

#include "common/floating_point_step.h"
#include "fit/elimination.h"
#include "fit/model_value.h"
#include "fit/square_matrix.h"

#include <algorithm>
#include <cmath>

namespace fit {

namespace {

    // The estimate from the fitted abscissa of point i, fittedAbscissa(i) for i = 1..pointCount.
    template <typename FittedAbscissa>
    std::optional<int> EstimateFrom(
        FittedAbscissa fittedAbscissa, bool zeroForce, int pointCount, int basisCount)
    {
        if (basisCount < 1 || pointCount < 1)
            return 0;
        const int firstPower = zeroForce ? 1 : 0;

        // Scaling u by a power of two scales the normal matrix by a diagonal on both sides, which
        // the estimate does not see; with |u| at most 1, double holds every power and every sum.
        Extended largest = 0;
        for (int point = 1; point <= pointCount; ++point)
            largest = std::max(largest, std::fabs(fittedAbscissa(point)));
        int exponent = 0;
        std::frexp(largest, &exponent);
        // The factor 2^-exponent itself may lie beyond the range for the most extreme data.
        const Extended factor = std::ldexp(Extended(1), -exponent);
        const bool factorExact = std::isnormal(factor);

        // Element (j, k) of the normal matrix sums u^(j + k - 2 + 2 firstPower): 2m - 1 sums,
        // each taken in four interleaved parts, point i (from 0) in part i mod 4 and the points
        // after the last whole four in part 0. Each part adds its points in increasing order.
        const int sumCount = 2 * basisCount - 1;
        std::array<std::array<double, 4>, 2 * MaxBasisFunctions - 1> parts {};
        const int lastOfFours = pointCount / 4 * 4;
        for (int index = 0; index < pointCount; ++index) {
            const Extended u = fittedAbscissa(index + 1);
            const double scaled
                = static_cast<double>(factorExact ? u * factor : std::ldexp(u, -exponent));
            double power = firstPower == 1 ? scaled * scaled : 1;
            const int part = index < lastOfFours ? index % 4 : 0;
            for (int k = 0; k < sumCount; ++k) {
                parts[k][part] += power;
                power *= scaled;
            }
        }
        std::array<double, 2 * MaxBasisFunctions - 1> sums {};
        for (int k = 0; k < sumCount; ++k)
            sums[k] = (parts[k][0] + parts[k][1]) + (parts[k][2] + parts[k][3]);

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

} // namespace

std::optional<int> EstimateLostBits(const FitState& fit, int pointCount, int basisCount)
{
    return EstimateFrom(
        [&](int point) { return fit.FitX[point]; }, fit.ZeroForce, pointCount, basisCount);
}

std::optional<int> EstimateLostBits(
    const data::PointStore& points, const FitState& fit, int basisCount)
{
    // Taken twice a point: a copy of x, or its logarithm for the power law.
    return EstimateFrom(
        [&](int point) {
            Extended u;
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            return u;
        },
        fit.ZeroForce, points.PointCount, basisCount);
}

} // namespace fit
