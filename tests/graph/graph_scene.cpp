// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/graph_scene.cpp: the scene of whole-pass tests.
#include "graph_scene.h"

namespace graph_test {

using test_support::CanvasCall;

void Scene::SetData(Extended xMin, Extended xMax, Extended yMin, Extended yMax,
    const std::vector<std::pair<Extended, Extended>>& pointList)
{
    points.XMin = xMin;
    points.XMax = xMax;
    points.YMin = yMin;
    points.YMax = yMax;
    points.PointCount = static_cast<int>(pointList.size());
    for (int i = 1; i <= points.PointCount; ++i) {
        points.XData[i] = pointList[i - 1].first;
        points.YData[i] = pointList[i - 1].second;
    }
    points.DataPresent = true;
}

void Scene::Draw()
{
    graph::DrawGraph(graph, points, fit, window, canvas, { title, xLegend, yLegend });
}

std::vector<Segment> Scene::Segments() const
{
    std::vector<Segment> segments;
    const auto& calls = canvas.calls;
    for (size_t i = 1; i < calls.size(); ++i) {
        if (calls[i].kind == CanvasCall::Kind::LineTo
            && calls[i - 1].kind == CanvasCall::Kind::MoveTo)
            segments.push_back({ calls[i - 1].coordinates[0], calls[i - 1].coordinates[1],
                calls[i].coordinates[0], calls[i].coordinates[1], calls[i].pen });
    }
    return segments;
}

} // namespace graph_test
