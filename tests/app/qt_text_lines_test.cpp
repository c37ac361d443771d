// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/qt_text_lines_test.cpp: editor lines over a QPlainTextEdit behave as the readings
// expect.
#include "app/qt_text_lines.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

std::vector<int> MarkedBlocks(const QPlainTextEdit& editor)
{
    std::vector<int> blocks;
    for (const QTextEdit::ExtraSelection& mark : editor.extraSelections())
        blocks.push_back(mark.cursor.blockNumber());
    return blocks;
}

} // namespace

TEST(QtTextLines, CountsLinesWithoutAFinalEmptyOne)
{
    const struct {
        const char* name;
        const char* text;
        int lines;
    } cases[] = {
        { "empty", "", 0 },
        { "a single line break", "\n", 1 },
        { "one line, no break", "1 2", 1 },
        { "one line with its break", "1 2\n", 1 },
        { "two lines", "1 2\n3 4", 2 },
        { "an empty line at the end", "1 2\n\n", 2 },
        { "blank lines between", "\n\n3 4\n", 3 },
    };
    QPlainTextEdit editor;
    app::QtTextLines lines(editor);
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        lines.SetText(testCase.text);
        EXPECT_EQ(lines.LineCount(), testCase.lines);
        EXPECT_EQ(lines.Text(), testCase.text);
    }
}

TEST(QtTextLines, ReplacesALineInPlaceAndNeverAppends)
{
    QPlainTextEdit editor;
    app::QtTextLines lines(editor);
    lines.SetText("1 2\nheader\n3 4");
    lines.ReplaceLine(1, "5\t6");
    lines.ReplaceLine(3, "lost");
    lines.ReplaceLine(-1, "lost");
    EXPECT_EQ(lines.Text(), "1 2\n5\t6\n3 4");
    EXPECT_EQ(lines.LineCount(), 3);
    EXPECT_EQ(lines.Line(1), "5\t6");
    EXPECT_EQ(lines.Line(3), "");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("1 2\n5\t6\n3 4"));

    lines.Clear();
    EXPECT_EQ(lines.LineCount(), 0);
    EXPECT_EQ(lines.Text(), "");
}

TEST(QtTextLines, KeepsTheCaretOnItsLine)
{
    QPlainTextEdit editor;
    app::QtTextLines lines(editor);
    lines.SetText("abc\ndefgh\nij");
    QTextCursor caret(editor.document()->findBlockByNumber(1));
    caret.setPosition(caret.position() + 4);
    editor.setTextCursor(caret);

    // The caret column is kept where the shorter text allows it.
    lines.ReplaceLine(1, "xy");
    EXPECT_EQ(editor.textCursor().blockNumber(), 1);
    EXPECT_EQ(editor.textCursor().positionInBlock(), 2);

    caret = QTextCursor(editor.document()->findBlockByNumber(2));
    caret.setPosition(caret.position() + 1);
    editor.setTextCursor(caret);
    lines.ReplaceLine(1, "a much longer line");
    EXPECT_EQ(editor.textCursor().blockNumber(), 2);
    EXPECT_EQ(editor.textCursor().positionInBlock(), 1);
}

TEST(QtTextLines, MarksUnreadLinesWithoutTouchingTheText)
{
    QPlainTextEdit editor;
    app::QtTextLines lines(editor);
    const std::string text = "x y\n1 2\n1,5 2\n3 4\n";
    lines.SetText(text);

    lines.MarkUnreadLines({ 0, 2, 9 });
    EXPECT_EQ(MarkedBlocks(editor), (std::vector<int> { 0, 2 }));
    for (const QTextEdit::ExtraSelection& mark : editor.extraSelections()) {
        const QColor colour = mark.format.background().color();
        EXPECT_GT(colour.red(), colour.green());
        EXPECT_TRUE(mark.format.property(QTextFormat::FullWidthSelection).toBool());
        EXPECT_FALSE(mark.cursor.hasSelection());
    }
    EXPECT_EQ(lines.Text(), text);
    EXPECT_FALSE(editor.document()->isUndoAvailable());

    lines.MarkUnreadLines({ 2 });
    EXPECT_EQ(MarkedBlocks(editor), (std::vector<int> { 2 }));
    lines.MarkUnreadLines({});
    EXPECT_TRUE(editor.extraSelections().isEmpty());
    EXPECT_EQ(lines.Text(), text);
}

TEST(QtTextLines, CarriesUnicodeAcrossAsUtf8)
{
    QPlainTextEdit editor;
    app::QtTextLines lines(editor);
    // A non-breaking space, a tab and characters beyond the basic plane come back unchanged.
    const std::string text = "x\xC2\xA0\xC2\xB5m\t\xE2\x82\xAC\n1,5 \xF0\x9D\x9C\x8B\n";
    lines.SetText(text);
    EXPECT_EQ(lines.Text(), text);
    EXPECT_EQ(lines.LineCount(), 2);
    EXPECT_EQ(lines.Line(0), "x\xC2\xA0\xC2\xB5m\t\xE2\x82\xAC");
    EXPECT_EQ(editor.document()->firstBlock().text(), QStringLiteral("x\u00A0\u00B5m\t\u20AC"));

    lines.ReplaceLine(1, "\xCE\xA9 \xE4\xB8\xAD");
    EXPECT_EQ(lines.Line(1), "\xCE\xA9 \xE4\xB8\xAD");
    EXPECT_EQ(editor.document()->findBlockByNumber(1).text(), QStringLiteral("\u03A9 \u4E2D"));
}
