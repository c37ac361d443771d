// src/app/graph_image.cpp: drawing pass into a QImage, with the legends painted where the pass put
// them.
#include "app/graph_image.h"

#include "app/qt_canvas.h"
#include "app/qt_color.h"
#include "app/qt_font.h"
#include "app/qt_label.h"
#include "graph/draw_graph.h"
#include "graph/label.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace app {

namespace {

    // A legend that exists only as a box on the image: sized like the window's labels, placed
    // by the pass, painted afterwards.
    class ImageLabel : public graph::Label {
    public:
        ImageLabel(const QFont& font, const QString& caption, bool wrapWords, QPoint place)
            : m_font(font)
            , m_caption(caption)
            , m_wrapWords(wrapWords)
            , m_box(place, CaptionSize(font, caption, wrapWords))
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

QImage RenderGraphImage(graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const LegendCaptions& captions)
{
    if (window.ClientWidth <= 0 || window.ClientHeight <= 0)
        return QImage();
    const QPalette palette = QGuiApplication::palette();
    const QFont font = WindowFont();
    QImage image(window.ClientWidth, window.ClientHeight, QImage::Format_RGB32);
    image.fill(ColorOf(graph.BackgroundColor, palette));

    // The labels start hidden at the places the window's layout gives them.
    ImageLabel title(font, captions.Title, false, QPoint(400, 8));
    ImageLabel xLegend(font, captions.XLegend, false, QPoint(328, 232));
    ImageLabel yLegend(font, captions.YLegend, true, QPoint(208, 48));
    {
        QtCanvas canvas(image, palette, font);
        graph::DrawGraph(graph, points, fit, window, canvas, { title, xLegend, yLegend });
    }

    QPainter painter(&image);
    painter.setFont(font);
    const QColor background = ColorOf(graph.BackgroundColor, palette);
    const QColor textColor = palette.color(QPalette::WindowText);
    for (const ImageLabel* label : { &title, &xLegend, &yLegend })
        label->Paint(painter, background, textColor);
    return image;
}

} // namespace app
