// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/pane_filler.h: a long text put into an editor a slice at a time, so that the window
// answers, and the editor takes typing, while a large file goes in.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QTimer>

#include <deque>

class QPlainTextEdit;

namespace app {

// The editor's document spends microseconds on each line it takes in: a file of a million lines
// would hold the window for seconds. Its first lines and its last line go in at once; the lines
// between go in before the last one in slices of a few dozen milliseconds from the event loop.
// Meanwhile the editor takes edits like any other: what it shows is the file with a stretch of
// lines still to come, and each line arrives where it belongs in the file. Edits made meanwhile
// are not recorded for undo; the history starts once all is in.
class PaneFiller : public QObject {
public:
    explicit PaneFiller(QPlainTextEdit& editor);

    // Lines that go in at once: far more than the data reading needs and a screen shows.
    static constexpr int FirstLines = 1 << 14;

    // Replaces the editor's text by text (lines separated by "\n"), filling in the background
    // when it has more than FirstLines + 1 lines.
    void Fill(const QString& text);
    // Stops filling, leaving the editor with what is in it, for a command that replaces its
    // text; every such command must call it (or Fill) first.
    void Cancel();
    // Puts all that is still to come in now, so the editor holds the whole text.
    void Finish();
    // Some of the text is still to come.
    bool Filling() const { return !m_pieces.empty(); }
    // The editor's text was edited since the last Fill began, while it was still filling.
    bool EditedWhileFilling() const { return m_edited; }

private:
    // Puts in pieces of what is still to come for about SliceMilliseconds.
    void InsertSlice();
    // Puts in the next piece at the fill point.
    void InsertPiece();
    void Done();

    QPlainTextEdit& m_editor;
    // The lines still to come, in order, in UTF-8 (half the memory of the decoded text) and in
    // pieces of whole lines each ending with its line break; a piece is dropped once it is in.
    std::deque<QByteArray> m_pieces;
    // Where the next piece goes: after the lines in so far, before the last line. The document
    // moves it along with edits; text typed right at it stays after what comes.
    QTextCursor m_fillPoint;
    bool m_inserting = false;
    bool m_edited = false;
    QTimer m_slices;
};

} // namespace app
