// src/cli/cli_options.cpp: option parsing and the help text of varnek-fit.
#include "cli/cli_options.h"

#include "fit/fit_state.h"
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

    // Options that take a value; every other option is a switch.
    constexpr std::array<std::string_view, 11> ValueOptions { "--type", "--order", "--x-units",
        "--y-units", "--decimal-separator", "--plot", "--size", "--title", "--x-legend",
        "--y-legend", "--marker" };
    // Options that only shape the graph, and so need --plot.
    constexpr std::array<std::string_view, 6> PlotOnlyOptions { "--size", "--title", "--x-legend",
        "--y-legend", "--marker", "--suppress-zero" };

    bool TakesValue(std::string_view name)
    {
        return std::find(ValueOptions.begin(), ValueOptions.end(), name) != ValueOptions.end();
    }

    bool IsPlotOnly(std::string_view name)
    {
        return std::find(PlotOnlyOptions.begin(), PlotOnlyOptions.end(), name)
            != PlotOnlyOptions.end();
    }

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

    std::string Quoted(std::string_view text)
    {
        std::string quoted = "'";
        quoted += text;
        quoted += '\'';
        return quoted;
    }

    ParseResult Refuse(std::string message) { return ParseResult { std::nullopt, message }; }

} // namespace

std::optional<PlotFormat> PlotFormatOf(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    std::string extension;
    for (const char character : fileName.substr(dot + 1))
        extension += static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    if (extension == "png")
        return PlotFormat::Png;
    if (extension == "pdf")
        return PlotFormat::Pdf;
    return std::nullopt;
}

ParseResult ParseCliOptions(const std::vector<std::string_view>& arguments)
{
    CliOptions options;
    std::vector<std::string_view> files;
    bool optionsEnded = false;
    // The first option given that only a graph uses.
    std::string_view firstPlotOption;

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
            flag = &options.fit.ZeroForce;
        else if (name == "--full-precision")
            flag = &options.FullPrecision;
        else if (name == "--suppress-zero")
            flag = &options.SuppressZero;
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
                options.report.PrecisionFlag = 1;
            if (IsPlotOnly(name) && firstPlotOption.empty())
                firstPlotOption = name;
            continue;
        }

        if (!TakesValue(name)) {
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
        if (IsPlotOnly(name) && firstPlotOption.empty())
            firstPlotOption = name;

        if (name == "--type") {
            bool known = false;
            for (const TypeName& typeName : TypeNames)
                if (typeName.name == value) {
                    options.fit.FitType = typeName.fitType;
                    known = true;
                }
            if (!known) {
                std::string message = "unknown fit type ";
                message += Quoted(value);
                message += " (line, poly, power or exp)";
                return Refuse(message);
            }
        } else if (name == "--order") {
            const std::optional<int> order = WholeNumber(value, 0, fit::HighestOrder);
            if (!order) {
                std::string message = "the order must be a whole number from 0 to ";
                message += std::to_string(fit::HighestOrder);
                message += ", not ";
                message += Quoted(value);
                return Refuse(message);
            }
            options.fit.FitOrder = *order;
        } else if (name == "--x-units") {
            options.report.XUnitsText = std::string(value);
        } else if (name == "--y-units") {
            options.report.YUnitsText = std::string(value);
        } else if (name == "--decimal-separator") {
            if (!IsUsableSeparator(value)) {
                std::string message = "the decimal separator must be one character other than a "
                                      "digit, a sign, E, e or a space, not ";
                message += Quoted(value);
                return Refuse(message);
            }
            options.DecimalSeparator = std::string(value);
        } else if (name == "--plot") {
            if (!PlotFormatOf(value)) {
                std::string message = "the graph file must end in .png or .pdf, not ";
                message += Quoted(value);
                return Refuse(message);
            }
            options.PlotFileName = std::string(value);
        } else if (name == "--size") {
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
                return Refuse(message);
            }
            options.ImageWidth = *width;
            options.ImageHeight = *height;
        } else if (name == "--title") {
            options.TitleCaption = std::string(value);
        } else if (name == "--x-legend") {
            options.XLegendCaption = std::string(value);
        } else if (name == "--y-legend") {
            options.YLegendCaption = std::string(value);
        } else {
            bool known = false;
            for (const MarkerName& markerName : MarkerNames)
                if (markerName.name == value) {
                    options.graph.MarkerType = markerName.markerType;
                    known = true;
                }
            if (!known) {
                std::string message = "unknown marker ";
                message += Quoted(value);
                message += " (circle, square, equilat, upsideequilat or diamond)";
                return Refuse(message);
            }
        }
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
    if (!firstPlotOption.empty() && options.PlotFileName.empty()) {
        std::string message(firstPlotOption);
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
  --plot FILE                 also draw the graph of the points and the fitted curve
                              into FILE, a PNG image (.png) or a one-page PDF (.pdf)
  --size WxH                  the graph as a window of W x H pixels with the data pane
                              at its start-up width (default 1024x768)
  --title TEXT                the graph's title (default Title)
  --x-legend TEXT             the x axis legend (default XAxisLabel)
  --y-legend TEXT             the y axis legend (default YAxisLabel)
  --marker SHAPE              circle (default), square, equilat, upsideequilat or diamond
  --suppress-zero             plot the data ranges without stretching them to take in 0
  -h, --help                  show this help and exit

The report goes to standard output: the results pane from its first line to its last
non-empty line. Messages and failures go to standard error. The graph is drawn as the
workbench draws it, without a display, also when the fit was refused or failed (the
points without a curve); a file without data lines gives only the background.
Exit status: 0 when the fit was made and reported (and the graph written), 1 when a
message or a failure was shown (the file cannot be opened, no point was read, the fit
was refused or failed, the graph file cannot be created), 2 when the command line
cannot be used.
)";
    return text;
}

} // namespace cli
