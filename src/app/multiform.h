// src/app/multiform.h: the main window, owner of every control and of the workbench state.
#pragma once

#include "app/dialogs.h"
#include "app/qt_text_lines.h"
#include "app/workbench.h"
#include "graph/window_geometry.h"
#include "options/options_notebook.h"

#include <QImage>
#include <QMainWindow>

#include <memory>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace app {

class ClientSurface;
class WindowNotebookHost;

class TMultiform : public QMainWindow {
    Q_OBJECT

public:
    // Creates the window from its layout (540 x 404, not yet shown) and runs FormCreate.
    // Without dialogs, Qt's own are used.
    explicit TMultiform(std::unique_ptr<Dialogs> dialogs = nullptr);
    // Runs FormDestroy.
    ~TMultiform() override;

    // The window-wide variables, read and written directly by the handlers.
    Workbench workbench;

    // Components, under the names of the window's layout. The client area is the window's own
    // surface below the menu bar: the panes, labels and notebook lie on it and the graph is
    // drawn on it.
    ClientSurface* ClientArea = nullptr;
    QWidget* DataWindow = nullptr;
    QWidget* FitResultsWindow = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* CoordinateLabel = nullptr;
    QLabel* TitleLabel = nullptr;
    QLabel* XAxisLabel = nullptr;
    QLabel* YAxisLabel = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    options::OptionsNotebook* TabbedNotebook1 = nullptr;

    // Menu items.
    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* PrinterSetup1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Format1 = nullptr;
    QAction* FitData1 = nullptr;

    // Creation: the start-up values, the working storage, the data pane's height and the
    // first layout pass.
    void FormCreate(QObject* sender);
    // Destruction: releases the working storage.
    void FormDestroy(QObject* sender);
    // Layout pass: places the panes and their editors, then runs the repaint pass.
    void Reallocate(QObject* sender);
    // Repaint pass: unless a pane resize is in progress, reads the data pane and draws.
    void FormPaint(QObject* sender);
    // Drawing pass of the window: draws the graph from the current state onto the client area.
    void DrawGraph(QObject* sender);
    // File, Exit: ends the event loop with exit code 0.
    void Exit1Click(QObject* sender);

    // Repaint pass and drawing
    // Reads the data pane (Memo1) into the point store, with the plotted ranges.
    void CalculateData();
    // The fit command of the four Show buttons and of the extra-digit option: reads, checks,
    // fits, writes the report into Memo2 and redraws. Information messages go to the
    // information box; failures pass out to the general error report.
    void TabbedFitShowClick(QObject* sender);
    // "Forma&t" and "Fit &Data": show the options notebook on its Titles or Fit Data page.
    void Format1Click(QObject* sender);
    void FitData1Click(QObject* sender);
    // What the client area shows below its panes and labels: the graph of the last drawing
    // pass, or the bare background before the first one.
    const QImage& GraphImage() const { return m_graphImage; }
    // The outer size of the window, its client size and the data pane's place, as the drawing
    // pass lays the graph out in them.
    graph::WindowGeometry DrawingGeometry() const;

    Dialogs& UserDialogs() { return *m_dialogs; }
    // The data pane (Memo1) and the results pane (Memo2) as editor lines.
    common::TextLines& DataLines();
    common::TextLines& ResultLines();
    // The user's decimal separator as UTF-8, read at start-up and on every locale change.
    const std::string& DecimalSeparator() const { return m_decimalSeparator; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateComponents();
    void CreateMenu();
    // Connects a menu item to a handler, through the general error report.
    void ConnectGuarded(QAction* action, void (TMultiform::*handler)(QObject*));

    std::unique_ptr<Dialogs> m_dialogs;
    std::unique_ptr<QtTextLines> m_dataLines;
    std::unique_ptr<QtTextLines> m_resultLines;
    std::string m_decimalSeparator;

    // Repaint pass and drawing
    // Alt+T and Alt+D stay the menu's while the notebook's tabs carry the same access keys, and
    // hiding the notebook repaints the client area.
    void ConnectNotebook();
    // Keeps the graph image the size of the client area, with what it showed at its top-left
    // and the window's own colour beyond.
    void FitGraphImageToClientArea();
    std::unique_ptr<WindowNotebookHost> m_notebookHost;
    QImage m_graphImage;
};

} // namespace app
