// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/local_file_name.h: a file name from the window's dialogs as the file routines take it.
#pragma once

#include <QString>

#include <string>

namespace app {

// path in the file system's encoding, as the toolkit-free file routines take names.
std::string LocalFileName(const QString& path);

} // namespace app
