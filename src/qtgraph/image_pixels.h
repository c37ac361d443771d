// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/image_pixels.h: opaque pixels written straight into the image a painter draws on.
#pragma once

#include "graph/canvas.h"
#include "graph/line_pixels.h"

#include <QImage>
#include <QPainter>
#include <QRgb>

#include <optional>
#include <vector>

namespace qtgraph {

// The 32-bit pixels of the image a raster painter draws on, where writing an opaque colour
// gives exactly what the painter would draw: no transform, no clip, source-over, one device
// pixel per pixel, and the image not shared with a copy. Thousands of small fills then cost a
// store each rather than a painter call each. Valid only while the painter's state stays so.
class ImagePixels {
public:
    static std::optional<ImagePixels> Of(QPainter& painter);

    // Fills the runs (clipped to the image) with colour, made opaque.
    void Fill(const std::vector<graph::PixelRun>& runs, QRgb colour);

    // The opaque pixels of stamp, its centre on each of centres (clipped to the image); its
    // clear pixels leave the image alone. False, and nothing written, where a pixel of stamp is
    // neither opaque nor clear.
    bool Stamp(const QImage& stamp, const std::vector<graph::CanvasPoint>& centres);

private:
    ImagePixels(uchar* bits, qsizetype bytesPerLine, int width, int height)
        : m_bits(bits)
        , m_bytesPerLine(bytesPerLine)
        , m_width(width)
        , m_height(height)
    {
    }

    QRgb* Row(int row) { return reinterpret_cast<QRgb*>(m_bits + row * m_bytesPerLine); }

    uchar* m_bits;
    qsizetype m_bytesPerLine;
    int m_width;
    int m_height;
};

} // namespace qtgraph
