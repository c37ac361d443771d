// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/orthonormal_recurrence.h: the three-term recurrence of the polynomials orthonormal on
// the fitted points, which the bands are evaluated by.
#pragma once

#include "fit/fit_state.h"

#include <array>

namespace fit {

// A value carried as the unevaluated sum High + Low, for the centres of the recurrence and the
// abscissae they are taken from, whose low bits count near the centre.
struct TwoPart {
    Extended High = 0;
    Extended Low = 0;
};

// phi_0 = FirstValue, and phi_(k+1) = ((u - Centre[k]) phi_k - Scale[k] phi_(k-1)) / Scale[k + 1]
// with Scale[0] = 0, taken as ((u - Centre[k]) InverseScale[k + 1]) phi_k - Carry[k] phi_(k-1),
// where InverseScale[k] = 1 / Scale[k] and Carry[k] = Scale[k] / Scale[k + 1]: each step
// multiplies rather than divides, and waits for phi_k through one product and one difference
// only. Valid is clear where the normal matrix it comes from is not positive definite, or a
// term is not a finite number.
struct OrthonormalRecurrence {
    bool Valid = false;
    Extended FirstValue = 0;
    std::array<TwoPart, MaxBasisFunctions> Centre {};
    std::array<Extended, MaxBasisFunctions> InverseScale {};
    std::array<Extended, MaxBasisFunctions> Carry {};
};

} // namespace fit
