// SPDX-License-Identifier: GPL-3.0-or-later
// tests/report/format_with_uncertainty_test.cpp: the five forms, both precision settings, zeros.
#include "report/format_with_uncertainty.h"

#include "common/failure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using common::Extended;

namespace {

struct FormatCase {
    const char* name;
    Extended value;
    Extended uncertainty;
    int precisionFlag;
    std::string expected;
};

void CheckCases(const std::vector<FormatCase>& cases)
{
    for (const FormatCase& formatCase : cases) {
        SCOPED_TRACE(formatCase.name);
        EXPECT_EQ(report::FormatWithUncertainty(
                      formatCase.value, formatCase.uncertainty, formatCase.precisionFlag),
            formatCase.expected);
    }
}

} // namespace

TEST(FormatWithUncertainty, WritesTheWorkedExamples)
{
    CheckCases({
        { "fixed decimals", 3.14159L, 0.0123L, 0, "3.14 +/- 0.01 " },
        { "fixed decimals, extra digit", 3.14159L, 0.0123L, 1, "3.142 +/- 0.012 " },
        { "rounded whole number", 1234.5L, 78, 0, "1230 +/- 80 " },
        { "whole number, extra digit", 1234.5L, 78, 1, "1235 +/- 78 " },
        { "coarse scientific", 123456, 78, 0, "1.2346E5 +/- 0.0008E5 " },
        { "whole number however large", 123456, 78, 1, "123456 +/- 78 " },
        { "coarse scientific, two decimals", 98765.4L, 321, 0, "9.88E4 +/- 0.03E4 " },
        { "whole number, half away from zero", 12.3L, 2.5L, 0, "12 +/- 3 " },
        { "three digits below ten", 12.3L, 2.5L, 1, "12.30 +/- 2.50 " },
        { "fine scientific", 0.000123456L, 0.0000012L, 0, "1.23E-4 +/- 0.01E-4 " },
        { "fine scientific, extra digit", 0.000123456L, 0.0000012L, 1, "1.235E-4 +/- 0.012E-4 " },
        { "fine scientific without suffix", 3.2L, 0.00005L, 0, "3.20000 +/- 0.00005 " },
        { "uncertainty as large as the value", 0.5L, 0.5L, 0, "0.5 +/- 0.5 " },
        { "negative value", -47.25L, 3.3L, 0, "-47 +/- 3 " },
    });
}

TEST(FormatWithUncertainty, RoundsAtTheEdges)
{
    CheckCases({
        { "ties go to even steps", 125, 35, 0, "120 +/- 40 " },
        { "negative value rounding to zero keeps its sign", -0.004L, 0.05L, 0, "-0.00 +/- 0.05 " },
        { "below ten keeps three digits", 5, 9.99L, 1, "5.00 +/- 9.99 " },
        { "above ten keeps two digits", 5, 10.5L, 1, "5 +/- 11 " },
        { "uncertainty of exactly 1", 7.25L, 1, 0, "7.3 +/- 1.0 " },
        { "negative coarse scientific", -98765.4L, 321, 0, "-9.88E4 +/- 0.03E4 " },
        { "large display exponent from the uncertainty", 12, 45678, 0, "0E4 +/- 5E4 " },
    });
}

TEST(FormatWithUncertainty, WritesZerosInsteadOfFailing)
{
    CheckCases({
        // Rounds to no step of 10: written 0.
        { "value rounding to zero in whole steps", 3, 20, 0, "0 +/- 20 " },
        { "negative value rounding to zero in whole steps", -3, 20, 0, "0 +/- 20 " },
        // A zero value takes the display exponent of the uncertainty.
        { "zero value, fixed decimals", 0, 0.0123L, 0, "0.00 +/- 0.01 " },
        { "zero value, fine scientific", 0, 0.0000012L, 0, "0E-6 +/- 1E-6 " },
        { "zero value, rounded whole number", 0, 78, 0, "0 +/- 80 " },
        { "zero value, coarse scientific", 0, 32100, 0, "0E4 +/- 3E4 " },
        { "negative zero value", -0.0L, 0.5L, 0, "0.0 +/- 0.5 " },
        // An exact fit keeps 15 significant digits of the value.
        { "zero uncertainty", 2.5L, 0, 0, "2.50000000000000 +/- 0.00000000000000 " },
        { "zero uncertainty, extra digit", 2.5L, 0, 1, "2.50000000000000 +/- 0.00000000000000 " },
        { "zero uncertainty, scientific", -1234.5L, 0, 0,
            "-1.23450000000000E3 +/- 0.00000000000000E3 " },
        { "zero uncertainty, small value", 0.000123L, 0, 0,
            "1.2300000000000E-4 +/- 0.0000000000000E-4 " },
        { "zero uncertainty, fixed decimals", 1.5e12L, 0, 0, "1500000000000.00 +/- 0.00 " },
        { "zero uncertainty, large value", 3e20L, 0, 0,
            "3.00000000000000E20 +/- 0.00000000000000E20 " },
        { "both zero", 0, 0, 0, "0 +/- 0 " },
        { "both zero, extra digit", 0, 0, 1, "0 +/- 0 " },
    });
}

TEST(FormatWithUncertainty, FailsBeyondTheStepRange)
{
    // More than 2147483647 steps of 10^c in the coarse scientific form.
    try {
        report::FormatWithUncertainty(1e30L, 50, 0);
        ADD_FAILURE() << "no failure";
    } catch (const common::FloatingPointError& fault) {
        EXPECT_STREQ(fault.what(), "Invalid floating point operation");
    }
}
