// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/table_reader_fuzz.cpp: a file's bytes read as a table: every row is a point or is
// left out with a reason that prints safely, the counts agree, the points are finite, and a
// second reading gives the same.
// Input: one byte for the delimiter (detected or one of the four) and the columns, one for the
// header rows, comment character, decimal separator and point limit, then the file's bytes.
#include "common/failure.h"
#include "data/data_text_file.h"
#include "data/table_reader.h"
#include "fuzz_input.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

data::TableFormat FormatOf(std::uint8_t first, std::uint8_t second)
{
    data::TableFormat format;
    if (first % 5 != 0)
        format.Delimiter = static_cast<data::TableDelimiter>(first % 5 - 1);
    if (second & 1)
        format.HeaderRows = (second >> 1) % 3;
    if (second & 8)
        format.CommentCharacter = (second & 16) ? '\0' : '#';
    if (second & 32)
        format.DecimalSeparator = (second & 64) ? "," : ".";
    return format;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size)
{
    fuzz::FuzzInput input(bytesIn, size);
    const std::uint8_t first = input.TakeByte();
    const std::uint8_t second = input.TakeByte();
    const data::TableFormat format = FormatOf(first, second);
    const data::TableColumns columns { { 1 + first / 5 % 3, {} }, { 1 + first / 15 % 3, {} } };
    const int limit = (second & 128) ? 5 : std::numeric_limits<int>::max();

    std::string text;
    try {
        text = data::TextFromFileBytes(std::string(input.Rest()), data::LargeFileCapacity).Text;
    } catch (const common::Failure&) {
        return 0;
    }

    data::PointStore points;
    const data::TableReading reading = data::ReadTable(text, format, columns, limit, points);
    fuzz::Require(reading.Format.Delimiter && reading.Format.HeaderRows
            && reading.Format.CommentCharacter && reading.Format.DecimalSeparator,
        "every setting is given or detected");
    fuzz::Require(points.PointCount == std::min(reading.PointsRead, limit)
            && points.LinesLeftUnread == (reading.PointsRead > limit),
        "the store keeps the first points up to the limit and says when there were more");
    for (int point = 1; point <= points.PointCount; ++point)
        fuzz::Require(std::isfinite(points.XData[point]) && std::isfinite(points.YData[point]),
            "every point is finite");
    fuzz::Require(static_cast<int>(reading.LeftOut.size())
            == std::min(reading.LeftOutCount, data::MaxLeftOutRowsKept),
        "the first rows left out are kept, and all are counted");
    int lastRow = 0;
    for (const data::LeftOutRow& row : reading.LeftOut) {
        fuzz::Require(row.Row > lastRow, "rows left out come in order of their lines");
        lastRow = row.Row;
        fuzz::Require(!row.Reason.empty(), "a row left out has a reason");
        for (const char character : row.Reason)
            fuzz::Require(
                static_cast<unsigned char>(character) >= 32, "a reason holds no control character");
    }

    data::PointStore again;
    const data::TableReading rereading = data::ReadTable(text, format, columns, limit, again);
    fuzz::Require(rereading.PointsRead == reading.PointsRead
            && rereading.LeftOutCount == reading.LeftOutCount
            && rereading.ColumnNames == reading.ColumnNames
            && again.PointCount == points.PointCount,
        "a second reading gives the same");
    for (int point = 1; point <= points.PointCount; ++point)
        fuzz::Require(fuzz::SameBits(points.XData[point], again.XData[point])
                && fuzz::SameBits(points.YData[point], again.YData[point]),
            "a second reading gives the same points");
    data::FirstTableRows(text, reading.Format, 20);
    return 0;
}
