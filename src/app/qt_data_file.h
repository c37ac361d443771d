// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_data_file.h: reading a data file into the data pane's text and writing it back.
#pragma once

#include "data/data_text_file.h"

#include <QString>

#include <string>
#include <string_view>

namespace app {

// How the file's bytes became the pane's characters, kept for writing it back.
using data::TextEncoding;

struct DataFileText {
    // The pane's text, lines separated by "\n".
    QString Text;
    TextEncoding Encoding = TextEncoding::Utf8;
};

// Reads the file at path whole (data::ReadDataFileBytes) and makes the pane's text of it as
// data::PaneTextFromFileBytes does. Throws the failures of both, and TextTooLongMessage with the
// reason in the user's words for a text of more than data::MemoLineCapacity lines.
DataFileText ReadDataFile(const QString& path);

// The text (UTF-8, line breaks as in the file) of the table file at path, read whole and told
// as data::TextFromFileBytes does, up to data::LargeFileCapacity bytes. Throws as ReadDataFile
// does, and LargeFileMessage for a larger file.
std::string ReadTableFile(const QString& path);

// Replaces the content of the file at path by paneText (UTF-8, lines separated by "\n") as
// data::FileBytesFromPaneText writes it in encoding: so a file that was read comes back byte
// for byte. Writes through common::WriteFileSafely and returns its note about the written file;
// the old content stays whole when writing fails, which throws its common::Failure.
[[nodiscard]] std::string WriteDataFile(
    const QString& path, std::string_view paneText, TextEncoding encoding);

} // namespace app
