// src/app/safe_file_write.cpp: the shared safe writer, with the reason a folder gives for its
// failure.
#include "app/safe_file_write.h"

#include "common/failure.h"
#include "common/safe_file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <string_view>

namespace app {

namespace {

    // A new file can be made beside path: tried, since only trying tells what the folder allows
    // this process.
    bool FolderTakesNewFile(const QString& path)
    {
        QTemporaryFile probe(QFileInfo(path).absolutePath() + QStringLiteral("/.probe-XXXXXX"));
        return probe.open();
    }

} // namespace

std::string LocalFileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

void ReplaceFile(const QString& path, const std::function<void()>& replace)
{
    try {
        replace();
    } catch (const common::Failure& failure) {
        // Not written in place instead: a write that failed half way would leave neither the
        // old content nor the new one.
        if (!QFileInfo(path).isFile() || FolderTakesNewFile(path))
            throw;
        throw common::Failure(std::string(failure.what())
            + ": its folder takes no new file, and the old one is only ever replaced by a "
              "complete new one");
    }
}

void WriteFileSafely(const QString& path, QByteArrayView bytes)
{
    ReplaceFile(path, [&] {
        common::WriteFileSafely(
            LocalFileName(path), std::string_view(bytes.data(), std::size_t(bytes.size())));
    });
}

} // namespace app
