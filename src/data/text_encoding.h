// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/text_encoding.h: the character encodings a data file may be written in, to and from
// UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace data {

// How a data file's bytes stand for the pane's characters. A byte order mark in front of the
// text is part of the encoding, not of the text.
enum class TextEncoding {
    Utf8,
    Utf8WithByteOrderMark,
    Latin1, // one character U+0000..U+00FF per byte
    Utf16LittleEndian, // with its byte order mark FF FE
    Utf16BigEndian, // with its byte order mark FE FF
};

// True when bytes are well-formed UTF-8: no overlong form, no surrogate, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view bytes);

// The UTF-8 form of bytes read as Latin-1, one character per byte.
std::string Utf8FromLatin1(std::string_view bytes);

// The Latin-1 bytes of a UTF-8 text; nothing when it holds a character beyond U+00FF or is not
// well-formed.
std::optional<std::string> Latin1FromUtf8(std::string_view text);

// The UTF-8 form of UTF-16 code units (without a byte order mark) in the given byte order;
// nothing when the byte count is odd or a surrogate is unpaired.
std::optional<std::string> Utf8FromUtf16(std::string_view bytes, bool bigEndian);

// The UTF-16 code units of a UTF-8 text in the given byte order, without a byte order mark.
// A byte that does not belong to a well-formed character becomes U+FFFD.
std::string Utf16FromUtf8(std::string_view text, bool bigEndian);

} // namespace data
