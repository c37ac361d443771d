// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_data_file.cpp: data files read and written through the toolkit-free file routines,
// their text handed to the editor as a QString.
#include "app/qt_data_file.h"

#include "app/local_file_name.h"
#include "common/failure.h"
#include "common/safe_file_write.h"
#include "data/data_file_reading.h"
#include "data/data_text_file.h"

#include <QStringDecoder>

#include <algorithm>
#include <string>
#include <utility>

namespace app {

namespace {

    // The pane's UTF-8 text as a QString that keeps a leading U+FEFF: it belongs to the text
    // here (the file's mark is already left out), and QString::fromUtf8 would drop it.
    QString FromUtf8KeepingLeadingMark(std::string_view text)
    {
        QStringDecoder decoder(QStringConverter::Utf8,
            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return decoder(QByteArrayView(text.data(), qsizetype(text.size())));
    }

} // namespace

DataFileText ReadDataFile(const QString& path)
{
    data::DataFileText read
        = data::PaneTextFromFileBytes(data::ReadDataFileBytes(LocalFileName(path)));
    const auto lines = std::count(read.Text.begin(), read.Text.end(), '\n') + 1;
    if (lines > data::MemoLineCapacity)
        throw common::Failure(std::string(data::TextTooLongMessage),
            "The data pane holds at most " + std::to_string(data::MemoLineCapacity)
                + " lines; the file has " + std::to_string(lines) + ".");
    return { FromUtf8KeepingLeadingMark(read.Text), read.Encoding };
}

std::string ReadTableFile(const QString& path)
{
    return data::TextFromFileBytes(
        data::ReadDataFileBytes(LocalFileName(path), data::LargeFileCapacity),
        data::LargeFileCapacity)
        .Text;
}

std::string WriteDataFile(const QString& path, std::string_view paneText, TextEncoding encoding)
{
    return common::WriteFileSafely(
        LocalFileName(path), data::FileBytesFromPaneText(paneText, encoding));
}

} // namespace app
