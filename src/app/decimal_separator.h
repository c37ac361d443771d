// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/decimal_separator.h: the user's decimal separator, for reading numbers.
#pragma once

#include <string>

namespace app {

// The decimal separator of the system locale as UTF-8 (usually "." or ",").
std::string SystemDecimalSeparator();

} // namespace app
