// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/unread_line_reason.cpp: the reason a data line does not read, word by word.
#include "data/unread_line_reason.h"

#include "common/number_reader.h"

#include <array>
#include <cctype>
#include <vector>

namespace data {

namespace {

    std::vector<std::string_view> Words(std::string_view text)
    {
        std::vector<std::string_view> words;
        std::size_t start = 0;
        while ((start = text.find_first_not_of(' ', start)) != std::string_view::npos) {
            const std::size_t end = std::min(text.find(' ', start), text.size());
            words.push_back(text.substr(start, end - start));
            start = end;
        }
        return words;
    }

    // Written like a number (sign, digits with at most one separator, an exponent), whatever
    // its size.
    bool LooksLikeNumber(std::string_view word, std::string_view separator)
    {
        std::size_t at = 0;
        auto digits = [&] {
            const std::size_t start = at;
            while (at < word.size() && std::isdigit(static_cast<unsigned char>(word[at])))
                ++at;
            return at - start;
        };
        if (at < word.size() && (word[at] == '+' || word[at] == '-'))
            ++at;
        std::size_t mantissaDigits = digits();
        if (word.substr(at).starts_with(separator)) {
            at += separator.size();
            mantissaDigits += digits();
        }
        if (mantissaDigits == 0)
            return false;
        if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
            ++at;
            if (at < word.size() && (word[at] == '+' || word[at] == '-'))
                ++at;
            if (digits() == 0)
                return false;
        }
        return at == word.size();
    }

    std::string CountOfNumbers(std::size_t count)
    {
        static constexpr std::array<const char*, 11> Names { "no", "one", "two", "three", "four",
            "five", "six", "seven", "eight", "nine", "ten" };
        std::string text = count < Names.size() ? Names[count] : std::to_string(count);
        text += count == 1 ? " number on the line" : " numbers on the line";
        return text;
    }

    std::string Quoted(std::string_view text)
    {
        std::string quoted = "'";
        quoted += text;
        quoted += '\'';
        return quoted;
    }

} // namespace

std::string NotANumberReason(std::string_view word, std::string_view decimalSeparator)
{
    if (common::ReadNumber(word, decimalSeparator))
        return std::string();
    const std::string_view otherSeparator = decimalSeparator == "." ? "," : ".";
    if (common::ReadNumber(word, otherSeparator))
        return Quoted(word) + ": the decimal separator here is " + Quoted(decimalSeparator);
    if (LooksLikeNumber(word, decimalSeparator))
        return Quoted(word) + ": too large a number";
    return "not a number: " + Quoted(word);
}

std::string UnreadLineReason(std::string_view line, std::string_view decimalSeparator)
{
    std::string spaced(line);
    for (char& character : spaced)
        if (static_cast<unsigned char>(character) < 32)
            character = ' ';
    const std::vector<std::string_view> words = Words(spaced);
    for (const std::string_view word : words)
        if (std::string reason = NotANumberReason(word, decimalSeparator); !reason.empty())
            return reason;
    if (line.empty())
        return "an empty line";
    if (words.size() != 2)
        return CountOfNumbers(words.size());
    if (spaced.front() == ' ')
        return "the line starts with a space";
    return std::string();
}

} // namespace data
