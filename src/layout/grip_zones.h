// SPDX-License-Identifier: GPL-3.0-or-later
// src/layout/grip_zones.h: where a pointer lies among the zones along the pane edges that start
// a resize.
#pragma once

#include "layout/layout_state.h"

#include <optional>

namespace layout {

// A position near an edge that sets the data pane's width (its right edge, or the strip right of
// it) and near one that sets its height. All comparisons are strict: a point exactly GripSize
// from an edge is outside.
struct GripZones {
    bool WidthEdge = false;
    bool HeightEdge = false;
    bool operator==(const GripZones&) const = default;
};

// (X, Y) relative to the data pane of width x height: the right zone is width - X < grip, the
// bottom zone height - Y < grip.
GripZones DataPaneZones(int width, int height, int X, int Y, int grip);

// (X, Y) relative to the results pane of the given width: the right zone is width - X < grip, the
// top zone (the data pane's bottom edge) Y < grip.
GripZones ResultsPaneZones(int width, int X, int Y, int grip);

// (X, Y) in client coordinates, with the data pane of paneWidth x paneHeight at the client
// origin: the strip is X - paneWidth < grip; inside the strip, the corner zone is
// |paneHeight - Y| < grip.
GripZones SurfaceZones(int paneWidth, int paneHeight, int X, int Y, int grip);

// What a press in the zones drags: both sizes by both edges, one size by its edge; nothing
// outside every zone.
std::optional<ResizeMode> ResizeModeOf(GripZones zones);

} // namespace layout
