// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/lsq_point_by_point.cpp: the normal equations of many points summed as they are passed.
#include "fit/lsq_point_by_point.h"

#include "common/floating_point_step.h"
#include "fit/calculate_residuals.h"
#include "fit/double_extended.h"
#include "fit/invert_matrix.h"
#include "fit/model_value.h"
#include "fit/residual_accuracy.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <type_traits>

namespace fit {

namespace {

    // Calls body with std::integral_constant<int, basisCount> (0 to MaxConstants): the loops
    // over the points then know their length, so that their sums stay in registers.
    template <int Count = 0, typename Body> void WithBasisCount(int basisCount, Body&& body)
    {
        if constexpr (Count <= MaxConstants) {
            if (basisCount == Count)
                body(std::integral_constant<int, Count> {});
            else
                WithBasisCount<Count + 1>(basisCount, body);
        }
    }

    // powers[j] = u^(firstPower + j) for j = 0..Count-1, each from the one before.
    template <std::size_t Count>
    void FillPowers(Extended u, int firstPower, std::array<Extended, Count>& powers)
    {
        Extended power = firstPower == 0 ? Extended(1) : u;
        for (std::size_t index = 0; index < Count; ++index) {
            powers[index] = power;
            power = power * u;
        }
    }

    // NormalMatrix(row, column) sums power(row) * power(column) over the points; each sum
    // below the diagonal is the one above it.
    template <int Count> void SumNormalMatrix(const data::PointStore& points, FitState& fit)
    {
        const int firstPower = fit.ZeroForce ? 1 : 0;
        std::array<Extended, Count*(Count + 1) / 2> sums {};
        std::array<Extended, Count> powers {};
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= points.PointCount; ++point) {
            Extended u;
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            FillPowers(u, firstPower, powers);
            int sum = 0;
            for (int row = 0; row < Count; ++row)
                for (int column = row; column < Count; ++column, ++sum)
                    sums[sum] = sums[sum] + powers[row] * powers[column];
        }
        common::CheckFloatingPointFlags();
        int sum = 0;
        for (int row = 1; row <= Count; ++row)
            for (int column = row; column <= Count; ++column, ++sum) {
                fit.NormalMatrix(row, column) = sums[sum];
                fit.NormalMatrix(column, row) = sums[sum];
            }
    }

    // FitConstants[row - 1] sums, over the points, the pseudo-inverse value of the point (the
    // sum over k of InverseMatrix(row, k) * power(k)) times its ordinate as fitted.
    template <int Count> void SumConstants(const data::PointStore& points, FitState& fit)
    {
        const int firstPower = fit.ZeroForce ? 1 : 0;
        std::array<Extended, Count * Count> inverse {};
        for (int row = 1; row <= Count; ++row)
            for (int k = 1; k <= Count; ++k)
                inverse[(row - 1) * Count + k - 1] = fit.InverseMatrix(row, k);
        std::array<Extended, Count> constants {};
        std::array<Extended, Count> powers {};
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= points.PointCount; ++point) {
            Extended u;
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            Extended y;
            SetFittedOrdinate(y, fit.FitType, points.YData[point]);
            FillPowers(u, firstPower, powers);
            for (int row = 0; row < Count; ++row) {
                Extended pseudoInverse = 0;
                for (int k = 0; k < Count; ++k)
                    pseudoInverse = pseudoInverse + powers[k] * inverse[row * Count + k];
                constants[row] = constants[row] + pseudoInverse * y;
            }
        }
        common::CheckFloatingPointFlags();
        for (int row = 0; row < Count; ++row)
            fit.FitConstants[row] = constants[row];
    }

    // y - p(x) for the polynomial of constants[0..count-1], from compensated Horner's rule:
    // p(x) = high + correction within gamma(2d)^2 of the evaluation scale (d the degree), and
    // y - high exactly, so the result is off by about one rounding of itself.
    // topParts is the split of the highest constant, the same at every point.
    template <int Count>
    Extended CompensatedResidual(
        const Extended* constants, const Pair& topParts, Extended x, Extended y)
    {
        if constexpr (Count == 2) {
            // A straight line, y - A(1) x - A(0), in exact steps: a third fewer than Horner's.
            const Pair product = TwoProduct(constants[1], topParts, x);
            const Pair first = TwoSum(y, -product.value);
            const Pair second = TwoSum(first.value, -constants[0]);
            return second.value + ((first.error + second.error) - product.error);
        }
        Extended high = constants[Count - 1];
        Extended correction = 0;
        for (int k = Count - 2; k >= 0; --k) {
            const Pair product = TwoProduct(high, k == Count - 2 ? topParts : Split(high), x);
            const Pair sum = TwoSum(product.value, constants[k]);
            high = sum.value;
            correction = k == Count - 2 ? product.error + sum.error
                                        : correction * x + (product.error + sum.error);
        }
        const Pair difference = TwoSum(y, -high);
        return difference.value + (difference.error - correction);
    }

} // namespace

bool SolvePointByPointInExtended(const data::PointStore& points, FitState& fit, int basisCount)
{
    WithBasisCount(basisCount, [&](auto count) { SumNormalMatrix<count()>(points, fit); });
    if (!InvertNormalMatrix(fit, basisCount))
        return false;
    WithBasisCount(basisCount, [&](auto count) { SumConstants<count()>(points, fit); });
    return true;
}

bool SumResidualsPointByPoint(const data::PointStore& points, FitState& fit, int lostBits)
{
    const int count = fit.ConstantCount;
    if ((fit.FitType != StraightLine && fit.FitType != Polynomial) || count < 1)
        return false;
    const Extended unit = std::ldexp(Extended(1), -ExtendedBits);
    // The residual is off by a rounding of itself and of what is left of the correction, and by
    // gamma(2d)^2 of the scale: in units of the unit, at most twice |r| and
    // 8 (d + 1)^2 unit (scale + |y|).
    const Extended scaleFactor = 8 * static_cast<Extended>(count) * count * unit;
    ResidualSumAccuracy accuracy(ExtendedBits, 0);
    // The square rounds once, as each addition does.
    accuracy.SetSumRoundings(ResidualSumRoundings(fit.FitPointCount) + 1);
    const int firstIndex = fit.ZeroForce ? 1 : 0;
    Extended scaledNorm = 0;
    for (int row = 1; row <= fit.SystemSize; ++row)
        scaledNorm += std::fabs(fit.FitConstants[row - 1 + firstIndex])
            * std::sqrt(fit.NormalMatrix(row, row));
    accuracy.AddConstantsError(ExtendedBits, lostBits, fit.SystemSize, scaledNorm);

    common::ClearFloatingPointFlags();
    const Extended* constants = fit.FitConstants.data();
    // The largest |x| and |y| in a loop of their own: in the residuals' loop they would take
    // two of the eight x87 registers, and its sums would go to memory at every point.
    Extended largestX = 0;
    Extended largestY = 0;
    for (int point = 1; point <= fit.FitPointCount; ++point) {
        largestX = std::max(largestX, std::fabs(points.XData[point]));
        largestY = std::max(largestY, std::fabs(points.YData[point]));
    }
    // The residuals of a few dozen points at a time go into a buffer, and their squares are
    // summed from it: in one loop the running sum would not fit the x87 registers beside the
    // residual's terms and would pass through memory at every point.
    constexpr int BufferLength = 64;
    std::array<Extended, BufferLength> residuals;
    Extended sum = 0;
    Extended largestResidual = 0;
    const Pair topParts = Split(constants[count - 1]);
    WithBasisCount(count, [&](auto constantCount) {
        for (int first = 1; first <= fit.FitPointCount; first += ResidualBlockLength) {
            const int last = std::min(fit.FitPointCount, first + ResidualBlockLength - 1);
            Extended block = 0;
            for (int start = first; start <= last; start += BufferLength) {
                const int length = std::min(BufferLength, last - start + 1);
                for (int index = 0; index < length; ++index)
                    residuals[index] = CompensatedResidual<constantCount()>(constants, topParts,
                        points.XData[start + index], points.YData[start + index]);
                for (int index = 0; index < length; ++index) {
                    const Extended residual = residuals[index];
                    block = block + residual * residual;
                    largestResidual = std::max(largestResidual, std::fabs(residual));
                }
            }
            sum = sum + block;
        }
    });
    // Every point judged at once by the largest: the scale of a polynomial grows with |x|.
    const Extended largestScale = EvaluationScale(Polynomial, constants, count, largestX);
    accuracy.Add(
        2 * largestResidual + scaleFactor * (largestScale + largestY), 0, fit.FitPointCount);
    const bool faulted = std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO) != 0;
    common::ClearFloatingPointFlags();
    if (faulted || accuracy.Judge(sum) != ResidualSumAccuracy::Verdict::Settled)
        return false;
    fit.ResidualSumOfSquares = sum;
    return true;
}

} // namespace fit
