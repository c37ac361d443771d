// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/caption_size.h: the box a legend caption takes, as the window's labels size
// themselves.
#pragma once

#include "layout/window_design.h"

#include <QFont>
#include <QSize>
#include <QString>

namespace qtgraph {

// The caption a legend label starts with.
inline QString StartCaption(const layout::LegendStart& legend)
{
    return QString::fromUtf8(legend.Caption.data(), qsizetype(legend.Caption.size()));
}

// The box a caption takes in font: one line as wide as the text or, when wrapWords, lines broken
// between words at the width of the default y legend caption or of the widest word, whichever
// is wider.
QSize CaptionSize(const QFont& font, const QString& caption, bool wrapWords);

} // namespace qtgraph
