// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/table_reader.cpp: the format of a table told from its first rows, and its rows read
// into points or counted as left out.
#include "data/table_reader.h"

#include "common/failure.h"
#include "common/number_reader.h"
#include "data/calculate_data.h"
#include "data/unread_line_reason.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace data {

namespace {

    constexpr int SampleRowCount = 50;
    constexpr std::size_t SampleBytes = 64 * 1024;

    using SampleRows = std::vector<std::vector<std::string>>;

    // The text up to its last line break within the first SampleBytes.
    std::string_view SampleOf(std::string_view text)
    {
        if (text.size() <= SampleBytes)
            return text;
        const std::size_t lastBreak = text.substr(0, SampleBytes).find_last_of("\r\n");
        return text.substr(0, lastBreak == std::string_view::npos ? SampleBytes : lastBreak + 1);
    }

    SampleRows RowsOf(std::string_view text, TableDelimiter delimiter, char comment, int count)
    {
        SampleRows rows;
        TableRowReader reader(text, delimiter, comment);
        TableRow row;
        while (static_cast<int>(rows.size()) < count && reader.Next(row))
            rows.emplace_back(row.Fields.begin(), row.Fields.end());
        return rows;
    }

    bool IsNumber(std::string_view field, std::string_view separator)
    {
        return common::ReadNumber(field, separator).has_value();
    }

    char DetectComment(std::string_view sample)
    {
        int hashes = 0;
        int percents = 0;
        std::size_t start = 0;
        for (int line = 0; line < SampleRowCount && start < sample.size(); ++line) {
            const std::size_t first = sample.find_first_not_of(" \t", start);
            if (first == std::string_view::npos)
                break;
            hashes += sample[first] == '#' ? 1 : 0;
            percents += sample[first] == '%' ? 1 : 0;
            const std::size_t lineEnd = sample.find_first_of("\r\n", first);
            if (lineEnd == std::string_view::npos)
                break;
            start = sample.find_first_not_of("\r\n", lineEnd);
            if (start == std::string_view::npos)
                break;
        }
        return percents > hashes ? '%' : '#';
    }

    TableDelimiter DetectDelimiter(std::string_view sample, char comment)
    {
        // In order of preference where they score the same.
        constexpr std::array Candidates { TableDelimiter::Tab, TableDelimiter::Semicolon,
            TableDelimiter::Comma, TableDelimiter::Blanks };
        TableDelimiter best = TableDelimiter::Comma;
        std::pair<int, int> bestScore { 0, 0 };
        for (const TableDelimiter candidate : Candidates) {
            const bool commaDecimals = candidate != TableDelimiter::Comma;
            int numericRows = 0;
            std::map<std::size_t, int> rowsOfWidth;
            for (const auto& fields : RowsOf(sample, candidate, comment, SampleRowCount)) {
                if (fields.size() < 2)
                    continue;
                ++rowsOfWidth[fields.size()];
                numericRows += std::all_of(fields.begin(), fields.end(),
                                   [&](const std::string& field) {
                                       return IsNumber(field, ".")
                                           || (commaDecimals && IsNumber(field, ","));
                                   })
                    ? 1
                    : 0;
            }
            int sameWidthRows = 0;
            for (const auto& [width, rows] : rowsOfWidth)
                sameWidthRows = std::max(sameWidthRows, rows);
            const std::pair<int, int> score { numericRows, sameWidthRows };
            if (score > bestScore) {
                bestScore = score;
                best = candidate;
            }
        }
        return best;
    }

    std::string DetectDecimalSeparator(const SampleRows& rows, TableDelimiter delimiter)
    {
        if (delimiter == TableDelimiter::Comma)
            return ".";
        int commaOnly = 0;
        int pointOnly = 0;
        for (const auto& fields : rows)
            for (const std::string& field : fields) {
                const bool withPoint = IsNumber(field, ".");
                const bool withComma = IsNumber(field, ",");
                commaOnly += withComma && !withPoint ? 1 : 0;
                pointOnly += withPoint && !withComma ? 1 : 0;
            }
        return commaOnly > pointOnly ? "," : ".";
    }

    int DetectHeaderRows(
        const SampleRows& rows, const TableColumns& columns, std::string_view separator)
    {
        const bool named = !columns.X.Name.empty() || !columns.Y.Name.empty();
        const auto holdsNumber = [&](const std::vector<std::string>& fields) {
            if (named)
                return std::any_of(fields.begin(), fields.end(),
                    [&](const std::string& field) { return IsNumber(field, separator); });
            for (const int column : { columns.X.Number, columns.Y.Number })
                if (column >= 1 && column <= static_cast<int>(fields.size())
                    && IsNumber(fields[column - 1], separator))
                    return true;
            return false;
        };
        const auto firstData = std::find_if(rows.begin(), rows.end(), holdsNumber);
        if (firstData == rows.end())
            return rows.empty() ? 0 : 1;
        return static_cast<int>(firstData - rows.begin());
    }

    std::vector<std::string> ColumnNamesOf(const std::vector<TablePreviewRow>& rows, int headerRows)
    {
        std::size_t width = 0;
        for (const TablePreviewRow& row : rows)
            width = std::max(width, row.Fields.size());
        std::vector<std::string> names(width);
        for (int index = 0; index < headerRows && index < static_cast<int>(rows.size()); ++index)
            for (std::size_t column = 0; column < rows[index].Fields.size(); ++column) {
                const std::string& field = rows[index].Fields[column];
                if (field.find_first_not_of(" \t") == std::string::npos)
                    continue;
                if (!names[column].empty())
                    names[column] += ' ';
                names[column] += field;
            }
        return names;
    }

    // The number from 1 of the column chosen: by its number, or the first whose name, or one
    // of whose header fields, is the name given.
    int ColumnNumber(const TableColumn& column, const std::vector<std::string>& names,
        const std::vector<TablePreviewRow>& rows, int headerRows)
    {
        if (column.Name.empty())
            return column.Number;
        for (std::size_t index = 0; index < names.size(); ++index) {
            bool matches = names[index] == column.Name;
            for (int header = 0; header < headerRows && header < static_cast<int>(rows.size());
                 ++header) {
                const std::vector<std::string>& fields = rows[header].Fields;
                matches = matches || (index < fields.size() && fields[index] == column.Name);
            }
            if (matches)
                return static_cast<int>(index) + 1;
        }
        throw common::Failure("The table has no column named '" + column.Name + "'");
    }

    // A field as a reason shows it: control characters escaped, at most 40 bytes and "...".
    std::string Shown(std::string_view field)
    {
        constexpr std::size_t Longest = 40;
        std::string shown;
        std::size_t index = 0;
        for (; index < field.size() && shown.size() < Longest; ++index) {
            const auto character = static_cast<unsigned char>(field[index]);
            if (character == '\n') {
                shown += "\\n";
            } else if (character == '\r') {
                shown += "\\r";
            } else if (character == '\t') {
                shown += "\\t";
            } else if (character < 32 || character == 127) {
                static constexpr char Digits[] = "0123456789abcdef";
                shown += "\\x";
                shown += Digits[character >> 4];
                shown += Digits[character & 15];
            } else {
                shown += field[index];
            }
        }
        // Not inside a UTF-8 sequence.
        while (index < field.size() && (static_cast<unsigned char>(field[index]) & 0xC0) == 0x80)
            shown += field[index++];
        if (index < field.size())
            shown += "...";
        return shown;
    }

    // Reads column (from 1) of fields into value; false with the reason when it does not read.
    bool ReadColumn(const std::vector<std::string_view>& fields, int column,
        std::string_view separator, Extended& value, std::string& reason)
    {
        const auto columnName = [column] { return "column " + std::to_string(column); };
        if (column < 1 || column > static_cast<int>(fields.size())) {
            reason = columnName() + " is missing";
            return false;
        }
        const std::string_view field = fields[column - 1];
        if (const std::optional<Extended> number = common::ReadNumber(field, separator)) {
            value = *number;
            return true;
        }
        if (field.find_first_not_of(" \t") == std::string_view::npos)
            reason = columnName() + " is empty";
        else if (Shown(field) == field)
            reason = NotANumberReason(field, separator);
        else
            reason = "not a number: '" + Shown(field) + "'";
        return false;
    }

    // How often character occurs in text. Counted in bytes, 255 bytes at a time, so that the
    // compiler compares many bytes at once: the text may be a gigabyte.
    std::size_t Occurrences(std::string_view text, char character)
    {
        std::size_t total = 0;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t stop = std::min(text.size(), at + 255);
            unsigned char block = 0;
            for (; at < stop; ++at)
                block += text[at] == character ? 1 : 0;
            total += block;
        }
        return total;
    }

    // Room for the points of text within pointLimit, from the number of its line breaks.
    void MakeRoom(PointStore& points, std::string_view text, int pointLimit)
    {
        if (pointLimit <= points.Capacity())
            return;
        std::size_t lines = Occurrences(text, '\n');
        if (lines == 0)
            lines = Occurrences(text, '\r');
        points.Reserve(static_cast<int>(std::min<std::size_t>(lines + 1, pointLimit)));
    }

} // namespace

TableFormat DetectTableFormat(
    std::string_view text, const TableFormat& given, const TableColumns& columns)
{
    TableFormat format = given;
    const std::string_view sample = SampleOf(text);
    if (!format.CommentCharacter)
        format.CommentCharacter = DetectComment(sample);
    if (!format.Delimiter)
        format.Delimiter = DetectDelimiter(sample, *format.CommentCharacter);
    if (!format.DecimalSeparator || !format.HeaderRows) {
        const SampleRows rows
            = RowsOf(sample, *format.Delimiter, *format.CommentCharacter, SampleRowCount);
        if (!format.DecimalSeparator)
            format.DecimalSeparator = DetectDecimalSeparator(rows, *format.Delimiter);
        if (!format.HeaderRows)
            format.HeaderRows = DetectHeaderRows(rows, columns, *format.DecimalSeparator);
    }
    return format;
}

std::vector<TablePreviewRow> FirstTableRows(
    std::string_view text, const TableFormat& format, int count)
{
    std::vector<TablePreviewRow> rows;
    TableRowReader reader(text, format.Delimiter.value_or(TableDelimiter::Comma),
        format.CommentCharacter.value_or('#'));
    TableRow row;
    while (static_cast<int>(rows.size()) < count && reader.Next(row))
        rows.push_back({ row.Line, { row.Fields.begin(), row.Fields.end() } });
    return rows;
}

TableReading ReadTable(std::string_view text, const TableFormat& format,
    const TableColumns& columns, int pointLimit, PointStore& points)
{
    TableReading reading;
    reading.Format = DetectTableFormat(text, format, columns);
    const TableDelimiter delimiter = *reading.Format.Delimiter;
    const char comment = *reading.Format.CommentCharacter;
    const std::string& separator = *reading.Format.DecimalSeparator;
    const int headerRows = std::max(*reading.Format.HeaderRows, 0);

    const std::vector<TablePreviewRow> firstRows
        = FirstTableRows(text, reading.Format, std::max(headerRows, SampleRowCount));
    reading.ColumnNames = ColumnNamesOf(firstRows, headerRows);
    reading.XColumn = ColumnNumber(columns.X, reading.ColumnNames, firstRows, headerRows);
    reading.YColumn = ColumnNumber(columns.Y, reading.ColumnNames, firstRows, headerRows);

    MakeRoom(points, text, pointLimit);
    int capacity = points.Capacity();
    const auto xField = static_cast<std::size_t>(reading.XColumn);
    const auto yField = static_cast<std::size_t>(reading.YColumn);
    TableRowReader reader(text, delimiter, comment);
    TableRow row;
    int rowCount = 0;
    int stored = 0;
    while (reader.Next(row)) {
        if (++rowCount <= headerRows)
            continue;
        std::optional<Extended> x;
        std::optional<Extended> y;
        const std::vector<std::string_view>& fields = row.Fields;
        if (!row.UnclosedQuote && xField <= fields.size() && yField <= fields.size()) {
            x = common::ReadNumber(fields[xField - 1], separator);
            if (x)
                y = common::ReadNumber(fields[yField - 1], separator);
        }
        if (!y) {
            std::string reason = "a quote in it is never closed";
            Extended value = 0;
            if (!row.UnclosedQuote && ReadColumn(fields, reading.XColumn, separator, value, reason))
                ReadColumn(fields, reading.YColumn, separator, value, reason);
            if (reading.LeftOut.size() < MaxLeftOutRowsKept)
                reading.LeftOut.push_back({ row.Line, std::move(reason) });
            ++reading.LeftOutCount;
            continue;
        }
        ++reading.PointsRead;
        if (stored == pointLimit)
            continue;
        if (stored == capacity) {
            points.Reserve(std::min(pointLimit, 2 * stored));
            capacity = points.Capacity();
        }
        ++stored;
        points.XData[stored] = *x;
        points.YData[stored] = *y;
    }
    points.PointCount = stored;
    points.DataPresent = rowCount > 0;
    points.LinesLeftUnread = reading.PointsRead > stored;
    SetPlottedRange(points);
    return reading;
}

} // namespace data
