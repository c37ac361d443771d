// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/graph_state.h: what the drawing pass keeps between passes, and the graph's settings.
#pragma once

#include "common/color.h"
#include "common/extended.h"
#include "fit/confidence_band.h"

#include <cstdint>

namespace graph {

using common::Extended;

// The marker shapes, in the order the options page lists them.
enum class MarkerShape { Circle = 0, Square = 1, Equilat = 2, UpsideEquilat = 3, Diamond = 4 };
using enum MarkerShape;

struct GraphState {
    // Plot rectangle in client pixels, set by every drawing pass.
    int PlotLeft = 0;
    int PlotTop = 0;
    int PlotWidth = 0;
    int PlotHeight = 0;
    int GraphMargin = 40;

    // Major tick spacing in data units and its decade, set by every drawing pass.
    Extended XTickStep = 0;
    Extended YTickStep = 0;
    int XDecade = 0;
    int YDecade = 0;
    int TickStepCount = 0;
    // Measured size of a tick label in pixels.
    int LabelHeight = 0;
    int LabelWidth = 0;

    // Left edge of the y legend after the last pass or the user's drop.
    int YLegendLeft = 0;
    // The user dropped the y legend; passes leave it there until the next layout pass.
    bool YLabelMoved = false;

    common::ColorValue BackgroundColor = common::ButtonFaceColor;
    common::ColorValue GraphColor = common::White;
    common::ColorValue TickColor = common::Black;
    common::ColorValue MarkerColor = common::Red;
    // The points changed since the fit was made: its curve is drawn dashed and lighter.
    bool FitCurveStale = false;
    std::uint16_t MarkerSize = 7;
    MarkerShape MarkerType = Circle;

    // Bands of the fitted curve at BandLevel percent, and the residual strip under the plot;
    // all off at start-up.
    bool ConfidenceBandShown = false;
    bool PredictionBandShown = false;
    Extended BandLevel = fit::DefaultBandLevel;
    bool ResidualsShown = false;
    // The strip of the last pass in client pixels, as wide as the plot; StripHeight 0 when the
    // pass drew none.
    int StripTop = 0;
    int StripHeight = 0;
};

} // namespace graph
