// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/recording_canvas.cpp: the recording canvas.
#include "support/recording_canvas.h"

#include <utility>

namespace test_support {

std::string CanvasCall::Describe() const
{
    static const char* const names[]
        = { "FillRect", "MoveTo", "LineTo", "Ellipse", "Polygon", "TextOut", "FillTinted" };
    std::string description = names[static_cast<int>(kind)];
    for (const int coordinate : coordinates) {
        description += ' ';
        description += std::to_string(coordinate);
    }
    if (kind == Kind::TextOut) {
        description += " \"";
        description += text;
        description += '"';
    }
    return description;
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom)
{
    Record(CanvasCall::Kind::FillRect, { left, top, right, bottom });
}

void RecordingCanvas::MoveTo(int x, int y) { Record(CanvasCall::Kind::MoveTo, { x, y }); }

void RecordingCanvas::LineTo(int x, int y) { Record(CanvasCall::Kind::LineTo, { x, y }); }

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom)
{
    Record(CanvasCall::Kind::Ellipse, { left, top, right, bottom });
}

void RecordingCanvas::Polygon(const std::vector<graph::CanvasPoint>& vertices)
{
    std::vector<int> coordinates;
    for (const auto& vertex : vertices) {
        coordinates.push_back(vertex.X);
        coordinates.push_back(vertex.Y);
    }
    Record(CanvasCall::Kind::Polygon, std::move(coordinates));
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text)
{
    Record(CanvasCall::Kind::TextOut, { x, y }, text);
}

void RecordingCanvas::FillTinted(const std::vector<graph::BandSpan>& spans,
    common::ColorValue colour, int alpha, common::ColorValue beneath)
{
    Record(CanvasCall::Kind::FillTinted, { alpha, static_cast<int>(beneath) });
    for (const graph::BandSpan& span : spans)
        calls.back().outline.push_back({ span.X, span.Upper });
    for (auto span = spans.rbegin(); span != spans.rend(); ++span)
        calls.back().outline.push_back({ span->X, span->Lower });
    calls.back().fillColor = colour;
}

int RecordingCanvas::TextWidth(const std::string& text)
{
    return CharacterWidth * static_cast<int>(text.size());
}

int RecordingCanvas::TextHeight(const std::string&) { return LineHeight; }

void RecordingCanvas::SetPenColor(common::ColorValue colour) { m_pen = colour; }

void RecordingCanvas::SetPenStyle(graph::PenStyle style) { m_penStyle = style; }

void RecordingCanvas::SetBrushColor(common::ColorValue colour) { m_brush = colour; }

std::vector<CanvasCall> RecordingCanvas::Of(CanvasCall::Kind kind) const
{
    std::vector<CanvasCall> selected;
    for (const auto& call : calls)
        if (call.kind == kind)
            selected.push_back(call);
    return selected;
}

std::vector<std::string> RecordingCanvas::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& call : Of(CanvasCall::Kind::TextOut))
        texts.push_back(call.text);
    return texts;
}

void RecordingCanvas::Record(CanvasCall::Kind kind, std::vector<int> coordinates, std::string text)
{
    calls.push_back(
        { kind, std::move(coordinates), std::move(text), m_pen, m_penStyle, m_brush, {}, 0 });
}

} // namespace test_support
