// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/printable_text.cpp: escapes for the characters a terminal would obey.
#include "common/printable_text.h"

#include "common/utf8_character.h"

#include <cstdint>

namespace common {

namespace {

    constexpr char HexDigits[] = "0123456789abcdef";

    void AppendHex(std::string& out, std::uint32_t value, int digits)
    {
        for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
            out += HexDigits[(value >> shift) & 0xF];
    }

    // Characters that move the cursor, end a line or reorder what follows them.
    bool ActsRatherThanShows(std::uint32_t code)
    {
        return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029
            || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069)
            || code == 0x200E || code == 0x200F || code == 0x061C;
    }

} // namespace

std::string PrintableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::optional<Utf8Character> decoded = ReadUtf8Character(text);
        if (!decoded) {
            out += "\\x";
            AppendHex(out, static_cast<unsigned char>(text[0]), 2);
            text.remove_prefix(1);
            continue;
        }
        const auto [code, length] = *decoded;
        if (code == '\\') {
            out += "\\\\";
        } else if (code == '\n') {
            out += "\\n";
        } else if (code == '\t') {
            out += "\\t";
        } else if (code == '\r') {
            out += "\\r";
        } else if (code <= 0xFF && ActsRatherThanShows(code)) {
            // C1 controls as the bytes of their UTF-8 form, so that each escape is one byte.
            for (std::size_t index = 0; index < length; ++index) {
                out += "\\x";
                AppendHex(out, static_cast<unsigned char>(text[index]), 2);
            }
        } else if (ActsRatherThanShows(code)) {
            out += "\\u";
            AppendHex(out, code, 4);
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

} // namespace common
