// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/version_text.h: what --version prints for each program of the workbench.
#pragma once

#include <string>
#include <string_view>

namespace common {

// The program's name and version, its copyright and its licence: the lines --version prints,
// each ending in a line break.
std::string VersionText(std::string_view programName);

} // namespace common
