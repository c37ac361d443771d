// src/cli/plot_main.cpp: program entry of varnek-fit-plot, varnek-fit with its graph files
// drawn through Qt. varnek-fit hands every run that names a graph file over to it.
#include "cli/fit_program.h"
#include "cli/plot_output.h"

int main(int argc, char* argv[]) { return cli::RunFitProgram(argc, argv, cli::WritePlot); }
