// src/app/qt_data_file.cpp: data files through QFile and QSaveFile, their bytes through the
// toolkit-free data text conversion.
#include "app/qt_data_file.h"

#include "common/failure.h"
#include "data/data_text_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <string>

namespace app {

namespace {

    std::string FullPath(const QString& path)
    {
        return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
    }

    [[noreturn]] void ThrowCannotOpen(const QString& path)
    {
        std::string message = "Cannot open file ";
        message += FullPath(path);
        throw common::Failure(message);
    }

    [[noreturn]] void ThrowCannotCreate(const QString& path)
    {
        std::string message = "Cannot create file ";
        message += FullPath(path);
        throw common::Failure(message);
    }

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path);
    const auto capacity = qint64(data::MemoCapacity);
    if (!file.isSequential() && file.size() > capacity)
        throw common::Failure(std::string(data::TextTooLongMessage));
    // One byte more than the capacity tells a file that grew, or a device without a size.
    const QByteArray bytes = file.read(capacity + 1);
    if (file.error() != QFileDevice::NoError)
        ThrowCannotOpen(path);
    const data::DataFileText read
        = data::PaneTextFromFileBytes(std::string_view(bytes.data(), bytes.size()));
    return { FromUtf8KeepingLeadingMark(read.Text), read.Encoding };
}

void WriteDataFile(const QString& path, std::string_view paneText, TextEncoding encoding)
{
    const std::string bytes = data::FileBytesFromPaneText(paneText, encoding);
    QSaveFile file(path);
    // A writable file in a folder that is not writable is replaced in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        ThrowCannotCreate(path);
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit())
        ThrowCannotCreate(path);
}

} // namespace app
