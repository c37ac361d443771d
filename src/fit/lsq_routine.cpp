// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/lsq_routine.cpp: the normal equations through the explicit inverse in Extended, and the
// choice of the wide road.
#include "fit/lsq_routine.h"

#include "common/floating_point_step.h"
#include "fit/calculate_residuals.h"
#include "fit/condition_estimate.h"
#include "fit/exact_arithmetic.h"
#include "fit/fitting_function.h"
#include "fit/invert_matrix.h"
#include "fit/lsq_point_by_point.h"
#include "fit/model_value.h"
#include "fit/residual_accuracy.h"
#include "fit/wide_fit.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace fit {

namespace {

    // Every sum below starts at 0 and adds its terms in increasing order of the summed index,
    // each product rounded to Extended first, so a fit gives the same bits on every build.

    void TransformPoints(const data::PointStore& points, FitState& fit)
    {
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= points.PointCount; ++point)
            SetFittedAbscissa(fit.FitX[point], fit.FitType, points.XData[point]);
        common::CheckFloatingPointFlags();

        for (int point = 1; point <= points.PointCount; ++point)
            SetFittedOrdinate(fit.FitY[point], fit.FitType, points.YData[point]);
        common::CheckFloatingPointFlags();
    }

    // Column j holds u^j when forced, else u^(j-1): without forcing column 1 is all ones.
    void BuildDesign(FitState& fit, int pointCount, int basisCount)
    {
        common::ClearFloatingPointFlags();
        const int firstPower = FirstPower(fit);
        for (int point = 1; point <= pointCount; ++point)
            RaiseToPowers(fit.FitX[point], firstPower,
                std::span<Extended>(&fit.DesignMatrix(point, 1), basisCount));
        common::CheckFloatingPointFlags();

        for (int column = 1; column <= basisCount; ++column)
            for (int point = 1; point <= pointCount; ++point)
                fit.DesignTranspose(column, point) = fit.DesignMatrix(point, column);
    }

    // sums[b] = the sum over i = 0..length-1 of shared[i] * others[b][i], from 0 in increasing
    // i, for Count sums at once: sharing the loads of shared[i] keeps down the 80-bit loads that
    // these loops spend their time on. Each sum is exactly the one taken alone.
    template <int Count>
    std::array<Extended, Count> DotProducts(
        const Extended* shared, const std::array<const Extended*, Count>& others, int length)
    {
        std::array<Extended, Count> sums {};
        for (int index = 0; index < length; ++index) {
            const Extended value = shared[index];
            for (int block = 0; block < Count; ++block)
                sums[block] = sums[block] + value * others[block][index];
        }
        return sums;
    }

    // The sums of shared against the values of each column firstColumn..lastColumn, four
    // columns at a time; store(column, sum) takes each.
    template <typename ColumnValues, typename Store>
    void SumRowInBlocks(const Extended* shared, int firstColumn, int lastColumn, int length,
        ColumnValues columnValues, Store store)
    {
        int column = firstColumn;
        for (; column + 3 <= lastColumn; column += 4) {
            const std::array<Extended, 4> sums = DotProducts<4>(shared,
                { columnValues(column), columnValues(column + 1), columnValues(column + 2),
                    columnValues(column + 3) },
                length);
            for (int block = 0; block < 4; ++block)
                store(column + block, sums[block]);
        }
        for (; column <= lastColumn; ++column)
            store(column, DotProducts<1>(shared, { columnValues(column) }, length)[0]);
    }

    // NormalMatrix(row, column) sums DesignTranspose(row, point) * DesignMatrix(point, column);
    // the second factor is read as the equal DesignTranspose(column, point), one contiguous
    // block. The two products of (row, column) and (column, row) are the same numbers summed in
    // the same order, so each sum below the diagonal is the one above it.
    void BuildNormalMatrix(FitState& fit, int pointCount, int basisCount)
    {
        common::ClearFloatingPointFlags();
        for (int row = 1; row <= basisCount; ++row) {
            SumRowInBlocks(
                &fit.DesignTranspose(row, 1), row, basisCount, pointCount,
                [&](int column) { return &fit.DesignTranspose(column, 1); },
                [&](int column, Extended sum) {
                    fit.NormalMatrix(row, column) = sum;
                    fit.NormalMatrix(column, row) = sum;
                });
        }
        common::CheckFloatingPointFlags();
    }

    // PseudoInverse(row, point) sums InverseMatrix(row, k) * DesignTranspose(k, point) over k;
    // the second factor is read as the equal DesignMatrix(point, k), one contiguous block.
    void BuildPseudoInverse(FitState& fit, int pointCount, int basisCount)
    {
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= pointCount; ++point) {
            SumRowInBlocks(
                &fit.DesignMatrix(point, 1), 1, basisCount, basisCount,
                [&](int row) { return &fit.InverseMatrix(row, 1); },
                [&](int row, Extended sum) { fit.PseudoInverse(row, point) = sum; });
        }
        common::CheckFloatingPointFlags();
    }

    // The constants (D^T D)^-1 D^T y' through the explicit inverse, which stays for the
    // uncertainties.
    void FormConstants(FitState& fit, int pointCount, int basisCount)
    {
        common::ClearFloatingPointFlags();
        for (int row = 1; row <= basisCount; ++row) {
            Extended sum = 0;
            for (int point = 1; point <= pointCount; ++point)
                sum = sum + fit.PseudoInverse(row, point) * fit.FitY[point];
            fit.FitConstants[row - 1] = sum;
        }
        common::CheckFloatingPointFlags();
    }

    // A forced fit moves every constant up one index, from the top down, and puts A(0) = 0.
    void InsertForcedZero(FitState& fit, int basisCount)
    {
        fit.ConstantCount = basisCount + 1;
        for (int index = basisCount; index >= 1; --index)
            fit.FitConstants[index] = fit.FitConstants[index - 1];
        fit.FitConstants[0] = 0;
    }

    // Extended carries a fit whose normal matrix loses at most these bits (its condition
    // estimate is at most 2^12): its results keep about 15 significant digits.
    constexpr int ExtendedLostBitsLimit = 12;

    // The Extended road from the design to the constants. False, with nothing formed that
    // counts, when the normal matrix turns out to have no Extended inverse.
    bool SolveInExtended(FitState& fit, int pointCount, int basisCount)
    {
        BuildDesign(fit, pointCount, basisCount);
        BuildNormalMatrix(fit, pointCount, basisCount);
        if (!InvertNormalMatrix(fit, basisCount))
            return false;
        BuildPseudoInverse(fit, pointCount, basisCount);
        FormConstants(fit, pointCount, basisCount);
        return true;
    }

    // Where the points lie exactly on a polynomial of the fit's form (pointAt(i) for i from 1:
    // the data, or the points as fitted), sets the constants to the exact ones, rounded, and
    // says so. Throws common::FloatingPointError (overflow) for one beyond the range.
    template <typename PointAt> bool SetExactConstants(PointAt pointAt, FitState& fit)
    {
        const WidePrecision precision(2 * ExtendedBits);
        std::vector<WideFloat> u;
        std::vector<WideFloat> v;
        for (int point = 1; point <= fit.FitPointCount; ++point) {
            const FittedPoint fitted = pointAt(point);
            u.emplace_back(fitted.u);
            v.emplace_back(fitted.v);
        }
        const bool polynomial = IsPolynomial(fit.FitType);
        const int firstIndex = polynomial ? FirstPower(fit) : 0;
        const std::optional<std::vector<WideFloat>> exact
            = ExactPolynomialThrough(u, v, polynomial ? fit.SystemSize : 2, firstIndex);
        if (!exact)
            return false;
        std::array<Extended, MaxConstants> constants {};
        for (std::size_t k = 0; k < exact->size(); ++k)
            constants[k + firstIndex] = RoundToExtended((*exact)[k]);
        fit.FitConstants = constants;
        return true;
    }

    // Takes the residual sums of the Extended fit just made and settles them where Extended
    // can: false where they need the wide road. A sum that may be 0 is 0 only for points
    // exactly on the fitted polynomial (for the power law and the exponential, the logarithms
    // on their straight line; their sum of y is left to the wide road).
    bool SettleResidualSumsInExtended(const data::PointStore& points, FitState& fit, int lostBits)
    {
        using enum ResidualSumAccuracy::Verdict;
        if (!IsPolynomial(fit.FitType)) {
            CalculateLogResiduals(points, fit);
            switch (LogResidualSumVerdict(points, fit, lostBits)) {
            case Unsettled:
                return false;
            case Settled:
                break;
            case MaybeZero:
                if (!SetExactConstants(
                        [&](int point) { return FittedPointAt(points, fit, point); }, fit))
                    return false;
                fit.LogResidualSumOfSquares = 0;
                break;
            }
        }
        CalculateResiduals(points, fit);
        switch (ResidualSumVerdict(points, fit, lostBits)) {
        case Unsettled:
            return false;
        case Settled:
            return true;
        case MaybeZero:
            if (!IsPolynomial(fit.FitType)
                || !SetExactConstants(
                    [&](int point) {
                        return FittedPoint { points.XData[point], points.YData[point] };
                    },
                    fit))
                return false;
            fit.ResidualSumOfSquares = 0;
            return true;
        }
        return false;
    }

    // Whether the residual sums of y taken in Extended keep their digits and their error bounds
    // within the range: where the largest |y| lies between 2^-8000 and 2^8000 (or every y is
    // 0). Beyond, the squares of residuals of the size of y, or their bounds, fall below the
    // normal range or overflow, and the wide road's sums, which keep their full range, take over.
    bool ResidualSumsFitExtended(const data::PointStore& points)
    {
        Extended largest = 0;
        for (int point = 1; point <= points.PointCount; ++point)
            largest = std::max(largest, std::fabs(points.YData[point]));
        return largest == 0
            || (largest >= std::ldexp(Extended(1), -8000)
                && largest <= std::ldexp(Extended(1), 8000));
    }

} // namespace

void LsqRoutine(const data::PointStore& points, FitState& fit)
{
    const int pointCount = points.PointCount;
    const int basisCount = BasisFunctionCount(fit);
    assert(basisCount >= 0 && basisCount <= MaxBasisFunctions);
    // FitX, FitY and the design hold MaxPoints points; more are fitted point by point.
    const bool pointByPoint = pointCount > data::MaxPoints;

    fit.SignificandBits = ExtendedBits;
    fit.CurveCentred = false;
    fit.WideResults.reset();
    std::optional<int> lostBits;
    std::optional<WideSolution> wide;
    try {
        if (!pointByPoint)
            TransformPoints(points, fit);
        fit.FitPointCount = pointCount;
        fit.ConstantCount = basisCount;
        // A system too ill-conditioned for Extended takes the same steps in a wider significand.
        // Faults of the design and of the normal matrix are the data's and pass out as they
        // are; on the wide road the same values fault where they are rounded into FitState.
        lostBits = pointByPoint ? EstimateLostBits(points, fit, basisCount)
                                : EstimateLostBits(fit, pointCount, basisCount);
        const bool inExtended = lostBits && *lostBits <= ExtendedLostBitsLimit
            && (pointByPoint ? SolvePointByPointInExtended(points, fit, basisCount)
                             : SolveInExtended(fit, pointCount, basisCount));
        if (inExtended && fit.ZeroForce)
            InsertForcedZero(fit, basisCount);
        if (!inExtended) {
            wide = SolveInWidePrecision(points, fit, lostBits);
            StoreWideConstants(*wide, fit);
        }
    } catch (...) {
        fit.FitValid = false;
        throw;
    }

    // From here on the constants are whole: a failure keeps FitValid as it is.
    if (wide) {
        StoreWideResidualSum(*wide, fit);
        fit.WideResults = std::make_shared<const WideSolution>(std::move(*wide));
        return;
    }
    // Beyond the window's points the straight line and polynomial take their residual sum with
    // twice Extended's significand first, which settles most of them.
    const bool inExtendedRange = ResidualSumsFitExtended(points);
    if (pointByPoint && inExtendedRange && SumResidualsPointByPoint(points, fit, *lostBits))
        return;
    if (!inExtendedRange || !SettleResidualSumsInExtended(points, fit, *lostBits)) {
        // Residuals far below the data, or within their error of 0: their sum needs the digits
        // Extended lost to cancellation. y near the edges of the range: the range of MPFR.
        WideSolution settled = SolveInWidePrecision(points, fit, lostBits);
        StoreWideConstants(settled, fit);
        StoreWideResidualSum(settled, fit);
        fit.WideResults = std::make_shared<const WideSolution>(std::move(settled));
    }
}

} // namespace fit
