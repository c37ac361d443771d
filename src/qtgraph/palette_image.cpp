// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/palette_image.cpp: the colour table of an image built in one pass over its pixels.
#include "qtgraph/palette_image.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cstdint>

namespace qtgraph {

namespace {

    constexpr int PaletteSize = 256;

    // The index of each colour met so far: a colour's slot in a small table by a hash of it,
    // checked against the colour, else a search of the palette (at most 256 entries).
    class ColorIndexes {
    public:
        // The index of colour, added to palette when new; -1 when the palette is full.
        int IndexOf(QRgb colour, QList<QRgb>& palette)
        {
            Slot& slot = m_slots[(colour * 2654435761u) >> (32 - SlotBits)];
            if (slot.index >= 0 && slot.colour == colour)
                return slot.index;
            auto at = std::find(palette.cbegin(), palette.cend(), colour);
            if (at == palette.cend()) {
                if (palette.size() == PaletteSize)
                    return -1;
                palette.append(colour);
                at = palette.cend() - 1;
            }
            slot = { colour, int(at - palette.cbegin()) };
            return slot.index;
        }

    private:
        static constexpr int SlotBits = 12;
        struct Slot {
            QRgb colour = 0;
            int index = -1;
        };
        std::array<Slot, std::size_t { 1 } << SlotBits> m_slots {};
    };

} // namespace

std::optional<QImage> PaletteImage(const QImage& image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage palettised(source.size(), QImage::Format_Indexed8);
    palettised.setDotsPerMeterX(source.dotsPerMeterX());
    palettised.setDotsPerMeterY(source.dotsPerMeterY());
    QList<QRgb> palette;
    ColorIndexes indexes;
    const int width = source.width();
    for (int row = 0; row < source.height(); ++row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        std::uint8_t* out = palettised.scanLine(row);
        // Runs of one colour are the rule in a graph: each takes its index from the pixel before.
        int index = -1;
        for (int column = 0; column < width; ++column) {
            if (column == 0 || pixels[column] != pixels[column - 1]) {
                index = indexes.IndexOf(pixels[column], palette);
                if (index < 0)
                    return std::nullopt;
            }
            out[column] = std::uint8_t(index);
        }
    }
    palettised.setColorTable(palette);
    return palettised;
}

} // namespace qtgraph
