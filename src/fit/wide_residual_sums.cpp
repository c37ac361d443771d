// src/fit/wide_residual_sums.cpp: residual sums of wide constants, in Extended, double-Extended or
// MPFR, each judged by its rounding error bound.
#include "fit/wide_residual_sums.h"

#include "common/floating_point_step.h"
#include "fit/double_extended.h"
#include "fit/model_value.h"

#include <cfenv>
#include <cmath>

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

    // The residual sum in double-Extended (SumPolynomialResiduals); nullopt where the constants
    // lie beyond the Extended range or a step leaves its normal range, so that the error-free
    // steps are not exact.
    std::optional<JudgedSum> SumResidualsInDoubleExtended(const data::PointStore& points,
        const std::vector<WideFloat>& constants, const ResidualTerms& terms)
    {
        const int count = terms.ConstantCount;
        const int scale = terms.ScaleExponent;
        // The two parts hold a constant of up to 128 bits exactly, a wider one within 2^-128.
        std::array<DoubleExtended, MaxConstants> parts {};
        WideFloat rest;
        for (int k = 0; k < count; ++k) {
            parts[k].High = NearestExtended(constants[k]);
            WideFloat high;
            mpfr_set_ld(Raw(high), parts[k].High, MPFR_RNDN);
            mpfr_sub(Raw(rest), Raw(constants[k]), Raw(high), MPFR_RNDN);
            parts[k].Low = NearestExtended(rest);
            if (!std::isfinite(parts[k].High))
                return std::nullopt;
        }
        // Each step of Horner's rule errs by at most 3.01 u^2 of its result (u = 2^-64), the
        // parts of the constants by u^2 of them and the subtraction from y by 3.01 u^2 of |y| and
        // the value: a residual is off by at most (8 n + 4) u^2 (scale + |y|) for n constants,
        // and 3 u^2 of itself is ample for the rest. Its square errs by at most 4 u^2 of itself
        // and each addition to the sum by 3.01 u^2: four units of u^2 each.
        const Extended countFactor = 8 * static_cast<Extended>(count) + 4;
        ResidualSumAccuracy accuracy(2 * ExtendedBits, 0);
        accuracy.SetSumRoundings(4 * (points.PointCount + 1));
        common::ClearFloatingPointFlags();
        DoubleExtended sum;
        for (int point = 1; point <= points.PointCount; ++point) {
            const Extended x = points.XData[point];
            const Extended y = points.YData[point];
            const Pair xParts = Split(x);
            DoubleExtended value = parts[count - 1];
            for (int k = count - 2; k >= 0; --k)
                value = Add(Multiply(value, x, xParts), parts[k]);
            DoubleExtended residual = Add({ y, 0 }, { -value.High, -value.Low });
            residual = { Scaled(residual.High, scale), Scaled(residual.Low, scale) };
            sum = Add(sum, Square(residual));
            const Extended evaluationScale
                = EvaluationScale(Polynomial, terms.Constants.data(), count, x);
            accuracy.Add(3 * std::fabs(residual.High)
                    + countFactor * Scaled(evaluationScale + std::fabs(y), scale),
                0);
        }
        const bool leftRange = std::fetestexcept(FE_UNDERFLOW | FE_OVERFLOW | FE_INVALID) != 0;
        common::ClearFloatingPointFlags();
        if (leftRange)
            return std::nullopt;
        JudgedSum judged;
        judged.Sum = Unscaled(sum, scale);
        WideFloat scaledSum;
        mpfr_mul_2si(Raw(scaledSum), Raw(judged.Sum), -2L * scale, MPFR_RNDN);
        judged.Verdict = JudgeWithConstantsError(accuracy, terms, NearestExtended(scaledSum));
        return judged;
    }

} // namespace

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

JudgedSum SumPolynomialResiduals(const data::PointStore& points,
    const std::vector<WideFloat>& constants, const ResidualTerms& terms)
{
    if (std::optional<JudgedSum> judged = SumResidualsInDoubleExtended(points, constants, terms)) {
        // Its bound is below that of MPFR at a width up to DoubleExtendedBits.
        if (judged->Verdict == ResidualSumAccuracy::Verdict::Settled
            || terms.Bits <= DoubleExtendedBits)
            return std::move(*judged);
    }
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
        mpfr_set_ld(Raw(residual), points.YData[point], MPFR_RNDN);
        mpfr_sub(Raw(residual), Raw(residual), Raw(value), MPFR_RNDN);
        mpfr_sqr(Raw(square), Raw(residual), MPFR_RNDN);
        mpfr_add(Raw(sum), Raw(sum), Raw(square), MPFR_RNDN);
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
        mpfr_set_ld(Raw(residual), points.YData[point], MPFR_RNDN);
        mpfr_sub(Raw(residual), Raw(residual), Raw(value), MPFR_RNDN);
        mpfr_sqr(Raw(square), Raw(residual), MPFR_RNDN);
        mpfr_add(Raw(sum), Raw(sum), Raw(square), MPFR_RNDN);
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
