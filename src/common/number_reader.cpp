// src/common/number_reader.cpp: the number syntax of the data text, read by hand, converted in "C".
#include "common/number_reader.h"

#include "common/failure.h"

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace common {

namespace {

    constexpr int ExponentDigitLimit = 500;

    bool IsDigit(char character) { return character >= '0' && character <= '9'; }

    // One "C" locale for the whole process, so the conversion never sees the user's separator.
    locale_t ClassicLocale()
    {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return classic;
    }

} // namespace

std::optional<Extended> ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    std::size_t position = 0;
    const std::size_t length = text.size();
    auto skipSpaces = [&] {
        while (position < length && text[position] == ' ')
            ++position;
    };

    skipSpaces();

    bool negative = false;
    if (position < length && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }

    std::string mantissa;
    while (position < length && IsDigit(text[position]))
        mantissa += text[position++];
    const bool hasIntegerDigits = !mantissa.empty();

    bool hasSeparator = false;
    std::string fraction;
    if (!decimalSeparator.empty() && text.substr(position).starts_with(decimalSeparator)) {
        hasSeparator = true;
        position += decimalSeparator.size();
        while (position < length && IsDigit(text[position]))
            fraction += text[position++];
    }
    if (!hasIntegerDigits && fraction.empty() && !hasSeparator)
        return std::nullopt;

    int exponent = 0;
    if (position < length && (text[position] == 'E' || text[position] == 'e')) {
        ++position;
        bool negativeExponent = false;
        if (position < length && (text[position] == '+' || text[position] == '-')) {
            negativeExponent = text[position] == '-';
            ++position;
        }
        while (position < length && IsDigit(text[position]) && exponent < ExponentDigitLimit)
            exponent = exponent * 10 + (text[position++] - '0');
        if (negativeExponent)
            exponent = -exponent;
    }

    skipSpaces();
    if (position != length)
        return std::nullopt;

    // The syntax is checked; the conversion itself is left to the C library in the "C" locale,
    // which rounds the decimal value correctly to the 64-bit significand.
    std::string plain = hasIntegerDigits ? mantissa : std::string("0");
    if (!fraction.empty()) {
        plain += '.';
        plain += fraction;
    }
    plain += 'e';
    plain += std::to_string(exponent);

    // The conversion may raise overflow or underflow; it must not leave flags for a later check.
    std::fenv_t savedEnvironment;
    std::feholdexcept(&savedEnvironment);
    const Extended magnitude = strtold_l(plain.c_str(), nullptr, ClassicLocale());
    std::fesetenv(&savedEnvironment);
    if (std::isinf(magnitude))
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

Extended PowerOfTen(int exponent)
{
    std::string text = "1.00E";
    text += std::to_string(exponent);
    const std::optional<Extended> value = ReadNumber(text, ".");
    if (!value)
        throw Failure("'" + text + "' is not a valid floating point value");
    return *value;
}

} // namespace common
