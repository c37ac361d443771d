// src/app/qt_text_lines.cpp: editor lines as document blocks, marks as extra selections.
#include "app/qt_text_lines.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace app {

namespace {

    const QColor UnreadLineColor(255, 205, 205);

    QString FromUtf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    std::vector<int> MarkedBlocks(const QList<QTextEdit::ExtraSelection>& marks)
    {
        std::vector<int> blocks;
        blocks.reserve(marks.size());
        for (const QTextEdit::ExtraSelection& mark : marks)
            blocks.push_back(mark.cursor.blockNumber());
        return blocks;
    }

} // namespace

QtTextLines::QtTextLines(QPlainTextEdit& editor)
    : m_editor(editor)
{
}

int QtTextLines::LineCount() const
{
    // A document always has at least one block; a final empty block is not a line.
    const QTextDocument& document = *m_editor.document();
    const int blocks = document.blockCount();
    return document.lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

int QtTextLines::LinesToLastText() const
{
    // A block's length counts its line break too.
    for (QTextBlock block = m_editor.document()->lastBlock(); block.isValid();
         block = block.previous())
        if (block.length() > 1)
            return block.blockNumber() + 1;
    return 0;
}

std::string QtTextLines::Line(int index) const
{
    const QTextBlock block = m_editor.document()->findBlockByNumber(index);
    return block.isValid() ? block.text().toStdString() : std::string();
}

void QtTextLines::ReplaceLine(int index, std::string_view text)
{
    const QTextBlock block = m_editor.document()->findBlockByNumber(index);
    const QString replacement = FromUtf8(text);
    if (!block.isValid() || block.text() == replacement)
        return;

    const QTextCursor caret = m_editor.textCursor();
    const bool caretOnLine = !caret.hasSelection() && caret.block() == block;
    const int caretColumn = caret.positionInBlock();

    QTextCursor edit(block);
    edit.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit.insertText(replacement);

    if (caretOnLine) {
        QTextCursor moved(block);
        moved.setPosition(block.position() + std::min(caretColumn, block.length() - 1));
        m_editor.setTextCursor(moved);
    }
}

void QtTextLines::Clear() { m_editor.clear(); }

std::string QtTextLines::Text() const
{
    // Joined from the blocks rather than toPlainText(), which turns non-breaking spaces into
    // plain ones.
    QString text;
    for (QTextBlock block = m_editor.document()->begin(); block.isValid(); block = block.next()) {
        if (block != m_editor.document()->begin())
            text += QLatin1Char('\n');
        text += block.text();
    }
    return text.toStdString();
}

void QtTextLines::SetText(std::string_view text) { m_editor.setPlainText(FromUtf8(text)); }

bool QtTextLines::IsMarked(int index) const
{
    const std::vector<int> marked = MarkedBlocks(m_editor.extraSelections());
    return std::find(marked.begin(), marked.end(), index) != marked.end();
}

void QtTextLines::MarkUnreadLines(const std::vector<int>& indexes)
{
    QList<QTextEdit::ExtraSelection> marks;
    for (const int index : indexes) {
        const QTextBlock block = m_editor.document()->findBlockByNumber(index);
        if (!block.isValid())
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(block);
        mark.format.setBackground(UnreadLineColor);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(mark);
    }
    // Every repaint pass reads the pane again; an unchanged set must not repaint the editor.
    if (MarkedBlocks(m_editor.extraSelections()) != MarkedBlocks(marks))
        m_editor.setExtraSelections(marks);
}

} // namespace app
