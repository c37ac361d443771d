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

} // namespace app
