// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/cli_options.cpp: option parsing and the help text of varnek-fit.
#include "cli/cli_options.h"

#include "common/number_reader.h"
#include "common/printable_text.h"
#include "fit/confidence_band.h"
#include "fit/fit_state.h"
#include "graph/graph_file_format.h"
#include "graph/graph_state.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <limits>

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

    Refusal ApplyBand(CliOptions& options, std::string_view value)
    {
        const bool confidence = value == "confidence" || value == "both";
        const bool prediction = value == "prediction" || value == "both";
        if (!confidence && !prediction)
            return "unknown band " + Quoted(value) + " (confidence, prediction or both)";
        options.graph.ConfidenceBandShown = confidence;
        options.graph.PredictionBandShown = prediction;
        return std::nullopt;
    }

    Refusal ApplyLevel(CliOptions& options, std::string_view value)
    {
        const std::optional<common::Extended> level = common::ReadNumber(value, ".");
        if (!level || *level < fit::LowestBandLevel || *level > fit::HighestBandLevel)
            return "the level must be a percentage from 50 to 99.99, not " + Quoted(value);
        options.graph.BandLevel = *level;
        options.BandLevelGiven = true;
        return std::nullopt;
    }

    Refusal ApplyColumns(CliOptions& options, std::string_view value)
    {
        const std::size_t comma = value.find(',');
        std::array<data::TableColumn, 2> columns;
        bool usable = comma != std::string_view::npos
            && value.find(',', comma + 1) == std::string_view::npos;
        for (int index = 0; usable && index < 2; ++index) {
            const std::string_view part
                = index == 0 ? value.substr(0, comma) : value.substr(comma + 1);
            const bool digits = !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
                return c >= '0' && c <= '9';
            });
            if (digits) {
                const std::optional<int> number
                    = WholeNumber(part, 1, std::numeric_limits<int>::max());
                usable = number.has_value();
                columns[index].Number = number.value_or(0);
            } else {
                usable = !part.empty();
                columns[index].Name = std::string(part);
            }
        }
        if (!usable) {
            std::string message = "the columns must be X,Y, each a number from 1 or a name in "
                                  "the header, not ";
            message += Quoted(value);
            return message;
        }
        options.Columns.X = columns[0];
        options.Columns.Y = columns[1];
        return std::nullopt;
    }

    Refusal ApplyDelimiter(CliOptions& options, std::string_view value)
    {
        if (value == ",")
            options.Table.Delimiter = data::TableDelimiter::Comma;
        else if (value == ";")
            options.Table.Delimiter = data::TableDelimiter::Semicolon;
        else if (value == "tab" || value == "\t")
            options.Table.Delimiter = data::TableDelimiter::Tab;
        else if (value == "blank")
            options.Table.Delimiter = data::TableDelimiter::Blanks;
        else
            return "the delimiter must be , ; tab or blank, not " + Quoted(value);
        return std::nullopt;
    }

    Refusal ApplyHeader(CliOptions& options, std::string_view value)
    {
        const std::optional<int> rows = WholeNumber(value, 0, std::numeric_limits<int>::max());
        if (!rows)
            return "the header rows must be a whole number from 0, not " + Quoted(value);
        options.Table.HeaderRows = *rows;
        return std::nullopt;
    }

    Refusal ApplyComment(CliOptions& options, std::string_view value)
    {
        const bool usable = value.empty()
            || (value.size() == 1 && value[0] > ' ' && value[0] < 0x7F && value[0] != '"');
        if (!usable)
            return "the comment character must be one character other than a space or a quote, "
                   "or empty for none, not "
                + Quoted(value);
        options.Table.CommentCharacter = value.empty() ? '\0' : value[0];
        return std::nullopt;
    }

    Refusal SetFlag(bool& flag)
    {
        flag = true;
        return std::nullopt;
    }

    struct OptionRule {
        std::string_view name;
        // A short form, or empty.
        std::string_view alias;
        // What the value is called in the help; empty for a switch.
        std::string_view value;
        // Only the graph uses it, so it needs --plot.
        bool graphOnly;
        // Only a table uses it, so it makes the file be read as one.
        bool tableOnly;
        ApplyOption apply;
        // The lines of its help, joined by line breaks.
        std::string_view help;
    };

    constexpr bool ForGraph = true;
    constexpr bool ForTable = true;

    static_assert(fit::HighestOrder == 15, "the help of --order names the highest order");

    // Every option of the command line, in the order --help lists them.
    constexpr std::array<OptionRule, 26> OptionRules { {
        { "--type", {}, "line|poly|power|exp", false, false, ApplyFitType,
            "the kind of fit: straight line (default), polynomial,\n"
            "power law y = A*|x|^B, exponential y = A*e^(B*x)" },
        { "--order", {}, "K", false, false, ApplyOrder,
            "highest power of x of a polynomial fit, 0 to 15 (default 0)" },
        { "--origin", {}, {}, false, false,
            [](CliOptions& options, std::string_view) { return SetFlag(options.fit.ZeroForce); },
            "force a straight line or polynomial through the origin" },
        { "--extra-digit", {}, {}, false, false,
            [](CliOptions& options, std::string_view) -> Refusal {
                options.report.PrecisionFlag = 1;
                return std::nullopt;
            },
            "write every constant with one more digit of precision" },
        { "--x-units", {}, "TEXT", false, false,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.report.XUnitsText = std::string(value);
                return std::nullopt;
            },
            "units of x (default XUnits)" },
        { "--y-units", {}, "TEXT", false, false,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.report.YUnitsText = std::string(value);
                return std::nullopt;
            },
            "units of y (default YUnits)" },
        { "--decimal-separator", {}, "C", false, false, ApplyDecimalSeparator,
            "the decimal separator of the data (default: the locale's;\n"
            "in a table, \",\" where the numbers have it and the\n"
            "delimiter is not a comma, else \".\")" },
        { "--columns", {}, "X,Y", false, ForTable, ApplyColumns,
            "the columns of x and y in a table, each a number from 1\n"
            "or a name in the header rows (default 1,2)" },
        { "--delimiter", {}, ",|;|tab|blank", false, ForTable, ApplyDelimiter,
            "what separates the fields of a table: a comma, a\n"
            "semicolon, a tab, or blanks (one or more spaces or tabs)\n"
            "(default: told from the first rows)" },
        { "--header", {}, "N", false, ForTable, ApplyHeader,
            "the rows of names at the top of a table (default: the\n"
            "leading rows whose x and y fields are not numbers)" },
        { "--comment", {}, "C", false, ForTable, ApplyComment,
            "a table's lines that start with C are comments (default\n"
            "#, or % where more lines start with it; '' for none)" },
        { "--all-points", {}, {}, false, false,
            [](CliOptions& options, std::string_view) { return SetFlag(options.AllPoints); },
            "fit every point of the file, not only the first 600;\n"
            "the file may then hold up to 1 GiB" },
        { "--full-precision", {}, {}, false, false,
            [](CliOptions& options, std::string_view) { return SetFlag(options.FullPrecision); },
            "after the report, one line per constant: its name, its value\n"
            "and its uncertainty with 20 significant digits, tab-separated\n"
            "(nan for an uncertainty that cannot be computed); with\n"
            "--band, then the limits of each band shown (see BANDS)" },
        { "--stats", {}, {}, false, false,
            [](CliOptions& options, std::string_view) { return SetFlag(options.Statistics); },
            "after the report (and the --full-precision lines), how\n"
            "closely the fit follows the points, one item a line, its\n"
            "name and its value tab-separated (see STATISTICS)" },
        { "--plot", {}, "FILE", false, false, ApplyPlot,
            "also draw the graph of the points and the fitted curve\n"
            "into FILE: a PNG image (.png), or an SVG drawing (.svg) or\n"
            "a one-page PDF (.pdf) whose lines and text stay sharp" },
        { "--size", {}, "WxH", ForGraph, false, ApplySize,
            "the size of the graph in pixels: title, legends, plot and\n"
            "tick labels (default 1024x768; a PDF page at 96 per inch)" },
        { "--title", {}, "TEXT", ForGraph, false,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.TitleCaption = std::string(value);
                return std::nullopt;
            },
            "the graph's title (default Title)" },
        { "--x-legend", {}, "TEXT", ForGraph, false,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.XLegendCaption = std::string(value);
                return std::nullopt;
            },
            "the x axis legend (default XAxisLabel)" },
        { "--y-legend", {}, "TEXT", ForGraph, false,
            [](CliOptions& options, std::string_view value) -> Refusal {
                options.YLegendCaption = std::string(value);
                return std::nullopt;
            },
            "the y axis legend (default YAxisLabel)" },
        { "--marker", {}, "SHAPE", ForGraph, false, ApplyMarker,
            "circle (default), square, equilat, upsideequilat or diamond" },
        { "--suppress-zero", {}, {}, ForGraph, false,
            [](CliOptions& options, std::string_view) { return SetFlag(options.SuppressZero); },
            "plot the data ranges without stretching them to take in 0" },
        { "--band", {}, "confidence|prediction|both", ForGraph, false, ApplyBand,
            "shade the confidence band of the fitted curve, the\n"
            "prediction band of a new point, or both, behind the curve" },
        { "--level", {}, "P", ForGraph, false, ApplyLevel,
            "the level of the bands in percent, 50 to 99.99 (default 95)" },
        { "--residuals", {}, {}, ForGraph, false,
            [](CliOptions& options, std::string_view) {
                return SetFlag(options.graph.ResidualsShown);
            },
            "draw each point's residual, y less the fitted curve, in a\n"
            "strip under the plot that shares its x axis" },
        { "--help", "-h", {}, false, false,
            [](CliOptions& options, std::string_view) { return SetFlag(options.ShowHelp); },
            "show this help and exit" },
        { "--version", {}, {}, false, false,
            [](CliOptions& options, std::string_view) { return SetFlag(options.ShowVersion); },
            "show the version and the licence and exit" },
    } };

    const OptionRule* RuleOf(std::string_view name)
    {
        const auto rule = std::find_if(
            OptionRules.begin(), OptionRules.end(), [name](const OptionRule& candidate) {
                return candidate.name == name
                    || (!candidate.alias.empty() && candidate.alias == name);
            });
        return rule == OptionRules.end() ? nullptr : &*rule;
    }

    // A name ending in .csv or .tsv, in any letter case.
    bool NamesATable(std::string_view fileName)
    {
        if (fileName.size() < 4)
            return false;
        std::string extension(fileName.substr(fileName.size() - 4));
        for (char& character : extension)
            character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
        return extension == ".csv" || extension == ".tsv";
    }

} // namespace

ParseResult ParseCliOptions(const std::vector<std::string_view>& arguments)
{
    CliOptions options;
    std::vector<std::string_view> files;
    bool optionsEnded = false;
    // The first option given that only a graph uses.
    std::string_view firstGraphOption;
    bool tableOptionGiven = false;

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
        const bool takesValue = !rule->value.empty();
        if (!takesValue && attached) {
            std::string message = "option ";
            message += Quoted(name);
            message += " takes no value";
            return Refuse(message);
        }
        if (takesValue) {
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
        tableOptionGiven = tableOptionGiven || rule->tableOnly;
        if (const Refusal refusal = rule->apply(options, value))
            return Refuse(*refusal);
    }

    if (options.ShowHelp || options.ShowVersion)
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
    if (options.BandLevelGiven && !options.graph.ConfidenceBandShown
        && !options.graph.PredictionBandShown)
        return Refuse("--level applies only with --band");
    options.FileName = std::string(files.front());
    options.ReadsTable = tableOptionGiven || NamesATable(options.FileName);
    return ParseResult { options, {} };
}

std::string UsageText()
{
    std::string text = R"(Usage: varnek-fit [OPTION]... FILE
Fits a curve to the x/y pairs of a data file by linear least squares and prints the
fitting constants with their uncertainties, as the workbench's results pane shows them.
Each uncertainty is twice the standard error; for power and exp, that of the straight
line fitted to the logarithms, so it does not change with the units of y.
FILE is read like a data file opened in the workbench: one point a line, x and y
separated by spaces or tabs; - reads standard input. A file whose name ends in .csv
or .tsv, or any file with --columns, --delimiter, --header or --comment, is read as a
table: fields separated by a comma, a semicolon, a tab or blanks, quoted with "" as
spreadsheets write them, header rows naming the columns, # comment lines.

)";
    // The option's names and value, then its help from column 31.
    constexpr std::size_t HelpColumn = 30;
    for (const OptionRule& rule : OptionRules) {
        std::string names = "  ";
        if (!rule.alias.empty()) {
            names += rule.alias;
            names += ", ";
        }
        names += rule.name;
        if (!rule.value.empty()) {
            names += ' ';
            names += rule.value;
        }
        names.resize(std::max(names.size() + 2, HelpColumn), ' ');
        std::string_view help = rule.help;
        for (bool first = true; !help.empty(); first = false) {
            const std::size_t lineEnd = std::min(help.find('\n'), help.size());
            text += first ? names : std::string(HelpColumn, ' ');
            text += help.substr(0, lineEnd);
            text += '\n';
            help.remove_prefix(std::min(lineEnd + 1, help.size()));
        }
    }
    text += R"(
The report goes to standard output: the results pane from its first line to its last
non-empty line, then the lines of --full-precision and --stats; nothing when no fit
was made. Messages and failures go to standard error, and so do the rows of a table
that give no point (the first ten, then their count). The graph is drawn as the
workbench draws its graph, alone, without a display, also when the fit was refused or
failed (the points without a curve); a file without data lines gives only the
background. A graph file is written whole or not at all: one that cannot be written
leaves the file of that name as it was.

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

BANDS (--band), with s^2 = R / (n - p), t the two-sided Student t quantile of the
level for n - p degrees of freedom and f(x) the fit's powers of x at x:
  confidence  fitted curve -/+ t sqrt(s^2 f(x)^T (X^T X)^-1 f(x)), X the fit's design
  prediction  the same with s^2 added under the root: where a new point falls
For a power law and an exponential the band is taken on ln y, R the residual sum of
ln y about the straight line through the logarithms, and mapped back through exp.
With --full-precision, each band shown (confidence first) adds three lines: its name,
then x, the lower and the upper limit with 20 significant digits, tab-separated, at
the x of the first point, of point floor(n/2) + 1 and of the last point, in file
order (nan where the band has no value).

Exit status: 0 when the fit was made of every point read and reported (and the graph
written; rows of a table left out do not count), 1 when a message or a failure was
shown (the file cannot be read, a line is not an x/y pair, so that only the points
before it are fitted and reported, more than 600 points without --all-points, no point
was read, the fit was refused or failed, the report or the graph file cannot be
written), 2 when the command line cannot be used.
)";
    return text;
}

std::vector<ListedOption> ListedOptions()
{
    std::vector<ListedOption> listed;
    for (const OptionRule& rule : OptionRules)
        listed.push_back({ rule.name, rule.alias, rule.value });
    return listed;
}

} // namespace cli
