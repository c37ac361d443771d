// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/model_value.h: the points as fitted and the fitted models, written once for Extended and
// for the wide type.
#pragma once

#include "fit/fit_state.h"

#include <cmath>

namespace fit {

// Each routine writes its result into value in place, one rounding a step, so the wide type
// makes no temporaries where none is needed and Extended rounds as the plain expressions would.

// value := the abscissa as fitted: ln|x| for the power law, x otherwise.
template <typename Real> void SetFittedAbscissa(Real& value, FitModel fitType, Extended x)
{
    using std::abs;
    using std::log;
    value = x;
    if (fitType == PowerLaw)
        value = log(abs(value));
}

// value := the ordinate as fitted: ln|y| for the power law and the exponential, y otherwise.
template <typename Real> void SetFittedOrdinate(Real& value, FitModel fitType, Extended y)
{
    using std::abs;
    using std::log;
    value = y;
    if (!IsPolynomial(fitType))
        value = log(abs(value));
}

// A point as fitted: its abscissa u and ordinate v.
struct FittedPoint {
    Extended u = 0;
    Extended v = 0;
};

// Point point (from 1) as fitted: from FitX and FitY where they hold the points (at most
// MaxPoints), else formed from the data as the fit forms them, to the same bits.
inline FittedPoint FittedPointAt(const data::PointStore& points, const FitState& fit, int point)
{
    FittedPoint fitted;
    if (fit.FitPointCount <= data::MaxPoints) {
        fitted.u = fit.FitX[point];
        fitted.v = fit.FitY[point];
    } else {
        SetFittedAbscissa(fitted.u, fit.FitType, points.XData[point]);
        SetFittedOrdinate(fitted.v, fit.FitType, points.YData[point]);
    }
    return fitted;
}

// value := the model of fitType with constants[0..count-1] (A(0) first) at x:
// exp(A(1) ln|x| + A(0)) for the power law (0 at x = 0), exp(A(1) x + A(0)) for the exponential,
// otherwise the polynomial by Horner's rule from the highest constant down (0 when count < 1).
template <typename Real>
void SetModelValue(Real& value, FitModel fitType, const Real* constants, int count, const Real& x)
{
    using std::abs;
    using std::exp;
    using std::log;
    switch (fitType) {
    case PowerLaw:
        if (x == 0) {
            value = 0;
            return;
        }
        value = abs(x);
        value = log(value);
        value *= constants[1];
        value += constants[0];
        value = exp(value);
        return;
    case Exponential:
        value = constants[1];
        value *= x;
        value += constants[0];
        value = exp(value);
        return;
    default:
        if (count < 1) {
            value = 0;
            return;
        }
        value = constants[count - 1];
        for (int k = count - 2; k >= 0; --k) {
            value *= x;
            value += constants[k];
        }
    }
}

} // namespace fit
