// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/window_notebook_host.h: the main window's side of the options notebook.
#pragma once

#include "options/notebook_host.h"

#include <functional>

class QLabel;
class QWidget;

namespace app {

class Dialogs;

// The three legend labels of the window.
struct LegendLabels {
    QLabel* title = nullptr;
    QLabel* xAxis = nullptr;
    QLabel* yAxis = nullptr;
};

// The window's routines the notebook runs.
struct NotebookRoutines {
    std::function<void()> readDataPane;
    std::function<void()> redrawGraph;
    std::function<void()> showFit;
};

// Runs the notebook's handlers under the general error report, shown over parent, and gives it
// the window's routines and legend labels.
class WindowNotebookHost : public options::NotebookHost {
public:
    WindowNotebookHost(
        Dialogs& dialogs, QWidget* parent, LegendLabels legends, NotebookRoutines routines);

    void RunGuarded(const std::function<void()>& handler) override;
    void ReadDataPane() override;
    void RedrawGraph() override;
    void ShowFit() override;
    QString LegendCaption(options::LegendLabel label) const override;
    // Sets the caption and sizes the label to it, the y legend wrapping its words.
    void SetLegendCaption(options::LegendLabel label, const QString& caption) override;
    void SetLegendBackground(options::LegendLabel label, common::ColorValue colour) override;

private:
    QLabel& Legend(options::LegendLabel label) const;

    Dialogs& m_dialogs;
    QWidget* m_parent;
    LegendLabels m_legends;
    NotebookRoutines m_routines;
};

} // namespace app
