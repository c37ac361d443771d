// src/cli/cli_options.h: the command line of varnek-fit, parsed into the choices of one fit.
#pragma once

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

// The text --help prints.
std::string UsageText();

} // namespace cli
