// SPDX-License-Identifier: GPL-3.0-or-later
// tests/qtgraph/fitted_line_scene.h: four points of y = 2x + 1 with their fitted line, in a
// maximised window with the data pane at its start-up width.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/graph_state.h"
#include "graph/window_geometry.h"

namespace qtgraph_test {

struct FittedLineScene {
    graph::GraphState graph;
    data::PointStore points;
    fit::FitState fit;
    graph::WindowGeometry window { 1024, 768, 1016, 720, 0, 0, 330 };

    FittedLineScene()
    {
        const common::Extended xs[] = { 1, 2, 3, 4 };
        for (int i = 1; i <= 4; ++i) {
            points.XData[i] = xs[i - 1];
            points.YData[i] = 2 * xs[i - 1] + 1;
        }
        points.PointCount = 4;
        points.DataPresent = true;
        points.XMin = 0;
        points.XMax = 4.3L;
        points.YMin = 0;
        points.YMax = 9.6L;
        fit.FitValid = true;
        fit.FitType = fit::StraightLine;
        fit.ConstantCount = 2;
        fit.FitConstants[0] = 1;
        fit.FitConstants[1] = 2;
    }
};

} // namespace qtgraph_test
