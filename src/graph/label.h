// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/label.h: a caption control lying over the drawing surface, such as the axis legends.
#pragma once

#include <string>

namespace graph {

// Positions are client pixels of the window. The control sizes itself to its caption; the
// graph reads that size and places the control, but never draws it.
class Label {
public:
    virtual ~Label() = default;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Visible() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetVisible(bool visible) = 0;
};

// The three legend labels the drawing pass places.
struct GraphLabels {
    Label& TitleLabel;
    Label& XAxisLabel;
    Label& YAxisLabel;
};

} // namespace graph
