// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/fake_label.h: a Label of a fixed size that keeps its place and logs its moves.
#pragma once

#include "graph/label.h"

#include <string>
#include <vector>

namespace test_support {

// Starts hidden at (0, 0). Moves are logged as "left 1", "top 40", "visible".
struct FakeLabel : graph::Label {
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    std::vector<std::string> moves;

    FakeLabel(std::string text, int labelWidth, int labelHeight);

    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    bool Visible() const override { return visible; }
    void SetLeft(int value) override;
    void SetTop(int value) override;
    void SetVisible(bool value) override;
};

} // namespace test_support
