// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/caption_size.cpp: caption boxes measured in the font's metrics.
#include "qtgraph/caption_size.h"

#include <QFontMetrics>
#include <QRect>
#include <QStringList>

#include <algorithm>

namespace qtgraph {

QSize CaptionSize(const QFont& font, const QString& caption, bool wrapWords)
{
    const QFontMetrics metrics(font);
    if (!wrapWords)
        return metrics.size(0, caption);
    // The y legend keeps at least the width its start-up caption takes.
    int width = metrics.horizontalAdvance(StartCaption(layout::YAxisStart));
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        width = std::max(width, metrics.horizontalAdvance(word));
    const QRect box = metrics.boundingRect(
        QRect(0, 0, width, 1 << 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
    return QSize(width, std::max(box.height(), metrics.height()));
}

} // namespace qtgraph
