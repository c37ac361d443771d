// src/qtgraph/qt_canvas.h: the graph's Canvas painting through a QPainter with the window's pixel
// conventions.
#pragma once

#include "graph/canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
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
// palette. Sets the painter's font and turns antialiasing off.
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
    void SetPenColor(common::ColorValue colour) override;
    void SetPenStyle(graph::PenStyle style) override;
    void SetBrushColor(common::ColorValue colour) override;

private:
    void DrawLine(QPoint from, QPoint to);

    QPainter& m_painter;
    QSize m_size;
    QPalette m_palette;
    QFontMetrics m_metrics;
    QPoint m_position;
    QColor m_penColor { Qt::black };
    bool m_penVisible = true;
    QColor m_brushColor { Qt::white };
    QColor m_textColor;
    // The painter draws onto a device that keeps shapes rather than pixels.
    bool m_vector = false;
};

} // namespace qtgraph
