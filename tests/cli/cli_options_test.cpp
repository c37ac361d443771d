// SPDX-License-Identifier: GPL-3.0-or-later
// tests/cli/cli_options_test.cpp: the command line of varnek-fit, accepted and refused.
#include "cli/cli_options.h"

#include "fit/fit_state.h"
#include "graph/graph_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

cli::ParseResult Parse(const std::vector<std::string_view>& arguments)
{
    return cli::ParseCliOptions(arguments);
}

} // namespace

TEST(ParseCliOptions, StartsFromTheWorkbenchDefaults)
{
    const cli::ParseResult result = Parse({ "data.dat" });
    ASSERT_TRUE(result.options) << result.error;
    const cli::CliOptions& options = *result.options;
    EXPECT_EQ(options.fit.FitType, fit::StraightLine);
    EXPECT_EQ(options.fit.FitOrder, 0);
    EXPECT_FALSE(options.fit.ZeroForce);
    EXPECT_EQ(options.report.PrecisionFlag, 0);
    EXPECT_EQ(options.report.XUnitsText, "XUnits");
    EXPECT_EQ(options.report.YUnitsText, "YUnits");
    EXPECT_EQ(options.DecimalSeparator, "");
    EXPECT_FALSE(options.FullPrecision);
    EXPECT_FALSE(options.Statistics);
    EXPECT_EQ(options.FileName, "data.dat");
}

TEST(ParseCliOptions, ReadsEveryOption)
{
    const cli::ParseResult result
        = Parse({ "--type", "poly", "--order=3", "--origin", "--extra-digit", "--x-units", "s",
            "--y-units=", "--decimal-separator", ",", "--full-precision", "--stats", "-" });
    ASSERT_TRUE(result.options) << result.error;
    const cli::CliOptions& options = *result.options;
    EXPECT_EQ(options.fit.FitType, fit::Polynomial);
    EXPECT_EQ(options.fit.FitOrder, 3);
    EXPECT_TRUE(options.fit.ZeroForce);
    EXPECT_EQ(options.report.PrecisionFlag, 1);
    EXPECT_EQ(options.report.XUnitsText, "s");
    EXPECT_EQ(options.report.YUnitsText, "");
    EXPECT_EQ(options.DecimalSeparator, ",");
    EXPECT_TRUE(options.FullPrecision);
    EXPECT_TRUE(options.Statistics);
    EXPECT_EQ(options.FileName, "-");

    struct TypeCase {
        const char* name;
        fit::FitModel fitType;
    };
    for (const TypeCase& typeCase : std::vector<TypeCase> { { "line", fit::StraightLine },
             { "power", fit::PowerLaw }, { "exp", fit::Exponential } }) {
        SCOPED_TRACE(typeCase.name);
        const cli::ParseResult typed = Parse({ "--type", typeCase.name, "f" });
        ASSERT_TRUE(typed.options) << typed.error;
        EXPECT_EQ(typed.options->fit.FitType, typeCase.fitType);
    }

    // A file whose name starts with "-" after "--"; help needs no file.
    EXPECT_EQ(Parse({ "--", "--odd name" }).options->FileName, "--odd name");
    EXPECT_TRUE(Parse({ "--help" }).options->ShowHelp);
    EXPECT_TRUE(Parse({ "-h" }).options->ShowHelp);
}

TEST(ParseCliOptions, RefusesWhatItCannotUse)
{
    struct RefusedCase {
        const char* name;
        std::vector<std::string_view> arguments;
        std::string error;
    };
    const std::vector<RefusedCase> cases {
        { "no file", {}, "no data file given (use - for standard input)" },
        { "two files", { "a", "b" }, "only one data file can be fitted at a time" },
        { "unknown option", { "--graph", "a" }, "unknown option '--graph'" },
        { "missing value", { "a", "--order" }, "option '--order' needs a value" },
        { "value for a switch", { "--origin=yes", "a" }, "option '--origin' takes no value" },
        { "unknown type", { "--type", "cubic", "a" },
            "unknown fit type 'cubic' (line, poly, power or exp)" },
        { "order too high", { "--order", "16", "a" },
            "the order must be a whole number from 0 to 15, not '16'" },
        { "order not a number", { "--order", "2x", "a" },
            "the order must be a whole number from 0 to 15, not '2x'" },
        { "origin with a power law", { "--type", "power", "--origin", "a" },
            "--origin applies only to --type line and --type poly" },
        { "digit as separator", { "--decimal-separator", "5", "a" },
            "the decimal separator must be one character other than a digit, a sign, E, e or "
            "a space, not '5'" },
        { "two characters as separator", { "--decimal-separator", ",,", "a" },
            "the decimal separator must be one character other than a digit, a sign, E, e or "
            "a space, not ',,'" },
        { "graph file of another kind", { "--plot", "graph.jpg", "a" },
            "the graph file must end in .png, .svg or .pdf, not 'graph.jpg'" },
        { "graph file without extension", { "--plot=png", "a" },
            "the graph file must end in .png, .svg or .pdf, not 'png'" },
        { "graph file needs a name", { "a", "--plot" }, "option '--plot' needs a value" },
        { "unknown marker", { "--plot", "g.png", "--marker", "Star", "a" },
            "unknown marker 'Star' (circle, square, equilat, upsideequilat or diamond)" },
        { "graph option without a graph", { "--title", "Run 4", "--marker", "square", "a" },
            "--title applies only with --plot" },
        { "zero suppressed without a graph", { "--suppress-zero", "a" },
            "--suppress-zero applies only with --plot" },
    };
    for (const RefusedCase& refused : cases) {
        SCOPED_TRACE(refused.name);
        const cli::ParseResult result = Parse(refused.arguments);
        EXPECT_FALSE(result.options);
        EXPECT_EQ(result.error, refused.error);
    }
    // One character of several bytes is still one character.
    EXPECT_TRUE(Parse({ "--decimal-separator", "\xD9\xAB", "a" }).options);
}

TEST(ParseCliOptions, ReadsTheGraphOptions)
{
    const cli::ParseResult defaults = Parse({ "--plot", "run.PDF", "a" });
    ASSERT_TRUE(defaults.options) << defaults.error;
    EXPECT_EQ(defaults.options->PlotFileName, "run.PDF");
    EXPECT_EQ(defaults.options->ImageWidth, 1024);
    EXPECT_EQ(defaults.options->ImageHeight, 768);
    EXPECT_EQ(defaults.options->TitleCaption, "Title");
    EXPECT_EQ(defaults.options->XLegendCaption, "XAxisLabel");
    EXPECT_EQ(defaults.options->YLegendCaption, "YAxisLabel");
    EXPECT_EQ(defaults.options->graph.MarkerType, graph::Circle);
    EXPECT_FALSE(defaults.options->SuppressZero);
    EXPECT_EQ(Parse({ "a" }).options->PlotFileName, "");

    const cli::ParseResult result = Parse(
        { "--plot=run.png", "--size", "640x480", "--title", "Run 4", "--x-legend=", "--y-legend",
            "Height (m)", "--marker", "upsideequilat", "--suppress-zero", "a" });
    ASSERT_TRUE(result.options) << result.error;
    const cli::CliOptions& options = *result.options;
    EXPECT_EQ(options.PlotFileName, "run.png");
    EXPECT_EQ(options.ImageWidth, 640);
    EXPECT_EQ(options.ImageHeight, 480);
    EXPECT_EQ(options.TitleCaption, "Run 4");
    EXPECT_EQ(options.XLegendCaption, "");
    EXPECT_EQ(options.YLegendCaption, "Height (m)");
    EXPECT_EQ(options.graph.MarkerType, graph::UpsideEquilat);
    EXPECT_TRUE(options.SuppressZero);

    struct MarkerCase {
        const char* name;
        graph::MarkerShape markerType;
    };
    for (const MarkerCase& markerCase :
        std::vector<MarkerCase> { { "circle", graph::Circle }, { "square", graph::Square },
            { "equilat", graph::Equilat }, { "diamond", graph::Diamond } }) {
        SCOPED_TRACE(markerCase.name);
        const cli::ParseResult marked
            = Parse({ "--plot", "g.png", "--marker", markerCase.name, "a" });
        ASSERT_TRUE(marked.options) << marked.error;
        EXPECT_EQ(marked.options->graph.MarkerType, markerCase.markerType);
    }
}

TEST(ParseCliOptions, TakesSizesFromOneToTheLargestImage)
{
    struct SizeCase {
        const char* size;
        bool accepted;
        int width;
        int height;
    };
    const std::vector<SizeCase> cases {
        { "1x1", true, 1, 1 },
        { "8192x8192", true, 8192, 8192 },
        { "1920x1080", true, 1920, 1080 },
        { "0x768", false, 0, 0 },
        { "1024x8193", false, 0, 0 },
        { "-1024x768", false, 0, 0 },
        { "+1024x768", false, 0, 0 },
        { "1024X768", false, 0, 0 },
        { "1024x", false, 0, 0 },
        { "1024x768x2", false, 0, 0 },
        { "1024 x 768", false, 0, 0 },
        { "99999999999x768", false, 0, 0 },
        { "", false, 0, 0 },
    };
    for (const SizeCase& sizeCase : cases) {
        SCOPED_TRACE(sizeCase.size);
        const cli::ParseResult result = Parse({ "--plot", "g.png", "--size", sizeCase.size, "a" });
        ASSERT_EQ(bool(result.options), sizeCase.accepted) << result.error;
        if (sizeCase.accepted) {
            EXPECT_EQ(result.options->ImageWidth, sizeCase.width);
            EXPECT_EQ(result.options->ImageHeight, sizeCase.height);
        } else {
            std::string error
                = "the size must be WIDTHxHEIGHT in pixels, each from 1 to 8192, not '";
            error += sizeCase.size;
            error += "'";
            EXPECT_EQ(result.error, error);
        }
    }
}

TEST(ParseCliOptions, ReadsTheTableOptions)
{
    EXPECT_FALSE(Parse({ "run.dat" }).options->ReadsTable);
    EXPECT_TRUE(Parse({ "run.CSV" }).options->ReadsTable);
    EXPECT_TRUE(Parse({ "run.tsv" }).options->ReadsTable);

    const cli::ParseResult result = Parse({ "--columns", "time,3", "--delimiter", "tab",
        "--header=2", "--comment", "%", "--all-points", "log.txt" });
    ASSERT_TRUE(result.options) << result.error;
    const cli::CliOptions& options = *result.options;
    EXPECT_TRUE(options.ReadsTable);
    EXPECT_TRUE(options.AllPoints);
    EXPECT_EQ(options.Columns.X.Name, "time");
    EXPECT_EQ(options.Columns.Y.Number, 3);
    EXPECT_EQ(options.Columns.Y.Name, "");
    EXPECT_EQ(options.Table.Delimiter, data::TableDelimiter::Tab);
    EXPECT_EQ(options.Table.HeaderRows, 2);
    EXPECT_EQ(options.Table.CommentCharacter, '%');
    EXPECT_EQ(Parse({ "--comment=", "a" }).options->Table.CommentCharacter, '\0');
    EXPECT_EQ(
        Parse({ "--delimiter=;", "a" }).options->Table.Delimiter, data::TableDelimiter::Semicolon);

    const std::vector<std::pair<std::vector<std::string_view>, std::string>> refused {
        { { "--columns", "1", "a" },
            "the columns must be X,Y, each a number from 1 or a name in the header, not '1'" },
        { { "--columns", "0,2", "a" },
            "the columns must be X,Y, each a number from 1 or a name in the header, not '0,2'" },
        { { "--columns", "1,,2", "a" },
            "the columns must be X,Y, each a number from 1 or a name in the header, not "
            "'1,,2'" },
        { { "--delimiter", "|", "a" }, "the delimiter must be , ; tab or blank, not '|'" },
        { { "--header", "-1", "a" }, "the header rows must be a whole number from 0, not '-1'" },
        { { "--comment", "//", "a" },
            "the comment character must be one character other than a space or a quote, or "
            "empty for none, not '//'" },
    };
    for (const auto& [arguments, error] : refused) {
        SCOPED_TRACE(error);
        EXPECT_EQ(Parse(arguments).error, error);
    }
}

TEST(ParseCliOptions, TheManualPageListsTheOptionsOfTheHelp)
{
    // Each tag of the OPTIONS section names options as "--name VALUE", several separated by
    // ", ", in troff's escapes.
    std::ifstream page(VARNEK_FIT_MANUAL_PAGE);
    ASSERT_TRUE(page) << VARNEK_FIT_MANUAL_PAGE;
    std::map<std::string, std::string> listed;
    bool inOptions = false;
    bool tagFollows = false;
    for (std::string line; std::getline(page, line);) {
        if (line.starts_with(".SH"))
            inOptions = line == ".SH OPTIONS";
        if (!inOptions)
            continue;
        if (line == ".TP") {
            tagFollows = true;
            continue;
        }
        if (!tagFollows)
            continue;
        tagFollows = false;
        std::string tag;
        for (std::size_t at = 0; at < line.size(); ++at) {
            if (line.compare(at, 3, "\\fB") == 0 || line.compare(at, 3, "\\fR") == 0
                || line.compare(at, 3, "\\fI") == 0) {
                at += 2;
                continue;
            }
            if (line.compare(at, 2, "\\-") == 0)
                ++at;
            tag += line[at];
        }
        if (tag.starts_with(".B "))
            tag.erase(0, 3);
        // .BR joins its arguments, each a word or a quoted text, without spaces.
        if (tag.starts_with(".BR ")) {
            std::string joined;
            bool quoted = false;
            for (const char character : tag.substr(4)) {
                if (character == '"')
                    quoted = !quoted;
                else if (character != ' ' || quoted)
                    joined += character;
            }
            tag = joined;
        }
        for (std::size_t start = 0; start < tag.size();) {
            const std::size_t end = std::min(tag.find(", ", start), tag.size());
            const std::string mention = tag.substr(start, end - start);
            start = end + 2;
            const std::size_t space = mention.find(' ');
            if (mention.starts_with('-'))
                listed[mention.substr(0, space)]
                    = space == std::string::npos ? "" : mention.substr(space + 1);
        }
    }

    std::map<std::string, std::string> expected;
    for (const cli::ListedOption& option : cli::ListedOptions()) {
        expected[std::string(option.Name)] = std::string(option.Value);
        if (!option.Alias.empty())
            expected[std::string(option.Alias)] = std::string(option.Value);
    }
    EXPECT_EQ(listed, expected);
    const std::string help = cli::UsageText();
    for (const auto& [name, value] : expected)
        EXPECT_NE(help.find(value.empty() ? name : name + ' ' + value), std::string::npos) << name;
}

TEST(ParseCliOptions, ReadsTheBandOptionsForAGraph)
{
    const cli::ParseResult result
        = Parse({ "--plot", "g.png", "--band", "both", "--level=99.5", "--residuals", "a" });
    ASSERT_TRUE(result.options) << result.error;
    EXPECT_TRUE(result.options->graph.ConfidenceBandShown);
    EXPECT_TRUE(result.options->graph.PredictionBandShown);
    EXPECT_EQ(result.options->graph.BandLevel, 99.5L);
    EXPECT_TRUE(result.options->graph.ResidualsShown);
    const cli::ParseResult prediction = Parse({ "--plot", "g.png", "--band", "prediction", "a" });
    ASSERT_TRUE(prediction.options);
    EXPECT_FALSE(prediction.options->graph.ConfidenceBandShown);
    EXPECT_EQ(prediction.options->graph.BandLevel, 95);

    const std::pair<std::vector<std::string_view>, std::string> refused[] = {
        { { "--plot", "g.png", "--band", "wide", "a" },
            "unknown band 'wide' (confidence, prediction or both)" },
        { { "--plot", "g.png", "--band", "both", "--level", "99.995", "a" },
            "the level must be a percentage from 50 to 99.99, not '99.995'" },
        { { "--plot", "g.png", "--band", "both", "--level", "95%", "a" },
            "the level must be a percentage from 50 to 99.99, not '95%'" },
        { { "--plot", "g.png", "--level", "90", "a" }, "--level applies only with --band" },
        { { "--residuals", "a" }, "--residuals applies only with --plot" },
    };
    for (const auto& [arguments, error] : refused) {
        SCOPED_TRACE(error);
        EXPECT_EQ(Parse(arguments).error, error);
    }
}
