// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/graph_scene.h: a window, its state and recording seams for whole drawing passes.
#pragma once

#include "graph/draw_graph.h"
#include "support/fake_label.h"
#include "support/recording_canvas.h"

#include <utility>
#include <vector>

namespace graph_test {

using common::Extended;

// A line drawn by a move-to and the line-to right after it.
struct Segment {
    int x1, y1, x2, y2;
    common::ColorValue pen;
};

// The window gives a 400 x 300 plot at (465, 40): pane width 330, y legend 80 wide, ticks 15,
// margins 40 and 20. Text metrics are 8 pixels a character and 16 pixels a line.
struct Scene {
    graph::GraphState graph;
    data::PointStore points;
    fit::FitState fit;
    graph::WindowGeometry window { 925, 430, 917, 380, 0, 0, 330 };
    test_support::FakeLabel title { "Title", 40, 16 };
    test_support::FakeLabel xLegend { "XAxisLabel", 80, 16 };
    test_support::FakeLabel yLegend { "YAxisLabel", 80, 16 };
    test_support::RecordingCanvas canvas;

    // Sets the ranges and the points (one slot each) and marks the data present.
    void SetData(Extended xMin, Extended xMax, Extended yMin, Extended yMax,
        const std::vector<std::pair<Extended, Extended>>& pointList = {});
    void Draw();
    // Move-to / line-to pairs, in order.
    std::vector<Segment> Segments() const;
};

} // namespace graph_test
