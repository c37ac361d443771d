// src/cli/cli_options.cpp: option parsing and the help text of varnek-fit.
#include "cli/cli_options.h"

#include "common/printable_text.h"
#include "fit/fit_state.h"
#include "graph/graph_file_format.h"
#include "graph/graph_state.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace cli {

namespace {

    struct TypeName {
        std::string_view name;
        fit::FitModel fitType;
    };
    constexpr std::array<TypeName, 4> TypeNames { {
        { "line", fit::StraightLine },
        { "poly", fit::Polynomial },
        { "power", fit::PowerLaw },
        { "exp", fit::Exponential },
    } };

    struct MarkerName {
        std::string_view name;
        graph::MarkerShape markerType;
    };
    constexpr std::array<MarkerName, 5> MarkerNames { {
        { "circle", graph::Circle },
        { "square", graph::Square },
        { "equilat", graph::Equilat },
        { "upsideequilat", graph::UpsideEquilat },
        { "diamond", graph::Diamond },
    } };

    // An image side of at most 8192 pixels keeps a 32-bit image within 256 MiB.
    constexpr int LargestImageSide = 8192;

    // The whole of text as a decimal number from lowest to highest, digits only.
    std::optional<int> WholeNumber(std::string_view text, int lowest, int highest)
    {
        int number = 0;
        const char* end = text.data() + text.size();
        const auto result = std::from_chars(text.data(), end, number);
        if (text.empty() || text[0] == '-' || result.ec != std::errc() || result.ptr != end
            || number < lowest || number > highest)
            return std::nullopt;
        return number;
    }

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

    // Quoted for a message, its control characters escaped so that none reaches the terminal.
    std::string Quoted(std::string_view text)
    {
        std::string quoted = "'";
        quoted += common::PrintableText(text);
        quoted += '\'';
        return quoted;
    }

    ParseResult Refuse(std::string message) { return ParseResult { std::nullopt, message }; }

    // What an option does with its value (empty for a switch): nothing when it took it, else
    // why it cannot.
    using Refusal = std::optional<std::string>;
    using ApplyOption = Refusal (*)(CliOptions& options, std::string_view value);

    Refusal ApplyFitType(CliOptions& options, std::string_view value)
    {
        for (const TypeName& typeName : TypeNames) {
            if (typeName.name == value) {
                options.fit.FitType = typeName.fitType;
                return std::nullopt;
            }
        }
        std::string message = "unknown fit type ";
        message += Quoted(value);
        message += " (line, poly, power or exp)";
        return message;
    }

    Refusal ApplyOrder(CliOptions& options, std::string_view value)
    {
        const std::optional<int> order = WholeNumber(value, 0, fit::HighestOrder);
        if (!order) {
            std::string message = "the order must be a whole number from 0 to ";
            message += std::to_string(fit::HighestOrder);
            message += ", not ";
            message += Quoted(value);
            return message;
        }
        options.fit.FitOrder = *order;
        return std::nullopt;
    }

    Refusal ApplyDecimalSeparator(CliOptions& options, std::string_view value)
    {
        if (!IsUsableSeparator(value)) {
            std::string message = "the decimal separator must be one character other than a "
                                  "digit, a sign, E, e or a space, not ";
            message += Quoted(value);
            return message;
        }
        options.DecimalSeparator = std::string(value);
        return std::nullopt;
    }

    Refusal ApplyPlot(CliOptions& options, std::string_view value)
    {
        if (!graph::GraphFileFormatOf(value)) {
            std::string message = "the graph file must end in .png, .svg or .pdf, not ";
            message += Quoted(value);
            return message;
        }
        options.PlotFileName = std::string(value);
        return std::nullopt;
    }

    Refusal ApplySize(CliOptions& options, std::string_view value)
    {
        const std::size_t cross = value.find('x');
        const std::optional<int> width = cross == std::string_view::npos
            ? std::nullopt
            : WholeNumber(value.substr(0, cross), 1, LargestImageSide);
        const std::optional<int> height = cross == std::string_view::npos
            ? std::nullopt
            : WholeNumber(value.substr(cross + 1), 1, LargestImageSide);
        if (!width || !height) {
            std::string message = "the size must be WIDTHxHEIGHT in pixels, each from 1 to ";
            message += std::to_string(LargestImageSide);
            message += ", not ";
            message += Quoted(value);
            return message;
        }
        options.ImageWidth = *width;
        options.ImageHeight = *height;
        return std::nullopt;
    }

    Refusal ApplyMarker(CliOptions& options, std::string_view value)
    {
        for (const MarkerName& markerName : MarkerNames) {
            if (markerName.name == value) {
                options.graph.MarkerType = markerName.markerType;
                return std::nullopt;
            }
        }
        std::string message = "unknown marker ";
        message += Quoted(value);
        message += " (circle, square, equilat, upsideequilat or diamond)";
        return message;
    }

    struct OptionRule {
        std::string_view name;
        bool takesValue;
        // Only the graph uses it, so it needs --plot.
        bool graphOnly;
        ApplyOption apply;
    };

    constexpr bool Switch = false;
    constexpr bool Value = true;
    constexpr bool ForGraph = true;
    constexpr bool ForAll = false;

    // Every option of the command line.
    constexpr std::array<OptionRule, 18> OptionRules { {
        { "-h", Switch, ForAll,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.ShowHelp = true;
                return std::nullopt;
            } },
        { "--help", Switch, ForAll,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.ShowHelp = true;
                return std::nullopt;
            } },
        { "--type", Value, ForAll, ApplyFitType },
        { "--order", Value, ForAll, ApplyOrder },
        { "--origin", Switch, ForAll,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.fit.ZeroForce = true;
                return std::nullopt;
            } },
        { "--extra-digit", Switch, ForAll,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.report.PrecisionFlag = 1;
                return std::nullopt;
            } },
        { "--x-units", Value, ForAll,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.report.XUnitsText = std::string(value);
                return std::nullopt;
            } },
        { "--y-units", Value, ForAll,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.report.YUnitsText = std::string(value);
                return std::nullopt;
            } },
        { "--decimal-separator", Value, ForAll, ApplyDecimalSeparator },
        { "--full-precision", Switch, ForAll,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.FullPrecision = true;
                return std::nullopt;
            } },
        { "--stats", Switch, ForAll,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.Statistics = true;
                return std::nullopt;
            } },
        { "--plot", Value, ForAll, ApplyPlot },
        { "--size", Value, ForGraph, ApplySize },
        { "--title", Value, ForGraph,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.TitleCaption = std::string(value);
                return std::nullopt;
            } },
        { "--x-legend", Value, ForGraph,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.XLegendCaption = std::string(value);
                return std::nullopt;
            } },
        { "--y-legend", Value, ForGraph,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.YLegendCaption = std::string(value);
                return std::nullopt;
            } },
        { "--marker", Value, ForGraph, ApplyMarker },
        { "--suppress-zero", Switch, ForGraph,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.SuppressZero = true;
                return std::nullopt;
            } },
    } };

    const OptionRule* RuleOf(std::string_view name)
    {
        const auto rule = std::find_if(OptionRules.begin(), OptionRules.end(),
            [name](const OptionRule& candidate) { return candidate.name == name; });
        return rule == OptionRules.end() ? nullptr : &*rule;
    }

} // namespace

ParseResult ParseCliOptions(const std::vector<std::string_view>& arguments)
{
    CliOptions options;
    std::vector<std::string_view> files;
    bool optionsEnded = false;
    // The first option given that only a graph uses.
    std::string_view firstGraphOption;

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

        // Long options may carry their value after "=".
        std::string_view name = argument;
        std::optional<std::string_view> attached;
        const std::size_t equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            attached = argument.substr(equals + 1);
        }
        const OptionRule* rule = RuleOf(name);
        if (rule == nullptr) {
            std::string message = "unknown option ";
            message += Quoted(name);
            return Refuse(message);
        }

        std::string_view value;
        if (!rule->takesValue && attached) {
            std::string message = "option ";
            message += Quoted(name);
            message += " takes no value";
            return Refuse(message);
        }
        if (rule->takesValue) {
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
        }
        if (rule->graphOnly && firstGraphOption.empty())
            firstGraphOption = rule->name;
        if (const Refusal refusal = rule->apply(options, value))
            return Refuse(*refusal);
    }

    if (options.ShowHelp)
        return ParseResult { options, {} };
    if (files.empty())
        return Refuse("no data file given (use - for standard input)");
    if (files.size() > 1)
        return Refuse("only one data file can be fitted at a time");
    if (options.fit.ZeroForce && options.fit.FitType != fit::StraightLine
        && options.fit.FitType != fit::Polynomial)
        return Refuse("--origin applies only to --type line and --type poly");
    if (!firstGraphOption.empty() && options.PlotFileName.empty()) {
        std::string message(firstGraphOption);
        message += " applies only with --plot";
        return Refuse(message);
    }
    options.FileName = std::string(files.front());
    return ParseResult { options, {} };
}

std::string UsageText()
{
    std::string text = R"(Usage: varnek-fit [OPTION]... FILE
Fits a curve to the x/y pairs of a data file by linear least squares and prints the
fitting constants with their uncertainties, as the workbench's results pane shows them.
FILE is read like a data file opened in the workbench: one point a line, x and y
separated by spaces or tabs; - reads standard input.

  --type line|poly|power|exp  the kind of fit: straight line (default), polynomial,
                              power law y = A*|x|^B, exponential y = A*e^(B*x)
  --order K                   highest power of x of a polynomial fit, 0 to )";
    text += std::to_string(fit::HighestOrder);
    text += R"( (default 0)
  --origin                    force a straight line or polynomial through the origin
  --extra-digit               write every constant with one more digit of precision
  --x-units TEXT              units of x (default XUnits)
  --y-units TEXT              units of y (default YUnits)
  --decimal-separator C       the decimal separator of the data (default: the locale's)
  --full-precision            after the report, one line per constant: its name, its value
                              and its uncertainty with 20 significant digits, tab-separated
                              (nan for an uncertainty that cannot be computed)
  --stats                     after the report (and the --full-precision lines), how
                              closely the fit follows the points, one item a line, its
                              name and its value tab-separated (see STATISTICS)
  --plot FILE                 also draw the graph of the points and the fitted curve
                              into FILE: a PNG image (.png), or an SVG drawing (.svg) or
                              a one-page PDF (.pdf) whose lines and text stay sharp
  --size WxH                  the size of the graph in pixels: title, legends, plot and
                              tick labels (default 1024x768; a PDF page at 96 per inch)
  --title TEXT                the graph's title (default Title)
  --x-legend TEXT             the x axis legend (default XAxisLabel)
  --y-legend TEXT             the y axis legend (default YAxisLabel)
  --marker SHAPE              circle (default), square, equilat, upsideequilat or diamond
  --suppress-zero             plot the data ranges without stretching them to take in 0
  -h, --help                  show this help and exit

The report goes to standard output: the results pane from its first line to its last
non-empty line, then the lines of --full-precision and --stats. Messages and failures
go to standard error. The graph is drawn as the workbench draws its graph, alone,
without a display, also when the fit was refused or failed (the points without a
curve); a file without data lines gives only the background. A graph file is written
whole or not at all: one that cannot be written leaves the file of that name as it was.

STATISTICS (--stats), with n points, p constants fitted and R the residual sum:
  points used                  n, the points of the data file the fit used
  constants fitted             p: the fixed A(0) = 0 of --origin is not one
  degrees of freedom           n - p
  residual sum of squares      R, the sum of the squared differences between each y
                               and the fitted curve, in y's own units for every type
  residual standard deviation  sqrt(R / (n - p))
  R^2                          1 - R / (sum of (y - mean y)^2)
  adjusted R^2                 1 - (1 - R^2) (n - 1) / (n - p)
With --origin the lines are "uncentred R^2" and "uncentred adjusted R^2": the sums of
y^2 in place of the sums about the mean, and n in place of n - 1. For a power law or an
exponential they are "R^2 of y" and "adjusted R^2 of y": y itself against the fitted
curve, not ln y against the straight line fitted to the logarithms. nan stands for a
value that cannot be formed (no degree of freedom left, or every y the same).

Exit status: 0 when the fit was made of every data line and reported (and the graph
written), 1 when a message or a failure was shown (the file cannot be read, a line is
not an x/y pair, so that only the points before it are fitted and reported, no point
was read, the fit was refused or failed, the report or the graph file cannot be
written), 2 when the command line cannot be used.
)";
    return text;
}

} // namespace cli
