// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/qt_canvas.h: the graph's Canvas painting through a QPainter with the window's pixel
// conventions.
#pragma once

#include "graph/canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPoint>
#include <QSize>

namespace qtgraph {

// Paints through painter, which is active on a device of size pixels (an image, a PDF page, an
// SVG drawing), from construction to destruction; a painter that is not active draws nowhere
// while text is still measured, so the pass can place labels. On a raster device (an image,
// the window) lines are rasterised here so that they keep their start pixel and drop their end
// pixel whatever their direction (a 1-pixel QPainter line keeps both); on a vector device (PDF,
// SVG) they are lines one pixel wide through the centres of their end pixels, sharp at any zoom.
// Rectangles drop their right column and bottom row; the ellipse and polygon outlines stay
// inside the same bounds as their fills. Text is written in font and the
// palette's window-text colour on an opaque box of the brush colour. System colours come from
// palette. Sets the painter's font and turns antialiasing off. A LightDash pen draws 6 pixels of
// every 10 along its lines (counted on from line to line, so a curve of short lines is dashed
// too) in the pen colour half-way to white. Only a vector device keeps shapes: Path draws there,
// antialiased, one pixel wide with round joins.
class QtCanvas : public graph::Canvas {
public:
    QtCanvas(QPainter& painter, QSize size, const QPalette& palette, const QFont& font);

    void FillRect(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(const std::vector<graph::CanvasPoint>& vertices) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    bool KeepsShapes() const override { return m_vector; }
    void Path(const std::vector<std::vector<graph::PathPoint>>& polylines) override;
    // One polygon, upper edge forth and lower edge back, without antialiasing.
    void FillTinted(const std::vector<graph::BandSpan>& spans, common::ColorValue colour, int alpha,
        common::ColorValue beneath) override;
    // On a raster device: drawn once into a transparent image and copied to each centre. The
    // figure is drawn without antialiasing, so each of its pixels is opaque or left alone, and
    // the copies are the pixels drawing it in place would give.
    void Repeat(const std::vector<graph::CanvasPoint>& centres, int reach,
        const std::function<void(graph::Canvas& canvas, int x, int y)>& draw) override;
    void SetPenColor(common::ColorValue colour) override;
    void SetPenStyle(graph::PenStyle style) override;
    void SetBrushColor(common::ColorValue colour) override;

private:
    void DrawLine(QPoint from, QPoint to);
    // The pen of lines on a vector device: round ends join the segments of a curve.
    QPen VectorPen() const;
    // Fills the run's pixels that the dash pattern draws, in order from its top-left one.
    void FillDashed(const QRect& run);
    // The colour lines are drawn in: the pen colour, lightened for a LightDash pen.
    QColor LineColor() const;

    QPainter& m_painter;
    QSize m_size;
    QPalette m_palette;
    QFontMetrics m_metrics;
    QPoint m_position;
    QColor m_penColor { Qt::black };
    bool m_penVisible = true;
    bool m_penDashed = false;
    // Pixels of dashed lines drawn so far, where the pattern stands.
    int m_dashPhase = 0;
    QColor m_brushColor { Qt::white };
    QColor m_textColor;
    // The painter draws onto a device that keeps shapes rather than pixels.
    bool m_vector = false;
};

} // namespace qtgraph
