// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/integer_conversions.cpp: rounding conversions with the fault of an out-of-range
// result.
#include "common/integer_conversions.h"

#include "common/failure.h"

#include <cmath>
#include <limits>

namespace common {

namespace {

    std::int32_t ToInt32(Extended wholeValue)
    {
        constexpr Extended lowest = std::numeric_limits<std::int32_t>::min();
        constexpr Extended highest = std::numeric_limits<std::int32_t>::max();
        if (!(wholeValue >= lowest && wholeValue <= highest))
            throw FloatingPointError(FloatingPointError::Kind::InvalidOperation);
        return static_cast<std::int32_t>(wholeValue);
    }

} // namespace

Extended RoundHalfEven(Extended value)
{
    // nearbyint rounds in the current mode, which the workbench never changes from
    // round-to-nearest-even, and raises no inexact flag.
    return std::nearbyint(value);
}

std::int32_t Nearest(Extended value) { return ToInt32(RoundHalfEven(value)); }

std::int32_t Trunc(Extended value) { return ToInt32(std::trunc(value)); }

} // namespace common
