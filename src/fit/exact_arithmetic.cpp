// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/exact_arithmetic.cpp: interpolation in rationals and the check of every point in whole
// numbers; the total sum of squares in whole numbers.
#include "fit/exact_arithmetic.h"

#include <boost/multiprecision/gmp.hpp>

#include <algorithm>
#include <climits>
#include <limits>

namespace fit {

namespace {

    using Integer = boost::multiprecision::mpz_int;
    using Rational = boost::multiprecision::mpq_rational;

    // value = Significand * 2^Exponent exactly; 0 has the exponent LONG_MAX.
    struct Dyadic {
        Integer Significand;
        long Exponent = LONG_MAX;
    };

    Dyadic DyadicOf(const WideFloat& value)
    {
        Dyadic dyadic;
        if (mpfr_zero_p(value.backend().data()))
            return dyadic;
        dyadic.Exponent
            = mpfr_get_z_2exp(dyadic.Significand.backend().data(), value.backend().data());
        return dyadic;
    }

    // The values as whole numbers, all scaled by the one power of two 2^-shift.
    std::vector<Integer> WholeNumbers(const std::vector<Dyadic>& values, long& shift)
    {
        shift = LONG_MAX;
        for (const Dyadic& value : values)
            shift = std::min(shift, value.Exponent);
        std::vector<Integer> numbers;
        for (const Dyadic& value : values)
            numbers.push_back(value.Exponent == LONG_MAX
                    ? Integer(0)
                    : Integer(value.Significand << (value.Exponent - shift)));
        // All zeros: any scale will do.
        if (shift == LONG_MAX)
            shift = 0;
        return numbers;
    }

    Dyadic DyadicOf(common::Extended value)
    {
        mpfr_t exact;
        mpfr_init2(exact, std::numeric_limits<common::Extended>::digits);
        mpfr_set_ld(exact, value, MPFR_RNDN);
        Dyadic dyadic;
        if (!mpfr_zero_p(exact))
            dyadic.Exponent = mpfr_get_z_2exp(dyadic.Significand.backend().data(), exact);
        mpfr_clear(exact);
        return dyadic;
    }

    std::vector<Dyadic> DyadicsOf(std::span<const WideFloat> values)
    {
        std::vector<Dyadic> dyadics;
        for (const WideFloat& value : values)
            dyadics.push_back(DyadicOf(value));
        return dyadics;
    }

    // The coefficients, in powers of X from X^0, of the polynomial of degree count - 1 through
    // (nodes[j], values[j]): Newton's divided differences, then multiplied out.
    std::vector<Rational> Interpolate(
        const std::vector<Integer>& nodes, std::vector<Rational> values)
    {
        const int count = static_cast<int>(nodes.size());
        for (int level = 1; level < count; ++level)
            for (int j = count - 1; j >= level; --j)
                values[j] = (values[j] - values[j - 1]) / Rational(nodes[j] - nodes[j - level]);
        std::vector<Rational> coefficients(count);
        for (int k = count - 1; k >= 0; --k) {
            // coefficients := coefficients * (X - nodes[k]) + values[k]
            for (int power = count - 1; power >= 1; --power)
                coefficients[power] = coefficients[power - 1] - coefficients[power] * nodes[k];
            coefficients[0] = values[k] - coefficients[0] * nodes[k];
        }
        return coefficients;
    }

} // namespace

std::optional<std::vector<WideFloat>> ExactPolynomialThrough(
    std::span<const WideFloat> u, std::span<const WideFloat> v, int basisCount, int firstPower)
{
    long xShift = 0;
    long yShift = 0;
    const std::vector<Integer> xs = WholeNumbers(DyadicsOf(u), xShift);
    const std::vector<Integer> ys = WholeNumbers(DyadicsOf(v), yShift);
    const int pointCount = static_cast<int>(xs.size());

    // The nodes: the first basisCount distinct X (non-zero when forced), where the polynomial
    // divided by X^firstPower takes the value Y / X^firstPower.
    std::vector<Integer> nodes;
    std::vector<Rational> values;
    for (int point = 0; point < pointCount && static_cast<int>(nodes.size()) < basisCount;
         ++point) {
        if (firstPower == 1 && xs[point] == 0)
            continue;
        if (std::find(nodes.begin(), nodes.end(), xs[point]) != nodes.end())
            continue;
        nodes.push_back(xs[point]);
        values.push_back(firstPower == 1 ? Rational(ys[point], xs[point]) : Rational(ys[point]));
    }
    if (static_cast<int>(nodes.size()) < basisCount)
        return std::nullopt;
    const std::vector<Rational> coefficients = Interpolate(nodes, values);

    // With the denominators cleared, every point is checked in whole numbers:
    // D Y = sum of (D c_k) X^(k + firstPower).
    Integer denominator = 1;
    for (const Rational& coefficient : coefficients)
        denominator = boost::multiprecision::lcm(
            denominator, boost::multiprecision::denominator(coefficient));
    std::vector<Integer> whole;
    for (const Rational& coefficient : coefficients)
        whole.push_back(boost::multiprecision::numerator(coefficient)
            * (denominator / boost::multiprecision::denominator(coefficient)));
    Integer value;
    for (int point = 0; point < pointCount; ++point) {
        value = 0;
        for (int k = basisCount - 1; k >= 0; --k) {
            value *= xs[point];
            value += whole[k];
        }
        if (firstPower == 1)
            value *= xs[point];
        if (value != denominator * ys[point])
            return std::nullopt;
    }

    // Back from whole numbers: c_k 2^(yShift - (k + firstPower) xShift).
    std::vector<WideFloat> constants(basisCount);
    for (int k = 0; k < basisCount; ++k) {
        mpfr_ptr constant = constants[k].backend().data();
        mpfr_set_q(constant, coefficients[k].backend().data(), MPFR_RNDN);
        mpfr_mul_2si(constant, constant, yShift - (k + firstPower) * xShift, MPFR_RNDN);
    }
    return constants;
}

ScaledSum ExactTotalSumOfSquares(std::span<const common::Extended> values, bool aboutZero)
{
    std::vector<Dyadic> dyadics;
    for (const common::Extended value : values)
        dyadics.push_back(DyadicOf(value));
    long shift = 0;
    const std::vector<Integer> numbers = WholeNumbers(dyadics, shift);
    // n S = n (sum of Y^2) - (sum of Y)^2, in whole numbers of 2^(2 shift).
    Integer sum = 0;
    Integer squares = 0;
    for (const Integer& number : numbers) {
        sum += number;
        squares += number * number;
    }
    const long count = static_cast<long>(numbers.size());
    Rational total = aboutZero ? Rational(squares) : Rational(count * squares - sum * sum, count);
    mpfr_t rounded;
    mpfr_init2(rounded, std::numeric_limits<common::Extended>::digits);
    mpfr_set_q(rounded, total.backend().data(), MPFR_RNDN);
    ScaledSum scaled;
    if (!mpfr_zero_p(rounded)) {
        // total 2^(2 shift) = fraction 2^exponent 4^shift, the exponent made even.
        long exponent = 0;
        scaled.Fraction = mpfr_get_ld_2exp(&exponent, rounded, MPFR_RNDN);
        if (exponent % 2 != 0) {
            scaled.Fraction *= 2;
            --exponent;
        }
        scaled.HalfExponent = exponent / 2 + shift;
    }
    mpfr_clear(rounded);
    return scaled;
}

} // namespace fit
