// SPDX-License-Identifier: GPL-3.0-or-later
// tests/common/integer_conversions_test.cpp: ties to even, truncation and the out-of-range fault.
#include "common/failure.h"
#include "common/integer_conversions.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using common::FloatingPointError;

TEST(Nearest, SendsExactHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(common::Nearest(2.5L), 2);
    EXPECT_EQ(common::Nearest(3.5L), 4);
    EXPECT_EQ(common::Nearest(-2.5L), -2);
    EXPECT_EQ(common::Nearest(12.5L), 12);
    EXPECT_EQ(common::Nearest(2.5000000001L), 3);
    EXPECT_EQ(common::Nearest(-0.4L), 0);
}

TEST(Trunc, DropsTheFractionTowardsZero)
{
    EXPECT_EQ(common::Trunc(-2.7L), -2);
    EXPECT_EQ(common::Trunc(2.7L), 2);
    EXPECT_EQ(common::Trunc(-0.3L), 0);
}

TEST(Nearest, FaultsOutsideThe32BitRange)
{
    EXPECT_EQ(common::Nearest(2147483647.0L), 2147483647);
    EXPECT_EQ(common::Nearest(-2147483648.0L), -2147483647 - 1);
    EXPECT_THROW(common::Nearest(2147483647.5L), FloatingPointError);
    EXPECT_THROW(common::Trunc(-2147483649.0L), FloatingPointError);
    EXPECT_THROW(
        common::Nearest(std::numeric_limits<long double>::quiet_NaN()), FloatingPointError);
    try {
        common::Trunc(1e30L);
    } catch (const FloatingPointError& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
}

namespace {

std::string FaultText(long double (*step)())
{
    common::ClearFloatingPointFlags();
    volatile long double result = step();
    (void)result;
    try {
        common::CheckFloatingPointFlags();
    } catch (const FloatingPointError& error) {
        return error.what();
    }
    return "no failure";
}

volatile long double zero = 0.0L;
volatile long double one = 1.0L;
volatile long double largest = std::numeric_limits<long double>::max();

} // namespace

TEST(CheckFloatingPointFlags, ReportsEachFaultWithItsText)
{
    EXPECT_EQ(FaultText([] { return one / zero; }), "Floating point division by zero");
    EXPECT_EQ(FaultText([] { return zero / zero; }), "Invalid floating point operation");
    EXPECT_EQ(FaultText([] { return largest * largest; }), "Floating point overflow");
    EXPECT_EQ(FaultText([] { return largest / 3; }), "no failure");
    EXPECT_EQ(FaultText([] { return one / zero; }), "Floating point division by zero");
    EXPECT_NO_THROW(common::CheckFloatingPointFlags()) << "the check clears the flags";
}
