// src/cli/main.cpp: program entry of varnek-fit, the workbench's fit without a window. It loads
// no Qt: a run that draws a graph is handed over to the plotting program.
#include "cli/fit_program.h"
#include "cli/plot_handover.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (!cli::AsksForGraph(arguments))
        return cli::RunFitProgram(argc, argv, nullptr);
    const std::string reason = cli::HandOverToPlotProgram(argv);
    // Without the plotting program the report is still printed, and the missing graph said.
    return cli::RunFitProgram(argc, argv,
        [&reason](const cli::CliOptions&, const cli::FitSession&, std::ostream& errors) {
            errors << "varnek-fit: " << reason << ".\n";
            return false;
        });
}
