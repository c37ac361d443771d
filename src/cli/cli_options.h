// src/cli/cli_options.h: the command line of varnek-fit, parsed into the choices of one fit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What the command line asks for; every field starts at the workbench default.
struct CliOptions {
    int FitType = 0; // fit::FitTypes
    int FitOrder = 0; // used by the polynomial only
    bool ZeroForce = false;
    int PrecisionFlag = 0;
    std::string XUnitsText = "XUnits";
    std::string YUnitsText = "YUnits";
    // Empty: the decimal separator of the user's locale.
    std::string DecimalSeparator;
    bool FullPrecision = false;
    bool ShowHelp = false;
    // The data file; "-" is standard input.
    std::string FileName;
};

// The result of parsing: the options, or the reason the command line was refused.
struct ParseResult {
    std::optional<CliOptions> options;
    std::string error;
};

// Parses the arguments after the program name. Options may be written "--name value" or
// "--name=value"; "--" ends the options. Exactly one file is needed unless --help is given.
ParseResult ParseCliOptions(const std::vector<std::string_view>& arguments);

// The text --help prints.
std::string UsageText();

} // namespace cli
