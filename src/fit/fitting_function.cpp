// src/fit/fitting_function.cpp: the fitted model and RaiseToPower, in Extended.
#include "fit/fitting_function.h"

#include <cmath>

namespace fit {

Extended RaiseToPower(int k, Extended x)
{
    if (k == 0)
        return 1;
    if (x == 0)
        return 0;
    if (x > 0)
        return std::exp(k * std::log(x));
    const Extended magnitude = std::exp(k * std::log(-x));
    return k % 2 == 0 ? magnitude : -magnitude;
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
