// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/canvas.h: the drawing surface the graph paints on, with the window's pixel conventions.
#pragma once

#include "common/color.h"

#include <functional>
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

// A band at one pixel column's centre X: its edges' rows, Upper <= Lower.
struct BandSpan {
    double X = 0;
    double Upper = 0;
    double Lower = 0;
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
    // Fills a band, without an outline: the region between its upper and lower edges, sampled
    // at the spans' X (increasing, pixel-column centres) and joined straight from span to span;
    // two spans or more. Its colour is the opaque one that colour at opacity alpha (0
    // transparent to 255 opaque) gives over beneath: a tint of what lies under it, as a plain
    // fill, which costs a fraction of a blend. Pen and brush stay as they are. A surface that
    // draws nothing ignores it.
    virtual void FillTinted(const std::vector<BandSpan>& spans, common::ColorValue colour,
        int alpha, common::ColorValue beneath)
    {
        (void)spans;
        (void)colour;
        (void)alpha;
        (void)beneath;
    }

    // Draws the same small figure around each of centres: draw(canvas, x, y) draws it around
    // (x, y) within reach pixels of it, and may change the canvas's pen and brush. A surface of
    // pixels may draw it once and copy its pixels to each centre, as many small markers are
    // drawn at a fraction of their cost; pen and brush are then left as they were.
    virtual void Repeat(const std::vector<CanvasPoint>& centres, int reach,
        const std::function<void(Canvas& canvas, int x, int y)>& draw)
    {
        (void)reach;
        for (const CanvasPoint& centre : centres)
            draw(*this, centre.X, centre.Y);
    }

    virtual void SetPenColor(common::ColorValue colour) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetBrushColor(common::ColorValue colour) = 0;
};

} // namespace graph
