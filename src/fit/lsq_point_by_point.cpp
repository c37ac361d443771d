// src/fit/lsq_point_by_point.cpp: the normal equations of many points summed as they are passed.
#include "fit/lsq_point_by_point.h"

#include "common/floating_point_step.h"
#include "fit/invert_matrix.h"
#include "fit/model_value.h"
#include "fit/singular_system.h"

#include <array>

namespace fit {

namespace {

    using Powers = std::array<Extended, MaxBasisFunctions>;

    // powers[j] = u^(firstPower + j) for j = 0..basisCount-1, each from the one before.
    void FillPowers(Extended u, int firstPower, int basisCount, Powers& powers)
    {
        Extended power = firstPower == 0 ? Extended(1) : u;
        for (int index = 0; index < basisCount; ++index) {
            powers[index] = power;
            power = power * u;
        }
    }

    // NormalMatrix(row, column) sums power(row) * power(column) over the points; each sum
    // below the diagonal is the one above it.
    void SumNormalMatrix(const data::PointStore& points, FitState& fit, int basisCount)
    {
        const int firstPower = fit.ZeroForce ? 1 : 0;
        std::array<Extended, MaxBasisFunctions * MaxBasisFunctions> sums {};
        Powers powers {};
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= points.PointCount; ++point) {
            Extended u;
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            FillPowers(u, firstPower, basisCount, powers);
            Extended* sum = sums.data();
            for (int row = 0; row < basisCount; ++row)
                for (int column = row; column < basisCount; ++column, ++sum)
                    *sum = *sum + powers[row] * powers[column];
        }
        common::CheckFloatingPointFlags();
        const Extended* sum = sums.data();
        for (int row = 1; row <= basisCount; ++row)
            for (int column = row; column <= basisCount; ++column, ++sum) {
                fit.NormalMatrix(row, column) = *sum;
                fit.NormalMatrix(column, row) = *sum;
            }
    }

    // FitConstants[row - 1] sums, over the points, the pseudo-inverse value of the point (the
    // sum over k of InverseMatrix(row, k) * power(k)) times its ordinate as fitted.
    void SumConstants(const data::PointStore& points, FitState& fit, int basisCount)
    {
        const int firstPower = fit.ZeroForce ? 1 : 0;
        std::array<Extended, MaxBasisFunctions * MaxBasisFunctions> inverse {};
        for (int row = 1; row <= basisCount; ++row)
            for (int k = 1; k <= basisCount; ++k)
                inverse[(row - 1) * basisCount + k - 1] = fit.InverseMatrix(row, k);
        Powers constants {};
        Powers powers {};
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= points.PointCount; ++point) {
            Extended u;
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            Extended y;
            SetFittedOrdinate(y, fit.FitType, points.YData[point]);
            FillPowers(u, firstPower, basisCount, powers);
            const Extended* inverseRow = inverse.data();
            for (int row = 0; row < basisCount; ++row, inverseRow += basisCount) {
                Extended pseudoInverse = 0;
                for (int k = 0; k < basisCount; ++k)
                    pseudoInverse = pseudoInverse + powers[k] * inverseRow[k];
                constants[row] = constants[row] + pseudoInverse * y;
            }
        }
        common::CheckFloatingPointFlags();
        for (int row = 0; row < basisCount; ++row)
            fit.FitConstants[row] = constants[row];
    }

} // namespace

bool SolvePointByPointInExtended(const data::PointStore& points, FitState& fit, int basisCount)
{
    SumNormalMatrix(points, fit, basisCount);
    fit.SystemSize = basisCount;
    for (int row = 1; row <= basisCount; ++row)
        for (int column = 1; column <= basisCount; ++column)
            fit.SolveMatrix(row, column) = fit.NormalMatrix(row, column);
    try {
        InvertMatrix(fit);
    } catch (const SingularSystem&) {
        return false;
    } catch (const common::FloatingPointError&) {
        return false;
    }
    SumConstants(points, fit, basisCount);
    return true;
}

} // namespace fit
