// src/app/mouse_event_router.h: hands the mouse events of the panes and the y legend to the
// window's handlers.
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>

class QMouseEvent;
class QPlainTextEdit;
class QWidget;

namespace app {

class TMultiform;

// Watches each pane, its editor and the editor's viewport (where Qt delivers the editor's mouse
// events) and calls the pane's press and move handlers and the release handler with positions
// relative to the pane. A press that starts a pane resize, and every event until the resize
// ends, is kept from the editor, which would otherwise select text. Events the watched widgets
// leave unhandled go no further, so no handler sees one event twice. Over YAxisLabel it calls
// YAxisLabelMouseMove and starts the label's drag when it is pressed and moved. The panes refuse
// every drop that their editors do not take.
class MouseEventRouter : public QObject {
    Q_OBJECT

public:
    // Watches the window's two panes and its y legend; the window owns the router.
    explicit MouseEventRouter(TMultiform& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        QWidget* pane = nullptr;
        // What the handlers get as sender: the editor for its viewport, else the widget itself.
        QObject* sender = nullptr;
    };

    void WatchPane(QWidget* pane, QPlainTextEdit* editor);
    bool PaneEvent(QWidget* widget, const Watched& watched, QMouseEvent& event);
    bool LegendEvent(QMouseEvent& event);
    // The panes take no drop, whatever is dragged over them.
    bool RefuseDrop(QEvent& event);

    TMultiform& m_window;
    QHash<QObject*, Watched> m_watched;
    // The legend was pressed with the left button here and no drag has started since.
    bool m_legendPressed = false;
    QPoint m_legendPressPoint;
};

} // namespace app
