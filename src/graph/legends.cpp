// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/legends.cpp: title, x legend and y legend placement.
#include "graph/legends.h"

#include "graph/plot_transforms.h"

namespace graph {

namespace {

    void Show(Label& label)
    {
        if (!label.Visible())
            label.SetVisible(true);
    }

    // Halving drops the fraction towards zero, as C++ integer division does.
    int CentredLeft(const GraphState& graph, const Label& label)
    {
        return graph.PlotLeft + (graph.PlotWidth - label.Width()) / 2;
    }

} // namespace

void PlaceLegends(GraphState& graph, const GraphLabels& labels, int yLabelsWidth)
{
    Show(labels.TitleLabel);
    labels.TitleLabel.SetLeft(1);
    labels.TitleLabel.SetLeft(CentredLeft(graph, labels.TitleLabel));
    labels.TitleLabel.SetTop(graph.PlotTop - 2 * graph.LabelHeight);

    Show(labels.XAxisLabel);
    labels.XAxisLabel.SetLeft(1);
    labels.XAxisLabel.SetLeft(CentredLeft(graph, labels.XAxisLabel));
    labels.XAxisLabel.SetTop(PlotBottom(graph) + graph.LabelHeight);

    Label& yLegend = labels.YAxisLabel;
    Show(yLegend);
    graph.YLegendLeft = yLegend.Left();
    yLegend.SetLeft(1);
    if (graph.YLabelMoved) {
        yLegend.SetLeft(graph.YLegendLeft);
        return;
    }
    graph.YLegendLeft = graph.PlotLeft - yLegend.Width() - 2 * TickHalfLength - yLabelsWidth;
    yLegend.SetLeft(graph.YLegendLeft);
    yLegend.SetTop(graph.PlotTop + (graph.PlotHeight - yLegend.Height()) / 2);
}

} // namespace graph
