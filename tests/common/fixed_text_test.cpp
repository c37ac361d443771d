// SPDX-License-Identifier: GPL-3.0-or-later
// tests/common/fixed_text_test.cpp: rounding with carry, signs, padding and the 18-digit decision.
#include "common/fixed_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using common::FixedText;

TEST(FixedText, RoundsHalfAwayFromZeroWithCarry)
{
    struct Case {
        long double value;
        int width;
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
        { 9.995L, 0, 2, "10.00" }, // 9.99499999... in binary, but 18 digits say 9.995
        { 0.125L, 0, 2, "0.13" },
        { -0.125L, 0, 2, "-0.13" },
        { 2.5L, 0, 0, "3" },
        { -2.5L, 0, 0, "-3" },
        { 999.96L, 0, 1, "1000.0" },
        { 0.5L, 0, 0, "1" },
        { 0.49L, 0, 0, "0" },
        { 1234.4L, 1, 0, "1234" },
        { 2.5L, 6, 2, "  2.50" },
        { 3.14159L, 0, 4, "3.1416" },
        { 12345678.0L, 0, 3, "12345678.000" },
        { 0.000123456L, 0, 7, "0.0001235" },
        { 1e-20L, 0, 3, "0.000" },
        { 123.0L, 2, 0, "123" },
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.expected);
        EXPECT_EQ(FixedText(item.value, item.width, item.decimals), item.expected);
    }
}

TEST(FixedText, WritesTheSignBitEvenWhenEveryDigitIsZero)
{
    EXPECT_EQ(FixedText(-0.004L, 0, 2), "-0.00");
    EXPECT_EQ(FixedText(-0.0L, 0, 0), "-0");
    EXPECT_EQ(FixedText(0.0L, 3, 0), "  0");
    EXPECT_EQ(FixedText(-0.0L, 5, 1), " -0.0");
}

TEST(FixedText, DecidesOnEighteenSignificantDigits)
{
    // 0.15 is 0.1499999999999999999932... in binary; to 17 decimals it reads 0.15000000000000000.
    EXPECT_EQ(FixedText(0.15L, 0, 1), "0.2");
    // Above 10, 18 significant digits: 12345.5 is exact, 1.00000000000000005E17 rounds at the 18th.
    EXPECT_EQ(FixedText(12345.5L, 0, 0), "12346");
    EXPECT_EQ(FixedText(100000000000000005.0L, 0, 0), "100000000000000005");
    // The 19th digit of 1234567890123456789 is dropped before rounding to whole numbers.
    EXPECT_EQ(FixedText(1234567890123456789.0L, 0, 0), "1234567890123456790");
}

TEST(FixedText, WritesLargeMagnitudesInPlainDigits)
{
    EXPECT_EQ(FixedText(1e36L, 0, 0), "1000000000000000000000000000000000000");
    EXPECT_EQ(FixedText(-2.5e40L, 0, 1), "-25000000000000000000000000000000000000000.0");
    EXPECT_EQ(FixedText(std::numeric_limits<long double>::infinity(), 5, 0), "  INF");
    EXPECT_EQ(FixedText(-std::numeric_limits<long double>::infinity(), 0, 2), "-INF");
    EXPECT_EQ(FixedText(std::numeric_limits<long double>::quiet_NaN(), 0, 2), "NAN");
}

TEST(FixedText, IgnoresTheCLocale)
{
    const char* locales[] = { "de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "C.UTF-8" };
    std::string previous = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : locales)
        if (std::setlocale(LC_ALL, locale))
            break;
    EXPECT_EQ(FixedText(1234.5L, 0, 2), "1234.50");
    std::setlocale(LC_ALL, previous.c_str());
}
