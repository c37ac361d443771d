// src/options/notebook_placeholder.cpp: the notebook with its four pages, still empty.
#include "options/notebook_placeholder.h"

#include <QFont>
#include <QTabBar>
#include <QTabWidget>

namespace options {

QTabWidget* CreateNotebookPlaceholder(QWidget* parent)
{
    auto* notebook = new QTabWidget(parent);
    notebook->setObjectName(QStringLiteral("TabbedNotebook1"));
    notebook->setGeometry(48, 24, 321, 233);

    // A small proportional font for the tabs.
    QFont tabFont(QStringLiteral("DejaVu Sans"));
    tabFont.setPixelSize(11);
    notebook->tabBar()->setFont(tabFont);

    const char* const captions[] = { "Fit &Data", "&Colors", "&Titles", "&Markers" };
    for (const char* caption : captions)
        notebook->addTab(new QWidget(notebook), QString::fromLatin1(caption));

    notebook->hide();
    return notebook;
}

} // namespace options
