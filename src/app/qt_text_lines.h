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
    // Line index carries the mark of MarkUnreadLines.
    bool IsMarked(int index) const;

private:
    QPlainTextEdit& m_editor;
};

} // namespace app
