// src/fit/wide_fit.cpp: the steps of the fit in the wide type, widened until settled.
#include "fit/wide_fit.h"

#include "common/failure.h"
#include "fit/condition_estimate.h"
#include "fit/distinct_abscissae.h"
#include "fit/elimination.h"
#include "fit/model_value.h"
#include "fit/residual_accuracy.h"
#include "fit/square_matrix.h"

#include <algorithm>
#include <array>
#include <cmath>
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

    // The normal matrix element (j, k) sums the products of design columns j and k,
    // u^(j - 1 + f) u^(k - 1 + f) with f = 1 when forced: the power sum of j + k - 2 + 2f. So
    // sums[k] = the sum of u^(k + 2f) for k = 0..2m-2, and rightSide[j] = the sum of
    // u^(j + f) y' for j = 0..m-1, with u and y' as fitted.
    // The points as fitted are kept in fittedX and fittedY where they are logarithms.
    void SumPowers(const data::PointStore& points, const FitState& fit, int basisCount,
        std::vector<WideFloat>& sums, std::vector<WideFloat>& rightSide,
        std::vector<WideFloat>& fittedX, std::vector<WideFloat>& fittedY)
    {
        const bool logarithmic = fit.FitType == PowerLaw || fit.FitType == Exponential;
        const int firstPower = FirstPower(fit);
        const int highestPower = 2 * (basisCount - 1 + firstPower);
        WideFloat u;
        WideFloat y;
        WideFloat power;
        WideFloat product;
        for (int point = 1; point <= points.PointCount; ++point) {
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            SetFittedOrdinate(y, fit.FitType, points.YData[point]);
            if (logarithmic) {
                fittedX.push_back(u);
                fittedY.push_back(y);
            }
            power = 1;
            for (int exponent = 0; exponent <= highestPower; ++exponent) {
                if (exponent >= 2 * firstPower) {
                    mpfr_ptr sum = Raw(sums[exponent - 2 * firstPower]);
                    mpfr_add(sum, sum, Raw(power), MPFR_RNDN);
                }
                if (exponent >= firstPower && exponent < firstPower + basisCount) {
                    mpfr_ptr sum = Raw(rightSide[exponent - firstPower]);
                    mpfr_mul(Raw(product), Raw(power), Raw(y), MPFR_RNDN);
                    mpfr_add(sum, sum, Raw(product), MPFR_RNDN);
                }
                if (exponent < highestPower)
                    mpfr_mul(Raw(power), Raw(power), Raw(u), MPFR_RNDN);
            }
        }
    }

    // The normal matrix read from its power sums (SumPowers).
    struct NormalFromSums {
        const std::vector<WideFloat>& sums;
        const WideFloat& operator()(int row, int column) const { return sums[row + column - 2]; }
    };

    // What the residual sums of one fit share: the constants rounded, the bound their own error
    // adds to the sum, and the centred polynomial rounded, where there is one.
    struct ResidualTerms {
        int count = 0;
        int basisCount = 0;
        int width = 0;
        int lostBits = 0;
        std::array<Extended, MaxConstants> constants {};
        Extended scaledNorm = 0;
        std::optional<Extended> centre;
        std::array<Extended, MaxConstants> centred {};
    };

    ResidualSumAccuracy::Verdict Judged(
        ResidualSumAccuracy& accuracy, const ResidualTerms& terms, Extended residualSum)
    {
        accuracy.AddConstantsError(terms.width, terms.lostBits, terms.basisCount, terms.scaledNorm);
        common::ClearFloatingPointFlags();
        return accuracy.Judge(residualSum);
    }

    // The residual sum from the centred polynomial in Extended: the cancellation that the powers
    // of x suffer is gone, so where the rounding error bound settles it, the sum needs no wide
    // arithmetic. nullopt where it does not.
    std::optional<Extended> SumCentredResiduals(
        const data::PointStore& points, const ResidualTerms& terms)
    {
        // Horner's rule rounds twice a constant, x - centre and the rounded constants once, the
        // subtraction from y once more.
        ResidualSumAccuracy accuracy(ExtendedBits, 3 * terms.count + 3);
        Extended sum = 0;
        for (int point = 1; point <= points.PointCount; ++point) {
            const Extended shifted = points.XData[point] - *terms.centre;
            Extended value;
            SetModelValue(value, Polynomial, terms.centred.data(), terms.count, shifted);
            const Extended residual = points.YData[point] - value;
            sum += residual * residual;
            accuracy.Add(points.YData[point],
                EvaluationScale(Polynomial, terms.centred.data(), terms.count, shifted));
        }
        if (Judged(accuracy, terms, sum) != ResidualSumAccuracy::Verdict::Settled)
            return std::nullopt;
        return sum;
    }

    // The residual sum over the points as read, in the wide type, and whether it is settled at
    // this width. A sum within its rounding error of 0, far below the data's scale, is that of
    // an exact fit: 0.
    bool SumWideResiduals(const data::PointStore& points, const FitState& fit,
        const std::vector<WideFloat>& constants, const ResidualTerms& terms, WideFloat& sum)
    {
        // As in the Extended residual sum.
        ResidualSumAccuracy accuracy(terms.width, 2 * terms.count + 2);
        WideFloat x;
        WideFloat value;
        WideFloat residual;
        WideFloat square;
        sum = 0;
        const bool polynomial = IsPolynomial(fit.FitType);
        for (int point = 1; point <= points.PointCount; ++point) {
            x = points.XData[point];
            if (polynomial && terms.count >= 1) {
                // SetModelValue's Horner's rule, step for step.
                mpfr_set(Raw(value), Raw(constants[terms.count - 1]), MPFR_RNDN);
                for (int k = terms.count - 2; k >= 0; --k) {
                    mpfr_mul(Raw(value), Raw(value), Raw(x), MPFR_RNDN);
                    mpfr_add(Raw(value), Raw(value), Raw(constants[k]), MPFR_RNDN);
                }
            } else {
                SetModelValue(value, fit.FitType, constants.data(), terms.count, x);
            }
            mpfr_set_ld(Raw(residual), points.YData[point], MPFR_RNDN);
            mpfr_sub(Raw(residual), Raw(residual), Raw(value), MPFR_RNDN);
            mpfr_sqr(Raw(square), Raw(residual), MPFR_RNDN);
            mpfr_add(Raw(sum), Raw(sum), Raw(square), MPFR_RNDN);
            accuracy.Add(points.YData[point],
                EvaluationScale(
                    fit.FitType, terms.constants.data(), terms.count, points.XData[point]));
        }
        switch (Judged(accuracy, terms, NearestExtended(sum))) {
        case ResidualSumAccuracy::Verdict::Unsettled:
            return false;
        case ResidualSumAccuracy::Verdict::ExactFit:
            sum = 0;
            return true;
        case ResidualSumAccuracy::Verdict::Settled:
            return true;
        }
        return true;
    }

    // The residual sum of the straight line through the logarithms fittedX and fittedY, in the
    // wide type, judged like SumWideResiduals.
    bool SumWideLogResiduals(const std::vector<WideFloat>& fittedX,
        const std::vector<WideFloat>& fittedY, const std::vector<WideFloat>& constants,
        const ResidualTerms& terms, WideFloat& sum)
    {
        ResidualSumAccuracy accuracy(terms.width, 2 * 2 + 2);
        WideFloat residual;
        WideFloat square;
        sum = 0;
        for (std::size_t point = 0; point < fittedX.size(); ++point) {
            mpfr_mul(Raw(residual), Raw(constants[1]), Raw(fittedX[point]), MPFR_RNDN);
            mpfr_add(Raw(residual), Raw(residual), Raw(constants[0]), MPFR_RNDN);
            mpfr_sub(Raw(residual), Raw(fittedY[point]), Raw(residual), MPFR_RNDN);
            mpfr_sqr(Raw(square), Raw(residual), MPFR_RNDN);
            mpfr_add(Raw(sum), Raw(sum), Raw(square), MPFR_RNDN);
            accuracy.Add(NearestExtended(fittedY[point]),
                EvaluationScale(
                    StraightLine, terms.constants.data(), 2, NearestExtended(fittedX[point])));
        }
        switch (Judged(accuracy, terms, NearestExtended(sum))) {
        case ResidualSumAccuracy::Verdict::Unsettled:
            return false;
        case ResidualSumAccuracy::Verdict::ExactFit:
            sum = 0;
            return true;
        case ResidualSumAccuracy::Verdict::Settled:
            return true;
        }
        return true;
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

    // The fit at one width: the solution when it is settled there, else the width to try next.
    std::optional<WideSolution> SolveAtWidth(const data::PointStore& points, const FitState& fit,
        int basisCount, int bits, int& nextBits)
    {
        const WidePrecision precision(bits);
        const int width = precision.Bits();
        nextBits = 2 * width;

        std::vector<WideFloat> sums(2 * basisCount - 1);
        std::vector<WideFloat> rightSide(basisCount);
        std::vector<WideFloat> fittedX;
        std::vector<WideFloat> fittedY;
        SumPowers(points, fit, basisCount, sums, rightSide, fittedX, fittedY);
        const NormalFromSums normal { sums };
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
        const std::optional<int> lost = LostBits<WideFloat, WideSteps>(normal, inverse, basisCount);
        if (!lost)
            return std::nullopt;
        if (*lost + SettledBits > width) {
            // Near the width itself the estimate tells little: then at least double.
            nextBits = *lost + ExtendedBits < width ? WidthFor(*lost)
                                                    : std::max(WidthFor(*lost), 2 * width);
            return std::nullopt;
        }

        WideSolution solution;
        solution.Bits = width;
        solution.BasisCount = basisCount;
        // The constants (D^T D)^-1 D^T y' through the inverse; a forced fit's A(0) stays 0.
        const int firstIndex = FirstPower(fit);
        solution.Constants.resize(basisCount + firstIndex);
        WideFloat product;
        for (int row = 1; row <= basisCount; ++row)
            for (int column = 1; column <= basisCount; ++column) {
                multiply(product, inverse(row, column), rightSide[column - 1]);
                solution.Constants[row - 1 + firstIndex] += product;
            }
        if (IsPolynomial(fit.FitType) && solution.Constants.size() >= 2) {
            solution.CurveCentred = true;
            solution.CurveCentre = CentreOf(points);
            solution.CentredConstants = CentredConstants(solution.Constants, solution.CurveCentre);
        }

        ResidualTerms terms;
        terms.count = static_cast<int>(solution.Constants.size());
        terms.basisCount = basisCount;
        terms.width = width;
        terms.lostBits = *lost;
        bool centredFinite = solution.CurveCentred;
        for (int k = 0; k < terms.count; ++k) {
            terms.constants[k] = NearestExtended(solution.Constants[k]);
            if (solution.CurveCentred) {
                terms.centred[k] = NearestExtended(solution.CentredConstants[k]);
                centredFinite = centredFinite && std::isfinite(terms.centred[k]);
            }
        }
        if (centredFinite)
            terms.centre = solution.CurveCentre;
        for (int row = 1; row <= basisCount; ++row)
            terms.scaledNorm += std::fabs(terms.constants[row - 1 + firstIndex])
                * std::sqrt(NearestExtended(normal(row, row)));
        std::optional<Extended> centredSum;
        if (terms.centre)
            centredSum = SumCentredResiduals(points, terms);
        if (centredSum)
            solution.ResidualSumOfSquares = *centredSum;
        else if (!SumWideResiduals(
                     points, fit, solution.Constants, terms, solution.ResidualSumOfSquares))
            return std::nullopt;
        if (!fittedX.empty()
            && !SumWideLogResiduals(
                fittedX, fittedY, solution.Constants, terms, solution.LogResidualSumOfSquares))
            return std::nullopt;

        for (int row = 1; row <= basisCount; ++row)
            for (int column = 1; column <= basisCount; ++column) {
                solution.NormalMatrix.push_back(normal(row, column));
                solution.InverseMatrix.push_back(inverse(row, column));
            }
        return solution;
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
        int nextBits = 0;
        std::optional<WideSolution> solution
            = SolveAtWidth(points, fit, basisCount, bits, nextBits);
        if (solution)
            return std::move(*solution);
        if (bits >= MaxWideBits)
            throw common::FloatingPointError(common::FloatingPointError::Kind::InvalidOperation);
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
    const Extended residualSum = RoundToExtended(solution.ResidualSumOfSquares);
    fit.LogResidualSumOfSquares = RoundToExtended(solution.LogResidualSumOfSquares);
    fit.ResidualSumOfSquares = residualSum;
}

} // namespace fit
