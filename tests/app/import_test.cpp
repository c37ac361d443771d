// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/import_test.cpp: tables brought into the data pane through Import Table, a drop on
// the window and a file given at start.
#include "app/import_table_dialog.h"
#include "file_window_fixture.h"

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using Import = FileWindow;

// A logger's export: a comment, a header, semicolons and decimal commas, a row without y.
constexpr char LoggerTable[] = "# logger 7\r\ntime;temp;dist\r\n0;20,1;2,5\r\n1;20,3;3,25\r\n"
                               "2;20,2;\r\n3;20,0;4,75\r\n";

// Drops the file at path on widget, as a file manager's drag does.
void DropFile(QWidget* widget, const QString& path)
{
    QMimeData source;
    source.setUrls({ QUrl::fromLocalFile(path) });
    source.setText(QUrl::fromLocalFile(path).toString());
    const QPointF at(10, 10);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &source, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &source, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    EXPECT_TRUE(drop.isAccepted());
    // The file is opened once the drop is over.
    QTest::qWait(0);
}

TEST_F(Import, PutsTheChosenColumnsIntoANewUntitledPane)
{
    Open(WriteFile("old.dat", "5 5\r\n"));
    const QString path = WriteFile("run.csv", LoggerTable);
    dialogs->importAnswers.push_back(path);
    QString summary;
    dialogs->importChoices = [&](app::ImportTableDialog& dialog) {
        // Detected: semicolons, decimal commas, one header row; x and y the first two columns.
        EXPECT_EQ(dialog.findChild<QComboBox*>("DelimiterBox")->currentText(), "Semicolon");
        EXPECT_EQ(dialog.findChild<QComboBox*>("DecimalSeparatorBox")->currentText(), "Comma (,)");
        QComboBox* yColumn = dialog.findChild<QComboBox*>("YColumnBox");
        EXPECT_EQ(yColumn->itemText(2), "3: dist");
        yColumn->setCurrentIndex(2);
        summary = dialog.findChild<QLabel*>("SummaryLabel")->text();
        return true;
    };
    QTest::keyClick(Memo1(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(dialogs->importDialogCount, 1);
    EXPECT_EQ(summary, "3 points; row 5 is left out: column 3 is empty.");
    EXPECT_EQ(PaneText(), "0 2.5\n1 3.25\n3 4.75\n");
    // A new document: Save asks for a name, and the table itself is never written.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("VARNEK32 -- 32-bit Varnekworks"));
    EXPECT_TRUE(window->CurrentFileName().isEmpty());
    EXPECT_EQ(window->workbench.points.PointCount, 3);
    EXPECT_EQ(ReadFile(path), LoggerTable);
    dialogs->saveChangesAnswers.push_back(app::SaveChangesAnswer::Cancel);
    MenuItem("New1")->trigger();
    EXPECT_EQ(dialogs->saveChangesNames, (std::vector<QString> { "Untitled" }));
}

TEST_F(Import, ADroppedFileIsOpenedNeverTyped)
{
    // A plain data file opens as Open opens it; a table goes through the Import dialog; the
    // question about a changed pane comes first.
    const QString plain = WriteFile("run.dat", "1 2\r\n3 5\r\n");
    DropFile(Memo1()->viewport(), plain);
    EXPECT_EQ(PaneText(), "1 2\n3 5\n");
    EXPECT_EQ(window->CurrentFileName(), plain);

    DataLines().SetText("7 7\n");
    dialogs->saveChangesAnswers.push_back(app::SaveChangesAnswer::Discard);
    DropFile(ClientArea(), WriteFile("run.csv", LoggerTable));
    EXPECT_EQ(dialogs->saveChangesNames, (std::vector<QString> { "run.dat" }));
    EXPECT_EQ(dialogs->importDialogCount, 1);
    EXPECT_EQ(PaneText(), "0 20.1\n1 20.3\n2 20.2\n3 20\n");
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Import, AFileGivenAtStartWhoseFirstLineIsNoPairIsATable)
{
    window->OpenGivenFile(WriteFile("notes.dat", "# run 3\n1 2\n3 4\n"));
    EXPECT_EQ(dialogs->importDialogCount, 1);
    EXPECT_EQ(PaneText(), "1 2\n3 4\n");
    window->OpenGivenFile(PathOf("missing.csv"));
    EXPECT_EQ(dialogs->errorTexts,
        (std::vector<QString> {
            "Cannot open file " + PathOf("missing.csv") + ": No such file or directory." }));
}

} // namespace
