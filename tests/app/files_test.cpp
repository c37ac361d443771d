// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/files_test.cpp: New, Open, Save and Save As against real files: captions, the
// current file, the bytes written and read, and the failures.
#include "app/pane_filler.h"
#include "app/qt_data_file.h"
#include "file_window_fixture.h"
#include "support/write_failures.h"

#include <QAction>
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

using namespace std::string_literals;

namespace {

const QString OpenedCaption = QStringLiteral("VARNEK -- Varnekworks: ");

using Files = FileWindow;

TEST_F(Files, CancelledOpenKeepsTheFileButDropsTheCurve)
{
    const QString path = WriteFile("run.dat", "1 2\r\n3 5\r\n");
    Open(path);
    EXPECT_EQ(PaneText(), "1 2\n3 5\n");
    EXPECT_EQ(window->windowTitle(), OpenedCaption + "run.dat");
    EXPECT_EQ(window->CurrentFileName(), path);
    EXPECT_EQ(window->workbench.points.PointCount, 2);
    EXPECT_TRUE(window->workbench.points.DataPresent);

    window->workbench.fit.FitValid = true;
    window->workbench.points.PointCount = 0;
    Open(QString());
    EXPECT_EQ(PaneText(), "1 2\n3 5\n");
    EXPECT_EQ(window->windowTitle(), OpenedCaption + "run.dat");
    EXPECT_EQ(window->CurrentFileName(), path);
    EXPECT_FALSE(window->workbench.fit.FitValid);
    // The pane was read again all the same.
    EXPECT_EQ(window->workbench.points.PointCount, 2);
    // The open dialog starts from the current file.
    EXPECT_EQ(dialogs->openStartPaths, (std::vector<QString> { QString(), path }));
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Files, OpensALongFileASliceAtATimeAndSavesItWhole)
{
    std::string bytes = "x y\r\n";
    for (int line = 1; line < app::PaneFiller::FirstLines + 50000; ++line)
        bytes += std::to_string(line) + " " + std::to_string(line % 7) + "\r\n";
    const QString path = WriteFile("long.dat", bytes);
    Open(path);
    // The first lines and the last (empty) one are in and read at once, the first one marked;
    // the pane takes typing meanwhile.
    EXPECT_FALSE(Memo1()->isReadOnly());
    EXPECT_EQ(DataLines().Line(1), "1 1");
    EXPECT_TRUE(window->workbench.points.DataPresent);
    const int shown = Memo1()->document()->blockCount();
    EXPECT_LT(shown, app::PaneFiller::FirstLines + 50000);
    // Unedited, Save writes the file as it was opened, whatever is still to come.
    MenuItem("Save1")->trigger();
    EXPECT_EQ(ReadFile(path), bytes);

    // Typed on the last line, text stays there and in view while the lines between come in.
    Memo1()->moveCursor(QTextCursor::End);
    QTest::keyClicks(Memo1(), QStringLiteral("7 7"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Memo1()->document()->blockCount() > shown; }));
    EXPECT_TRUE(Memo1()->viewport()->rect().contains(Memo1()->cursorRect()));
    // Save puts in the rest first.
    MenuItem("Save1")->trigger();
    EXPECT_EQ(ReadFile(path), bytes + "7 7");
    EXPECT_EQ(DataLines().LineCount(), app::PaneFiller::FirstLines + 50001);
    EXPECT_FALSE(Memo1()->document()->isUndoAvailable());
    // The unread first line and the unused lines after it, to the end of the whole text.
    const QList<QTextEdit::ExtraSelection> marks = Memo1()->extraSelections();
    ASSERT_EQ(marks.size(), 3);
    EXPECT_EQ(marks.front().cursor.selectionEnd(), Memo1()->document()->characterCount() - 1);
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Files, SaveWithoutAFileIsSaveAs)
{
    DataLines().SetText("1 2\n3 4");
    dialogs->saveAnswers.push_back(QString());
    MenuItem("Save1")->trigger();
    EXPECT_EQ(dialogs->saveStartPaths.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(window->CurrentFileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("VARNEK32 -- 32-bit Varnekworks"));

    const QString path = PathOf("out.dat");
    dialogs->saveAnswers.push_back(path);
    MenuItem("Save1")->trigger();
    // No line break is added after the last line.
    EXPECT_EQ(ReadFile(path), "1 2\r\n3 4");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("out.dat"));
    EXPECT_EQ(window->CurrentFileName(), path);

    // Now Save writes to the current file without asking; the caption stays.
    DataLines().SetText("5 6\n");
    MenuItem("Save1")->trigger();
    EXPECT_EQ(dialogs->saveStartPaths.size(), 2u);
    EXPECT_EQ(ReadFile(path), "5 6\r\n");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("out.dat"));
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Files, CaptionsNameTheFileWithoutItsDirectory)
{
    const struct {
        const char* name;
        QString fileName;
        QString shown;
    } cases[] = {
        { "plain name", "run.dat", "run.dat" },
        { "backslash", "data\\run2.fil", "run2.fil" },
        { "colon after backslash", "a\\b:c.dat", "c.dat" },
        { "backslash after colon", "a:b\\c", "c" },
        { "ends in a colon", "weird:", "" },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        DataLines().SetText("1 2\n");
        const QString path = PathOf(expected.fileName);
        SaveAs(path);
        EXPECT_EQ(window->windowTitle(), expected.shown);
        Open(path);
        EXPECT_EQ(window->windowTitle(), OpenedCaption + expected.shown);
        EXPECT_EQ(PaneText(), "1 2\n");
    }
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Files, OpenedAndSavedFileComesBackByteForByte)
{
    // Characters that Qt's text conversions would change on the way into the editor and back.
    const struct {
        const char* name;
        std::string bytes;
        std::string paneText;
    } cases[] = {
        { "UTF-8 with a no-break space, U+2028 and control characters",
            "1\xC2\xA0 2 \xE2\x80\xA8\r\n\x01\x0B\x0C\x7F\r\n",
            "1\xC2\xA0 2 \xE2\x80\xA8\n\x01\x0B\x0C\x7F\n" },
        { "two byte order marks",
            "\xEF\xBB\xBF\xEF\xBB\xBF"
            "1 2",
            "\xEF\xBB\xBF"
            "1 2" },
        { "not UTF-8: read as Latin-1", "1\xE9 2\xA0\r\n\xFF\x80",
            "1\xC3\xA9 2\xC2\xA0\n\xC3\xBF\xC2\x80" },
        { "UTF-16 with a byte order mark after its own",
            "\xFF\xFE\xFF\xFE"
            "1\0 \0"
            "2\0"s,
            "\xEF\xBB\xBF"
            "1 2" },
        // Shown as line breaks, yet written back as they were.
        { "U+2029, U+FDD0 and U+FDD1", "1 2\xE2\x80\xA9\xEF\xB7\x90\xEF\xB7\x91\r\n3 4",
            "1 2\n\n\n\n3 4" },
    };
    for (const auto& file : cases) {
        SCOPED_TRACE(file.name);
        const QString path = WriteFile("round.dat", file.bytes);
        Open(path);
        EXPECT_EQ(PaneText(), file.paneText);
        WriteFile("round.dat", "overwritten");
        MenuItem("Save1")->trigger();
        EXPECT_EQ(ReadFile(path), file.bytes);
        // The pane counts as unchanged: New asks nothing.
        MenuItem("New1")->trigger();
        EXPECT_TRUE(dialogs->saveChangesNames.empty());
    }
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Files, LineBreakCharactersAreToldOnceAndBecomeBreaksOnlyInAChangedText)
{
    Open(WriteFile("marks.dat",
        "1 2\xE2\x80\xA9"
        "3 4"));
    ASSERT_EQ(dialogs->informationTexts.size(), 1u);
    EXPECT_TRUE(dialogs->informationTexts[0].contains(QStringLiteral("U+2029")));
    Memo1()->moveCursor(QTextCursor::End);
    QTest::keyClicks(Memo1(), QStringLiteral("5"));
    MenuItem("Save1")->trigger();
    EXPECT_EQ(ReadFile(PathOf("marks.dat")), "1 2\r\n3 45");
    EXPECT_EQ(dialogs->informationTexts.size(), 1u);
}

TEST_F(Files, NewMakesThePaneUntitledSoSaveAsksForAName)
{
    const QString path = WriteFile("keep.dat", "1 2\r\n3 4");
    Open(path);
    window->workbench.fit.FitValid = true;
    MenuItem("New1")->trigger();
    EXPECT_EQ(PaneText(), "");
    EXPECT_FALSE(window->workbench.fit.FitValid);
    EXPECT_EQ(window->windowTitle(), "VARNEK32 -- 32-bit Varnekworks");
    EXPECT_EQ(window->CurrentFileName(), "");

    DataLines().SetText("1 1");
    dialogs->saveAnswers.push_back(QString());
    MenuItem("Save1")->trigger();
    // Save ran Save As, starting in the old file's folder; cancelled, it wrote nothing.
    EXPECT_EQ(dialogs->saveStartPaths, (std::vector<QString> { QFileInfo(path).absolutePath() }));
    EXPECT_EQ(ReadFile(path), "1 2\r\n3 4");
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Files, FailedOpenChangesNothing)
{
    const QString good = WriteFile("good.dat", "1 2\r\n3 4\r\n");
    QFile tooLong(PathOf("long.dat"));
    ASSERT_TRUE(tooLong.open(QIODevice::WriteOnly));
    ASSERT_TRUE(tooLong.resize(data::MemoCapacity + 1));
    tooLong.close();
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.dat"));
    // Saved back, it would end at the zero.
    const QString binary = WriteFile("binary.dat", "1 2\r\n3\0 4"s);
    // Opening it would wait for a writer for ever.
    const QString fifo = PathOf("fifo.dat");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);

    const struct {
        const char* name;
        QString path;
        QString message;
    } cases[] = {
        { "missing", PathOf("missing.dat"),
            "Cannot open file " + PathOf("missing.dat") + ": " + std::strerror(ENOENT) + "." },
        { "a folder", PathOf("folder.dat"),
            "Cannot open file " + PathOf("folder.dat") + ": " + std::strerror(EISDIR) + "." },
        { "too long", tooLong.fileName(),
            "Text exceeds memo capacity.\nIt holds more than 16 MiB; at most 16 MiB of text is "
            "read." },
        { "not text", binary, "The file is not a text file: it holds a character of code 0." },
        { "a FIFO", fifo, "Cannot open file " + fifo + ".\nIt is not a regular file." },
        // Endless.
        { "a device", "/dev/zero", "Cannot open file /dev/zero.\nIt is not a regular file." },
    };
    for (const auto& failing : cases) {
        SCOPED_TRACE(failing.name);
        Open(good);
        window->workbench.fit.FitValid = true;
        dialogs->errorTexts.clear();

        Open(failing.path);
        EXPECT_EQ(dialogs->errorTexts, (std::vector<QString> { failing.message }));
        EXPECT_EQ(PaneText(), "1 2\n3 4\n");
        EXPECT_EQ(window->windowTitle(), OpenedCaption + "good.dat");
        EXPECT_EQ(window->CurrentFileName(), good);
        EXPECT_TRUE(window->workbench.fit.FitValid);

        // So Save still writes the pane to the file it came from.
        MenuItem("Save1")->trigger();
        EXPECT_EQ(ReadFile(good), "1 2\r\n3 4\r\n");
    }
}

TEST_F(Files, FailedSaveChangesNeitherCaptionNorFile)
{
    const QString path = WriteFile("run.dat", "1 2\r\n");
    Open(path);
    const QString unwritable = PathOf("no such folder/out.dat");

    const QString missing = QString(": ") + std::strerror(ENOENT) + ".";
    SaveAs(unwritable);
    EXPECT_EQ(dialogs->errorTexts,
        (std::vector<QString> { "Cannot create file " + unwritable + missing }));
    EXPECT_EQ(window->windowTitle(), OpenedCaption + "run.dat");
    EXPECT_EQ(window->CurrentFileName(), path);

    // The current file's folder disappears: Save reports it.
    QDir(folder.path()).mkdir("gone");
    const QString gone = PathOf("gone/run.dat");
    SaveAs(gone);
    ASSERT_EQ(window->CurrentFileName(), gone);
    ASSERT_TRUE(QDir(PathOf("gone")).removeRecursively());
    dialogs->errorTexts.clear();
    MenuItem("Save1")->trigger();
    EXPECT_EQ(
        dialogs->errorTexts, (std::vector<QString> { "Cannot create file " + gone + missing }));
}

TEST_F(Files, SaveThatCannotFinishLeavesTheOldFileWhole)
{
    const QString path = WriteFile("run.dat", "1 2");
    Open(path);
    DataLines().SetText(std::string(4000, '7'));
    {
        test_support::FileSizeLimit diskFullAfter(100);
        MenuItem("Save1")->trigger();
        // In a folder that takes no new file nothing is written in place either; the message
        // says why.
        test_support::UnwritableFolder readOnly(folder.path().toStdString());
        ASSERT_TRUE(readOnly.active) << "the folder cannot be made unwritable here";
        MenuItem("Save1")->trigger();
    }
    ASSERT_EQ(dialogs->errorTexts.size(), 2u);
    EXPECT_EQ(
        dialogs->errorTexts[0], "Cannot create file " + path + ": " + std::strerror(EFBIG) + ".");
    EXPECT_TRUE(dialogs->errorTexts[1].startsWith("Cannot create file " + path + ": its folder"));
    EXPECT_EQ(ReadFile(path), "1 2");
}

TEST_F(Files, ChangedPaneIsOfferedForSavingBeforeItIsReplaced)
{
    using Answer = app::SaveChangesAnswer;
    // No file yet: Save is Save As, and cancelling that cancels the command.
    DataLines().SetText("7 8");
    dialogs->saveChangesAnswers = { Answer::Save };
    MenuItem("New1")->trigger();
    EXPECT_EQ(dialogs->saveChangesNames, (std::vector<QString> { "Untitled" }));
    EXPECT_EQ(PaneText(), "7 8");

    const QString path = WriteFile("run.dat", "1 2");
    const struct {
        const char* command;
        Answer answer;
        std::string paneAfter;
        std::string fileAfter;
    } cases[] = {
        { "New1", Answer::Save, "", "1 2 3" },
        { "New1", Answer::Discard, "", "1 2" },
        { "Open1", Answer::Cancel, "1 2 3", "1 2" },
        { "Exit1", Answer::Cancel, "1 2 3", "1 2" },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.command);
        Open(WriteFile("run.dat", "1 2"));
        dialogs->saveChangesNames.clear();
        // Nothing changed: nothing to ask.
        MenuItem("New1")->trigger();
        Open(path);
        EXPECT_TRUE(dialogs->saveChangesNames.empty());
        Memo1()->moveCursor(QTextCursor::End);
        QTest::keyClicks(Memo1(), QStringLiteral(" 3"));
        dialogs->saveChangesAnswers = { expected.answer };
        MenuItem(expected.command)->trigger();
        EXPECT_EQ(dialogs->saveChangesNames, (std::vector<QString> { "run.dat" }));
        EXPECT_EQ(PaneText(), expected.paneAfter);
        EXPECT_EQ(ReadFile(path), expected.fileAfter);
    }
    // Closing the window asks too; Cancel keeps it open.
    dialogs->saveChangesAnswers = { Answer::Cancel };
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs->saveChangesNames.size(), 2u);
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

} // namespace
