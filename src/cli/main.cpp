// src/cli/main.cpp: program entry of varnek-fit, the workbench's fit and graph without a window.
#include "cli/cli_options.h"
#include "cli/data_file.h"
#include "cli/fit_runner.h"
#include "cli/plot_output.h"

#include <clocale>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

int Run(int argc, char* argv[])
{
    std::setlocale(LC_ALL, "");

    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const cli::ParseResult parsed = cli::ParseCliOptions(arguments);
    if (!parsed.options) {
        std::cerr << "varnek-fit: " << parsed.error << "\n"
                  << "Try 'varnek-fit --help' for more information.\n";
        return 2;
    }
    const cli::CliOptions& options = *parsed.options;
    if (options.ShowHelp) {
        std::cout << cli::UsageText();
        return 0;
    }

    const std::string separator
        = options.DecimalSeparator.empty() ? LocaleDecimalSeparator() : options.DecimalSeparator;
    std::string bytes;
    if (options.FileName == "-") {
        bytes = cli::ReadAll(std::cin);
    } else {
        std::optional<std::string> fileBytes = cli::ReadFileBytes(options.FileName);
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
    cli::FitSession session;
    int status = cli::RunFit(
        options, cli::DataTextFromFileBytes(bytes), separator, std::cout, std::cerr, session);
    // The report stays on standard output even when the graph cannot be written.
    std::cout.flush();
    if (!options.PlotFileName.empty() && !cli::WritePlot(options, session, std::cerr))
        status = 1;
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "varnek-fit: " << failure.what() << ".\n";
        return 1;
    }
}
