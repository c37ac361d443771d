// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/coordinate_readout.h: where the mouse position readout shows, and its text in data
// units.
#pragma once

#include "common/extended.h"
#include "data/point_store.h"
#include "graph/graph_state.h"

#include <optional>
#include <string>

namespace graph {

// The client position lies strictly inside the plot rectangle of the last drawing pass: on none
// of its four edges.
bool InsidePlot(const GraphState& graph, int X, int Y);

// Field width and decimals of a readout value.
struct ReadoutField {
    int width = 0;
    int decimals = 0;
};

// The field for an axis of span data units over extent pixels: with e the decimal exponent of
// the units per pixel, rounded half to even, e > 0 gives 0 decimals in a field of e, e < 0 gives
// -e decimals in a field of -e + 4, e = 0 one decimal in a field of 3. None when the span is not
// a positive finite value or the extent is not positive.
std::optional<ReadoutField> ReadoutFieldFor(common::Extended span, int extent);

// The caption "( x ; y )" for the client pixel (X, Y), mapped through the plot rectangle of the
// last drawing pass and the current ranges. None when a range has no width, the rectangle has
// no size or a value is not finite. Raises no failure and leaves no floating-point flag set.
std::optional<std::string> CoordinateCaption(
    const GraphState& graph, const data::PointStore& points, int X, int Y);

} // namespace graph
