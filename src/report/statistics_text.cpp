// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/statistics_text.cpp: names and values of the fit statistics.
#include "report/statistics_text.h"

#include <charconv>
#include <string_view>

namespace report {

namespace {

    // Locale-free scientific notation.
    std::string ScientificText(common::Extended value, int significantDigits)
    {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
            std::chars_format::scientific, significantDigits - 1);
        return std::string(buffer, result.ptr);
    }

} // namespace

std::vector<std::string> StatisticsLines(
    const fit::FitStatistics& statistics, fit::FitModel fitType, int significantDigits)
{
    const std::string kind = statistics.Uncentred ? "uncentred " : "";
    const std::string ofWhat = fit::IsPolynomial(fitType) ? "" : " of y";
    const auto line = [](std::string_view name, const std::string& value) {
        std::string text(name);
        text += '\t';
        text += value;
        return text;
    };
    const auto real
        = [&](common::Extended value) { return ScientificText(value, significantDigits); };
    return {
        line("points used", std::to_string(statistics.PointsUsed)),
        line("constants fitted", std::to_string(statistics.ConstantsFitted)),
        line("degrees of freedom", std::to_string(statistics.DegreesOfFreedom)),
        line("residual sum of squares", real(statistics.ResidualSumOfSquares)),
        line("residual standard deviation", real(statistics.ResidualStandardDeviation)),
        line(kind + "R^2" + ofWhat, real(statistics.RSquared)),
        line(kind + "adjusted R^2" + ofWhat, real(statistics.AdjustedRSquared)),
    };
}

} // namespace report
