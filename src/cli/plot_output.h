// src/cli/plot_output.h: the graph of a fit drawn into a PNG image or a one-page PDF, without a
// display.
#pragma once

#include "cli/cli_options.h"
#include "cli/fit_runner.h"
#include "graph/window_geometry.h"

#include <ostream>

namespace cli {

// The window a graph file of width x height pixels is laid out in. Its client area is the whole
// window: a file has no frame or menu bar to leave room for, and the plot rectangle already
// keeps 20 pixels right of the plot and 50 below it for them. The data pane has its start-up
// width at the client area's top-left corner.
graph::WindowGeometry PlotWindow(int width, int height);

// Draws the graph of session's points and, when its fit is valid, the fitted curve, with the
// captions and marker of options, as the workbench would draw it in a window of
// options.ImageWidth x options.ImageHeight, into options.PlotFileName: a PNG image of that size
// or a PDF of one page that size at 96 pixels per inch. Uses the running Qt application, or
// starts one for the call on the offscreen platform (unless QT_QPA_PLATFORM names another).
// Returns false after writing "Cannot create file NAME." to errors when the file cannot be
// written; an existing file is then left as it was.
bool WritePlot(const CliOptions& options, const FitSession& session, std::ostream& errors);

} // namespace cli
