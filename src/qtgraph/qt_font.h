// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/qt_font.h: the font of the main window and everything on it.
#pragma once

#include <QFont>

namespace qtgraph {

// A common proportional font with a character height of 13 pixels.
QFont WindowFont();

} // namespace qtgraph
