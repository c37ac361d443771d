// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/utf8_character.h: one character read from the front of a UTF-8 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace common {

struct Utf8Character {
    std::uint32_t Code = 0;
    // Bytes it takes, 1 to 4.
    std::size_t Length = 1;
};

// The character whose well-formed UTF-8 sequence starts text; nothing when text is empty or its
// first bytes are no such sequence (a stray byte, an overlong form, a surrogate, a code beyond
// U+10FFFF, a sequence cut short).
std::optional<Utf8Character> ReadUtf8Character(std::string_view text);

} // namespace common
