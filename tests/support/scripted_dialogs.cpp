// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/scripted_dialogs.cpp: scripted answers instead of modal dialogs.
#include "support/scripted_dialogs.h"

#include "app/import_table_dialog.h"

namespace test_support {

namespace {

    std::optional<QString> NextAnswer(std::deque<QString>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }

} // namespace

std::optional<QString> ScriptedDialogs::OpenFileName(QWidget*, const QString& startPath)
{
    openStartPaths.push_back(startPath);
    return NextAnswer(openAnswers);
}

std::optional<QString> ScriptedDialogs::SaveFileName(QWidget*, const QString& startPath)
{
    saveStartPaths.push_back(startPath);
    return NextAnswer(saveAnswers);
}

app::SaveChangesAnswer ScriptedDialogs::AskSaveChanges(QWidget*, const QString& fileName)
{
    saveChangesNames.push_back(fileName);
    if (saveChangesAnswers.empty())
        return app::SaveChangesAnswer::Discard;
    const app::SaveChangesAnswer answer = saveChangesAnswers.front();
    saveChangesAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::ExportFileName(QWidget*, const QString&)
{
    return NextAnswer(exportAnswers);
}

std::optional<QString> ScriptedDialogs::ImportFileName(QWidget*, const QString&)
{
    return NextAnswer(importAnswers);
}

bool ScriptedDialogs::ConfirmImport(app::ImportTableDialog& dialog)
{
    ++importDialogCount;
    return importChoices ? importChoices(dialog) : true;
}

void ScriptedDialogs::Information(QWidget*, const QString& text)
{
    informationTexts.push_back(text);
}

void ScriptedDialogs::Error(QWidget*, const QString& text) { errorTexts.push_back(text); }

void ScriptedDialogs::Help(QWidget*, const QString& title, const QString& richText)
{
    helpTitles.push_back(title);
    helpTexts.push_back(richText);
}

bool ScriptedDialogs::PrinterSetup(QWidget*)
{
    ++printerSetupCount;
    return printerSetupAnswer;
}

QPrinter* ScriptedDialogs::PrintTarget(QWidget*)
{
    if (pdfPath.isEmpty())
        return nullptr;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
    return m_printer.get();
}

} // namespace test_support
