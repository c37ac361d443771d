// SPDX-License-Identifier: GPL-3.0-or-later
// tests/data/table_reader_test.cpp: tables from a file's bytes to points: delimiters, quoting,
// headers, comments, decimal commas, encodings and the rows left out with their reasons; and
// the points back as the data pane's lines.
#include "data/table_reader.h"

#include "common/failure.h"
#include "common/memory_lines.h"
#include "data/calculate_data.h"
#include "data/data_text_file.h"
#include "data/pane_text_of_points.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

using common::Extended;
using data::TableDelimiter;
using namespace std::string_literals;

namespace {

struct TableCase {
    const char* name;
    std::string bytes;
    data::TableFormat given;
    data::TableColumns columns;
    TableDelimiter delimiter;
    int headerRows;
    std::string decimalSeparator;
    std::vector<std::pair<Extended, Extended>> points;
    std::vector<std::pair<int, std::string>> leftOut;
    // Checked when not empty.
    std::vector<std::string> names;
};

data::TableFormat CommaWithoutHeader()
{
    data::TableFormat format;
    format.Delimiter = TableDelimiter::Comma;
    format.HeaderRows = 0;
    return format;
}

data::TableColumns Columns(int x, int y) { return { { x, {} }, { y, {} } }; }

} // namespace

TEST(ReadTable, ReadsTheTablesUsersHave)
{
    const data::TableColumns first2;
    const std::vector<TableCase> cases {
        { "spreadsheet CSV", "time,dist\r\n1,2.1\r\n2,4.2\r\n", {}, first2, TableDelimiter::Comma,
            1, ".", { { 1, 2.1L }, { 2, 4.2L } }, {}, { "time", "dist" } },
        { "no header", "1,2.1\n2,4.2", {}, first2, TableDelimiter::Comma, 0, ".",
            { { 1, 2.1L }, { 2, 4.2L } }, {}, {} },
        { "tab-separated, x and the third column", "1\t2.1\t5\n2\t4.2\t7\n", {}, Columns(1, 3),
            TableDelimiter::Tab, 0, ".", { { 1, 5 }, { 2, 7 } }, {}, {} },
        { "comment first, blank-separated", "# run 3\n\n1 2\n  3   4  \n", {}, first2,
            TableDelimiter::Blanks, 0, ".", { { 1, 2 }, { 3, 4 } }, {}, {} },
        { "semicolons and decimal commas", "1,5;2,25\n3,5;4\n", {}, first2,
            TableDelimiter::Semicolon, 0, ",", { { 1.5L, 2.25L }, { 3.5L, 4 } }, {}, {} },
        { "blanks and decimal commas", "1,5 2,25\n3,5 4\n", {}, first2, TableDelimiter::Blanks, 0,
            ",", { { 1.5L, 2.25L }, { 3.5L, 4 } }, {}, {} },
        { "semicolons and decimal points", "x;y\n1.5;2\n", {}, first2, TableDelimiter::Semicolon, 1,
            ".", { { 1.5L, 2 } }, {}, {} },
        { "quotes: delimiters, doubled quotes and a line break inside",
            "\"name, long\",\"note \"\"x\"\"\",y\n1,\"two\r\nlines\",2\n\"3\",x,\"4\"\n", {},
            Columns(1, 3), TableDelimiter::Comma, 1, ".", { { 1, 2 }, { 3, 4 } }, {},
            { "name, long", "note \"x\"", "y" } },
        { "rows left out, by the line they start on", "x,y\n1,2\n\n2,\n3,n/a\n# note\n4\n5,6\n", {},
            first2, TableDelimiter::Comma, 1, ".", { { 1, 2 }, { 5, 6 } },
            { { 4, "column 2 is empty" }, { 5, "not a number: 'n/a'" },
                { 7, "column 2 is missing" } },
            {} },
        { "numbers the number reader refuses", "1;1e99999\n2;2.5\n3;\"a\tb\"\n4;4,5\n5;6,5\n", {},
            first2, TableDelimiter::Semicolon, 0, ",", { { 4, 4.5L }, { 5, 6.5L } },
            { { 1, "'1e99999': too large a number" },
                { 2, "'2.5': the decimal separator here is ','" }, { 3, "not a number: 'a\\tb'" } },
            {} },
        { "a quote never closed leaves its row alone out", "1,2\n\"3,4\n5,6\n", {}, first2,
            TableDelimiter::Comma, 0, ".", { { 1, 2 }, { 5, 6 } },
            { { 2, "a quote in it is never closed" } }, {} },
        { "lone CR line breaks", "1 2\r\r3 4\r", {}, first2, TableDelimiter::Blanks, 0, ".",
            { { 1, 2 }, { 3, 4 } }, {}, {} },
        { "two header rows, columns by name", "time,temp,dist\ns,C,m\n1,20,3\n", {},
            { { 1, "time" }, { 3, "dist m" } }, TableDelimiter::Comma, 2, ".", { { 1, 3 } }, {},
            { "time s", "temp C", "dist m" } },
        { "settings given", "# a\n%1;2\n3;4\n", CommaWithoutHeader(), first2, TableDelimiter::Comma,
            0, ".", {}, { { 2, "not a number: '%1;2'" }, { 3, "not a number: '3;4'" } }, {} },
        { "percent comments", "% a\n% b\n# c\n1 2\n", {}, first2, TableDelimiter::Blanks, 1, ".",
            { { 1, 2 } }, {}, { "#", "c" } },
        { "UTF-8 with a byte order mark", "\xEF\xBB\xBFt;\xC2\xB0\x43\n1;2\n", {}, first2,
            TableDelimiter::Semicolon, 1, ".", { { 1, 2 } }, {}, { "t", "\xC2\xB0\x43" } },
        { "Latin-1", "t;\xB0\x43\n1;2\n", {}, first2, TableDelimiter::Semicolon, 1, ".",
            { { 1, 2 } }, {}, { "t", "\xC2\xB0\x43" } },
        { "UTF-16 with its mark", "\xFF\xFEx\0;\0y\0\r\0\n\0001\0,\0005\0;\0002\0"s, {}, first2,
            TableDelimiter::Semicolon, 1, ",", { { 1.5L, 2 } }, {}, { "x", "y" } },
    };
    for (const TableCase& table : cases) {
        SCOPED_TRACE(table.name);
        const std::string text = data::TextFromFileBytes(table.bytes, data::LargeFileCapacity).Text;
        data::PointStore points;
        const data::TableReading reading
            = data::ReadTable(text, table.given, table.columns, data::MaxPoints, points);
        EXPECT_EQ(reading.Format.Delimiter, table.delimiter);
        EXPECT_EQ(reading.Format.HeaderRows, table.headerRows);
        EXPECT_EQ(reading.Format.DecimalSeparator, table.decimalSeparator);
        std::vector<std::pair<Extended, Extended>> read;
        for (int point = 1; point <= points.PointCount; ++point)
            read.emplace_back(points.XData[point], points.YData[point]);
        EXPECT_EQ(read, table.points);
        EXPECT_EQ(reading.PointsRead, static_cast<int>(table.points.size()));
        std::vector<std::pair<int, std::string>> leftOut;
        for (const data::LeftOutRow& row : reading.LeftOut)
            leftOut.emplace_back(row.Row, row.Reason);
        EXPECT_EQ(leftOut, table.leftOut);
        EXPECT_EQ(reading.LeftOutCount, static_cast<int>(table.leftOut.size()));
        if (!table.names.empty()) {
            EXPECT_EQ(reading.ColumnNames, table.names);
        }
    }
}

TEST(ReadTable, KeepsTheFirstPointsItMayAndCountsTheRest)
{
    std::string text = "x,y\n";
    for (int row = 1; row <= 30; ++row)
        text += std::to_string(row) + (row % 3 == 0 ? ",-\n" : ",1\n");
    data::PointStore points;
    const data::TableReading reading = data::ReadTable(text, {}, {}, 5, points);
    EXPECT_EQ(points.PointCount, 5);
    EXPECT_EQ(points.XData[5], 7);
    EXPECT_TRUE(points.LinesLeftUnread);
    EXPECT_TRUE(points.DataPresent);
    EXPECT_EQ(reading.PointsRead, 20);
    EXPECT_EQ(reading.LeftOutCount, 10);
    ASSERT_EQ(reading.LeftOut.size(), 10u);
    EXPECT_EQ(reading.LeftOut.back().Row, 31);
}

TEST(ReadTable, GrowsTheStoreForEveryPoint)
{
    std::string text;
    for (int row = 1; row <= 2500; ++row)
        text += std::to_string(row) + '\t' + std::to_string(2 * row) + '\r';
    data::PointStore points;
    data::ReadTable(text, {}, {}, 1 << 30, points);
    EXPECT_EQ(points.PointCount, 2500);
    EXPECT_EQ(points.YData[2500], 5000);
    EXPECT_FALSE(points.LinesLeftUnread);
}

TEST(ReadTable, RefusesAColumnNameItDoesNotHave)
{
    data::PointStore points;
    points.PointCount = 3;
    try {
        data::ReadTable("time,dist\n1,2\n", {}, { { 1, "tme" }, { 2, {} } }, 600, points);
        FAIL() << "no failure";
    } catch (const common::Failure& failure) {
        EXPECT_STREQ(failure.what(), "The table has no column named 'tme'");
    }
    EXPECT_EQ(points.PointCount, 3);
}

TEST(ReadTable, RefusesWhatTheDataFileReaderRefuses)
{
    const auto refusal = [](const std::string& bytes, std::size_t capacity) {
        try {
            data::TextFromFileBytes(bytes, capacity);
        } catch (const common::Failure& failure) {
            return std::string(failure.what());
        }
        return std::string();
    };
    EXPECT_EQ(refusal("1,2\n\0"s, data::LargeFileCapacity), data::NotTextMessage);
    EXPECT_EQ(refusal("\xFF\xFE\x00\xD8"s, data::LargeFileCapacity), data::BrokenUtf16Message);
    EXPECT_EQ(refusal("1,2\n", 3), data::TextTooLongMessage);
}

TEST(PaneTextOfPoints, ReadsBackAsTheSameValuesInThePane)
{
    const std::vector<std::pair<Extended, Extended>> values {
        { 0.1L, -0.0L },
        { 1e-4950L, 1.18e4932L },
        { 123456.789012345678901L, -1 / 3.0L },
        { 1e20L, 5 },
    };
    data::PointStore points;
    for (const auto& [x, y] : values) {
        ++points.PointCount;
        points.XData[points.PointCount] = x;
        points.YData[points.PointCount] = y;
    }
    for (const std::string_view separator : { ".", ",", "\xD9\xAB" }) {
        SCOPED_TRACE(separator);
        const std::string text = data::PaneTextOfPoints(points, separator);
        common::MemoryLines pane(text);
        data::PointStore read;
        data::CalculateData(read, pane, separator);
        ASSERT_EQ(read.PointCount, static_cast<int>(values.size())) << text;
        for (int point = 1; point <= read.PointCount; ++point) {
            EXPECT_EQ(std::memcmp(&read.XData[point], &points.XData[point], 10), 0) << text;
            EXPECT_EQ(std::memcmp(&read.YData[point], &points.YData[point], 10), 0) << text;
        }
    }
}
