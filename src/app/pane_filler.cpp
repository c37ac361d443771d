// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/pane_filler.cpp: the first lines of a text set at once, the rest appended from the
// event loop, without undo steps.
#include "app/pane_filler.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>
#include <vector>

namespace app {

namespace {

    // Long enough that the document's own work per call does not count, short enough that the
    // window answers a key or a click without a noticeable wait.
    constexpr qint64 SliceMilliseconds = 40;
    // Characters appended between two looks at the clock.
    constexpr qsizetype StepCharacters = 64 * 1024;

    // Where the line after the first lines of text starts; text.size() when it has no more.
    qsizetype EndOfLines(const QString& text, qsizetype from, int lines)
    {
        qsizetype at = from;
        for (int line = 0; line < lines; ++line) {
            at = text.indexOf(QLatin1Char('\n'), at);
            if (at < 0)
                return text.size();
            ++at;
        }
        return at;
    }

    // The editor's marks of lines are cursors, which the document moves along at every line it
    // takes in: hundreds of them would make an append hundreds of times slower. They are lifted
    // while it lives and put back where they were, which an append at the end leaves alone; but
    // a mark that ran to the end of the text (the unused lines after the data) runs to its new
    // end.
    class MarksLifted {
    public:
        explicit MarksLifted(QPlainTextEdit& editor)
            : m_editor(editor)
            , m_marks(editor.extraSelections())
            , m_end(EndOf(editor))
        {
            if (m_marks.isEmpty())
                return;
            for (QTextEdit::ExtraSelection& mark : m_marks) {
                m_places.push_back({ mark.cursor.anchor(), mark.cursor.position() });
                mark.cursor = QTextCursor();
            }
            m_editor.setExtraSelections({});
        }
        ~MarksLifted()
        {
            if (m_marks.isEmpty())
                return;
            const int end = EndOf(m_editor);
            const auto placeNow = [&](int place) { return place == m_end ? end : place; };
            for (qsizetype index = 0; index < m_marks.size(); ++index) {
                QTextCursor cursor(m_editor.document());
                cursor.setPosition(placeNow(m_places[index].first));
                cursor.setPosition(placeNow(m_places[index].second), QTextCursor::KeepAnchor);
                m_marks[index].cursor = cursor;
            }
            m_editor.setExtraSelections(m_marks);
        }
        MarksLifted(const MarksLifted&) = delete;
        MarksLifted& operator=(const MarksLifted&) = delete;

    private:
        // The last place a cursor can take: before the document's final paragraph separator.
        static int EndOf(QPlainTextEdit& editor) { return editor.document()->characterCount() - 1; }

        QPlainTextEdit& m_editor;
        QList<QTextEdit::ExtraSelection> m_marks;
        int m_end;
        std::vector<std::pair<int, int>> m_places;
    };

} // namespace

PaneFiller::PaneFiller(QPlainTextEdit& editor)
    : QObject(&editor)
    , m_editor(editor)
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &PaneFiller::AppendSlice);
}

void PaneFiller::Fill(const QString& text)
{
    Cancel();
    // The marks of the old text's lines would only slow the new text down; the next reading
    // marks the new one.
    m_editor.setExtraSelections({});
    const qsizetype first = EndOfLines(text, 0, FirstLines);
    if (first >= text.size()) {
        m_editor.setPlainText(text);
        return;
    }
    // The line break before the rest goes with the rest, so no empty line shows meanwhile.
    m_editor.setPlainText(text.left(first - 1));
    m_text = text;
    m_next = first - 1;
    m_editor.document()->setUndoRedoEnabled(false);
    m_editor.setReadOnly(true);
    m_filledLength = m_editor.document()->characterCount();
    m_slices.start();
}

void PaneFiller::Cancel()
{
    if (Filling())
        Done();
}

void PaneFiller::AppendSlice()
{
    if (m_editor.document()->characterCount() != m_filledLength) {
        Done();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    {
        const MarksLifted lifted(m_editor);
        while (Filling() && slice.elapsed() < SliceMilliseconds)
            AppendUpTo(m_next + StepCharacters);
    }
    m_filledLength = m_editor.document()->characterCount();
    if (!Filling())
        Done();
}

void PaneFiller::AppendUpTo(qsizetype end)
{
    const qsizetype lineBreak = end < m_text.size() ? m_text.indexOf(QLatin1Char('\n'), end) : -1;
    const qsizetype stop = lineBreak < 0 ? m_text.size() : lineBreak;
    QTextCursor atEnd(m_editor.document());
    atEnd.movePosition(QTextCursor::End);
    atEnd.insertText(QStringView(m_text).mid(m_next, stop - m_next).toString());
    m_next = stop;
}

void PaneFiller::Done()
{
    m_slices.stop();
    m_text = QString();
    m_next = 0;
    m_editor.setReadOnly(false);
    m_editor.document()->setUndoRedoEnabled(true);
}

} // namespace app
