// SPDX-License-Identifier: GPL-3.0-or-later
// src/layout/window_design.h: the main window's layout description: the places and sizes its
// controls start with, in pixels.
#pragma once

#include <string_view>

namespace layout {

// The window's outer place and size as laid out; it is shown maximised.
inline constexpr int DesignLeft = 244;
inline constexpr int DesignTop = 174;
inline constexpr int DesignWidth = 540;
inline constexpr int DesignHeight = 404;
// The design resolution: a printed or exported window image keeps its size in inches by it.
inline constexpr int PixelsPerInch = 96;

// Width of the data pane at start-up, kept until the user resizes the pane.
inline constexpr int DataWindowStartWidth = 330;

// A box in client pixels.
struct Box {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The position readout before it is first shown.
inline constexpr Box CoordinateLabelStart { 200, 0, 153, 17 };

// A legend label before the first drawing pass: its caption and the top-left corner of its box,
// which fits the caption.
struct LegendStart {
    std::string_view Caption;
    int Left = 0;
    int Top = 0;
};

inline constexpr LegendStart TitleStart { "Title", 400, 8 };
inline constexpr LegendStart XAxisStart { "XAxisLabel", 328, 232 };
inline constexpr LegendStart YAxisStart { "YAxisLabel", 208, 48 };

} // namespace layout
