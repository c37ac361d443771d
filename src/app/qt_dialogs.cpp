// src/app/qt_dialogs.cpp: file dialogs, message boxes and printer choice through Qt.
#include "app/qt_dialogs.h"

#include "app/captions.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace app {

namespace {

    // The data file choices, the first one selected. "All files" is "*": Qt's "*.*" would
    // hide every name without a dot.
    const QStringList DataFileFilters {
        QStringLiteral("Data file (*.dat)"),
        QStringLiteral("File (*.fil)"),
        QStringLiteral("All files (*)"),
    };

    std::optional<QString> AskFileName(
        QWidget* parent, const QString& startPath, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(mode);
        // AnyFile: a name is taken as typed, whether the file exists or not.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilters(DataFileFilters);
        dialog.selectNameFilter(DataFileFilters.front());
        if (!startPath.isEmpty())
            dialog.selectFile(startPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().front();
    }

    void ShowMessage(
        QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
    {
        QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
    }

} // namespace

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

std::optional<QString> QtDialogs::OpenFileName(QWidget* parent, const QString& startPath)
{
    return AskFileName(parent, startPath, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::SaveFileName(QWidget* parent, const QString& startPath)
{
    return AskFileName(parent, startPath, QFileDialog::AcceptSave);
}

void QtDialogs::Information(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Information, QStringLiteral("Information"), text);
}

void QtDialogs::Error(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), text);
}

bool QtDialogs::PrinterSetup(QWidget* parent)
{
    QPrintDialog dialog(&Printer(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_printerChosen = true;
    return true;
}

QPrinter* QtDialogs::PrintTarget(QWidget* parent)
{
    if (m_printerChosen || !QPrinterInfo::defaultPrinterName().isEmpty())
        return &Printer();
    // No printer to print on and none chosen: print into a PDF file the user names, asked
    // again at every print so that no earlier file is overwritten unasked.
    QFileDialog dialog(parent, QStringLiteral("Print to PDF file"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF file (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return nullptr;
    Printer().setOutputFormat(QPrinter::PdfFormat);
    Printer().setOutputFileName(dialog.selectedFiles().front());
    return &Printer();
}

QPrinter& QtDialogs::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

} // namespace app
