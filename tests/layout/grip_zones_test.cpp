// SPDX-License-Identifier: GPL-3.0-or-later
// tests/layout/grip_zones_test.cpp: which edges a press near the panes drags, at the zone
// boundaries.
#include "layout/grip_zones.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using layout::ResizeMode;

constexpr int Grip = 10;
// A data pane of 330 x 190 at the client origin, and the results pane below it as wide.
constexpr int PaneWidth = 330;
constexpr int PaneHeight = 190;

struct ZoneCase {
    const char* name;
    layout::GripZones zones;
    std::optional<ResizeMode> mode;
};

void ExpectModes(const std::initializer_list<ZoneCase>& cases)
{
    for (const ZoneCase& expected : cases) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(layout::ResizeModeOf(expected.zones), expected.mode);
    }
}

TEST(GripZones, DataPaneRightAndBottomEdges)
{
    const auto at
        = [](int X, int Y) { return layout::DataPaneZones(PaneWidth, PaneHeight, X, Y, Grip); };
    ExpectModes({
        { "9 from the right edge", at(321, 95), ResizeMode::Width },
        { "10 from the right edge", at(320, 95), std::nullopt },
        { "on the bottom row", at(165, 189), ResizeMode::Height },
        { "10 above the bottom edge", at(165, 180), std::nullopt },
        { "corner", at(329, 181), ResizeMode::Both },
        { "inside", at(165, 95), std::nullopt },
    });
}

TEST(GripZones, ResultsPaneRightAndTopEdges)
{
    const auto at = [](int X, int Y) { return layout::ResultsPaneZones(PaneWidth, X, Y, Grip); };
    ExpectModes({
        { "5 below its top, 3 from its right", at(327, 5), ResizeMode::Both },
        { "right edge", at(327, 50), ResizeMode::Width },
        { "9 below its top", at(165, 9), ResizeMode::Height },
        { "10 below its top", at(165, 10), std::nullopt },
        { "inside", at(165, 60), std::nullopt },
    });
}

TEST(GripZones, SurfaceStripRightOfTheDataPane)
{
    const auto at
        = [](int X, int Y) { return layout::SurfaceZones(PaneWidth, PaneHeight, X, Y, Grip); };
    ExpectModes({
        { "9 right of the pane", at(339, 240), ResizeMode::Width },
        { "10 right of the pane", at(340, 240), std::nullopt },
        { "strip by the pane's bottom", at(335, 181), ResizeMode::Both },
        { "strip 9 below the pane's bottom", at(335, 199), ResizeMode::Both },
        { "strip 10 below the pane's bottom", at(335, 200), ResizeMode::Width },
        { "by the pane's bottom, outside the strip", at(340, 190), std::nullopt },
    });
}

} // namespace
