// SPDX-License-Identifier: GPL-3.0-or-later
// src/layout/layout_state.h: the state of the pane layout and of a resize drag.
#pragma once

namespace layout {

// What a resize drag changes: the data pane's width, its height, or both.
enum class ResizeMode { Width = 0, Height = 1, Both = 2 };

// Placing the panes and resizing them with the mouse.
struct LayoutState {
    // Left and top of DataWindow in the client area, pixels.
    int PaneOffset = 0;
    // Width of the zone along a pane edge where a press starts a resize, pixels.
    int GripSize = 10;
    ResizeMode DragMode = ResizeMode::Width;
    // A pane resize drag is in progress: the repaint pass neither reads nor draws.
    bool Resizing = false;
};

} // namespace layout
