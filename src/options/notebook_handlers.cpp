// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/notebook_handlers.cpp: what the controls of the options notebook do.
#include "options/band_levels.h"
#include "options/color_table.h"
#include "options/editable_combo.h"
#include "options/layout_tab_order.h"
#include "options/options_notebook.h"
#include "options/whole_number_spin_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace options {

namespace {

    // Choosing the polynomial allows one order more than the fit storage holds; the first
    // change of the order brings the bound down to the highest order.
    constexpr int BoundOnChoosing = fit::HighestOrder + 1;
    // A polynomial needs this many more points than its order for a meaningful uncertainty.
    constexpr int PointsBeyondOrder = 4;
    constexpr int MarkerShapeCount = 5;

    // Writes the colour of the chosen item; a text that matches no item leaves the colour as it
    // was rather than inventing one.
    bool TakeChosenColor(QComboBox& box, common::ColorValue& colour)
    {
        const std::optional<common::ColorValue> chosen = IndexToColor(ChosenIndex(box));
        if (!chosen)
            return false;
        colour = *chosen;
        return true;
    }

} // namespace

void OptionsNotebook::ShowTitlesPage()
{
    setCurrentIndex(TitlesPage);
    TabbedNotebook1Enter();
    FocusFirstControl();
}

void OptionsNotebook::ShowFitDataPage()
{
    setCurrentIndex(FitDataPage);
    TabbedNotebook1Enter();
    FocusFirstControl();
}

void OptionsNotebook::FocusFirstControl()
{
    if (QWidget* page = currentWidget()) {
        const std::vector<QWidget*> controls = ControlsInLayoutOrder(*page);
        if (!controls.empty())
            controls.front()->setFocus(Qt::TabFocusReason);
    }
}

bool OptionsNotebook::focusNextPrevChild(bool next)
{
    // Hidden, the notebook lets the focus go on through the window as usual.
    QWidget* page = currentWidget();
    if (!isVisible() || page == nullptr)
        return QTabWidget::focusNextPrevChild(next);
    const std::vector<QWidget*> controls = ControlsInLayoutOrder(*page);
    if (controls.empty())
        return true;
    // The control that has the focus, or holds the editor that has it.
    const QWidget* focus = QApplication::focusWidget();
    const auto at = std::find_if(controls.begin(), controls.end(),
        [&](const QWidget* control) { return control == focus || control->isAncestorOf(focus); });
    const auto count = std::ptrdiff_t(controls.size());
    std::ptrdiff_t index = next ? 0 : count - 1;
    if (at != controls.end())
        index = ((at - controls.begin()) + (next ? 1 : count - 1)) % count;
    controls[std::size_t(index)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void OptionsNotebook::TabbedNotebook1Enter()
{
    move(0, 0);
    show();
    raise();
    // Each box's change handler writes back what it is given, so only the boxes change.
    TabbedTitleEdit->setText(m_host.LegendCaption(LegendLabel::Title));
    TabbedX1->setText(m_host.LegendCaption(LegendLabel::XAxis));
    TabbedX2->setText(QString::fromStdString(m_report.XUnitsText));
    TabbedY1->setText(m_host.LegendCaption(LegendLabel::YAxis));
    TabbedY2->setText(QString::fromStdString(m_report.YUnitsText));
}

void OptionsNotebook::TabbedFitExitClick()
{
    if (m_fit.FitValid)
        m_host.RedrawGraph();
    // Hiding uncovers the window, whose repaint draws the graph in any case.
    hide();
}

void OptionsNotebook::TabbedFitComboChange()
{
    // The items are in the order of the fit models.
    switch (const int index = ChosenIndex(*TabbedFitCombo)) {
    case int(fit::StraightLine):
        m_fit.FitType = fit::StraightLine;
        PolyOrderLabel->hide();
        SpinEdit1->hide();
        ZeroForceBox->show();
        break;
    case int(fit::Polynomial):
        m_fit.FitType = fit::Polynomial;
        // New bounds only: the order is taken from the box as it stands, unlimited.
        SpinEdit1->SetMinValue(1);
        SpinEdit1->SetMaxValue(std::min(m_points.PointCount - PointsBeyondOrder, BoundOnChoosing));
        PolyOrderLabel->show();
        SpinEdit1->show();
        m_fit.FitOrder = SpinEdit1->Value();
        ZeroForceBox->show();
        break;
    case int(fit::PowerLaw):
    case int(fit::Exponential):
        m_fit.FitType = static_cast<fit::FitModel>(index);
        PolyOrderLabel->hide();
        SpinEdit1->hide();
        ZeroForceBox->hide();
        ZeroForceBox->setChecked(false);
        m_fit.ZeroForce = false;
        break;
    default:
        break;
    }
    // The curve of the last fit no longer matches the choice; it goes at the next drawing pass.
    m_fit.FitValid = false;
}

void OptionsNotebook::SpinEdit1Change()
{
    m_host.ReadDataPane();
    const int upperBound = std::min(m_points.PointCount - PointsBeyondOrder, fit::HighestOrder);
    SpinEdit1->SetMaxValue(upperBound);
    m_fit.FitOrder = std::min(SpinEdit1->Value(), upperBound);
    // A limited number changes the text and runs this handler once more, which then finds
    // nothing left to change.
    SpinEdit1->SetValue(m_fit.FitOrder);
}

void OptionsNotebook::ZeroForceBoxClick() { m_fit.ZeroForce = ZeroForceBox->isChecked(); }

void OptionsNotebook::PrecisionFlagBoxClick()
{
    // Box and flag start together and change together; the box's tick is not read.
    m_report.PrecisionFlag = 1 - m_report.PrecisionFlag;
    m_host.ShowFit();
}

void OptionsNotebook::ZeroSuppressBoxClick()
{
    m_points.SuppressZero = !m_points.SuppressZero;
    // The plotted ranges are recomputed with or without zero before the redraw.
    m_host.ReadDataPane();
    m_host.RedrawGraph();
}

void OptionsNotebook::StatisticsBoxClick()
{
    m_report.StatisticsShown = StatisticsBox->isChecked();
    // The report is written again with or without them, as the extra digit rewrites it.
    m_host.ShowFit();
}

void OptionsNotebook::ConfidenceBandBoxClick()
{
    m_graph.ConfidenceBandShown = ConfidenceBandBox->isChecked();
    if (m_fit.FitValid)
        m_host.RedrawGraph();
}

void OptionsNotebook::PredictionBandBoxClick()
{
    m_graph.PredictionBandShown = PredictionBandBox->isChecked();
    if (m_fit.FitValid)
        m_host.RedrawGraph();
}

void OptionsNotebook::ResidualsBoxClick()
{
    m_graph.ResidualsShown = ResidualsBox->isChecked();
    if (m_fit.FitValid)
        m_host.RedrawGraph();
}

void OptionsNotebook::BandLevelComboChange()
{
    const int index = BandLevelCombo->currentIndex();
    if (index < 0 || index >= static_cast<int>(BandLevelChoices.size()))
        return;
    m_graph.BandLevel = BandLevelChoices[static_cast<std::size_t>(index)].Level;
    if (m_fit.FitValid && (m_graph.ConfidenceBandShown || m_graph.PredictionBandShown))
        m_host.RedrawGraph();
}

void OptionsNotebook::BackColorComboChange()
{
    if (!TakeChosenColor(*BackColorCombo, m_graph.BackgroundColor))
        return;
    // The legend labels take the new background at once; the plot at the next pass.
    m_host.SetLegendBackground(LegendLabel::XAxis, m_graph.BackgroundColor);
    m_host.SetLegendBackground(LegendLabel::YAxis, m_graph.BackgroundColor);
    m_host.SetLegendBackground(LegendLabel::Title, m_graph.BackgroundColor);
}

void OptionsNotebook::GraphComboChange() { TakeChosenColor(*GraphCombo, m_graph.GraphColor); }

void OptionsNotebook::TickColorComboChange()
{
    TakeChosenColor(*TickColorCombo, m_graph.TickColor);
}

void OptionsNotebook::MarkerColorComboChange()
{
    TakeChosenColor(*MarkerColorCombo, m_graph.MarkerColor);
}

void OptionsNotebook::TabbedTitleEditChange()
{
    m_host.SetLegendCaption(LegendLabel::Title, TabbedTitleEdit->text());
}

void OptionsNotebook::TabbedX1Change()
{
    m_host.SetLegendCaption(LegendLabel::XAxis, TabbedX1->text());
}

void OptionsNotebook::TabbedX2Change() { m_report.XUnitsText = TabbedX2->text().toStdString(); }

void OptionsNotebook::TabbedY1Change()
{
    m_host.SetLegendCaption(LegendLabel::YAxis, TabbedY1->text());
}

void OptionsNotebook::TabbedY2Change() { m_report.YUnitsText = TabbedY2->text().toStdString(); }

void OptionsNotebook::MarkerTypeComboBox1Change()
{
    // The items are in the order of the marker shapes.
    const int index = ChosenIndex(*MarkerTypeComboBox1);
    if (index >= 0 && index < MarkerShapeCount)
        m_graph.MarkerType = static_cast<graph::MarkerShape>(index);
}

} // namespace options
