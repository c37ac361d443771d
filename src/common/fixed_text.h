// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/fixed_text.h: the fixed-point number text used by the report, the readout and the tick
// labels.
#pragma once

#include "common/extended.h"

#include <string>

namespace common {

// Writes value in plain decimal notation with exactly decimals digits after a "." (no point when
// decimals is 0), at least one integer digit, "-" whenever the sign bit is set (also -0.00),
// padded on the left with blanks to at least width characters and never cut. Rounding is half
// away from zero, decided on the value's expansion to 18 significant digits (17 decimals when
// the magnitude is below 10), with carry. Independent of the C locale.
// Magnitudes of 1E36 and more are written the same way: their 18 significant digits followed by
// zeros, never an exponent. Infinities are written "INF" or "-INF", a NaN "NAN".
std::string FixedText(Extended value, int width, int decimals);

} // namespace common
