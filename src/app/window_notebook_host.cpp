// src/app/window_notebook_host.cpp: the notebook's handlers reach the window's routines and labels.
#include "app/window_notebook_host.h"

#include "app/multiform.h"
#include "app/qt_label.h"
#include "app/run_guarded.h"

#include <QLabel>

namespace app {

WindowNotebookHost::WindowNotebookHost(TMultiform& window)
    : m_window(window)
{
}

void WindowNotebookHost::RunGuarded(const std::function<void()>& handler)
{
    app::RunGuarded(m_window, handler);
}

void WindowNotebookHost::ReadDataPane() { m_window.ReadDataPane(); }

void WindowNotebookHost::RedrawGraph() { m_window.DrawGraphOnClientArea(); }

void WindowNotebookHost::ShowFit() { m_window.TabbedFitShowClick(m_window.TabbedNotebook1); }

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
        return *m_window.TitleLabel;
    case options::LegendLabel::XAxis:
        return *m_window.XAxisLabel;
    case options::LegendLabel::YAxis:
        break;
    }
    return *m_window.YAxisLabel;
}

} // namespace app
