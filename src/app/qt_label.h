// src/app/qt_label.h: the graph's Label over a QLabel, and how a legend sizes itself to its
// caption.
#pragma once

#include "graph/label.h"

#include <QFont>
#include <QLabel>
#include <QSize>
#include <QString>

namespace app {

// The box a caption takes in font: one line as wide as the text or, when wrapWords, lines broken
// between words at the width of the default y legend caption or of the widest word, whichever
// is wider.
QSize CaptionSize(const QFont& font, const QString& caption, bool wrapWords);

// Resizes label to CaptionSize of its text, wrapping when the label wraps its words.
void SizeToCaption(QLabel& label);

// Positions are the QLabel's, relative to its parent (the window's drawing surface). Visible
// means not hidden, so that it holds while the window itself is not yet shown.
class QtLabel : public graph::Label {
public:
    explicit QtLabel(QLabel& label);

    std::string Caption() const override;
    // Sets the text and resizes the label to it.
    void SetCaption(const std::string& caption) override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    bool Visible() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetVisible(bool visible) override;

private:
    QLabel& m_label;
};

} // namespace app
