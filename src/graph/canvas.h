// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/canvas.h: the drawing surface the graph paints on, with the window's pixel conventions.
#pragma once

#include "common/color.h"

#include <string>
#include <vector>

namespace graph {

// LightDash: a dashed line in the pen colour lightened half-way to white.
enum class PenStyle { Solid, Clear, LightDash };

struct CanvasPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

// A point between pixels: pixel (c, r) covers [c, c + 1) x [r, r + 1), its centre at
// (c + 0.5, r + 0.5).
struct PathPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const PathPoint&) const = default;
};

// Pixel coordinates grow rightwards and downwards. A rectangle (left, top, right, bottom)
// covers columns left..right-1 and rows top..bottom-1; a line covers its start pixel but not
// its end pixel, so a polyline built from LineTo calls draws each joint once.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Fills the rectangle with the brush colour; nothing when right <= left or bottom <= top.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Draws from the current position to (x, y) with the pen and makes (x, y) current.
    virtual void LineTo(int x, int y) = 0;
    // The ellipse inscribed in the rectangle: pen outline, brush fill.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // The closed polygon through the vertices: pen outline, brush fill.
    virtual void Polygon(const std::vector<CanvasPoint>& vertices) = 0;
    // Writes text in the window font and font colour with its top-left corner at (x, y), on an
    // opaque box of the brush colour TextWidth(text) wide and TextHeight(text) high.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    // A surface that keeps shapes rather than pixels (an SVG or PDF drawing) takes a curve as
    // one Path at sub-pixel precision; a surface of pixels draws it with LineTo.
    virtual bool KeepsShapes() const { return false; }
    // Draws the open polylines (of two points or more each) as one path with the pen, one pixel
    // wide, through exactly the points given. Surfaces that do not keep shapes ignore it.
    virtual void Path(const std::vector<std::vector<PathPoint>>& polylines) { (void)polylines; }
    // Fills the closed polygon through outline (three points or more) with colour at opacity
    // alpha (0 transparent to 255 opaque) over what is drawn, without an outline; pen and brush
    // stay as they are. A surface that draws nothing ignores it.
    virtual void FillTranslucent(
        const std::vector<PathPoint>& outline, common::ColorValue colour, int alpha)
    {
        (void)outline;
        (void)colour;
        (void)alpha;
    }

    virtual void SetPenColor(common::ColorValue colour) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetBrushColor(common::ColorValue colour) = 0;
};

} // namespace graph
