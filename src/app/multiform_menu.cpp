// src/app/multiform_menu.cpp: the main window's menu bar.
#include "app/multiform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app {

void TMultiform::CreateMenu()
{
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    auto addItem = [this](const char* name, const char* caption) {
        QAction* item = File1->addAction(QString::fromLatin1(caption));
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    New1 = addItem("New1", "&New");
    Open1 = addItem("Open1", "&Open");
    File1->addSeparator();
    Save1 = addItem("Save1", "&Save");
    SaveAs1 = addItem("SaveAs1", "Save &As");
    File1->addSeparator();
    PrinterSetup1 = addItem("PrinterSetup1", "Printer Se&tup");
    Print1 = addItem("Print1", "&Print");
    File1->addSeparator();
    Exit1 = addItem("Exit1", "E&xit");

    // Two items of the bar itself that act when chosen; their access keys give Alt+T and Alt+D.
    Format1 = MainMenu1->addAction(QStringLiteral("Forma&t"));
    Format1->setObjectName(QStringLiteral("Format1"));
    FitData1 = MainMenu1->addAction(QStringLiteral("Fit &Data"));
    FitData1->setObjectName(QStringLiteral("FitData1"));

    ConnectGuarded(New1, &TMultiform::New1Click);
    ConnectGuarded(Open1, &TMultiform::Open1Click);
    ConnectGuarded(Save1, &TMultiform::Save1Click);
    ConnectGuarded(SaveAs1, &TMultiform::SaveAs1Click);
    ConnectGuarded(PrinterSetup1, &TMultiform::PrinterSetup1Click);
    ConnectGuarded(Print1, &TMultiform::Print1Click);
    ConnectGuarded(Exit1, &TMultiform::Exit1Click);
    ConnectGuarded(Format1, &TMultiform::Format1Click);
    ConnectGuarded(FitData1, &TMultiform::FitData1Click);
    ConnectNotebook();
}

} // namespace app
