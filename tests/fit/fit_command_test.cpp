// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/fit_command_test.cpp: the checks, messages and failures of the fit command.
#include "fit/fit_command.h"

#include "common/failure.h"
#include "support/points.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using common::Extended;
using test_support::Point;

namespace {

class FitCommandTest : public ::testing::Test {
protected:
    FitCommandTest() { fit::AllocateWorkingStorage(m_fit); }
    ~FitCommandTest() override { fit::ReleaseWorkingStorage(m_fit); }

    // The points as a reading of the pane left them; the messages shown are kept in order.
    fit::FitOutcome CheckAndFit(const data::PointStore& points)
    {
        return fit::CheckAndFit(
            points, m_fit, [this](std::string_view message) { m_messages.emplace_back(message); });
    }
    fit::FitOutcome Show(const std::vector<Point>& list)
    {
        return CheckAndFit(test_support::PointsOf(list));
    }

    fit::FitState m_fit;
    std::vector<std::string> m_messages;
};

using Messages = std::vector<std::string>;
const std::string ZeroX(fit::ZeroXMessage);
const std::string ZeroY(fit::ZeroYMessage);

} // namespace

TEST_F(FitCommandTest, ChecksTheDataOfEachType)
{
    struct CheckCase {
        const char* name;
        fit::FitModel fitType;
        std::vector<Point> points;
        fit::FitOutcome outcome;
        Messages messages;
    };
    const std::vector<CheckCase> cases {
        { "power law, zero x and zero y: the x message alone", fit::PowerLaw,
            { { 0, 1 }, { 1, 0 }, { 2, 3 }, { 3, 5 } }, fit::FitOutcome::Refused, { ZeroX } },
        { "power law, three zero x: one message", fit::PowerLaw,
            { { 0, 1 }, { 0, 2 }, { 0, 3 }, { 1, 1 } }, fit::FitOutcome::Refused, { ZeroX } },
        { "power law, zero y", fit::PowerLaw, { { 1, 1 }, { 2, 0 }, { 3, 5 }, { 4, 6 } },
            fit::FitOutcome::Refused, { ZeroY } },
        { "exponential, zero y", fit::Exponential, { { 1, 1 }, { 2, 0 }, { 3, 5 }, { 4, 6 } },
            fit::FitOutcome::Refused, { ZeroY } },
        { "exponential accepts x = 0", fit::Exponential,
            { { 0, 1 }, { 1, 2.7L }, { 2, 7.5L }, { 3, 20 }, { 4, 54 } }, fit::FitOutcome::Fitted,
            {} },
        { "straight line accepts y = 0", fit::StraightLine,
            { { 0, 0 }, { 1, 0 }, { 2, 1 }, { 3, 0 }, { 4, 0 } }, fit::FitOutcome::Fitted, {} },
    };
    for (const CheckCase& checkCase : cases) {
        SCOPED_TRACE(checkCase.name);
        m_messages.clear();
        m_fit.FitType = checkCase.fitType;
        m_fit.FitValid = checkCase.outcome == fit::FitOutcome::Refused;
        EXPECT_EQ(Show(checkCase.points), checkCase.outcome);
        EXPECT_EQ(m_messages, checkCase.messages);
        EXPECT_EQ(m_fit.FitValid, checkCase.outcome == fit::FitOutcome::Fitted);
    }
}

TEST_F(FitCommandTest, DoesNothingWithoutPoints)
{
    m_fit.FitValid = true;
    m_fit.FitOrder = 7;
    m_fit.FitType = fit::StraightLine;
    EXPECT_EQ(Show({}), fit::FitOutcome::NothingToFit);

    // An emptied pane after an earlier reading: the old points are not fitted again.
    data::PointStore emptied = test_support::PointsOf({ { 1, 2 }, { 2, 3 }, { 3, 5 }, { 4, 4 } });
    emptied.DataPresent = false;
    EXPECT_EQ(CheckAndFit(emptied), fit::FitOutcome::NothingToFit);

    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(m_fit.FitValid);
    EXPECT_EQ(m_fit.FitOrder, 7);
}

TEST_F(FitCommandTest, SetsTheOrderUnlessPolynomial)
{
    const std::vector<Point> points { { 1, 1 }, { 2, 4 }, { 3, 9 }, { 4, 16 }, { 5, 26 } };
    m_fit.FitType = fit::Polynomial;
    m_fit.FitOrder = 2;
    Show(points);
    EXPECT_EQ(m_fit.FitOrder, 2);
    EXPECT_EQ(m_fit.ConstantCount, 3);

    m_fit.FitType = fit::Exponential;
    Show(points);
    EXPECT_EQ(m_fit.FitOrder, 1);
    EXPECT_EQ(m_fit.ConstantCount, 2);
}

TEST_F(FitCommandTest, RefusesOrdersWithNothingToSolve)
{
    const std::vector<Point> points { { 1, 2 }, { 2, 4 }, { 3, 7 }, { 4, 8 } };
    struct OrderCase {
        const char* name;
        int order;
        bool zeroForce;
    };
    for (const OrderCase& orderCase :
        std::vector<OrderCase> { { "order -1", -1, false }, { "forced order -1", -1, true } }) {
        SCOPED_TRACE(orderCase.name);
        m_messages.clear();
        m_fit.FitType = fit::Polynomial;
        m_fit.FitOrder = orderCase.order;
        m_fit.ZeroForce = orderCase.zeroForce;
        m_fit.FitValid = true;
        EXPECT_EQ(Show(points), fit::FitOutcome::Refused);
        EXPECT_EQ(m_messages, Messages { std::string(fit::TooFewPointsMessage) });
        EXPECT_FALSE(m_fit.FitValid);
    }

    // Forced through the origin with order 0: nothing is solved and A(0) = 0 is the fit.
    m_fit.FitOrder = 0;
    m_fit.ZeroForce = true;
    EXPECT_EQ(Show(points), fit::FitOutcome::Fitted);
    EXPECT_EQ(m_fit.ConstantCount, 1);
    EXPECT_EQ(m_fit.FitConstants[0], 0);
    EXPECT_EQ(m_fit.ResidualSumOfSquares, 4 + 16 + 49 + 64);
}

TEST_F(FitCommandTest, NoCurveIsValidWhileARefusalIsShown)
{
    // The window repaints behind the modal message box.
    std::vector<bool> validWhileShown;
    m_fit.FitType = fit::PowerLaw;
    EXPECT_EQ(fit::CheckAndFit(test_support::PointsOf({ { 0, 1 }, { 1, 2 }, { 2, 3 } }), m_fit,
                  [&](std::string_view) { validWhileShown.push_back(m_fit.FitValid); }),
        fit::FitOutcome::Refused);
    EXPECT_EQ(validWhileShown, std::vector<bool> { false });
}

TEST_F(FitCommandTest, CountsDistinctXExactlyBeforeFitting)
{
    struct RankCase {
        const char* name;
        fit::FitModel fitType;
        int fitOrder;
        bool zeroForce;
        std::vector<Point> points;
        bool enough;
    };
    const std::vector<RankCase> cases {
        { "all x equal, straight line", fit::StraightLine, 1, false,
            { { 5, 1 }, { 5, 2 }, { 5, 4 }, { 5, 7 } }, false },
        { "all x equal, quadratic", fit::Polynomial, 2, false,
            { { 2, 1 }, { 2, 2 }, { 2, 3 }, { 2, 5 } }, false },
        { "-0, 0 and -0 are one value", fit::StraightLine, 1, false,
            { { -0.0L, 1 }, { 0, 2 }, { -0.0L, 3 } }, false },
        { "three distinct x for a quadratic", fit::Polynomial, 2, false,
            { { 1, 1 }, { 1, 2 }, { 2, 3 }, { 3, 5 }, { 3, 6 } }, true },
        { "forced quadratic, x = 0 and one other value", fit::Polynomial, 2, true,
            { { 0, 1 }, { 3, 2 }, { 0, 3 }, { 3, 5 } }, false },
        { "forced line, x = 0 and one other value", fit::StraightLine, 1, true,
            { { 0, 1 }, { 3, 2 }, { 0, 3 }, { 3, 5 } }, true },
        { "forced line, only x = 0", fit::StraightLine, 1, true, { { 0, 1 }, { -0.0L, 2 } },
            false },
        { "power law, x = -2 and 2 share |x|", fit::PowerLaw, 1, false,
            { { -2, 1 }, { 2, 2 }, { -2, 3 } }, false },
        { "exponential, one x", fit::Exponential, 1, false, { { 1, 1 }, { 1, 2 }, { 1, 3 } },
            false },
        // Distinct values that lie one unit in the last place apart: the rule is exact.
        { "neighbouring values", fit::StraightLine, 1, false,
            { { 1, 1 }, { 1 + 0x1p-63L, 2 }, { 1, 3 }, { 1 + 0x1p-63L, 5 } }, true },
    };
    for (const RankCase& rankCase : cases) {
        SCOPED_TRACE(rankCase.name);
        m_messages.clear();
        m_fit.FitType = rankCase.fitType;
        m_fit.FitOrder = rankCase.fitOrder;
        m_fit.ZeroForce = rankCase.zeroForce;
        EXPECT_EQ(Show(rankCase.points),
            rankCase.enough ? fit::FitOutcome::Fitted : fit::FitOutcome::Refused);
        const Messages refused { std::string(fit::TooFewDistinctXMessage) };
        EXPECT_EQ(m_messages, rankCase.enough ? Messages {} : refused);
        EXPECT_EQ(m_fit.FitValid, rankCase.enough);
    }
}

TEST_F(FitCommandTest, FitsTheFirstPointsOfALongPane)
{
    std::vector<Point> points;
    for (int x = 1; x <= data::MaxPoints; ++x)
        points.emplace_back(x, 2 * x + (x % 3));
    data::PointStore longPane = test_support::PointsOf(points);
    longPane.LinesLeftUnread = true;
    EXPECT_EQ(CheckAndFit(longPane), fit::FitOutcome::Fitted);
    EXPECT_EQ(m_messages, Messages { std::string(fit::OnlyFirstPointsMessage) });
    EXPECT_EQ(m_fit.FitPointCount, data::MaxPoints);
}

TEST_F(FitCommandTest, FailuresEndTheCommandAtTheirStep)
{
    struct FailureCase {
        const char* name;
        fit::FitModel fitType;
        int fitOrder;
        std::vector<Point> points;
        const char* message;
        bool fitValidAfter; // the constants were formed before the failure
    };
    const std::vector<FailureCase> cases {
        // x^4 = 1E8000 in the normal matrix, before any constant exists.
        { "overflow in the normal matrix", fit::Polynomial, 2,
            { { 1e2000L, 1 }, { 2e2000L, 2 }, { 3e2000L, 1 }, { 4e2000L, 3 } },
            "Floating point overflow", false },
    };
    for (const FailureCase& failureCase : cases) {
        SCOPED_TRACE(failureCase.name);
        m_messages.clear();
        m_fit.FitType = failureCase.fitType;
        m_fit.FitOrder = failureCase.fitOrder;
        m_fit.ZeroForce = false;
        try {
            Show(failureCase.points);
            ADD_FAILURE() << "no failure";
        } catch (const common::Failure& failure) {
            EXPECT_STREQ(failure.what(), failureCase.message);
        }
        EXPECT_EQ(m_fit.FitValid, failureCase.fitValidAfter);
        EXPECT_TRUE(m_messages.empty());
    }
}

TEST_F(FitCommandTest, SaysTheReasonOfEachRefusalInPlainWords)
{
    struct ReasonCase {
        const char* name;
        fit::FitModel fitType;
        int fitOrder;
        bool zeroForce;
        std::vector<Point> points;
        std::string reason;
    };
    const std::vector<ReasonCase> cases {
        { "zero x", fit::PowerLaw, 1, false, { { 1, 1 }, { 0, 2 }, { 3, 0 } },
            "A power law works with the logarithm of x; line 2 has x = 0." },
        { "zero y", fit::Exponential, 1, false, { { 1, 1 }, { 2, 2 }, { 3, 0 } },
            "An exponential works with the logarithm of y; line 3 has y = 0." },
        { "no basis function", fit::Polynomial, -1, true, { { 1, 1 }, { 2, 2 } },
            "A polynomial of order -1 through the origin has no constant to fit." },
        { "one x beside 0, forced", fit::Polynomial, 2, true,
            { { 0, 1 }, { 1, 2 }, { 1, 3 }, { 1, 4 }, { 0, 5 } },
            "A polynomial of order 2 through the origin needs at least 2 different x values "
            "other than 0." },
        { "x of one size", fit::PowerLaw, 1, false, { { 2, 1 }, { -2, 2 }, { 2, 3 } },
            "A power law needs at least 2 x values of different size." },
    };
    for (const ReasonCase& reasonCase : cases) {
        SCOPED_TRACE(reasonCase.name);
        std::vector<std::string> reasons;
        m_fit.FitType = reasonCase.fitType;
        m_fit.FitOrder = reasonCase.fitOrder;
        m_fit.ZeroForce = reasonCase.zeroForce;
        EXPECT_EQ(fit::CheckAndFit(test_support::PointsOf(reasonCase.points), m_fit,
                      [&](const fit::Information& shown) { reasons.push_back(shown.Reason); }),
            fit::FitOutcome::Refused);
        EXPECT_EQ(reasons, std::vector<std::string> { reasonCase.reason });
    }

    // Fitted, but with too few points left over for the uncertainties' divisor.
    m_fit.FitType = fit::Polynomial;
    m_fit.FitOrder = 2;
    m_fit.ZeroForce = false;
    ASSERT_EQ(Show({ { 1, 1 }, { 2, 4 }, { 3, 9 } }), fit::FitOutcome::Fitted);
    EXPECT_EQ(fit::UncertaintyFailureReason(m_fit),
        "A polynomial of order 2 needs at least 5 points to give uncertainties; 3 are read.");
    ASSERT_EQ(
        Show({ { 1, 1 }, { 2, 4 }, { 3, 9 }, { 4, 17 }, { 5, 25 } }), fit::FitOutcome::Fitted);
    EXPECT_EQ(fit::UncertaintyFailureReason(m_fit), "");
}
