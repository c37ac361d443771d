// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/pane_filler.cpp: the first lines and the last line of a text set at once, the lines
// between put in before the last one from the event loop, without undo steps.
#include "app/pane_filler.h"

#include "app/memory_return.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>

#include <algorithm>
#include <utility>
#include <vector>

namespace app {

namespace {

    // Long enough that the document's own work per call does not count, short enough that the
    // window answers a key or a click without a noticeable wait.
    constexpr qint64 SliceMilliseconds = 40;
    // Characters in a piece of what is still to come: some milliseconds of the document's work.
    constexpr qsizetype PieceCharacters = 32 * 1024;

    // Where the line after the first lines of text starts; text.size() when it has no more.
    qsizetype EndOfLines(const QString& text, int lines)
    {
        qsizetype at = 0;
        for (int line = 0; line < lines; ++line) {
            at = text.indexOf(QLatin1Char('\n'), at);
            if (at < 0)
                return text.size();
            ++at;
        }
        return at;
    }

    // text[from, to) in UTF-8 pieces of about PieceCharacters, each ending after a line break
    // (as text[to - 1] is one).
    std::deque<QByteArray> PiecesOfLines(const QString& text, qsizetype from, qsizetype to)
    {
        std::deque<QByteArray> pieces;
        while (from < to) {
            qsizetype end = std::min(from + PieceCharacters, to);
            end = text.indexOf(QLatin1Char('\n'), end - 1) + 1;
            pieces.push_back(QStringView(text).sliced(from, end - from).toUtf8());
            // The encoder leaves room for three bytes a character.
            pieces.back().squeeze();
            from = end;
        }
        return pieces;
    }

    // What the user sees stays where it was while text goes in at a place in the document.
    //
    // The editor's marks of lines are cursors, which the document moves along at every line it
    // takes in: hundreds of them would make an insertion hundreds of times slower. They are
    // lifted while this lives and put back after, those at or after the place moved by what went
    // in; so a mark that ran to the end of the text (the unused lines after the data) runs to
    // its new end. The view scrolls along with the text after the place when it shows its top
    // line or the caret, so that a line being typed stays in view.
    class ViewKept {
    public:
        ViewKept(QPlainTextEdit& editor, const QTextCursor& place)
            : m_editor(editor)
            , m_marks(editor.extraSelections())
            , m_place(place.position())
            , m_placeLine(place.blockNumber())
            , m_characters(editor.document()->characterCount())
            , m_lines(editor.document()->blockCount())
            , m_topLine(editor.verticalScrollBar()->value())
            , m_scrolls(m_topLine >= m_placeLine || CaretInViewAfter(editor, m_place))
        {
            if (m_marks.isEmpty())
                return;
            for (QTextEdit::ExtraSelection& mark : m_marks) {
                m_places.push_back({ mark.cursor.anchor(), mark.cursor.position() });
                mark.cursor = QTextCursor();
            }
            m_editor.setExtraSelections({});
        }
        ~ViewKept()
        {
            QTextDocument& document = *m_editor.document();
            if (m_scrolls)
                m_editor.verticalScrollBar()->setValue(m_topLine + document.blockCount() - m_lines);
            if (m_marks.isEmpty())
                return;
            const int moved = document.characterCount() - m_characters;
            const auto placeNow
                = [&](int place) { return place < m_place ? place : place + moved; };
            for (qsizetype index = 0; index < m_marks.size(); ++index) {
                QTextCursor cursor(&document);
                cursor.setPosition(placeNow(m_places[index].first));
                cursor.setPosition(placeNow(m_places[index].second), QTextCursor::KeepAnchor);
                m_marks[index].cursor = cursor;
            }
            m_editor.setExtraSelections(m_marks);
        }
        ViewKept(const ViewKept&) = delete;
        ViewKept& operator=(const ViewKept&) = delete;

    private:
        static bool CaretInViewAfter(const QPlainTextEdit& editor, int place)
        {
            return editor.textCursor().position() >= place
                && editor.viewport()->rect().intersects(editor.cursorRect());
        }

        QPlainTextEdit& m_editor;
        QList<QTextEdit::ExtraSelection> m_marks;
        int m_place;
        int m_placeLine;
        int m_characters;
        int m_lines;
        int m_topLine;
        // What goes in pushes down what is shown (the top line is past the place, or the caret
        // in view is): the view follows it.
        bool m_scrolls;
        std::vector<std::pair<int, int>> m_places;
    };

} // namespace

PaneFiller::PaneFiller(QPlainTextEdit& editor)
    : QObject(&editor)
    , m_editor(editor)
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &PaneFiller::InsertSlice);
    connect(editor.document(), &QTextDocument::contentsChange, this,
        [this](int, int charsRemoved, int charsAdded) {
            // Equal counts are a change of format only.
            if (Filling() && !m_inserting && charsRemoved != charsAdded)
                m_edited = true;
        });
}

void PaneFiller::Fill(const QString& text)
{
    Cancel();
    m_edited = false;
    // The marks of the old text's lines would only slow the new text down; the next reading
    // marks the new one.
    m_editor.setExtraSelections({});
    const qsizetype firstLinesEnd = EndOfLines(text, FirstLines);
    const qsizetype lastLineStart = text.lastIndexOf(QLatin1Char('\n')) + 1;
    if (firstLinesEnd >= lastLineStart) {
        m_editor.setPlainText(text);
        return;
    }
    // The first lines end with a line break, so the document ends with an empty block: that is
    // the fill point, and the last line goes in after it.
    m_editor.setPlainText(text.first(firstLinesEnd));
    m_editor.document()->setUndoRedoEnabled(false);
    m_fillPoint = QTextCursor(m_editor.document());
    m_fillPoint.movePosition(QTextCursor::End);
    m_fillPoint.setKeepPositionOnInsert(true);
    m_pieces = PiecesOfLines(text, firstLinesEnd, lastLineStart);
    {
        // Not through a copy of the fill point, which would keep its place at every line break.
        const QScopedValueRollback inserting(m_inserting, true);
        QTextCursor end(m_editor.document());
        end.movePosition(QTextCursor::End);
        end.insertText(text.sliced(lastLineStart));
    }
    m_slices.start();
}

void PaneFiller::Cancel()
{
    if (Filling())
        Done();
}

void PaneFiller::Finish()
{
    if (!Filling())
        return;
    {
        const ViewKept kept(m_editor, m_fillPoint);
        for (int pieces = 1; Filling(); ++pieces) {
            InsertPiece();
            if (pieces % 64 == 0)
                ReturnFreedMemory();
        }
    }
    ReturnFreedMemory();
    Done();
}

void PaneFiller::InsertSlice()
{
    QElapsedTimer slice;
    slice.start();
    {
        const ViewKept kept(m_editor, m_fillPoint);
        while (Filling() && slice.elapsed() < SliceMilliseconds)
            InsertPiece();
    }
    ReturnFreedMemory();
    if (!Filling())
        Done();
}

void PaneFiller::InsertPiece()
{
    const QScopedValueRollback inserting(m_inserting, true);
    // The lines that go in are not typing: the pause after typing is not started again.
    const QSignalBlocker quiet(m_editor);
    QTextCursor insertion(m_editor.document());
    insertion.setPosition(m_fillPoint.position());
    insertion.insertText(QString::fromUtf8(m_pieces.front()));
    m_pieces.pop_front();
    m_fillPoint.setPosition(insertion.position());
}

void PaneFiller::Done()
{
    m_slices.stop();
    m_pieces.clear();
    m_fillPoint = QTextCursor();
    m_editor.document()->setUndoRedoEnabled(true);
}

} // namespace app
