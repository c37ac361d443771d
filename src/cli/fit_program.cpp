// src/cli/fit_program.cpp: options, data, fit, report and graph of one varnek-fit run.
#include "cli/fit_program.h"

#include "cli/data_file.h"

#include <clocale>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
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
        if (options.ShowHelp) {
            std::cout << UsageText();
            return 0;
        }

        const std::string separator = options.DecimalSeparator.empty() ? LocaleDecimalSeparator()
                                                                       : options.DecimalSeparator;
        std::string bytes;
        if (options.FileName == "-") {
            bytes = ReadAll(std::cin);
        } else {
            std::optional<std::string> fileBytes = ReadFileBytes(options.FileName);
            if (!fileBytes) {
                std::error_code failure;
                const std::filesystem::path fullPath
                    = std::filesystem::absolute(options.FileName, failure);
                std::cerr << "Cannot open file " << (failure ? options.FileName : fullPath.string())
                          << ".\n";
                return 1;
            }
            bytes = std::move(*fileBytes);
        }
        FitSession session;
        int status = RunFit(
            options, DataTextFromFileBytes(bytes), separator, std::cout, std::cerr, session);
        // The report stays on standard output even when the graph cannot be written.
        std::cout.flush();
        if (!options.PlotFileName.empty()) {
            if (!writePlot) {
                std::cerr << "varnek-fit: this build draws no graphs.\n";
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
