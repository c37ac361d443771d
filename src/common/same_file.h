// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/same_file.h: whether two names name one file, and the refusal of a graph written
// over the data it shows.
#pragma once

#include "common/failure.h"

#include <string>

namespace common {

// True when both names name one existing file, through links or other names: the same device
// and inode.
bool IsSameFile(const std::string& first, const std::string& second);

// "Cannot create file <full path>", because it is the data file the graph would replace.
Failure GraphOverDataFile(const std::string& fileName);

} // namespace common
