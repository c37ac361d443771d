// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/extended.h: the 80-bit extended floating-point type of every value the workbench
// computes.
#pragma once

#include <limits>

namespace common {

// Data values, ranges, fit constants and matrix elements are all held and computed in this type.
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
    "Extended must be the x87 80-bit format (64-bit significand)");

} // namespace common
