// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/options_notebook.h: the options notebook: fit, colours, titles and markers pages.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/graph_state.h"
#include "options/notebook_host.h"
#include "report/report_settings.h"

#include <QTabWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace options {

class WholeNumberSpinBox;

// TabbedNotebook1: hidden until a menu command shows it at the top-left corner of its parent
// (the window's client area), hidden again by any Exit button or Escape. Its handlers write the
// workbench state directly and leave the window's labels and routines to the host. Every
// handler runs under the host's error guard. While it shows, the keyboard stays on it: a page
// that comes up gives its first control the focus, and Tab and Shift+Tab go round the page's
// controls in the order of its layout (ControlsInLayoutOrder), never to the panes it covers.
class OptionsNotebook : public QTabWidget {
    Q_OBJECT

public:
    // Pages in the order of their tabs.
    enum Page { FitDataPage = 0, ColorsPage = 1, TitlesPage = 2, MarkersPage = 3 };

    OptionsNotebook(data::PointStore& points, fit::FitState& fit, report::ReportSettings& report,
        graph::GraphState& graph, NotebookHost& host, QWidget* parent = nullptr);

    // What the "Forma&t" menu command does: shows the Titles page.
    void ShowTitlesPage();
    // What the "Fit &Data" menu command does: shows the Fit Data page.
    void ShowFitDataPage();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    QWidget* BuildFitDataPage();
    QWidget* BuildColorsPage();
    QWidget* BuildTitlesPage();
    QWidget* BuildMarkersPage();
    void ConnectHandlers();
    // The first control of the current page takes the focus, as Tab gives it.
    void FocusFirstControl();
    // A slot that runs handler under the host's error guard.
    std::function<void()> Guarded(std::function<void()> handler);
    std::function<void()> Guarded(void (OptionsNotebook::*handler)());

    // Moves to (0, 0) of the parent, shows, and fills the Titles page from the current state.
    void TabbedNotebook1Enter();
    void TabbedFitExitClick();

    void TabbedFitComboChange();
    void SpinEdit1Change();
    void ZeroForceBoxClick();
    void PrecisionFlagBoxClick();
    void ZeroSuppressBoxClick();
    // Statistics refits, as the extra digit does; the bands, their level and the residuals
    // redraw a valid fit.
    void StatisticsBoxClick();
    void ConfidenceBandBoxClick();
    void PredictionBandBoxClick();
    void ResidualsBoxClick();
    void BandLevelComboChange();

    void BackColorComboChange();
    void GraphComboChange();
    void TickColorComboChange();
    void MarkerColorComboChange();

    void TabbedTitleEditChange();
    void TabbedX1Change();
    void TabbedX2Change();
    void TabbedY1Change();
    void TabbedY2Change();

    void MarkerTypeComboBox1Change();

    data::PointStore& m_points;
    fit::FitState& m_fit;
    report::ReportSettings& m_report;
    graph::GraphState& m_graph;
    NotebookHost& m_host;

    // Fit Data page.
    QComboBox* TabbedFitCombo = nullptr;
    QCheckBox* ZeroForceBox = nullptr;
    QLabel* PolyOrderLabel = nullptr;
    WholeNumberSpinBox* SpinEdit1 = nullptr;
    QPushButton* TabbedFitShow = nullptr;
    QPushButton* TabbedFitCancel = nullptr;
    QPushButton* TabbedFitExit = nullptr;
    QCheckBox* PrecisionFlagBox = nullptr;
    QCheckBox* ZeroSuppressBox = nullptr;
    QCheckBox* StatisticsBox = nullptr;
    QCheckBox* ResidualsBox = nullptr;
    QCheckBox* ConfidenceBandBox = nullptr;
    QCheckBox* PredictionBandBox = nullptr;
    QComboBox* BandLevelCombo = nullptr;
    // Colors page.
    QComboBox* BackColorCombo = nullptr;
    QComboBox* GraphCombo = nullptr;
    QComboBox* TickColorCombo = nullptr;
    QComboBox* MarkerColorCombo = nullptr;
    QPushButton* TabbedColorsShow = nullptr;
    QPushButton* TabbedColorsExit = nullptr;
    // Titles page.
    QLineEdit* TabbedTitleEdit = nullptr;
    QLineEdit* TabbedX1 = nullptr;
    QLineEdit* TabbedX2 = nullptr;
    QLineEdit* TabbedY1 = nullptr;
    QLineEdit* TabbedY2 = nullptr;
    QPushButton* TabbedTitlesShow = nullptr;
    QPushButton* TabbedTitleExit = nullptr;
    // Markers page.
    QComboBox* MarkerTypeComboBox1 = nullptr;
    QPushButton* TabbedMarkersShow = nullptr;
    QPushButton* TabbedMarkersExit = nullptr;
};

} // namespace options
