// src/app/window_notebook_host.h: the main window's side of the options notebook.
#pragma once

#include "options/notebook_host.h"

class QLabel;

namespace app {

class TMultiform;

// Runs the notebook's handlers under the window's general error report and gives it the
// window's routines (data reading, drawing pass, fit command) and legend labels.
class WindowNotebookHost : public options::NotebookHost {
public:
    explicit WindowNotebookHost(TMultiform& window);

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

    TMultiform& m_window;
};

} // namespace app
