// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/same_file.cpp: files compared by device and inode.
#include "common/same_file.h"

#include "common/safe_file_write.h"

#include <sys/stat.h>

namespace common {

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat firstFile { };
    struct stat secondFile { };
    return ::stat(first.c_str(), &firstFile) == 0 && ::stat(second.c_str(), &secondFile) == 0
        && firstFile.st_dev == secondFile.st_dev && firstFile.st_ino == secondFile.st_ino;
}

Failure GraphOverDataFile(const std::string& fileName)
{
    return Failure("Cannot create file " + FullPath(fileName),
        "It is the data file, which the graph would replace.");
}

} // namespace common
