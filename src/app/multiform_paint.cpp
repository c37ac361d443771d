// src/app/multiform_paint.cpp: the repaint pass and the drawing pass into the client area's image.
#include "app/multiform.h"

#include "app/client_surface.h"
#include "app/qt_label.h"
#include "app/qt_text_lines.h"
#include "data/calculate_data.h"
#include "graph/draw_graph.h"
#include "qtgraph/qt_canvas.h"
#include "qtgraph/qt_font.h"

#include <QPainter>

namespace app {

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
    QImage& image = ClientArea->DrawingImage();
    // Without data the window keeps what it shows, and the labels their state.
    if (!workbench.points.DataPresent)
        return;
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
