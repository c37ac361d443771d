// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/mouse_event_router.cpp: mouse events of the panes, editors and y legend to handlers.
#include "app/mouse_event_router.h"

#include "app/label_drag.h"
#include "app/run_guarded.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace app {

namespace {

    bool IsMouseEvent(const QEvent& event)
    {
        switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return true;
        default:
            return false;
        }
    }

    bool IsDropEvent(const QEvent& event)
    {
        switch (event.type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }

} // namespace

MouseEventRouter::MouseEventRouter(PaneMouseHandlers& handlers, const layout::LayoutState& layout,
    Dialogs& dialogs, const RoutedWidgets& widgets, QWidget* parent)
    : QObject(parent)
    , m_handlers(handlers)
    , m_layout(layout)
    , m_dialogs(dialogs)
    , m_widgets(widgets)
    , m_parent(parent)
{
    WatchPane(widgets.dataPane, widgets.dataEditor);
    WatchPane(widgets.resultsPane, widgets.resultsEditor);

    QLabel* legend = widgets.yLegend;
    legend->setMouseTracking(true);
    legend->setAttribute(Qt::WA_NoMousePropagation);
    legend->installEventFilter(this);
}

void MouseEventRouter::WatchPane(QWidget* pane, QPlainTextEdit* editor)
{
    // Qt delivers the editor's own mouse events to its viewport; the editor itself gets those
    // on its frame, and its scroll bars their own. The scroll bars lie along the right and
    // bottom edges, over the grip zones there: the zones come first.
    for (QWidget* widget : { pane, static_cast<QWidget*>(editor), editor->viewport(),
             static_cast<QWidget*>(editor->verticalScrollBar()),
             static_cast<QWidget*>(editor->horizontalScrollBar()) }) {
        // Moves without a button arrive only at widgets that track the mouse.
        widget->setMouseTracking(true);
        // Handled here once: what the widget leaves unhandled must not reach the pane or the
        // window surface as a second event.
        widget->setAttribute(Qt::WA_NoMousePropagation);
        widget->installEventFilter(this);
        m_paneOf.insert(widget, pane);
    }
    // A drag the editor refuses would go on to the window surface behind the pane, which takes
    // labels; the pane stops it there (see RefuseDrop).
    pane->setAcceptDrops(true);
}

bool MouseEventRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (IsDropEvent(*event))
        return m_paneOf.value(watched) == watched && RefuseDrop(*event);
    if (!IsMouseEvent(*event))
        return false;
    auto& mouse = static_cast<QMouseEvent&>(*event);
    if (watched == m_widgets.yLegend)
        return LegendEvent(mouse);
    const auto entry = m_paneOf.constFind(watched);
    if (entry == m_paneOf.constEnd())
        return false;
    return PaneEvent(static_cast<QWidget*>(watched), entry.value(), mouse);
}

bool MouseEventRouter::PaneEvent(QWidget* widget, QWidget* pane, QMouseEvent& event)
{
    const QPoint position = widget->mapTo(pane, event.position().toPoint());
    const int X = position.x();
    const int Y = position.y();
    const bool dataPane = pane == m_widgets.dataPane;
    const bool wasResizing = m_layout.Resizing;
    Guarded([&] {
        switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (dataPane)
                m_handlers.DataWindowMouseDown(event.button(), X, Y);
            else
                m_handlers.FitResultsWindowMouseDown(event.button(), X, Y);
            break;
        case QEvent::MouseMove:
            if (dataPane)
                m_handlers.DataWindowMouseMove(event.buttons(), X, Y);
            else
                m_handlers.FitResultsWindowMouseMove(event.buttons(), X, Y);
            break;
        default:
            m_handlers.DataWindowMouseUp(event.button(), X, Y);
            break;
        }
    });
    return wasResizing || m_layout.Resizing;
}

bool MouseEventRouter::RefuseDrop(QEvent& event)
{
    // Taking the drag's entry makes the pane its target, so that it goes no further up; the
    // moves and the drop are then refused, and the pointer shows that nothing can be dropped.
    event.setAccepted(event.type() == QEvent::DragEnter);
    return true;
}

bool MouseEventRouter::LegendEvent(QMouseEvent& event)
{
    const QPoint position = event.position().toPoint();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_legendPressed = event.button() == Qt::LeftButton;
        m_legendPressPoint = position;
        break;
    case QEvent::MouseMove:
        Guarded(
            [&] { m_handlers.YAxisLabelMouseMove(event.buttons(), position.x(), position.y()); });
        if (m_legendPressed && (event.buttons() & Qt::LeftButton)
            && (position - m_legendPressPoint).manhattanLength()
                >= QApplication::startDragDistance()) {
            m_legendPressed = false;
            DragLabel(*m_widgets.yLegend);
        }
        break;
    default:
        m_legendPressed = false;
        break;
    }
    return true;
}

void MouseEventRouter::Guarded(const std::function<void()>& handler)
{
    RunGuarded(m_dialogs, m_parent, handler);
}

} // namespace app
