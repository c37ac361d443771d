// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/lsq_results_to_screen.h: the fit report in the results pane.
#pragma once

#include "common/text_lines.h"
#include "fit/fit_state.h"
#include "report/report_settings.h"

namespace report {

// Writes the constants of the last fit with their uncertainties and units into resultsPane
// (lines from 0): empties lines 1..LineCount, builds every text, writes constant k into line
// k + 2, the heading into line 0 and an empty line 1. Lines that do not exist are skipped.
// Throws common::FloatingPointError when an uncertainty or a text cannot be formed, with
// fit::UncertaintyFailureReason as its reason when it has none of its own; the pane is then
// left as the emptying made it (line 0 keeps its text, no constant is shown).
void LsqResultsToScreen(
    const fit::FitState& fit, const ReportSettings& settings, common::TextLines& resultsPane);

} // namespace report
