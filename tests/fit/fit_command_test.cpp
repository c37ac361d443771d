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

// Records what the command asked of its host; the reading hands over a prepared store.
class RecordingHost : public fit::FitCommandHost {
public:
    data::PointStore reading;
    std::vector<std::string> events;

    void ReadData(data::PointStore& points) override
    {
        points = reading;
        events.push_back("read");
    }
    void ShowInformation(std::string_view message) override
    {
        events.push_back(std::string(message));
    }
    void WriteReport(const fit::FitState&) override { events.push_back("report"); }
    void Redraw() override { events.push_back("redraw"); }
};

class FitCommandTest : public ::testing::Test {
protected:
    FitCommandTest() { fit::AllocateWorkingStorage(m_fit); }
    ~FitCommandTest() override { fit::ReleaseWorkingStorage(m_fit); }

    fit::ShowOutcome Show(const std::vector<Point>& list)
    {
        m_host.reading = test_support::PointsOf(list);
        return fit::TabbedFitShowClick(m_points, m_fit, m_host);
    }

    data::PointStore m_points;
    fit::FitState m_fit;
    RecordingHost m_host;
};

using Events = std::vector<std::string>;
const std::string ZeroX(fit::ZeroXMessage);
const std::string ZeroY(fit::ZeroYMessage);

} // namespace

TEST_F(FitCommandTest, ChecksTheDataOfEachType)
{
    struct CheckCase {
        const char* name;
        int fitType;
        std::vector<Point> points;
        fit::ShowOutcome outcome;
        Events events;
    };
    const std::vector<CheckCase> cases {
        { "power law, zero x and zero y: the x message alone", fit::PowerLaw,
            { { 0, 1 }, { 1, 0 }, { 2, 3 }, { 3, 5 } }, fit::ShowOutcome::Refused,
            { "read", ZeroX } },
        { "power law, three zero x: one message", fit::PowerLaw,
            { { 0, 1 }, { 0, 2 }, { 0, 3 }, { 1, 1 } }, fit::ShowOutcome::Refused,
            { "read", ZeroX } },
        { "power law, zero y", fit::PowerLaw, { { 1, 1 }, { 2, 0 }, { 3, 5 }, { 4, 6 } },
            fit::ShowOutcome::Refused, { "read", ZeroY } },
        { "exponential, zero y", fit::Exponential, { { 1, 1 }, { 2, 0 }, { 3, 5 }, { 4, 6 } },
            fit::ShowOutcome::Refused, { "read", ZeroY } },
        { "exponential accepts x = 0", fit::Exponential,
            { { 0, 1 }, { 1, 2.7L }, { 2, 7.5L }, { 3, 20 }, { 4, 54 } }, fit::ShowOutcome::Fitted,
            { "read", "report", "redraw" } },
        { "straight line accepts y = 0", fit::StraightLine,
            { { 0, 0 }, { 1, 0 }, { 2, 1 }, { 3, 0 }, { 4, 0 } }, fit::ShowOutcome::Fitted,
            { "read", "report", "redraw" } },
    };
    for (const CheckCase& checkCase : cases) {
        SCOPED_TRACE(checkCase.name);
        m_host.events.clear();
        m_fit.FitType = checkCase.fitType;
        m_fit.FitValid = checkCase.outcome == fit::ShowOutcome::Refused;
        EXPECT_EQ(Show(checkCase.points), checkCase.outcome);
        EXPECT_EQ(m_host.events, checkCase.events);
        EXPECT_EQ(m_fit.FitValid, checkCase.outcome == fit::ShowOutcome::Fitted);
    }
}

TEST_F(FitCommandTest, DoesNothingWithoutPoints)
{
    m_fit.FitValid = true;
    m_fit.FitOrder = 7;
    m_fit.FitType = fit::StraightLine;
    EXPECT_EQ(Show({}), fit::ShowOutcome::NothingToFit);

    // An emptied pane after an earlier reading: the old points are not fitted again.
    m_host.reading = test_support::PointsOf({ { 1, 2 }, { 2, 3 }, { 3, 5 }, { 4, 4 } });
    m_host.reading.DataPresent = false;
    EXPECT_EQ(fit::TabbedFitShowClick(m_points, m_fit, m_host), fit::ShowOutcome::NothingToFit);

    EXPECT_EQ(m_host.events, (Events { "read", "read" }));
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
        m_host.events.clear();
        m_fit.FitType = fit::Polynomial;
        m_fit.FitOrder = orderCase.order;
        m_fit.ZeroForce = orderCase.zeroForce;
        m_fit.FitValid = true;
        EXPECT_EQ(Show(points), fit::ShowOutcome::Refused);
        EXPECT_EQ(m_host.events, (Events { "read", std::string(fit::TooFewPointsMessage) }));
        EXPECT_FALSE(m_fit.FitValid);
    }

    // Forced through the origin with order 0: nothing is solved and A(0) = 0 is the fit.
    m_fit.FitOrder = 0;
    m_fit.ZeroForce = true;
    EXPECT_EQ(Show(points), fit::ShowOutcome::Fitted);
    EXPECT_EQ(m_fit.ConstantCount, 1);
    EXPECT_EQ(m_fit.FitConstants[0], 0);
    EXPECT_EQ(m_fit.ResidualSumOfSquares, 4 + 16 + 49 + 64);
}

TEST_F(FitCommandTest, NoCurveIsValidWhileARefusalIsShown)
{
    // The window repaints behind the modal message box.
    struct WatchingHost : RecordingHost {
        const fit::FitState* fit = nullptr;
        std::vector<bool> validWhileShown;
        void ShowInformation(std::string_view message) override
        {
            validWhileShown.push_back(fit->FitValid);
            RecordingHost::ShowInformation(message);
        }
    } host;
    host.fit = &m_fit;
    m_fit.FitType = fit::PowerLaw;
    host.reading = test_support::PointsOf({ { 0, 1 }, { 1, 2 }, { 2, 3 } });
    EXPECT_EQ(fit::TabbedFitShowClick(m_points, m_fit, host), fit::ShowOutcome::Refused);
    EXPECT_EQ(host.validWhileShown, std::vector<bool> { false });
}

TEST_F(FitCommandTest, CountsDistinctXExactlyBeforeFitting)
{
    struct RankCase {
        const char* name;
        int fitType;
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
        m_host.events.clear();
        m_fit.FitType = rankCase.fitType;
        m_fit.FitOrder = rankCase.fitOrder;
        m_fit.ZeroForce = rankCase.zeroForce;
        EXPECT_EQ(Show(rankCase.points),
            rankCase.enough ? fit::ShowOutcome::Fitted : fit::ShowOutcome::Refused);
        const Events fitted { "read", "report", "redraw" };
        const Events refused { "read", std::string(fit::TooFewDistinctXMessage) };
        EXPECT_EQ(m_host.events, rankCase.enough ? fitted : refused);
        EXPECT_EQ(m_fit.FitValid, rankCase.enough);
    }
}

TEST_F(FitCommandTest, FitsTheFirstPointsOfALongPane)
{
    std::vector<Point> points;
    for (int x = 1; x <= data::MaxPoints; ++x)
        points.emplace_back(x, 2 * x + (x % 3));
    m_host.reading = test_support::PointsOf(points);
    m_host.reading.LinesLeftUnread = true;
    EXPECT_EQ(fit::TabbedFitShowClick(m_points, m_fit, m_host), fit::ShowOutcome::Fitted);
    EXPECT_EQ(m_host.events,
        (Events { "read", std::string(fit::OnlyFirstPointsMessage), "report", "redraw" }));
    EXPECT_EQ(m_fit.FitPointCount, data::MaxPoints);
}

TEST_F(FitCommandTest, FailuresEndTheCommandAtTheirStep)
{
    struct FailureCase {
        const char* name;
        int fitType;
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
        // Residuals near 1E2500 square beyond the Extended range, after the constants.
        { "overflow in the residual sum", fit::StraightLine, 1,
            { { 1, 1e2500L }, { 2, 3e2500L }, { 3, 2e2500L }, { 4, 5e2500L } },
            "Floating point overflow", true },
    };
    for (const FailureCase& failureCase : cases) {
        SCOPED_TRACE(failureCase.name);
        m_host.events.clear();
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
        // Neither the report nor the graph is touched.
        EXPECT_EQ(m_host.events, (Events { "read" }));
    }
}
