// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/wide_float.h: the binary floating-point type, of a width chosen at run time, that carries
// the fits Extended cannot.
#pragma once

#include "common/extended.h"

#include <boost/multiprecision/mpfr.hpp>

namespace fit {

using common::Extended;

// GNU MPFR through Boost.Multiprecision, rounding to nearest. Without expression templates, so
// code written for Extended reads the same for it.
using WideFloat = boost::multiprecision::number<boost::multiprecision::mpfr_float_backend<0>,
    boost::multiprecision::et_off>;

// While it lives, WideFloat values created take a significand of at least the given bits (a
// little more: the width is set in decimal digits); the earlier width comes back at its end.
class WidePrecision {
public:
    explicit WidePrecision(int bits);
    ~WidePrecision();
    WidePrecision(const WidePrecision&) = delete;
    WidePrecision& operator=(const WidePrecision&) = delete;

    // The significand bits of the values created now.
    int Bits() const { return m_bits; }

private:
    unsigned m_savedDigits;
    int m_bits;
};

// value rounded to the nearest Extended. Throws common::FloatingPointError (overflow) when it
// lies beyond the Extended range, or (invalid operation) when it is not a number; a value below
// the range rounds to 0 or a subnormal silently, as Extended arithmetic does.
Extended RoundToExtended(const WideFloat& value);

} // namespace fit
