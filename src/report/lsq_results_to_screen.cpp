// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/lsq_results_to_screen.cpp: heading, one line per constant, units from the unit texts.
#include "report/lsq_results_to_screen.h"

#include "common/floating_point_step.h"
#include "fit/fit_command.h"
#include "fit/uncertainty.h"
#include "report/format_with_uncertainty.h"

#include <cmath>
#include <string>
#include <vector>

namespace report {

using common::Extended;

namespace {

    constexpr const char* Heading = "Fitting constants of least squares fit:";

    // Units of A(power) of a straight line or polynomial; the unit texts are compared exactly.
    std::string UnitsOfPower(int power, const ReportSettings& settings)
    {
        const bool sameUnits = settings.XUnitsText == settings.YUnitsText;
        std::string units = settings.YUnitsText;
        if (power == 0)
            return units;
        if (sameUnits) {
            if (power == 1)
                return {};
            units += "^-";
            units += std::to_string(power - 1);
            return units;
        }
        units += '/';
        units += settings.XUnitsText;
        if (power >= 2) {
            units += '^';
            units += std::to_string(power);
        }
        return units;
    }

    std::string ValueWithUncertainty(
        Extended value, const fit::FitState& fit, int index, const ReportSettings& settings)
    {
        const Extended uncertainty = fit::ConstantUncertainty(fit, index);
        return FormatWithUncertainty(value, uncertainty, settings.PrecisionFlag);
    }

    std::vector<std::string> PolynomialTexts(
        const fit::FitState& fit, const ReportSettings& settings)
    {
        std::vector<std::string> texts;
        for (int power = 0; power < fit.ConstantCount; ++power) {
            std::string text;
            if (power == 0 && fit.ZeroForce) {
                // The forced A(0) is exact: no uncertainty, one blank before the units.
                text = "A(0) = 0 ";
                text += settings.YUnitsText;
            } else {
                text = "A(";
                text += std::to_string(power);
                text += ") = ";
                text += ValueWithUncertainty(fit.FitConstants[power], fit, power, settings);
                text += ' ';
                text += UnitsOfPower(power, settings);
            }
            texts.push_back(std::move(text));
        }
        return texts;
    }

    // Power law and exponential: the prefactor e^A(0) after "A = ", the exponent after "B = ".
    std::vector<std::string> LogarithmicTexts(
        const fit::FitState& fit, const ReportSettings& settings)
    {
        common::ClearFloatingPointFlags();
        Extended prefactor = std::exp(fit.FitConstants[0]);
        common::EndFloatingPointStep(prefactor);

        std::string first = "A = ";
        first += ValueWithUncertainty(prefactor, fit, 0, settings);
        first += ' ';
        first += settings.YUnitsText;
        std::string second = "B = ";
        second += ValueWithUncertainty(fit.FitConstants[1], fit, 1, settings);
        second += ' ';
        if (fit.FitType == fit::PowerLaw) {
            first += " * ";
            first += settings.XUnitsText;
            first += "^-B";
        } else {
            second += settings.XUnitsText;
            second += "^-1";
        }
        return { std::move(first), std::move(second) };
    }

} // namespace

void LsqResultsToScreen(
    const fit::FitState& fit, const ReportSettings& settings, common::TextLines& resultsPane)
{
    const int lineCount = resultsPane.LineCount();
    for (int line = 1; line <= lineCount; ++line)
        resultsPane.ReplaceLine(line, "");

    // Every text is built before any is written, so a failure shows no constant at all.
    std::vector<std::string> texts;
    try {
        texts = fit::IsPolynomial(fit.FitType) ? PolynomialTexts(fit, settings)
                                               : LogarithmicTexts(fit, settings);
    } catch (const common::FloatingPointError& fault) {
        // The fault says what failed; too few points, the usual cause, is said in words.
        const std::string reason = fit::UncertaintyFailureReason(fit);
        if (!fault.reason().empty() || reason.empty())
            throw;
        throw common::FloatingPointError(fault.kind(), reason);
    }

    for (std::size_t index = 0; index < texts.size(); ++index)
        resultsPane.ReplaceLine(static_cast<int>(index) + 2, texts[index]);
    resultsPane.ReplaceLine(0, Heading);
    resultsPane.ReplaceLine(1, "");
}

} // namespace report
