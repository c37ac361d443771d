// src/app/safe_file_write.h: the window's side of replacing a file safely: file names as the
// shared writer takes them, and the reason a replacement cannot be made.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <string>

namespace app {

// path in the file system's encoding, as the toolkit-free file routines take names.
std::string LocalFileName(const QString& path);

// Runs replace, which replaces the file at path whole or throws common::Failure "Cannot create
// file <full path>" leaving it as it was. When the old file is there but its folder takes no new
// file, which a safe replacement needs, the failure says so after a colon.
void ReplaceFile(const QString& path, const std::function<void()>& replace);

// Makes bytes the whole content of the file at path through common::WriteFileSafely, inside
// ReplaceFile.
void WriteFileSafely(const QString& path, QByteArrayView bytes);

} // namespace app
