// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/fixed_text.cpp: fixed-point text from the 18-significant-digit expansion.
#include "common/fixed_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace common {

namespace {

    constexpr int SignificantDigits = 18;
    constexpr int DecimalsBelowTen = 17;

    struct DecimalExpansion {
        std::string integerDigits; // at least one digit
        std::string fractionDigits;
    };

    // The expansion the rounding is decided on: 17 decimals below 10, else 18 significant
    // digits placed by their decimal exponent. to_chars is exact and locale-free.
    DecimalExpansion ExpansionOf(Extended magnitude)
    {
        char buffer[64];
        DecimalExpansion expansion;
        if (magnitude < 10) {
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                std::chars_format::fixed, DecimalsBelowTen);
            const std::string_view text(buffer, result.ptr - buffer);
            const std::size_t point = text.find('.');
            expansion.integerDigits = std::string(text.substr(0, point));
            expansion.fractionDigits = std::string(text.substr(point + 1));
            return expansion;
        }
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
            std::chars_format::scientific, SignificantDigits - 1);
        const std::string_view text(buffer, result.ptr - buffer);
        const std::size_t exponentMark = text.find('e');
        std::string digits;
        for (char character : text.substr(0, exponentMark))
            if (character != '.')
                digits += character;
        int exponent = 0;
        const std::string_view exponentText = text.substr(exponentMark + 1);
        std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
            exponentText.data() + exponentText.size(), exponent);
        // digits[0] stands for 10^exponent; exponent >= 1 here.
        const int integerLength = exponent + 1;
        if (integerLength >= static_cast<int>(digits.size())) {
            expansion.integerDigits = digits + std::string(integerLength - digits.size(), '0');
        } else {
            expansion.integerDigits = digits.substr(0, integerLength);
            expansion.fractionDigits = digits.substr(integerLength);
        }
        return expansion;
    }

    // Adds one unit in the last place of digits; returns true when a carry leaves the front.
    bool Increment(std::string& digits)
    {
        for (auto position = digits.rbegin(); position != digits.rend(); ++position) {
            if (*position != '9') {
                ++*position;
                return false;
            }
            *position = '0';
        }
        return true;
    }

    std::string PadLeft(std::string text, int width)
    {
        if (static_cast<int>(text.size()) < width)
            text.insert(0, width - text.size(), ' ');
        return text;
    }

} // namespace

std::string FixedText(Extended value, int width, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return PadLeft("NAN", width);
    if (std::isinf(value))
        return PadLeft(negative ? "-INF" : "INF", width);

    DecimalExpansion expansion = ExpansionOf(std::fabs(value));
    std::string& integerDigits = expansion.integerDigits;
    std::string& fractionDigits = expansion.fractionDigits;

    bool roundUp = false;
    if (static_cast<int>(fractionDigits.size()) > decimals) {
        roundUp = fractionDigits[decimals] >= '5';
        fractionDigits.resize(decimals);
    } else {
        fractionDigits.append(decimals - fractionDigits.size(), '0');
    }
    if (roundUp && Increment(fractionDigits) && Increment(integerDigits))
        integerDigits.insert(0, 1, '1');

    const std::size_t firstSignificant = integerDigits.find_first_not_of('0');
    integerDigits.erase(0, std::min(firstSignificant, integerDigits.size() - 1));

    std::string text = negative ? "-" : "";
    text += integerDigits;
    if (decimals > 0) {
        text += '.';
        text += fractionDigits;
    }
    return PadLeft(std::move(text), width);
}

} // namespace common
