// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_dialogs.cpp: file dialogs, message boxes and printer choice through Qt.
#include "app/qt_dialogs.h"

#include "app/captions.h"
#include "app/import_table_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

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
        // A folder (an untitled pane's last folder) is where the dialog starts; a file is chosen.
        if (QFileInfo(startPath).isDir())
            dialog.setDirectory(startPath);
        else if (!startPath.isEmpty())
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

std::optional<QString> QtDialogs::ExportFileName(QWidget* parent, const QString& startPath)
{
    // Each choice with the extension a name without one gets.
    const QList<std::pair<QString, QString>> formats {
        { QStringLiteral("PNG image (*.png)"), QStringLiteral("png") },
        { QStringLiteral("SVG drawing (*.svg)"), QStringLiteral("svg") },
        { QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf") },
    };
    QFileDialog dialog(parent, QStringLiteral("Export Graph"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const auto& [filter, suffix] : formats)
        filters << filter;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(formats.front().second);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
        for (const auto& [filter, suffix] : formats)
            if (filter == chosen)
                dialog.setDefaultSuffix(suffix);
    });
    if (!startPath.isEmpty())
        dialog.selectFile(startPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> QtDialogs::ImportFileName(QWidget* parent, const QString& startPath)
{
    QFileDialog dialog(parent, QStringLiteral("Import Table"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        { QStringLiteral("Tables (*.csv *.tsv *.txt *.dat)"), QStringLiteral("All files (*)") });
    if (!startPath.isEmpty())
        dialog.selectFile(startPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

bool QtDialogs::ConfirmImport(ImportTableDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

SaveChangesAnswer QtDialogs::AskSaveChanges(QWidget* parent, const QString& fileName)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ApplicationTitle),
        QStringLiteral("Save changes to %1?").arg(fileName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChangesAnswer::Save;
    case QMessageBox::Discard:
        return SaveChangesAnswer::Discard;
    default:
        return SaveChangesAnswer::Cancel;
    }
}

void QtDialogs::Information(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Information, QStringLiteral("Information"), text);
}

void QtDialogs::Error(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), text);
}

void QtDialogs::Help(QWidget* parent, const QString& title, const QString& richText)
{
    QMessageBox box(QMessageBox::NoIcon, title, richText, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::RichText);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool QtDialogs::PrinterSetup(QWidget* parent)
{
    QPrintDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // The print dialog's button would say "Print"; here it only keeps the choice.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(QStringLiteral("OK"));
    }
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
