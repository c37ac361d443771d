// src/fit/fit_command.cpp: the checks of the points and their messages, then the fit.
#include "fit/fit_command.h"

#include "fit/distinct_abscissae.h"
#include "fit/lsq_routine.h"
#include "fit/singular_system.h"

namespace fit {

namespace {

    bool HasZero(const data::PointSlots& values, int count)
    {
        for (int point = 1; point <= count; ++point)
            if (values[point] == 0)
                return true;
        return false;
    }

    // At most one message of these checks per command: each is made only while FitValid holds.
    // FitValid is cleared before the message shows: the window repaints behind the modal box,
    // and the old constants must not be drawn as a curve of the newly chosen type meanwhile.
    void CheckData(
        const data::PointStore& points, FitState& fit, const InformationMessage& showInformation)
    {
        const auto refuse = [&](std::string_view message) {
            fit.FitValid = false;
            showInformation(message);
        };
        if (fit.FitType == PowerLaw && HasZero(points.XData, points.PointCount))
            refuse(ZeroXMessage);
        if (fit.FitValid && !IsPolynomial(fit.FitType) && HasZero(points.YData, points.PointCount))
            refuse(ZeroYMessage);
        // An order that leaves no basis function has nothing to solve; forced order 0 alone
        // is a fit, of the single constant A(0) = 0.
        if (fit.FitValid && BasisFunctionCount(fit) < 1 && !(fit.ZeroForce && fit.FitOrder == 0))
            refuse(TooFewPointsMessage);
        if (fit.FitValid && !HasEnoughDistinctX(points, fit))
            refuse(TooFewDistinctXMessage);
    }

} // namespace

FitOutcome CheckAndFit(
    const data::PointStore& points, FitState& fit, const InformationMessage& showInformation)
{
    // An empty pane stops here too, rather than refitting the points of an earlier reading.
    if (!points.DataPresent || points.PointCount < 1)
        return FitOutcome::NothingToFit;
    if (points.LinesLeftUnread)
        showInformation(OnlyFirstPointsMessage);

    if (fit.FitType != Polynomial)
        fit.FitOrder = 1;
    fit.FitValid = true;
    CheckData(points, fit, showInformation);
    if (!fit.FitValid)
        return FitOutcome::Refused;

    try {
        LsqRoutine(points, fit);
    } catch (const SingularSystem&) {
        // LsqRoutine has cleared FitValid; the results pane and the graph stay as they were.
        showInformation(TooFewDistinctXMessage);
        return FitOutcome::Refused;
    }
    return FitOutcome::Fitted;
}

} // namespace fit
