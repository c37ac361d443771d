// SPDX-License-Identifier: GPL-3.0-or-later
// tests/data/text_encoding_test.cpp: well-formed UTF-8 and UTF-16, at the edges of their ranges.
#include "data/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace std::string_literals;

TEST(IsUtf8, TakesWellFormedSequencesOnly)
{
    const struct {
        const char* name;
        std::string bytes;
        bool wellFormed;
    } cases[] = {
        { "ASCII and U+0080", "\x7F\xC2\x80", true },
        { "last of two bytes, first of three", "\xDF\xBF\xE0\xA0\x80", true },
        { "around the surrogates", "\xED\x9F\xBF\xEE\x80\x80", true },
        { "first and last beyond the BMP", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", true },
        { "noncharacters", "\xEF\xBF\xBF\xEF\xB7\x90", true },
        { "lone continuation byte", "\x80", false },
        { "overlong two bytes", "\xC1\xBF", false },
        { "overlong three bytes", "\xE0\x9F\xBF", false },
        { "overlong four bytes", "\xF0\x8F\xBF\xBF", false },
        { "surrogate", "\xED\xA0\x80", false },
        { "beyond U+10FFFF", "\xF4\x90\x80\x80", false },
        { "lead byte F5", "\xF5\x80\x80\x80", false },
        { "cut short", "1\xE2\x82", false },
        { "continuation missing",
            "\xC3"
            "A",
            false },
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(text.name);
        EXPECT_EQ(data::IsUtf8(text.bytes), text.wellFormed);
    }
}

TEST(Utf8FromUtf16, PairsSurrogatesAndRefusesLoneOnes)
{
    const struct {
        const char* name;
        std::string units;
        bool bigEndian;
        std::optional<std::string> text;
    } cases[] = {
        { "little-endian", "A\0\xAC\x20"s, false, "A\xE2\x82\xAC" },
        { "big-endian", "\0A\x20\xAC"s, true, "A\xE2\x82\xAC" },
        { "surrogate pair", "\xDB\xFF\xDF\xFF", true, "\xF4\x8F\xBF\xBF" },
        { "high surrogate last", "\xD8\x00", true, std::nullopt },
        { "high surrogate before a letter", "\xD8\x00\0A"s, true, std::nullopt },
        { "lone low surrogate", "\xDC\x00", true, std::nullopt },
        { "odd byte count", "\0A\0"s, true, std::nullopt },
    };
    for (const auto& units : cases) {
        SCOPED_TRACE(units.name);
        EXPECT_EQ(data::Utf8FromUtf16(units.units, units.bigEndian), units.text);
    }
}

TEST(Utf16FromUtf8, WritesPairsAndReplacesBrokenBytes)
{
    EXPECT_EQ(data::Utf16FromUtf8("A\xF0\x9F\x98\x80", false), "A\0\x3D\xD8\x00\xDE"s);
    EXPECT_EQ(data::Utf16FromUtf8("\xE9"
                                  "A",
                  true),
        "\xFF\xFD\0A"s);
}
