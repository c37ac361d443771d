// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform.h: the main window, owner of every control and of the workbench state.
#pragma once

#include "app/client_surface.h"
#include "app/dialogs.h"
#include "app/mouse_event_router.h"
#include "app/qt_data_file.h"
#include "app/qt_line_editor.h"
#include "app/workbench.h"
#include "common/text_lines.h"
#include "data/point_store.h"
#include "graph/window_geometry.h"

#include <QMainWindow>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QAction;
class QCloseEvent;
class QLabel;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QTimer;

namespace options {
class OptionsNotebook;
}

namespace app {

class PaneFiller;
class QtTextLines;
class WindowNotebookHost;

// Multiform. The controls are its own: each carries the name the window's layout gives it
// (Memo1, DataWindow, New1, ...) as its object name. The handlers take what the event carries
// (button, position); the client area and the panes hand them their events.
class TMultiform : public QMainWindow, private SurfaceHandlers, private PaneMouseHandlers {
    Q_OBJECT

public:
    // Creates the window from its layout (540 x 404, not yet shown) and runs FormCreate.
    // Without dialogs, Qt's own are used.
    explicit TMultiform(std::unique_ptr<Dialogs> dialogs = nullptr);
    // Runs FormDestroy.
    ~TMultiform() override;

    // The window-wide variables, read and written directly by the handlers.
    Workbench workbench;

    // Destruction: releases the working storage.
    void FormDestroy();
    // Repaint pass: unless a pane resize is in progress, reads the data pane and draws.
    void FormPaint() override;

    // The file Save writes to and Open starts from; empty until a confirmed Open or Save As, and
    // again after New.
    const QString& CurrentFileName() const { return m_currentFileName; }
    // The outer size of the window, its client size and the data pane's place, as the drawing
    // pass lays the graph out in them.
    graph::WindowGeometry DrawingGeometry() const;
    // The user's decimal separator as UTF-8, read at start-up and on every locale change.
    const std::string& DecimalSeparator() const { return m_decimalSeparator; }

    // Opens the file at path as a drop on the window or the command line gives it
    // (OpenFileOrTable), a failure shown by the general error report.
    void OpenGivenFile(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    // Closing the window asks about unsaved changes first, as Exit does.
    void closeEvent(QCloseEvent* event) override;

private:
    // Creation: the working storage, the data pane's height and the first layout pass.
    void FormCreate();
    // Layout pass: places the panes and their editors, then runs the repaint pass.
    void Reallocate() override;
    // CalculateData of the data pane (Memo1) with the user's decimal separator; then whether
    // the last fit still belongs to the points (ShowWhetherFitIsStale).
    void ReadDataPane();
    // Once the points differ from those of the last fit, its curve is drawn dashed and lighter
    // and StaleFitNote stands on the line under its report (when that line is empty); when
    // they are the same again, both go.
    void ShowWhetherFitIsStale();
    // The drawing pass into the client area's image, which is then shown: the graph from the
    // current state with the legend labels placed. Without points the graph area shows the
    // window's background, with a line saying why when the pane holds text. Run outside a
    // paint, it also hides the position readout, whose scale may have changed.
    void DrawGraphOnClientArea();
    // The graph area without a graph: the background, notice (if any) centred on it, no legends,
    // no readout and no plot for the readout to find.
    void ShowEmptyGraphArea(const QString& notice);
    // What the graph area shows in place of a graph, read from the point store: the line saying
    // why when the pane holds text but no pair, an empty text for an empty pane, nothing when
    // there are points to plot.
    std::optional<QString> EmptyGraphNotice() const;
    // The graph area: the client area right of the panes, in client pixels.
    QRect GraphArea() const;
    // The tooltip of line (from 0) of the data pane: why it does not read, when it is marked.
    QString DataLineToolTip(int line) const;

    // File and print commands
    // New, Open and Exit first ask whether to save a data pane that changed since the last Open,
    // Save or New, and do nothing when the user cancels.
    // File, New: empties the data pane and drops the fitted curve; nothing is redrawn at once.
    // The pane becomes untitled: no current file name (Save runs Save As, as plain UTF-8) and
    // the start-up caption. The results pane stays.
    void New1Click();
    // Where the file dialogs start: the current file, else the folder of the last one.
    QString DialogStartPath() const;
    // File, Open: loads the chosen file into the data pane and names it in the caption; then,
    // confirmed or cancelled, drops the fitted curve, reads the pane and draws. A file that
    // cannot be read or is too long throws before anything has changed. A file with characters
    // the editor shows as line breaks is loaded with a word to the user.
    void Open1Click();
    // After the question about unsaved changes: a table (named .csv or .tsv, or whose first
    // line the data pane cannot read) through the Import Table dialog, any other file as Open
    // loads it.
    void OpenFileOrTable(const QString& path);
    // Loads the data file at path into the data pane and names it in the caption, as a confirmed
    // Open does; throws before anything changes when it cannot be read.
    void LoadDataFile(const QString& path);
    // File, Import Table: after the question about unsaved changes, the chosen table file in
    // the Import Table dialog (ImportTableFrom).
    void ImportTable1Click();
    // The Import Table dialog on text, the table file at path; OK puts its points into the data
    // pane as a new untitled document (the start-up caption, no current file, unsaved), drops
    // the fitted curve, reads the pane and draws. The table file is never written. Throws
    // "Text exceeds memo capacity" when the points' lines would not fit the pane.
    void ImportTableFrom(const QString& path, std::string text);
    // File, Save: writes the data pane to the current file, or runs Save As when there is none.
    void Save1Click();
    // File, Save As: writes the data pane to the chosen file, which becomes the current file
    // and, without its directory, the caption. A failed write changes neither.
    void SaveAs1Click();
    // Writes the data pane to path in the current file's encoding: while the pane still shows
    // the text of the last Open or Save, that text itself, so characters the editor shows as
    // line breaks are kept.
    void SavePaneTo(const QString& path);
    // Tells the user what a write says about the file it wrote (an owner it could not keep),
    // in the information box; nothing for an empty note.
    void ShowWriteNote(const std::string& note);
    // Throws common::GraphOverDataFile where path names the file the pane's text was opened or
    // imported from.
    void RefuseGraphOverData(const QString& path) const;
    // The data pane no longer shows the text of the last Open, Save or New.
    bool PaneChanged() const;
    // Whether a command that replaces the data pane may go on: asks "Save changes to NAME?"
    // when the pane changed, saves when told to, and says no on Cancel or a cancelled Save As.
    // A failed save throws.
    bool MayReplacePaneText();
    // File, Printer Setup: the printer and page chosen hold for later prints.
    void PrinterSetup1Click();
    // File, Print: the image of the client area, drawn afresh, on one page.
    void Print1Click();
    // File, Export Graph: the graph area as the window shows it (right of the panes, at the
    // window's size and layout, a dragged y legend where it lies) into the chosen PNG, SVG or
    // PDF file, by its extension. A file that cannot be written throws and is left as it was.
    void ExportGraph1Click();
    // File, Exit: ends the event loop with exit code 0.
    void Exit1Click();

    // Pane layout and mouse
    // Positions are in pixels relative to the control that receives the event: the data pane,
    // the results pane or the client area. Only the left button starts a pane resize.
    // Press on the data pane or Memo1: starts a resize in a grip zone along the right or bottom
    // edge.
    void DataWindowMouseDown(Qt::MouseButton button, int X, int Y) override;
    // Move on the data pane or Memo1: the drag step, else the cursor of the grip zone.
    void DataWindowMouseMove(Qt::MouseButtons buttons, int X, int Y) override;
    // Press on the results pane or Memo2: starts a resize in a grip zone along the right or top
    // edge.
    void FitResultsWindowMouseDown(Qt::MouseButton button, int X, int Y) override;
    // Move on the results pane or Memo2: the drag step, else the cursor of the grip zone.
    void FitResultsWindowMouseMove(Qt::MouseButtons buttons, int X, int Y) override;
    // Press on the client area: starts a resize in the strip right of the data pane.
    void FormMouseDown(Qt::MouseButton button, int X, int Y) override;
    // Move on the client area: hides the readout, then the drag step, else the strip's cursor or
    // the readout over the plot.
    void FormMouseMove(Qt::MouseButtons buttons, int X, int Y) override;
    // Release anywhere but on the legend: the left button ends a resize; then the arrow cursor
    // and the repaint pass.
    void DataWindowMouseUp(Qt::MouseButton button, int X, int Y) override;
    // Readout of the client position (X, Y) in data units above the graph area; hidden when the
    // last pass left no usable scale.
    void Coordinates(int X, int Y);
    // Move over YAxisLabel: the cross-hair cursor.
    void YAxisLabelMouseMove(Qt::MouseButtons buttons, int X, int Y) override;
    // A drag held over the client area at (X, Y): accepted when it carries a label.
    bool FormDragOver(const QMimeData* source, int X, int Y) override;
    // A label dropped at client (X, Y): YAxisLabel's top-left goes there and stays through
    // later drawing passes until the next layout pass.
    void FormDragDrop(const QMimeData* source, int X, int Y) override;
    // Starts a resize drag when the left button is pressed in a grip zone.
    void StartResize(Qt::MouseButton button, std::optional<layout::ResizeMode> mode);
    // While a resize is in progress the data pane's size follows the client position (X, Y),
    // held between 0 and the client size, and the layout pass places the rest. Returns whether
    // a resize is in progress.
    bool DragStep(int X, int Y);

    // The fit command and the options notebook
    // The fit command of the four Show buttons and of the extra-digit and statistics options:
    // reads the data pane, checks and fits, writes the report (and the statistics) into Memo2
    // and redraws, in that order.
    // Information messages go to the information box; failures pass out to the general error
    // report.
    void TabbedFitShowClick();
    // With "Statistics", the fit's statistics (report::StatisticsLines) on the lines under the
    // report, values lined up at one tab stop; the results pane grows by the lines they and the
    // note of a changed fit need. Returns how many lines it wrote.
    int WriteStatisticsUnderReport();
    // "Forma&t" and "Fit &Data": show the options notebook on its Titles or Fit Data page.
    void Format1Click();
    void FitData1Click();

    // Help: the table of the window's keys, and the About box.
    void Keys1Click();
    void About1Click();

    void CreateComponents();
    void CreateMenu();
    // Repaints a moment after the data pane stops changing, so the points follow the typing.
    void FollowTyping();
    // Connects a menu item to a handler, through the general error report.
    void ConnectGuarded(QAction* action, void (TMultiform::*handler)());
    // Alt+T and Alt+D stay the menu's while the notebook's tabs carry the same access keys, and
    // hiding the notebook repaints the client area.
    void ConnectNotebook();

    std::unique_ptr<Dialogs> m_dialogs;
    std::string m_decimalSeparator;

    // Components, under the names of the window's layout. The client area is the window's own
    // surface below the menu bar: the panes, labels and notebook lie on it and the graph is
    // drawn on it.
    ClientSurface* ClientArea = nullptr;
    QWidget* DataWindow = nullptr;
    QWidget* FitResultsWindow = nullptr;
    LineEditor* Memo1 = nullptr;
    QLabel* CoordinateLabel = nullptr;
    QLabel* TitleLabel = nullptr;
    QLabel* XAxisLabel = nullptr;
    QLabel* YAxisLabel = nullptr;
    LineEditor* Memo2 = nullptr;
    options::OptionsNotebook* TabbedNotebook1 = nullptr;
    // Menu items.
    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* ImportTable1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* ExportGraph1 = nullptr;
    QAction* PrinterSetup1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Format1 = nullptr;
    QAction* FitData1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Keys1 = nullptr;
    QAction* About1 = nullptr;
    // Ctrl+Return: the fit command from anywhere in the window.
    QAction* m_refitKey = nullptr;
    // Runs the repaint pass once typing in the data pane pauses.
    QTimer* m_typingPause = nullptr;

    // The data pane (Memo1) and the results pane (Memo2) as editor lines.
    std::unique_ptr<QtTextLines> m_dataLines;
    // Puts an opened file's text into the data pane (owned by Memo1).
    PaneFiller* m_paneFiller = nullptr;
    std::unique_ptr<QtTextLines> m_resultLines;
    std::unique_ptr<WindowNotebookHost> m_notebookHost;

    // The points of the last fit, and the results pane's line under its report (NoLine while
    // no report of it stands).
    std::optional<data::PointStore> m_fittedPoints;
    int m_staleNoteLine = common::TextLines::NoLine;

    // File and print commands
    QString m_currentFileName;
    // The table file last imported, the Import dialog's starting choice.
    QString m_importFileName;
    // The folder of the file that was current before New made the pane untitled.
    QString m_lastFolder;
    // The graph file Export Graph wrote last, its dialog's starting choice.
    QString m_exportFileName;
    // How the current file's bytes were read, so that saving writes them back the same way.
    TextEncoding m_fileEncoding = TextEncoding::Utf8;
    // The pane's text (UTF-8, "\n" between lines) as the last Open read it, Save wrote it or New
    // left it, with the characters the editor shows as line breaks.
    std::string m_savedText;
};

} // namespace app
