// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/window_geometry.h: the sizes of the main window that the drawing pass lays the graph
// out in.
#pragma once

namespace graph {

// All in pixels. The outer size is the whole window, frame, caption and menu bar included; the
// client size is the drawing surface; the data pane's place is in client coordinates.
struct WindowGeometry {
    int OuterWidth = 0;
    int OuterHeight = 0;
    int ClientWidth = 0;
    int ClientHeight = 0;
    int DataWindowLeft = 0;
    int DataWindowTop = 0;
    int DataWindowWidth = 0;
};

} // namespace graph
