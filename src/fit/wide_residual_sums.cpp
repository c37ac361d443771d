// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_residual_sums.cpp: residual sums of wide constants, in Extended, whole-number limbs
// or MPFR, each judged by its rounding error bound.
#include "fit/wide_residual_sums.h"

#include "common/floating_point_step.h"
#include "fit/double_extended.h"
#include "fit/fixed_point_sum.h"
#include "fit/model_value.h"
#include "fit/wide_power_sums.h"

#include <gmp.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace fit {

namespace {

    mpfr_ptr Raw(WideFloat& value) { return value.backend().data(); }
    mpfr_srcptr Raw(const WideFloat& value) { return value.backend().data(); }

    Extended NearestExtended(const WideFloat& value)
    {
        return mpfr_get_ld(value.backend().data(), MPFR_RNDN);
    }

    // value 2^-exponent: exact, unless it falls below the normal range, where what is lost lies
    // 2^-16382 below the largest |y| and no bound that counts sees it.
    Extended Scaled(Extended value, int exponent) { return std::ldexp(value, -exponent); }

    // A sum taken in units of 2^(2 exponent), back in its own units, rounded to the width once.
    WideFloat Unscaled(const DoubleExtended& sum, int exponent)
    {
        WideFloat unscaled;
        WideFloat low;
        mpfr_set_ld(Raw(unscaled), sum.High, MPFR_RNDN);
        mpfr_set_ld(Raw(low), sum.Low, MPFR_RNDN);
        mpfr_add(Raw(unscaled), Raw(unscaled), Raw(low), MPFR_RNDN);
        mpfr_mul_2si(Raw(unscaled), Raw(unscaled), 2L * exponent, MPFR_RNDN);
        return unscaled;
    }

    // Adds the error of the constants to accuracy, for a sum that they make least-squares, then
    // judges scaledSum (the sum in units of 2^(2 ScaleExponent)).
    ResidualSumAccuracy::Verdict JudgeWithConstantsError(
        ResidualSumAccuracy& accuracy, const ResidualTerms& terms, Extended scaledSum)
    {
        accuracy.AddConstantsError(terms.Bits, terms.LostBits, terms.BasisCount,
            Scaled(terms.ScaledNorm, terms.ScaleExponent));
        common::ClearFloatingPointFlags();
        return accuracy.Judge(scaledSum);
    }

    // The verdict on a sum at full range whose points accuracy holds in scaled units, the error
    // of the constants added unless the caller has (withConstantsError false).
    JudgedSum Judged(ResidualSumAccuracy& accuracy, const ResidualTerms& terms, WideFloat sum,
        bool withConstantsError = true)
    {
        JudgedSum judged;
        judged.Sum = std::move(sum);
        WideFloat scaled;
        mpfr_mul_2si(Raw(scaled), Raw(judged.Sum), -2L * terms.ScaleExponent, MPFR_RNDN);
        const Extended scaledSum = NearestExtended(scaled);
        if (withConstantsError) {
            judged.Verdict = JudgeWithConstantsError(accuracy, terms, scaledSum);
        } else {
            common::ClearFloatingPointFlags();
            judged.Verdict = accuracy.Judge(scaledSum);
        }
        judged.BelowDataScale = accuracy.BelowDataScale(scaledSum);
        return judged;
    }

    // The scaled residuals of the fixed-point sum stay below 2^(top - scale + 5): their squares
    // and error bounds keep well within the Extended range where top - scale is at most this.
    constexpr long FixedPointReach = 4000;

    // The residual sum of a straight line or polynomial with each residual taken exactly in
    // whole units (fixed_point_sum.h) but for truncations, the squares summed in
    // double-Extended; nullopt where a constant is not a number, a value not finite, or the
    // polynomial's terms so far above y that the squares would leave the Extended range.
    std::optional<JudgedSum> SumResidualsInFixedPoint(const data::PointStore& points,
        const std::vector<WideFloat>& constants, const ResidualTerms& terms)
    {
        const int count = terms.ConstantCount;
        const int scale = terms.ScaleExponent;
        const int xScale = LargestExponent(points.XData, points.PointCount);
        // The polynomial in u = x 2^-xScale, below 1: constants c_k 2^(k xScale), exactly. The
        // unit 2^-FractionBits of the least power of two above them and |y|, so that each of
        // them, y and Horner's partial sums (at most count times the largest) fit in FixedSum.
        std::vector<WideFloat> scaled(static_cast<std::size_t>(count));
        long top = scale;
        for (int k = 0; k < count; ++k) {
            mpfr_mul_2si(
                Raw(scaled[k]), Raw(constants[k]), static_cast<long>(k) * xScale, MPFR_RNDN);
            if (!mpfr_number_p(Raw(scaled[k])))
                return std::nullopt;
            if (!mpfr_zero_p(Raw(scaled[k])))
                top = std::max(top, static_cast<long>(mpfr_get_exp(Raw(scaled[k]))));
        }
        if (top - scale > FixedPointReach)
            return std::nullopt;
        const int unit = static_cast<int>(top) - FractionBits;
        // The constants in units, truncated.
        std::array<FixedSum, MaxConstants> whole {};
        mpz_t number;
        mpz_init(number);
        for (int k = 0; k < count; ++k) {
            mpfr_mul_2si(Raw(scaled[k]), Raw(scaled[k]), -unit, MPFR_RNDN);
            mpfr_get_z(number, Raw(scaled[k]), MPFR_RNDZ);
            Limbs4 magnitude {};
            mpz_export(magnitude.data(), nullptr, -1, sizeof(std::uint64_t), 0, 0, number);
            whole[k] = FixedSum::Of(magnitude, mpz_sgn(number) < 0);
        }
        mpz_clear(number);

        // Horner's rule truncates once a step and each constant once, y once: a residual is off
        // by less than 2 count + 1 units (e below in units of 2^-64 of the scaled sum; twice the
        // residual added for the bits Approximate drops). Its square and the sum are taken in
        // double-Extended, whose steps err far less than one rounding of Extended.
        const Extended unitsError
            = std::ldexp(static_cast<Extended>(2 * count + 1), unit - scale + ExtendedBits);
        ResidualSumAccuracy accuracy(ExtendedBits, 0);
        accuracy.SetSumRoundings(1);
        // The scaled residual is (High + Low) 2^(Exponent + unit - scale): Exponent is 0, 64 or
        // 128, so three exact products by powers of two.
        const std::array<Extended, 3> toScaled { std::ldexp(Extended(1), unit - scale),
            std::ldexp(Extended(1), 64 + unit - scale),
            std::ldexp(Extended(1), 128 + unit - scale) };
        DoubleExtended sum;
        for (int point = 1; point <= points.PointCount; ++point) {
            if (!std::isfinite(points.XData[point]) || !std::isfinite(points.YData[point]))
                return std::nullopt;
            const ScaledMagnitude u = MagnitudeOf(points.XData[point], xScale);
            FixedSum value = whole[count - 1];
            for (int k = count - 2; k >= 0; --k) {
                value = MultiplyScaled(value, u.Significand, u.Shift, u.Negative);
                value.Add(whole[k]);
            }
            const ScaledMagnitude y = MagnitudeOf(points.YData[point], unit);
            FixedSum residual = FixedOf(y.Significand, y.Shift, y.Negative);
            value.Negate();
            residual.Add(value);
            const ApproximateNumber approximate = Approximate(residual);
            const Extended factor = toScaled[static_cast<std::size_t>(approximate.Exponent / 64)];
            const DoubleExtended scaledResidual { approximate.High * factor,
                approximate.Low * factor };
            sum = Add(sum, Square(scaledResidual));
            accuracy.Add(2 * std::fabs(scaledResidual.High) + unitsError, 0);
        }
        JudgedSum judged;
        judged.Sum = Unscaled(sum, scale);
        WideFloat scaledSum;
        mpfr_mul_2si(Raw(scaledSum), Raw(judged.Sum), -2L * scale, MPFR_RNDN);
        judged.Verdict = JudgeWithConstantsError(accuracy, terms, NearestExtended(scaledSum));
        return judged;
    }

    // The residual sum of a straight line or polynomial from its centred polynomial (CurveCentre
    // set) in Extended: the cancellation that the powers of x suffer is gone, so where the
    // rounding error bound settles it, the sum needs no wide arithmetic. nullopt where it does
    // not.
    std::optional<WideFloat> SumCentredResiduals(
        const data::PointStore& points, const ResidualTerms& terms)
    {
        const int scale = terms.ScaleExponent;
        // Horner's rule rounds twice a constant, x - centre and the rounded constants once, the
        // subtraction from y once more.
        ResidualSumAccuracy accuracy(ExtendedBits, 3 * terms.ConstantCount + 3);
        Extended sum = 0;
        for (int point = 1; point <= points.PointCount; ++point) {
            const Extended shifted = points.XData[point] - *terms.CurveCentre;
            Extended value;
            SetModelValue(
                value, Polynomial, terms.CentredConstants.data(), terms.ConstantCount, shifted);
            const Extended residual = Scaled(points.YData[point] - value, scale);
            sum += residual * residual;
            accuracy.Add(Scaled(points.YData[point], scale),
                Scaled(EvaluationScale(
                           Polynomial, terms.CentredConstants.data(), terms.ConstantCount, shifted),
                    scale));
        }
        if (JudgeWithConstantsError(accuracy, terms, sum) != ResidualSumAccuracy::Verdict::Settled)
            return std::nullopt;
        return Unscaled({ sum, 0 }, scale);
    }

    // sum += (y of the point - value)^2, each step rounded to the width; residual and square
    // are scratch, kept by the caller so that the loop allocates nothing.
    void AddSquaredResidual(WideFloat& sum, WideFloat& residual, WideFloat& square,
        const data::PointStore& points, int point, const WideFloat& value)
    {
        mpfr_set_ld(Raw(residual), points.YData[point], MPFR_RNDN);
        mpfr_sub(Raw(residual), Raw(residual), Raw(value), MPFR_RNDN);
        mpfr_sqr(Raw(square), Raw(residual), MPFR_RNDN);
        mpfr_add(Raw(sum), Raw(sum), Raw(square), MPFR_RNDN);
    }

} // namespace

JudgedSum SumPolynomialResiduals(const data::PointStore& points,
    const std::vector<WideFloat>& constants, const ResidualTerms& terms)
{
    std::optional<JudgedSum> inLimbs = SumResidualsInFixedPoint(points, constants, terms);
    if (inLimbs && inLimbs->Verdict == ResidualSumAccuracy::Verdict::Settled)
        return std::move(*inLimbs);
    if (terms.CurveCentre) {
        if (std::optional<WideFloat> centredSum = SumCentredResiduals(points, terms)) {
            JudgedSum judged;
            judged.Sum = std::move(*centredSum);
            judged.Verdict = ResidualSumAccuracy::Verdict::Settled;
            return judged;
        }
    }
    // The bound in limbs is below that of MPFR at a width up to FixedPointBits.
    if (inLimbs && terms.Bits <= FixedPointBits)
        return std::move(*inLimbs);
    const int count = terms.ConstantCount;
    // As in the Extended residual sum.
    ResidualSumAccuracy accuracy(terms.Bits, 2 * count + 2);
    WideFloat x;
    WideFloat value;
    WideFloat residual;
    WideFloat square;
    WideFloat sum;
    for (int point = 1; point <= points.PointCount; ++point) {
        mpfr_set_ld(Raw(x), points.XData[point], MPFR_RNDN);
        // SetModelValue's Horner's rule, step for step.
        mpfr_set(Raw(value), Raw(constants[count - 1]), MPFR_RNDN);
        for (int k = count - 2; k >= 0; --k) {
            mpfr_mul(Raw(value), Raw(value), Raw(x), MPFR_RNDN);
            mpfr_add(Raw(value), Raw(value), Raw(constants[k]), MPFR_RNDN);
        }
        AddSquaredResidual(sum, residual, square, points, point, value);
        accuracy.Add(Scaled(points.YData[point], terms.ScaleExponent),
            Scaled(EvaluationScale(Polynomial, terms.Constants.data(), count, points.XData[point]),
                terms.ScaleExponent));
    }
    return Judged(accuracy, terms, std::move(sum));
}

JudgedSum SumCurveResiduals(const data::PointStore& points, FitModel fitType,
    const std::vector<WideFloat>& constants, const ResidualTerms& terms)
{
    const int count = terms.ConstantCount;
    // As in the Extended residual sum.
    ResidualSumAccuracy accuracy(terms.Bits, 2 * count + 2);
    // The constants, of the line through the logarithms, do not make this sum least-squares: an
    // error dA moves it to first order, by the model's value f times dA(0) + u dA(1) at each
    // point. The condition estimate bounds |dA(j)| sqrt(N_jj) by 2^(lost - bits + 10) times the
    // scaled norm (AddConstantsError), so f times twice that bounds each point's part.
    const Extended constantsError
        = std::ldexp(terms.ScaledNorm, terms.LostBits - terms.Bits + 10 + 1);
    WideFloat x;
    WideFloat value;
    WideFloat residual;
    WideFloat square;
    WideFloat sum;
    for (int point = 1; point <= points.PointCount; ++point) {
        const Extended u
            = fitType == PowerLaw ? std::log(std::fabs(points.XData[point])) : points.XData[point];
        const Extended magnitude = std::exp(terms.Constants[1] * u + terms.Constants[0]);
        accuracy.AddModelError(Scaled(magnitude, terms.ScaleExponent) * constantsError);
        mpfr_set_ld(Raw(x), points.XData[point], MPFR_RNDN);
        SetModelValue(value, fitType, constants.data(), count, x);
        AddSquaredResidual(sum, residual, square, points, point, value);
        accuracy.Add(Scaled(points.YData[point], terms.ScaleExponent),
            Scaled(EvaluationScale(fitType, terms.Constants.data(), count, points.XData[point]),
                terms.ScaleExponent));
    }
    return Judged(accuracy, terms, std::move(sum), false);
}

JudgedSum SumLogResiduals(const std::vector<WideFloat>& u, const std::vector<WideFloat>& v,
    const std::vector<WideFloat>& constants, const ResidualTerms& terms)
{
    ResidualSumAccuracy accuracy(terms.Bits, 2 * 2 + 2);
    WideFloat residual;
    WideFloat square;
    WideFloat sum;
    for (std::size_t point = 0; point < u.size(); ++point) {
        mpfr_mul(Raw(residual), Raw(constants[1]), Raw(u[point]), MPFR_RNDN);
        mpfr_add(Raw(residual), Raw(residual), Raw(constants[0]), MPFR_RNDN);
        mpfr_sub(Raw(residual), Raw(v[point]), Raw(residual), MPFR_RNDN);
        mpfr_sqr(Raw(square), Raw(residual), MPFR_RNDN);
        mpfr_add(Raw(sum), Raw(sum), Raw(square), MPFR_RNDN);
        accuracy.Add(NearestExtended(v[point]),
            EvaluationScale(StraightLine, terms.Constants.data(), 2, NearestExtended(u[point])));
    }
    return Judged(accuracy, terms, std::move(sum));
}

} // namespace fit
