// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/statistics_text.h: the lines that say how closely a fit follows its points.
#pragma once

#include "fit/fit_state.h"
#include "fit/fit_statistics.h"

#include <string>
#include <vector>

namespace report {

// The significant digits of the statistics the results pane shows under the report.
constexpr int PaneStatisticsDigits = 8;

// The statistics one a line, its name, a tab and its value: points used, constants fitted,
// degrees of freedom in decimal, then the residual sum of squares, the residual standard
// deviation, R^2 and adjusted R^2 in scientific notation to significantDigits ("nan" for a value
// that cannot be formed). The R^2 lines say which R^2 they are: "uncentred R^2" and "uncentred
// adjusted R^2" of a fit through the origin (statistics.Uncentred), "R^2 of y" and "adjusted
// R^2 of y" of a power law or an exponential, which judge y itself against the fitted curve.
std::vector<std::string> StatisticsLines(
    const fit::FitStatistics& statistics, fit::FitModel fitType, int significantDigits);

} // namespace report
