// src/app/client_surface.cpp: paint, resize, mouse and drop events of the client area go to the
// window's handlers.
#include "app/client_surface.h"

#include "app/multiform.h"
#include "app/run_guarded.h"

#include <QDropEvent>
#include <QMouseEvent>

namespace app {

ClientSurface::ClientSurface(TMultiform& window)
    : QWidget(&window)
    , m_window(window)
{
    setMouseTracking(true);
    setAcceptDrops(true);
}

void ClientSurface::paintEvent(QPaintEvent* event)
{
    (void)event;
    RunGuarded(m_window, [this] { m_window.FormPaint(this); });
}

void ClientSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RunGuarded(m_window, [this] { m_window.Reallocate(this); });
}

void ClientSurface::mousePressEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    RunGuarded(m_window,
        [&] { m_window.FormMouseDown(this, event->button(), position.x(), position.y()); });
}

// A double click is a second press, as the handlers see it.
void ClientSurface::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ClientSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    RunGuarded(m_window,
        [&] { m_window.FormMouseMove(this, event->buttons(), position.x(), position.y()); });
}

void ClientSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    RunGuarded(m_window,
        [&] { m_window.DataWindowMouseUp(this, event->button(), position.x(), position.y()); });
}

void ClientSurface::AnswerDrag(QDropEvent& event)
{
    const QPoint position = event.position().toPoint();
    bool accepted = false;
    RunGuarded(m_window, [&] {
        accepted = m_window.FormDragOver(this, event.mimeData(), position.x(), position.y());
    });
    if (accepted)
        event.acceptProposedAction();
    else
        event.ignore();
}

void ClientSurface::dragEnterEvent(QDragEnterEvent* event) { AnswerDrag(*event); }

void ClientSurface::dragMoveEvent(QDragMoveEvent* event) { AnswerDrag(*event); }

void ClientSurface::dropEvent(QDropEvent* event)
{
    AnswerDrag(*event);
    if (!event->isAccepted())
        return;
    const QPoint position = event->position().toPoint();
    RunGuarded(m_window,
        [&] { m_window.FormDragDrop(this, event->mimeData(), position.x(), position.y()); });
}

} // namespace app
