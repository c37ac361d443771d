// src/app/client_surface.h: the window's client area, which hands its events to the window.
#pragma once

#include <QWidget>

namespace app {

class TMultiform;

// The surface below the menu bar: client coordinates are its coordinates. Its resize runs the
// layout pass and its paint requests the repaint pass, each through the general error report;
// a paint then shows the window's graph image.
class ClientSurface : public QWidget {
    Q_OBJECT

public:
    explicit ClientSurface(TMultiform& window);

    // The graph image has been drawn afresh: shows it, unless the surface is painting now and
    // shows it anyway.
    void ShowGraph();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TMultiform& m_window;
    bool m_painting = false;
};

} // namespace app
