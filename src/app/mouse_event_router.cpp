// src/app/mouse_event_router.cpp: mouse events of the panes, editors and y legend to handlers.
#include "app/mouse_event_router.h"

#include "app/label_drag.h"
#include "app/multiform.h"
#include "app/run_guarded.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <utility>

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

MouseEventRouter::MouseEventRouter(TMultiform& window)
    : QObject(&window)
    , m_window(window)
{
    WatchPane(window.DataWindow, window.Memo1);
    WatchPane(window.FitResultsWindow, window.Memo2);

    QLabel* legend = window.YAxisLabel;
    legend->setMouseTracking(true);
    legend->setAttribute(Qt::WA_NoMousePropagation);
    legend->installEventFilter(this);
}

void MouseEventRouter::WatchPane(QWidget* pane, QPlainTextEdit* editor)
{
    // Qt delivers the editor's own mouse events to its viewport; the editor itself gets those
    // on its frame.
    const std::pair<QWidget*, QObject*> widgets[] = {
        { pane, pane },
        { editor, editor },
        { editor->viewport(), editor },
    };
    for (const auto& [widget, sender] : widgets) {
        // Moves without a button arrive only at widgets that track the mouse.
        widget->setMouseTracking(true);
        // Handled here once: what the widget leaves unhandled must not reach the pane or the
        // window surface as a second event.
        widget->setAttribute(Qt::WA_NoMousePropagation);
        widget->installEventFilter(this);
        m_watched.insert(widget, Watched { pane, sender });
    }
    // A drag the editor refuses would go on to the window surface behind the pane, which takes
    // labels; the pane stops it there (see RefuseDrop).
    pane->setAcceptDrops(true);
}

bool MouseEventRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (IsDropEvent(*event))
        return m_watched.value(watched).pane == watched && RefuseDrop(*event);
    if (!IsMouseEvent(*event))
        return false;
    auto& mouse = static_cast<QMouseEvent&>(*event);
    if (watched == m_window.YAxisLabel)
        return LegendEvent(mouse);
    const auto entry = m_watched.constFind(watched);
    if (entry == m_watched.constEnd())
        return false;
    return PaneEvent(static_cast<QWidget*>(watched), entry.value(), mouse);
}

bool MouseEventRouter::PaneEvent(QWidget* widget, const Watched& watched, QMouseEvent& event)
{
    const QPoint position = widget->mapTo(watched.pane, event.position().toPoint());
    const int X = position.x();
    const int Y = position.y();
    const bool dataPane = watched.pane == m_window.DataWindow;
    const bool wasResizing = m_window.workbench.layout.Resizing;
    TMultiform& window = m_window;
    RunGuarded(window, [&] {
        switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (dataPane)
                window.DataWindowMouseDown(watched.sender, event.button(), X, Y);
            else
                window.FitResultsWindowMouseDown(watched.sender, event.button(), X, Y);
            break;
        case QEvent::MouseMove:
            if (dataPane)
                window.DataWindowMouseMove(watched.sender, event.buttons(), X, Y);
            else
                window.FitResultsWindowMouseMove(watched.sender, event.buttons(), X, Y);
            break;
        default:
            window.DataWindowMouseUp(watched.sender, event.button(), X, Y);
            break;
        }
    });
    return wasResizing || window.workbench.layout.Resizing;
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
    QLabel& legend = *m_window.YAxisLabel;
    const QPoint position = event.position().toPoint();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_legendPressed = event.button() == Qt::LeftButton;
        m_legendPressPoint = position;
        break;
    case QEvent::MouseMove:
        RunGuarded(m_window, [&] {
            m_window.YAxisLabelMouseMove(&legend, event.buttons(), position.x(), position.y());
        });
        if (m_legendPressed && (event.buttons() & Qt::LeftButton)
            && (position - m_legendPressPoint).manhattanLength()
                >= QApplication::startDragDistance()) {
            m_legendPressed = false;
            DragLabel(legend);
        }
        break;
    default:
        m_legendPressed = false;
        break;
    }
    return true;
}

} // namespace app
