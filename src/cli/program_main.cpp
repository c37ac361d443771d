// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/program_main.cpp: options, data, fit, report and graph of one varnek-fit run, for
// both programs.
#include "cli/program_main.h"

#include "cli/data_file.h"
#include "common/failure.h"
#include "common/same_file.h"
#include "common/version_text.h"
#include "data/data_text_file.h"

#include <clocale>
#include <exception>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace cli {

namespace {

    // The decimal separator of the user's locale, "." where it names none.
    std::string LocaleDecimalSeparator()
    {
        const std::lconv* conventions = std::localeconv();
        if (conventions == nullptr || conventions->decimal_point == nullptr
            || conventions->decimal_point[0] == '\0')
            return ".";
        return conventions->decimal_point;
    }

    // The data file's text: the pane's, or a table's (line breaks as in the file). A table and
    // the reading of every point take up to data::LargeFileCapacity bytes.
    std::string ReadText(const CliOptions& options)
    {
        if (!options.ReadsTable && !options.AllPoints)
            return ReadDataText(options.FileName);
        std::string bytes = ReadDataBytes(options.FileName, data::LargeFileCapacity);
        if (!options.ReadsTable)
            return data::PaneTextFromFileBytes(bytes, data::LargeFileCapacity).Text;
        return data::TextFromFileBytes(std::move(bytes), data::LargeFileCapacity).Text;
    }

    int Run(int argc, char* argv[], const PlotWriter& writePlot)
    {
        std::setlocale(LC_ALL, "");

        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const ParseResult parsed = ParseCliOptions(arguments);
        if (!parsed.options) {
            std::cerr << "varnek-fit: " << parsed.error << "\n"
                      << "Try 'varnek-fit --help' for more information.\n";
            return 2;
        }
        const CliOptions& options = *parsed.options;
        if (options.ShowHelp || options.ShowVersion) {
            std::cout << (options.ShowHelp ? UsageText() : common::VersionText("varnek-fit"));
            if (!std::cout.flush()) {
                std::cerr << (options.ShowHelp ? "Cannot write the help text.\n"
                                               : "Cannot write the version.\n");
                return 1;
            }
            return 0;
        }

        const std::string separator = options.DecimalSeparator.empty() ? LocaleDecimalSeparator()
                                                                       : options.DecimalSeparator;
        std::string dataText;
        // Every file that cannot be read says so in one form, as the window's Open does.
        try {
            dataText = ReadText(options);
        } catch (const common::Failure& failure) {
            std::cerr << common::FailureText(failure) << '\n';
            return 1;
        }
        FitSession session;
        int status = RunFit(options, dataText, separator, std::cout, std::cerr, session);
        // The report is out before the graph is drawn, and a report that could not be written
        // is a failure.
        if (!std::cout.flush()) {
            std::cerr << "Cannot write the report.\n";
            status = 1;
        }
        if (!options.PlotFileName.empty()) {
            if (IsDataFile(options.PlotFileName, options.FileName)) {
                std::cerr << common::FailureText(common::GraphOverDataFile(options.PlotFileName))
                          << '\n';
                status = 1;
            } else if (!writePlot(options, session, std::cerr)) {
                status = 1;
            }
        }
        return status;
    }

} // namespace

int RunFitProgram(int argc, char* argv[], const PlotWriter& writePlot)
{
    try {
        return Run(argc, argv, writePlot);
    } catch (const std::exception& failure) {
        std::cerr << "varnek-fit: " << failure.what() << ".\n";
        return 1;
    }
}

} // namespace cli
