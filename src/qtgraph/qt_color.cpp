// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/qt_color.cpp: mapping of colour values to Qt colours.
#include "qtgraph/qt_color.h"

namespace qtgraph {

QColor ColorOf(common::ColorValue colour, const QPalette& palette)
{
    if (!common::IsSystemColor(colour))
        return QColor(common::RedOf(colour), common::GreenOf(colour), common::BlueOf(colour));
    switch (common::SystemColorIndex(colour)) {
    case common::ButtonFaceIndex:
        return palette.color(QPalette::Button);
    case common::ButtonShadowIndex:
        return palette.color(QPalette::Dark);
    case common::ButtonHighlightIndex:
        return palette.color(QPalette::Light);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace qtgraph
