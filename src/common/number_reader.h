// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/number_reader.h: reading a number of the data text, and locale-free powers of ten.
#pragma once

#include "common/extended.h"

#include <optional>
#include <string_view>

namespace common {

// Reads text as one number: spaces, an optional sign, a mantissa of digits with an optional
// decimalSeparator and more digits (at least one digit or the separator), an optional exponent
// ("E" or "e", optional sign, digits taken only while the exponent so far is below 500), spaces,
// and nothing else. The value is correctly rounded to Extended with the sign applied last.
// Returns nullopt when the text does not follow the syntax or the value exceeds the Extended
// range; a value too small for it reads as 0 or a subnormal. Independent of the C locale.
std::optional<Extended> ReadNumber(std::string_view text, std::string_view decimalSeparator);

// 10 to the power exponent, as the value of the text "1.00E" followed by exponent, read with
// "." as the separator whatever the user's locale (the nearest representable value).
// Throws Failure "'<text>' is not a valid floating point value" when that text does not read.
Extended PowerOfTen(int exponent);

} // namespace common
