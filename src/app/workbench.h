// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/workbench.h: the window-wide state every handler reads and writes directly.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/graph_state.h"
#include "layout/layout_state.h"
#include "report/report_settings.h"

namespace app {

// The start-up values are the defaults of these structs.
struct Workbench {
    data::PointStore points;
    fit::FitState fit;
    report::ReportSettings report;
    graph::GraphState graph;
    layout::LayoutState layout;
};

} // namespace app
