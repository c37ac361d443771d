// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/data_text_file.h: the bytes of a data file and the data pane's text, each way.
#pragma once

#include "data/text_encoding.h"

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace data {

// The largest data file Open takes, in bytes of the file: 16 MiB. Far beyond any data the
// window can use (600 points of a few dozen characters), yet a file this size still goes into
// the editor within seconds, a slice at a time; a larger file is refused.
constexpr std::size_t MemoCapacity = std::size_t { 16 } * 1024 * 1024;

// The largest file a table or the fitter's reading of every point takes: 1 GiB, and why it
// refuses a larger one.
constexpr std::size_t LargeFileCapacity = std::size_t { 1 } << 30;
constexpr std::string_view LargeFileMessage = "The file is larger than 1 GiB";

// The most lines the window's data pane takes from a file: its editor spends about 130 bytes
// and a few microseconds on each line, so that 16 MiB of lines of 8 bytes or more open within
// seconds and a few hundred megabytes, where 16 MiB of empty lines would take minutes and
// gigabytes.
constexpr long MemoLineCapacity = 1L << 21;

// Why PaneTextFromFileBytes refuses a file, as the user reads it (without the final ".").
constexpr std::string_view TextTooLongMessage = "Text exceeds memo capacity";
// Its reason, on a second line.
constexpr std::string_view TextTooLongReason
    = "It holds more than 16 MiB; at most 16 MiB of text is read.";
constexpr std::string_view NotTextMessage
    = "The file is not a text file: it holds a character of code 0";
constexpr std::string_view Utf16WithoutByteOrderMarkMessage
    = "The file is UTF-16 text without a byte order mark";
constexpr std::string_view BrokenUtf16Message
    = "The file is marked as UTF-16 text but is not valid UTF-16";

struct DataFileText {
    // UTF-8, lines separated by "\n".
    std::string Text;
    TextEncoding Encoding = TextEncoding::Utf8;
};

// The pane's text that a data file holds, and how its bytes encode it. A file that starts with
// FF FE or FE FF and decodes as UTF-16 is UTF-16 in that byte order; one that is well-formed
// UTF-8 is UTF-8, a leading EF BB BF kept out of the text; any other is Latin-1, so no byte is
// lost or replaced. Then CR LF, a lone LF and a lone CR each become one "\n". Throws
// common::Failure with TextTooLongMessage (and TextTooLongReason) for more than MemoCapacity bytes,
// NotTextMessage for a character of code 0 (Utf16WithoutByteOrderMarkMessage when the bytes read as
// UTF-16 without a mark), and BrokenUtf16Message for bytes marked as UTF-16, zero bytes among them,
// that do not decode. A larger capacity (LargeFileCapacity, for the fitter's reading of every
// point) refuses only beyond it.
DataFileText PaneTextFromFileBytes(std::string_view bytes, std::size_t capacity = MemoCapacity);

// The text of a file's bytes (UTF-8, line breaks as in the file) and their encoding, told and
// refused as PaneTextFromFileBytes does but for the size: more than capacity bytes are refused
// with TextTooLongMessage, or LargeFileMessage for LargeFileCapacity. bytes is taken over, so
// a UTF-8 file is not copied.
DataFileText TextFromFileBytes(std::string bytes, std::size_t capacity);

// The bytes of a data file holding text (UTF-8, lines separated by "\n") in encoding: each
// "\n" becomes CR LF, no line break is added after the last line, and the encoding's byte order
// mark goes in front, also of an empty text. With Latin-1, a text is written as UTF-8 instead
// when its Latin-1 bytes would not open as the same text: it holds a character beyond U+00FF,
// or the bytes would read as UTF-8 or UTF-16. The text and encoding read from a file whose line
// breaks are all CR LF give back that file's bytes.
std::string FileBytesFromPaneText(std::string_view text, TextEncoding encoding);

// The characters the data pane's editor takes for line breaks, in UTF-8: U+2029 (paragraph
// separator), U+FDD0 and U+FDD1 (the frame marks of its document).
constexpr std::array<std::string_view, 3> EditorLineBreakCharacters { "\xE2\x80\xA9",
    "\xEF\xB7\x90", "\xEF\xB7\x91" };

// True when text (UTF-8) holds one of EditorLineBreakCharacters, so that a Save would write
// CR LF in its place.
bool HoldsEditorLineBreakCharacters(std::string_view text);

// Throws the refusal of a file larger than capacity: TextTooLongMessage with TextTooLongReason,
// or LargeFileMessage for LargeFileCapacity.
[[noreturn]] void RefuseTooLong(std::size_t capacity);

// Reads stream from where it stands up to capacity + 1 bytes: enough for PaneTextFromFileBytes
// (or TextFromFileBytes with that capacity) to refuse a file that is too long, without reading
// an endless one whole. Failures of the stream's buffer pass out as it raises them (a file
// buffer throws std::ios_base::failure when reading a folder).
std::string ReadDataFileBytes(std::istream& stream, std::size_t capacity = MemoCapacity);

} // namespace data
