// tests/cli/cli_options_test.cpp: the command line of varnek-fit, accepted and refused.
#include "cli/cli_options.h"

#include "fit/fit_state.h"

#include <gtest/gtest.h>

#include <string>
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
    EXPECT_EQ(options.FitType, fit::StraightLine);
    EXPECT_EQ(options.FitOrder, 0);
    EXPECT_FALSE(options.ZeroForce);
    EXPECT_EQ(options.PrecisionFlag, 0);
    EXPECT_EQ(options.XUnitsText, "XUnits");
    EXPECT_EQ(options.YUnitsText, "YUnits");
    EXPECT_EQ(options.DecimalSeparator, "");
    EXPECT_FALSE(options.FullPrecision);
    EXPECT_EQ(options.FileName, "data.dat");
}

TEST(ParseCliOptions, ReadsEveryOption)
{
    const cli::ParseResult result
        = Parse({ "--type", "poly", "--order=3", "--origin", "--extra-digit", "--x-units", "s",
            "--y-units=", "--decimal-separator", ",", "--full-precision", "-" });
    ASSERT_TRUE(result.options) << result.error;
    const cli::CliOptions& options = *result.options;
    EXPECT_EQ(options.FitType, fit::Polynomial);
    EXPECT_EQ(options.FitOrder, 3);
    EXPECT_TRUE(options.ZeroForce);
    EXPECT_EQ(options.PrecisionFlag, 1);
    EXPECT_EQ(options.XUnitsText, "s");
    EXPECT_EQ(options.YUnitsText, "");
    EXPECT_EQ(options.DecimalSeparator, ",");
    EXPECT_TRUE(options.FullPrecision);
    EXPECT_EQ(options.FileName, "-");

    struct TypeCase {
        const char* name;
        int fitType;
    };
    for (const TypeCase& typeCase : std::vector<TypeCase> { { "line", fit::StraightLine },
             { "power", fit::PowerLaw }, { "exp", fit::Exponential } }) {
        SCOPED_TRACE(typeCase.name);
        const cli::ParseResult typed = Parse({ "--type", typeCase.name, "f" });
        ASSERT_TRUE(typed.options) << typed.error;
        EXPECT_EQ(typed.options->FitType, typeCase.fitType);
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
        { "unknown option", { "--plot", "a" }, "unknown option '--plot'" },
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
