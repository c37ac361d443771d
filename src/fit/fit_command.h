// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fit_command.h: the checks and the fit of the command behind every Show button and the
// command-line fitter.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

#include <functional>
#include <string>
#include <string_view>

namespace fit {

// Information messages of the fit command, exactly as the user sees them.
constexpr std::string_view ZeroXMessage = "No zero X values allowed for this type of fit.";
constexpr std::string_view ZeroYMessage = "No zero Y values allowed for this type of fit.";
constexpr std::string_view TooFewDistinctXMessage
    = "Too few distinct X values for this type of fit.";
constexpr std::string_view TooFewPointsMessage = "Too few points for this type of fit.";
constexpr std::string_view OnlyFirstPointsMessage = "Only the first 600 points are used.";

// One information message: its text, exactly as above, and the reason in the user's terms
// (empty when none is known), shown on a second line. It reads as its text where only the text
// is wanted.
struct Information {
    std::string_view Message;
    std::string Reason;

    operator std::string_view() const { return Message; }
};

// Shows one information message, modal, titled "Information" with one button "OK"; returns
// when the user has closed it.
using InformationMessage = std::function<void(const Information& information)>;

enum class FitOutcome {
    NothingToFit, // the reading found no point, or the pane empty: nothing changed
    Refused, // a message was shown, FitValid is false, the last fit's constants are as they were
    Fitted, // the constants, the inverse and the residual sum of this fit are in fit
};

// The fit command between reading the data pane and writing the report: checks points for
// FitType (FitOrder := 1 unless polynomial; at most one refusal), then fits them (LsqRoutine).
// Messages go to showInformation in the order the user sees them, FitValid already cleared
// for a refusal (the window repaints behind the box). The caller writes the report and redraws
// after Fitted. Failures (common::Failure) pass out at the failing step with what was changed
// so far: before the constants are formed FitValid is cleared, after that it stays set.
FitOutcome CheckAndFit(
    const data::PointStore& points, FitState& fit, const InformationMessage& showInformation);

// Why the report of the fit in fit cannot give uncertainties, in the user's terms: too few points
// for the divisor n - m - 1 ("A polynomial of order 2 needs at least 5 points to give
// uncertainties; 3 are read."). Empty when that is not the reason.
std::string UncertaintyFailureReason(const FitState& fit);

} // namespace fit
