// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_line_editor.h: a plain text editor whose every visible line break is a real one,
// that types nothing for an Alt chord, and that can explain a line in a tooltip.
#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <functional>

namespace app {

// Shift+Return would put a line separator inside a line (shown as a break, read as one line);
// here it starts a new line as Return does. A key pressed with Alt held types nothing: such a
// chord is a command key, and one that no visible control takes must not end up in the text.
class LineEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    // The tooltip of the line (block number, from 0) under the pointer; an empty text shows none.
    std::function<QString(int line)> lineToolTip;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Without line wrapping a width change leaves every line as it is laid out: the editor's own
    // handling would lay out the whole document again, creating a layout for each of possibly a
    // million lines (hundreds of megabytes, a second at each step of a pane resize).
    void resizeEvent(QResizeEvent* event) override;
    // Pasted and dropped data go in as their plain text, and only when they hold text: the
    // editor's own insertion crashes on X11 clipboard data whose owner has gone away.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    bool viewportEvent(QEvent* event) override;

private:
    // The block under a viewport position, or -1 when the position is below the last one.
    int LineAt(QPoint position) const;
};

} // namespace app
