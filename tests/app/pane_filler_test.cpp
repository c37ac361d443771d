// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/pane_filler_test.cpp: a long text filled into an editor ends as the text set at
// once, and edits made meanwhile keep their place.
#include "app/pane_filler.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using app::PaneFiller;

// The lines a filled text has beyond the first ones.
constexpr int LaterLines = 5000;

// Lines "1 1", "2 2", ... with lineBreak after each of the first FirstLines + LaterLines, then
// last as the last line.
QString LongText(const QString& lineBreak, const QString& last)
{
    QString text;
    for (int line = 1; line <= PaneFiller::FirstLines + LaterLines; ++line)
        text += QString::number(line) + QLatin1Char(' ') + QString::number(line) + lineBreak;
    return text + last;
}

QString LastLine(const QPlainTextEdit& editor) { return editor.document()->lastBlock().text(); }

TEST(PaneFiller, EndsWithTheTextSetAtOnceWhateverItsBreaks)
{
    // Line breaks the editor takes two characters for one, or that break a line inside it, and
    // texts that end with a break, with an empty line, or with a line of breaks of its own.
    const struct {
        const char* name;
        QString lineBreak;
        QString last;
    } cases[] = {
        { "plain, last line", QStringLiteral("\n"), QStringLiteral("end 1") },
        { "final break", QStringLiteral("\n"), QString() },
        { "return and line feed", QStringLiteral("\r\n"), QStringLiteral("a\r\nb") },
        { "paragraph separators", QStringLiteral(" \u2029 \n"), QStringLiteral("x\u2029y\rz") },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const QString text = LongText(testCase.lineBreak, testCase.last);
        QPlainTextEdit atOnce;
        atOnce.setPlainText(text);

        QPlainTextEdit editor;
        PaneFiller filler(editor);
        filler.Fill(text);
        ASSERT_TRUE(filler.Filling());
        EXPECT_EQ(LastLine(editor), LastLine(atOnce));
        EXPECT_LT(editor.document()->blockCount(), atOnce.document()->blockCount());
        filler.Finish();
        EXPECT_FALSE(filler.Filling());
        EXPECT_FALSE(filler.EditedWhileFilling());
        EXPECT_EQ(editor.toPlainText(), atOnce.toPlainText());
        EXPECT_FALSE(editor.document()->isUndoAvailable());
    }
}

TEST(PaneFiller, EditsMadeWhileFillingKeepTheirPlace)
{
    QPlainTextEdit editor;
    PaneFiller filler(editor);
    filler.Fill(LongText(QStringLiteral("\n"), QStringLiteral("end 1")));
    // Typed at the start of the first line and of the last one, where the lines to come go in.
    QTextCursor(editor.document()).insertText(QStringLiteral("0"));
    editor.moveCursor(QTextCursor::End);
    editor.moveCursor(QTextCursor::StartOfLine);
    editor.insertPlainText(QStringLiteral("the "));
    EXPECT_TRUE(filler.EditedWhileFilling());
    EXPECT_FALSE(editor.document()->isUndoAvailable());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !filler.Filling(); }));
    const QTextDocument& document = *editor.document();
    EXPECT_EQ(document.blockCount(), PaneFiller::FirstLines + LaterLines + 1);
    EXPECT_EQ(document.firstBlock().text(), QStringLiteral("01 1"));
    const QString firstToCome = QString::number(PaneFiller::FirstLines + 1);
    EXPECT_EQ(document.findBlockByNumber(PaneFiller::FirstLines).text(),
        firstToCome + QLatin1Char(' ') + firstToCome);
    EXPECT_EQ(LastLine(editor), QStringLiteral("the end 1"));
    // The caret stayed on the line it typed on; undo takes what is typed from now on.
    EXPECT_EQ(editor.textCursor().block(), document.lastBlock());
    editor.insertPlainText(QStringLiteral("!"));
    EXPECT_TRUE(document.isUndoAvailable());

    // A new fill replaces all, and starts without edits.
    filler.Fill(QStringLiteral("1 2"));
    EXPECT_FALSE(filler.Filling());
    EXPECT_FALSE(filler.EditedWhileFilling());
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("1 2"));
}

} // namespace
