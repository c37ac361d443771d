// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/exact_least_squares.cpp: the exact least-squares polynomial in rational arithmetic.
#include "support/exact_least_squares.h"

#include <boost/multiprecision/gmp.hpp>
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace test_support {

namespace {

    using common::Extended;
    using Integer = boost::multiprecision::mpz_int;
    using Rational = boost::multiprecision::mpq_rational;

    // The significand of x as a whole number and the power of two it is scaled by: x = n 2^e.
    std::pair<Integer, int> Dyadic(Extended x)
    {
        int exponent = 0;
        const Extended fraction = std::frexp(std::fabs(x), &exponent);
        const Integer magnitude(static_cast<unsigned long long>(std::ldexp(fraction, 64)));
        return { x < 0 ? Integer(-magnitude) : magnitude, exponent - 64 };
    }

    // 2^exponent, exactly.
    Rational PowerOfTwo(int exponent)
    {
        Integer power = 1;
        power <<= std::abs(exponent);
        return exponent >= 0 ? Rational(power) : Rational(1) / Rational(power);
    }

    // The Extended nearest to value, through 256-bit MPFR; of its square root when asked.
    Extended Nearest(const Rational& value, bool squareRoot = false)
    {
        mpfr_t wide;
        mpfr_init2(wide, 256);
        mpfr_set_q(wide, value.backend().data(), MPFR_RNDN);
        if (squareRoot)
            mpfr_sqrt(wide, wide, MPFR_RNDN);
        const Extended nearest = mpfr_get_ld(wide, MPFR_RNDN);
        mpfr_clear(wide);
        return nearest;
    }

    // sum over d of Numerators[d] x^d / Denominator, exactly: the quadratic form f(x)^T V f(x)
    // gathered by the power of x.
    struct WholePolynomial {
        std::vector<Integer> Numerators;
        Integer Denominator = 1;

        Extended NearestAt(Extended xValue) const
        {
            // x = s 2^e: Horner's rule in whole numbers, scaled by 2^(-e top) when e < 0.
            const auto [significand, exponent] = Dyadic(xValue);
            const int top = static_cast<int>(Numerators.size()) - 1;
            Integer sum = Numerators[top];
            for (int power = top - 1; power >= 0; --power) {
                if (exponent >= 0)
                    sum = sum * (significand << exponent) + Numerators[power];
                else
                    sum = sum * significand + (Numerators[power] << (-exponent * (top - power)));
            }
            const Rational scale = exponent >= 0 ? Rational(1) : PowerOfTwo(exponent * top);
            return Nearest(Rational(sum) / Rational(Denominator) * scale);
        }
    };

} // namespace

// Every x and y is a whole number times 2^shift, so the sums are taken in whole numbers.
ExactFit ExactLeastSquares(const std::vector<Point>& points, int order, bool zeroForce)
{
    const int first = zeroForce ? 1 : 0;
    const int basisCount = zeroForce ? order : order + 1;
    int shift = 0;
    for (const auto& [x, y] : points)
        shift = std::min({ shift, Dyadic(x).second, Dyadic(y).second });
    const int powerCount = 2 * (basisCount + first) - 1;
    std::vector<Integer> powerSums(powerCount);
    std::vector<Integer> rightSums(basisCount + first);
    Integer squareSum = 0;
    Integer sum = 0;
    for (const auto& [xValue, yValue] : points) {
        const auto [xSignificand, xExponent] = Dyadic(xValue);
        const auto [ySignificand, yExponent] = Dyadic(yValue);
        const Integer x = xSignificand << (xExponent - shift);
        const Integer y = ySignificand << (yExponent - shift);
        Integer power = 1;
        for (int k = 0; k < powerCount; ++k) {
            powerSums[k] += power;
            if (k < basisCount + first)
                rightSums[k] += power * y;
            power *= x;
        }
        squareSum += y * y;
        sum += y;
    }
    // Row j: the normal matrix, the identity, the right-hand side.
    std::vector<std::vector<Rational>> rows(basisCount, std::vector<Rational>(2 * basisCount + 1));
    for (int j = 0; j < basisCount; ++j) {
        for (int k = 0; k < basisCount; ++k) {
            const int power = j + k + 2 * first;
            rows[j][k] = Rational(powerSums[power]) * PowerOfTwo(shift * power);
        }
        rows[j][basisCount + j] = 1;
        rows[j][2 * basisCount]
            = Rational(rightSums[j + first]) * PowerOfTwo(shift * (j + first + 1));
    }
    for (int column = 0; column < basisCount; ++column) {
        const Rational divisor = rows[column][column];
        for (Rational& value : rows[column])
            value /= divisor;
        for (int row = 0; row < basisCount; ++row) {
            const Rational factor = rows[row][column];
            if (row != column && factor != 0)
                for (int k = column; k <= 2 * basisCount; ++k)
                    rows[row][k] -= factor * rows[column][k];
        }
    }

    // With N a = D^T y exactly, the residual sum is y^T y - a^T D^T y.
    Rational residualSum = Rational(squareSum) * PowerOfTwo(2 * shift);
    for (int j = 0; j < basisCount; ++j)
        residualSum -= rows[j][2 * basisCount] * Rational(rightSums[j + first])
            * PowerOfTwo(shift * (j + first + 1));
    ExactFit fit;
    fit.residualSum = Nearest(residualSum);
    fit.residualDeviation
        = Nearest(residualSum / (static_cast<int>(points.size()) - basisCount), true);
    Rational total = Rational(squareSum) * PowerOfTwo(2 * shift);
    if (!zeroForce)
        total -= Rational(sum * sum) * PowerOfTwo(2 * shift) / static_cast<int>(points.size());
    if (total != 0)
        fit.rSquared = Nearest(1 - residualSum / total);
    fit.residualVariance = Nearest(residualSum / (static_cast<int>(points.size()) - basisCount));
    // V = (X^T X)^-1 stands right of the identity's place; f(x)^T V f(x) sums V_jk x^(j+k+2first).
    std::vector<Rational> coefficients(2 * (basisCount - 1 + first) + 1);
    for (int j = 0; j < basisCount; ++j)
        for (int k = 0; k < basisCount; ++k)
            coefficients[j + k + 2 * first] += rows[j][basisCount + k];
    auto polynomial = std::make_shared<WholePolynomial>();
    for (const Rational& coefficient : coefficients)
        polynomial->Denominator
            = boost::multiprecision::lcm(polynomial->Denominator, denominator(coefficient));
    for (const Rational& coefficient : coefficients)
        polynomial->Numerators.push_back(
            numerator(coefficient) * (polynomial->Denominator / denominator(coefficient)));
    fit.leverage = [polynomial](Extended x) { return polynomial->NearestAt(x); };

    if (zeroForce)
        fit.constants.push_back(0);
    const int divisor = static_cast<int>(points.size()) - basisCount - first - 1;
    for (int j = 0; j < basisCount; ++j) {
        fit.constants.push_back(Nearest(rows[j][2 * basisCount]));
        // The report's rule has no uncertainty without a positive divisor.
        fit.uncertainties.push_back(divisor > 0
                ? 2 * Nearest(residualSum / divisor * rows[j][basisCount + j], true)
                : std::numeric_limits<Extended>::quiet_NaN());
    }
    return fit;
}

} // namespace test_support
