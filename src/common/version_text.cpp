// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/version_text.cpp: the --version text, from the version set in CMake.
#include "common/version_text.h"

#include "common/version.h"

namespace common {

std::string VersionText(std::string_view programName)
{
    std::string text(programName);
    text += " (Varnekworks) ";
    text += ProgramVersion;
    text += "\nCopyright (C) ";
    text += ProgramCopyright;
    text += "\nLicence ";
    text += ProgramLicence;
    text += ": GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
            "This is free software: you are free to change and redistribute it.\n"
            "There is NO WARRANTY, to the extent permitted by law.\n";
    return text;
}

} // namespace common
