// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/table_reader.h: a delimited text table read into x/y points: its delimiter, header
// rows, comment character and decimal separator detected or given, two of its columns chosen
// by number or name, and every row that gives no point counted with its reason.
#pragma once

#include "data/point_store.h"
#include "data/table_rows.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace data {

// How a table is written. An empty setting is detected (DetectTableFormat).
struct TableFormat {
    std::optional<TableDelimiter> Delimiter;
    // The rows of names before the data; blank and comment lines are not counted.
    std::optional<int> HeaderRows;
    // A line whose first character other than a blank is this one is a comment; '\0': none.
    std::optional<char> CommentCharacter;
    // What the number reader takes as the decimal separator: "." or ",".
    std::optional<std::string> DecimalSeparator;
};

// A column by its number from 1 or, when Name is not empty, by a name in the header rows.
struct TableColumn {
    int Number = 1;
    std::string Name;
};

struct TableColumns {
    TableColumn X { 1, {} };
    TableColumn Y { 2, {} };
};

// A row that gives no point, and why ("column 3 is empty", "not a number: 'n/a'").
struct LeftOutRow {
    int Row = 0; // the line of the text it starts on, from 1
    std::string Reason;
};

// The rows of a table kept in detail among those left out.
constexpr int MaxLeftOutRowsKept = 10;

struct TableReading {
    // Every setting filled: as given, or as detected.
    TableFormat Format;
    // The names of columns 1, 2, ... (index 0 is column 1), as many as the widest of the first
    // rows has: the fields of the header rows in that column, joined by a space; empty where
    // the header rows have none.
    std::vector<std::string> ColumnNames;
    // The columns read, by number from 1.
    int XColumn = 1;
    int YColumn = 2;
    // The rows that gave a point, kept in the store or not.
    int PointsRead = 0;
    // The first MaxLeftOutRowsKept rows that gave no point, in order, and how many in all.
    // Header, comment and blank lines are not among them.
    std::vector<LeftOutRow> LeftOut;
    int LeftOutCount = 0;
};

// The format of text (UTF-8) with the settings of given kept and the others detected from its
// first rows (at most 50, within its first 64 KiB):
// - comment character '#', or '%' when more lines start with it;
// - the delimiter under which most rows split into two or more fields that are all numbers
//   (read with "." or, but for the comma, ","), then under which most rows have the same
//   number (two or more) of fields, ties going to tab, semicolon, comma, blanks in that order;
// - decimal separator ",", where the delimiter is not a comma and more fields read with ","
//   only than with "." only, else ".";
// - header rows: the leading rows in which no chosen field is a number (with columns named,
//   no field at all), or the first row alone when no row has such a number.
TableFormat DetectTableFormat(
    std::string_view text, const TableFormat& given, const TableColumns& columns);

// Reads text (UTF-8, lines ending in LF, CR LF or CR) as a table in format, detected where not
// given: after the header rows, each row gives the point (x, y) of the chosen columns, read by
// the number reader (common::ReadNumber) with the decimal separator, or is left out with its
// reason. The first pointLimit points go into slots 1.. of points, which grows to hold them
// (Reserve); PointCount, the plotted ranges (SetPlottedRange), DataPresent (the text holds a
// row) and LinesLeftUnread (more points than pointLimit) are set as a reading of the data pane
// sets them. Throws common::Failure "The table has no column named 'NAME'" when a named column
// is not in the header rows; points is unchanged then.
TableReading ReadTable(std::string_view text, const TableFormat& format,
    const TableColumns& columns, int pointLimit, PointStore& points);

// One row of a table as the Import dialog shows it.
struct TablePreviewRow {
    int Row = 0; // the line it starts on, from 1
    std::vector<std::string> Fields;
};

// The first count rows of text in a complete format (DetectTableFormat's), header rows
// included, blank and comment lines left out.
std::vector<TablePreviewRow> FirstTableRows(
    std::string_view text, const TableFormat& format, int count);

} // namespace data
