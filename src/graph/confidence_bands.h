// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/confidence_bands.h: the confidence and prediction bands drawn behind the fitted curve.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/canvas.h"
#include "graph/fitting_curve.h"
#include "graph/graph_state.h"

namespace graph {

// Opacities (of 255) of the bands' fills in the curve's colour: the prediction band lighter, so
// that the confidence band, drawn over it, stands out darker where both show. A stale fit's
// bands are drawn at half these, as its curve is drawn lighter.
constexpr int ConfidenceBandAlpha = 64;
constexpr int PredictionBandAlpha = 36;

// Fills the bands the graph shows (PredictionBandShown, then ConfidenceBandShown) of the last
// fit at BandLevel (fit::FitBands) as polygons tinted with MarkerColor over the plot's
// GraphColor, between their lower and upper limits, sampled at the centre of every pixel column
// of the plot and clipped to its rows; a column where a band is not defined breaks its polygon.
// Drawn on the plot's bare background, before its ticks and axes, so that the tint looks as a
// translucent fill would. Nothing without a band of the fit (fit::FitBands::Of), or when the y
// range has no height. Never throws.
void DrawConfidenceBands(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas);
// The same about the curve's samples of SampleCurveColumns.
void DrawConfidenceBands(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const CurveColumns& curve, Canvas& canvas);

} // namespace graph
