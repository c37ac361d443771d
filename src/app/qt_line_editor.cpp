// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_line_editor.cpp: Shift+Return as a plain line break, no text from Alt chords, pasted
// text as plain text, and tooltips of lines.
#include "app/qt_line_editor.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QTextBlock>
#include <QToolTip>

namespace app {

void LineEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers().testFlag(Qt::AltModifier) && !event->text().isEmpty()) {
        // Left to the window, where it does nothing.
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent lineBreak(QEvent::KeyPress, event->key(), Qt::NoModifier, QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&lineBreak);
        event->setAccepted(lineBreak.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LineEditor::resizeEvent(QResizeEvent* event)
{
    if (lineWrapMode() != NoWrap || event->oldSize().width() == event->size().width()) {
        QPlainTextEdit::resizeEvent(event);
        return;
    }
    // The same resize as far as the editor can tell a width from a height: its scroll bars
    // still follow the new size.
    QResizeEvent heightOnly(event->size(), QSize(event->size().width(), event->oldSize().height()));
    QPlainTextEdit::resizeEvent(&heightOnly);
}

bool LineEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return source != nullptr && source->hasText();
}

void LineEditor::insertFromMimeData(const QMimeData* source)
{
    if (canInsertFromMimeData(source))
        insertPlainText(source->text());
}

bool LineEditor::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !lineToolTip)
        return QPlainTextEdit::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int line = LineAt(help->pos());
    const QString tip = line < 0 ? QString() : lineToolTip(line);
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, viewport());
    }
    return true;
}

int LineEditor::LineAt(QPoint position) const
{
    const QTextBlock block = cursorForPosition(position).block();
    if (!block.isValid())
        return -1;
    const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
    return position.y() < box.bottom() ? block.blockNumber() : -1;
}

} // namespace app
