// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/data_text_file.cpp: the encoding of a data file told from its bytes, its line breaks
// and its refusals.
#include "data/data_text_file.h"

#include "common/failure.h"

#include <algorithm>
#include <array>
#include <optional>

namespace data {

namespace {

    constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
    constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
    constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";

    [[noreturn]] void Refuse(std::string_view message)
    {
        throw common::Failure(std::string(message));
    }

    bool HoldsCodeZero(std::string_view text) { return text.find('\0') != std::string_view::npos; }

    // Bytes holding a zero that decode as UTF-16 in one byte order without any U+0000, most of
    // their characters below U+0100 as in a data file: a UTF-16 text whose mark is missing.
    bool LooksLikeUnmarkedUtf16(std::string_view bytes)
    {
        for (const bool bigEndian : { false, true }) {
            const std::optional<std::string> text = Utf8FromUtf16(bytes, bigEndian);
            if (!text || HoldsCodeZero(*text))
                continue;
            std::size_t lowCharacters = 0;
            for (std::size_t high = bigEndian ? 0 : 1; high < bytes.size(); high += 2)
                lowCharacters += bytes[high] == '\0' ? 1 : 0;
            if (2 * lowCharacters > bytes.size() / 2)
                return true;
        }
        return false;
    }

    // The encoding and the UTF-8 text of bytes, line breaks still as in the file. UTF-8 bytes
    // become the text without a copy.
    DataFileText Decoded(std::string bytes)
    {
        for (const bool bigEndian : { false, true }) {
            if (!bytes.starts_with(bigEndian ? Utf16BigEndianMark : Utf16LittleEndianMark))
                continue;
            if (std::optional<std::string> text
                = Utf8FromUtf16(std::string_view(bytes).substr(2), bigEndian)) {
                if (HoldsCodeZero(*text))
                    Refuse(NotTextMessage);
                return { std::move(*text),
                    bigEndian ? TextEncoding::Utf16BigEndian : TextEncoding::Utf16LittleEndian };
            }
            // Without a zero byte these are no UTF-16 characters of a data file: a Latin-1 text
            // that happens to start with the same two characters, read below.
            if (HoldsCodeZero(bytes))
                Refuse(BrokenUtf16Message);
        }
        if (HoldsCodeZero(bytes))
            Refuse(
                LooksLikeUnmarkedUtf16(bytes) ? Utf16WithoutByteOrderMarkMessage : NotTextMessage);

        if (bytes.starts_with(Utf8ByteOrderMark)) {
            if (IsUtf8(std::string_view(bytes).substr(Utf8ByteOrderMark.size()))) {
                bytes.erase(0, Utf8ByteOrderMark.size());
                return { std::move(bytes), TextEncoding::Utf8WithByteOrderMark };
            }
        } else if (IsUtf8(bytes)) {
            return { std::move(bytes), TextEncoding::Utf8 };
        }
        // Every byte is a character here, a leading EF BB BF included.
        return { Utf8FromLatin1(bytes), TextEncoding::Latin1 };
    }

    // Whether bytes open as text (line breaks as in the file).
    bool OpensAs(std::string_view bytes, std::string_view text)
    {
        try {
            return Decoded(std::string(bytes)).Text == text;
        } catch (const common::Failure&) {
            return false;
        }
    }

    // CR LF, a lone LF and a lone CR each become "\n".
    std::string WithOneLineBreakEach(std::string_view text)
    {
        std::string result;
        result.reserve(text.size());
        for (std::size_t position = 0; position < text.size(); ++position) {
            const char character = text[position];
            if (character == '\r') {
                result += '\n';
                if (position + 1 < text.size() && text[position + 1] == '\n')
                    ++position;
            } else {
                result += character;
            }
        }
        return result;
    }

    std::string WithCrLfBreaks(std::string_view text)
    {
        std::string result;
        result.reserve(text.size() + text.size() / 16);
        for (const char character : text) {
            if (character == '\n')
                result += '\r';
            result += character;
        }
        return result;
    }

} // namespace

DataFileText PaneTextFromFileBytes(std::string_view bytes, std::size_t capacity)
{
    if (bytes.size() > capacity)
        RefuseTooLong(capacity);
    DataFileText file = Decoded(std::string(bytes));
    file.Text = WithOneLineBreakEach(file.Text);
    return file;
}

DataFileText TextFromFileBytes(std::string bytes, std::size_t capacity)
{
    if (bytes.size() > capacity)
        RefuseTooLong(capacity);
    return Decoded(std::move(bytes));
}

std::string FileBytesFromPaneText(std::string_view text, TextEncoding encoding)
{
    std::string bytes = WithCrLfBreaks(text);
    switch (encoding) {
    case TextEncoding::Utf8:
        break;
    case TextEncoding::Utf8WithByteOrderMark:
        bytes.insert(0, Utf8ByteOrderMark);
        break;
    case TextEncoding::Latin1:
        if (std::optional<std::string> latin1 = Latin1FromUtf8(bytes);
            latin1 && OpensAs(*latin1, bytes))
            bytes = std::move(*latin1);
        break;
    case TextEncoding::Utf16LittleEndian:
        bytes = std::string(Utf16LittleEndianMark) + Utf16FromUtf8(bytes, false);
        break;
    case TextEncoding::Utf16BigEndian:
        bytes = std::string(Utf16BigEndianMark) + Utf16FromUtf8(bytes, true);
        break;
    }
    return bytes;
}

bool HoldsEditorLineBreakCharacters(std::string_view text)
{
    return std::any_of(EditorLineBreakCharacters.begin(), EditorLineBreakCharacters.end(),
        [&](std::string_view character) { return text.find(character) != std::string_view::npos; });
}

std::string ReadDataFileBytes(std::istream& stream, std::size_t capacity)
{
    const std::size_t Limit = capacity + 1;
    std::string bytes;
    // Room for a file whole, so a large one is not copied as the text grows.
    std::streambuf& buffer = *stream.rdbuf();
    const std::streamoff here = buffer.pubseekoff(0, std::ios::cur, std::ios::in);
    const std::streamoff end = buffer.pubseekoff(0, std::ios::end, std::ios::in);
    if (here >= 0 && end >= here && buffer.pubseekpos(here, std::ios::in) == here)
        bytes.reserve(std::min(static_cast<std::size_t>(end - here), Limit));
    std::array<char, 64 * 1024> chunk;
    while (bytes.size() < Limit) {
        const std::size_t wanted = std::min(chunk.size(), Limit - bytes.size());
        // Straight from the buffer, which reports a failing read by throwing.
        const std::streamsize got
            = stream.rdbuf()->sgetn(chunk.data(), static_cast<std::streamsize>(wanted));
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
        if (static_cast<std::size_t>(got) < wanted)
            break;
    }
    return bytes;
}

void RefuseTooLong(std::size_t capacity)
{
    if (capacity == LargeFileCapacity)
        throw common::Failure(std::string(LargeFileMessage));
    throw common::Failure(std::string(TextTooLongMessage), std::string(TextTooLongReason));
}

} // namespace data
