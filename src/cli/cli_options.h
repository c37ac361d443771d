// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/cli_options.h: the command line of varnek-fit, parsed into the choices of one fit.
#pragma once

#include "data/table_reader.h"
#include "fit/fit_state.h"
#include "graph/graph_state.h"
#include "layout/window_design.h"
#include "report/report_settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What the command line asks for; every field starts at the workbench's start-up value.
struct CliOptions {
    // The fit (FitOrder is used by the polynomial only), its report and its graph's settings.
    fit::FitChoice fit;
    report::ReportSettings report;
    graph::GraphState graph;
    // Empty: the decimal separator of the user's locale.
    std::string DecimalSeparator;
    bool FullPrecision = false;
    // After the report, how closely the fit follows the points.
    bool Statistics = false;
    // --level was given (the level itself is in graph).
    bool BandLevelGiven = false;
    bool ShowHelp = false;
    bool ShowVersion = false;
    // The graph: a .png, .svg or .pdf file to draw it into, empty for none.
    std::string PlotFileName;
    // Size of the graph alone in pixels: title, legends, plot and tick labels.
    int ImageWidth = 1024;
    int ImageHeight = 768;
    std::string TitleCaption { layout::TitleStart.Caption };
    std::string XLegendCaption { layout::XAxisStart.Caption };
    std::string YLegendCaption { layout::YAxisStart.Caption };
    bool SuppressZero = false;
    // Read the file as a table: its name ends in .csv or .tsv, or a table option was given.
    bool ReadsTable = false;
    // A table's x and y columns and how it is written; empty settings are detected (the
    // decimal separator is DecimalSeparator).
    data::TableColumns Columns;
    data::TableFormat Table;
    // Fit every point read, not only the first data::MaxPoints.
    bool AllPoints = false;
    // The data file; "-" is standard input.
    std::string FileName;
};

// The result of parsing: the options, or the reason the command line was refused.
struct ParseResult {
    std::optional<CliOptions> options;
    std::string error;
};

// Parses the arguments after the program name. Options may be written "--name value" or
// "--name=value"; "--" ends the options. Exactly one file is needed unless --help or --version is
// given.
ParseResult ParseCliOptions(const std::vector<std::string_view>& arguments);

// The text --help prints, its options listed from the option table.
std::string UsageText();

// An option as the help and the manual page list it: its name, its short form (or empty) and
// what its value is called (empty for a switch).
struct ListedOption {
    std::string_view Name;
    std::string_view Alias;
    std::string_view Value;
};

// Every option of the command line, in the order --help lists them.
std::vector<ListedOption> ListedOptions();

} // namespace cli
