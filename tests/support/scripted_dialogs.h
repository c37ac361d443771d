// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/scripted_dialogs.h: dialogs that answer from a script and record what they showed.
#pragma once

#include "app/dialogs.h"

#include <QPrinter>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace test_support {

class ScriptedDialogs : public app::Dialogs {
public:
    // Answers of the next file dialogs, in order; an empty answer or none left is a cancel.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<QString> exportAnswers;
    // Starting choices the file dialogs were shown with.
    std::vector<QString> openStartPaths;
    std::vector<QString> saveStartPaths;
    std::deque<QString> importAnswers;
    // What the user does in the Import Table dialog: confirms it with OK (true) or cancels.
    // Unset: OK on the dialog as it opened. The dialogs shown are counted.
    std::function<bool(app::ImportTableDialog&)> importChoices;
    int importDialogCount = 0;
    // Answers to "Save changes to NAME?", in order; none left is Discard. The names asked about.
    std::deque<app::SaveChangesAnswer> saveChangesAnswers;
    std::vector<QString> saveChangesNames;
    // Texts of the message boxes shown.
    std::vector<QString> informationTexts;
    std::vector<QString> errorTexts;
    // Titles and texts of the Help boxes shown.
    std::vector<QString> helpTitles;
    std::vector<QString> helpTexts;
    // Answer of the printer set-up dialog, and how often it was shown.
    bool printerSetupAnswer = false;
    int printerSetupCount = 0;
    // Print target: a PDF file at this path; empty means the user cancelled.
    QString pdfPath;

    std::optional<QString> OpenFileName(QWidget* parent, const QString& startPath) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& startPath) override;
    std::optional<QString> ExportFileName(QWidget* parent, const QString& startPath) override;
    std::optional<QString> ImportFileName(QWidget* parent, const QString& startPath) override;
    bool ConfirmImport(app::ImportTableDialog& dialog) override;
    app::SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& fileName) override;
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    void Help(QWidget* parent, const QString& title, const QString& richText) override;
    bool PrinterSetup(QWidget* parent) override;
    QPrinter* PrintTarget(QWidget* parent) override;

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace test_support
