// src/cli/fit_runner.cpp: the fit command with a text data pane, standard error and a text report.
#include "cli/fit_runner.h"

#include "common/failure.h"
#include "common/memory_lines.h"
#include "data/calculate_data.h"
#include "fit/fit_command.h"
#include "fit/uncertainty.h"
#include "report/initial_results_text.h"
#include "report/lsq_results_to_screen.h"

#include <charconv>
#include <cmath>
#include <string>

namespace cli {

namespace {

    constexpr std::string_view NothingToFitMessage = "No data points to fit.";

    class TextHost : public fit::FitCommandHost {
    public:
        TextHost(common::TextLines& dataPane, common::TextLines& resultsPane,
            const report::ReportSettings& settings, std::string_view decimalSeparator,
            std::ostream& errors)
            : m_dataPane(dataPane)
            , m_resultsPane(resultsPane)
            , m_settings(settings)
            , m_decimalSeparator(decimalSeparator)
            , m_errors(errors)
        {
        }

        void ReadData(data::PointStore& points) override
        {
            data::CalculateData(points, m_dataPane, m_decimalSeparator);
        }
        void ShowInformation(std::string_view message) override
        {
            m_errors << message << '\n';
            m_messageShown = true;
        }
        void WriteReport(const fit::FitState& fit) override
        {
            m_reportStarted = true;
            report::LsqResultsToScreen(fit, m_settings, m_resultsPane);
        }
        void Redraw() override { }

        bool MessageShown() const { return m_messageShown; }
        // The fit got as far as its report, so its residual sum is that of its constants.
        bool ReportStarted() const { return m_reportStarted; }

    private:
        common::TextLines& m_dataPane;
        common::TextLines& m_resultsPane;
        const report::ReportSettings& m_settings;
        std::string_view m_decimalSeparator;
        std::ostream& m_errors;
        bool m_messageShown = false;
        bool m_reportStarted = false;
    };

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
        if (fit.FitType == fit::PowerLaw || fit.FitType == fit::Exponential) {
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

} // namespace

int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors, FitSession& session)
{
    data::PointStore& points = session.points;
    fit::FitState& fit = session.fit;
    points.SuppressZero = options.SuppressZero;
    fit.FitType = options.FitType;
    fit.FitOrder = options.FitOrder;
    fit.ZeroForce = options.ZeroForce;
    report::ReportSettings settings;
    settings.PrecisionFlag = options.PrecisionFlag;
    settings.XUnitsText = options.XUnitsText;
    settings.YUnitsText = options.YUnitsText;

    common::MemoryLines dataPane(dataText);
    common::MemoryLines resultsPane(report::InitialResultsText);
    TextHost host(dataPane, resultsPane, settings, decimalSeparator, errors);

    fit::AllocateWorkingStorage(fit);
    bool failed = false;
    fit::ShowOutcome outcome = fit::ShowOutcome::NothingToFit;
    try {
        outcome = fit::TabbedFitShowClick(points, fit, host);
    } catch (const common::Failure& failure) {
        errors << failure.what() << ".\n";
        failed = true;
    }
    if (!failed && outcome == fit::ShowOutcome::NothingToFit)
        errors << NothingToFitMessage << '\n';

    WritePane(resultsPane, out);
    // FitValid is set exactly when the constants of this fit were formed.
    if (options.FullPrecision && fit.FitValid)
        WriteFullPrecision(fit, host.ReportStarted(), out);
    fit::ReleaseWorkingStorage(fit);

    const bool clean = !failed && !host.MessageShown() && outcome == fit::ShowOutcome::Fitted;
    return clean ? 0 : 1;
}

int RunFit(const CliOptions& options, std::string_view dataText, std::string_view decimalSeparator,
    std::ostream& out, std::ostream& errors)
{
    FitSession session;
    return RunFit(options, dataText, decimalSeparator, out, errors, session);
}

} // namespace cli
