// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/confidence_band.h: the confidence and prediction bands of the last fit, and the Student t
// quantile they are scaled by.
#pragma once

#include "common/extended.h"
#include "fit/fit_state.h"
#include "fit/orthonormal_recurrence.h"

#include <cmath>
#include <optional>
#include <vector>

namespace fit {

// Band levels in percent: the default, and the range the fitter takes.
constexpr Extended DefaultBandLevel = 95;
constexpr Extended LowestBandLevel = 50;
constexpr Extended HighestBandLevel = 99.99L;

// The band of the fitted curve (confidence), or of a new observation (prediction, s^2 added).
enum class BandKind { Confidence, Prediction };

// The two-sided Student t quantile: t with P(|T| <= t) = levelPercent / 100 for T of the
// given degrees of freedom (from 1), by Boost.Math. NaN where there is none. Never throws.
Extended StudentTQuantile(Extended levelPercent, int degreesOfFreedom);

// A band at one x, in y's units: Lower <= Upper.
struct BandLimits {
    Extended Lower = 0;
    Extended Upper = 0;
};

// The bands of one fit at one level. With u the abscissa as fitted (ln|x| for the power law),
// f(u) the basis functions of the fit, X the design, p the constants fitted (the A(0) = 0 of a
// forced fit is not one), s^2 = R / (n - p) with R the residual sum of the fit that was made (of
// ln|y| for the power law and the exponential) and t the quantile for n - p degrees of freedom:
// the half-width is t sqrt(s^2 f^T (X^T X)^-1 f), with s^2 added under the root for a
// prediction. The power law and the exponential take it on ln y and map the band back through
// exp, so it is not symmetric in y.
// f^T (X^T X)^-1 f is the sum of the squares of the polynomials orthonormal on the fitted
// points, phi_0(u)..phi_(p-1)(u) (times u^2 for a forced fit), evaluated by their three-term
// recurrence: a sum of squares, free of the cancellation of the powers of u. The recurrence comes
// from the Cholesky factor of the normal matrix, taken from the wide result at its own width
// where the fit took the wide road (once per fit), so that the band is as exact as the fit.
class FitBands {
public:
    // The bands of the last fit at levelPercent; nullopt where it has none: FitValid is clear,
    // no degree of freedom is left, the residual sum or the quantile is not a finite number, or
    // the normal matrix is neither in the wide result nor allocated, or not positive definite.
    // The fit must outlive the bands. Raises no failure; the floating-point flags may be left
    // raised.
    static std::optional<FitBands> Of(const FitState& fit, Extended levelPercent);

    // The half-width at x in the units the fit was made in (ln y for the power law and the
    // exponential); NaN where the band is not defined (x = 0 of a power law).
    Extended HalfWidth(Extended x, BandKind kind) const;
    // The band at x in y's units: the fitted curve (CurveValue) -/+ the half-width, or
    // exp(ln of the curve -/+ the half-width); nullopt where a limit is not a number.
    std::optional<BandLimits> At(Extended x, BandKind kind) const;
    // Both bands at one x, as At gives them.
    struct BothLimits {
        std::optional<BandLimits> Confidence;
        std::optional<BandLimits> Prediction;
    };
    // Both bands at each of xs, from one evaluation of the leverage each; curve holds CurveValue
    // at each of xs, the centre of a polynomial's bands, so that the curve drawn and its bands
    // take it once.
    std::vector<BothLimits> BothAt(
        const std::vector<Extended>& xs, const std::vector<Extended>& curve) const;

    int DegreesOfFreedom() const { return m_degreesOfFreedom; }
    Extended Quantile() const { return m_quantile; }

private:
    explicit FitBands(const FitState& fit)
        : m_fit(&fit)
    {
    }

    // f^T (X^T X)^-1 f at the abscissa as fitted.
    Extended Leverage(const TwoPart& u) const;
    // t sqrt(s^2 leverage).
    Extended HalfWidthOf(Extended leverage) const
    {
        return m_quantile * std::sqrt(m_variance * leverage);
    }
    // f^T (X^T X)^-1 f at x; NaN where the band is not defined.
    Extended LeverageAt(Extended x) const;
    // The curve at x in the units the fit was made in: its value, or its ln for the power law
    // and the exponential.
    Extended CentreAt(Extended x) const;
    // The band of the given half-width around that centre, in y's units.
    std::optional<BandLimits> LimitsAround(Extended centre, Extended halfWidth) const;
    // The abscissa as fitted at x; its logarithm from the wide type where the fit took the wide
    // road, whose clustered logarithms need more than Extended's bits.
    TwoPart FittedAbscissa(Extended x) const;

    const FitState* m_fit;
    int m_degreesOfFreedom = 0;
    int m_basisCount = 0;
    bool m_forced = false;
    Extended m_quantile = 0;
    Extended m_variance = 0;
    OrthonormalRecurrence m_recurrence;
};

} // namespace fit
