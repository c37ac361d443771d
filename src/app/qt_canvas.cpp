// src/app/qt_canvas.cpp: QPainter drawing with end-pixel-exclusive lines and right/bottom-exclusive
// boxes.
#include "app/qt_canvas.h"

#include "app/qt_color.h"

#include <QPolygon>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace app {

namespace {

    QString ToQString(const std::string& text) { return QString::fromStdString(text); }

} // namespace

QtCanvas::QtCanvas(QImage& image, const QPalette& palette, const QFont& font)
    : m_palette(palette)
    , m_metrics(font)
    , m_bounds(image.rect())
    , m_textColor(palette.color(QPalette::WindowText))
{
    // A client area of no size has an empty image, which Qt cannot paint on: the pass then
    // still measures and places everything, and draws nowhere.
    if (image.isNull())
        return;
    m_painter.begin(&image);
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
    // Bresenham along the longer (major) axis: steps 0..n-1 from the start, the end pixel left
    // out; the minor coordinate rounds k * dMinor / n half away from the start. Runs of pixels
    // sharing a minor coordinate are filled as one rectangle. Steps outside the image are not
    // visited, so a line of any length costs no more than the image is wide or high.
    const long long dx = static_cast<long long>(to.x()) - from.x();
    const long long dy = static_cast<long long>(to.y()) - from.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0 || !m_painter.isActive())
        return;
    const long long majorStart = xMajor ? from.x() : from.y();
    const long long minorStart = xMajor ? from.y() : from.x();
    const long long majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const long long minorDelta = xMajor ? dy : dx;
    const long long minorSign = minorDelta < 0 ? -1 : 1;
    const long long extent = xMajor ? m_bounds.width() : m_bounds.height();

    // Steps k whose major coordinate majorStart + majorSign * k lies in 0..extent-1.
    long long first = 0;
    long long last = steps - 1;
    if (majorSign > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, extent - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (extent - 1));
        last = std::min(last, majorStart);
    }

    // 128 bits: the product of two 33-bit differences must not overflow.
    const auto minorAt = [&](long long k) {
        const __int128 twiceProduct = static_cast<__int128>(2 * k) * std::llabs(minorDelta);
        const long long offset = static_cast<long long>((twiceProduct + steps) / (2 * steps));
        return minorStart + minorSign * offset;
    };
    const auto fillRun = [&](long long runStart, long long runEnd, long long minor) {
        const long long low = majorStart + majorSign * (majorSign > 0 ? runStart : runEnd);
        const long long length = runEnd - runStart + 1;
        const QRect run = xMajor ? QRect(int(low), int(minor), int(length), 1)
                                 : QRect(int(minor), int(low), 1, int(length));
        m_painter.fillRect(run, m_penColor);
    };

    long long runStart = first;
    long long runMinor = minorAt(first);
    for (long long k = first + 1; k <= last; ++k) {
        const long long minor = minorAt(k);
        if (minor != runMinor) {
            fillRun(runStart, k - 1, runMinor);
            runStart = k;
            runMinor = minor;
        }
    }
    if (first <= last)
        fillRun(runStart, last, runMinor);
}

} // namespace app
