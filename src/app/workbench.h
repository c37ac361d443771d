// src/app/workbench.h: the window-wide state every handler reads and writes directly.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/graph_state.h"
#include "report/report_settings.h"

namespace app {

enum DragModes : int { DragWidth = 0, DragHeight = 1, DragBoth = 2 };

// Placing the panes and resizing them with the mouse.
struct LayoutState {
    // Left and top of DataWindow in the client area, pixels.
    int PaneOffset = 0;
    // Width of the zone along a pane edge where a press starts a resize, pixels.
    int GripSize = 10;
    int DragMode = DragWidth;
    // A pane resize drag is in progress: the repaint pass neither reads nor draws.
    bool Resizing = false;
};

struct Workbench {
    data::PointStore points;
    fit::FitState fit;
    report::ReportSettings report;
    graph::GraphState graph;
    LayoutState layout;
};

} // namespace app
