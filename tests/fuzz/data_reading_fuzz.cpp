// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/data_reading_fuzz.cpp: a data file's bytes into the pane's text and into points:
// the text is well-formed and saves back to bytes that open as the same text, byte for byte
// when the file's line breaks were CR LF; reading leaves the text as it is and reads the same
// points again.
// Input: one byte that picks the decimal separator (even ".", odd ","), then the file's bytes.
#include "common/failure.h"
#include "common/memory_lines.h"
#include "data/calculate_data.h"
#include "data/data_text_file.h"
#include "fuzz_input.h"

#include <cmath>
#include <optional>
#include <string>

namespace {

using data::TextEncoding;

// Every CR of the file is followed by an LF and every LF follows a CR, counting characters of
// one byte, or of two bytes in UTF-16 (after its mark, which is neither).
bool AllBreaksAreCrLf(std::string_view bytes, TextEncoding encoding)
{
    const bool utf16
        = encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian;
    const std::size_t width = utf16 ? 2 : 1;
    const auto unitAt = [&](std::size_t index) -> unsigned {
        const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
        if (!utf16)
            return byteAt(index);
        const unsigned first = byteAt(index * 2);
        const unsigned second = byteAt(index * 2 + 1);
        return encoding == TextEncoding::Utf16BigEndian ? first << 8 | second : second << 8 | first;
    };
    const std::size_t units = bytes.size() / width;
    for (std::size_t index = 0; index < units; ++index) {
        const unsigned unit = unitAt(index);
        if (unit == '\r' && (index + 1 == units || unitAt(index + 1) != '\n'))
            return false;
        if (unit == '\n' && (index == 0 || unitAt(index - 1) != '\r'))
            return false;
    }
    return true;
}

std::optional<data::DataFileText> Read(std::string_view bytes)
{
    try {
        return data::PaneTextFromFileBytes(bytes);
    } catch (const common::Failure&) {
        return std::nullopt;
    }
}

bool SamePoints(const data::PointStore& first, const data::PointStore& second)
{
    for (int slot = 1; slot <= data::MaxPoints; ++slot)
        if (!fuzz::SameBits(first.XData[slot], second.XData[slot])
            || !fuzz::SameBits(first.YData[slot], second.YData[slot]))
            return false;
    return first.PointCount == second.PointCount && first.DataPresent == second.DataPresent
        && first.LinesLeftUnread == second.LinesLeftUnread
        && fuzz::SameBits(first.XMin, second.XMin) && fuzz::SameBits(first.XMax, second.XMax)
        && fuzz::SameBits(first.YMin, second.YMin) && fuzz::SameBits(first.YMax, second.YMax);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size)
{
    fuzz::FuzzInput input(bytesIn, size);
    const std::string_view separator = input.TakeByte() % 2 == 0 ? "." : ",";
    const std::string_view bytes = input.Rest();

    const std::optional<data::DataFileText> file = Read(bytes);
    if (!file)
        return 0;
    const std::string& text = file->Text;
    fuzz::Require(data::IsUtf8(text), "the pane's text is well-formed UTF-8");
    fuzz::Require(text.find_first_of(std::string_view("\r\0", 2)) == std::string::npos,
        "the pane's text holds neither CR nor a character of code 0");
    data::HoldsEditorLineBreakCharacters(text);

    const std::string saved = data::FileBytesFromPaneText(text, file->Encoding);
    const std::optional<data::DataFileText> reread = Read(saved);
    fuzz::Require(reread.has_value(), "what is saved opens again");
    fuzz::Require(reread->Text == text, "what is saved opens as the same text");
    fuzz::Require(reread->Encoding == file->Encoding
            || (file->Encoding == TextEncoding::Latin1 && reread->Encoding == TextEncoding::Utf8),
        "what is saved opens in the same encoding, or in UTF-8 where Latin-1 cannot carry it");
    if (AllBreaksAreCrLf(bytes, file->Encoding))
        fuzz::Require(saved == bytes, "a file with CR LF breaks is saved back byte for byte");

    common::MemoryLines dataPane(text);
    data::PointStore points;
    data::CalculateData(points, dataPane, separator);
    fuzz::Require(dataPane.Text() == text, "reading leaves the pane's text as it is");
    for (int slot = 1; slot <= points.PointCount; ++slot)
        fuzz::Require(std::isfinite(points.XData[slot]) && std::isfinite(points.YData[slot]),
            "every point read is finite");
    const std::vector<int> unreadLines = dataPane.UnreadLines();

    data::PointStore again;
    data::CalculateData(again, dataPane, separator);
    fuzz::Require(SamePoints(points, again) && dataPane.UnreadLines() == unreadLines,
        "reading again gives the same points and marks");
    return 0;
}
