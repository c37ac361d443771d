// SPDX-License-Identifier: GPL-3.0-or-later
// tests/common/number_reader_test.cpp: every rule of the number syntax, with "." and with ",".
#include "common/failure.h"
#include "common/number_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

using common::Extended;
using common::ReadNumber;

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    std::optional<Extended> expected;
};

void CheckCases(const std::vector<ReadCase>& cases, std::string_view separator)
{
    for (const ReadCase& readCase : cases) {
        SCOPED_TRACE(readCase.name);
        const std::optional<Extended> value = ReadNumber(readCase.text, separator);
        ASSERT_EQ(value.has_value(), readCase.expected.has_value()) << '"' << readCase.text << '"';
        if (value) {
            EXPECT_EQ(*value, *readCase.expected) << '"' << readCase.text << '"';
        }
    }
}

} // namespace

TEST(ReadNumber, FollowsTheSyntaxWithPoint)
{
    CheckCases(
        {
            { "plain integer", "12", 12.0L },
            { "leading and trailing spaces", "   1   ", 1.0L },
            { "minus and leading point", "-.5", -0.5L },
            { "plus and exponent", "+3e-2", 0.03L },
            { "upper-case exponent", "2.5E3", 2500.0L },
            { "point alone", ".", 0.0L },
            { "trailing point", "5.", 5.0L },
            { "exponent without digits", "1E", 1.0L },
            { "exponent sign without digits", "1E+", 1.0L },
            { "point and exponent only", ".E5", 0.0L },
            { "sign alone", "+", std::nullopt },
            { "minus alone", "-", std::nullopt },
            { "empty", "", std::nullopt },
            { "spaces only", "   ", std::nullopt },
            { "exponent alone", "E5", std::nullopt },
            { "comma left over", "1,5", std::nullopt },
            { "two numbers", "1 2", std::nullopt },
            { "two signs", "+-1", std::nullopt },
            { "space after sign", "- 1", std::nullopt },
            { "thousands separator", "1,000", std::nullopt },
            { "tab is not a space here", "1\t", std::nullopt },
            { "letters", "abc", std::nullopt },
        },
        ".");
}

TEST(ReadNumber, UsesTheGivenSeparator)
{
    CheckCases(
        {
            { "comma decimal", "1,5", 1.5L },
            { "comma alone", ",", 0.0L },
            { "point left over", "1.5", std::nullopt },
            { "negative with exponent", "-2,5e1", -25.0L },
        },
        ",");
    EXPECT_EQ(ReadNumber("3\xD9\xAB"
                         "25",
                  "\xD9\xAB"),
        3.25L)
        << "a separator of several bytes";
}

TEST(ReadNumber, TakesExponentDigitsWhileBelowFiveHundred)
{
    EXPECT_EQ(ReadNumber("1E499", "."), std::stold("1e499"));
    EXPECT_EQ(ReadNumber("1E-0499", "."), std::stold("1e-499"));
    // 500 reached: the next digit is not taken and is left over.
    EXPECT_FALSE(ReadNumber("1E5000", ".").has_value());
    EXPECT_FALSE(ReadNumber("1E-5000", ".").has_value());
    // 499 is below 500, so a fourth digit is still taken.
    EXPECT_EQ(ReadNumber("1E4990", ".").has_value(), false) << "beyond the range";
    EXPECT_EQ(ReadNumber("1E4930", "."), std::stold("1e4930"));
}

TEST(ReadNumber, FailsBeyondTheRangeAndAcceptsTinyValues)
{
    EXPECT_FALSE(ReadNumber("1.2E4932", ".").has_value());
    EXPECT_FALSE(ReadNumber("-1E4933", ".").has_value());
    const std::optional<Extended> subnormal = ReadNumber("1E-4940", ".");
    ASSERT_TRUE(subnormal.has_value());
    EXPECT_GT(*subnormal, 0.0L);
    EXPECT_LT(*subnormal, std::numeric_limits<Extended>::min());
    EXPECT_EQ(ReadNumber("1E-4990", "."), 0.0L);
    EXPECT_TRUE(std::signbit(*ReadNumber("-0", ".")));
}

TEST(ReadNumber, RoundsCorrectlyAndLeavesNoFlags)
{
    common::ClearFloatingPointFlags();
    EXPECT_EQ(ReadNumber("0.1", "."), 0.1L);
    EXPECT_EQ(ReadNumber("123456789012345678901234567890", "."),
        std::stold("123456789012345678901234567890"));
    EXPECT_FALSE(ReadNumber("1E4999", ".").has_value());
    EXPECT_NO_THROW(common::CheckFloatingPointFlags());
}

TEST(ReadNumber, RoundsShortDecimalsAtEveryScaleLikeTheCLibrary)
{
    // Up to 19 digits with a power of ten up to 27 are formed by one multiplication or division;
    // longer texts and larger scales take the C library's road. Both must round the same.
    for (const char* digits : { "1", "7", ".3", "1.23456789", "9999999999.999999999",
             "99999999999.999999999", "1844674407370955161.5", "0.0000000000000000000000012345",
             "00000000000000000000042" }) {
        for (int exponent = -40; exponent <= 40; ++exponent) {
            std::string text = digits;
            text += 'E';
            text += std::to_string(exponent);
            EXPECT_EQ(ReadNumber(text, "."), std::stold(text)) << text;
        }
    }
}

TEST(ReadNumber, RoundsPlainDecimalsLikeTheCLibrary)
{
    // Without an exponent or spaces, up to 19 digits take the shortest road, more the general
    // one: with either separator, both must round as the C library does.
    for (const std::string text : { "0.1", "-0.3", "+2.5", "9999999999999999999",
             "99999999999999999999", "18446744073709551615", "1.000000000000000001",
             "1.0000000000000000001", "-0.0000000000000000001", "00000000000000000000.5",
             "-987654321.0987654321", ".0000000000000000003" }) {
        EXPECT_EQ(ReadNumber(text, "."), std::stold(text)) << text;
        std::string withComma = text;
        std::replace(withComma.begin(), withComma.end(), '.', ',');
        EXPECT_EQ(ReadNumber(withComma, ","), std::stold(text)) << withComma;
    }
    EXPECT_TRUE(std::signbit(*ReadNumber("-0.000", ".")));
}

TEST(PowerOfTen, ReadsThePowerWithAPointWhateverTheLocale)
{
    EXPECT_EQ(common::PowerOfTen(0), 1.0L);
    EXPECT_EQ(common::PowerOfTen(-4), 1e-4L);
    EXPECT_EQ(common::PowerOfTen(5), 1e5L);
    try {
        common::PowerOfTen(5000);
        FAIL() << "no failure";
    } catch (const common::Failure& failure) {
        EXPECT_STREQ(failure.what(), "'1.00E5000' is not a valid floating point value");
    }
}
