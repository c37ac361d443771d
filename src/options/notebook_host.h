// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/notebook_host.h: what the options notebook needs from the window that owns it.
#pragma once

#include "common/color.h"

#include <QString>

#include <functional>

namespace options {

// The three legend labels of the graph.
enum class LegendLabel { Title, XAxis, YAxis };

// The main window's side of the notebook: the routines the handlers run and the legend labels
// they edit. The notebook writes the workbench state itself; everything that lives in the
// window goes through here.
class NotebookHost {
public:
    virtual ~NotebookHost() = default;

    // Runs one notebook handler under the window's error guard: a failure ends the handler at
    // the failing step, is shown in the error box, and the event loop goes on.
    virtual void RunGuarded(const std::function<void()>& handler) = 0;

    // Reads the data pane into the point store, with the plotted ranges (CalculateData).
    virtual void ReadDataPane() = 0;
    // Runs the drawing pass of the graph (DrawGraph) and shows it.
    virtual void RedrawGraph() = 0;
    // The fit command of the Show buttons (TabbedFitShowClick): read, check, fit, report and
    // redraw.
    virtual void ShowFit() = 0;

    virtual QString LegendCaption(LegendLabel label) const = 0;
    virtual void SetLegendCaption(LegendLabel label, const QString& caption) = 0;
    // Gives the label a new background at once.
    virtual void SetLegendBackground(LegendLabel label, common::ColorValue colour) = 0;
};

} // namespace options
