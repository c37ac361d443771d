// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/main.cpp: program entry of varnek-fit, the workbench's fit without a window. It loads
// no Qt: a run that draws a graph is handed over to the plotting program.
#include "cli/plot_handover.h"
#include "cli/program_main.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    // Returns only when the plotting program cannot take over: the report is then still
    // printed, and the missing graph said.
    const std::string reason
        = cli::AsksForGraph(arguments) ? cli::HandOverToPlotProgram(argv) : std::string();
    return cli::RunFitProgram(argc, argv,
        [&reason](const cli::CliOptions&, const cli::FitSession&, std::ostream& errors) {
            errors << "varnek-fit: " << reason << ".\n";
            return false;
        });
}
