// src/qtgraph/qt_canvas.cpp: QPainter drawing with end-pixel-exclusive lines and
// right/bottom-exclusive boxes.
#include "qtgraph/qt_canvas.h"

#include "graph/line_pixels.h"
#include "qtgraph/qt_color.h"

#include <QLineF>
#include <QPaintEngine>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <QString>

namespace qtgraph {

namespace {

    QString ToQString(const std::string& text) { return QString::fromStdString(text); }

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
    m_penVisible = style == graph::PenStyle::Solid;
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
        // A line through the pixels' centres; round ends join the segments of a curve.
        m_painter.setPen(QPen(m_penColor, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.drawLine(QLineF(from.x() + 0.5, from.y() + 0.5, to.x() + 0.5, to.y() + 0.5));
        return;
    }
    const std::vector<graph::PixelRun> runs = graph::LinePixelRuns(
        { from.x(), from.y() }, { to.x(), to.y() }, m_size.width(), m_size.height());
    for (const graph::PixelRun& run : runs)
        m_painter.fillRect(QRect(run.Left, run.Top, run.Width, run.Height), m_penColor);
}

} // namespace qtgraph
