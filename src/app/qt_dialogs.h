// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_dialogs.h: the dialogs seam over Qt's file dialog, message box and print dialog.
#pragma once

#include "app/dialogs.h"

#include <memory>

namespace app {

class QtDialogs : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;

    std::optional<QString> OpenFileName(QWidget* parent, const QString& startPath) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& startPath) override;
    std::optional<QString> ExportFileName(QWidget* parent, const QString& startPath) override;
    std::optional<QString> ImportFileName(QWidget* parent, const QString& startPath) override;
    bool ConfirmImport(ImportTableDialog& dialog) override;
    SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& fileName) override;
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    void Help(QWidget* parent, const QString& title, const QString& richText) override;
    bool PrinterSetup(QWidget* parent) override;
    QPrinter* PrintTarget(QWidget* parent) override;

private:
    QPrinter& Printer();

    // Created on first use: constructing a printer asks the print system for its printers.
    std::unique_ptr<QPrinter> m_printer;
    bool m_printerChosen = false;
};

} // namespace app
