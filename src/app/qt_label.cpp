// src/app/qt_label.cpp: legend labels sized to their captions.
#include "app/qt_label.h"

#include <QFontMetrics>
#include <QRect>
#include <QStringList>

#include <algorithm>

namespace app {

namespace {

    // The y legend keeps at least the width its default caption takes.
    const char* const DefaultWrapCaption = "YAxisLabel";

} // namespace

QSize CaptionSize(const QFont& font, const QString& caption, bool wrapWords)
{
    const QFontMetrics metrics(font);
    if (!wrapWords)
        return metrics.size(0, caption);
    int width = metrics.horizontalAdvance(QString::fromLatin1(DefaultWrapCaption));
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        width = std::max(width, metrics.horizontalAdvance(word));
    const QRect box = metrics.boundingRect(
        QRect(0, 0, width, 1 << 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
    return QSize(width, std::max(box.height(), metrics.height()));
}

void SizeToCaption(QLabel& label)
{
    label.resize(CaptionSize(label.font(), label.text(), label.wordWrap()));
}

QtLabel::QtLabel(QLabel& label)
    : m_label(label)
{
}

std::string QtLabel::Caption() const { return m_label.text().toStdString(); }

void QtLabel::SetCaption(const std::string& caption)
{
    m_label.setText(QString::fromStdString(caption));
    SizeToCaption(m_label);
}

int QtLabel::Left() const { return m_label.x(); }

int QtLabel::Top() const { return m_label.y(); }

int QtLabel::Width() const { return m_label.width(); }

int QtLabel::Height() const { return m_label.height(); }

bool QtLabel::Visible() const { return !m_label.isHidden(); }

void QtLabel::SetLeft(int left) { m_label.move(left, m_label.y()); }

void QtLabel::SetTop(int top) { m_label.move(m_label.x(), top); }

void QtLabel::SetVisible(bool visible) { m_label.setVisible(visible); }

} // namespace app
