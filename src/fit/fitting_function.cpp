// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fitting_function.cpp: the fitted model and RaiseToPower, in Extended.
#include "fit/fitting_function.h"

#include "fit/model_value.h"

#include <cmath>

namespace fit {

namespace {

    // x^k for k != 0 and x != 0 from ln|x|: exp(k ln|x|), negated for an odd k and a negative x.
    // Parity is that of the signed k.
    Extended PowerFromLogarithm(int k, Extended x, Extended logMagnitude)
    {
        const Extended magnitude = std::exp(k * logMagnitude);
        return x > 0 || k % 2 == 0 ? magnitude : -magnitude;
    }

} // namespace

Extended RaiseToPower(int k, Extended x)
{
    if (k == 0)
        return 1;
    if (x == 0)
        return 0;
    return PowerFromLogarithm(k, x, std::log(std::fabs(x)));
}

void RaiseToPowers(Extended x, int firstPower, std::span<Extended> powers)
{
    // The logarithm is the same for every power, so it is taken once.
    const Extended logMagnitude = x == 0 ? 0 : std::log(std::fabs(x));
    int k = firstPower;
    for (Extended& power : powers) {
        power = k == 0 ? 1 : x == 0 ? 0 : PowerFromLogarithm(k, x, logMagnitude);
        ++k;
    }
}

Extended FittingFunction(const FitState& fit, Extended x)
{
    Extended value;
    SetModelValue(value, fit.FitType, fit.FitConstants.data(), fit.ConstantCount, x);
    return value;
}

Extended CurveValue(const FitState& fit, Extended x)
{
    if (!fit.CurveCentred)
        return FittingFunction(fit, x);
    Extended value;
    SetModelValue(
        value, Polynomial, fit.CentredConstants.data(), fit.ConstantCount, x - fit.CurveCentre);
    return value;
}

} // namespace fit
