// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/plot_handover.h: varnek-fit hands a run that draws a graph over to the plotting
// program, so that a fit alone never loads Qt.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The command line names a graph file (and asks for no help): the run needs the plotting
// program. A command line that cannot be parsed needs none; its error is varnek-fit's.
bool AsksForGraph(const std::vector<std::string_view>& arguments);

// The plotting program, found relative to the running program's own file: where an
// installation puts it (VARNEK_PLOT_PROGRAM_DIR relative to the program's folder), else beside
// the program (the build tree). Nothing when neither exists.
std::optional<std::filesystem::path> PlotProgramPath();

// Replaces this process by the plotting program with the same arguments (argv as main received
// it, ending in a null pointer). Returns only when that cannot be done, with the reason.
std::string HandOverToPlotProgram(char* argv[]);

} // namespace cli
