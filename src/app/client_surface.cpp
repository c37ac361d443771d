// src/app/client_surface.cpp: paint and resize of the client area go to the window's handlers.
#include "app/client_surface.h"

#include "app/multiform.h"
#include "app/run_guarded.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace app {

ClientSurface::ClientSurface(TMultiform& window)
    : QWidget(&window)
    , m_window(window)
{
    // Every paint covers its whole region with the graph image: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientSurface::ShowGraph()
{
    // A request from inside the paint would only schedule another paint, and so forever.
    if (!m_painting)
        update();
}

void ClientSurface::paintEvent(QPaintEvent* event)
{
    m_painting = true;
    RunGuarded(m_window, [this] { m_window.FormPaint(this); });
    m_painting = false;

    QPainter painter(this);
    const QImage& image = m_window.GraphImage();
    painter.drawImage(QPoint(0, 0), image);
    // Only while the image lags behind a resize of the surface.
    for (const QRect& uncovered : event->region() - QRegion(image.rect()))
        painter.fillRect(uncovered, palette().color(QPalette::Button));
}

void ClientSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RunGuarded(m_window, [this] { m_window.Reallocate(this); });
}

} // namespace app
