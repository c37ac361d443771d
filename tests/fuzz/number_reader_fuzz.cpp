// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/number_reader_fuzz.cpp: the number reader with "." and "," as the decimal separator,
// against the C library's reading where the text is plain enough for both.
// Input: one byte that picks the separator (even ".", odd ","), then the text.
#include "common/number_reader.h"
#include "fuzz_input.h"

#include <clocale>
#include <cmath>
#include <locale.h>
#include <optional>
#include <stdlib.h>
#include <string>

namespace {

using common::Extended;

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

// The text in the C library's own syntax when both readers must agree on it: spaces, a sign,
// digits with at least one before or after the separator, and an exponent of at most three
// significant digits after its marker (so that every digit is taken), spaces. Nothing else.
std::optional<std::string> PlainNumber(std::string_view text, char separator)
{
    std::size_t position = 0;
    const auto skipSpaces = [&] {
        while (position < text.size() && text[position] == ' ')
            ++position;
    };
    const auto takeDigits = [&] {
        const std::size_t start = position;
        while (position < text.size() && IsDigit(text[position]))
            ++position;
        return text.substr(start, position - start);
    };

    std::string plain;
    skipSpaces();
    if (position < text.size() && (text[position] == '+' || text[position] == '-'))
        plain += text[position++];
    const std::string_view integerDigits = takeDigits();
    plain += integerDigits;
    std::string_view fractionDigits;
    if (position < text.size() && text[position] == separator) {
        ++position;
        fractionDigits = takeDigits();
        plain += '.';
        plain += fractionDigits;
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return std::nullopt;
    if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
        plain += text[position++];
        if (position < text.size() && (text[position] == '+' || text[position] == '-'))
            plain += text[position++];
        std::string_view exponentDigits = takeDigits();
        if (exponentDigits.empty())
            return std::nullopt;
        plain += exponentDigits;
        while (exponentDigits.starts_with('0'))
            exponentDigits.remove_prefix(1);
        if (exponentDigits.size() > 3)
            return std::nullopt;
    }
    skipSpaces();
    if (position != text.size())
        return std::nullopt;
    return plain;
}

Extended ReadInC(const std::string& plain)
{
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    char* end = nullptr;
    const Extended value = strtold_l(plain.c_str(), &end, classic);
    fuzz::Require(end == plain.c_str() + plain.size(), "the C library reads the plain text whole");
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const char separator = input.TakeByte() % 2 == 0 ? '.' : ',';
    const std::string_view text = input.Rest();

    const std::optional<Extended> value = common::ReadNumber(text, std::string_view(&separator, 1));
    fuzz::Require(!value || std::isfinite(*value), "a number read is finite");

    const std::optional<std::string> plain = PlainNumber(text, separator);
    if (!plain)
        return 0;
    const Extended expected = ReadInC(*plain);
    if (std::isinf(expected)) {
        fuzz::Require(!value, "a number beyond the Extended range is refused");
        return 0;
    }
    fuzz::Require(value.has_value(), "a plain number reads");
    fuzz::Require(fuzz::SameBits(*value, expected), "a plain number reads as the C library's");
    return 0;
}
