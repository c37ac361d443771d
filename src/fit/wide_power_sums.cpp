// src/fit/wide_power_sums.cpp: power sums in double-Extended where the width allows, else in MPFR.
#include "fit/wide_power_sums.h"

#include "common/floating_point_step.h"
#include "fit/double_extended.h"
#include "fit/model_value.h"

#include <array>
#include <cfenv>
#include <cmath>
#include <optional>

namespace fit {

namespace {

    // The MPFR value behind a WideFloat: the loops over the points call MPFR directly, as
    // Boost's operators add their handling of precisions to every step.
    mpfr_ptr Raw(WideFloat& value) { return value.backend().data(); }

    // target := sum 2^exponent, rounded to the width once.
    void SetScaled(WideFloat& target, const DoubleExtended& sum, long exponent)
    {
        WideFloat low;
        mpfr_set_ld(Raw(target), sum.High, MPFR_RNDN);
        mpfr_set_ld(Raw(low), sum.Low, MPFR_RNDN);
        mpfr_add(Raw(target), Raw(target), Raw(low), MPFR_RNDN);
        mpfr_mul_2si(Raw(target), Raw(target), exponent, MPFR_RNDN);
    }

    // The sums of a straight line or polynomial in double-Extended, from x 2^-xShift and
    // y 2^-yShift within (-1, 1): each power and each sum off by at most 2^-DoubleExtendedBits
    // of itself, as a rounding to that width would be, so long as no step leaves the normal
    // range; nullopt where one does (a scaled power below 2^-16382).
    std::optional<PowerSums> SumPowersInDoubleExtended(
        const data::PointStore& points, const FitState& fit, int basisCount)
    {
        const int firstPower = FirstPower(fit);
        const int highestPower = 2 * (basisCount - 1 + firstPower);
        const int lastRightPower = firstPower + basisCount - 1;
        const int xShift = LargestExponent(points.XData, points.PointCount);
        const int yShift = LargestExponent(points.YData, points.PointCount);
        // By the power of x.
        std::array<DoubleExtended, 2 * MaxBasisFunctions + 1> sums {};
        std::array<DoubleExtended, MaxBasisFunctions + 1> rightSide {};
        common::ClearFloatingPointFlags();
        for (int point = 1; point <= points.PointCount; ++point) {
            const Extended x = std::ldexp(points.XData[point], -xShift);
            const Extended y = std::ldexp(points.YData[point], -yShift);
            const Pair xParts = Split(x);
            const Pair yParts = Split(y);
            DoubleExtended power { 1, 0 };
            for (int exponent = 0; exponent <= highestPower; ++exponent) {
                if (exponent >= 2 * firstPower)
                    sums[exponent] = Add(sums[exponent], power);
                if (exponent >= firstPower && exponent <= lastRightPower)
                    rightSide[exponent] = Add(rightSide[exponent], Multiply(power, y, yParts));
                if (exponent < highestPower)
                    power = Multiply(power, x, xParts);
            }
        }
        const bool leftRange = std::fetestexcept(FE_UNDERFLOW | FE_OVERFLOW | FE_INVALID) != 0;
        common::ClearFloatingPointFlags();
        if (leftRange)
            return std::nullopt;

        PowerSums result;
        result.Sums.resize(2 * basisCount - 1);
        result.RightSide.resize(basisCount);
        for (int exponent = 2 * firstPower; exponent <= highestPower; ++exponent)
            SetScaled(result.Sums[exponent - 2 * firstPower], sums[exponent],
                static_cast<long>(exponent) * xShift);
        for (int exponent = firstPower; exponent <= lastRightPower; ++exponent)
            SetScaled(result.RightSide[exponent - firstPower], rightSide[exponent],
                static_cast<long>(exponent) * xShift + yShift);
        return result;
    }

    // The sums in MPFR at the current width, one rounding a step.
    PowerSums SumPowersInWidePrecision(
        const data::PointStore& points, const FitState& fit, int basisCount)
    {
        const int firstPower = FirstPower(fit);
        const int highestPower = 2 * (basisCount - 1 + firstPower);
        PowerSums sums;
        sums.Sums.resize(2 * basisCount - 1);
        sums.RightSide.resize(basisCount);
        WideFloat u;
        WideFloat y;
        WideFloat power;
        WideFloat product;
        for (int point = 1; point <= points.PointCount; ++point) {
            SetFittedAbscissa(u, fit.FitType, points.XData[point]);
            SetFittedOrdinate(y, fit.FitType, points.YData[point]);
            if (!IsPolynomial(fit.FitType)) {
                sums.FittedX.push_back(u);
                sums.FittedY.push_back(y);
            }
            mpfr_set_ui(Raw(power), 1, MPFR_RNDN);
            for (int exponent = 0; exponent <= highestPower; ++exponent) {
                if (exponent >= 2 * firstPower) {
                    mpfr_ptr sum = Raw(sums.Sums[exponent - 2 * firstPower]);
                    mpfr_add(sum, sum, Raw(power), MPFR_RNDN);
                }
                if (exponent >= firstPower && exponent < firstPower + basisCount) {
                    mpfr_ptr sum = Raw(sums.RightSide[exponent - firstPower]);
                    mpfr_mul(Raw(product), Raw(power), Raw(y), MPFR_RNDN);
                    mpfr_add(sum, sum, Raw(product), MPFR_RNDN);
                }
                if (exponent < highestPower)
                    mpfr_mul(Raw(power), Raw(power), Raw(u), MPFR_RNDN);
            }
        }
        return sums;
    }

} // namespace

int LargestExponent(const data::PointSlots& values, int count)
{
    Extended largest = 0;
    for (int point = 1; point <= count; ++point)
        largest = std::max(largest, std::fabs(values[point]));
    int exponent = 0;
    std::frexp(largest, &exponent);
    return exponent;
}

PowerSums SumPowers(const data::PointStore& points, const FitState& fit, int basisCount, int width)
{
    if (IsPolynomial(fit.FitType) && width <= DoubleExtendedBits) {
        if (std::optional<PowerSums> sums = SumPowersInDoubleExtended(points, fit, basisCount))
            return std::move(*sums);
    }
    return SumPowersInWidePrecision(points, fit, basisCount);
}

} // namespace fit
