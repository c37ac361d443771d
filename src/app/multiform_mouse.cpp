// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform_mouse.cpp: pane resizing with the mouse, hover cursors, the position
// readout and the drop of the y legend.
#include "app/multiform.h"

#include "app/application_cursor.h"
#include "app/label_drag.h"
#include "app/qt_label.h"
#include "graph/coordinate_readout.h"
#include "layout/grip_zones.h"

#include <QLabel>

#include <algorithm>

namespace app {

namespace {

    // The cursor that announces what a press would drag; the arrow outside every grip zone.
    Qt::CursorShape CursorOf(std::optional<layout::ResizeMode> mode)
    {
        if (!mode)
            return Qt::ArrowCursor;
        switch (*mode) {
        case layout::ResizeMode::Width:
            return Qt::SizeHorCursor;
        case layout::ResizeMode::Height:
            return Qt::SizeVerCursor;
        case layout::ResizeMode::Both:
            break;
        }
        return Qt::SizeFDiagCursor;
    }

    // What a press at (X, Y) relative to pane of the given size would drag.
    std::optional<layout::ResizeMode> DataPaneMode(const QWidget& pane, int X, int Y, int grip)
    {
        return layout::ResizeModeOf(layout::DataPaneZones(pane.width(), pane.height(), X, Y, grip));
    }

    std::optional<layout::ResizeMode> ResultsPaneMode(const QWidget& pane, int X, int Y, int grip)
    {
        return layout::ResizeModeOf(layout::ResultsPaneZones(pane.width(), X, Y, grip));
    }

    // The data pane's corner is the client origin.
    std::optional<layout::ResizeMode> SurfaceMode(const QWidget& dataPane, int X, int Y, int grip)
    {
        return layout::ResizeModeOf(
            layout::SurfaceZones(dataPane.width(), dataPane.height(), X, Y, grip));
    }

} // namespace

void TMultiform::StartResize(Qt::MouseButton button, std::optional<layout::ResizeMode> mode)
{
    if (button != Qt::LeftButton || !mode)
        return;
    SetApplicationCursor(CursorOf(mode));
    workbench.layout.DragMode = *mode;
    workbench.layout.Resizing = true;
}

bool TMultiform::DragStep(int X, int Y)
{
    const layout::LayoutState& layout = workbench.layout;
    if (!layout.Resizing)
        return false;
    int width = DataWindow->width();
    int height = DataWindow->height();
    if (layout.DragMode != layout::ResizeMode::Width)
        height = std::clamp(Y, 0, std::max(0, ClientArea->height()));
    if (layout.DragMode != layout::ResizeMode::Height)
        width = std::clamp(X, 0, std::max(0, ClientArea->width()));
    DataWindow->resize(width, height);
    Reallocate();
    return true;
}

void TMultiform::DataWindowMouseDown(Qt::MouseButton button, int X, int Y)
{
    StartResize(button, DataPaneMode(*DataWindow, X, Y, workbench.layout.GripSize));
}

void TMultiform::DataWindowMouseMove(Qt::MouseButtons buttons, int X, int Y)
{
    (void)buttons;
    // The data pane's corner is the client origin: its positions are client positions.
    if (!DragStep(X, Y))
        SetApplicationCursor(CursorOf(DataPaneMode(*DataWindow, X, Y, workbench.layout.GripSize)));
}

void TMultiform::FitResultsWindowMouseDown(Qt::MouseButton button, int X, int Y)
{
    StartResize(button, ResultsPaneMode(*FitResultsWindow, X, Y, workbench.layout.GripSize));
}

void TMultiform::FitResultsWindowMouseMove(Qt::MouseButtons buttons, int X, int Y)
{
    (void)buttons;
    if (!DragStep(X + FitResultsWindow->x(), Y + FitResultsWindow->y()))
        SetApplicationCursor(
            CursorOf(ResultsPaneMode(*FitResultsWindow, X, Y, workbench.layout.GripSize)));
}

void TMultiform::FormMouseDown(Qt::MouseButton button, int X, int Y)
{
    StartResize(button, SurfaceMode(*DataWindow, X, Y, workbench.layout.GripSize));
}

void TMultiform::FormMouseMove(Qt::MouseButtons buttons, int X, int Y)
{
    (void)buttons;
    CoordinateLabel->hide();
    if (DragStep(X, Y))
        return;
    const std::optional<layout::ResizeMode> mode
        = SurfaceMode(*DataWindow, X, Y, workbench.layout.GripSize);
    if (mode)
        SetApplicationCursor(CursorOf(mode));
    else if (graph::InsidePlot(workbench.graph, X, Y))
        Coordinates(X, Y);
    else
        SetApplicationCursor(Qt::ArrowCursor);
}

void TMultiform::DataWindowMouseUp(Qt::MouseButton button, int X, int Y)
{
    (void)X;
    (void)Y;
    if (button == Qt::LeftButton)
        workbench.layout.Resizing = false;
    SetApplicationCursor(Qt::ArrowCursor);
    FormPaint();
}

void TMultiform::Coordinates(int X, int Y)
{
    const std::optional<std::string> caption
        = graph::CoordinateCaption(workbench.graph, workbench.points, X, Y);
    if (!caption) {
        // No usable scale (a range of no width, a plot of no size): no readout at all.
        CoordinateLabel->hide();
        SetApplicationCursor(Qt::ArrowCursor);
        return;
    }
    SetApplicationCursor(Qt::CrossCursor);
    // The top-left corner of the graph area.
    CoordinateLabel->move(DataWindow->x() + DataWindow->width(), DataWindow->y());
    CoordinateLabel->setText(QString::fromStdString(*caption));
    SizeToCaption(*CoordinateLabel);
    CoordinateLabel->show();
}

void TMultiform::YAxisLabelMouseMove(Qt::MouseButtons buttons, int X, int Y)
{
    (void)buttons;
    (void)X;
    (void)Y;
    SetApplicationCursor(Qt::CrossCursor);
}

bool TMultiform::FormDragOver(const QMimeData* source, int X, int Y)
{
    (void)X;
    (void)Y;
    return CarriesLabel(source);
}

void TMultiform::FormDragDrop(const QMimeData* source, int X, int Y)
{
    (void)source;
    // The pointer left the plot to drag the legend: what the readout says is no longer where it
    // is.
    CoordinateLabel->hide();
    workbench.graph.YLabelMoved = true;
    YAxisLabel->move(X, Y);
}

} // namespace app
