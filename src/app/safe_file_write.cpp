// src/app/safe_file_write.cpp: a new file beside the old one, checked, then renamed over it.
#include "app/safe_file_write.h"

#include "common/failure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <string>

namespace app {

std::string FullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
}

void WriteFileSafely(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // No writing in place when the folder takes no new file: a write that failed half way
    // would leave neither the old content nor the new one.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a short write shows in the count written: the file engine reports
    // a disk that filled up part way as a short count, not as an error.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        std::string message = "Cannot create file " + FullPath(path);
        if (QFileInfo(path).isFile())
            message += ": its folder takes no new file, and the old one is only ever replaced "
                       "by a complete new one";
        throw common::Failure(message);
    }
    // commit() flushes to the disk and renames; until then the old file is untouched.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        throw common::Failure("Cannot create file " + FullPath(path));
}

} // namespace app
