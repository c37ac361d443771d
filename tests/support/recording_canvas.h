// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/recording_canvas.h: a Canvas that records every drawing call, with fixed text
// metrics.
#pragma once

#include "common/color.h"
#include "graph/canvas.h"

#include <string>
#include <vector>

namespace test_support {

// One recorded call: the operation, its coordinates in argument order (vertices as x, y pairs;
// the alpha of a translucent fill), its text, and the pen and brush current when it was made.
// A translucent fill also keeps its outline and colour.
struct CanvasCall {
    enum class Kind { FillRect, MoveTo, LineTo, Ellipse, Polygon, TextOut, FillTinted };
    Kind kind = Kind::MoveTo;
    std::vector<int> coordinates;
    std::string text;
    common::ColorValue pen = 0;
    graph::PenStyle penStyle = graph::PenStyle::Solid;
    common::ColorValue brush = 0;
    std::vector<graph::PathPoint> outline;
    common::ColorValue fillColor = 0;

    // Readable form for failure messages: "LineTo 10 20".
    std::string Describe() const;
};

// Every character is CharacterWidth pixels wide and every text TextHeight high, so that expected
// coordinates can be worked by hand. Starts with a solid black pen and a white brush.
class RecordingCanvas : public graph::Canvas {
public:
    static constexpr int CharacterWidth = 8;
    static constexpr int LineHeight = 16;

    std::vector<CanvasCall> calls;

    void FillRect(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(const std::vector<graph::CanvasPoint>& vertices) override;
    void TextOut(int x, int y, const std::string& text) override;
    // Records the band as the outline of its polygon: upper edge forth, lower edge back.
    void FillTinted(const std::vector<graph::BandSpan>& spans, common::ColorValue colour, int alpha,
        common::ColorValue beneath) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void SetPenColor(common::ColorValue colour) override;
    void SetPenStyle(graph::PenStyle style) override;
    void SetBrushColor(common::ColorValue colour) override;

    // The calls of one kind, in order.
    std::vector<CanvasCall> Of(CanvasCall::Kind kind) const;
    // The texts written, in order.
    std::vector<std::string> Texts() const;

private:
    void Record(CanvasCall::Kind kind, std::vector<int> coordinates, std::string text = {});

    common::ColorValue m_pen = common::Black;
    graph::PenStyle m_penStyle = graph::PenStyle::Solid;
    common::ColorValue m_brush = common::White;
};

} // namespace test_support
