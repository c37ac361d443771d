// src/app/qt_data_file.cpp: data files read through QFile and written safely, their bytes through
// the toolkit-free data text conversion.
#include "app/qt_data_file.h"

#include "app/safe_file_write.h"
#include "common/failure.h"
#include "common/safe_file_write.h"
#include "data/data_text_file.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

    [[noreturn]] void ThrowCannotOpen(const QString& path, std::string reason = {})
    {
        std::string message = "Cannot open file ";
        message += common::FullPath(LocalFileName(path));
        throw common::Failure(message, std::move(reason));
    }

    // Why a file that opens is no data file to read, in the user's terms; empty for a regular
    // file.
    std::string NotRegularReason(const struct stat& status)
    {
        if (S_ISREG(status.st_mode))
            return std::string();
        if (S_ISDIR(status.st_mode))
            return "It is a folder, not a file.";
        return "It is not a regular file.";
    }

    // Opens path for reading when it is a regular file. Opened without waiting and checked on
    // the open file itself: a FIFO would wait for a writer for ever and a device may never end.
    void OpenRegularFile(QFile& file, const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            ThrowCannotOpen(path);
        struct stat status { };
        if (::fstat(descriptor, &status) != 0) {
            ::close(descriptor);
            ThrowCannotOpen(path);
        }
        if (std::string reason = NotRegularReason(status); !reason.empty()) {
            ::close(descriptor);
            ThrowCannotOpen(path, std::move(reason));
        }
        if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(descriptor);
            ThrowCannotOpen(path);
        }
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
    QFile file;
    OpenRegularFile(file, path);
    const auto capacity = qint64(data::MemoCapacity);
    if (!file.isSequential() && file.size() > capacity)
        throw common::Failure(
            std::string(data::TextTooLongMessage), std::string(data::TextTooLongReason));
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
    WriteFileSafely(path, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

} // namespace app
