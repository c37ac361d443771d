// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/residual_accuracy.cpp: the rounding error bound of a residual sum of squares.
#include "fit/residual_accuracy.h"

#include "common/failure.h"
#include "fit/calculate_residuals.h"
#include "fit/model_value.h"

#include <algorithm>
#include <cmath>

namespace fit {

Extended EvaluationScale(FitModel fitType, const Extended* constants, int count, Extended x)
{
    switch (fitType) {
    case PowerLaw: {
        if (x == 0)
            return 0;
        const Extended exponent = constants[1] * std::log(std::fabs(x));
        return std::exp(exponent + constants[0])
            * (std::fabs(exponent) + std::fabs(constants[0]) + 4);
    }
    case Exponential: {
        const Extended exponent = constants[1] * x;
        return std::exp(exponent + constants[0])
            * (std::fabs(exponent) + std::fabs(constants[0]) + 4);
    }
    default: {
        Extended scale = 0;
        for (int k = count - 1; k >= 0; --k)
            scale = scale * std::fabs(x) + std::fabs(constants[k]);
        return scale;
    }
    }
}

ResidualSumAccuracy::ResidualSumAccuracy(int significandBits, int roundingsPerTerm)
    : m_unit(std::ldexp(Extended(1), -significandBits))
    , m_roundings(roundingsPerTerm)
{
}

void ResidualSumAccuracy::Add(Extended y, Extended evaluationScale, int count)
{
    const Extended error = m_unit * (m_roundings * evaluationScale + std::fabs(y));
    m_errorSquares += count * error * error;
    m_dataScale += count * y * y;
    m_pointCount += count;
}

void ResidualSumAccuracy::AddConstantsError(
    int constantsBits, int lostBits, int basisCount, Extended scaledNorm)
{
    // 10 bits more for the rounding of the sums and of the elimination beyond the estimate.
    const Extended error = std::ldexp(scaledNorm, lostBits - constantsBits + 10);
    m_constantsError += basisCount * error * error;
}

Extended ResidualSumAccuracy::Bound(Extended residualSum) const
{
    // The sum itself rounds once a point, or as often as set.
    const int sumRoundings = m_sumRoundings >= 0 ? m_sumRoundings : m_pointCount;
    return 2 * std::sqrt(residualSum * m_errorSquares) + m_errorSquares + m_constantsError
        + sumRoundings * m_unit * residualSum;
}

ResidualSumAccuracy::Verdict ResidualSumAccuracy::Judge(Extended residualSum) const
{
    const Extended bound = Bound(residualSum);
    if (!std::isfinite(bound))
        return Verdict::Settled;
    if (residualSum <= bound)
        return Verdict::MaybeZero;
    if (bound <= std::ldexp(residualSum, -SettledResidualBits))
        return Verdict::Settled;
    return Verdict::Unsettled;
}

bool ResidualSumAccuracy::BelowDataScale(Extended residualSum) const
{
    return Bound(residualSum) <= std::ldexp(m_dataScale, -ExactFitBits);
}

ResidualSumAccuracy::Verdict ResidualSumVerdict(
    const data::PointStore& points, const FitState& fit, int lostBits)
{
    using enum ResidualSumAccuracy::Verdict;
    const int count = fit.ConstantCount;
    if (fit.FitPointCount - count - 1 <= 0)
        return Settled;
    const Extended scaledNorm = ScaledNorm(fit.FitConstants.data(), fit.SystemSize, fit.ZeroForce,
        [&](int row) { return fit.NormalMatrix(row, row); });
    Extended smallestX = points.XData[1];
    Extended largestX = points.XData[1];
    Extended smallestMagnitude = std::fabs(points.XData[1]);
    Extended largestMagnitude = smallestMagnitude;
    Extended largestY = 0;
    for (int point = 1; point <= fit.FitPointCount; ++point) {
        const Extended x = points.XData[point];
        smallestX = std::min(smallestX, x);
        largestX = std::max(largestX, x);
        smallestMagnitude = std::min(smallestMagnitude, std::fabs(x));
        largestMagnitude = std::max(largestMagnitude, std::fabs(x));
        largestY = std::max(largestY, std::fabs(points.YData[point]));
    }
    // Largest at an end of the range the model sees: the polynomial's at the largest |x|,
    // the exponential's at the smallest or largest x, the power law's at the smallest or
    // largest |x|.
    const auto scaleAt = [&](Extended x) {
        return EvaluationScale(fit.FitType, fit.FitConstants.data(), count, x);
    };
    Extended largestScale = scaleAt(largestMagnitude);
    if (fit.FitType == Exponential)
        largestScale = std::max(scaleAt(smallestX), scaleAt(largestX));
    else if (fit.FitType == PowerLaw)
        largestScale = std::max(scaleAt(smallestMagnitude), largestScale);

    // Horner's rule rounds twice a constant, the subtraction from y once more.
    const int roundings = 2 * count + 2;
    const int sumRoundings = ResidualSumRoundings(fit.FitPointCount);
    ResidualSumAccuracy atOnce(ExtendedBits, roundings);
    atOnce.SetSumRoundings(sumRoundings);
    atOnce.Add(largestY, largestScale, fit.FitPointCount);
    atOnce.AddConstantsError(ExtendedBits, lostBits, fit.SystemSize, scaledNorm);
    ResidualSumAccuracy::Verdict verdict = atOnce.Judge(fit.ResidualSumOfSquares);
    if (verdict != Settled) {
        ResidualSumAccuracy pointByPoint(ExtendedBits, roundings);
        pointByPoint.SetSumRoundings(sumRoundings);
        for (int point = 1; point <= fit.FitPointCount; ++point)
            pointByPoint.Add(points.YData[point], scaleAt(points.XData[point]));
        pointByPoint.AddConstantsError(ExtendedBits, lostBits, fit.SystemSize, scaledNorm);
        verdict = pointByPoint.Judge(fit.ResidualSumOfSquares);
    }
    common::ClearFloatingPointFlags();
    return verdict;
}

ResidualSumAccuracy::Verdict LogResidualSumVerdict(
    const data::PointStore& points, const FitState& fit, int lostBits)
{
    if (fit.FitPointCount - fit.ConstantCount - 1 <= 0)
        return ResidualSumAccuracy::Verdict::Settled;
    const Extended scaledNorm = ScaledNorm(
        fit.FitConstants.data(), 2, false, [&](int row) { return fit.NormalMatrix(row, row); });
    // As the straight line's residual sum.
    ResidualSumAccuracy accuracy(ExtendedBits, 2 * 2 + 2);
    accuracy.SetSumRoundings(ResidualSumRoundings(fit.FitPointCount));
    for (int point = 1; point <= fit.FitPointCount; ++point) {
        const FittedPoint fitted = FittedPointAt(points, fit, point);
        accuracy.Add(fitted.v, EvaluationScale(StraightLine, fit.FitConstants.data(), 2, fitted.u));
    }
    accuracy.AddConstantsError(ExtendedBits, lostBits, 2, scaledNorm);
    const ResidualSumAccuracy::Verdict verdict = accuracy.Judge(fit.LogResidualSumOfSquares);
    common::ClearFloatingPointFlags();
    return verdict;
}

} // namespace fit
