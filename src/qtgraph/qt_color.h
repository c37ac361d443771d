// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/qt_color.h: colour values as Qt colours, system colours through the palette.
#pragma once

#include "common/color.h"

#include <QColor>
#include <QPalette>

namespace qtgraph {

// A direct colour 0x00BBGGRR as is; a system colour reference as the palette's colour of that
// role: 15 (button face) Button, 16 (button shadow) Dark, 20 (button highlight) Light, any
// other index Window.
QColor ColorOf(common::ColorValue colour, const QPalette& palette);

} // namespace qtgraph
