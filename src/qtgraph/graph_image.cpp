// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/graph_image.cpp: drawing pass onto a paint device, with the legends painted where
// the pass put them.
#include "qtgraph/graph_image.h"

#include "common/color.h"
#include "graph/draw_graph.h"
#include "qtgraph/caption_size.h"
#include "qtgraph/qt_canvas.h"
#include "qtgraph/qt_color.h"
#include "qtgraph/qt_font.h"

#include <QGuiApplication>
#include <QPalette>
#include <QRect>

namespace qtgraph {

namespace {

    // A legend that exists only as a box on the device: sized like the window's labels, placed
    // by the pass, painted afterwards.
    class PaintedLabel : public graph::Label {
    public:
        PaintedLabel(const QFont& font, const LegendLabel& label, bool wrapWords)
            : m_font(font)
            , m_caption(label.Caption)
            , m_wrapWords(wrapWords)
            , m_box(label.Place, CaptionSize(font, label.Caption, wrapWords))
        {
        }

        std::string Caption() const override { return m_caption.toStdString(); }
        void SetCaption(const std::string& caption) override
        {
            m_caption = QString::fromStdString(caption);
            m_box.setSize(CaptionSize(m_font, m_caption, m_wrapWords));
        }
        int Left() const override { return m_box.left(); }
        int Top() const override { return m_box.top(); }
        int Width() const override { return m_box.width(); }
        int Height() const override { return m_box.height(); }
        bool Visible() const override { return m_visible; }
        void SetLeft(int left) override { m_box.moveLeft(left); }
        void SetTop(int top) override { m_box.moveTop(top); }
        void SetVisible(bool visible) override { m_visible = visible; }

        void Paint(QPainter& painter, const QColor& background, const QColor& textColor) const
        {
            if (!m_visible)
                return;
            painter.fillRect(m_box, background);
            painter.setPen(textColor);
            const int wrap = m_wrapWords ? int(Qt::TextWordWrap) : 0;
            painter.drawText(m_box, int(Qt::AlignLeft | Qt::AlignVCenter) | wrap, m_caption);
        }

    private:
        QFont m_font;
        QString m_caption;
        bool m_wrapWords;
        QRect m_box;
        bool m_visible = false;
    };

} // namespace

void PaintGraph(QPainter& painter, graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const GraphLegends& legends)
{
    const QPalette palette = QGuiApplication::palette();
    const QFont font = WindowFont();
    const QColor background = ColorOf(graph.BackgroundColor, palette);
    const QSize size(window.ClientWidth, window.ClientHeight);
    if (painter.isActive())
        painter.fillRect(QRect(QPoint(0, 0), size), background);

    // The labels start hidden at the places they are given.
    PaintedLabel title(font, legends.Title, false);
    PaintedLabel xLegend(font, legends.XLegend, false);
    PaintedLabel yLegend(font, legends.YLegend, true);
    {
        QtCanvas canvas(painter, size, palette, font);
        graph::DrawGraph(graph, points, fit, window, canvas, { title, xLegend, yLegend });
    }

    if (!painter.isActive())
        return;
    painter.setFont(font);
    const QColor textColor = palette.color(QPalette::WindowText);
    for (const PaintedLabel* label : { &title, &xLegend, &yLegend })
        label->Paint(painter, background, textColor);
}

void PaintEmptyGraphArea(QPainter& painter, QSize client, const QRect& area, const QString& notice,
    const QPalette& palette)
{
    painter.fillRect(QRect(QPoint(0, 0), client), ColorOf(common::ButtonFaceColor, palette));
    if (notice.isEmpty())
        return;
    painter.setFont(WindowFont());
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignCenter, notice);
}

QImage RenderGraphImage(graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const GraphLegends& legends)
{
    if (window.ClientWidth <= 0 || window.ClientHeight <= 0)
        return QImage();
    QImage image(window.ClientWidth, window.ClientHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintGraph(painter, graph, points, fit, window, legends);
    return image;
}

} // namespace qtgraph
