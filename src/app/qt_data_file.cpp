// src/app/qt_data_file.cpp: data files through QFile and QSaveFile, their line breaks through
// the toolkit-free data text conversion.
#include "app/qt_data_file.h"

#include "common/failure.h"
#include "data/data_text_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
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

    // The pane's text from the bytes of a file without its line break conversion.
    DataFileText Decoded(const std::string_view whole)
    {
        DataFileText result;
        std::string_view bytes = whole;
        if (bytes.starts_with(data::Utf8ByteOrderMark)) {
            bytes.remove_prefix(data::Utf8ByteOrderMark.size());
            result.Encoding = TextEncoding::Utf8WithByteOrderMark;
        }
        // Without this flag the decoder would drop a second byte order mark as well.
        QStringDecoder decoder(QStringConverter::Utf8,
            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        result.Text = decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        if (decoder.hasError()) {
            // Every byte is a character here, a leading EF BB BF included.
            result.Text = QString::fromLatin1(whole.data(), qsizetype(whole.size()));
            result.Encoding = TextEncoding::Latin1;
        }
        return result;
    }

    // The pane's UTF-8 text in encoding; Latin-1 falls back to UTF-8 beyond U+00FF.
    std::string Encoded(std::string_view paneText, TextEncoding encoding)
    {
        switch (encoding) {
        case TextEncoding::Utf8:
            break;
        case TextEncoding::Utf8WithByteOrderMark: {
            std::string bytes(data::Utf8ByteOrderMark);
            bytes += paneText;
            return bytes;
        }
        case TextEncoding::Latin1: {
            const QString text = QString::fromUtf8(paneText.data(), qsizetype(paneText.size()));
            const bool fitsLatin1 = std::all_of(text.cbegin(), text.cend(),
                [](QChar character) { return character.unicode() <= 0xFF; });
            if (fitsLatin1)
                return text.toLatin1().toStdString();
            break;
        }
        }
        return std::string(paneText);
    }

} // namespace

DataFileText ReadDataFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path);
    if (!file.isSequential() && file.size() > MemoCapacity)
        throw common::Failure("Text exceeds memo capacity");
    // One byte more than the capacity tells a file that grew, or a device without a size.
    const QByteArray bytes = file.read(MemoCapacity + 1);
    if (file.error() != QFileDevice::NoError)
        ThrowCannotOpen(path);
    if (bytes.size() > MemoCapacity)
        throw common::Failure("Text exceeds memo capacity");
    return Decoded(data::PaneTextFromFileBytes(std::string_view(bytes.data(), bytes.size())));
}

void WriteDataFile(const QString& path, std::string_view paneText, TextEncoding encoding)
{
    const std::string bytes = data::FileBytesFromPaneText(Encoded(paneText, encoding));
    QSaveFile file(path);
    // A writable file in a folder that is not writable is replaced in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        ThrowCannotCreate(path);
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit())
        ThrowCannotCreate(path);
}

} // namespace app
