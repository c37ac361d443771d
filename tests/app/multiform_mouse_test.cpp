// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/multiform_mouse_test.cpp: pane resizing with the mouse, cursors, the position
// readout and the drop of the y legend, on a shown window.
#include "app/label_drag.h"
#include "support/shown_window.h"

#include <QApplication>
#include <QCursor>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cfenv>
#include <functional>
#include <memory>
#include <optional>

namespace {

// Sends a mouse event straight to target, as Qt delivers it to the widget under the pointer.
void Send(QWidget* target, QEvent::Type type, QPoint position, Qt::MouseButton button,
    Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(position), QPointF(target->mapToGlobal(position)), button,
        buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void Press(QWidget* target, QPoint position, Qt::MouseButton button = Qt::LeftButton)
{
    Send(target, QEvent::MouseButtonPress, position, button, button);
}

void Move(QWidget* target, QPoint position, Qt::MouseButtons held = Qt::NoButton)
{
    Send(target, QEvent::MouseMove, position, Qt::NoButton, held);
}

void Release(QWidget* target, QPoint position, Qt::MouseButton button = Qt::LeftButton)
{
    Send(target, QEvent::MouseButtonRelease, position, button, Qt::NoButton);
}

// The shape of the application-wide cursor; no override at all reads as BitmapCursor.
Qt::CursorShape OverrideShape()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor == nullptr ? Qt::BitmapCursor : cursor->shape();
}

void ClearOverrideCursor()
{
    while (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

class MouseOnWindow : public test_support::ShownWindow {
protected:
    void SetUp() override
    {
        ClearOverrideCursor();
        ShownWindow::SetUp();
    }

    void TearDown() override { ClearOverrideCursor(); }

    // Where Qt delivers the events of each pane's editor, and a pane position there.
    QWidget* DataEditor() const { return Memo1()->viewport(); }
    QWidget* ResultsEditor() const { return Memo2()->viewport(); }
    QPoint OnDataPane(QPoint panePosition) const
    {
        return DataEditor()->mapFrom(DataWindow(), panePosition);
    }
    QPoint OnResultsPane(QPoint panePosition) const
    {
        return ResultsEditor()->mapFrom(FitResultsWindow(), panePosition);
    }

    // The results pane hangs below the data pane, as wide, down to the client bottom, and each
    // editor fills its pane.
    void ExpectPanesLaidOut() const
    {
        const QRect data = DataWindow()->geometry();
        const QRect results = FitResultsWindow()->geometry();
        EXPECT_EQ(data.topLeft(), QPoint(0, 0));
        EXPECT_EQ(results.left(), data.left());
        EXPECT_EQ(results.width(), data.width());
        EXPECT_EQ(results.top(), data.top() + data.height());
        EXPECT_EQ(results.top() + results.height(), ClientArea()->height());
        EXPECT_EQ(Memo1()->geometry(), QRect(QPoint(0, 0), data.size()));
        EXPECT_EQ(Memo2()->geometry(), QRect(QPoint(0, 0), results.size()));
    }

    // A plot rectangle and ranges as a drawing pass would leave them: 0.02 x units and 0.01 y
    // units per pixel.
    void SetPlot()
    {
        graph::GraphState& graph = window->workbench.graph;
        graph.PlotLeft = 400;
        graph.PlotTop = 40;
        graph.PlotWidth = 500;
        graph.PlotHeight = 300;
        data::PointStore& points = window->workbench.points;
        points.XMin = 0;
        points.XMax = 10;
        points.YMin = 0;
        points.YMax = 3;
    }
};

using PaneResize = MouseOnWindow;

TEST_F(PaneResize, PressInAGripZoneStartsADrag)
{
    enum Target { DataPane, DataFrame, ResultsPane, Surface };
    const int width = DataWindow()->width();
    const int height = DataWindow()->height();
    const int resultsWidth = FitResultsWindow()->width();
    using layout::ResizeMode;
    constexpr std::optional<ResizeMode> Nothing;
    // Where each pane's events arrive, in pane coordinates; the zones themselves are the layout's.
    const struct {
        const char* name;
        Target target;
        QPoint position;
        Qt::MouseButton button;
        std::optional<ResizeMode> dragMode;
        Qt::CursorShape cursor;
    } cases[] = {
        { "9 from the data pane's right edge", DataPane, { width - 9, height / 2 }, Qt::LeftButton,
            ResizeMode::Width, Qt::SizeHorCursor },
        { "10 from the data pane's right edge", DataPane, { width - 10, height / 2 },
            Qt::LeftButton, Nothing, Qt::BitmapCursor },
        { "data pane bottom edge", DataPane, { width / 2, height - 1 }, Qt::LeftButton,
            ResizeMode::Height, Qt::SizeVerCursor },
        { "data pane corner", DataPane, { width - 1, height - 9 }, Qt::LeftButton, ResizeMode::Both,
            Qt::SizeFDiagCursor },
        { "editor frame at the data pane's right edge", DataFrame, { width - 1, height / 2 },
            Qt::LeftButton, ResizeMode::Width, Qt::SizeHorCursor },
        // Left of the pane would be the strip for the window surface behind it.
        { "editor frame at the data pane's left edge", DataFrame, { 0, height / 2 }, Qt::LeftButton,
            Nothing, Qt::BitmapCursor },
        { "results pane 5 below its top, 3 from its right", ResultsPane, { resultsWidth - 3, 5 },
            Qt::LeftButton, ResizeMode::Both, Qt::SizeFDiagCursor },
        { "results pane 10 below its top", ResultsPane, { resultsWidth / 2, 10 }, Qt::LeftButton,
            Nothing, Qt::BitmapCursor },
        { "right button in the data pane's corner", DataPane, { width - 1, height - 1 },
            Qt::RightButton, Nothing, Qt::BitmapCursor },
        { "strip right of the data pane", Surface, { width + 9, height + 50 }, Qt::LeftButton,
            ResizeMode::Width, Qt::SizeHorCursor },
        { "10 right of the data pane", Surface, { width + 10, height + 50 }, Qt::LeftButton,
            Nothing, Qt::BitmapCursor },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        ClearOverrideCursor();
        QWidget* target = nullptr;
        QPoint position = expected.position;
        switch (expected.target) {
        case DataPane:
            target = DataEditor();
            position = OnDataPane(position);
            break;
        case DataFrame:
            target = Memo1();
            break;
        case ResultsPane:
            target = ResultsEditor();
            position = OnResultsPane(position);
            break;
        case Surface:
            target = ClientArea();
            break;
        }
        Press(target, position, expected.button);
        EXPECT_EQ(window->workbench.layout.Resizing, expected.dragMode.has_value());
        if (expected.dragMode) {
            EXPECT_EQ(window->workbench.layout.DragMode, *expected.dragMode);
        }
        EXPECT_EQ(OverrideShape(), expected.cursor);
        Release(target, position, expected.button);
        EXPECT_FALSE(window->workbench.layout.Resizing);
    }
    // Nothing was dragged: the panes are as they were.
    EXPECT_EQ(DataWindow()->size(), QSize(width, height));
}

TEST_F(PaneResize, RightGripZoneComesBeforeTheScrollBar)
{
    DataLines().SetText(std::string(200, '\n'));
    QScrollBar* bar = Memo1()->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->isVisible(); }));
    const QPoint onBar
        = bar->mapFrom(DataWindow(), QPoint(DataWindow()->width() - 3, DataWindow()->height() / 2));
    ASSERT_TRUE(bar->rect().contains(onBar));
    Press(bar, onBar);
    EXPECT_TRUE(window->workbench.layout.Resizing);
    EXPECT_EQ(window->workbench.layout.DragMode, layout::ResizeMode::Width);
    Release(bar, onBar);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(PaneResize, GripPressIsNotTheEditors)
{
    DataLines().SetText("1 2\n3 4");
    QTextCursor start = Memo1()->textCursor();
    start.setPosition(0);
    Memo1()->setTextCursor(start);
    const int lineMiddle = Memo1()->cursorRect(start).center().y();
    const int width = DataWindow()->width();

    const QPoint grip = DataEditor()->mapFrom(Memo1(), QPoint(width - 3, 0));
    Press(DataEditor(), { grip.x(), lineMiddle });
    Move(DataEditor(), { grip.x() - 40, lineMiddle }, Qt::LeftButton);
    Release(DataEditor(), { grip.x() - 40, lineMiddle });
    EXPECT_EQ(Memo1()->textCursor().position(), 0);
    EXPECT_FALSE(Memo1()->textCursor().hasSelection());
    EXPECT_EQ(DataWindow()->width(), width - 43);

    // Away from the grip zones the editor places its cursor as usual: after "1 2".
    Press(DataEditor(), { DataWindow()->width() / 2, lineMiddle });
    Release(DataEditor(), { DataWindow()->width() / 2, lineMiddle });
    EXPECT_EQ(Memo1()->textCursor().position(), 3);
}

TEST_F(PaneResize, DragNeitherReadsNorDrawsUntilTheRelease)
{
    DataLines().SetText("1 2\n3 4\n");
    const QSize start = DataWindow()->size();
    Press(DataEditor(), OnDataPane({ start.width() - 2, start.height() - 2 }));
    ASSERT_TRUE(window->workbench.layout.Resizing);

    for (const QPoint pointer : { QPoint(200, 150), QPoint(260, 180), QPoint(240, 420) }) {
        SCOPED_TRACE(pointer.x());
        // The pointer may leave the pane: its events still come to the pane that was pressed.
        Move(DataEditor(), OnDataPane(pointer), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(DataWindow()->size(), QSize(pointer.x(), pointer.y()));
        ExpectPanesLaidOut();
        EXPECT_FALSE(window->workbench.points.DataPresent);
    }

    // Another button's release ends nothing, but shows the arrow.
    Release(DataEditor(), OnDataPane({ 240, 420 }), Qt::RightButton);
    EXPECT_TRUE(window->workbench.layout.Resizing);
    EXPECT_EQ(OverrideShape(), Qt::ArrowCursor);
    EXPECT_FALSE(window->workbench.points.DataPresent);

    Release(DataEditor(), OnDataPane({ 240, 420 }));
    EXPECT_FALSE(window->workbench.layout.Resizing);
    EXPECT_EQ(OverrideShape(), Qt::ArrowCursor);
    EXPECT_TRUE(window->workbench.points.DataPresent);
    EXPECT_EQ(window->workbench.points.PointCount, 2);
}

TEST_F(PaneResize, ResultsPaneDragsTheDataPanesBottom)
{
    const int top = FitResultsWindow()->y();
    const int width = DataWindow()->width();
    Press(ResultsEditor(), OnResultsPane({ 100, 4 }));
    ASSERT_EQ(window->workbench.layout.DragMode, layout::ResizeMode::Height);
    // Results pane positions are turned into client positions.
    Move(ResultsEditor(), OnResultsPane({ 160, 44 }), Qt::LeftButton);
    Release(ResultsEditor(), OnResultsPane({ 160, 44 }));
    EXPECT_EQ(DataWindow()->size(), QSize(width, top + 44));
    ExpectPanesLaidOut();
}

TEST_F(PaneResize, DragStaysWithinTheClientArea)
{
    const QSize client = ClientArea()->size();
    const QSize pane = DataWindow()->size();
    Press(ClientArea(), { pane.width() + 2, pane.height() + 2 });
    ASSERT_EQ(window->workbench.layout.DragMode, layout::ResizeMode::Both);
    const struct {
        const char* name;
        QPoint pointer;
        QSize size;
    } cases[] = {
        { "above and left of the client area", { -40, -30 }, { 0, 0 } },
        { "beyond the client area", { client.width() + 100, client.height() + 100 }, client },
        { "inside again", { 300, 200 }, { 300, 200 } },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        Move(ClientArea(), expected.pointer, Qt::LeftButton);
        EXPECT_EQ(DataWindow()->size(), expected.size);
        ExpectPanesLaidOut();
    }
    Release(ClientArea(), { 300, 200 });
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

using Cursors = MouseOnWindow;

TEST_F(Cursors, AnnounceWhatAPressWouldDo)
{
    SetPlot();
    enum Target { DataPane, ResultsPane, Surface, Legend };
    const int width = DataWindow()->width();
    const int height = DataWindow()->height();
    const int resultsWidth = FitResultsWindow()->width();
    const struct {
        const char* name;
        Target target;
        QPoint position;
        Qt::CursorShape cursor;
    } cases[] = {
        { "data pane right edge", DataPane, { width - 1, height / 2 }, Qt::SizeHorCursor },
        { "data pane bottom edge", DataPane, { width / 2, height - 1 }, Qt::SizeVerCursor },
        { "data pane corner", DataPane, { width - 1, height - 1 }, Qt::SizeFDiagCursor },
        { "inside the data pane", DataPane, { width / 2, height / 2 }, Qt::ArrowCursor },
        { "results pane top edge", ResultsPane, { resultsWidth / 2, 2 }, Qt::SizeVerCursor },
        { "inside the results pane", ResultsPane, { resultsWidth / 2, 60 }, Qt::ArrowCursor },
        { "strip right of the data pane", Surface, { width + 3, height + 100 }, Qt::SizeHorCursor },
        { "surface outside the plot", Surface, { 380, 30 }, Qt::ArrowCursor },
        { "inside the plot", Surface, { 450, 100 }, Qt::CrossCursor },
        { "over the y legend", Legend, { 2, 2 }, Qt::CrossCursor },
    };
    // Until the first mouse event every control shows its own cursor.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        switch (expected.target) {
        case DataPane:
            Move(DataEditor(), OnDataPane(expected.position));
            break;
        case ResultsPane:
            Move(ResultsEditor(), OnResultsPane(expected.position));
            break;
        case Surface:
            Move(ClientArea(), expected.position);
            break;
        case Legend:
            Move(YAxisLabel(), expected.position);
            break;
        }
        EXPECT_EQ(OverrideShape(), expected.cursor);
    }
    // One override, changed in place: a single restore removes it.
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

using Readout = MouseOnWindow;

TEST_F(Readout, ShowsInsideThePlotAboveTheGraphArea)
{
    SetPlot();
    // Where the plot's edges lie is the graph's; here, that the readout follows them.
    const struct {
        const char* name;
        QPoint pointer;
        bool shown;
    } cases[] = {
        { "on the left edge", { 400, 100 }, false },
        { "one pixel inside the left edge", { 401, 100 }, true },
        { "on the bottom edge", { 450, 340 }, false },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        Move(ClientArea(), expected.pointer);
        EXPECT_EQ(CoordinateLabel()->isVisible(), expected.shown);
        EXPECT_EQ(OverrideShape(), expected.shown ? Qt::CrossCursor : Qt::ArrowCursor);
    }

    Move(ClientArea(), { 401, 100 });
    EXPECT_EQ(CoordinateLabel()->text(), QStringLiteral("(   0.02 ;   2.40 )"));
    // Above the graph area, right of the data pane.
    EXPECT_EQ(CoordinateLabel()->pos(), QPoint(DataWindow()->width(), 0));
    // Moving onto a pane leaves it as it was.
    Move(DataEditor(), OnDataPane({ 40, 40 }));
    EXPECT_TRUE(CoordinateLabel()->isVisible());
}

TEST_F(Readout, StaysHiddenWithoutAScale)
{
    SetPlot();
    window->workbench.points.XMax = 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    Move(ClientArea(), { 450, 100 });
    EXPECT_FALSE(CoordinateLabel()->isVisible());
    EXPECT_EQ(OverrideShape(), Qt::ArrowCursor);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

// What a drag of data over target at position is answered: whether a move there is accepted
// and, when dropped, whether the drop is taken. Qt sends the move and the drop to the widget
// that took the drag's entry, which may be an ancestor of target.
struct DragAnswer {
    bool move = false;
    bool drop = false;
};

DragAnswer DragOver(QWidget* target, QPoint position, const QMimeData& data)
{
    QDragEnterEvent enter(position, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(position, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(position), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return { move.isAccepted(), drop.isAccepted() };
}

class LegendDrop : public MouseOnWindow {
protected:
    void SetUp() override
    {
        MouseOnWindow::SetUp();
        label.setData(QString::fromLatin1(app::LabelMimeType), QByteArrayLiteral("YAxisLabel"));
        text.setText(QStringLiteral("1 2"));
    }

    QMimeData label;
    QMimeData text;
};

TEST_F(LegendDrop, OnlyTheWindowSurfaceTakesALabel)
{
    const QPoint legend = YAxisLabel()->pos();
    const struct {
        const char* name;
        QWidget* target;
        const QMimeData* data;
    } refused[] = {
        { "text over the window surface", ClientArea(), &text },
        { "label over the data pane", DataEditor(), &label },
        { "label over the data pane's frame", Memo1(), &label },
        { "label over the results pane", ResultsEditor(), &label },
    };
    for (const auto& drag : refused) {
        SCOPED_TRACE(drag.name);
        const DragAnswer answer = DragOver(drag.target, { 30, 30 }, *drag.data);
        EXPECT_FALSE(answer.move);
        EXPECT_FALSE(answer.drop);
        EXPECT_EQ(YAxisLabel()->pos(), legend);
        EXPECT_FALSE(window->workbench.graph.YLabelMoved);
    }
    // The editors still take text.
    EXPECT_TRUE(DragOver(DataEditor(), { 30, 30 }, text).move);
}

TEST_F(LegendDrop, StaysWhereDroppedUntilTheNextLayoutPass)
{
    const DragAnswer answer = DragOver(ClientArea(), { 520, 210 }, label);
    EXPECT_TRUE(answer.move);
    EXPECT_TRUE(answer.drop);
    EXPECT_EQ(YAxisLabel()->pos(), QPoint(520, 210));
    EXPECT_TRUE(window->workbench.graph.YLabelMoved);

    // A repaint keeps it; a pane resize is a layout pass and puts it back.
    window->FormPaint();
    EXPECT_TRUE(window->workbench.graph.YLabelMoved);
    const QSize pane = DataWindow()->size();
    Press(ClientArea(), { pane.width() + 1, pane.height() + 60 });
    Move(ClientArea(), { pane.width() + 20, pane.height() + 60 }, Qt::LeftButton);
    Release(ClientArea(), { pane.width() + 20, pane.height() + 60 });
    EXPECT_FALSE(window->workbench.graph.YLabelMoved);
}

using ReadoutOfADrawnGraph = LegendDrop;

TEST_F(ReadoutOfADrawnGraph, HidesWhenTheGraphMayHaveChanged)
{
    DataLines().SetText("1 1\n4 3\n");
    window->FormPaint();
    const graph::GraphState& graph = window->workbench.graph;
    const std::function<void()> changes[] = {
        // A paint shows the same graph: the readout stays.
        [&] { ClientArea()->repaint(); },
        [&] {
            DragOver(ClientArea(), { 520, 210 }, label);
        },
        [&] { MenuItem("Open1")->trigger(); },
        [&] { window->resize(window->width() - 40, window->height()); },
    };
    for (const auto& change : changes) {
        Move(ClientArea(), { graph.PlotLeft + 5, graph.PlotTop + 5 });
        ASSERT_TRUE(CoordinateLabel()->isVisible());
        change();
        EXPECT_EQ(CoordinateLabel()->isVisible(), &change == &changes[0]);
    }
}

} // namespace
