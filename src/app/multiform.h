// src/app/multiform.h: the main window, owner of every control and of the workbench state.
#pragma once

#include "app/dialogs.h"
#include "app/qt_data_file.h"
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
class QMimeData;
class QPlainTextEdit;

namespace app {

class ClientSurface;
class MouseEventRouter;
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
    // The drawing pass into the client area's image, which is then shown: the graph from the
    // current state with the legend labels placed.
    void DrawGraphOnClientArea();
    // File, Exit: ends the event loop with exit code 0.
    void Exit1Click(QObject* sender);

    // File and print commands
    // File, New: empties the data pane and drops the fitted curve; nothing is redrawn at once.
    // The current file name, the caption and the results pane stay.
    void New1Click(QObject* sender);
    // File, Open: loads the chosen file into the data pane and names it in the caption; then,
    // confirmed or cancelled, drops the fitted curve, reads the pane and draws. A file that
    // cannot be read or is too long throws before anything has changed.
    void Open1Click(QObject* sender);
    // File, Save: writes the data pane to the current file, or runs Save As when there is none.
    void Save1Click(QObject* sender);
    // File, Save As: writes the data pane to the chosen file, which becomes the current file
    // and, without its directory, the caption. A failed write changes neither.
    void SaveAs1Click(QObject* sender);
    // File, Printer Setup: the printer and page chosen hold for later prints.
    void PrinterSetup1Click(QObject* sender);
    // File, Print: the image of the client area, drawn afresh, on one page.
    void Print1Click(QObject* sender);
    // The file Save writes to and Open starts from; empty until a confirmed Open or Save As.
    const QString& CurrentFileName() const { return m_currentFileName; }

    // Pane layout and mouse
    // Mouse handlers take the button pressed or released (or, for moves, the buttons held) and
    // the pointer position in pixels relative to the control that receives the event: the data
    // pane, the results pane or the client area. Only the left button starts a pane resize.
    // Press on the data pane or Memo1: starts a resize in a grip zone along the right or bottom
    // edge.
    void DataWindowMouseDown(QObject* sender, Qt::MouseButton button, int X, int Y);
    // Move on the data pane or Memo1: the drag step, else the cursor of the grip zone.
    void DataWindowMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y);
    // Press on the results pane or Memo2: starts a resize in a grip zone along the right or top
    // edge.
    void FitResultsWindowMouseDown(QObject* sender, Qt::MouseButton button, int X, int Y);
    // Move on the results pane or Memo2: the drag step, else the cursor of the grip zone.
    void FitResultsWindowMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y);
    // Press on the client area: starts a resize in the strip right of the data pane.
    void FormMouseDown(QObject* sender, Qt::MouseButton button, int X, int Y);
    // Move on the client area: hides the readout, then the drag step, else the strip's cursor or
    // the readout over the plot.
    void FormMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y);
    // Release anywhere but on the legend: the left button ends a resize; then the arrow cursor
    // and the repaint pass.
    void DataWindowMouseUp(QObject* sender, Qt::MouseButton button, int X, int Y);
    // Readout of the client position (X, Y) in data units above the graph area; hidden when the
    // last pass left no usable scale.
    void Coordinates(int X, int Y);
    // Move over YAxisLabel: the cross-hair cursor.
    void YAxisLabelMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y);
    // A drag held over the client area at (X, Y): accepted when it carries a label.
    bool FormDragOver(QObject* sender, const QMimeData* source, int X, int Y);
    // A label dropped at client (X, Y): YAxisLabel's top-left goes there and stays through
    // later drawing passes until the next layout pass.
    void FormDragDrop(QObject* sender, const QMimeData* source, int X, int Y);

    // Repaint pass and drawing
    // CalculateData of the data pane (Memo1) with the user's decimal separator.
    void ReadDataPane();
    // The fit command of the four Show buttons and of the extra-digit option: reads the data
    // pane, checks and fits, writes the report into Memo2 and redraws, in that order.
    // Information messages go to the information box; failures pass out to the general error
    // report.
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

    // File and print commands
    QString m_currentFileName;
    // How the current file's bytes were read, so that saving writes them back the same way.
    TextEncoding m_fileEncoding = TextEncoding::Utf8;

    // Pane layout and mouse
    // Hands the panes' and the y legend's mouse events to the handlers; a child of the window.
    MouseEventRouter* m_mouseEventRouter = nullptr;

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
