// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/format_with_uncertainty.h: a value and its uncertainty rounded to the same place.
#pragma once

#include "common/extended.h"

#include <string>

namespace report {

// "<value> +/- <uncertainty> ", both rounded to the place of the uncertainty's leading digit
// (one place further when precisionFlag is 1), in one of five forms: rounded whole numbers,
// whole numbers, fixed decimals, or one of two scientific forms with an exponent suffix "E<n>".
// A value of 0 takes its exponent from the uncertainty; an uncertainty of 0 keeps 15
// significant digits of the value. Number texts never depend on the locale.
// Throws common::FloatingPointError (invalid operation) when a scientific value is more than
// 2147483647 steps of its last digit away from zero, and passes on any other fault.
std::string FormatWithUncertainty(
    common::Extended value, common::Extended uncertainty, int precisionFlag);

} // namespace report
