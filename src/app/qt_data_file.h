// src/app/qt_data_file.h: reading a data file into the data pane's text and writing it back.
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

namespace app {

// The largest data file Open takes, in bytes of the file: 16 MiB. Far beyond any data the
// window can use (600 points of a few dozen characters), yet a file this size still loads into
// the editor in a few seconds; a larger file is refused instead of freezing the window.
inline constexpr std::int64_t MemoCapacity = std::int64_t { 16 } * 1024 * 1024;

// How a data file's bytes became the pane's characters. Files are read as UTF-8; a leading
// byte order mark is not put into the pane (it would spoil the first line's number) but
// remembered. A file whose bytes up to its first NUL are not valid UTF-8 is read as Latin-1,
// one character per byte, so that no byte is lost or replaced.
enum class TextEncoding { Utf8, Utf8WithByteOrderMark, Latin1 };

struct DataFileText {
    // The pane's text, lines separated by "\n".
    QString Text;
    TextEncoding Encoding = TextEncoding::Utf8;
};

// Reads the file at path whole and converts its line breaks and end as the data text format
// says. Throws common::Failure "Cannot open file <full path>" when it cannot be read, and
// "Text exceeds memo capacity" when it holds more than MemoCapacity bytes.
DataFileText ReadDataFile(const QString& path);

// Replaces the content of the file at path by paneText (UTF-8, lines separated by "\n"), lines
// joined by CR LF with no break after the last line, in encoding: so a file that was read
// comes back byte for byte. With Latin-1, a text holding a character beyond U+00FF is written
// as UTF-8 instead, so that nothing typed is lost. Writes through a temporary file, so the old
// content stays whole when writing fails; throws common::Failure "Cannot create file
// <full path>" then.
void WriteDataFile(const QString& path, std::string_view paneText, TextEncoding encoding);

} // namespace app
