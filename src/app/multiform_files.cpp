// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform_files.cpp: the File menu's commands New, Open, Import Table, Save, Save As,
// Printer Setup, Print and Exit, files dropped or given at start, and the question about unsaved
// changes before the pane is replaced.
#include "app/multiform.h"

#include "app/captions.h"
#include "app/client_surface.h"
#include "app/editor_line_breaks.h"
#include "app/import_table_dialog.h"
#include "app/local_file_name.h"
#include "app/pane_filler.h"
#include "app/print_command.h"
#include "app/qt_line_editor.h"
#include "app/qt_text_lines.h"
#include "app/run_guarded.h"
#include "common/failure.h"
#include "common/same_file.h"
#include "data/data_text_file.h"
#include "data/unread_line_reason.h"
#include "qtgraph/graph_file.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace app {

namespace {

    // The file name without its directory: what follows the last "/", "\" or ":" of path.
    QString NameWithoutDirectory(const QString& path)
    {
        const qsizetype last = std::max({ path.lastIndexOf(QLatin1Char('/')),
            path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':')) });
        return path.mid(last + 1);
    }

} // namespace

bool TMultiform::PaneChanged() const
{
    // Until a long text is all in, only an edit meanwhile changes it.
    if (m_paneFiller->Filling())
        return m_paneFiller->EditedWhileFilling();
    return m_dataLines->Text() != AsTheEditorShowsIt(m_savedText);
}

bool TMultiform::MayReplacePaneText()
{
    if (!PaneChanged())
        return true;
    const QString name = m_currentFileName.isEmpty() ? QString::fromLatin1(UntitledFileName)
                                                     : NameWithoutDirectory(m_currentFileName);
    switch (m_dialogs->AskSaveChanges(this, name)) {
    case SaveChangesAnswer::Save:
        Save1Click();
        // Unchanged now, unless the user cancelled Save As.
        return !PaneChanged();
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void TMultiform::New1Click()
{
    if (!MayReplacePaneText())
        return;
    m_paneFiller->Cancel();
    m_dataLines->Clear();
    // A new, untitled text: Save asks for a name rather than replacing the last file, and
    // writes the pane as plain UTF-8. The file dialogs still start in the last file's folder.
    if (!m_currentFileName.isEmpty())
        m_lastFolder = QFileInfo(m_currentFileName).absolutePath();
    m_currentFileName.clear();
    setWindowTitle(QString::fromLatin1(StartCaption));
    m_fileEncoding = TextEncoding::Utf8;
    m_savedText.clear();
    workbench.fit.FitValid = false;
}

QString TMultiform::DialogStartPath() const
{
    return m_currentFileName.isEmpty() ? m_lastFolder : m_currentFileName;
}

void TMultiform::Open1Click()
{
    if (!MayReplacePaneText())
        return;
    if (const std::optional<QString> path = m_dialogs->OpenFileName(this, DialogStartPath())) {
        LoadDataFile(*path);
        return;
    }
    workbench.fit.FitValid = false;
    ReadDataPane();
    DrawGraphOnClientArea();
}

void TMultiform::LoadDataFile(const QString& path)
{
    // Reading throws before anything changes: a later Save cannot overwrite the file that
    // failed to open with the old pane.
    const DataFileText file = ReadDataFile(path);
    m_currentFileName = path;
    m_fileEncoding = file.Encoding;
    m_savedText = file.Text.toStdString();
    // Set as decoded: the UTF-8 seam would drop a leading U+FEFF that belongs to the text.
    // A long text goes in a slice at a time; the first lines, all that is read, at once.
    m_paneFiller->Fill(file.Text);
    setWindowTitle(QString::fromLatin1(OpenedCaption) + NameWithoutDirectory(path));
    workbench.fit.FitValid = false;
    ReadDataPane();
    DrawGraphOnClientArea();
    if (data::HoldsEditorLineBreakCharacters(m_savedText))
        m_dialogs->Information(this, QString::fromLatin1(LineBreakCharactersNotice));
}

void TMultiform::ImportTable1Click()
{
    if (!MayReplacePaneText())
        return;
    if (const std::optional<QString> path = m_dialogs->ImportFileName(this, m_importFileName))
        ImportTableFrom(*path, ReadTableFile(*path));
}

void TMultiform::ImportTableFrom(const QString& path, std::string text)
{
    m_importFileName = path;
    ImportTableDialog dialog(std::move(text), NameWithoutDirectory(path), m_decimalSeparator, this);
    if (!m_dialogs->ConfirmImport(dialog))
        return;
    const std::string paneText = dialog.PaneText();
    if (paneText.size() > data::MemoCapacity)
        throw common::Failure(std::string(data::TextTooLongMessage));
    // A new document that no file holds yet: Save asks for a name, so the table stays as it is.
    m_paneFiller->Fill(QString::fromStdString(paneText));
    m_currentFileName.clear();
    m_fileEncoding = TextEncoding::Utf8;
    m_savedText.clear();
    setWindowTitle(QString::fromLatin1(StartCaption));
    workbench.fit.FitValid = false;
    ReadDataPane();
    DrawGraphOnClientArea();
}

void TMultiform::OpenGivenFile(const QString& path)
{
    RunGuarded(*m_dialogs, this, [&] { OpenFileOrTable(path); });
}

void TMultiform::OpenFileOrTable(const QString& path)
{
    if (!MayReplacePaneText())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::string text = ReadTableFile(path);
    const std::string_view firstLine = std::string_view(text).substr(0, text.find_first_of("\r\n"));
    const bool table = suffix == QStringLiteral("csv") || suffix == QStringLiteral("tsv")
        || !data::UnreadLineReason(firstLine, m_decimalSeparator).empty();
    if (table)
        ImportTableFrom(path, std::move(text));
    else
        LoadDataFile(path);
}

void TMultiform::Save1Click()
{
    if (m_currentFileName.isEmpty()) {
        SaveAs1Click();
        return;
    }
    SavePaneTo(m_currentFileName);
}

void TMultiform::SaveAs1Click()
{
    const std::optional<QString> path = m_dialogs->SaveFileName(this, DialogStartPath());
    if (!path)
        return;
    SavePaneTo(*path);
    setWindowTitle(NameWithoutDirectory(*path));
    m_currentFileName = *path;
}

void TMultiform::SavePaneTo(const QString& path)
{
    // An edit made while a long text goes in is saved with all of the text. (Finishing does
    // nothing once all is in; asked that way, the whole text is not compared twice.)
    if (m_paneFiller->EditedWhileFilling())
        m_paneFiller->Finish();
    const std::string text = PaneChanged() ? m_dataLines->Text() : m_savedText;
    const std::string note = WriteDataFile(path, text, m_fileEncoding);
    m_savedText = text;
    ShowWriteNote(note);
}

void TMultiform::ShowWriteNote(const std::string& note)
{
    if (!note.empty())
        m_dialogs->Information(this, QString::fromStdString(note + "."));
}

void TMultiform::RefuseGraphOverData(const QString& path) const
{
    // The file the pane's text came from would be lost to the graph: saved unchanged, the pane
    // asks nothing before it closes.
    const std::string target = LocalFileName(path);
    for (const QString& source : { m_currentFileName, m_importFileName }) {
        if (!source.isEmpty() && common::IsSameFile(target, LocalFileName(source)))
            throw common::GraphOverDataFile(target);
    }
}

void TMultiform::PrinterSetup1Click() { m_dialogs->PrinterSetup(this); }

void TMultiform::Print1Click()
{
    QPrinter* printer = m_dialogs->PrintTarget(this);
    if (printer == nullptr)
        return;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        RefuseGraphOverData(printer->outputFileName());
    // Taking the image paints the client area and its visible children; its paint runs the
    // repaint pass, so the data pane is read again and the graph drawn afresh.
    const QPixmap image = ClientArea->grab();
    ShowWriteNote(PrintWindowImage(image, *printer));
}

void TMultiform::ExportGraph1Click()
{
    const std::optional<QString> path = m_dialogs->ExportFileName(this, m_exportFileName);
    if (!path)
        return;
    m_exportFileName = *path;
    RefuseGraphOverData(*path);
    // The pane as it stands now, as the next repaint would show it.
    ReadDataPane();
    qtgraph::GraphView view;
    view.Window = DrawingGeometry();
    view.Area = GraphArea();
    view.Legends.Title = { TitleLabel->text(), TitleLabel->pos() };
    view.Legends.XLegend = { XAxisLabel->text(), XAxisLabel->pos() };
    view.Legends.YLegend = { YAxisLabel->text(), YAxisLabel->pos() };
    view.EmptyNotice = EmptyGraphNotice();
    ShowWriteNote(qtgraph::ExportGraph(
        LocalFileName(*path), workbench.graph, workbench.points, workbench.fit, view));
}

void TMultiform::Exit1Click()
{
    if (MayReplacePaneText())
        QCoreApplication::exit(0);
}

void TMultiform::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    RunGuarded(*m_dialogs, this, [&] { mayClose = MayReplacePaneText(); });
    event->setAccepted(mayClose);
}

} // namespace app
