// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/fit_session.cpp: the fit command on a data text or a table, with standard error and a
// text report.
#include "cli/fit_session.h"

#include "common/failure.h"
#include "common/memory_lines.h"
#include "data/calculate_data.h"
#include "data/table_reader.h"
#include "fit/confidence_band.h"
#include "fit/fit_command.h"
#include "fit/fit_statistics.h"
#include "fit/uncertainty.h"
#include "report/initial_results_text.h"
#include "report/lsq_results_to_screen.h"
#include "report/statistics_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace cli {

namespace {

    constexpr std::string_view NothingToFitMessage = "No data points to fit";

    // As many empty lines as the window's results pane starts with: the report's lines, and
    // nothing where no fit is reported (the window's instructions are no command-line report).
    std::string EmptyResultsText()
    {
        return std::string(static_cast<std::size_t>(std::count(report::InitialResultsText.begin(),
                               report::InitialResultsText.end(), '\n')),
            '\n');
    }

    // The rows of a table that gave no point: the first ones by their row and reason, then how
    // many more there were.
    void WriteLeftOutRows(const data::TableReading& reading, std::ostream& errors)
    {
        for (const data::LeftOutRow& row : reading.LeftOut)
            errors << "Row " << row.Row << " is left out: " << row.Reason << ".\n";
        const int more = reading.LeftOutCount - static_cast<int>(reading.LeftOut.size());
        if (more > 0)
            errors << more
                   << (more == 1 ? " more row is left out.\n" : " more rows are left out.\n");
    }

    // Reads the table dataText into points, with the options' columns, format and decimal
    // separator: every point with AllPoints, else the first data::MaxPoints.
    void ReadTablePoints(const CliOptions& options, std::string_view dataText,
        data::PointStore& points, std::ostream& errors)
    {
        data::TableFormat format = options.Table;
        if (!options.DecimalSeparator.empty())
            format.DecimalSeparator = options.DecimalSeparator;
        const int limit = options.AllPoints ? std::numeric_limits<int>::max() : data::MaxPoints;
        const data::TableReading reading
            = data::ReadTable(dataText, format, options.Columns, limit, points);
        WriteLeftOutRows(reading, errors);
    }

    // The number, from 1, of the first line the reading could not take as a pair.
    int FirstUnreadLine(const common::MemoryLines& dataPane)
    {
        // Editor indexes count from 0.
        return dataPane.UnreadLines().front() + 1;
    }

    // The reading stopped at a line that is no pair; the fit takes the pointCount points before.
    std::string ReadingStoppedMessage(const common::MemoryLines& dataPane, int pointCount)
    {
        std::string message = "Line ";
        message += std::to_string(FirstUnreadLine(dataPane));
        message += " is not an x/y pair: only the ";
        message += std::to_string(pointCount);
        message += pointCount == 1 ? " point before it is used." : " points before it are used.";
        return message;
    }

    void WritePane(const common::TextLines& pane, std::ostream& out)
    {
        int lastLine = pane.LineCount() - 1;
        while (lastLine >= 0 && pane.Line(lastLine).empty())
            --lastLine;
        for (int line = 0; line <= lastLine; ++line)
            out << pane.Line(line) << '\n';
    }

    // 20 significant digits, locale-free.
    std::string FullText(common::Extended value)
    {
        char buffer[64];
        const auto result = std::to_chars(
            buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 19);
        return std::string(buffer, result.ptr);
    }

    std::string UncertaintyText(const fit::FitState& fit, int index, bool residualsKnown)
    {
        if (!residualsKnown)
            return "nan";
        try {
            return FullText(fit::ConstantUncertainty(fit, index));
        } catch (const common::Failure&) {
            return "nan";
        }
    }

    void WriteFullPrecision(const fit::FitState& fit, bool residualsKnown, std::ostream& out)
    {
        const auto writeLine
            = [&](std::string_view name, common::Extended value, std::string_view uncertainty) {
                  out << name << '\t' << FullText(value) << '\t' << uncertainty << '\n';
              };
        if (!fit::IsPolynomial(fit.FitType)) {
            writeLine("A", std::exp(fit.FitConstants[0]), UncertaintyText(fit, 0, residualsKnown));
            writeLine("B", fit.FitConstants[1], UncertaintyText(fit, 1, residualsKnown));
            return;
        }
        for (int index = 0; index < fit.ConstantCount; ++index) {
            std::string name = "A(";
            name += std::to_string(index);
            name += ')';
            // The forced A(0) is exactly 0 and so is its uncertainty.
            const std::string uncertainty = index == 0 && fit.ZeroForce
                ? FullText(0)
                : UncertaintyText(fit, index, residualsKnown);
            writeLine(name, fit.FitConstants[index], uncertainty);
        }
    }

    // With the bands the graph shows: for each (confidence first), its name, x, the lower and the
    // upper limit at the x of the first point, of point floor(n/2) + 1 and of the last.
    void WriteBandLimits(const data::PointStore& points, const fit::FitState& fit,
        const graph::GraphState& graph, std::ostream& out)
    {
        const std::optional<fit::FitBands> bands = fit::FitBands::Of(fit, graph.BandLevel);
        const int count = points.PointCount;
        const auto writeBand = [&](std::string_view name, fit::BandKind kind) {
            for (const int point : { 1, count / 2 + 1, count }) {
                const common::Extended x = points.XData[point];
                const auto limits = bands ? bands->At(x, kind) : std::nullopt;
                const common::Extended nan = std::numeric_limits<common::Extended>::quiet_NaN();
                out << name << '\t' << FullText(x) << '\t' << FullText(limits ? limits->Lower : nan)
                    << '\t' << FullText(limits ? limits->Upper : nan) << '\n';
            }
        };
        if (graph.ConfidenceBandShown)
            writeBand("confidence band", fit::BandKind::Confidence);
        if (graph.PredictionBandShown)
            writeBand("prediction band", fit::BandKind::Prediction);
    }

    // One item a line, name and value tab-separated, values to 20 significant digits.
    void WriteStatistics(
        const data::PointStore& points, const fit::FitState& fit, std::ostream& out)
    {
        constexpr int FullDigits = 20;
        for (const std::string& line :
            report::StatisticsLines(fit::FitStatisticsOf(points, fit), fit.FitType, FullDigits))
            out << line << '\n';
    }

} // namespace

int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors, FitSession& session)
{
    data::PointStore& points = session.points;
    fit::FitState& fit = session.fit;
    points.SuppressZero = options.SuppressZero;
    static_cast<fit::FitChoice&>(fit) = options.fit;
    const report::ReportSettings& settings = options.report;

    common::MemoryLines dataPane(options.ReadsTable ? std::string_view() : dataText);
    common::MemoryLines resultsPane(EmptyResultsText());

    fit::AllocateWorkingStorage(fit);
    bool failed = false;
    bool messageShown = false;
    // The fit got as far as its report, so its residual sum is that of its constants.
    bool reportStarted = false;
    fit::FitOutcome outcome = fit::FitOutcome::NothingToFit;
    try {
        if (options.ReadsTable) {
            ReadTablePoints(options, dataText, points, errors);
        } else {
            if (options.AllPoints)
                points.Reserve(dataPane.LineCount());
            data::CalculateData(points, dataPane, decimalSeparator);
        }
        if (!dataPane.UnreadLines().empty() && points.PointCount > 0) {
            errors << ReadingStoppedMessage(dataPane, points.PointCount) << '\n';
            messageShown = true;
        }
        outcome = fit::CheckAndFit(points, fit, [&](const fit::Information& shown) {
            errors << shown.Message << '\n';
            // The window's limit is the fitter's default only: say how to lift it.
            if (shown.Message == fit::OnlyFirstPointsMessage)
                errors << "The data go on after line " << data::MaxPoints
                       << "; --all-points fits every point.\n";
            else if (!shown.Reason.empty())
                errors << shown.Reason << '\n';
            messageShown = true;
        });
        if (outcome == fit::FitOutcome::Fitted) {
            reportStarted = true;
            report::LsqResultsToScreen(fit, settings, resultsPane);
        }
    } catch (const common::Failure& failure) {
        errors << common::FailureText(failure) << '\n';
        failed = true;
    }
    if (!failed && outcome == fit::FitOutcome::NothingToFit) {
        errors << NothingToFitMessage;
        if (!dataPane.UnreadLines().empty())
            errors << ": line " << FirstUnreadLine(dataPane) << " is not an x/y pair";
        errors << ".\n";
    }

    WritePane(resultsPane, out);
    // FitValid is set exactly when the constants of this fit were formed.
    if (options.FullPrecision && fit.FitValid) {
        WriteFullPrecision(fit, reportStarted, out);
        if (reportStarted && points.PointCount >= 1)
            WriteBandLimits(points, fit, options.graph, out);
    }
    // The residual sum is known once the report has begun, also when the report then failed.
    if (options.Statistics && reportStarted)
        WriteStatistics(points, fit, out);

    const bool clean = !failed && !messageShown && outcome == fit::FitOutcome::Fitted;
    return clean ? 0 : 1;
}

int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors)
{
    FitSession session;
    return RunFit(options, dataText, decimalSeparator, out, errors, session);
}

} // namespace cli
