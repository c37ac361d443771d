// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/pane_filler.h: a long text put into an editor a slice at a time, so that the window
// answers while a large file goes in.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

namespace app {

// The editor's document spends microseconds on each line it takes in: a file of a million lines
// would hold the window for seconds. Its first lines go in at once, the rest in slices of a few
// dozen milliseconds from the event loop, while the editor is read-only.
class PaneFiller : public QObject {
public:
    explicit PaneFiller(QPlainTextEdit& editor);

    // Lines that go in at once: far more than the data reading needs and a screen shows.
    static constexpr int FirstLines = 1 << 14;

    // Replaces the editor's text by text (lines separated by "\n"): up to FirstLines lines now,
    // the rest in slices; undo starts afresh once all is in.
    void Fill(const QString& text);
    // Stops filling, leaving the editor with what is in it, for a command that replaces it. A
    // text set otherwise meanwhile stops it too.
    void Cancel();
    // Some of the text is still to come (the editor is read-only meanwhile).
    bool Filling() const { return m_next < m_text.size(); }

private:
    // Appends whole lines of what is still to come for about SliceMilliseconds.
    void AppendSlice();
    // Appends the text from m_next up to the line break at or after end (or to its end).
    void AppendUpTo(qsizetype end);
    void Done();

    QPlainTextEdit& m_editor;
    // The whole text (shared with the caller's, not copied) and where what is to come starts.
    QString m_text;
    qsizetype m_next = 0;
    // The document's length after the last slice: any other length means its text was replaced.
    int m_filledLength = 0;
    QTimer m_slices;
};

} // namespace app
