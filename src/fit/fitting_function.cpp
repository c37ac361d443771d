// src/fit/fitting_function.cpp: the fitted model and RaiseToPower, in Extended.
#include "fit/fitting_function.h"

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
    const auto& constants = fit.FitConstants;
    switch (fit.FitType) {
    case PowerLaw:
        if (x == 0)
            return 0;
        return std::exp(constants[1] * std::log(std::fabs(x)) + constants[0]);
    case Exponential:
        return std::exp(constants[1] * x + constants[0]);
    default: {
        // Horner's rule from the highest constant down.
        const int count = fit.ConstantCount;
        if (count < 1)
            return 0;
        Extended result = constants[count - 1];
        for (int k = count - 2; k >= 0; --k)
            result = result * x + constants[k];
        return result;
    }
    }
}

} // namespace fit
