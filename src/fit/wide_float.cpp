// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_float.cpp: the width of the wide type, and its rounding to Extended.
#include "fit/wide_float.h"

#include "common/failure.h"

#include <cmath>

namespace fit {

namespace {

    // The significand bits Boost gives a value of the given decimal digits.
    int BitsOfDigits(unsigned digits)
    {
        return static_cast<int>(boost::multiprecision::detail::digits10_2_2(digits));
    }

} // namespace

WidePrecision::WidePrecision(int bits)
    : m_savedDigits(WideFloat::default_precision())
{
    unsigned digits = static_cast<unsigned>(bits) * 301 / 1000;
    while (BitsOfDigits(digits) < bits)
        ++digits;
    WideFloat::default_precision(digits);
    m_bits = BitsOfDigits(digits);
}

WidePrecision::~WidePrecision() { WideFloat::default_precision(m_savedDigits); }

Extended RoundToExtended(const WideFloat& value)
{
    const Extended rounded = mpfr_get_ld(value.backend().data(), MPFR_RNDN);
    if (std::isnan(rounded))
        throw common::FloatingPointError(common::FloatingPointError::Kind::InvalidOperation);
    if (std::isinf(rounded))
        throw common::FloatingPointError(common::FloatingPointError::Kind::Overflow);
    return rounded;
}

} // namespace fit
