// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/qt_label.h: the graph's Label over a QLabel, sized to its caption.
#pragma once

#include "common/color.h"
#include "graph/label.h"

#include <QLabel>
#include <QPoint>

namespace app {

// Resizes label to qtgraph::CaptionSize of its text, wrapping when the label wraps its words.
void SizeToCaption(QLabel& label);

// Paints the label's box in colour (a system colour through the label's palette) from now on.
void SetLabelBackground(QLabel& label, common::ColorValue colour);

// Positions are the QLabel's, relative to its parent (the window's drawing surface). Visible
// means not hidden, so that it holds while the window itself is not yet shown.
// Place and visibility are kept here until Apply, which hands the QLabel only its final state and
// only what changed: every move of a label makes its parent repaint, and the parent's repaint
// runs the drawing pass that places the labels, so intermediate places must not reach it.
class QtLabel : public graph::Label {
public:
    explicit QtLabel(QLabel& label);

    std::string Caption() const override;
    // Sets the text and resizes the label to it at once.
    void SetCaption(const std::string& caption) override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    bool Visible() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetVisible(bool visible) override;

    // Moves, shows or hides the QLabel where its place or visibility differ from the kept ones.
    void Apply();

private:
    QLabel& m_label;
    QPoint m_place;
    bool m_visible;
};

} // namespace app
