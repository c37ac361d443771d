// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform_options.cpp: the fit command of the Show buttons and the menu commands that
// show the options notebook.
#include "app/multiform.h"

#include "app/client_surface.h"
#include "app/qt_text_lines.h"
#include "fit/fit_command.h"
#include "fit/fit_statistics.h"
#include "options/options_notebook.h"
#include "report/lsq_results_to_screen.h"
#include "report/statistics_text.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeySequence>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string>
#include <vector>

namespace app {

namespace {

    // The notebook's tabs "Fit &Data" and "&Titles" share Alt+D and Alt+T with the menu items
    // "Fit &Data" and "Forma&t". Qt would hand such a key to the tab bar and the menu bar in
    // turn; the menu item takes it every time instead, which shows the same page.
    class MenuKeysFirst : public QObject {
    public:
        MenuKeysFirst(QObject* parent, std::initializer_list<QAction*> items)
            : QObject(parent)
            , m_items(items)
        {
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() != QEvent::Shortcut)
                return QObject::eventFilter(watched, event);
            const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
            for (QAction* item : m_items) {
                if (QKeySequence::mnemonic(item->text()) == key) {
                    item->trigger();
                    return true;
                }
            }
            return false;
        }

    private:
        std::vector<QAction*> m_items;
    };

    // The notebook lies over the panes, so hiding it uncovers no part of the drawing surface
    // and Qt would not repaint it; the window repaints in any case, which drops a curve whose
    // fit is no longer valid. The keys the notebook had go back to the data pane.
    class WhenNotebookHidden : public QObject {
    public:
        WhenNotebookHidden(QObject* parent, QWidget& surface, QWidget& dataPane)
            : QObject(parent)
            , m_surface(surface)
            , m_dataPane(dataPane)
        {
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Hide) {
                m_surface.update();
                const QWidget* focus = QApplication::focusWidget();
                auto* notebook = static_cast<QWidget*>(watched);
                if (focus == nullptr || notebook->isAncestorOf(focus))
                    m_dataPane.setFocus(Qt::OtherFocusReason);
            }
            return QObject::eventFilter(watched, event);
        }

    private:
        QWidget& m_surface;
        QWidget& m_dataPane;
    };

} // namespace

void TMultiform::ConnectNotebook()
{
    auto* tabs = TabbedNotebook1->findChild<QTabBar*>();
    tabs->installEventFilter(new MenuKeysFirst(this, { Format1, FitData1 }));
    TabbedNotebook1->installEventFilter(new WhenNotebookHidden(this, *ClientArea, *Memo1));
}

void TMultiform::TabbedFitShowClick()
{
    ReadDataPane();
    const fit::FitOutcome outcome = fit::CheckAndFit(
        workbench.points, workbench.fit, [this](const fit::Information& shown) {
            QString text = QString::fromUtf8(shown.Message.data(), qsizetype(shown.Message.size()));
            // The reason, in plain words, on a second line.
            if (!shown.Reason.empty())
                text += QLatin1Char('\n') + QString::fromStdString(shown.Reason);
            m_dialogs->Information(this, text);
        });
    if (outcome != fit::FitOutcome::Fitted)
        return;
    // The curve belongs to these points; the report, once written, too.
    m_fittedPoints = workbench.points;
    workbench.graph.FitCurveStale = false;
    m_staleNoteLine = common::TextLines::NoLine;
    int statisticsLines = 0;
    {
        // Each report starts a new undo history of the results pane, also one that fails half
        // way: undo never reaches back into an earlier report.
        const QtTextLines::NewUndoHistory history(*m_resultLines);
        report::LsqResultsToScreen(workbench.fit, workbench.report, *m_resultLines);
        if (workbench.report.StatisticsShown)
            statisticsLines = WriteStatisticsUnderReport();
    }
    // Constants on lines 2 to ConstantCount + 1, the statistics, then an empty line, then the
    // note's line.
    m_staleNoteLine = workbench.fit.ConstantCount + 3 + statisticsLines;
    // FitValid is set: the graph is drawn with the fitted curve.
    DrawGraphOnClientArea();
}

int TMultiform::WriteStatisticsUnderReport()
{
    const std::vector<std::string> lines
        = report::StatisticsLines(fit::FitStatisticsOf(workbench.points, workbench.fit),
            workbench.fit.FitType, report::PaneStatisticsDigits);
    const int firstLine = workbench.fit.ConstantCount + 2;
    const int lineCount = static_cast<int>(lines.size());
    // The pane grows by the lines they need and those of the note of a changed fit.
    QTextDocument& document = *Memo2->document();
    const int needed = firstLine + lineCount + 2;
    if (document.blockCount() < needed) {
        QTextCursor end(&document);
        end.movePosition(QTextCursor::End);
        end.insertText(QString(needed - document.blockCount(), QLatin1Char('\n')));
    }
    // The values stand at one tab stop, past the longest name.
    const QFontMetrics metrics(Memo2->font());
    int widestName = 0;
    for (int index = 0; index < lineCount; ++index) {
        const std::string& line = lines[static_cast<std::size_t>(index)];
        m_resultLines->ReplaceLine(firstLine + index, line);
        widestName = std::max(widestName,
            metrics.horizontalAdvance(QString::fromStdString(line.substr(0, line.find('\t')))));
    }
    Memo2->setTabStopDistance(widestName + metrics.horizontalAdvance(QStringLiteral("  ")));
    return lineCount;
}

void TMultiform::Format1Click() { TabbedNotebook1->ShowTitlesPage(); }

void TMultiform::FitData1Click() { TabbedNotebook1->ShowFitDataPage(); }

} // namespace app
