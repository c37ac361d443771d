// src/app/multiform_mouse.cpp: pane resizing with the mouse, hover cursors, the position
// readout and the drop of the y legend.
#include "app/multiform.h"

#include "app/application_cursor.h"
#include "app/client_surface.h"
#include "app/label_drag.h"
#include "app/qt_label.h"
#include "graph/coordinate_readout.h"
#include "layout/grip_zones.h"

#include <QLabel>

#include <algorithm>
#include <optional>

namespace app {

namespace {

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

    layout::GripZones DataPaneZones(const TMultiform& window, int X, int Y)
    {
        return layout::DataPaneZones(window.DataWindow->width(), window.DataWindow->height(), X, Y,
            window.workbench.layout.GripSize);
    }

    layout::GripZones ResultsPaneZones(const TMultiform& window, int X, int Y)
    {
        return layout::ResultsPaneZones(
            window.FitResultsWindow->width(), X, Y, window.workbench.layout.GripSize);
    }

    layout::GripZones SurfaceZones(const TMultiform& window, int X, int Y)
    {
        return layout::SurfaceZones(window.DataWindow->width(), window.DataWindow->height(), X, Y,
            window.workbench.layout.GripSize);
    }

    void StartResize(TMultiform& window, Qt::MouseButton button, layout::GripZones zones)
    {
        const std::optional<layout::ResizeMode> mode = layout::ResizeModeOf(zones);
        if (button != Qt::LeftButton || !mode)
            return;
        SetApplicationCursor(CursorOf(mode));
        window.workbench.layout.DragMode = *mode;
        window.workbench.layout.Resizing = true;
    }

    // While a resize is in progress the data pane's size follows the client position (X, Y),
    // held between 0 and the client size, and the layout pass places the rest. Returns whether
    // a resize is in progress.
    bool DragStep(TMultiform& window, QObject* sender, int X, int Y)
    {
        const layout::LayoutState& layout = window.workbench.layout;
        if (!layout.Resizing)
            return false;
        QWidget& pane = *window.DataWindow;
        int width = pane.width();
        int height = pane.height();
        if (layout.DragMode != layout::ResizeMode::Width)
            height = std::clamp(Y, 0, std::max(0, window.ClientArea->height()));
        if (layout.DragMode != layout::ResizeMode::Height)
            width = std::clamp(X, 0, std::max(0, window.ClientArea->width()));
        pane.resize(width, height);
        window.Reallocate(sender);
        return true;
    }

} // namespace

void TMultiform::DataWindowMouseDown(QObject* sender, Qt::MouseButton button, int X, int Y)
{
    (void)sender;
    StartResize(*this, button, DataPaneZones(*this, X, Y));
}

void TMultiform::DataWindowMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y)
{
    (void)buttons;
    // The data pane's corner is the client origin: its positions are client positions.
    if (!DragStep(*this, sender, X, Y))
        SetApplicationCursor(CursorOf(layout::ResizeModeOf(DataPaneZones(*this, X, Y))));
}

void TMultiform::FitResultsWindowMouseDown(QObject* sender, Qt::MouseButton button, int X, int Y)
{
    (void)sender;
    StartResize(*this, button, ResultsPaneZones(*this, X, Y));
}

void TMultiform::FitResultsWindowMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y)
{
    (void)buttons;
    if (!DragStep(*this, sender, X + FitResultsWindow->x(), Y + FitResultsWindow->y()))
        SetApplicationCursor(CursorOf(layout::ResizeModeOf(ResultsPaneZones(*this, X, Y))));
}

void TMultiform::FormMouseDown(QObject* sender, Qt::MouseButton button, int X, int Y)
{
    (void)sender;
    StartResize(*this, button, SurfaceZones(*this, X, Y));
}

void TMultiform::FormMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y)
{
    (void)buttons;
    CoordinateLabel->hide();
    if (DragStep(*this, sender, X, Y))
        return;
    const std::optional<layout::ResizeMode> mode = layout::ResizeModeOf(SurfaceZones(*this, X, Y));
    if (mode)
        SetApplicationCursor(CursorOf(mode));
    else if (graph::InsidePlot(workbench.graph, X, Y))
        Coordinates(X, Y);
    else
        SetApplicationCursor(Qt::ArrowCursor);
}

void TMultiform::DataWindowMouseUp(QObject* sender, Qt::MouseButton button, int X, int Y)
{
    (void)X;
    (void)Y;
    if (button == Qt::LeftButton)
        workbench.layout.Resizing = false;
    SetApplicationCursor(Qt::ArrowCursor);
    FormPaint(sender);
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

void TMultiform::YAxisLabelMouseMove(QObject* sender, Qt::MouseButtons buttons, int X, int Y)
{
    (void)sender;
    (void)buttons;
    (void)X;
    (void)Y;
    SetApplicationCursor(Qt::CrossCursor);
}

bool TMultiform::FormDragOver(QObject* sender, const QMimeData* source, int X, int Y)
{
    (void)sender;
    (void)X;
    (void)Y;
    return CarriesLabel(source);
}

void TMultiform::FormDragDrop(QObject* sender, const QMimeData* source, int X, int Y)
{
    (void)sender;
    (void)source;
    workbench.graph.YLabelMoved = true;
    YAxisLabel->move(X, Y);
}

} // namespace app
