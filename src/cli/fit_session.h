// src/cli/fit_runner.h: one fit of a data text through the fit command, reported as text.
#pragma once

#include "cli/cli_options.h"
#include "data/point_store.h"
#include "fit/fit_state.h"

#include <ostream>
#include <string_view>

namespace cli {

// What a run leaves for the graph: the points as the fit command read them and the fit as it
// ended (its constants; FitValid only when they were formed).
struct FitSession {
    data::PointStore points;
    fit::FitState fit;
};

// Runs the fit command on dataText as the data pane, read with decimalSeparator, from the
// workbench defaults changed by options and a fresh results pane of instructions. Writes the
// results pane (line 0 to its last non-empty line), with FullPrecision one line per constant
// and with Statistics the fit's statistics (fit::FitStatisticsOf) one a line, once the report
// was begun, to out; messages and failures (followed by ".") to errors, among them the line
// that ended the reading when the points before it are fitted, or the first line when there
// is text but no point. Returns the exit status: 0 when the fit was made of every data line
// and reported, 1 otherwise. SuppressZero of options applies to the reading. Leaves the points
// and the fit in session, which must be fresh; the working storage is released again.
int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors, FitSession& session);

// The same, for a run whose points and fit are not needed afterwards.
int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors);

} // namespace cli
