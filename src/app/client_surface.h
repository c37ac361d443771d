// src/app/client_surface.h: the window's client area, which hands its events to the window.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace app {

class TMultiform;

// The surface below the menu bar: client coordinates are its coordinates. Its resize runs the
// layout pass and its paint requests the repaint pass, which then shows the window's graph image;
// its mouse events go to the window's surface handlers (moves also without a button) and it takes
// the drop of a dragged label. Each through the general error report.
class ClientSurface : public QWidget {
    Q_OBJECT

public:
    explicit ClientSurface(TMultiform& window);

    // The graph image has been drawn afresh: shows it, unless the surface is painting now and
    // shows it anyway.
    void ShowGraph();

    // The image of the surface and its visible children as a page shows it: the window's
    // background with the graph of a repaint pass run for it, so a pass that draws nothing (an
    // empty data pane) leaves the bare background rather than the graph the screen still shows.
    QPixmap PrintImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Asks the window whether the drag may be dropped here, and answers the drag.
    void AnswerDrag(QDropEvent& event);

    TMultiform& m_window;
    bool m_painting = false;
    bool m_printing = false;
};

} // namespace app
