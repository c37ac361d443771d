// SPDX-License-Identifier: GPL-3.0-or-later
// tests/report/fit_report_test.cpp: worked fits from the points through the command to the report
// text.
#include "common/failure.h"
#include "common/memory_lines.h"
#include "fit/fit_command.h"
#include "fit/fitting_function.h"
#include "report/initial_results_text.h"
#include "report/lsq_results_to_screen.h"
#include "support/points.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using common::Extended;
using test_support::Point;

namespace {

// The fit command as the window runs it after reading the pane: check and fit, then the report
// into a results pane in memory.
class FitReportTest : public ::testing::Test {
protected:
    FitReportTest() { fit::AllocateWorkingStorage(m_fit); }
    ~FitReportTest() override { fit::ReleaseWorkingStorage(m_fit); }

    fit::FitOutcome Show(
        fit::FitModel fitType, int fitOrder, bool zeroForce, const std::vector<Point>& list)
    {
        m_fit.FitType = fitType;
        m_fit.FitOrder = fitOrder;
        m_fit.ZeroForce = zeroForce;
        const fit::FitOutcome outcome = fit::CheckAndFit(test_support::PointsOf(list), m_fit,
            [this](std::string_view message) { m_messages.emplace_back(message); });
        if (outcome == fit::FitOutcome::Fitted)
            report::LsqResultsToScreen(m_fit, m_settings, m_resultsPane);
        return outcome;
    }

    // Lines 0 to 3 of the results pane.
    std::vector<std::string> Report() const
    {
        return { m_resultsPane.Line(0), m_resultsPane.Line(1), m_resultsPane.Line(2),
            m_resultsPane.Line(3) };
    }

    fit::FitState m_fit;
    report::ReportSettings m_settings;
    common::MemoryLines m_resultsPane { report::InitialResultsText };
    std::vector<std::string> m_messages;
};

const std::string Heading = "Fitting constants of least squares fit:";

} // namespace

TEST_F(FitReportTest, StraightLineOfTheWorkedNormalMatrix)
{
    // Normal matrix [[4, 10], [10, 30]]: A(0) = 0.5, A(1) = 0.6, R = 0.2, uncertainties
    // 2 sqrt(0.2 * 1.5) = 1.095 and 2 sqrt(0.2 * 0.2) = 0.4.
    const std::vector<Point> points { { 1, 1 }, { 2, 2 }, { 3, 2 }, { 4, 3 } };
    EXPECT_EQ(Show(fit::StraightLine, 0, false, points), fit::FitOutcome::Fitted);
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[0], 0.5L, 1e-17L));
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[1], 0.6L, 1e-17L));
    EXPECT_TRUE(test_support::IsNear(m_fit.ResidualSumOfSquares, 0.2L, 1e-16L));
    EXPECT_EQ(m_fit.FitOrder, 1);
    EXPECT_EQ(Report(),
        (std::vector<std::string> {
            Heading, "", "A(0) = 1 +/- 1  YUnits", "A(1) = 0.6 +/- 0.4  YUnits/XUnits" }));

    m_settings.PrecisionFlag = 1;
    Show(fit::StraightLine, 0, false, points);
    EXPECT_EQ(Report(),
        (std::vector<std::string> {
            Heading, "", "A(0) = 0.50 +/- 1.10  YUnits", "A(1) = 0.60 +/- 0.40  YUnits/XUnits" }));
}

TEST_F(FitReportTest, ThreePointLineFailsInTheReport)
{
    // Divisor n - m - 1 = 0: the constants are there, the report stops at its first
    // uncertainty with the pane emptied and line 0 kept.
    try {
        Show(fit::StraightLine, 0, false, { { 0, 0 }, { 1, 3 }, { 2, 5 } });
        ADD_FAILURE() << "no failure";
    } catch (const common::FloatingPointError& fault) {
        EXPECT_STREQ(fault.what(), "Floating point division by zero");
    }
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[0], 1.0L / 6, 1e-17L));
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[1], 2.5L, 1e-17L));
    EXPECT_TRUE(m_fit.FitValid);
    std::string emptied = "Enter data in the window above in the form";
    emptied += std::string(21, '\n');
    EXPECT_EQ(m_resultsPane.Text(), emptied);
}

TEST_F(FitReportTest, TwoPointLineFailsDespiteItsZeroResidual)
{
    // Divisor -1 with R = 0 gives -0 rather than a fault; it must not pass as an exact fit.
    try {
        Show(fit::StraightLine, 0, false, { { 0, 1 }, { 1, 3 } });
        ADD_FAILURE() << "no failure";
    } catch (const common::FloatingPointError& fault) {
        EXPECT_STREQ(fault.what(), "Floating point division by zero");
    }
    EXPECT_EQ(m_resultsPane.Line(2), "");
}

TEST_F(FitReportTest, LineForcedThroughTheOrigin)
{
    // A(1) = sum xy / sum x^2 = 60.7 / 30.
    Show(fit::StraightLine, 0, true, { { 1, 2 }, { 2, 4.1L }, { 3, 5.9L }, { 4, 8.2L } });
    ASSERT_EQ(m_fit.ConstantCount, 2);
    EXPECT_EQ(m_fit.FitConstants[0], 0);
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[1], 60.7L / 30, 1e-17L));
    EXPECT_EQ(Report(),
        (std::vector<std::string> {
            Heading, "", "A(0) = 0 YUnits", "A(1) = 2.02 +/- 0.08  YUnits/XUnits" }));
}

TEST_F(FitReportTest, PolynomialOfOrderZeroIsTheMean)
{
    Show(fit::Polynomial, 0, false, { { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 6 } });
    ASSERT_EQ(m_fit.ConstantCount, 1);
    EXPECT_EQ(m_fit.FitConstants[0], 3);
    // 2 sqrt(14 / 2 * 0.25) = 2.65
    EXPECT_EQ(Report(), (std::vector<std::string> { Heading, "", "A(0) = 3 +/- 3  YUnits", "" }));
}

TEST_F(FitReportTest, PowerLawRecoversItsConstants)
{
    std::vector<Point> points;
    for (int x = 1; x <= 5; ++x)
        points.emplace_back(x, 2.0L * x * x * x);
    m_settings.XUnitsText = "s";
    m_settings.YUnitsText = "m";
    EXPECT_EQ(Show(fit::PowerLaw, 0, false, points), fit::FitOutcome::Fitted);
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[0], std::log(2.0L), 1e-17L));
    EXPECT_TRUE(test_support::IsNear(m_fit.FitConstants[1], 3, 1e-17L));
    // Exact data: the uncertainties are zero or within rounding of it, and the values are
    // written to many digits either way.
    const std::vector<std::string> lines = Report();
    EXPECT_TRUE(lines[2].starts_with("A = 2.0000000000")) << lines[2];
    EXPECT_TRUE(lines[2].ends_with("  m * s^-B")) << lines[2];
    EXPECT_TRUE(lines[3].starts_with("B = 3.0000000000")) << lines[3];
    EXPECT_TRUE(lines[3].ends_with("  ")) << lines[3];
}

TEST_F(FitReportTest, PowerLawSeesOnlyMagnitudesOfX)
{
    Show(fit::PowerLaw, 0, false, { { 1, 1.1L }, { -2, 8 }, { 2, 8.5L }, { 3, 26 } });
    const auto mirroredConstants = m_fit.FitConstants;
    const Extended mirroredResiduals = m_fit.ResidualSumOfSquares;
    const std::vector<std::string> mirroredReport = Report();
    Show(fit::PowerLaw, 0, false, { { 1, 1.1L }, { 2, 8 }, { 2, 8.5L }, { 3, 26 } });
    EXPECT_EQ(m_fit.FitConstants, mirroredConstants);
    EXPECT_EQ(m_fit.ResidualSumOfSquares, mirroredResiduals);
    EXPECT_EQ(Report(), mirroredReport);
}

TEST_F(FitReportTest, ExponentialFitsMagnitudesButMeasuresSignedResiduals)
{
    const std::vector<Point> positive { { 0, 1 }, { 1, 2.7L }, { 2, 7.5L }, { 3, 20 }, { 4, 54 } };
    std::vector<Point> negative;
    Extended sumOfSquares = 0;
    for (const auto& [x, y] : positive) {
        negative.emplace_back(x, -y);
        sumOfSquares += y * y;
    }
    Show(fit::Exponential, 0, false, positive);
    const auto positiveConstants = m_fit.FitConstants;
    const Extended positiveResiduals = m_fit.ResidualSumOfSquares;
    Show(fit::Exponential, 0, false, negative);
    EXPECT_EQ(m_fit.FitConstants, positiveConstants);
    // The curve stays positive; every residual is larger than the point's own distance from 0.
    EXPECT_GT(fit::FittingFunction(m_fit, 2), 0);
    EXPECT_GT(m_fit.ResidualSumOfSquares, sumOfSquares);
    EXPECT_LT(positiveResiduals, 1);
    EXPECT_TRUE(Report()[2].starts_with("A = ")) << Report()[2];
    EXPECT_TRUE(Report()[3].ends_with("  XUnits^-1")) << Report()[3];
}

TEST_F(FitReportTest, SingularSystemLeavesPaneAndGraph)
{
    EXPECT_EQ(Show(fit::Polynomial, 2, false, { { 2, 1 }, { 2, 2 }, { 2, 3 }, { 2, 4 }, { 2, 5 } }),
        fit::FitOutcome::Refused);
    EXPECT_EQ(m_messages,
        (std::vector<std::string> { "Too few distinct X values for this type of fit." }));
    EXPECT_FALSE(m_fit.FitValid);
    EXPECT_EQ(m_resultsPane.Text(), report::InitialResultsText);
}
