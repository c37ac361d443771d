// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/confidence_band.cpp: the bands through the orthonormal polynomials of the fitted points.
#include "fit/confidence_band.h"

#include "fit/fitting_function.h"
#include "fit/model_value.h"
#include "fit/square_matrix.h"
#include "fit/wide_fit.h"
#include "fit/wide_float.h"

#include <boost/math/distributions/students_t.hpp>

#include <cmath>
#include <limits>

namespace fit {

namespace {

    constexpr Extended NotANumber = std::numeric_limits<Extended>::quiet_NaN();

    // Boost.Math answers a question it cannot answer with NaN instead of an exception.
    using QuietPolicy = boost::math::policies::policy<
        boost::math::policies::domain_error<boost::math::policies::ignore_error>,
        boost::math::policies::pole_error<boost::math::policies::ignore_error>,
        boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
        boost::math::policies::evaluation_error<boost::math::policies::ignore_error>,
        boost::math::policies::rounding_error<boost::math::policies::ignore_error>>;

    TwoPart Split(Extended value) { return { value, 0 }; }

    TwoPart Split(const WideFloat& value)
    {
        const Extended high = mpfr_get_ld(value.backend().data(), MPFR_RNDN);
        const WideFloat rest = value - WideFloat(high);
        return { high, mpfr_get_ld(rest.backend().data(), MPFR_RNDN) };
    }

    Extended Nearest(Extended value) { return value; }
    Extended Nearest(const WideFloat& value)
    {
        return mpfr_get_ld(value.backend().data(), MPFR_RNDN);
    }

    // The recurrence of the polynomials orthonormal under the inner product whose Gram matrix of
    // the powers u^0..u^(size-1) is normal(row, column), from 1. With normal = R^T R, R upper
    // triangular: phi_0 = 1 / R(1, 1), and for k from 0 the scale R(k + 2, k + 2) / R(k + 1, k + 1)
    // and the centre R(k + 1, k + 2) / R(k + 1, k + 1) - R(k, k + 1) / R(k, k) (the second term 0
    // for k = 0). Not valid where the matrix is not positive definite at this width, or a term
    // is not a finite number in Extended.
    template <typename Real, typename Normal>
    OrthonormalRecurrence RecurrenceOf(const Normal& normal, int size)
    {
        using std::sqrt;
        OrthonormalRecurrence recurrence;
        SquareMatrix<Real> factor;
        Real product;
        for (int row = 1; row <= size; ++row) {
            Real diagonal = normal(row, row);
            for (int k = 1; k < row; ++k) {
                product = factor(k, row) * factor(k, row);
                diagonal -= product;
            }
            if (!(diagonal > 0))
                return recurrence;
            factor(row, row) = sqrt(diagonal);
            for (int column = row + 1; column <= size; ++column) {
                Real value = normal(row, column);
                for (int k = 1; k < row; ++k) {
                    product = factor(k, row) * factor(k, column);
                    value -= product;
                }
                factor(row, column) = value / factor(row, row);
            }
        }
        recurrence.FirstValue = Nearest(Real(1) / factor(1, 1));
        if (!std::isfinite(recurrence.FirstValue))
            return recurrence;
        Real previousShift = 0;
        Real previousScale = 0;
        for (int k = 0; k + 1 < size; ++k) {
            Real shift = factor(k + 1, k + 2) / factor(k + 1, k + 1);
            const TwoPart centre = Split(Real(shift - previousShift));
            const Extended scale = Nearest(Real(factor(k + 2, k + 2) / factor(k + 1, k + 1)));
            const Extended inverseScale = 1 / scale;
            // Scale[k] / Scale[k + 1] = R(k, k) R(k + 2, k + 2) / R(k + 1, k + 1)^2 at the width.
            Real nextScale = factor(k + 2, k + 2) / factor(k + 1, k + 1);
            const Extended carry = Nearest(Real(previousScale / nextScale));
            if (!std::isfinite(centre.High) || !std::isfinite(centre.Low) || !(scale > 0)
                || !std::isfinite(scale) || !std::isfinite(inverseScale) || !std::isfinite(carry))
                return recurrence;
            recurrence.Centre[k] = centre;
            recurrence.InverseScale[k + 1] = inverseScale;
            recurrence.Carry[k] = carry;
            previousShift = shift;
            previousScale = nextScale;
        }
        recurrence.Valid = true;
        return recurrence;
    }

    // The normal matrix of the wide result, row by row.
    struct WideNormal {
        const WideSolution& solution;
        const WideFloat& operator()(int row, int column) const
        {
            return solution.NormalMatrix[(row - 1) * solution.BasisCount + column - 1];
        }
    };

} // namespace

Extended StudentTQuantile(Extended levelPercent, int degreesOfFreedom)
{
    if (degreesOfFreedom < 1 || !(levelPercent > 0 && levelPercent < 100))
        return NotANumber;
    const boost::math::students_t_distribution<Extended, QuietPolicy> distribution(
        degreesOfFreedom);
    // The upper tail beyond t holds half of what the level leaves out.
    const Extended tail = (100 - levelPercent) / 200;
    return boost::math::quantile(boost::math::complement(distribution, tail));
}

std::optional<FitBands> FitBands::Of(const FitState& fit, Extended levelPercent)
{
    if (!fit.FitValid)
        return std::nullopt;
    const bool polynomial = IsPolynomial(fit.FitType);
    const int basisCount = fit.SystemSize;
    if (basisCount < 1 || basisCount > MaxBasisFunctions || (!polynomial && basisCount != 2))
        return std::nullopt;
    FitBands bands(fit);
    bands.m_basisCount = basisCount;
    // A forced fit keeps one constant more than it fits, the A(0) = 0 in front.
    bands.m_forced = polynomial && fit.ConstantCount == basisCount + 1;
    bands.m_degreesOfFreedom = fit.FitPointCount - basisCount;
    if (bands.m_degreesOfFreedom < 1)
        return std::nullopt;
    const Extended residualSum
        = polynomial ? fit.ResidualSumOfSquares : fit.LogResidualSumOfSquares;
    bands.m_variance = residualSum / bands.m_degreesOfFreedom;
    bands.m_quantile = StudentTQuantile(levelPercent, bands.m_degreesOfFreedom);
    if (!std::isfinite(bands.m_variance) || bands.m_variance < 0
        || !std::isfinite(bands.m_quantile))
        return std::nullopt;

    if (fit.WideResults && fit.WideResults->BasisCount == basisCount) {
        const WideSolution& solution = *fit.WideResults;
        if (!solution.BandRecurrence) {
            const WidePrecision precision(solution.Bits);
            solution.BandRecurrence = RecurrenceOf<WideFloat>(WideNormal { solution }, basisCount);
        }
        bands.m_recurrence = *solution.BandRecurrence;
    } else if (fit.NormalMatrix.IsAllocated()) {
        bands.m_recurrence = RecurrenceOf<Extended>(fit.NormalMatrix, basisCount);
    }
    if (!bands.m_recurrence.Valid)
        return std::nullopt;
    return bands;
}

TwoPart FitBands::FittedAbscissa(Extended x) const
{
    if (m_fit->FitType != PowerLaw)
        return Split(x);
    if (!m_fit->WideResults) {
        TwoPart u;
        SetFittedAbscissa(u.High, PowerLaw, x);
        return u;
    }
    // Twice Extended's bits hold what the rounding of the logarithm to Extended drops.
    const WidePrecision precision(2 * ExtendedBits);
    WideFloat u;
    SetFittedAbscissa(u, PowerLaw, x);
    return Split(u);
}

Extended FitBands::Leverage(const TwoPart& u) const
{
    // Sums in increasing k; u - centre in two parts: the difference of the high parts is exact
    // near the centre, where the low parts count.
    const OrthonormalRecurrence& recurrence = m_recurrence;
    Extended previous = 0;
    Extended value = recurrence.FirstValue;
    Extended sum = value * value;
    for (int k = 0; k + 1 < m_basisCount; ++k) {
        const TwoPart& centre = recurrence.Centre[k];
        const Extended step
            = ((u.High - centre.High) + (u.Low - centre.Low)) * recurrence.InverseScale[k + 1];
        const Extended next = step * value - recurrence.Carry[k] * previous;
        previous = value;
        value = next;
        sum += value * value;
    }
    if (m_forced)
        sum *= u.High * u.High;
    return sum;
}

Extended FitBands::LeverageAt(Extended x) const
{
    const TwoPart u = FittedAbscissa(x);
    if (!std::isfinite(u.High))
        return NotANumber;
    return Leverage(u);
}

Extended FitBands::HalfWidth(Extended x, BandKind kind) const
{
    const Extended leverage = LeverageAt(x);
    return HalfWidthOf(kind == BandKind::Prediction ? leverage + 1 : leverage);
}

Extended FitBands::CentreAt(Extended x) const
{
    if (IsPolynomial(m_fit->FitType))
        return CurveValue(*m_fit, x);
    // ln of the curve, as FittingFunction forms it before its exp.
    Extended logarithm;
    SetFittedAbscissa(logarithm, m_fit->FitType, x);
    logarithm *= m_fit->FitConstants[1];
    logarithm += m_fit->FitConstants[0];
    return logarithm;
}

std::optional<BandLimits> FitBands::LimitsAround(Extended centre, Extended halfWidth) const
{
    const BandLimits limits = IsPolynomial(m_fit->FitType)
        ? BandLimits { centre - halfWidth, centre + halfWidth }
        : BandLimits { std::exp(centre - halfWidth), std::exp(centre + halfWidth) };
    if (std::isnan(limits.Lower) || std::isnan(limits.Upper))
        return std::nullopt;
    return limits;
}

std::optional<BandLimits> FitBands::At(Extended x, BandKind kind) const
{
    return LimitsAround(CentreAt(x), HalfWidth(x, kind));
}

std::vector<FitBands::BothLimits> FitBands::BothAt(
    const std::vector<Extended>& xs, const std::vector<Extended>& curve) const
{
    const bool polynomial = IsPolynomial(m_fit->FitType);
    std::vector<BothLimits> limits;
    limits.reserve(xs.size());
    for (std::size_t index = 0; index < xs.size(); ++index) {
        const Extended leverage = LeverageAt(xs[index]);
        const Extended centre
            = polynomial && index < curve.size() ? curve[index] : CentreAt(xs[index]);
        limits.push_back({ LimitsAround(centre, HalfWidthOf(leverage)),
            LimitsAround(centre, HalfWidthOf(leverage + 1)) });
    }
    return limits;
}

} // namespace fit
