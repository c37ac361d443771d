// src/app/qt_line_editor.cpp: Shift+Return as a plain line break.
#include "app/qt_line_editor.h"

#include <QKeyEvent>

namespace app {

void LineEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent lineBreak(QEvent::KeyPress, event->key(), Qt::NoModifier, QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&lineBreak);
        event->setAccepted(lineBreak.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace app
