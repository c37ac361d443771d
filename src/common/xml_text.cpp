// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/xml_text.cpp: the characters of XML 1.0, and its five entities.
#include "common/xml_text.h"

#include "common/utf8_character.h"

#include <optional>

namespace common {

namespace {

    // The Char production of XML 1.0.
    bool IsXmlCharacter(std::uint32_t code)
    {
        return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
            || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
    }

} // namespace

std::string XmlCharacters(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    while (!text.empty()) {
        const std::optional<Utf8Character> character = ReadUtf8Character(text);
        const std::size_t length = character ? character->Length : 1;
        if (character && IsXmlCharacter(character->Code))
            kept.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return kept;
}

std::string EscapedXmlText(std::string_view text)
{
    std::string escaped;
    for (const char character : XmlCharacters(text)) {
        switch (character) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        // Written as references so that a parser gives them back as they are, in attributes
        // too, where it would turn them into spaces.
        case '\t':
            escaped += "&#9;";
            break;
        case '\n':
            escaped += "&#10;";
            break;
        case '\r':
            escaped += "&#13;";
            break;
        default:
            escaped += character;
        }
    }
    return escaped;
}

} // namespace common
