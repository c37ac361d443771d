// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/window_notebook_host.cpp: the notebook's handlers reach the window's routines and labels.
#include "app/window_notebook_host.h"

#include "app/qt_label.h"
#include "app/run_guarded.h"

#include <QLabel>

#include <utility>

namespace app {

WindowNotebookHost::WindowNotebookHost(
    Dialogs& dialogs, QWidget* parent, LegendLabels legends, NotebookRoutines routines)
    : m_dialogs(dialogs)
    , m_parent(parent)
    , m_legends(legends)
    , m_routines(std::move(routines))
{
}

void WindowNotebookHost::RunGuarded(const std::function<void()>& handler)
{
    app::RunGuarded(m_dialogs, m_parent, handler);
}

void WindowNotebookHost::ReadDataPane() { m_routines.readDataPane(); }

void WindowNotebookHost::RedrawGraph() { m_routines.redrawGraph(); }

void WindowNotebookHost::ShowFit() { m_routines.showFit(); }

QString WindowNotebookHost::LegendCaption(options::LegendLabel label) const
{
    return Legend(label).text();
}

void WindowNotebookHost::SetLegendCaption(options::LegendLabel label, const QString& caption)
{
    QLabel& legend = Legend(label);
    legend.setText(caption);
    SizeToCaption(legend);
}

void WindowNotebookHost::SetLegendBackground(options::LegendLabel label, common::ColorValue colour)
{
    SetLabelBackground(Legend(label), colour);
}

QLabel& WindowNotebookHost::Legend(options::LegendLabel label) const
{
    switch (label) {
    case options::LegendLabel::Title:
        return *m_legends.title;
    case options::LegendLabel::XAxis:
        return *m_legends.xAxis;
    case options::LegendLabel::YAxis:
        break;
    }
    return *m_legends.yAxis;
}

} // namespace app
