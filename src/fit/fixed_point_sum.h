// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fixed_point_sum.h: whole numbers of a few 64-bit limbs for the wide road's sums of powers
// and residuals, where floating-point steps cost more than the digits they keep.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace fit {

// Written out on 128-bit integers: the multiple-precision libraries at hand take several times as
// long for these steps of three or four limbs (Boost's fixed-width integers five times, GMP's limb
// routines a call each, MPFR a rounding and a look-up of its thread's state each). Limbs are
// held least significant first. A product by a scaled significand, significand 2^-shift below 1
// (the magnitude of a value scaled below 1), truncates to the unit; sums are exact.

using Limbs3 = std::array<std::uint64_t, 3>;
using Limbs4 = std::array<std::uint64_t, 4>;

namespace detail {

    using Wide = unsigned __int128;

    // limbs shifted right by shift >= 0 bits, truncated, its low Out limbs.
    template <std::size_t Out, std::size_t In>
    std::array<std::uint64_t, Out> ShiftRight(const std::array<std::uint64_t, In>& limbs, int shift)
    {
        std::array<std::uint64_t, Out> result {};
        const std::size_t limbShift = static_cast<std::size_t>(shift / 64);
        const int bitShift = shift % 64;
        for (std::size_t index = 0; index < Out && index + limbShift < In; ++index) {
            const std::size_t source = index + limbShift;
            const std::uint64_t next = source + 1 < In ? limbs[source + 1] : 0;
            result[index] = bitShift == 0 ? limbs[source]
                                          : (limbs[source] >> bitShift) | (next << (64 - bitShift));
        }
        return result;
    }

    // value times significand, exactly: one limb more.
    template <std::size_t In>
    std::array<std::uint64_t, In + 1> MultiplyLimb(
        const std::array<std::uint64_t, In>& value, std::uint64_t significand)
    {
        std::array<std::uint64_t, In + 1> product {};
        std::uint64_t carry = 0;
        for (std::size_t index = 0; index < In; ++index) {
            const Wide part = static_cast<Wide>(value[index]) * significand + carry;
            product[index] = static_cast<std::uint64_t>(part);
            carry = static_cast<std::uint64_t>(part >> 64);
        }
        product[In] = carry;
        return product;
    }

} // namespace detail

// The widest fit whose sums the wide road takes in these steps: a power sum within
// 2^-FixedPointBits of the sum of its terms' magnitudes, and a residual to a few units of
// 2^-FractionBits of the polynomial's largest term, are then as close as MPFR at that width
// would take them.
constexpr int FixedPointBits = 126;

// A magnitude below 1 in whole units of 2^-FractionBits.
constexpr int FractionBits = 192;
using Fraction = Limbs3;

// significand 2^-shift (below 1) in units of 2^-FractionBits, truncated.
inline Fraction FractionOf(std::uint64_t significand, int shift)
{
    return detail::ShiftRight<3>(Limbs4 { 0, 0, 0, significand }, shift);
}

// value times significand 2^-shift (below 1), truncated: less than one unit below the product.
inline Fraction MultiplyFraction(const Fraction& value, std::uint64_t significand, int shift)
{
    return detail::ShiftRight<3>(detail::MultiplyLimb(value, significand), shift);
}

// A signed whole number in two's complement over four limbs.
struct FixedSum {
    Limbs4 Limbs {};

    bool IsNegative() const { return (Limbs[3] >> 63) != 0; }

    // The number with the given magnitude (below 2^255) and sign.
    static FixedSum Of(const Limbs4& magnitude, bool negative)
    {
        FixedSum number { magnitude };
        if (negative)
            number.Negate();
        return number;
    }

    void Negate()
    {
        std::uint64_t carry = 1;
        for (std::uint64_t& limb : Limbs) {
            limb = ~limb + carry;
            carry = carry != 0 && limb == 0 ? 1 : 0;
        }
    }

    Limbs4 Magnitude() const
    {
        FixedSum magnitude = *this;
        if (IsNegative())
            magnitude.Negate();
        return magnitude.Limbs;
    }

    void Add(const FixedSum& other)
    {
        std::uint64_t carry = 0;
        for (std::size_t index = 0; index < 4; ++index) {
            const detail::Wide sum
                = static_cast<detail::Wide>(Limbs[index]) + other.Limbs[index] + carry;
            Limbs[index] = static_cast<std::uint64_t>(sum);
            carry = static_cast<std::uint64_t>(sum >> 64);
        }
    }

    // Adds the fraction value, or takes it away when negative.
    void Add(const Fraction& value, bool negative)
    {
        using detail::Wide;
        if (!negative) {
            Wide carry = 0;
            for (std::size_t index = 0; index < 3; ++index) {
                carry = static_cast<Wide>(Limbs[index]) + value[index] + (carry >> 64);
                Limbs[index] = static_cast<std::uint64_t>(carry);
            }
            Limbs[3] += static_cast<std::uint64_t>(carry >> 64);
        } else {
            std::uint64_t borrow = 0;
            for (std::size_t index = 0; index < 3; ++index) {
                const Wide difference = static_cast<Wide>(Limbs[index]) - value[index] - borrow;
                Limbs[index] = static_cast<std::uint64_t>(difference);
                borrow = static_cast<std::uint64_t>(difference >> 127);
            }
            Limbs[3] -= borrow;
        }
    }
};

// value times significand 2^-shift (below 1), with the sign of negative added: the magnitude
// truncated, so less than one unit from the product. |value| below 2^254.
inline FixedSum MultiplyScaled(
    const FixedSum& value, std::uint64_t significand, int shift, bool negative)
{
    const Limbs4 magnitude
        = detail::ShiftRight<4>(detail::MultiplyLimb(value.Magnitude(), significand), shift);
    return FixedSum::Of(magnitude, value.IsNegative() != negative);
}

// significand 2^-shift for any shift (negative: a left shift) as a FixedSum with the sign of
// negative, truncated; the magnitude must stay below 2^255.
inline FixedSum FixedOf(std::uint64_t significand, int shift, bool negative)
{
    if (shift >= 0)
        return FixedSum::Of(
            detail::ShiftRight<4>(Limbs4 { significand, 0, 0, 0 }, shift), negative);
    // A left shift by -shift: right by 256 - (-shift) from the top of eight limbs' worth.
    return FixedSum::Of(
        detail::ShiftRight<4>(
            std::array<std::uint64_t, 8> { 0, 0, 0, 0, significand, 0, 0, 0 }, 256 + shift),
        negative);
}

// The number as (High + Low) 2^Exponent, High + Low its two highest limbs that are not 0,
// exactly (the limbs below, less than 2^-64 of it, dropped), |Low| at most half a unit in the
// last place of High.
struct ApproximateNumber {
    long double High = 0;
    long double Low = 0;
    int Exponent = 0;
};

inline ApproximateNumber Approximate(const FixedSum& number)
{
    const Limbs4 magnitude = number.Magnitude();
    std::size_t top = 3;
    while (top > 0 && magnitude[top] == 0)
        --top;
    ApproximateNumber approximate;
    // Each limb converts exactly: the significand of long double has 64 bits.
    if (top == 0) {
        approximate.High = static_cast<long double>(magnitude[0]);
    } else {
        const long double high = static_cast<long double>(magnitude[top]) * 0x1p64L;
        const long double low = static_cast<long double>(magnitude[top - 1]);
        approximate.High = high + low;
        approximate.Low = low - (approximate.High - high);
        approximate.Exponent = 64 * static_cast<int>(top - 1);
    }
    if (number.IsNegative()) {
        approximate.High = -approximate.High;
        approximate.Low = -approximate.Low;
    }
    return approximate;
}

// |value| 2^-scale as Significand 2^-Shift, below 1 where scale is at least the binary exponent of
// a finite |value| (that of frexp).
struct ScaledMagnitude {
    std::uint64_t Significand = 0;
    int Shift = 0;
    bool Negative = false;

    // Roughly, as a double (below its range: 0).
    double Approximate() const { return std::ldexp(static_cast<double>(Significand), -Shift); }
};

// Read from the x87 80-bit format (asserted in common/extended.h): a 64-bit significand with
// its leading bit, then 15 bits of exponent biased by 16383 and the sign.
inline ScaledMagnitude MagnitudeOf(long double value, int scale)
{
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + sizeof significand,
        sizeof signAndExponent);
    const int biased = signAndExponent & 0x7fff;
    // |value| = significand 2^exponent; subnormal numbers share the least exponent.
    const int exponent = (biased == 0 ? 1 : biased) - 16383 - 63;
    return { significand, scale - exponent, (signAndExponent >> 15) != 0 };
}

} // namespace fit
