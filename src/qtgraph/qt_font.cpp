// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/qt_font.cpp: the window font.
#include "qtgraph/qt_font.h"

namespace qtgraph {

QFont WindowFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

} // namespace qtgraph
