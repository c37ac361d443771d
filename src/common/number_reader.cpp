// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/number_reader.cpp: the number syntax of the data text, rounded by hand or by the C
// library.
#include "common/number_reader.h"

#include "common/failure.h"

#include <array>
#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
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

    // 10^0 .. 10^27: 5^27 still fits in 64 bits, so each is exact in Extended.
    constexpr int ExactPowerLimit = 27;
    constexpr std::array<Extended, ExactPowerLimit + 1> ExactPowersOfTen = [] {
        std::array<Extended, ExactPowerLimit + 1> powers {};
        Extended power = 1;
        for (Extended& entry : powers) {
            entry = power;
            power *= 10;
        }
        return powers;
    }();

    // At most 19 decimal digits always fit in the 64-bit significand.
    constexpr std::size_t SignificandDigitLimit = 19;

    // The mantissa's digits as an integer when at most 19 of them are significant (leading
    // zeros are not); nullopt when there are more.
    std::optional<std::uint64_t> SignificantDigits(
        std::string_view integerDigits, std::string_view fractionDigits)
    {
        std::uint64_t value = 0;
        std::size_t digits = 0;
        for (const std::string_view part : { integerDigits, fractionDigits })
            for (const char digit : part) {
                if (value == 0 && digit == '0')
                    continue;
                if (++digits > SignificandDigitLimit)
                    return std::nullopt;
                value = value * 10 + static_cast<std::uint64_t>(digit - '0');
            }
        return value;
    }

    // The common case, done without the C library: when the decimal digits form an integer of
    // at most 19 digits (exact in the 64-bit significand) and the power of ten is exact, one
    // multiplication or division rounds correctly. It cannot overflow. nullopt: not this case.
    std::optional<Extended> ConvertExactly(
        std::uint64_t significand, std::size_t fractionDigitCount, int exponent)
    {
        if (fractionDigitCount > SignificandDigitLimit + ExactPowerLimit)
            return std::nullopt;
        if (significand == 0)
            return Extended(0);
        const int scale = exponent - static_cast<int>(fractionDigitCount);
        if (scale < -ExactPowerLimit || scale > ExactPowerLimit)
            return std::nullopt;
        const Extended value = static_cast<Extended>(significand);
        return scale >= 0 ? value * ExactPowersOfTen[scale] : value / ExactPowersOfTen[-scale];
    }

    // The form of nearly every number in a data file, read without the general scan: an
    // optional sign, digits, the separator (one byte) and digits, at most 19 digits in all,
    // nothing else. false: any other text, left to the general reading.
    bool ReadPlainNumber(std::string_view text, std::string_view separator, Extended& number)
    {
        const char* position = text.data();
        const char* const end = position + text.size();
        const bool negative = position < end && *position == '-';
        if (position < end && (*position == '-' || *position == '+'))
            ++position;
        const char* const digitsStart = position;
        std::uint64_t mantissa = 0;
        for (; position < end && IsDigit(*position); ++position)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*position - '0');
        std::size_t digitCount = static_cast<std::size_t>(position - digitsStart);
        std::size_t fractionDigitCount = 0;
        if (position < end && separator.size() == 1 && *position == separator[0]) {
            const char* const fractionStart = ++position;
            for (; position < end && IsDigit(*position); ++position)
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(*position - '0');
            fractionDigitCount = static_cast<std::size_t>(position - fractionStart);
            digitCount += fractionDigitCount;
        }
        if (position != end || digitCount == 0 || digitCount > SignificandDigitLimit)
            return false;
        // As ConvertExactly: fewer than 20 fraction digits keep the power of ten exact.
        const Extended value = static_cast<Extended>(mantissa);
        const Extended magnitude
            = fractionDigitCount == 0 ? value : value / ExactPowersOfTen[fractionDigitCount];
        number = negative ? -magnitude : magnitude;
        return true;
    }

    // Every other case goes to the C library in the "C" locale, which rounds the decimal value
    // correctly to the 64-bit significand. nullopt: beyond the Extended range.
    std::optional<Extended> ConvertInC(
        std::string_view integerDigits, std::string_view fractionDigits, int exponent)
    {
        std::string plain = integerDigits.empty() ? std::string("0") : std::string(integerDigits);
        if (!fractionDigits.empty()) {
            plain += '.';
            plain += fractionDigits;
        }
        plain += 'e';
        plain += std::to_string(exponent);

        // The conversion may raise overflow or underflow; no flag may stay for a later check.
        std::fenv_t savedEnvironment;
        std::feholdexcept(&savedEnvironment);
        const Extended magnitude = strtold_l(plain.c_str(), nullptr, ClassicLocale());
        std::fesetenv(&savedEnvironment);
        if (std::isinf(magnitude))
            return std::nullopt;
        return magnitude;
    }

} // namespace

std::optional<Extended> ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    if (Extended plain; ReadPlainNumber(text, decimalSeparator, plain))
        return plain;
    // One pass over the text: the mantissa's digits are also taken into an integer as they are
    // passed, exact while there are at most 19 of them (beyond, it wraps and is not used).
    const char* position = text.data();
    const char* const end = position + text.size();
    std::uint64_t mantissa = 0;
    const auto takeDigits = [&] {
        const char* const start = position;
        for (; position < end && IsDigit(*position); ++position)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*position - '0');
        return std::string_view(start, static_cast<std::size_t>(position - start));
    };
    const auto skipSpaces = [&] {
        while (position < end && *position == ' ')
            ++position;
    };

    skipSpaces();

    bool negative = false;
    if (position < end && (*position == '+' || *position == '-')) {
        negative = *position == '-';
        ++position;
    }

    const std::string_view integerDigits = takeDigits();
    bool hasSeparator = false;
    std::string_view fractionDigits;
    const std::size_t left = static_cast<std::size_t>(end - position);
    const bool separatorFollows = decimalSeparator.size() == 1
        ? left > 0 && *position == decimalSeparator[0]
        : !decimalSeparator.empty() && left >= decimalSeparator.size()
            && std::string_view(position, decimalSeparator.size()) == decimalSeparator;
    if (separatorFollows) {
        hasSeparator = true;
        position += decimalSeparator.size();
        fractionDigits = takeDigits();
    }
    if (integerDigits.empty() && fractionDigits.empty() && !hasSeparator)
        return std::nullopt;

    int exponent = 0;
    if (position < end && (*position == 'E' || *position == 'e')) {
        ++position;
        bool negativeExponent = false;
        if (position < end && (*position == '+' || *position == '-')) {
            negativeExponent = *position == '-';
            ++position;
        }
        while (position < end && IsDigit(*position) && exponent < ExponentDigitLimit)
            exponent = exponent * 10 + (*position++ - '0');
        if (negativeExponent)
            exponent = -exponent;
    }

    skipSpaces();
    if (position != end)
        return std::nullopt;

    const std::optional<std::uint64_t> significand
        = integerDigits.size() + fractionDigits.size() <= SignificandDigitLimit
        ? mantissa
        : SignificantDigits(integerDigits, fractionDigits);
    std::optional<Extended> magnitude;
    if (significand)
        magnitude = ConvertExactly(*significand, fractionDigits.size(), exponent);
    if (!magnitude) {
        magnitude = ConvertInC(integerDigits, fractionDigits, exponent);
        if (!magnitude)
            return std::nullopt;
    }
    return negative ? -*magnitude : *magnitude;
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
