// SPDX-License-Identifier: GPL-3.0-or-later
// tests/report/lsq_results_to_screen_test.cpp: the lines of the report, their units, and failures.
#include "report/lsq_results_to_screen.h"

#include "common/failure.h"
#include "common/memory_lines.h"
#include "report/initial_results_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using common::Extended;

namespace {

constexpr const char* Heading = "Fitting constants of least squares fit:";

class LsqResultsToScreenTest : public ::testing::Test {
protected:
    LsqResultsToScreenTest() { fit::AllocateWorkingStorage(m_fit); }
    ~LsqResultsToScreenTest() override { fit::ReleaseWorkingStorage(m_fit); }

    // Sets up the results of a fit whose shown constants have exactly these uncertainties
    // (within rounding): one degree of freedom and a residual sum of 1, so each uncertainty
    // is 2 sqrt(V[k][k]). A forced fit lists A(0) = 0 with any uncertainty, it is not used.
    void SetFit(fit::FitModel fitType, bool zeroForce, const std::vector<Extended>& constants,
        const std::vector<Extended>& uncertainties)
    {
        m_fit.FitType = fitType;
        m_fit.ZeroForce = zeroForce;
        m_fit.ConstantCount = static_cast<int>(constants.size());
        m_fit.FitPointCount = m_fit.ConstantCount + 2;
        m_fit.ResidualSumOfSquares = 1;
        m_fit.LogResidualSumOfSquares = 1;
        const bool logarithmic = fitType == fit::PowerLaw || fitType == fit::Exponential;
        for (int index = 0; index < m_fit.ConstantCount; ++index) {
            m_fit.FitConstants[index]
                = logarithmic && index == 0 ? std::log(constants[0]) : constants[index];
            Extended half = uncertainties[index] / 2;
            if (logarithmic && index == 0)
                half /= constants[0];
            const int diagonal = zeroForce ? index : index + 1;
            if (diagonal >= 1)
                m_fit.InverseMatrix(diagonal, diagonal) = half * half;
        }
    }

    std::string Report(const report::ReportSettings& settings)
    {
        report::LsqResultsToScreen(m_fit, settings, m_pane);
        return m_pane.Text();
    }

    static report::ReportSettings Units(std::string x, std::string y, int precisionFlag = 0)
    {
        report::ReportSettings settings;
        settings.XUnitsText = std::move(x);
        settings.YUnitsText = std::move(y);
        settings.PrecisionFlag = precisionFlag;
        return settings;
    }

    // The pane text: the given lines, then empty lines up to the 22 lines of the fresh pane.
    static std::string PaneOf(std::vector<std::string> lines)
    {
        lines.resize(22);
        std::string text;
        for (std::size_t index = 0; index < lines.size(); ++index) {
            if (index > 0)
                text += '\n';
            text += lines[index];
        }
        return text;
    }

    fit::FitState m_fit;
    common::MemoryLines m_pane { report::InitialResultsText };
};

} // namespace

TEST_F(LsqResultsToScreenTest, WritesAStraightLine)
{
    SetFit(fit::StraightLine, false, { 3.14159L, 2.0L }, { 0.0123L, 0.3L });
    EXPECT_EQ(Report(Units("s", "m")),
        PaneOf({ Heading, "", "A(0) = 3.14 +/- 0.01  m", "A(1) = 2.0 +/- 0.3  m/s" }));
}

TEST_F(LsqResultsToScreenTest, WritesPowerLawAndExponential)
{
    SetFit(fit::PowerLaw, false, { 2.53L, 1.498L }, { 0.04L, 0.012L });
    EXPECT_EQ(Report(Units("s", "m")),
        PaneOf({ Heading, "", "A = 2.53 +/- 0.04  m * s^-B", "B = 1.50 +/- 0.01  " }));
    SetFit(fit::Exponential, false, { 2.53L, 1.498L }, { 0.04L, 0.012L });
    EXPECT_EQ(Report(Units("s", "m")),
        PaneOf({ Heading, "", "A = 2.53 +/- 0.04  m", "B = 1.50 +/- 0.01  s^-1" }));
}

TEST_F(LsqResultsToScreenTest, BuildsUnitsFromTheUnitTexts)
{
    struct UnitsCase {
        const char* name;
        report::ReportSettings settings;
        std::vector<std::string> unitsOfPowers;
    };
    const std::vector<UnitsCase> cases {
        { "equal", Units("V", "V"), { "V", "", "V^-1", "V^-2" } },
        { "different", Units("s", "m"), { "m", "m/s", "m/s^2", "m/s^3" } },
        { "differing in case", Units("v", "V"), { "V", "V/v", "V/v^2", "V/v^3" } },
        { "both empty", Units("", ""), { "", "", "^-1", "^-2" } },
    };
    SetFit(fit::Polynomial, false, { 1.5L, 2.5L, 3.5L, 4.5L }, { 0.5L, 0.5L, 0.5L, 0.5L });
    for (const UnitsCase& unitsCase : cases) {
        SCOPED_TRACE(unitsCase.name);
        std::vector<std::string> lines { Heading, "" };
        for (int power = 0; power < 4; ++power) {
            std::string line = "A(";
            line += std::to_string(power);
            line += ") = ";
            line += std::to_string(power + 1);
            line += ".5 +/- 0.5  ";
            line += unitsCase.unitsOfPowers[power];
            lines.push_back(line);
        }
        EXPECT_EQ(Report(unitsCase.settings), PaneOf(lines));
    }
}

TEST_F(LsqResultsToScreenTest, WritesTheForcedZeroWithoutUncertainty)
{
    SetFit(fit::Polynomial, true, { 0, 2.0L, -0.25L }, { 0, 0.3L, 0.05L });
    EXPECT_EQ(Report(Units("s", "m", 1)),
        PaneOf({ Heading, "", "A(0) = 0 m", "A(1) = 2.00 +/- 0.30  m/s",
            "A(2) = -0.250 +/- 0.050  m/s^2" }));
}

TEST_F(LsqResultsToScreenTest, EmptiesWhatAnEarlierReportLeft)
{
    SetFit(fit::Polynomial, false, { 1, 2, 3, 4, 5, 6 }, { 1, 1, 1, 1, 1, 1 });
    Report(Units("x", "y"));
    EXPECT_EQ(m_pane.Line(7), "A(5) = 6.0 +/- 1.0  y/x^5");
    SetFit(fit::Polynomial, false, { 1, 2, 3 }, { 1, 1, 1 });
    EXPECT_EQ(Report(Units("x", "y")),
        PaneOf({ Heading, "", "A(0) = 1.0 +/- 1.0  y", "A(1) = 2.0 +/- 1.0  y/x",
            "A(2) = 3.0 +/- 1.0  y/x^2" }));
}

TEST_F(LsqResultsToScreenTest, WritesOnlyTheLinesThePaneHas)
{
    m_pane.SetText("first\nsecond\nthird");
    SetFit(fit::Polynomial, false, { 1, 2, 3 }, { 1, 1, 1 });
    EXPECT_EQ(Report(Units("x", "y")), std::string(Heading) + "\n\nA(0) = 1.0 +/- 1.0  y");
}

TEST_F(LsqResultsToScreenTest, FailureLeavesThePaneEmptiedWithLineZero)
{
    struct FailureCase {
        const char* name;
        int divisorShift; // added to FitPointCount
        std::vector<Extended> constants;
        const char* message;
    };
    const std::vector<FailureCase> cases {
        { "divisor 0", -1, { 1, 2 }, "Floating point division by zero" },
        { "divisor below 0", -2, { 1, 2 }, "Invalid floating point operation" },
        // The first constant is fine, the second cannot be written: neither is shown.
        { "second constant beyond the step range", 0, { 1, 1e30L },
            "Invalid floating point operation" },
    };
    for (const FailureCase& failureCase : cases) {
        SCOPED_TRACE(failureCase.name);
        m_pane.SetText(std::string("Earlier heading\n\nA(0) = 1 +/- 1  y\n"));
        SetFit(fit::StraightLine, false, failureCase.constants, { 50, 50 });
        m_fit.FitPointCount += failureCase.divisorShift;
        try {
            report::LsqResultsToScreen(m_fit, Units("x", "y"), m_pane);
            ADD_FAILURE() << "no failure";
        } catch (const common::FloatingPointError& fault) {
            EXPECT_STREQ(fault.what(), failureCase.message);
        }
        EXPECT_EQ(m_pane.Text(), "Earlier heading\n\n\n");
    }
}
