// src/app/qt_line_editor.h: a plain text editor whose every visible line break is a real one.
#pragma once

#include <QPlainTextEdit>

namespace app {

// Shift+Return would put a line separator inside a line (shown as a break, read as one line);
// here it starts a new line as Return does.
class LineEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace app
