// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_text_lines.h: the TextLines seam over a QPlainTextEdit.
#pragma once

#include "common/text_lines.h"

class QPlainTextEdit;

namespace app {

// Line i is block i of the editor's document (both from 0). Text crosses the seam as UTF-8.
// The editor must outlive the adapter.
class QtTextLines : public common::TextLines {
public:
    explicit QtTextLines(QPlainTextEdit& editor);

    // While it lives, edits of the lines are not recorded for undo; it forgets the editor's
    // undo and redo history when made and when gone, so the next undo stops at what was
    // written meanwhile.
    class NewUndoHistory {
    public:
        explicit NewUndoHistory(QtTextLines& lines);
        ~NewUndoHistory();
        NewUndoHistory(const NewUndoHistory&) = delete;
        NewUndoHistory& operator=(const NewUndoHistory&) = delete;

    private:
        QPlainTextEdit& m_editor;
    };

    int LineCount() const override;
    // Walks the document's blocks back from its end, without taking their text.
    int LinesToLastText() const override;
    std::string Line(int index) const override;
    // Edits the block in place through the document (undoable), leaving the caret on the
    // same line when it was there.
    void ReplaceLine(int index, std::string_view text) override;
    void Clear() override;
    std::string Text() const override;
    void SetText(std::string_view text) override;
    // A light red background across the whole width of each marked line; view only.
    void MarkUnreadLines(const std::vector<int>& indexes) override;
    // Grey text on a light grey background from the start of line firstIndex to the end of the
    // text, two marks however many lines they cover; view only. A line marked by both shows the
    // red background with grey text.
    void MarkUnusedLines(int firstIndex) override;
    // Line index carries the mark of MarkUnreadLines.
    bool IsMarked(int index) const;
    // The first line of the mark of MarkUnusedLines, as it stands after edits; NoLine without.
    int FirstUnusedLine() const;

private:
    // Shows the marks of the last two calls, touching the editor only when they changed.
    void ShowMarks();

    QPlainTextEdit& m_editor;
    std::vector<int> m_unreadLines;
    int m_firstUnusedLine = NoLine;
};

} // namespace app
