// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/image_pixels.cpp: the checks that make a store the painter's own result.
#include "qtgraph/image_pixels.h"

#include <QPaintDevice>
#include <QPaintEngine>

#include <algorithm>

namespace qtgraph {

std::optional<ImagePixels> ImagePixels::Of(QPainter& painter)
{
    if (!painter.isActive() || painter.paintEngine()->type() != QPaintEngine::Raster)
        return std::nullopt;
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    const bool thirtyTwoBits = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
    // A shared image would detach on its first write, away from the buffer the painter fills.
    if (!thirtyTwoBits || !image->isDetached() || image->devicePixelRatio() != 1
        || !painter.transform().isIdentity() || painter.hasClipping()
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    return ImagePixels(image->bits(), image->bytesPerLine(), image->width(), image->height());
}

void ImagePixels::Fill(const std::vector<graph::PixelRun>& runs, QRgb colour)
{
    const QRgb opaque = colour | 0xff000000u;
    for (const graph::PixelRun& run : runs) {
        const int left = std::max(run.Left, 0);
        const int right = std::min(run.Left + run.Width, m_width);
        const int top = std::max(run.Top, 0);
        const int bottom = std::min(run.Top + run.Height, m_height);
        for (int row = top; row < bottom && left < right; ++row)
            std::fill(Row(row) + left, Row(row) + right, opaque);
    }
}

bool ImagePixels::Stamp(const QImage& stamp, const std::vector<graph::CanvasPoint>& centres)
{
    struct Pixel {
        int Column;
        int Row;
        QRgb Colour;
    };
    // Premultiplied or not, an opaque pixel's value is its colour.
    const QImage source = stamp.convertToFormat(QImage::Format_ARGB32);
    std::vector<Pixel> opaque;
    const int reachX = source.width() / 2;
    const int reachY = source.height() / 2;
    for (int row = 0; row < source.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (int column = 0; column < source.width(); ++column) {
            const int alpha = qAlpha(line[column]);
            if (alpha == 255)
                opaque.push_back({ column - reachX, row - reachY, line[column] });
            else if (alpha != 0)
                return false;
        }
    }
    for (const graph::CanvasPoint& centre : centres) {
        for (const Pixel& pixel : opaque) {
            const int column = centre.X + pixel.Column;
            const int row = centre.Y + pixel.Row;
            if (column >= 0 && column < m_width && row >= 0 && row < m_height)
                Row(row)[column] = pixel.Colour;
        }
    }
    return true;
}

} // namespace qtgraph
