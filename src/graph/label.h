// src/graph/label.h: a caption control lying over the drawing surface, such as the axis legends.
#pragma once

#include <string>
#include <string_view>

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

// A legend label as the window's layout has it before the first drawing pass: its caption and
// the top-left corner of its box in client pixels. The box itself fits the caption.
struct LegendStart {
    std::string_view Caption;
    int Left = 0;
    int Top = 0;
};

inline constexpr LegendStart TitleStart { "Title", 400, 8 };
inline constexpr LegendStart XAxisStart { "XAxisLabel", 328, 232 };
inline constexpr LegendStart YAxisStart { "YAxisLabel", 208, 48 };

// The three legend labels the drawing pass places.
struct GraphLabels {
    Label& TitleLabel;
    Label& XAxisLabel;
    Label& YAxisLabel;
};

} // namespace graph
