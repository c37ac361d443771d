// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/program_main.h: varnek-fit from its command line to its exit status, the main of
// varnek-fit and of varnek-fit-plot.
#pragma once

#include "cli/cli_options.h"
#include "cli/fit_session.h"

#include <functional>
#include <ostream>

namespace cli {

// Draws the graph file the options name from the points and the fit of the run; false after
// writing why to errors.
using PlotWriter
    = std::function<bool(const CliOptions& options, const FitSession& session, std::ostream&)>;

// The whole of varnek-fit: reads the command line (argv after the program name), the data file
// or standard input in the user's locale (a table, or every point, up to
// data::LargeFileCapacity bytes), runs the fit and prints the report (RunFit) and, when the
// options name a graph file, has writePlot draw it. A data file that cannot be read ends the
// run with its message (ReadDataText); a report that standard output does not take says
// "Cannot write the report.". Returns the exit status: 0 when all was done, 1 when a message
// or a failure was shown, 2 when the command line cannot be used.
int RunFitProgram(int argc, char* argv[], const PlotWriter& writePlot);

} // namespace cli
