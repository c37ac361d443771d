// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/client_surface.cpp: paint, resize, mouse and drop events of the client area go to the
// window's handlers.
#include "app/client_surface.h"

#include "app/run_guarded.h"
#include "common/color.h"
#include "qtgraph/qt_color.h"

#include <QDropEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace app {

ClientSurface::ClientSurface(SurfaceHandlers& handlers, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_handlers(handlers)
    , m_dialogs(dialogs)
{
    setMouseTracking(true);
    setAcceptDrops(true);
    // Every paint covers its whole region with the graph image: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& ClientSurface::DrawingImage()
{
    if (m_graphImage.size() == size())
        return m_graphImage;
    QImage image(size(), QImage::Format_RGB32);
    // Where nothing was drawn yet the window shows its own colour, the button face.
    image.fill(qtgraph::ColorOf(common::ButtonFaceColor, palette()));
    if (!m_graphImage.isNull() && !image.isNull()) {
        QPainter painter(&image);
        painter.drawImage(QPoint(0, 0), m_graphImage);
    }
    m_graphImage = std::move(image);
    return m_graphImage;
}

void ClientSurface::ShowGraph()
{
    // A request from inside the paint would only schedule another paint, and so forever.
    if (!m_painting)
        update();
}

void ClientSurface::paintEvent(QPaintEvent* event)
{
    // The pass redraws the whole graph, but a paint shows only its own region. When the graph
    // changed beyond it (a fit dropped by a box that covered part of the plot), the whole
    // surface is shown at the next paint, whose pass finds nothing new and so asks no more.
    const bool partial = !(QRegion(rect()) - event->region()).isEmpty();
    const QImage shownBefore = partial ? m_graphImage : QImage();
    m_painting = true;
    Guarded([this] { m_handlers.FormPaint(); });
    m_painting = false;

    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_graphImage);
    // Only while the image lags behind a resize of the surface.
    for (const QRect& uncovered : event->region() - QRegion(m_graphImage.rect()))
        painter.fillRect(uncovered, palette().color(QPalette::Button));
    if (partial && m_graphImage != shownBefore)
        update();
}

void ClientSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Guarded([this] { m_handlers.Reallocate(); });
}

void ClientSurface::mousePressEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    Guarded([&] { m_handlers.FormMouseDown(event->button(), position.x(), position.y()); });
}

// A double click is a second press, as the handlers see it.
void ClientSurface::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ClientSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    Guarded([&] { m_handlers.FormMouseMove(event->buttons(), position.x(), position.y()); });
}

void ClientSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    Guarded([&] { m_handlers.DataWindowMouseUp(event->button(), position.x(), position.y()); });
}

void ClientSurface::Guarded(const std::function<void()>& handler)
{
    RunGuarded(m_dialogs, window(), handler);
}

void ClientSurface::AnswerDrag(QDropEvent& event)
{
    const QPoint position = event.position().toPoint();
    bool accepted = false;
    Guarded(
        [&] { accepted = m_handlers.FormDragOver(event.mimeData(), position.x(), position.y()); });
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
    Guarded([&] { m_handlers.FormDragDrop(event->mimeData(), position.x(), position.y()); });
}

} // namespace app
