// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/integer_conversions.h: the rounding and truncating conversions of values to integers.
#pragma once

#include "common/extended.h"

#include <cstdint>

namespace common {

// The nearest whole number as an Extended, an exact half going to the even neighbour
// (2.5 gives 2, 3.5 gives 4, -2.5 gives -2). No range limit; NaN and infinities pass through.
Extended RoundHalfEven(Extended value);

// *nearest*: RoundHalfEven as a 32-bit signed integer. Throws FloatingPointError
// (invalid operation) when the result lies outside the 32-bit range or value is NaN.
std::int32_t Nearest(Extended value);

// *trunc*: the integer part towards zero as a 32-bit signed integer (-2.7 gives -2). Throws
// FloatingPointError (invalid operation) when it lies outside the 32-bit range or value is NaN.
std::int32_t Trunc(Extended value);

} // namespace common
