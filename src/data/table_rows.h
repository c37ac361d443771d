// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/table_rows.h: the rows of a delimited text and their fields, quoting as RFC 4180 has
// it, with blank and comment lines skipped.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace data {

// What separates the fields of a row.
enum class TableDelimiter {
    Comma,
    Semicolon,
    Tab,
    Blanks, // one or more spaces or tabs; blanks at the start and end of a row separate nothing
};

// One row of a table. Fields are views that stay valid until the next row is read.
struct TableRow {
    // The line of the text (from 1) the row starts on; a quoted line break makes a row span
    // more lines.
    int Line = 0;
    std::vector<std::string_view> Fields;
    // A quote opened in the row is closed nowhere in the text: the row's fields end at its
    // first line, and the rows after it are read as if the quote were not there.
    bool UnclosedQuote = false;
};

// Splits text (UTF-8; lines end in LF, CR LF or a lone CR) into rows one at a time. Blank lines
// and, outside quotes, lines whose first character other than a space or tab is
// commentCharacter ('\0': none) are skipped. A field that starts with '"' (after blanks) is
// quoted: it runs to the next '"' not doubled, doubled ones stand for one, and delimiters and
// line breaks inside are part of it; text between its closing quote and the next delimiter is
// kept after it. Spaces and tabs around a field are not part of it (a tab is the delimiter of
// Tab). A '"' inside an unquoted field is an ordinary character.
class TableRowReader {
public:
    TableRowReader(std::string_view text, TableDelimiter delimiter, char commentCharacter);

    // Reads the next row into row; false at the end of the text.
    bool Next(TableRow& row);

private:
    // Skips blank and comment lines; false when the text ends first.
    bool SkipToRow();
    // Appends the fields of the row that starts at m_position (the scan stops at its end);
    // false when a quote is never closed, with nothing consumed.
    bool SplitRow(TableRow& row, bool quotesSpanLines);
    bool IsDelimiter(char character) const { return Is(character, DelimiterClass); }
    bool IsBlank(char character) const { return Is(character, BlankClass); }
    bool IsLineBreak(char character) const { return Is(character, LineBreakClass); }
    bool Is(char character, unsigned char classes) const
    {
        return (m_classes[static_cast<unsigned char>(character)] & classes) != 0;
    }
    // Moves past the line break at m_position (CR LF counts once) and counts the line.
    void PassLineBreak();
    // The first position from at on that holds a delimiter or a line break, or the text's end.
    std::size_t NextStop(std::size_t at) const;

    // What each byte is to the scan, looked up rather than compared: the scan runs over every
    // byte of files of up to a gigabyte.
    static constexpr unsigned char DelimiterClass = 1;
    static constexpr unsigned char BlankClass = 2;
    static constexpr unsigned char LineBreakClass = 4;
    std::array<unsigned char, 256> m_classes {};

    // The bytes that end an unquoted field: the delimiter (two for blanks).
    char m_delimiterByte = ',';
    char m_otherDelimiterByte = ',';

    std::string_view m_text;
    TableDelimiter m_delimiter;
    char m_commentCharacter;
    std::size_t m_position = 0;
    int m_line = 1;
    // The text of quoted fields that hold doubled quotes or text after the closing quote, one
    // buffer a field; a deque, so that growing it moves none that a field views.
    std::deque<std::string> m_unescaped;
};

} // namespace data
