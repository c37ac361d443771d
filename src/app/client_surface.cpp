// src/app/client_surface.cpp: paint, resize, mouse and drop events of the client area go to the
// window's handlers.
#include "app/client_surface.h"

#include "app/multiform.h"
#include "app/run_guarded.h"
#include "qtgraph/qt_color.h"

#include <QDropEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace app {

ClientSurface::ClientSurface(TMultiform& window)
    : QWidget(&window)
    , m_window(window)
{
    setMouseTracking(true);
    setAcceptDrops(true);
    // Every paint covers its whole region with the graph image: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientSurface::ShowGraph()
{
    // A request from inside the paint would only schedule another paint, and so forever.
    if (!m_painting)
        update();
}

QPixmap ClientSurface::PrintImage()
{
    m_printing = true;
    QPixmap image = grab();
    m_printing = false;
    return image;
}

void ClientSurface::paintEvent(QPaintEvent* event)
{
    // The pass redraws the whole graph, but a paint shows only its own region. When the graph
    // changed beyond it (a fit dropped by a box that covered part of the plot), the whole
    // surface is shown at the next paint, whose pass finds nothing new and so asks no more.
    const bool partial = !(QRegion(rect()) - event->region()).isEmpty();
    const QImage shownBefore = partial ? m_window.GraphImage() : QImage();
    m_painting = true;
    RunGuarded(m_window, [this] { m_window.FormPaint(this); });
    m_painting = false;

    QPainter painter(this);
    const QImage& image = m_window.GraphImage();
    const Workbench& state = m_window.workbench;
    if (m_printing && (state.layout.Resizing || !state.points.DataPresent)) {
        // The pass drew nothing: the page shows the window's own colour, not the last graph.
        painter.fillRect(event->rect(), qtgraph::ColorOf(common::ButtonFaceColor, palette()));
        return;
    }
    painter.drawImage(QPoint(0, 0), image);
    // Only while the image lags behind a resize of the surface.
    for (const QRect& uncovered : event->region() - QRegion(image.rect()))
        painter.fillRect(uncovered, palette().color(QPalette::Button));
    if (partial && image != shownBefore)
        update();
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
