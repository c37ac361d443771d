// src/app/safe_file_write.h: replacing a file's content so that a failure never leaves it
// half written.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace app {

// Writes bytes as the whole new content of the file at path: into a new file in the same folder,
// every byte checked, flushed to the disk, then put in the old file's place. Throws
// common::Failure "Cannot create file <full path>" (with the reason when the old file exists but
// its folder takes no new file) when any step fails; the old file, if any, is then as it was.
void WriteFileSafely(const QString& path, QByteArrayView bytes);

// The full path of path in the system's notation, as failure messages name files.
std::string FullPath(const QString& path);

} // namespace app
