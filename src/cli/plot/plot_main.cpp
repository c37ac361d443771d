// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/plot/plot_main.cpp: program entry of varnek-fit-plot, varnek-fit with its graph files
// drawn through Qt. varnek-fit hands every run that names a graph file over to it.
#include "cli/plot/plot_output.h"
#include "cli/program_main.h"

int main(int argc, char* argv[]) { return cli::RunFitProgram(argc, argv, cli::WritePlot); }
