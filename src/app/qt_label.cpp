// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_label.cpp: legend labels sized to their captions.
#include "app/qt_label.h"

#include "qtgraph/caption_size.h"
#include "qtgraph/qt_color.h"

#include <QPalette>

namespace app {

void SizeToCaption(QLabel& label)
{
    label.resize(qtgraph::CaptionSize(label.font(), label.text(), label.wordWrap()));
}

void SetLabelBackground(QLabel& label, common::ColorValue colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, qtgraph::ColorOf(colour, palette));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

QtLabel::QtLabel(QLabel& label)
    : m_label(label)
    , m_place(label.pos())
    , m_visible(!label.isHidden())
{
}

std::string QtLabel::Caption() const { return m_label.text().toStdString(); }

void QtLabel::SetCaption(const std::string& caption)
{
    m_label.setText(QString::fromStdString(caption));
    SizeToCaption(m_label);
}

int QtLabel::Left() const { return m_place.x(); }

int QtLabel::Top() const { return m_place.y(); }

int QtLabel::Width() const { return m_label.width(); }

int QtLabel::Height() const { return m_label.height(); }

bool QtLabel::Visible() const { return m_visible; }

void QtLabel::SetLeft(int left) { m_place.setX(left); }

void QtLabel::SetTop(int top) { m_place.setY(top); }

void QtLabel::SetVisible(bool visible) { m_visible = visible; }

void QtLabel::Apply()
{
    // Moved before it is shown, so that it never appears at its old place.
    if (m_label.pos() != m_place)
        m_label.move(m_place);
    if (m_label.isHidden() == m_visible)
        m_label.setVisible(m_visible);
}

} // namespace app
