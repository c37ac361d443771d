// src/fit/lsq_routine.cpp: the normal equations through the explicit inverse, in Extended.
#include "fit/lsq_routine.h"

#include "common/floating_point_step.h"
#include "fit/calculate_residuals.h"
#include "fit/fitting_function.h"
#include "fit/invert_matrix.h"

#include <cassert>
#include <cmath>

namespace fit {

namespace {

    // Every sum below starts at 0 and adds its terms in increasing order of the summed index,
    // each product rounded to Extended first, so a fit gives the same bits on every build.

    void TransformPoints(const data::PointStore& points, FitState& fit)
    {
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= points.PointCount; ++point)
            fit.FitX[point] = fit.FitType == PowerLaw ? std::log(std::fabs(points.XData[point]))
                                                      : points.XData[point];
        common::CheckFloatingPointFlags();

        for (int point = 1; point <= points.PointCount; ++point)
            fit.FitY[point] = fit.FitType == PowerLaw || fit.FitType == Exponential
                ? std::log(std::fabs(points.YData[point]))
                : points.YData[point];
        common::CheckFloatingPointFlags();
    }

    // Column j holds u^j when forced, else u^(j-1): without forcing column 1 is all ones.
    void BuildDesign(FitState& fit, int pointCount, int basisCount)
    {
        common::ClearFloatingPointFlags();
        const int firstPower = fit.ZeroForce ? 1 : 0;
        for (int point = 1; point <= pointCount; ++point)
            for (int column = 1; column <= basisCount; ++column)
                fit.DesignMatrix(point, column)
                    = RaiseToPower(column - 1 + firstPower, fit.FitX[point]);
        common::CheckFloatingPointFlags();

        for (int column = 1; column <= basisCount; ++column)
            for (int point = 1; point <= pointCount; ++point)
                fit.DesignTranspose(column, point) = fit.DesignMatrix(point, column);
    }

    // Every element is summed; the symmetry is not used.
    void BuildNormalMatrix(FitState& fit, int pointCount, int basisCount)
    {
        common::ClearFloatingPointFlags();
        for (int row = 1; row <= basisCount; ++row)
            for (int column = 1; column <= basisCount; ++column) {
                Extended sum = 0;
                for (int point = 1; point <= pointCount; ++point)
                    sum = sum + fit.DesignTranspose(row, point) * fit.DesignMatrix(point, column);
                fit.NormalMatrix(row, column) = sum;
            }
        common::CheckFloatingPointFlags();
    }

    void BuildPseudoInverse(FitState& fit, int pointCount, int basisCount)
    {
        common::ClearFloatingPointFlags();
        for (int row = 1; row <= basisCount; ++row)
            for (int point = 1; point <= pointCount; ++point) {
                Extended sum = 0;
                for (int k = 1; k <= basisCount; ++k)
                    sum = sum + fit.InverseMatrix(row, k) * fit.DesignTranspose(k, point);
                fit.PseudoInverse(row, point) = sum;
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

} // namespace

int BasisFunctionCount(const FitState& fit)
{
    return fit.ZeroForce ? fit.FitOrder : fit.FitOrder + 1;
}

void LsqRoutine(const data::PointStore& points, FitState& fit)
{
    const int pointCount = points.PointCount;
    const int basisCount = BasisFunctionCount(fit);
    assert(basisCount >= 0 && basisCount <= MaxBasisFunctions);
    assert(pointCount >= 0 && pointCount <= data::MaxPoints);

    try {
        TransformPoints(points, fit);
        fit.FitPointCount = pointCount;
        fit.ConstantCount = basisCount;
        BuildDesign(fit, pointCount, basisCount);
        BuildNormalMatrix(fit, pointCount, basisCount);

        fit.SystemSize = basisCount;
        for (int row = 1; row <= basisCount; ++row)
            for (int column = 1; column <= basisCount; ++column)
                fit.SolveMatrix(row, column) = fit.NormalMatrix(row, column);
        InvertMatrix(fit);

        BuildPseudoInverse(fit, pointCount, basisCount);
        FormConstants(fit, pointCount, basisCount);
        if (fit.ZeroForce)
            InsertForcedZero(fit, basisCount);
    } catch (...) {
        fit.FitValid = false;
        throw;
    }

    // From here on the constants are whole: a failure keeps FitValid as it is.
    CalculateResiduals(points, fit);
}

} // namespace fit
