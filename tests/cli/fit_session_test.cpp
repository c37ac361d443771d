// SPDX-License-Identifier: GPL-3.0-or-later
// tests/cli/fit_session_test.cpp: what varnek-fit prints and returns for a data text.
#include "cli/fit_session.h"

#include "common/number_reader.h"
#include "fit/fit_state.h"
#include "support/reference_set.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using common::Extended;

namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string errors;
};

RunResult RunOn(
    const std::string& dataText, cli::CliOptions options = {}, std::string_view separator = ".")
{
    std::ostringstream out;
    std::ostringstream errors;
    RunResult run;
    run.status = cli::RunFit(options, dataText, separator, out, errors);
    run.out = out.str();
    run.errors = errors.str();
    return run;
}

cli::CliOptions FullPrecision(
    fit::FitModel fitType = fit::StraightLine, int fitOrder = 0, bool zeroForce = false)
{
    cli::CliOptions options;
    options.fit.FitType = fitType;
    options.fit.FitOrder = fitOrder;
    options.fit.ZeroForce = zeroForce;
    options.FullPrecision = true;
    return options;
}

const test_support::ReferenceSet& NorrisSet()
{
    static const test_support::ReferenceSet set
        = test_support::LoadReferenceSet(test_support::FixturePath("nist/Norris.dat"));
    return set;
}

// The data pane's text of a certified set's observations, x and y exactly as read.
std::string DataTextOf(const test_support::ReferenceSet& set)
{
    std::string data;
    for (std::size_t index = 0; index < set.x.size(); ++index) {
        char buffer[128];
        char* end = std::to_chars(buffer, buffer + 64, set.x[index]).ptr;
        *end++ = ' ';
        end = std::to_chars(end, buffer + sizeof buffer, set.y[index]).ptr;
        data.append(buffer, end);
        data += '\n';
    }
    return data;
}

// The lines after the report that name a value and give it after a tab.
std::vector<std::pair<std::string, std::string>> NamedValues(const std::string& out)
{
    std::vector<std::pair<std::string, std::string>> values;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (const std::size_t tab = line.find('\t'); tab != std::string::npos)
            values.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    return values;
}

} // namespace

TEST(RunFit, ReportsAFitWithTheLocaleSeparator)
{
    // Data written with "," while the report keeps "." in its numbers.
    cli::CliOptions options = FullPrecision();
    // Whole strings: GCC 12 falsely warns (-Wrestrict) when these literals are assigned here.
    options.report.XUnitsText = std::string("s");
    options.report.YUnitsText = std::string("m");
    const RunResult run = RunOn("1,0 1\n2 2,0\n3 2\n4 3\n", options, ",");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.out,
        "Fitting constants of least squares fit:\n"
        "\n"
        "A(0) = 1 +/- 1  m\n"
        "A(1) = 0.6 +/- 0.4  m/s\n"
        "A(0)\t5.0000000000000000022e-01\t1.0954451150103322268e+00\n"
        "A(1)\t5.9999999999999999991e-01\t3.9999999999999999995e-01\n");
}

TEST(RunFit, PrintsMessagesAndFailuresOnTheErrorStream)
{
    struct MessageCase {
        const char* name;
        std::string data;
        cli::CliOptions options;
        std::string out;
        std::string errors;
    };
    const std::vector<MessageCase> cases {
        // Where no fit is reported standard output stays empty.
        { "no point", "", FullPrecision(), "", "No data points to fit.\n" },
        { "text without a point", "t/s x/m\n1 1\n", FullPrecision(), "",
            "No data points to fit: line 1 is not an x/y pair.\n" },
        // The points before the line are fitted and reported, and the line is named.
        { "a line that is no pair", "1 1\n2 2\n3 2\n4 3\nnan 5\n5 4\n", cli::CliOptions {},
            "Fitting constants of least squares fit:\n"
            "\n"
            "A(0) = 1 +/- 1  YUnits\n"
            "A(1) = 0.6 +/- 0.4  YUnits/XUnits\n",
            "Line 5 is not an x/y pair: only the 4 points before it are used.\n" },
        { "zero x of a power law", "0 1\n1 2\n2 3\n3 4\n", FullPrecision(fit::PowerLaw), "",
            "No zero X values allowed for this type of fit.\n"
            "A power law works with the logarithm of x; line 1 has x = 0.\n" },
        { "singular", "2 1\n2 2\n2 3\n2 4\n", FullPrecision(fit::Polynomial, 2), "",
            "Too few distinct X values for this type of fit.\n"
            "A polynomial of order 2 needs at least 3 different x values.\n" },
        // The constants are formed, their uncertainties cannot be.
        { "divisor 0", "0 0\n1 3\n2 5\n", FullPrecision(),
            "A(0)\t1.6666666666666666652e-01\tnan\n"
            "A(1)\t2.5000000000000000000e+00\tnan\n",
            "Floating point division by zero.\n"
            "A straight line needs at least 4 points to give uncertainties; 3 are read.\n" },
    };
    for (const MessageCase& messageCase : cases) {
        SCOPED_TRACE(messageCase.name);
        const RunResult run = RunOn(messageCase.data, messageCase.options);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, messageCase.out);
        EXPECT_EQ(run.errors, messageCase.errors);
    }
}

TEST(RunFit, ReportsAFitWhoseResidualSumIsBeyondTheRange)
{
    // Residuals near 1E2500 square beyond the Extended range: the sum reads inf, while the
    // uncertainties, the deviation and R^2 come from the sum itself.
    cli::CliOptions options = FullPrecision();
    options.Statistics = true;
    const RunResult run = RunOn("1 1e2500\n2 3e2500\n3 2e2500\n4 5e2500\n", options);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(
        run.out.find("\nA(1)\t1.1000000000000000000e+2500\t1.469693845669906"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nresidual sum of squares\tinf\nresidual standard deviation\t"
                           "1.16189500386222"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nR^2\t6.91428571428571"), std::string::npos) << run.out;
}

TEST(RunFit, WritesTheForcedZeroExactly)
{
    const RunResult run
        = RunOn("1 2\n2 4.1\n3 5.9\n4 8.2\n", FullPrecision(fit::StraightLine, 0, true));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nA(0) = 0 YUnits\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nA(0)\t0.0000000000000000000e+00\t0.0000000000000000000e+00\n"),
        std::string::npos)
        << run.out;
}

TEST(RunFit, FullPrecisionMatchesTheCertifiedNorrisLine)
{
    const test_support::ReferenceSet set = NorrisSet();
    const RunResult run = RunOn(DataTextOf(set), FullPrecision());
    EXPECT_EQ(run.status, 0) << run.errors;

    // The last two lines: name, value and uncertainty, tab-separated.
    std::istringstream lines(run.out.substr(run.out.find("A(0)\t")));
    std::string name;
    std::string value;
    std::string uncertainty;
    for (std::size_t estimate = 0; estimate < 2; ++estimate) {
        SCOPED_TRACE(estimate);
        std::getline(lines, name, '\t');
        std::getline(lines, value, '\t');
        std::getline(lines, uncertainty);
        EXPECT_EQ(name, estimate == 0 ? "A(0)" : "A(1)");
        EXPECT_TRUE(
            test_support::IsNear(*common::ReadNumber(value, "."), set.estimates[estimate], 1e-14L));
        // Twice the standard error with the divisor n - 3 instead of n - 2.
        const Extended deviation = *common::ReadNumber(uncertainty, ".") / 2
            * std::sqrt(static_cast<Extended>(set.x.size() - 3) / set.residualDegreesOfFreedom);
        EXPECT_TRUE(test_support::IsNear(deviation, set.standardDeviations[estimate], 1e-14L));
    }
}

TEST(RunFit, StatisticsMatchTheCertifiedNorrisLine)
{
    const test_support::ReferenceSet& set = NorrisSet();
    cli::CliOptions options;
    options.Statistics = true;
    const RunResult run = RunOn(DataTextOf(set), options);
    EXPECT_EQ(run.status, 0) << run.errors;
    const auto values = NamedValues(run.out);
    const std::vector<std::pair<std::string, Extended>> expected { { "points used", 36 },
        { "constants fitted", 2 }, { "degrees of freedom", 34 },
        { "residual sum of squares", set.residualSumOfSquares },
        { "residual standard deviation", set.residualStandardDeviation }, { "R^2", set.rSquared },
        { "adjusted R^2", 1 - (1 - set.rSquared) * 35 / 34 } };
    ASSERT_EQ(values.size(), expected.size()) << run.out;
    for (std::size_t line = 0; line < values.size(); ++line) {
        SCOPED_TRACE(expected[line].first);
        EXPECT_EQ(values[line].first, expected[line].first);
        // 13 of the 15 certified digits.
        EXPECT_TRUE(test_support::IsNear(
            *common::ReadNumber(values[line].second, "."), expected[line].second, 1e-13L));
    }
}

TEST(RunFit, StatisticsSayWhichRSquaredTheyGive)
{
    const struct {
        const char* name;
        cli::CliOptions options;
        std::string rSquared;
        std::string adjusted;
    } cases[] = {
        { "through the origin", FullPrecision(fit::StraightLine, 0, true), "uncentred R^2",
            "uncentred adjusted R^2" },
        { "power law", FullPrecision(fit::PowerLaw), "R^2 of y", "adjusted R^2 of y" },
        { "exponential", FullPrecision(fit::Exponential), "R^2 of y", "adjusted R^2 of y" },
    };
    for (auto testCase : cases) {
        SCOPED_TRACE(testCase.name);
        testCase.options.FullPrecision = false;
        testCase.options.Statistics = true;
        const RunResult run = RunOn("1 2\n2 4.1\n3 5.9\n4 8.2\n", testCase.options);
        EXPECT_EQ(run.status, 0) << run.errors;
        const auto values = NamedValues(run.out);
        ASSERT_EQ(values.size(), 7u) << run.out;
        EXPECT_EQ(values[1].second, testCase.options.fit.ZeroForce ? "1" : "2");
        EXPECT_EQ(values[5].first, testCase.rSquared);
        EXPECT_EQ(values[6].first, testCase.adjusted);
    }
}

TEST(RunFit, FullPrecisionWritesTheBandLimitsAtTheFirstMiddleAndLastPoint)
{
    // y = -0.05 + 2.04 x with R = 0.042 over 2 degrees of freedom; f^T (X^T X)^-1 f is
    // 1/4 + (x - 2.5)^2 / 5 and t = 0.95 sqrt(2 / (1 - 0.95^2)) at 95%.
    cli::CliOptions options = FullPrecision();
    options.graph.ConfidenceBandShown = true;
    options.graph.PredictionBandShown = true;
    const RunResult run = RunOn("1 2\n4 8.2\n3 5.9\n2 4.1\n", options);
    EXPECT_EQ(run.status, 0) << run.errors;
    std::istringstream lines(run.out.substr(run.out.find("confidence band\t")));
    const Extended t = 0.95L * std::sqrt(2 / (1 - 0.95L * 0.95L));
    for (const bool prediction : { false, true })
        for (const Extended x : { 1.0L, 3.0L, 2.0L }) {
            SCOPED_TRACE(double(x));
            std::string name, xText, lower, upper;
            std::getline(lines, name, '\t');
            std::getline(lines, xText, '\t');
            std::getline(lines, lower, '\t');
            std::getline(lines, upper);
            EXPECT_EQ(name, prediction ? "prediction band" : "confidence band");
            EXPECT_EQ(*common::ReadNumber(xText, "."), x);
            const Extended low = *common::ReadNumber(lower, ".");
            const Extended high = *common::ReadNumber(upper, ".");
            const Extended leverage = 0.25L + (x - 2.5L) * (x - 2.5L) / 5;
            EXPECT_TRUE(test_support::IsNear(
                (high - low) / 2, t * std::sqrt(0.021L * (prediction + leverage)), 1e-12L));
            EXPECT_TRUE(test_support::IsNear((high + low) / 2, -0.05L + 2.04L * x, 1e-13L));
        }
}
