// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/multiform_test.cpp: the main window at start-up, its layout pass and its end.
#include "common/version.h"
#include "layout/layout_state.h"
#include "qtgraph/caption_size.h"
#include "report/initial_results_text.h"
#include "support/shown_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The window's outer height as laid out; the data pane takes half of the client height then.
constexpr int DesignHeight = 404;

class Multiform : public test_support::ShownWindow {
protected:
    // Runs the event loop until the window ends it; a loop that does not end gives -1.
    int RunEventLoop()
    {
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(-1); });
        return QApplication::exec();
    }
};

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

TEST_F(Multiform, ShowsItsCaptionAndMenu)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("VARNEK32 -- 32-bit Varnekworks"));
    EXPECT_TRUE(window->isMaximized());

    const QList<QAction*> bar = window->menuBar()->actions();
    EXPECT_EQ(Captions(bar), (QStringList { "&File", "Forma&t", "Fit &Data", "&Help" }));
    EXPECT_EQ(Captions(File1()->actions()),
        (QStringList { "&New", "&Open", "&Import Table...", "-", "&Save", "Save &As",
            "Export &Graph...", "-", "Printer Se&tup", "&Print", "-", "E&xit" }));
    // Format and Fit Data act themselves: no menu drops down from them.
    EXPECT_EQ(MenuItem("Format1")->menu(), nullptr);
    EXPECT_EQ(MenuItem("FitData1")->menu(), nullptr);
}

TEST_F(Multiform, ShortcutsShowInTheMenuAndWorkFromTheDataPane)
{
    QStringList keys;
    for (const QAction* item : File1()->actions())
        if (!item->isSeparator())
            keys << item->shortcut().toString();
    EXPECT_EQ(keys,
        (QStringList {
            "Ctrl+N", "Ctrl+O", "Ctrl+I", "Ctrl+S", "Ctrl+Shift+S", "", "", "Ctrl+P", "Ctrl+Q" }));

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy save(MenuItem("Save1"), &QAction::triggered);
    DataLines().SetText("1 1\n2 3\n3 5\n");
    Memo1()->setFocus();
    QTest::keyClick(Memo1(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(save.count(), 1);
    // Ctrl+Return fits with the notebook hidden.
    QTest::keyClick(Memo1(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(window->workbench.fit.FitValid);
    EXPECT_EQ(DataLines().Text(), "1 1\n2 3\n3 5\n");
}

TEST_F(Multiform, AltChordsTypeNothingIntoThePanes)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const bool notebookShown : { false, true }) {
        for (QPlainTextEdit* editor : { Memo1(), Memo2() }) {
            SCOPED_TRACE(editor->objectName().toStdString()
                + (notebookShown ? ", notebook shown" : ", notebook hidden"));
            if (notebookShown)
                TabbedNotebook1()->ShowFitDataPage();
            editor->setPlainText(QStringLiteral("2 3.9"));
            editor->setFocus();
            editor->moveCursor(QTextCursor::End);
            // Show, Exit, Markers and keys nothing takes, also with Shift or Ctrl.
            QTest::keyClick(editor, Qt::Key_S, Qt::AltModifier);
            QTest::keyClick(editor, Qt::Key_X, Qt::AltModifier);
            QTest::keyClick(editor, Qt::Key_M, Qt::AltModifier);
            QTest::keyClick(editor, Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier);
            QTest::keyClick(editor, Qt::Key_7, Qt::AltModifier | Qt::ControlModifier);
            QTest::keyClick(editor, Qt::Key_Return, Qt::AltModifier);
            EXPECT_EQ(editor->toPlainText(), QStringLiteral("2 3.9"));
        }
    }
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Multiform, AltTAndAltDChooseFormatAndFitData)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy format(MenuItem("Format1"), &QAction::triggered);
    QSignalSpy fitData(MenuItem("FitData1"), &QAction::triggered);

    // The data pane has the focus and does not swallow the keys.
    QTest::keyClick(Memo1(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(format.count(), 1);
    EXPECT_EQ(fitData.count(), 0);
    QTest::keyClick(Memo1(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(fitData.count(), 1);
    EXPECT_EQ(format.count(), 1);
    EXPECT_TRUE(Memo1()->toPlainText().isEmpty());
}

TEST_F(Multiform, TheNotebookHasTheKeysUntilEscapeGivesThemBackToTheDataPane)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    DataLines().SetText("1 2");
    QTest::keyClick(Memo1(), Qt::Key_D, Qt::AltModifier);
    auto* fitType = TabbedNotebook1()->findChild<QComboBox*>(QStringLiteral("TabbedFitCombo"));
    ASSERT_TRUE(fitType->isAncestorOf(QApplication::focusWidget()));
    // Letters and tabs stay on the page over the pane.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Exp"));
    EXPECT_EQ(fitType->currentText(), QStringLiteral("Exp"));
    EXPECT_EQ(DataLines().Text(), "1 2");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(TabbedNotebook1()->isVisible());
    EXPECT_TRUE(Memo1()->hasFocus());
}

TEST_F(Multiform, HelpShowsTheKeysAndWhatTheProgramIs)
{
    MenuItem("Keys1")->trigger();
    MenuItem("About1")->trigger();
    ASSERT_EQ(dialogs->helpTitles, (std::vector<QString> { "Keys", "About Varnekworks" }));
    EXPECT_TRUE(dialogs->helpTexts[0].contains(QStringLiteral("Ctrl+Return")));
    for (const QString& part : { QStringLiteral("Varnekworks ") + common::ProgramVersion,
             QStringLiteral("GPL-3.0-or-later"), QStringLiteral("Qt ") + qVersion(),
             QStringLiteral("Boost 1."), QStringLiteral("GNU MPFR "), QStringLiteral("GNU MP ") })
        EXPECT_TRUE(dialogs->helpTexts[1].contains(part)) << part.toStdString();
}

TEST_F(Multiform, ResultsPaneShowsTheInstructions)
{
    EXPECT_EQ(ResultLines().Text(), report::InitialResultsText);
    EXPECT_EQ(ResultLines().LineCount(), 21);
    EXPECT_EQ(Memo2()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(Multiform, DataPaneStartsEmptyAndTakesTabs)
{
    EXPECT_EQ(DataLines().LineCount(), 0);
    EXPECT_EQ(Memo1()->lineWrapMode(), QPlainTextEdit::NoWrap);

    Memo1()->setFocus();
    QTest::keyClicks(Memo1(), QStringLiteral("1"));
    QTest::keyClick(Memo1(), Qt::Key_Tab);
    QTest::keyClicks(Memo1(), QStringLiteral("2"));
    EXPECT_EQ(DataLines().Text(), "1\t2");
    EXPECT_TRUE(Memo1()->hasFocus());
}

TEST_F(Multiform, ShiftReturnStartsANewLineInBothPanes)
{
    for (QPlainTextEdit* editor : { Memo1(), Memo2() }) {
        SCOPED_TRACE(editor->objectName().toStdString());
        editor->clear();
        editor->setFocus();
        QTest::keyClicks(editor, QStringLiteral("1 2"));
        QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(editor, QStringLiteral("3 4"));
        EXPECT_EQ(editor->document()->blockCount(), 2);
        EXPECT_EQ(editor->document()->firstBlock().text(), QStringLiteral("1 2"));
    }
}

TEST_F(Multiform, LabelsAndNotebookStartHidden)
{
    const struct {
        QLabel* label;
        const char* caption;
        QRect box;
    } labels[] = {
        { CoordinateLabel(), "", QRect(200, 0, 153, 17) },
        { TitleLabel(), "Title", QRect(400, 8, 28, 16) },
        { XAxisLabel(), "XAxisLabel", QRect(328, 232, 73, 16) },
        { YAxisLabel(), "YAxisLabel", QRect(208, 48, 74, 16) },
    };
    for (const auto& expected : labels) {
        SCOPED_TRACE(expected.label->objectName().toStdString());
        EXPECT_EQ(expected.label->text(), QString::fromLatin1(expected.caption));
        EXPECT_EQ(expected.label->pos(), expected.box.topLeft());
        // The legends size themselves to their captions in the window font.
        const QSize size = expected.label == CoordinateLabel()
            ? expected.box.size()
            : qtgraph::CaptionSize(
                window->font(), expected.label->text(), expected.label->wordWrap());
        EXPECT_EQ(expected.label->size(), size);
        EXPECT_FALSE(expected.label->isVisible());
        EXPECT_EQ(expected.label->parentWidget(), ClientArea());
        // Under the panes: a label left where a pane grows must not cover its text.
        const QObjectList& stack = ClientArea()->children();
        EXPECT_LT(stack.indexOf(expected.label), stack.indexOf(DataWindow()));
        EXPECT_LT(stack.indexOf(expected.label), stack.indexOf(FitResultsWindow()));
    }
    EXPECT_TRUE(YAxisLabel()->wordWrap());
    EXPECT_EQ(CoordinateLabel()->palette().color(QPalette::Window), QColor(Qt::white));

    QTabWidget* notebook = TabbedNotebook1();
    EXPECT_FALSE(notebook->isVisible());
    EXPECT_EQ(notebook->geometry(), QRect(48, 24, 321, 233));
    QStringList pages;
    for (int page = 0; page < notebook->count(); ++page)
        pages << notebook->tabText(page);
    EXPECT_EQ(pages, (QStringList { "Fit &Data", "&Colors", "&Titles", "&Markers" }));
}

TEST_F(Multiform, PanesFillTheLeftOfTheClientArea)
{
    const QRect data = DataWindow()->geometry();
    const QRect results = FitResultsWindow()->geometry();
    // The height was fixed at creation, before the window was maximised.
    const int creationClientHeight = DesignHeight - window->menuBar()->height();
    EXPECT_EQ(data, QRect(0, 0, 330, creationClientHeight / 2));
    EXPECT_GT(ClientArea()->height(), creationClientHeight);

    EXPECT_EQ(results, QRect(0, data.bottom() + 1, 330, ClientArea()->height() - data.height()));
    EXPECT_EQ(Memo1()->geometry(), QRect(QPoint(0, 0), data.size()));
    EXPECT_EQ(Memo2()->geometry(), QRect(QPoint(0, 0), results.size()));
    EXPECT_EQ(ClientArea()->geometry().top(), window->menuBar()->geometry().bottom() + 1);
}

TEST_F(Multiform, LayoutPassFollowsAResize)
{
    const QSize dataSize = DataWindow()->size();
    window->workbench.graph.YLabelMoved = true;
    window->showNormal();
    window->resize(700, 520);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->height() == 520; }));

    const QRect results = FitResultsWindow()->geometry();
    EXPECT_EQ(DataWindow()->size(), dataSize);
    EXPECT_EQ(results.top(), dataSize.height());
    EXPECT_EQ(results.bottom() + 1, ClientArea()->height());
    EXPECT_EQ(Memo2()->size(), results.size());
    EXPECT_FALSE(window->workbench.graph.YLabelMoved);
}

TEST_F(Multiform, StartsWithTheDefaults)
{
    const app::Workbench& state = window->workbench;
    EXPECT_EQ(state.points.PointCount, 0);
    EXPECT_FALSE(state.points.DataPresent);
    EXPECT_EQ(state.points.XMin, 0);
    EXPECT_EQ(state.points.YMax, 0);
    EXPECT_EQ(state.points.MarginPercent, 10);
    EXPECT_FALSE(state.points.SuppressZero);

    EXPECT_EQ(state.fit.FitType, fit::StraightLine);
    EXPECT_EQ(state.fit.FitOrder, 0);
    EXPECT_FALSE(state.fit.ZeroForce);
    EXPECT_FALSE(state.fit.FitValid);
    EXPECT_EQ(state.fit.ConstantCount, 0);

    EXPECT_EQ(state.report.PrecisionFlag, 0);
    EXPECT_EQ(state.report.XUnitsText, "XUnits");
    EXPECT_EQ(state.report.YUnitsText, "YUnits");

    EXPECT_EQ(state.graph.GraphMargin, 40);
    EXPECT_EQ(state.graph.BackgroundColor, 0x8000000Fu);
    EXPECT_EQ(state.graph.GraphColor, 0x00FFFFFFu);
    EXPECT_EQ(state.graph.TickColor, 0u);
    EXPECT_EQ(state.graph.MarkerColor, 0x000000FFu);
    EXPECT_EQ(state.graph.MarkerSize, 7);
    EXPECT_EQ(state.graph.MarkerType, graph::Circle);
    EXPECT_FALSE(state.graph.YLabelMoved);

    EXPECT_EQ(state.layout.PaneOffset, 0);
    EXPECT_EQ(state.layout.GripSize, 10);
    EXPECT_EQ(state.layout.DragMode, layout::ResizeMode::Width);
    EXPECT_FALSE(state.layout.Resizing);

    EXPECT_EQ(window->DecimalSeparator(), QLocale::system().decimalPoint().toStdString());
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(Multiform, HoldsTheWorkingStorageUntilDestroyed)
{
    const fit::FitState& fit = window->workbench.fit;
    const struct {
        const char* name;
        const fit::WorkingMatrix& matrix;
        int rows;
        int columns;
    } matrices[] = {
        { "SolveMatrix", fit.SolveMatrix, 16, 16 },
        { "InverseMatrix", fit.InverseMatrix, 16, 16 },
        { "NormalMatrix", fit.NormalMatrix, 16, 16 },
        { "DesignTranspose", fit.DesignTranspose, 16, 600 },
        { "PseudoInverse", fit.PseudoInverse, 16, 600 },
        { "DesignMatrix", fit.DesignMatrix, 600, 16 },
    };
    for (const auto& expected : matrices) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(expected.matrix.Rows(), expected.rows);
        EXPECT_EQ(expected.matrix.Columns(), expected.columns);
    }

    window->workbench.fit.FitValid = true;
    window->workbench.points.DataPresent = true;
    window->FormDestroy();
    EXPECT_FALSE(fit.FitValid);
    EXPECT_FALSE(window->workbench.points.DataPresent);
    for (const auto& expected : matrices) {
        SCOPED_TRACE(expected.name);
        EXPECT_FALSE(expected.matrix.IsAllocated());
    }
}

TEST_F(Multiform, RepaintReadsTheDataPane)
{
    DataLines().SetText("1 2\n3 4\n");
    ClientArea()->update();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->workbench.points.DataPresent; }));
}

TEST_F(Multiform, RepaintDuringAPaneResizeReadsNothing)
{
    window->workbench.layout.Resizing = true;
    DataLines().SetText("1 2\n3 4\n");
    window->FormPaint();
    EXPECT_FALSE(window->workbench.points.DataPresent);

    window->workbench.layout.Resizing = false;
    window->FormPaint();
    EXPECT_TRUE(window->workbench.points.DataPresent);
}

TEST_F(Multiform, ExitEndsTheEventLoopWithZero)
{
    QTimer::singleShot(0, window.get(), [this] { MenuItem("Exit1")->trigger(); });
    EXPECT_EQ(RunEventLoop(), 0);
}

TEST_F(Multiform, ClosingTheWindowEndsTheEventLoopWithZero)
{
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    EXPECT_EQ(RunEventLoop(), 0);
}

} // namespace
