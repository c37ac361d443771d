// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/client_surface.h: the window's client area, which shows the graph image and hands its
// events to the window's handlers.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QMimeData;

namespace app {

class Dialogs;

// The handlers the client area's events run, with positions in client coordinates.
class SurfaceHandlers {
public:
    // Layout pass, on every resize.
    virtual void Reallocate() = 0;
    // Repaint pass, on every paint request.
    virtual void FormPaint() = 0;
    virtual void FormMouseDown(Qt::MouseButton button, int X, int Y) = 0;
    // Also for moves without a button.
    virtual void FormMouseMove(Qt::MouseButtons buttons, int X, int Y) = 0;
    virtual void DataWindowMouseUp(Qt::MouseButton button, int X, int Y) = 0;
    // Whether a drag held over (X, Y) may be dropped there.
    virtual bool FormDragOver(const QMimeData* source, int X, int Y) = 0;
    virtual void FormDragDrop(const QMimeData* source, int X, int Y) = 0;

protected:
    ~SurfaceHandlers() = default;
};

// The surface below the menu bar: client coordinates are its coordinates. Its resize runs the
// layout pass and its paint the repaint pass, after which it shows the graph image; its mouse
// events go to the surface handlers (moves also without a button) and it takes the drop of a
// dragged label. Each through the general error report, shown over the surface's window.
class ClientSurface : public QWidget {
    Q_OBJECT

public:
    ClientSurface(SurfaceHandlers& handlers, Dialogs& dialogs, QWidget* parent);

    // The image the drawing pass draws on, made the size of the surface first: what it showed
    // stays at its top-left, the window's own colour fills the rest.
    QImage& DrawingImage();
    // What the surface shows below its panes and labels: the graph of the last drawing pass, or
    // the bare background before the first one.
    const QImage& GraphImage() const { return m_graphImage; }

    // The graph image has been drawn afresh: shows it, unless the surface is painting now and
    // shows it anyway.
    void ShowGraph();
    // A paint of the surface is running its repaint pass now.
    bool Painting() const { return m_painting; }

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
    // Runs a handler under the general error report.
    void Guarded(const std::function<void()>& handler);
    // Asks whether the drag may be dropped here, and answers the drag.
    void AnswerDrag(QDropEvent& event);

    SurfaceHandlers& m_handlers;
    Dialogs& m_dialogs;
    QImage m_graphImage;
    bool m_painting = false;
};

} // namespace app
