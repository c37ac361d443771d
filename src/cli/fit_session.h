// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/fit_session.h: one fit of a data text through the fit command, reported as text.
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

// Runs the fit command on dataText, read as the data pane with decimalSeparator, or as a table
// (options.ReadsTable: columns, format and decimal separator of options, each detected where
// not given), from the workbench defaults changed by options. Takes the first data::MaxPoints
// points, or every point with options.AllPoints. Writes the results pane (from its first line
// to its last non-empty line: nothing where no fit is reported), with FullPrecision one line
// per constant (and the limits of the bands options.graph shows) and with Statistics the fit's
// statistics (fit::FitStatisticsOf) one a line, once
// the report was begun, to out; messages and failures (followed by ".") to errors, among them
// the line that ended the reading when the points before it are fitted, the first line when
// there is text but no point, and the rows of a table left out (the first ten, then their
// count). Returns the exit status: 0 when the fit was made of every point read (rows of a
// table left out aside) and reported, 1 otherwise. SuppressZero of options applies to the
// reading. Leaves the points and the fit in session, which must be fresh, with its working
// storage, which the graph's bands read.
int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors, FitSession& session);

// The same, for a run whose points and fit are not needed afterwards.
int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors);

} // namespace cli
