// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/mouse_event_router.h: hands the mouse events of the panes and the y legend to the
// window's handlers.
#pragma once

#include "layout/layout_state.h"

#include <QHash>
#include <QObject>
#include <QPoint>

class QLabel;
class QMouseEvent;
class QPlainTextEdit;
class QWidget;

namespace app {

class Dialogs;

// The handlers the panes' and the y legend's mouse events run, with positions relative to the
// pane (or the legend) that receives them.
class PaneMouseHandlers {
public:
    virtual void DataWindowMouseDown(Qt::MouseButton button, int X, int Y) = 0;
    virtual void DataWindowMouseMove(Qt::MouseButtons buttons, int X, int Y) = 0;
    virtual void FitResultsWindowMouseDown(Qt::MouseButton button, int X, int Y) = 0;
    virtual void FitResultsWindowMouseMove(Qt::MouseButtons buttons, int X, int Y) = 0;
    // A release on either pane.
    virtual void DataWindowMouseUp(Qt::MouseButton button, int X, int Y) = 0;
    virtual void YAxisLabelMouseMove(Qt::MouseButtons buttons, int X, int Y) = 0;

protected:
    ~PaneMouseHandlers() = default;
};

// The widgets whose mouse events the router hands on: each pane with its editor, and the y
// legend.
struct RoutedWidgets {
    QWidget* dataPane = nullptr;
    QPlainTextEdit* dataEditor = nullptr;
    QWidget* resultsPane = nullptr;
    QPlainTextEdit* resultsEditor = nullptr;
    QLabel* yLegend = nullptr;
};

// Watches each pane, its editor, the editor's viewport (where Qt delivers the editor's mouse
// events) and its scroll bars, and calls the pane's press and move handlers and the release handler
// with positions relative to the pane. A press that starts a pane resize (layout.Resizing), and
// every event until the resize ends, is kept from the editor, which would otherwise select text,
// and from a scroll bar under the grip zone. Events the watched widgets leave unhandled go no
// further, so no handler sees one event twice. Over the y legend it calls YAxisLabelMouseMove and
// starts the label's drag when it is pressed and moved. The panes refuse every drop that their
// editors do not take. Every handler runs under the general error report, shown over parent.
class MouseEventRouter : public QObject {
    Q_OBJECT

public:
    MouseEventRouter(PaneMouseHandlers& handlers, const layout::LayoutState& layout,
        Dialogs& dialogs, const RoutedWidgets& widgets, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchPane(QWidget* pane, QPlainTextEdit* editor);
    bool PaneEvent(QWidget* widget, QWidget* pane, QMouseEvent& event);
    bool LegendEvent(QMouseEvent& event);
    // The panes take no drop, whatever is dragged over them.
    bool RefuseDrop(QEvent& event);
    void Guarded(const std::function<void()>& handler);

    PaneMouseHandlers& m_handlers;
    const layout::LayoutState& m_layout;
    Dialogs& m_dialogs;
    RoutedWidgets m_widgets;
    QWidget* m_parent;
    // Each watched widget and the pane it belongs to.
    QHash<QObject*, QWidget*> m_paneOf;
    // The legend was pressed with the left button here and no drag has started since.
    bool m_legendPressed = false;
    QPoint m_legendPressPoint;
};

} // namespace app
