// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/plot_handover.cpp: finding the plotting program beside varnek-fit and starting it in
// its place.
#include "cli/plot_handover.h"

#include "cli/cli_options.h"
#include "common/printable_text.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>

namespace cli {

bool AsksForGraph(const std::vector<std::string_view>& arguments)
{
    const ParseResult parsed = ParseCliOptions(arguments);
    return parsed.options && !parsed.options->ShowHelp && !parsed.options->ShowVersion
        && !parsed.options->PlotFileName.empty();
}

std::optional<std::filesystem::path> PlotProgramPath()
{
    std::error_code failure;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failure);
    if (failure)
        return std::nullopt;
    const std::filesystem::path folder = self.parent_path();
    for (const std::filesystem::path& candidate :
        { folder / VARNEK_PLOT_PROGRAM_DIR / VARNEK_PLOT_PROGRAM, folder / VARNEK_PLOT_PROGRAM }) {
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate.lexically_normal();
    }
    return std::nullopt;
}

std::string HandOverToPlotProgram(char* argv[])
{
    const std::optional<std::filesystem::path> program = PlotProgramPath();
    if (!program) {
        std::string reason = "cannot draw the graph without ";
        reason += VARNEK_PLOT_PROGRAM;
        reason += ", which is not installed";
        return reason;
    }
    // The same arguments under the plotting program's own name.
    std::vector<char*> arguments;
    arguments.push_back(const_cast<char*>(program->c_str()));
    for (char** argument = argv + 1; *argument != nullptr; ++argument)
        arguments.push_back(*argument);
    arguments.push_back(nullptr);
    execv(program->c_str(), arguments.data());
    std::string reason = "cannot start ";
    reason += program->string();
    reason += ": ";
    reason += std::strerror(errno);
    return reason;
}

} // namespace cli
