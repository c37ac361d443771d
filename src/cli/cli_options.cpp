// src/cli/cli_options.cpp: option parsing and the help text of varnek-fit.
#include "cli/cli_options.h"

#include "fit/fit_state.h"

#include <array>
#include <charconv>

namespace cli {

namespace {

    // The options page keeps the polynomial order at 15 or less.
    constexpr int HighestOrder = 15;

    struct TypeName {
        std::string_view name;
        int fitType;
    };
    constexpr std::array<TypeName, 4> TypeNames { {
        { "line", fit::StraightLine },
        { "poly", fit::Polynomial },
        { "power", fit::PowerLaw },
        { "exp", fit::Exponential },
    } };

    // Length of the UTF-8 sequence that starts with byte, 0 when it cannot start one.
    std::size_t SequenceLength(unsigned char byte)
    {
        if (byte < 0x80)
            return 1;
        if ((byte & 0xE0) == 0xC0)
            return 2;
        if ((byte & 0xF0) == 0xE0)
            return 3;
        if ((byte & 0xF8) == 0xF0)
            return 4;
        return 0;
    }

    // One character that cannot be part of a number otherwise: no digit, sign, exponent
    // marker, space or control character.
    bool IsUsableSeparator(std::string_view text)
    {
        if (text.empty() || SequenceLength(static_cast<unsigned char>(text[0])) != text.size())
            return false;
        if (text.size() > 1) {
            for (std::size_t index = 1; index < text.size(); ++index)
                if ((static_cast<unsigned char>(text[index]) & 0xC0) != 0x80)
                    return false;
            return true;
        }
        const char character = text[0];
        return static_cast<unsigned char>(character) > ' ' && character != 0x7F
            && !(character >= '0' && character <= '9') && character != '+' && character != '-'
            && character != 'E' && character != 'e';
    }

    std::string Quoted(std::string_view text)
    {
        std::string quoted = "'";
        quoted += text;
        quoted += '\'';
        return quoted;
    }

    ParseResult Refuse(std::string message) { return ParseResult { std::nullopt, message }; }

} // namespace

ParseResult ParseCliOptions(const std::vector<std::string_view>& arguments)
{
    CliOptions options;
    std::vector<std::string_view> files;
    bool optionsEnded = false;

    for (std::size_t position = 0; position < arguments.size(); ++position) {
        const std::string_view argument = arguments[position];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "-h") {
            options.ShowHelp = true;
            continue;
        }
        if (!argument.starts_with("--")) {
            std::string message = "unknown option ";
            message += Quoted(argument);
            return Refuse(message);
        }

        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::optional<std::string_view> attached;
        if (equals != std::string_view::npos)
            attached = argument.substr(equals + 1);

        // Switches take no value.
        bool* flag = nullptr;
        if (name == "--help")
            flag = &options.ShowHelp;
        else if (name == "--origin")
            flag = &options.ZeroForce;
        else if (name == "--full-precision")
            flag = &options.FullPrecision;
        if (flag != nullptr || name == "--extra-digit") {
            if (attached) {
                std::string message = "option ";
                message += Quoted(name);
                message += " takes no value";
                return Refuse(message);
            }
            if (flag != nullptr)
                *flag = true;
            else
                options.PrecisionFlag = 1;
            continue;
        }

        if (name != "--type" && name != "--order" && name != "--x-units" && name != "--y-units"
            && name != "--decimal-separator") {
            std::string message = "unknown option ";
            message += Quoted(name);
            return Refuse(message);
        }
        std::string_view value;
        if (attached) {
            value = *attached;
        } else if (position + 1 < arguments.size()) {
            value = arguments[++position];
        } else {
            std::string message = "option ";
            message += Quoted(name);
            message += " needs a value";
            return Refuse(message);
        }

        if (name == "--type") {
            bool known = false;
            for (const TypeName& typeName : TypeNames)
                if (typeName.name == value) {
                    options.FitType = typeName.fitType;
                    known = true;
                }
            if (!known) {
                std::string message = "unknown fit type ";
                message += Quoted(value);
                message += " (line, poly, power or exp)";
                return Refuse(message);
            }
        } else if (name == "--order") {
            int order = -1;
            const auto result = std::from_chars(value.data(), value.data() + value.size(), order);
            if (result.ec != std::errc() || result.ptr != value.data() + value.size() || order < 0
                || order > HighestOrder) {
                std::string message = "the order must be a whole number from 0 to ";
                message += std::to_string(HighestOrder);
                message += ", not ";
                message += Quoted(value);
                return Refuse(message);
            }
            options.FitOrder = order;
        } else if (name == "--x-units") {
            options.XUnitsText = std::string(value);
        } else if (name == "--y-units") {
            options.YUnitsText = std::string(value);
        } else {
            if (!IsUsableSeparator(value)) {
                std::string message = "the decimal separator must be one character other than a "
                                      "digit, a sign, E, e or a space, not ";
                message += Quoted(value);
                return Refuse(message);
            }
            options.DecimalSeparator = std::string(value);
        }
    }

    if (options.ShowHelp)
        return ParseResult { options, {} };
    if (files.empty())
        return Refuse("no data file given (use - for standard input)");
    if (files.size() > 1)
        return Refuse("only one data file can be fitted at a time");
    if (options.ZeroForce && options.FitType != fit::StraightLine
        && options.FitType != fit::Polynomial)
        return Refuse("--origin applies only to --type line and --type poly");
    options.FileName = std::string(files.front());
    return ParseResult { options, {} };
}

std::string UsageText()
{
    return R"(Usage: varnek-fit [OPTION]... FILE
Fits a curve to the x/y pairs of a data file by linear least squares and prints the
fitting constants with their uncertainties, as the workbench's results pane shows them.
FILE is read like a data file opened in the workbench: one point a line, x and y
separated by spaces or tabs; - reads standard input.

  --type line|poly|power|exp  the kind of fit: straight line (default), polynomial,
                              power law y = A*|x|^B, exponential y = A*e^(B*x)
  --order K                   highest power of x of a polynomial fit, 0 to 15 (default 0)
  --origin                    force a straight line or polynomial through the origin
  --extra-digit               write every constant with one more digit of precision
  --x-units TEXT              units of x (default XUnits)
  --y-units TEXT              units of y (default YUnits)
  --decimal-separator C       the decimal separator of the data (default: the locale's)
  --full-precision            after the report, one line per constant: its name, its value
                              and its uncertainty with 20 significant digits, tab-separated
                              (nan for an uncertainty that cannot be computed)
  -h, --help                  show this help and exit

The report goes to standard output: the results pane from its first line to its last
non-empty line. Messages and failures go to standard error.
Exit status: 0 when the fit was made and reported, 1 when a message or a failure was
shown (the file cannot be opened, no point was read, the fit was refused or failed),
2 when the command line cannot be used.
)";
}

} // namespace cli
