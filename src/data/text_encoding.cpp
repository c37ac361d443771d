// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/text_encoding.cpp: UTF-8 checked by the table of well-formed byte sequences, UTF-16
// and Latin-1 converted character by character.
#include "data/text_encoding.h"

#include <cstdint>
#include <cstring>

namespace data {

namespace {

    constexpr char32_t ReplacementCharacter = 0xFFFD;

    // The character whose UTF-8 form starts at text[position], and the position after it;
    // nothing when no well-formed character starts there. The second byte's range depends on
    // the first, which rules out overlong forms, surrogates and values beyond U+10FFFF.
    std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& position)
    {
        const auto byteAt
            = [&](std::size_t index) { return static_cast<unsigned char>(text[index]); };
        const unsigned char lead = byteAt(position);
        if (lead < 0x80) {
            ++position;
            return lead;
        }
        int length = 0;
        unsigned char secondLow = 0x80;
        unsigned char secondHigh = 0xBF;
        char32_t character = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            character = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            character = lead & 0x0F;
            if (lead == 0xE0)
                secondLow = 0xA0;
            else if (lead == 0xED)
                secondHigh = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            character = lead & 0x07;
            if (lead == 0xF0)
                secondLow = 0x90;
            else if (lead == 0xF4)
                secondHigh = 0x8F;
        } else {
            return std::nullopt;
        }
        if (text.size() - position < static_cast<std::size_t>(length))
            return std::nullopt;
        for (int index = 1; index < length; ++index) {
            const unsigned char next = byteAt(position + index);
            const unsigned char low = index == 1 ? secondLow : 0x80;
            const unsigned char high = index == 1 ? secondHigh : 0xBF;
            if (next < low || next > high)
                return std::nullopt;
            character = (character << 6) | (next & 0x3F);
        }
        position += length;
        return character;
    }

    void AppendUtf8(std::string& text, char32_t character)
    {
        const auto append = [&](char32_t bits) { text += static_cast<char>(bits); };
        if (character < 0x80) {
            append(character);
        } else if (character < 0x800) {
            append(0xC0 | (character >> 6));
            append(0x80 | (character & 0x3F));
        } else if (character < 0x10000) {
            append(0xE0 | (character >> 12));
            append(0x80 | ((character >> 6) & 0x3F));
            append(0x80 | (character & 0x3F));
        } else {
            append(0xF0 | (character >> 18));
            append(0x80 | ((character >> 12) & 0x3F));
            append(0x80 | ((character >> 6) & 0x3F));
            append(0x80 | (character & 0x3F));
        }
    }

    void AppendCodeUnit(std::string& bytes, std::uint16_t unit, bool bigEndian)
    {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }

} // namespace

bool IsUtf8(std::string_view bytes)
{
    std::size_t position = 0;
    while (position < bytes.size()) {
        // ASCII bytes 32 and then 8 at a time: most of a data file.
        if (position + 32 <= bytes.size()) {
            std::uint64_t words[4];
            std::memcpy(words, bytes.data() + position, sizeof words);
            if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080u) == 0) {
                position += 32;
                continue;
            }
        }
        if (position + 8 <= bytes.size()) {
            std::uint64_t eight;
            std::memcpy(&eight, bytes.data() + position, sizeof eight);
            if ((eight & 0x8080808080808080u) == 0) {
                position += 8;
                continue;
            }
        }
        if (!DecodeUtf8(bytes, position))
            return false;
    }
    return true;
}

std::string Utf8FromLatin1(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        AppendUtf8(text, static_cast<unsigned char>(byte));
    return text;
}

std::optional<std::string> Latin1FromUtf8(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const std::optional<char32_t> character = DecodeUtf8(text, position);
        if (!character || *character > 0xFF)
            return std::nullopt;
        bytes += static_cast<char>(*character);
    }
    return bytes;
}

std::optional<std::string> Utf8FromUtf16(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const auto unitAt = [&](std::size_t index) {
        const auto first = static_cast<unsigned char>(bytes[2 * index]);
        const auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    const std::size_t units = bytes.size() / 2;
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t index = 0; index < units; ++index) {
        char32_t character = unitAt(index);
        if (character >= 0xDC00 && character <= 0xDFFF)
            return std::nullopt; // a low surrogate without its high one
        if (character >= 0xD800 && character <= 0xDBFF) {
            if (index + 1 == units)
                return std::nullopt;
            const char32_t low = unitAt(++index);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            character = 0x10000 + ((character - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(text, character);
    }
    return text;
}

std::string Utf16FromUtf8(std::string_view text, bool bigEndian)
{
    std::string bytes;
    bytes.reserve(2 * text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        std::optional<char32_t> character = DecodeUtf8(text, position);
        if (!character) {
            character = ReplacementCharacter;
            ++position;
        }
        if (*character < 0x10000) {
            AppendCodeUnit(bytes, static_cast<std::uint16_t>(*character), bigEndian);
        } else {
            const char32_t offset = *character - 0x10000;
            AppendCodeUnit(bytes, static_cast<std::uint16_t>(0xD800 + (offset >> 10)), bigEndian);
            AppendCodeUnit(bytes, static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)), bigEndian);
        }
    }
    return bytes;
}

} // namespace data
