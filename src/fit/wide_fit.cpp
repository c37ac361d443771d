// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_fit.cpp: the steps of the fit in the wide type, widened until settled.
#include "fit/wide_fit.h"

#include "common/failure.h"
#include "fit/condition_estimate.h"
#include "fit/distinct_abscissae.h"
#include "fit/elimination.h"
#include "fit/exact_arithmetic.h"
#include "fit/model_value.h"
#include "fit/residual_accuracy.h"
#include "fit/square_matrix.h"
#include "fit/wide_power_sums.h"
#include "fit/wide_residual_sums.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

namespace fit {

namespace {

    // The bits asked of a settled result: Extended's, and 20 more for the rounding of sums over
    // up to 600 points and for constants far below the largest, which the estimate (a bound
    // relative to the largest scaled constant) does not see.
    constexpr int SettledBits = ExtendedBits + 20;

    // A width that settles a system losing lostBits, just under a whole number of 64-bit limbs,
    // where MPFR is quickest.
    int WidthFor(int lostBits)
    {
        const int limbs = (std::max(lostBits, 0) + SettledBits + 8 + 63) / 64;
        return std::min(64 * limbs - 8, MaxWideBits);
    }

    // The MPFR value behind a WideFloat. The loops over the points call MPFR directly: they are
    // most of the time a wide fit takes, and Boost's operators add their handling of precisions
    // to every step.
    mpfr_ptr Raw(WideFloat& value) { return value.backend().data(); }
    mpfr_srcptr Raw(const WideFloat& value) { return value.backend().data(); }

    // The elimination's steps straight to MPFR, rounding as Boost's would.
    struct WideSteps : FiniteSteps<WideFloat> {
        static void SetMagnitude(WideFloat& value) { mpfr_abs(Raw(value), Raw(value), MPFR_RNDN); }
        static void SubtractProduct(
            WideFloat& target, const WideFloat& x, const WideFloat& y, WideFloat& product)
        {
            mpfr_mul(Raw(product), Raw(x), Raw(y), MPFR_RNDN);
            mpfr_sub(Raw(target), Raw(target), Raw(product), MPFR_RNDN);
        }
        static void AddProduct(
            WideFloat& target, const WideFloat& x, const WideFloat& y, WideFloat& product)
        {
            mpfr_mul(Raw(product), Raw(x), Raw(y), MPFR_RNDN);
            mpfr_add(Raw(target), Raw(target), Raw(product), MPFR_RNDN);
        }
    };

    Extended NearestExtended(const WideFloat& value)
    {
        return mpfr_get_ld(value.backend().data(), MPFR_RNDN);
    }

    // The normal matrix read from its power sums.
    struct NormalFromSums {
        const std::vector<WideFloat>& sums;
        const WideFloat& operator()(int row, int column) const { return sums[row + column - 2]; }
    };

    // The inverse by InvertMatrix's elimination; nullopt where it has none at this width.
    std::optional<SquareMatrix<WideFloat>> InverseOf(const NormalFromSums& normal, int basisCount)
    {
        SquareMatrix<WideFloat> eliminated;
        for (int row = 1; row <= basisCount; ++row)
            for (int column = 1; column <= basisCount; ++column)
                eliminated(row, column) = normal(row, column);
        SquareMatrix<WideFloat> inverse;
        try {
            InvertEliminating<WideFloat, WideSteps>(eliminated, basisCount, inverse);
        } catch (const SingularSystem&) {
            return std::nullopt;
        }
        return inverse;
    }

    // The constants (D^T D)^-1 D^T y' through the inverse, from A(0); a forced fit's A(0) is 0.
    std::vector<WideFloat> ConstantsThroughInverse(const SquareMatrix<WideFloat>& inverse,
        const std::vector<WideFloat>& rightSide, int basisCount, int firstIndex)
    {
        std::vector<WideFloat> constants(basisCount + firstIndex);
        WideFloat product;
        for (int row = 1; row <= basisCount; ++row)
            for (int column = 1; column <= basisCount; ++column) {
                multiply(product, inverse(row, column), rightSide[column - 1]);
                constants[row - 1 + firstIndex] += product;
            }
        return constants;
    }

    // The polynomial of constants in powers of (x - centre), by repeated synthetic division.
    std::vector<WideFloat> CentredConstants(std::vector<WideFloat> constants, Extended centre)
    {
        const int count = static_cast<int>(constants.size());
        const WideFloat shift = centre;
        WideFloat product;
        for (int degree = 0; degree < count - 1; ++degree)
            for (int k = count - 2; k >= degree; --k) {
                multiply(product, shift, constants[k + 1]);
                constants[k] += product;
            }
        return constants;
    }

    // Halfway between the smallest and the largest x fitted.
    Extended CentreOf(const data::PointStore& points)
    {
        Extended smallest = points.XData[1];
        Extended largest = points.XData[1];
        for (int point = 2; point <= points.PointCount; ++point) {
            smallest = std::min(smallest, points.XData[point]);
            largest = std::max(largest, points.XData[point]);
        }
        return smallest / 2 + largest / 2;
    }

    // The terms of the residual sums of y (scaleExponent that of the largest |y|) or, with
    // scaleExponent 0, of the logarithms.
    ResidualTerms TermsOf(const WideSolution& solution, const std::vector<WideFloat>& constants,
        const NormalFromSums& normal, int lostBits, bool zeroForce, int scaleExponent)
    {
        ResidualTerms terms;
        terms.ScaleExponent = scaleExponent;
        terms.ConstantCount = static_cast<int>(constants.size());
        terms.BasisCount = solution.BasisCount;
        terms.Bits = solution.Bits;
        terms.LostBits = lostBits;
        bool centredFinite = solution.CurveCentred;
        for (int k = 0; k < terms.ConstantCount; ++k) {
            terms.Constants[k] = NearestExtended(constants[k]);
            if (solution.CurveCentred) {
                terms.CentredConstants[k] = NearestExtended(solution.CentredConstants[k]);
                centredFinite = centredFinite && std::isfinite(terms.CentredConstants[k]);
            }
        }
        if (centredFinite)
            terms.CurveCentre = solution.CurveCentre;
        terms.ScaledNorm = ScaledNorm(terms.Constants.data(), terms.BasisCount, zeroForce,
            [&](int row) { return NearestExtended(normal(row, row)); });
        return terms;
    }

    // The exact constants where the points lie exactly on a polynomial of the fit's form, the
    // forced 0 in front; nullopt where they do not.
    std::optional<std::vector<WideFloat>> ExactConstants(
        std::span<const WideFloat> u, std::span<const WideFloat> v, int basisCount, int firstIndex)
    {
        std::optional<std::vector<WideFloat>> exact
            = ExactPolynomialThrough(u, v, basisCount, firstIndex);
        if (exact && firstIndex == 1)
            exact->insert(exact->begin(), WideFloat(0));
        return exact;
    }

    // The points as read, in the wide type.
    void WidePoints(
        const data::PointStore& points, std::vector<WideFloat>& xs, std::vector<WideFloat>& ys)
    {
        for (int point = 1; point <= points.PointCount; ++point) {
            xs.emplace_back(points.XData[point]);
            ys.emplace_back(points.YData[point]);
        }
    }

    // The constants of a polynomial fit and the curve centred on its data.
    void SetPolynomialConstants(
        const data::PointStore& points, std::vector<WideFloat> constants, WideSolution& solution)
    {
        solution.Constants = std::move(constants);
        solution.CurveCentred = solution.Constants.size() >= 2;
        if (solution.CurveCentred) {
            solution.CurveCentre = CentreOf(points);
            solution.CentredConstants = CentredConstants(solution.Constants, solution.CurveCentre);
        }
    }

    // The residual sum of a straight line or polynomial, settled (SumPolynomialResiduals);
    // where it may be 0, the points decide, and on the curve exactly they give the exact
    // constants and the sum 0. False where this width does not settle it.
    bool SettlePolynomialResidualSum(const data::PointStore& points, const FitState& fit,
        const NormalFromSums& normal, int lostBits, WideSolution& solution)
    {
        const ResidualTerms terms = TermsOf(solution, solution.Constants, normal, lostBits,
            fit.ZeroForce, LargestExponent(points.YData, points.PointCount));
        JudgedSum judged = SumPolynomialResiduals(points, solution.Constants, terms);
        switch (judged.Verdict) {
        case ResidualSumAccuracy::Verdict::Unsettled:
            return false;
        case ResidualSumAccuracy::Verdict::Settled:
            solution.ResidualSumOfSquares = judged.Sum;
            return true;
        case ResidualSumAccuracy::Verdict::MaybeZero:
            break;
        }
        std::vector<WideFloat> xs;
        std::vector<WideFloat> ys;
        WidePoints(points, xs, ys);
        std::optional<std::vector<WideFloat>> exact
            = ExactConstants(xs, ys, solution.BasisCount, FirstPower(fit));
        if (!exact)
            return false;
        SetPolynomialConstants(points, std::move(*exact), solution);
        solution.ResidualSumOfSquares = 0;
        return true;
    }

    // The residual sums of a power law or exponential, settled: first that of the straight line
    // through the logarithms, which the points as fitted may show to be exactly 0 (their
    // constants then exact), then that of y. Where no exact test can tell, a sum counts as 0
    // within its bound of 0 by the data's own scale. False where this width does not settle
    // them.
    bool SettleLogarithmicResidualSums(const data::PointStore& points, const FitState& fit,
        const PowerSums& sums, const NormalFromSums& normal, int lostBits, WideSolution& solution)
    {
        const JudgedSum logarithmic = SumLogResiduals(sums.FittedX, sums.FittedY,
            solution.Constants, TermsOf(solution, solution.Constants, normal, lostBits, false, 0));
        switch (logarithmic.Verdict) {
        case ResidualSumAccuracy::Verdict::Unsettled:
            return false;
        case ResidualSumAccuracy::Verdict::Settled:
            solution.LogResidualSumOfSquares = logarithmic.Sum;
            break;
        case ResidualSumAccuracy::Verdict::MaybeZero: {
            // Logarithms rounded to the width lie exactly on a line only where that line is
            // flat or the like; elsewhere the data's own scale decides.
            std::optional<std::vector<WideFloat>> exact
                = ExactConstants(sums.FittedX, sums.FittedY, 2, 0);
            if (exact)
                solution.Constants = std::move(*exact);
            else if (!logarithmic.BelowDataScale)
                return false;
            solution.LogResidualSumOfSquares = 0;
            break;
        }
        }
        const JudgedSum judged = SumCurveResiduals(points, fit.FitType, solution.Constants,
            TermsOf(solution, solution.Constants, normal, lostBits, false,
                LargestExponent(points.YData, points.PointCount)));
        switch (judged.Verdict) {
        case ResidualSumAccuracy::Verdict::Unsettled:
            return false;
        case ResidualSumAccuracy::Verdict::Settled:
            solution.ResidualSumOfSquares = judged.Sum;
            return true;
        case ResidualSumAccuracy::Verdict::MaybeZero:
            if (!judged.BelowDataScale)
                return false;
            solution.ResidualSumOfSquares = 0;
            return true;
        }
        return false;
    }

    // The fit at one width whose inverse is settled (lostBits + SettledBits within it): nullopt
    // where its residual sums are not.
    std::optional<WideSolution> SettledSolution(const data::PointStore& points, const FitState& fit,
        const PowerSums& sums, const SquareMatrix<WideFloat>& inverse, int width, int lostBits)
    {
        const NormalFromSums normal { sums.Sums };
        WideSolution solution;
        solution.Bits = width;
        solution.BasisCount = static_cast<int>(sums.RightSide.size());
        std::vector<WideFloat> constants = ConstantsThroughInverse(
            inverse, sums.RightSide, solution.BasisCount, FirstPower(fit));
        if (IsPolynomial(fit.FitType)) {
            SetPolynomialConstants(points, std::move(constants), solution);
            if (!SettlePolynomialResidualSum(points, fit, normal, lostBits, solution))
                return std::nullopt;
        } else {
            solution.Constants = std::move(constants);
            if (!SettleLogarithmicResidualSums(points, fit, sums, normal, lostBits, solution))
                return std::nullopt;
        }
        for (int row = 1; row <= solution.BasisCount; ++row)
            for (int column = 1; column <= solution.BasisCount; ++column) {
                solution.NormalMatrix.push_back(normal(row, column));
                solution.InverseMatrix.push_back(inverse(row, column));
            }
        return solution;
    }

    // The width to try after one whose estimate of the bits lost (nullopt: no inverse found)
    // leaves the inverse unsettled. Near the width itself the estimate tells little: then at
    // least double.
    int NextWidth(std::optional<int> lostBits, int width)
    {
        if (!lostBits)
            return 2 * width;
        return *lostBits + ExtendedBits < width ? WidthFor(*lostBits)
                                                : std::max(WidthFor(*lostBits), 2 * width);
    }

} // namespace

WideSolution SolveInWidePrecision(
    const data::PointStore& points, const FitState& fit, std::optional<int> lostBits)
{
    // Without enough distinct abscissae no width would do.
    if (!HasEnoughDistinctX(points, fit))
        throw SingularSystem();
    const int basisCount = BasisFunctionCount(fit);
    int bits = WidthFor(lostBits.value_or(ExtendedBits));
    for (;;) {
        const WidePrecision precision(bits);
        const int width = precision.Bits();
        const PowerSums sums = SumPowers(points, fit, basisCount, width);
        const std::optional<SquareMatrix<WideFloat>> inverse
            = InverseOf(NormalFromSums { sums.Sums }, basisCount);
        std::optional<int> lost;
        if (inverse)
            lost = LostBits<WideFloat, WideSteps>(
                NormalFromSums { sums.Sums }, *inverse, basisCount);
        int nextBits = NextWidth(lost, width);
        if (lost && *lost + SettledBits <= width) {
            std::optional<WideSolution> solution
                = SettledSolution(points, fit, sums, *inverse, width, *lost);
            if (solution)
                return std::move(*solution);
            // Residual sums within their error of 0 or near it: more digits settle them.
            nextBits = 2 * width;
        }
        if (bits >= MaxWideBits)
            throw common::FloatingPointError(common::FloatingPointError::Kind::InvalidOperation,
                "The data need more than 4096 bits to be fitted exactly.");
        bits = std::min(nextBits, MaxWideBits);
    }
}

void StoreWideConstants(const WideSolution& solution, FitState& fit)
{
    // Everything is rounded before anything is written.
    const int basisCount = solution.BasisCount;
    const int count = static_cast<int>(solution.Constants.size());
    std::vector<Extended> normal;
    std::vector<Extended> inverse;
    for (int index = 0; index < basisCount * basisCount; ++index) {
        normal.push_back(RoundToExtended(solution.NormalMatrix[index]));
        inverse.push_back(RoundToExtended(solution.InverseMatrix[index]));
    }
    std::array<Extended, MaxConstants> constants {};
    for (int k = 0; k < count; ++k)
        constants[k] = RoundToExtended(solution.Constants[k]);
    std::array<Extended, MaxConstants> centred {};
    bool curveCentred = solution.CurveCentred;
    if (curveCentred)
        for (int k = 0; k < count; ++k) {
            centred[k] = NearestExtended(solution.CentredConstants[k]);
            curveCentred = curveCentred && std::isfinite(centred[k]);
        }
    common::ClearFloatingPointFlags();

    fit.SystemSize = basisCount;
    for (int row = 1; row <= basisCount; ++row)
        for (int column = 1; column <= basisCount; ++column) {
            const int index = (row - 1) * basisCount + column - 1;
            fit.NormalMatrix(row, column) = normal[index];
            fit.SolveMatrix(row, column) = normal[index];
            fit.InverseMatrix(row, column) = inverse[index];
        }
    for (int k = 0; k < count; ++k)
        fit.FitConstants[k] = constants[k];
    fit.ConstantCount = count;
    fit.CurveCentred = curveCentred;
    fit.CurveCentre = solution.CurveCentre;
    fit.CentredConstants = centred;
    fit.SignificandBits = solution.Bits;
}

void StoreWideResidualSum(const WideSolution& solution, FitState& fit)
{
    fit.ResidualSumOfSquares = NearestExtended(solution.ResidualSumOfSquares);
    fit.LogResidualSumOfSquares = NearestExtended(solution.LogResidualSumOfSquares);
    common::ClearFloatingPointFlags();
}

ScaledSum ResidualSumOf(const FitState& fit, bool logarithmic)
{
    const Extended rounded = logarithmic ? fit.LogResidualSumOfSquares : fit.ResidualSumOfSquares;
    if (!fit.WideResults || std::isnormal(rounded) || std::isnan(rounded))
        return ScaledSumOf(rounded);
    const WideFloat& sum = logarithmic ? fit.WideResults->LogResidualSumOfSquares
                                       : fit.WideResults->ResidualSumOfSquares;
    if (mpfr_zero_p(Raw(sum)))
        return ScaledSumOf(rounded);
    // A fraction within [1/2, 1) and an exponent, made even.
    long exponent = 0;
    Extended fraction = mpfr_get_ld_2exp(&exponent, Raw(sum), MPFR_RNDN);
    if (exponent % 2 != 0) {
        fraction *= 2;
        --exponent;
    }
    return { fraction, exponent / 2 };
}

} // namespace fit
