// src/fit/fit_command.h: the fit command behind every Show button and the command-line fitter.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

#include <string_view>

namespace fit {

// Information messages of the fit command, exactly as the user sees them.
constexpr std::string_view ZeroXMessage = "No zero X values allowed for this type of fit.";
constexpr std::string_view ZeroYMessage = "No zero Y values allowed for this type of fit.";
constexpr std::string_view TooFewDistinctXMessage
    = "Too few distinct X values for this type of fit.";
constexpr std::string_view TooFewPointsMessage = "Too few points for this type of fit.";
constexpr std::string_view OnlyFirstPointsMessage = "Only the first 600 points are used.";

// What the command needs from the one that runs it: the window (data pane, information box,
// results pane, graph) or the command-line fitter (a text, standard error, a text, nothing).
class FitCommandHost {
public:
    virtual ~FitCommandHost() = default;

    // CalculateData of the data pane into points.
    virtual void ReadData(data::PointStore& points) = 0;
    // A modal information message titled "Information" with one button "OK".
    virtual void ShowInformation(std::string_view message) = 0;
    // LsqResultsToScreen of the fit just made into the results pane; may throw.
    virtual void WriteReport(const FitState& fit) = 0;
    // DrawGraph, with the fitted curve since FitValid is set.
    virtual void Redraw() = 0;
};

enum class ShowOutcome {
    NothingToFit, // the reading found no point, or the pane empty: nothing changed
    Refused, // a message was shown, FitValid is false, pane and graph are as they were
    Fitted, // fit, report and redraw done
};

// TabbedFitShowClick: reads the data, checks it for FitType (FitOrder := 1 unless polynomial),
// fits, writes the report and redraws. Failures (common::Failure) pass out at the failing step
// with what was changed so far: before the constants are formed FitValid is cleared, after
// that it stays set, and a failing report leaves the results pane as its emptying made it.
ShowOutcome TabbedFitShowClick(data::PointStore& points, FitState& fit, FitCommandHost& host);

} // namespace fit
