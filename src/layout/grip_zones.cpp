// SPDX-License-Identifier: GPL-3.0-or-later
// src/layout/grip_zones.cpp: the grip zones of the two panes and of the window surface.
#include "layout/grip_zones.h"

#include <cstdlib>

namespace layout {

GripZones DataPaneZones(int width, int height, int X, int Y, int grip)
{
    return { width - X < grip, height - Y < grip };
}

GripZones ResultsPaneZones(int width, int X, int Y, int grip)
{
    return { width - X < grip, Y < grip };
}

GripZones SurfaceZones(int paneWidth, int paneHeight, int X, int Y, int grip)
{
    const bool strip = X - paneWidth < grip;
    return { strip, strip && std::abs(paneHeight - Y) < grip };
}

std::optional<ResizeMode> ResizeModeOf(GripZones zones)
{
    if (zones.WidthEdge && zones.HeightEdge)
        return ResizeMode::Both;
    if (zones.WidthEdge)
        return ResizeMode::Width;
    if (zones.HeightEdge)
        return ResizeMode::Height;
    return std::nullopt;
}

} // namespace layout
