// src/app/multiform_mouse.cpp: pane resizing with the mouse, hover cursors, the position
// readout and the drop of the y legend.
#include "app/multiform.h"

#include "app/application_cursor.h"
#include "app/client_surface.h"
#include "app/coordinate_readout.h"
#include "app/label_drag.h"
#include "app/qt_label.h"

#include <QLabel>

#include <algorithm>
#include <cstdlib>

namespace app {

namespace {

    // Where a position lies among the grip zones: near an edge that sets the data pane's width
    // (right edge, or the strip right of it) and near one that sets its height.
    struct GripZones {
        bool widthEdge = false;
        bool heightEdge = false;
    };

    // Both edges drag both sizes; one edge only its own size; none is no zone.
    bool InZone(GripZones zones) { return zones.widthEdge || zones.heightEdge; }

    int DragModeOf(GripZones zones)
    {
        if (zones.widthEdge && zones.heightEdge)
            return DragBoth;
        return zones.widthEdge ? DragWidth : DragHeight;
    }

    Qt::CursorShape CursorOf(GripZones zones)
    {
        if (!InZone(zones))
            return Qt::ArrowCursor;
        switch (DragModeOf(zones)) {
        case DragWidth:
            return Qt::SizeHorCursor;
        case DragHeight:
            return Qt::SizeVerCursor;
        default:
            return Qt::SizeFDiagCursor;
        }
    }

    // All grip comparisons are strict: a point exactly GripSize from an edge is outside.
    GripZones DataPaneZones(const TMultiform& window, int X, int Y)
    {
        const int grip = window.workbench.layout.GripSize;
        return { window.DataWindow->width() - X < grip, window.DataWindow->height() - Y < grip };
    }

    // The results pane's top edge is the data pane's bottom edge.
    GripZones ResultsPaneZones(const TMultiform& window, int X, int Y)
    {
        const int grip = window.workbench.layout.GripSize;
        return { window.FitResultsWindow->width() - X < grip, Y < grip };
    }

    // The strip right of the data pane, and within it the corner by the pane's bottom edge.
    GripZones SurfaceZones(const TMultiform& window, int X, int Y)
    {
        const int grip = window.workbench.layout.GripSize;
        const bool strip = X - window.DataWindow->width() < grip;
        return { strip, strip && std::abs(window.DataWindow->height() - Y) < grip };
    }

    void StartResize(TMultiform& window, Qt::MouseButton button, GripZones zones)
    {
        if (button != Qt::LeftButton || !InZone(zones))
            return;
        SetApplicationCursor(CursorOf(zones));
        window.workbench.layout.DragMode = DragModeOf(zones);
        window.workbench.layout.Resizing = true;
    }

    // While a resize is in progress the data pane's size follows the client position (X, Y),
    // held between 0 and the client size, and the layout pass places the rest. Returns whether
    // a resize is in progress.
    bool DragStep(TMultiform& window, QObject* sender, int X, int Y)
    {
        const LayoutState& layout = window.workbench.layout;
        if (!layout.Resizing)
            return false;
        QWidget& pane = *window.DataWindow;
        int width = pane.width();
        int height = pane.height();
        if (layout.DragMode != DragWidth)
            height = std::clamp(Y, 0, std::max(0, window.ClientArea->height()));
        if (layout.DragMode != DragHeight)
            width = std::clamp(X, 0, std::max(0, window.ClientArea->width()));
        pane.resize(width, height);
        window.Reallocate(sender);
        return true;
    }

    // The client position lies strictly inside the plot rectangle of the last drawing pass.
    bool InsidePlot(const graph::GraphState& graph, int X, int Y)
    {
        const long long right = static_cast<long long>(graph.PlotLeft) + graph.PlotWidth;
        const long long bottom = static_cast<long long>(graph.PlotTop) + graph.PlotHeight;
        return graph.PlotLeft < X && X < right && graph.PlotTop < Y && Y < bottom;
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
        SetApplicationCursor(CursorOf(DataPaneZones(*this, X, Y)));
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
        SetApplicationCursor(CursorOf(ResultsPaneZones(*this, X, Y)));
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
    const GripZones zones = SurfaceZones(*this, X, Y);
    if (InZone(zones))
        SetApplicationCursor(CursorOf(zones));
    else if (InsidePlot(workbench.graph, X, Y))
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
        = CoordinateCaption(workbench.graph, workbench.points, X, Y);
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
