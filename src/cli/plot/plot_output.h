// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/plot/plot_output.h: the graph of a fit drawn alone into a PNG image, an SVG drawing or a
// one-page PDF, without a display.
#pragma once

#include "cli/cli_options.h"
#include "cli/fit_session.h"

#include <ostream>

namespace cli {

// Draws the graph of session's points and, when its fit is valid, the fitted curve, with the
// captions and marker of options, into options.PlotFileName (its extension says the format):
// the graph alone, options.ImageWidth x options.ImageHeight pixels (qtgraph::GraphAloneView).
// Uses the running Qt application, or starts one for the call on the offscreen platform
// (unless QT_QPA_PLATFORM names another). Returns false after writing "Cannot create file
// NAME" and the reason to errors when the file cannot be written whole (an existing file is
// then left as it was), and after writing the note of a written file that could not keep its
// owner or group.
bool WritePlot(const CliOptions& options, const FitSession& session, std::ostream& errors);

} // namespace cli
