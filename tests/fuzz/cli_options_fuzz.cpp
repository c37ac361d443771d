// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/cli_options_fuzz.cpp: the command line of varnek-fit (varnek-fit-plot reads the same
// one) from any arguments: it ends in options that hold together, or in a refusal that says why
// without a character that would act on the terminal.
// Input: the arguments after the program name, separated by bytes of code 0.
#include "cli/cli_options.h"
#include "fuzz_input.h"
#include "graph/graph_file_format.h"

#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    std::vector<std::string_view> arguments;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        arguments.push_back(input.substr(start, end - start));
        start = end + 1;
    }

    const cli::ParseResult parsed = cli::ParseCliOptions(arguments);
    if (!parsed.options) {
        fuzz::Require(!parsed.error.empty(), "a refusal says why");
        for (const char character : parsed.error) {
            const auto code = static_cast<unsigned char>(character);
            fuzz::Require(code >= 0x20 && code != 0x7F,
                "a refusal sends no control character to the terminal");
        }
        return 0;
    }
    const cli::CliOptions& options = *parsed.options;
    fuzz::Require(parsed.error.empty(), "options come without a refusal");
    // Help and version are answered whatever else the line holds, so the rest is not checked.
    if (options.ShowHelp || options.ShowVersion)
        return 0;
    fuzz::Require(options.ImageWidth >= 1 && options.ImageWidth <= 8192 && options.ImageHeight >= 1
            && options.ImageHeight <= 8192,
        "the graph's size is within its bounds");
    fuzz::Require(options.fit.FitOrder >= 0 && options.fit.FitOrder <= fit::HighestOrder,
        "the order is one the fit takes");
    fuzz::Require(!options.fit.ZeroForce || options.fit.FitType == fit::StraightLine
            || options.fit.FitType == fit::Polynomial,
        "only a line or a polynomial is forced through the origin");
    fuzz::Require(
        options.PlotFileName.empty() || graph::GraphFileFormatOf(options.PlotFileName).has_value(),
        "a graph file has a format");
    fuzz::Require(cli::ParseCliOptions(arguments).options.has_value(), "a parse is the same twice");
    return 0;
}
