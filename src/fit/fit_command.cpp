// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fit_command.cpp: the checks of the points and their messages, then the fit.
#include "fit/fit_command.h"

#include "fit/distinct_abscissae.h"
#include "fit/lsq_routine.h"
#include "fit/singular_system.h"

namespace fit {

namespace {

    // The line (from 1) of the first point whose value is 0; 0 when none is.
    int FirstZero(const data::PointSlots& values, int count)
    {
        for (int point = 1; point <= count; ++point)
            if (values[point] == 0)
                return point;
        return 0;
    }

    // The kind of fit as the reasons name it: "A straight line", "A polynomial of order 2 through
    // the origin", "A power law", "An exponential".
    std::string ModelName(const FitState& fit)
    {
        std::string name;
        switch (fit.FitType) {
        case StraightLine:
            name = "A straight line";
            break;
        case Polynomial:
            name = "A polynomial of order " + std::to_string(fit.FitOrder);
            break;
        case PowerLaw:
            return "A power law";
        case Exponential:
            return "An exponential";
        }
        if (fit.ZeroForce)
            name += " through the origin";
        return name;
    }

    std::string ZeroReason(const FitState& fit, char axis, int line)
    {
        std::string reason = fit.FitType == PowerLaw ? "A power law" : "An exponential";
        reason += " works with the logarithm of ";
        reason += axis;
        reason += "; line " + std::to_string(line) + " has " + axis + " = 0.";
        return reason;
    }

    std::string DistinctXReason(const FitState& fit)
    {
        const bool linearModel = IsPolynomial(fit.FitType);
        const int needed = linearModel ? BasisFunctionCount(fit) : 2;
        std::string reason = ModelName(fit) + " needs at least " + std::to_string(needed);
        if (fit.FitType == PowerLaw)
            return reason + " x values of different size.";
        reason += " different x values";
        return reason + (linearModel && fit.ZeroForce ? " other than 0." : ".");
    }

    // At most one message of these checks per command: each is made only while FitValid holds.
    // FitValid is cleared before the message shows: the window repaints behind the modal box,
    // and the old constants must not be drawn as a curve of the newly chosen type meanwhile.
    void CheckData(
        const data::PointStore& points, FitState& fit, const InformationMessage& showInformation)
    {
        const auto refuse = [&](std::string_view message, std::string reason) {
            fit.FitValid = false;
            showInformation({ message, std::move(reason) });
        };
        if (fit.FitType == PowerLaw) {
            if (const int line = FirstZero(points.XData, points.PointCount))
                refuse(ZeroXMessage, ZeroReason(fit, 'x', line));
        }
        if (fit.FitValid && !IsPolynomial(fit.FitType)) {
            if (const int line = FirstZero(points.YData, points.PointCount))
                refuse(ZeroYMessage, ZeroReason(fit, 'y', line));
        }
        // An order that leaves no basis function has nothing to solve; forced order 0 alone
        // is a fit, of the single constant A(0) = 0.
        if (fit.FitValid && BasisFunctionCount(fit) < 1 && !(fit.ZeroForce && fit.FitOrder == 0))
            refuse(TooFewPointsMessage, ModelName(fit) + " has no constant to fit.");
        if (fit.FitValid && !HasEnoughDistinctX(points, fit))
            refuse(TooFewDistinctXMessage, DistinctXReason(fit));
    }

} // namespace

FitOutcome CheckAndFit(
    const data::PointStore& points, FitState& fit, const InformationMessage& showInformation)
{
    // An empty pane stops here too, rather than refitting the points of an earlier reading.
    if (!points.DataPresent || points.PointCount < 1)
        return FitOutcome::NothingToFit;
    if (points.LinesLeftUnread)
        showInformation({ OnlyFirstPointsMessage,
            "The data go on after line " + std::to_string(data::MaxPoints) + "; at most "
                + std::to_string(data::MaxPoints) + " points are read." });

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
        showInformation({ TooFewDistinctXMessage, DistinctXReason(fit) });
        return FitOutcome::Refused;
    }
    return FitOutcome::Fitted;
}

std::string UncertaintyFailureReason(const FitState& fit)
{
    // The uncertainty's divisor n - m - 1 must be positive: n >= m + 2, m counting a forced zero.
    const int needed = fit.ConstantCount + 2;
    if (fit.FitPointCount >= needed)
        return std::string();
    return ModelName(fit) + " needs at least " + std::to_string(needed)
        + " points to give uncertainties; " + std::to_string(fit.FitPointCount)
        + (fit.FitPointCount == 1 ? " is read." : " are read.");
}

} // namespace fit
