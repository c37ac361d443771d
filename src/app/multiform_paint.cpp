// src/app/multiform_paint.cpp: the repaint pass and the drawing pass into the client area's image.
#include "app/multiform.h"

#include "app/client_surface.h"
#include "app/qt_label.h"
#include "app/qt_text_lines.h"
#include "data/calculate_data.h"
#include "data/unread_line_reason.h"
#include "graph/draw_graph.h"
#include "qtgraph/graph_image.h"
#include "qtgraph/qt_canvas.h"
#include "qtgraph/qt_font.h"

#include <QLabel>
#include <QPainter>

namespace app {

namespace {

    // Shown centred on the graph area when the pane holds text but no line of it reads.
    constexpr char NoLineReadsNotice[] = "No line of the data pane reads as an x/y pair.";

} // namespace

void TMultiform::FormPaint()
{
    if (workbench.layout.Resizing)
        return;
    ReadDataPane();
    DrawGraphOnClientArea();
}

void TMultiform::ReadDataPane()
{
    data::CalculateData(workbench.points, *m_dataLines, m_decimalSeparator);
}

void TMultiform::DrawGraphOnClientArea()
{
    // A paint shows the graph as it was; any other pass may change its scale.
    if (!ClientArea->Painting())
        CoordinateLabel->hide();
    if (const std::optional<QString> notice = EmptyGraphNotice()) {
        ShowEmptyGraphArea(*notice);
        return;
    }
    QImage& image = ClientArea->DrawingImage();
    QtLabel title(*TitleLabel);
    QtLabel xLegend(*XAxisLabel);
    QtLabel yLegend(*YAxisLabel);
    {
        // A client area of no size has an empty image, which Qt cannot paint on: the pass then
        // still measures and places everything, and draws nowhere.
        QPainter painter;
        if (!image.isNull())
            painter.begin(&image);
        qtgraph::QtCanvas canvas(
            painter, image.size(), ClientArea->palette(), qtgraph::WindowFont());
        graph::DrawGraph(workbench.graph, workbench.points, workbench.fit, DrawingGeometry(),
            canvas, { title, xLegend, yLegend });
    }
    // Only the final places reach the labels, so that a pass inside a paint does not ask for
    // another one.
    title.Apply();
    xLegend.Apply();
    yLegend.Apply();
    ClientArea->ShowGraph();
}

void TMultiform::ShowEmptyGraphArea(const QString& notice)
{
    QImage& image = ClientArea->DrawingImage();
    if (!image.isNull()) {
        QPainter painter(&image);
        qtgraph::PaintEmptyGraphArea(
            painter, image.size(), GraphArea(), notice, ClientArea->palette());
    }
    // No plot: the readout finds nothing to read.
    workbench.graph.PlotWidth = 0;
    workbench.graph.PlotHeight = 0;
    for (QLabel* label : { TitleLabel, XAxisLabel, YAxisLabel, CoordinateLabel })
        label->hide();
    ClientArea->ShowGraph();
}

std::optional<QString> TMultiform::EmptyGraphNotice() const
{
    if (!workbench.points.DataPresent)
        return QString();
    if (workbench.points.PointCount == 0)
        return QString::fromLatin1(NoLineReadsNotice);
    return std::nullopt;
}

QRect TMultiform::GraphArea() const
{
    const int paneRight = DataWindow->x() + DataWindow->width();
    return QRect(paneRight, 0, ClientArea->width() - paneRight, ClientArea->height());
}

QString TMultiform::DataLineToolTip(int line) const
{
    if (!m_dataLines->IsMarked(line))
        return QString();
    return QString::fromStdString(
        data::UnreadLineReason(m_dataLines->Line(line), m_decimalSeparator));
}

graph::WindowGeometry TMultiform::DrawingGeometry() const
{
    // The frame is known only once a window manager has framed the shown window; until then
    // the window's own geometry stands for it.
    QRect outer = frameGeometry();
    if (!outer.isValid() || outer.width() < width() || outer.height() < height())
        outer = geometry();
    graph::WindowGeometry geometry;
    geometry.OuterWidth = outer.width();
    geometry.OuterHeight = outer.height();
    geometry.ClientWidth = ClientArea->width();
    geometry.ClientHeight = ClientArea->height();
    geometry.DataWindowLeft = DataWindow->x();
    geometry.DataWindowTop = DataWindow->y();
    geometry.DataWindowWidth = DataWindow->width();
    return geometry;
}

} // namespace app
