// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/local_file_name.cpp: Qt's own encoding of file names.
#include "app/local_file_name.h"

#include <QFile>

namespace app {

std::string LocalFileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace app
