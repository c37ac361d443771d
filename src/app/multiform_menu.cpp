// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform_menu.cpp: the main window's menu bar.
#include "app/multiform.h"

#include "app/help_texts.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace app {

void TMultiform::CreateMenu()
{
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    // The menu shows each item's shortcut; the keys work wherever the focus is in the window.
    auto addItem = [this](const char* name, const char* caption, QKeySequence shortcut = {}) {
        QAction* item = File1->addAction(QString::fromLatin1(caption));
        item->setObjectName(QString::fromLatin1(name));
        item->setShortcut(shortcut);
        return item;
    };
    New1 = addItem("New1", "&New", Qt::CTRL | Qt::Key_N);
    Open1 = addItem("Open1", "&Open", Qt::CTRL | Qt::Key_O);
    ImportTable1 = addItem("ImportTable1", "&Import Table...", Qt::CTRL | Qt::Key_I);
    File1->addSeparator();
    Save1 = addItem("Save1", "&Save", Qt::CTRL | Qt::Key_S);
    SaveAs1 = addItem("SaveAs1", "Save &As", Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    ExportGraph1 = addItem("ExportGraph1", "Export &Graph...");
    File1->addSeparator();
    PrinterSetup1 = addItem("PrinterSetup1", "Printer Se&tup");
    Print1 = addItem("Print1", "&Print", Qt::CTRL | Qt::Key_P);
    File1->addSeparator();
    Exit1 = addItem("Exit1", "E&xit", Qt::CTRL | Qt::Key_Q);

    // Two items of the bar itself that act when chosen; their access keys give Alt+T and Alt+D.
    Format1 = MainMenu1->addAction(QStringLiteral("Forma&t"));
    Format1->setObjectName(QStringLiteral("Format1"));
    FitData1 = MainMenu1->addAction(QStringLiteral("Fit &Data"));
    FitData1->setObjectName(QStringLiteral("FitData1"));

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Keys1 = Help1->addAction(QStringLiteral("&Keys"));
    Keys1->setObjectName(QStringLiteral("Keys1"));
    Keys1->setShortcut(Qt::Key_F1);
    About1 = Help1->addAction(QStringLiteral("&About Varnekworks"));
    About1->setObjectName(QStringLiteral("About1"));

    // The Show of the notebook, also while the notebook is hidden: Ctrl+Return (or Enter).
    m_refitKey = new QAction(this);
    m_refitKey->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) });
    addAction(m_refitKey);

    ConnectGuarded(New1, &TMultiform::New1Click);
    ConnectGuarded(Open1, &TMultiform::Open1Click);
    ConnectGuarded(ImportTable1, &TMultiform::ImportTable1Click);
    ConnectGuarded(Save1, &TMultiform::Save1Click);
    ConnectGuarded(SaveAs1, &TMultiform::SaveAs1Click);
    ConnectGuarded(ExportGraph1, &TMultiform::ExportGraph1Click);
    ConnectGuarded(PrinterSetup1, &TMultiform::PrinterSetup1Click);
    ConnectGuarded(Print1, &TMultiform::Print1Click);
    ConnectGuarded(Exit1, &TMultiform::Exit1Click);
    ConnectGuarded(Format1, &TMultiform::Format1Click);
    ConnectGuarded(FitData1, &TMultiform::FitData1Click);
    ConnectGuarded(m_refitKey, &TMultiform::TabbedFitShowClick);
    ConnectGuarded(Keys1, &TMultiform::Keys1Click);
    ConnectGuarded(About1, &TMultiform::About1Click);
    ConnectNotebook();
}

void TMultiform::Keys1Click() { m_dialogs->Help(this, QStringLiteral("Keys"), KeysText()); }

void TMultiform::About1Click()
{
    m_dialogs->Help(this, QStringLiteral("About Varnekworks"), AboutText());
}

} // namespace app
