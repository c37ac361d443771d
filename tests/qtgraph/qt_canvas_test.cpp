// SPDX-License-Identifier: GPL-3.0-or-later
// tests/qtgraph/qt_canvas_test.cpp: pixels the Qt canvas paints, against the window's conventions.
#include "qtgraph/qt_canvas.h"

#include "graph/markers.h"

#include "qtgraph/qt_color.h"
#include "qtgraph/qt_font.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;

// A white 120 x 60 image with a canvas on it; Pixels() ends the painting and reads them.
struct Painting {
    QImage image { 120, 60, QImage::Format_RGB32 };
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<qtgraph::QtCanvas> canvas;
    Painting()
    {
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        canvas = std::make_unique<qtgraph::QtCanvas>(
            *painter, image.size(), QGuiApplication::palette(), qtgraph::WindowFont());
        canvas->SetPenColor(common::Black);
        canvas->SetBrushColor(common::Red);
    }
    const QImage& Pixels()
    {
        canvas.reset();
        painter.reset();
        return image;
    }
};

TEST(QtCanvas, DrawsTheLinePixelsInThePenColourJoinedOnce)
{
    Painting painting;
    auto& canvas = *painting.canvas;
    canvas.SetPenColor(0x00FF0000); // blue
    canvas.MoveTo(10, 10);
    canvas.LineTo(20, 10);
    canvas.LineTo(20, 20);
    // A clear pen moves without drawing.
    canvas.SetPenStyle(graph::PenStyle::Clear);
    canvas.LineTo(30, 20);
    const QImage& image = painting.Pixels();
    EXPECT_EQ(image.pixel(10, 10), Blue);
    EXPECT_EQ(image.pixel(20, 10), Blue);
    EXPECT_EQ(image.pixel(20, 19), Blue);
    EXPECT_EQ(image.pixel(20, 20), White);
    EXPECT_EQ(image.pixel(25, 20), White);
}

TEST(QtCanvas, FillsRectanglesWithoutTheirRightAndBottomEdge)
{
    Painting painting;
    painting.canvas->FillRect(60, 10, 70, 20);
    painting.canvas->FillRect(80, 10, 80, 20); // no width
    const QImage& image = painting.Pixels();
    EXPECT_EQ(image.pixel(60, 10), Red);
    EXPECT_EQ(image.pixel(69, 19), Red);
    EXPECT_EQ(image.pixel(70, 15), White);
    EXPECT_EQ(image.pixel(65, 20), White);
    EXPECT_EQ(image.pixel(59, 15), White);
    EXPECT_EQ(image.pixel(80, 15), White);
}

TEST(QtCanvas, OutlinesEllipseAndPolygonInsideTheirBounds)
{
    Painting painting;
    painting.canvas->Ellipse(10, 10, 20, 20);
    painting.canvas->Polygon({ { 50, 35 }, { 55, 30 }, { 50, 25 }, { 45, 30 } });
    const QImage& image = painting.Pixels();
    // The circle of a marker with r = 5: a 10-pixel box, columns 10..19.
    EXPECT_EQ(image.pixel(15, 15), Red);
    EXPECT_EQ(image.pixel(10, 15), Black);
    EXPECT_EQ(image.pixel(19, 15), Black);
    EXPECT_EQ(image.pixel(20, 15), White);
    EXPECT_EQ(image.pixel(15, 19), Black);
    EXPECT_EQ(image.pixel(15, 20), White);
    // The diamond: black at every vertex, red inside.
    for (const QPoint vertex : { QPoint(50, 35), QPoint(55, 30), QPoint(50, 25), QPoint(45, 30) })
        EXPECT_EQ(image.pixel(vertex), Black) << vertex.x() << "," << vertex.y();
    EXPECT_EQ(image.pixel(50, 30), Red);
    EXPECT_EQ(image.pixel(56, 30), White);
}

TEST(QtCanvas, KeepsThePolygonFillInsideItsOutline)
{
    // The two triangles of a marker with r = 6 and a diamond with r = 5.
    const std::vector<std::vector<graph::CanvasPoint>> shapes {
        { { 15, 9 }, { 10, 18 }, { 20, 18 } },
        { { 45, 21 }, { 50, 12 }, { 40, 12 } },
        { { 75, 20 }, { 80, 15 }, { 75, 10 }, { 70, 15 } },
    };
    Painting painting;
    for (const auto& shape : shapes)
        painting.canvas->Polygon(shape);
    const QImage& image = painting.Pixels();
    // On every row of each shape, red only between the outline's outermost black pixels and
    // nothing but red between its inner ones.
    for (int left = 0; left < 90; left += 30) {
        for (int row = 0; row < 30; ++row) {
            int firstBlack = -1;
            int lastBlack = -1;
            for (int column = left; column < left + 30; ++column) {
                if (image.pixel(column, row) == Black) {
                    lastBlack = column;
                    if (firstBlack < 0)
                        firstBlack = column;
                }
            }
            for (int column = left; column < left + 30; ++column) {
                const QRgb pixel = image.pixel(column, row);
                const bool inside = column > firstBlack && column < lastBlack;
                SCOPED_TRACE(std::to_string(column) + "," + std::to_string(row));
                if (inside) {
                    EXPECT_TRUE(pixel == Black || pixel == Red);
                } else {
                    EXPECT_NE(pixel, Red);
                }
            }
        }
    }
}

TEST(QtCanvas, RepeatsAFigureAsDrawingItInPlaceWould)
{
    // Every marker shape, at centres that put it partly off the image too.
    const std::vector<graph::CanvasPoint> centres { { 10, 10 }, { 37, 22 }, { 118, 30 },
        { 60, 59 } };
    for (const graph::MarkerShape shape :
        { graph::Circle, graph::Square, graph::Equilat, graph::UpsideEquilat, graph::Diamond }) {
        SCOPED_TRACE(static_cast<int>(shape));
        const int halfSize = graph::MarkerHalfSize(shape, 5);
        const auto draw = [&](graph::Canvas& canvas, int x, int y) {
            graph::DrawMarker(canvas, shape, halfSize, x, y, common::Red);
        };
        Painting inPlace;
        for (const graph::CanvasPoint& centre : centres)
            draw(*inPlace.canvas, centre.X, centre.Y);
        Painting repeated;
        repeated.canvas->Repeat(centres, halfSize + 1, draw);
        EXPECT_EQ(repeated.Pixels(), inPlace.Pixels());
    }
}

TEST(QtCanvas, TintsABandAlikeStraightIntoTheImageAndThroughThePainter)
{
    std::vector<graph::BandSpan> spans;
    for (int column = 0; column < 120; ++column) {
        const double middle = 30 + 25 * std::sin(column / 9.0);
        spans.push_back({ column + 0.5, middle - 4.3, middle + 5.1 });
    }
    // A clip of the whole image leaves the pixels alone but keeps them from being written
    // straight.
    Painting straight;
    Painting painted;
    painted.painter->setClipRect(painted.image.rect());
    for (Painting* painting : { &straight, &painted })
        painting->canvas->FillTinted(spans, common::Red, 128, common::White);
    const QImage& image = straight.Pixels();
    EXPECT_EQ(image, painted.Pixels());
    // Red at half opacity over white in the rows whose centres lie within 25.7..35.1.
    EXPECT_EQ(image.pixel(0, 25), White);
    EXPECT_EQ(image.pixel(0, 26), 0xFFFF7F7F);
    EXPECT_EQ(image.pixel(0, 34), 0xFFFF7F7F);
    EXPECT_EQ(image.pixel(0, 35), White);
}

TEST(QtCanvas, WritesTextOnAnOpaqueBoxOfTheBrushColour)
{
    Painting painting;
    auto& canvas = *painting.canvas;
    const int width = canvas.TextWidth("  ");
    const int height = canvas.TextHeight("  ");
    EXPECT_GT(width, 0);
    EXPECT_GE(height, 13);
    canvas.TextOut(20, 30, "  ");
    canvas.SetBrushColor(common::White);
    canvas.TextOut(70, 30, "1000");
    const int numeralWidth = canvas.TextWidth("1000");
    const QImage& image = painting.Pixels();
    EXPECT_EQ(image.pixel(20, 30), Red);
    EXPECT_EQ(image.pixel(20 + width - 1, 30 + height - 1), Red);
    EXPECT_EQ(image.pixel(20 + width, 30), White);
    EXPECT_EQ(image.pixel(20, 30 + height), White);
    // The digits are written in the window-text colour inside their box.
    int dark = 0;
    for (int x = 70; x < 70 + numeralWidth; ++x)
        for (int y = 30; y < 30 + height; ++y)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 10);
}

TEST(QtCanvas, TakesSystemColoursFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::Light, QColor(7, 8, 9));
    EXPECT_EQ(qtgraph::ColorOf(common::ButtonFaceColor, palette), QColor(1, 2, 3));
    EXPECT_EQ(qtgraph::ColorOf(common::ButtonShadowColor, palette), QColor(4, 5, 6));
    EXPECT_EQ(qtgraph::ColorOf(common::ButtonHighlightColor, palette), QColor(7, 8, 9));
    EXPECT_EQ(qtgraph::ColorOf(0x00336699, palette), QColor(0x99, 0x66, 0x33));

    QImage image(10, 10, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        qtgraph::QtCanvas canvas(painter, image.size(), palette, qtgraph::WindowFont());
        canvas.SetBrushColor(common::ButtonFaceColor);
        canvas.FillRect(0, 0, 10, 10);
        canvas.SetPenColor(common::ButtonShadowColor);
        canvas.MoveTo(0, 5);
        canvas.LineTo(10, 5);
    }
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(image.pixel(2, 5)), QColor(4, 5, 6));
}

// What Qt reported while a test ran.
std::vector<std::string> qtMessages;

TEST(QtCanvas, DrawsNothingAndReportsNothingThroughAPainterThatIsNotActive)
{
    qtMessages.clear();
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
              qtMessages.push_back(message.toStdString());
          });
    QImage image;
    {
        QPainter painter;
        qtgraph::QtCanvas canvas(
            painter, image.size(), QGuiApplication::palette(), qtgraph::WindowFont());
        canvas.FillRect(0, 0, 10, 10);
        canvas.MoveTo(0, 0);
        canvas.LineTo(10, 10);
        canvas.Ellipse(0, 0, 10, 10);
        canvas.Polygon({ { 5, 0 }, { 10, 10 }, { 0, 10 } });
        canvas.TextOut(0, 0, "1000");
        // Text is still measured, so the pass can place labels.
        EXPECT_GT(canvas.TextWidth("1000"), 0);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(qtMessages, std::vector<std::string> {});
}

} // namespace
