// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/repaint_pass_test.cpp: what the client area shows before, during and after the
// drawing passes, and that a paint does not ask for another one.
#include "qtgraph/caption_size.h"
#include "window_driver.h"

#include <QEvent>
#include <QFile>
#include <QHelpEvent>
#include <QObject>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolTip>

#include <set>

#include <string>
#include <vector>

namespace {

using app_test::BlackPixel;
using app_test::RedPixel;
using app_test::WhitePixel;
using app_test::WindowDriver;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Lets every posted event, paint requests included, be handled; a paint that asks for another
// one keeps this from ever running dry, so the loop is bounded.
void SettleEvents()
{
    for (int round = 0; round < 50; ++round)
        QCoreApplication::processEvents();
}

using RepaintPass = WindowDriver;

TEST_F(RepaintPass, EmptyPaneAtStartUpShowsTheBackgroundOnly)
{
    const QImage screen = Screen();
    const QImage& image = GraphImage();
    ASSERT_EQ(image.size(), ClientArea()->size());
    const QRgb face = ColorOf(common::ButtonFaceColor);
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_EQ(Rgb(image, { x, y }), face) << x << "," << y;
    // Right of the panes the user sees that image and nothing else.
    EXPECT_EQ(Rgb(screen, { ClientArea()->width() - 2, ClientArea()->height() / 2 }), face);
    EXPECT_EQ(window->workbench.graph.PlotWidth, 0);
    for (QLabel* legend : { TitleLabel(), XAxisLabel(), YAxisLabel() })
        EXPECT_TRUE(legend->isHidden()) << legend->objectName().toStdString();
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(RepaintPass, FirstPaintWithDataDrawsTheGraphAndShowsTheLegends)
{
    TypeData({ "1 1", "2 2", "3 2", "4 3" });
    // Typing repaints only once the pane has rested a moment.
    EXPECT_TRUE(TitleLabel()->isHidden());

    const QImage screen = Screen();
    const graph::GraphState& graph = window->workbench.graph;
    ASSERT_GT(graph.PlotWidth, 50);
    ASSERT_GT(graph.PlotHeight, 50);
    // A red marker on every point, on a white plot inside the button-face background.
    for (const auto& [x, y] : { std::pair { 1, 1 }, { 2, 2 }, { 3, 2 }, { 4, 3 } })
        EXPECT_EQ(Rgb(screen, PixelOf(x, y)), RedPixel) << x << "," << y;
    const QPoint plotInside(graph.PlotLeft + graph.PlotWidth / 2, graph.PlotTop + 8);
    EXPECT_EQ(Rgb(screen, plotInside), WhitePixel);
    EXPECT_EQ(Rgb(screen, { graph.PlotLeft + graph.PlotWidth + 10, graph.PlotTop + 5 }),
        ColorOf(common::ButtonFaceColor));

    const struct {
        QLabel* legend;
        QPoint place;
    } legends[] = {
        { TitleLabel(),
            { graph.PlotLeft + (graph.PlotWidth - TitleLabel()->width()) / 2,
                graph.PlotTop - 2 * graph.LabelHeight } },
        { XAxisLabel(),
            { graph.PlotLeft + (graph.PlotWidth - XAxisLabel()->width()) / 2,
                graph.PlotTop + graph.PlotHeight + graph.LabelHeight } },
        { YAxisLabel(),
            { graph.YLegendLeft,
                graph.PlotTop + (graph.PlotHeight - YAxisLabel()->height()) / 2 } },
    };
    for (const auto& expected : legends) {
        SCOPED_TRACE(expected.legend->objectName().toStdString());
        EXPECT_TRUE(expected.legend->isVisible());
        EXPECT_EQ(expected.legend->pos(), expected.place);
    }
    EXPECT_LT(graph.YLegendLeft + YAxisLabel()->width(), graph.PlotLeft);
}

TEST_F(RepaintPass, APaintDoesNotAskForAnotherOneEndlessly)
{
    TypeData({ "1 1", "2 2", "3 2", "4 3" });
    PaintCounter paints(*ClientArea());
    // The first pass with data shows and places the legends, which may take one more paint.
    ClientArea()->update();
    SettleEvents();
    EXPECT_GE(paints.count, 1);
    EXPECT_LE(paints.count, 2);

    // With everything in place one request is one paint.
    paints.count = 0;
    ClientArea()->update();
    SettleEvents();
    EXPECT_EQ(paints.count, 1);
}

TEST_F(RepaintPass, DrawingOutsideAPaintRedrawsTheImageAndShowsIt)
{
    TypeData({ "1 1", "2 2", "3 2", "4 3" });
    ChooseMenu(MenuItem("FitData1"));
    Screen();
    SettleEvents();
    PaintCounter paints(*ClientArea());
    window->workbench.graph.GraphColor = common::Black;
    const graph::GraphState& graph = window->workbench.graph;
    const QPoint plotInside(graph.PlotLeft + graph.PlotWidth / 2, graph.PlotTop + 8);

    // "Suppress zero?" reads the pane and draws at once, outside any paint; clicked without
    // running the event loop, so that no paint can come before the count below.
    Find<QCheckBox>("ZeroSuppressBox")->click();
    EXPECT_EQ(Rgb(GraphImage(), plotInside), BlackPixel);
    EXPECT_EQ(paints.count, 0);
    SettleEvents();
    EXPECT_EQ(paints.count, 1);
}

TEST_F(RepaintPass, APaintOfAPartShowsAllOfAChangedGraph)
{
    TypeData({ "1 1", "2 2", "3 2", "4 3" });
    const graph::GraphState& graph = window->workbench.graph;
    ClientArea()->update();
    const QImage before = Shown();
    const QPoint plotInside(graph.PlotLeft + graph.PlotWidth / 2, graph.PlotTop + 8);
    ASSERT_EQ(Rgb(before, plotInside), WhitePixel);

    // A colour takes effect at the next pass, here one asked for a corner far from the plot.
    window->workbench.graph.GraphColor = common::Black;
    const QSize client = ClientArea()->size();
    ClientArea()->update(client.width() - 10, client.height() - 10, 10, 10);
    EXPECT_EQ(Rgb(Shown(), plotInside), BlackPixel);
}

// The rows of image that hold a pixel other than colour right of column left.
std::set<int> RowsNotOf(const QImage& image, int left, QRgb colour)
{
    std::set<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) != colour)
                rows.insert(y);
    return rows;
}

TEST_F(RepaintPass, WithoutAPairTheGraphAreaShowsTheBackgroundAndSaysWhy)
{
    TypeData({ "1 1", "2 2", "3 2", "4 3" });
    Screen();
    const QRgb face = ColorOf(common::ButtonFaceColor);
    const int paneRight = DataWindow()->width();
    // New, then a larger window: no corner of the old graph stays, no legend either.
    MenuItem("New1")->trigger();
    window->resize(window->width() + 60, window->height() + 40);
    ASSERT_TRUE(QTest::qWaitFor([&] { return GraphImage().size() == ClientArea()->size(); }));
    EXPECT_EQ(RowsNotOf(Screen(), paneRight, face), std::set<int> {});
    for (QLabel* legend : { TitleLabel(), XAxisLabel(), YAxisLabel() })
        EXPECT_TRUE(legend->isHidden()) << legend->objectName().toStdString();

    // Text but no pair: one line of text across the middle.
    TypeData({ "time distance" });
    const std::set<int> text = RowsNotOf(Screen(), paneRight, face);
    ASSERT_FALSE(text.empty());
    EXPECT_LT(*text.rbegin() - *text.begin(), 16);
    EXPECT_NEAR((*text.begin() + *text.rbegin()) / 2, ClientArea()->height() / 2, 8);
}

TEST_F(RepaintPass, GraphFollowsTypingAfterAPause)
{
    TypeData({ "1 1", "2 2" });
    // Not at every keystroke: the pane rests first.
    EXPECT_FALSE(window->workbench.points.DataPresent);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->workbench.points.PointCount == 2; }));
    EXPECT_TRUE(TitleLabel()->isVisible());
    EXPECT_EQ(Rgb(GraphImage(), PixelOf(2, 2)), RedPixel);
}

TEST_F(RepaintPass, LinesAfterTheDataEndAreMarkedUnusedAndSaySo)
{
    TypeData({ "1 2", "3 4 5", "1,5 2", "6 7" });
    Screen();
    QWidget* viewport = Memo1()->viewport();
    const QImage pane = viewport->grab().toImage();
    const QString unused
        = QStringLiteral("Not read: the data end at line 2, which is not an x/y pair.");
    const struct {
        int line;
        QString tip;
        QRgb background;
    } lines[] = {
        { 0, QString(), 0xFFFFFF },
        { 1, QStringLiteral("three numbers on the line"), 0xFFCDCD },
        // Unread among the unused: red under the grey text, and both reasons.
        { 2, "'1,5': the decimal separator here is '.'\n" + unused, 0xFFCDCD },
        { 3, unused, 0xF2F2F2 },
    };
    for (const auto& expected : lines) {
        SCOPED_TRACE(expected.line);
        const QTextBlock block = Memo1()->document()->findBlockByNumber(expected.line);
        const QPoint position = Memo1()->cursorRect(QTextCursor(block)).center();
        QHelpEvent hover(QEvent::ToolTip, position, viewport->mapToGlobal(position));
        QCoreApplication::sendEvent(viewport, &hover);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), expected.tip);
        // Across the whole width of the line.
        EXPECT_EQ(Rgb(pane, { pane.width() - 4, position.y() }), expected.background);
    }

    // With no point read, the graph area names the line that ends the data.
    DataLines().SetText("x y\n1 2\n");
    window->FormPaint();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notice.svg"));
    dialogs->exportAnswers = { path };
    MenuItem("ExportGraph1")->trigger();
    QFile drawing(path);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    EXPECT_TRUE(drawing.readAll().contains("Line 1 is not an x/y pair, so no point is read."));
}

// What Qt reported while a test ran.
std::vector<std::string> qtMessages;

TEST_F(RepaintPass, AClientAreaOfNoSizeIsDrawnWithoutComplaint)
{
    TypeData({ "1 1", "2 2", "3 2", "4 3" });
    Screen();
    qtMessages.clear();
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
              qtMessages.push_back(message.toStdString());
          });
    ClientArea()->resize(0, 0);
    window->FormPaint();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(GraphImage().isNull());
    EXPECT_EQ(qtMessages, std::vector<std::string> {});
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(RepaintPass, LayoutFollowsTheWindowAndItsDataPane)
{
    const graph::WindowGeometry geometry = window->DrawingGeometry();
    EXPECT_EQ(geometry.ClientWidth, ClientArea()->width());
    EXPECT_EQ(geometry.ClientHeight, ClientArea()->height());
    // The outer size takes in the menu bar above the client area.
    EXPECT_GE(geometry.OuterHeight, geometry.ClientHeight + window->menuBar()->height());
    EXPECT_GE(geometry.OuterWidth, geometry.ClientWidth);
    EXPECT_EQ(geometry.DataWindowWidth, 330);
    EXPECT_EQ(geometry.DataWindowLeft, 0);

    // A larger window gives a larger image and plot.
    TypeData({ "1 1", "2 2" });
    Screen();
    const int plotWidth = window->workbench.graph.PlotWidth;
    window->showNormal();
    window->resize(window->width() + 120, window->height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->workbench.graph.PlotWidth > plotWidth; }));
    EXPECT_EQ(GraphImage().size(), ClientArea()->size());
}

TEST_F(RepaintPass, LegendsSizeThemselvesToCaptionsOnTheBackground)
{
    for (QLabel* legend : { TitleLabel(), XAxisLabel(), YAxisLabel() }) {
        SCOPED_TRACE(legend->objectName().toStdString());
        EXPECT_EQ(legend->size(),
            qtgraph::CaptionSize(legend->font(), legend->text(), legend->wordWrap()));
        EXPECT_TRUE(legend->autoFillBackground());
        EXPECT_EQ(legend->palette().color(QPalette::Window).rgb() & RGB_MASK,
            ColorOf(common::ButtonFaceColor));
    }
}

} // namespace
