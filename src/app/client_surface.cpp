// src/app/client_surface.cpp: paint and resize of the client area go to the window's handlers.
#include "app/client_surface.h"

#include "app/multiform.h"
#include "app/run_guarded.h"

namespace app {

ClientSurface::ClientSurface(TMultiform& window)
    : QWidget(&window)
    , m_window(window)
{
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

} // namespace app
