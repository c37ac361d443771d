// src/app/multiform_files.cpp: the File menu's commands New, Open, Save, Save As, Printer Setup
// and Print.
#include "app/multiform.h"

#include "app/captions.h"
#include "app/client_surface.h"
#include "app/print_command.h"
#include "app/qt_text_lines.h"

#include <QPixmap>
#include <QPlainTextEdit>

#include <algorithm>
#include <optional>

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

void TMultiform::New1Click()
{
    m_dataLines->Clear();
    workbench.fit.FitValid = false;
}

void TMultiform::Open1Click()
{
    if (const std::optional<QString> path = m_dialogs->OpenFileName(this, m_currentFileName)) {
        // Reading throws before anything changes: a later Save cannot overwrite the file that
        // failed to open with the old pane.
        const DataFileText file = ReadDataFile(*path);
        m_currentFileName = *path;
        m_fileEncoding = file.Encoding;
        // Set as decoded: the UTF-8 seam would drop a leading U+FEFF that belongs to the text.
        Memo1->setPlainText(file.Text);
        setWindowTitle(QString::fromLatin1(OpenedCaption) + NameWithoutDirectory(*path));
    }
    workbench.fit.FitValid = false;
    ReadDataPane();
    DrawGraphOnClientArea();
}

void TMultiform::Save1Click()
{
    if (m_currentFileName.isEmpty()) {
        SaveAs1Click();
        return;
    }
    WriteDataFile(m_currentFileName, m_dataLines->Text(), m_fileEncoding);
}

void TMultiform::SaveAs1Click()
{
    const std::optional<QString> path = m_dialogs->SaveFileName(this, m_currentFileName);
    if (!path)
        return;
    WriteDataFile(*path, m_dataLines->Text(), m_fileEncoding);
    setWindowTitle(NameWithoutDirectory(*path));
    m_currentFileName = *path;
}

void TMultiform::PrinterSetup1Click() { m_dialogs->PrinterSetup(this); }

void TMultiform::Print1Click()
{
    QPrinter* printer = m_dialogs->PrintTarget(this);
    if (printer == nullptr)
        return;
    // Taking the image paints the client area and its visible children; its paint runs the
    // repaint pass, so the data pane is read again and the graph drawn afresh.
    const QPixmap image = ClientArea->PrintImage();
    PrintWindowImage(image, *printer);
}

} // namespace app
