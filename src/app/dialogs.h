// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/dialogs.h: the dialogs and message boxes the window's commands use, as a seam.
#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace app {

class ImportTableDialog;

// The answers to "Save changes to NAME?".
enum class SaveChangesAnswer { Save, Discard, Cancel };

// Qt implementation in qt_dialogs.h; tests script the answers instead of showing modal dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The file dialogs: the chosen path, or nothing when the user cancels. startPath is shown
    // as the starting choice (a folder: the dialog starts there). No existence check, no replace
    // question, no default extension.
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& startPath) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& startPath) = 0;

    // The file dialog of Export Graph: the chosen path (a PNG, SVG or PDF file by its
    // extension), or nothing when the user cancels. startPath is shown as the starting choice.
    virtual std::optional<QString> ExportFileName(QWidget* parent, const QString& startPath) = 0;

    // The file dialog of Import Table: the chosen table file, or nothing when the user cancels.
    // startPath is shown as the starting choice.
    virtual std::optional<QString> ImportFileName(QWidget* parent, const QString& startPath) = 0;
    // Shows the Import Table dialog modally; true when the user confirms it with OK.
    virtual bool ConfirmImport(ImportTableDialog& dialog) = 0;

    // Modal question "Save changes to <fileName>?" with the buttons Save, Discard and Cancel.
    virtual SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& fileName) = 0;

    // Modal box titled "Information" with one button "OK".
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // Modal error box titled with the application's title, with one OK button. text carries
    // its final ".".
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // Modal box titled title showing richText (tables, headings), with one OK button.
    virtual void Help(QWidget* parent, const QString& title, const QString& richText) = 0;

    // The printer set-up dialog, confirmed with "OK"; its choice holds for later prints. True
    // when confirmed.
    virtual bool PrinterSetup(QWidget* parent) = 0;
    // The printer the Print command draws on: the one chosen in the set-up, else the default
    // printer, else a PDF file the user names. nullptr when the user cancels that choice.
    // The printer stays owned by the dialogs.
    virtual QPrinter* PrintTarget(QWidget* parent) = 0;
};

} // namespace app
