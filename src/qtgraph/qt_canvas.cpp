// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/qt_canvas.cpp: QPainter drawing with end-pixel-exclusive lines and
// right/bottom-exclusive boxes.
#include "qtgraph/qt_canvas.h"

#include "graph/band_outline.h"
#include "graph/band_pixels.h"
#include "graph/line_pixels.h"
#include "qtgraph/image_pixels.h"
#include "qtgraph/qt_color.h"

#include <QImage>
#include <QLineF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPointF>
#include <QPolygon>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <optional>

namespace qtgraph {

namespace {

    QString ToQString(const std::string& text) { return QString::fromStdString(text); }

    // The dash pattern of a LightDash pen, in pixels.
    constexpr int DashOn = 6;
    constexpr int DashPeriod = 10;

} // namespace

QtCanvas::QtCanvas(QPainter& painter, QSize size, const QPalette& palette, const QFont& font)
    : m_painter(painter)
    , m_size(size)
    , m_palette(palette)
    , m_metrics(font)
    , m_textColor(palette.color(QPalette::WindowText))
{
    if (!m_painter.isActive())
        return;
    m_vector = m_painter.paintEngine()->type() != QPaintEngine::Raster;
    m_painter.setFont(font);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void QtCanvas::FillRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top || !m_painter.isActive())
        return;
    m_painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), m_brushColor);
}

void QtCanvas::MoveTo(int x, int y) { m_position = QPoint(x, y); }

void QtCanvas::LineTo(int x, int y)
{
    const QPoint end(x, y);
    if (m_penVisible)
        DrawLine(m_position, end);
    m_position = end;
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top || !m_painter.isActive())
        return;
    // A 1-pixel outline of QRect(x, y, w, h) covers w + 1 columns: shrink by one so that the
    // outline ends on column right - 1 and row bottom - 1.
    m_painter.setPen(m_penVisible ? QPen(m_penColor, 1) : QPen(Qt::NoPen));
    m_painter.setBrush(m_brushColor);
    if (m_vector)
        m_painter.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
    else
        m_painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::Polygon(const std::vector<graph::CanvasPoint>& vertices)
{
    if (vertices.empty() || !m_painter.isActive())
        return;
    QPolygon polygon;
    QPolygonF fillOutline;
    // Qt fills the pixels whose centres lie inside; half a pixel down and right, that is the
    // pixels whose corners lie inside, the points the outline below rounds its edges to. So the
    // fill neither leaks past the outline nor leaves gaps inside it.
    for (const auto& vertex : vertices) {
        polygon << QPoint(vertex.X, vertex.Y);
        fillOutline << QPointF(vertex.X + 0.5, vertex.Y + 0.5);
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_brushColor);
    m_painter.drawPolygon(fillOutline);
    if (!m_penVisible)
        return;
    // The outline as a closed run of lines: each edge drops its end pixel, which the next edge
    // starts on, so every vertex is drawn once.
    for (qsizetype i = 0; i < polygon.size(); ++i)
        DrawLine(polygon[i], polygon[(i + 1) % polygon.size()]);
}

void QtCanvas::TextOut(int x, int y, const std::string& text)
{
    if (!m_painter.isActive())
        return;
    const QString qtText = ToQString(text);
    const int width = m_metrics.horizontalAdvance(qtText);
    m_painter.fillRect(QRect(x, y, width, m_metrics.height()), m_brushColor);
    m_painter.setPen(m_textColor);
    m_painter.drawText(QPoint(x, y + m_metrics.ascent()), qtText);
}

int QtCanvas::TextWidth(const std::string& text)
{
    return m_metrics.horizontalAdvance(ToQString(text));
}

int QtCanvas::TextHeight(const std::string&) { return m_metrics.height(); }

void QtCanvas::SetPenColor(common::ColorValue colour) { m_penColor = ColorOf(colour, m_palette); }

void QtCanvas::SetPenStyle(graph::PenStyle style)
{
    m_penVisible = style != graph::PenStyle::Clear;
    m_penDashed = style == graph::PenStyle::LightDash;
}

void QtCanvas::Path(const std::vector<std::vector<graph::PathPoint>>& polylines)
{
    if (!m_vector || !m_penVisible || !m_painter.isActive())
        return;
    QPainterPath path;
    for (const std::vector<graph::PathPoint>& polyline : polylines) {
        if (polyline.size() < 2)
            continue;
        path.moveTo(polyline.front().X, polyline.front().Y);
        for (std::size_t i = 1; i < polyline.size(); ++i)
            path.lineTo(polyline[i].X, polyline[i].Y);
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(VectorPen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
    m_painter.restore();
}

void QtCanvas::FillTinted(const std::vector<graph::BandSpan>& spans, common::ColorValue colour,
    int alpha, common::ColorValue beneath)
{
    if (spans.size() < 2 || !m_painter.isActive())
        return;
    const QColor top = ColorOf(colour, m_palette);
    const QColor under = ColorOf(beneath, m_palette);
    const int opacity = std::clamp(alpha, 0, 255);
    const auto mix = [opacity](int over, int below) {
        return (over * opacity + below * (255 - opacity) + 127) / 255;
    };
    const QColor fill(mix(top.red(), under.red()), mix(top.green(), under.green()),
        mix(top.blue(), under.blue()));
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fill);
    if (m_vector) {
        // Shapes keep every sample.
        QPolygonF polygon;
        for (const graph::PathPoint& point : graph::BandOutline(spans, 0))
            polygon << QPointF(point.X, point.Y);
        m_painter.drawPolygon(polygon, Qt::WindingFill);
    } else {
        // On pixels, the rows each column covers, as a few thousand rectangles in one call:
        // the pixels a fill of the outline covers, without scanning its every row.
        const std::vector<graph::PixelRun> runs = graph::BandPixelRuns(spans);
        if (std::optional<ImagePixels> pixels = ImagePixels::Of(m_painter)) {
            pixels->Fill(runs, fill.rgb());
        } else {
            QList<QRect> rectangles;
            for (const graph::PixelRun& run : runs)
                rectangles.append(QRect(run.Left, run.Top, run.Width, run.Height));
            m_painter.drawRects(rectangles);
        }
    }
    m_painter.restore();
}

void QtCanvas::Repeat(const std::vector<graph::CanvasPoint>& centres, int reach,
    const std::function<void(graph::Canvas& canvas, int x, int y)>& draw)
{
    if (m_vector || !m_painter.isActive() || reach < 0) {
        graph::Canvas::Repeat(centres, reach, draw);
        return;
    }
    const int side = 2 * reach + 1;
    QImage stamp(side, side, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    {
        QPainter painter(&stamp);
        QtCanvas canvas(painter, stamp.size(), m_palette, m_painter.font());
        canvas.m_penColor = m_penColor;
        canvas.m_penVisible = m_penVisible;
        canvas.m_penDashed = m_penDashed;
        canvas.m_brushColor = m_brushColor;
        draw(canvas, reach, reach);
    }
    std::optional<ImagePixels> pixels = ImagePixels::Of(m_painter);
    if (pixels && pixels->Stamp(stamp, centres))
        return;
    for (const graph::CanvasPoint& centre : centres)
        m_painter.drawImage(QPoint(centre.X - reach, centre.Y - reach), stamp);
}

QPen QtCanvas::VectorPen() const
{
    QPen pen(LineColor(), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (m_penDashed)
        pen.setDashPattern({ qreal(DashOn), qreal(DashPeriod - DashOn) });
    return pen;
}

QColor QtCanvas::LineColor() const
{
    if (!m_penDashed)
        return m_penColor;
    const auto halfWayToWhite = [](int channel) { return (channel + 255 + 1) / 2; };
    return QColor(halfWayToWhite(m_penColor.red()), halfWayToWhite(m_penColor.green()),
        halfWayToWhite(m_penColor.blue()));
}

void QtCanvas::FillDashed(const QRect& run)
{
    const bool across = run.width() >= run.height();
    const int length = across ? run.width() : run.height();
    int pieceStart = -1;
    for (int step = 0; step <= length; ++step) {
        const bool on = step < length && (m_dashPhase + step) % DashPeriod < DashOn;
        if (on && pieceStart < 0)
            pieceStart = step;
        if (!on && pieceStart >= 0) {
            const QRect piece = across
                ? QRect(run.left() + pieceStart, run.top(), step - pieceStart, run.height())
                : QRect(run.left(), run.top() + pieceStart, run.width(), step - pieceStart);
            m_painter.fillRect(piece, LineColor());
            pieceStart = -1;
        }
    }
    m_dashPhase = (m_dashPhase + length) % DashPeriod;
}

void QtCanvas::SetBrushColor(common::ColorValue colour)
{
    m_brushColor = ColorOf(colour, m_palette);
}

void QtCanvas::DrawLine(QPoint from, QPoint to)
{
    if (!m_painter.isActive())
        return;
    if (m_vector) {
        // A line through the pixels' centres.
        m_painter.setPen(VectorPen());
        m_painter.drawLine(QLineF(from.x() + 0.5, from.y() + 0.5, to.x() + 0.5, to.y() + 0.5));
        return;
    }
    const std::vector<graph::PixelRun> runs = graph::LinePixelRuns(
        { from.x(), from.y() }, { to.x(), to.y() }, m_size.width(), m_size.height());
    for (const graph::PixelRun& run : runs) {
        const QRect pixels(run.Left, run.Top, run.Width, run.Height);
        if (m_penDashed)
            FillDashed(pixels);
        else
            m_painter.fillRect(pixels, m_penColor);
    }
}

} // namespace qtgraph
