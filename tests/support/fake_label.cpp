// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/fake_label.cpp: the fake label.
#include "support/fake_label.h"

#include <utility>

namespace test_support {

FakeLabel::FakeLabel(std::string text, int labelWidth, int labelHeight)
    : caption(std::move(text))
    , width(labelWidth)
    , height(labelHeight)
{
}

void FakeLabel::SetLeft(int value)
{
    left = value;
    moves.push_back("left " + std::to_string(value));
}

void FakeLabel::SetTop(int value)
{
    top = value;
    moves.push_back("top " + std::to_string(value));
}

void FakeLabel::SetVisible(bool value)
{
    visible = value;
    moves.push_back(value ? "visible" : "hidden");
}

} // namespace test_support
