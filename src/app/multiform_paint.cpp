// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform_paint.cpp: the repaint pass and the drawing pass into the client area's image.
#include "app/multiform.h"

#include "app/captions.h"
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
#include <QStringList>

namespace app {

namespace {

    // Said of the lines after the one that ends the data.
    QString UnusedLineNote(int endingLine, bool endsAtCapacity)
    {
        if (endsAtCapacity)
            return QStringLiteral("Not read: the data end at line %1, as at most %1 points are "
                                  "read.")
                .arg(endingLine);
        return QStringLiteral("Not read: the data end at line %1, which is not an x/y pair.")
            .arg(endingLine);
    }

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
    ShowWhetherFitIsStale();
}

void TMultiform::ShowWhetherFitIsStale()
{
    const bool stale = m_fittedPoints
        && (!workbench.points.DataPresent
            || !data::HoldsSamePoints(*m_fittedPoints, workbench.points));
    workbench.graph.FitCurveStale = stale;
    if (m_staleNoteLine == common::TextLines::NoLine)
        return;
    // The note never writes over what the user typed there.
    const std::string line = m_resultLines->Line(m_staleNoteLine);
    if (stale && line.empty())
        m_resultLines->ReplaceLine(m_staleNoteLine, StaleFitNote);
    else if (!stale && line == StaleFitNote)
        m_resultLines->ReplaceLine(m_staleNoteLine, "");
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
    // The data end before the first line that does not read, here the first line of all.
    if (workbench.points.PointCount == 0)
        return QStringLiteral("Line %1 is not an x/y pair, so no point is read.")
            .arg(workbench.points.PointCount + 1);
    return std::nullopt;
}

QRect TMultiform::GraphArea() const
{
    const int paneRight = DataWindow->x() + DataWindow->width();
    return QRect(paneRight, 0, ClientArea->width() - paneRight, ClientArea->height());
}

QString TMultiform::DataLineToolTip(int line) const
{
    QStringList tip;
    if (m_dataLines->IsMarked(line))
        tip << QString::fromStdString(
            data::UnreadLineReason(m_dataLines->Line(line), m_decimalSeparator));
    const int firstUnused = m_dataLines->FirstUnusedLine();
    if (firstUnused != common::TextLines::NoLine && line >= firstUnused) {
        // The line before the unused ones ends the data: it failed, or filled the store.
        // Editor indexes count from 0, the data's lines from 1.
        tip << UnusedLineNote(firstUnused, !m_dataLines->IsMarked(firstUnused - 1));
    }
    return tip.join(QLatin1Char('\n'));
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
