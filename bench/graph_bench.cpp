// SPDX-License-Identifier: GPL-3.0-or-later
// bench/graph_bench.cpp: the drawing pass with 600 points and an order-15 curve on a 1920 x 1080
// image, with and without the bands and the residual strip (also timed in pairs, for their
// ratio), and graph files of the fitter's default size.
#include "fit/lsq_routine.h"
#include "graph/draw_graph.h"
#include "qtgraph/graph_file.h"
#include "qtgraph/graph_image.h"
#include "qtgraph/qt_canvas.h"
#include "qtgraph/qt_font.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using common::Extended;

// A label that only holds its box.
struct BoxLabel : graph::Label {
    int left = 0, top = 0, width = 80, height = 16;
    bool visible = false;
    std::string Caption() const override { return "Legend"; }
    void SetCaption(const std::string&) override { }
    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    bool Visible() const override { return visible; }
    void SetLeft(int value) override { left = value; }
    void SetTop(int value) override { top = value; }
    void SetVisible(bool value) override { visible = value; }
};

// 600 points of sin x over 0..10 and its Taylor polynomial of order 15, which runs off the top
// of the plot towards the right.
struct Scene {
    graph::GraphState graph;
    data::PointStore points;
    fit::FitState fit;
    graph::WindowGeometry window { 1920, 1080, 1920, 1080, 0, 0, 330 };

    Scene()
    {
        points.PointCount = data::MaxPoints;
        for (int i = 1; i <= data::MaxPoints; ++i) {
            points.XData[i] = i / Extended(60);
            points.YData[i] = std::sin(points.XData[i]) + 0.05L * std::sin(Extended(i) * i);
        }
        points.DataPresent = true;
        points.XMin = 0;
        points.XMax = 11;
        points.YMin = -1.3L;
        points.YMax = 1.3L;
        fit.FitValid = true;
        fit.FitType = fit::Polynomial;
        fit.ConstantCount = 16;
        Extended factorial = 1;
        for (int k = 1; k <= 15; ++k) {
            factorial *= k;
            fit.FitConstants[k] = k % 2 == 0 ? 0 : (k % 4 == 1 ? 1 : -1) / factorial;
        }
    }
};

// DrawGraph of the scene onto a 1920 x 1080 image, once per iteration.
void DrawRepeatedly(benchmark::State& state, Scene& scene)
{
    BoxLabel title, xLegend, yLegend;
    QImage image(1920, 1080, QImage::Format_RGB32);
    const QPalette palette = QGuiApplication::palette();
    const QFont font = qtgraph::WindowFont();
    for (auto _ : state) {
        QPainter painter(&image);
        qtgraph::QtCanvas canvas(painter, image.size(), palette, font);
        graph::DrawGraph(scene.graph, scene.points, scene.fit, scene.window, canvas,
            { title, xLegend, yLegend });
    }
    benchmark::DoNotOptimize(image.constBits());
}

void DrawGraphOnImage(benchmark::State& state)
{
    Scene scene;
    DrawRepeatedly(state, scene);
}
BENCHMARK(DrawGraphOnImage)->Unit(benchmark::kMillisecond);

// The same points fitted by a polynomial of the benchmark's order: 5 is carried by Extended,
// 15 takes the wide road.
struct FittedScene : Scene {
    explicit FittedScene(int order)
    {
        fit::AllocateWorkingStorage(fit);
        fit.FitOrder = order;
        fit::LsqRoutine(points, fit);
        fit.FitValid = true;
    }
    ~FittedScene() { fit::ReleaseWorkingStorage(fit); }
};

// DrawGraph of the fitted scene, plain or with both bands and the residual strip.
void DrawFittedGraph(benchmark::State& state, bool bandsAndResiduals)
{
    FittedScene scene(static_cast<int>(state.range(0)));
    scene.graph.ConfidenceBandShown = bandsAndResiduals;
    scene.graph.PredictionBandShown = bandsAndResiduals;
    scene.graph.ResidualsShown = bandsAndResiduals;
    DrawRepeatedly(state, scene);
}
BENCHMARK_CAPTURE(DrawFittedGraph, Plain, false)->Arg(5)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawFittedGraph, BandsAndResiduals, true)
    ->Arg(5)
    ->Arg(15)
    ->Unit(benchmark::kMillisecond);

// The two drawings of the same fit in turn, each timed, so that the machine's drift falls on both
// alike: the median ratio of each pair, and the median times.
void BandsAndResidualsOverPlain(benchmark::State& state)
{
    const int order = static_cast<int>(state.range(0));
    FittedScene plain(order);
    FittedScene decorated(order);
    decorated.graph.ConfidenceBandShown = true;
    decorated.graph.PredictionBandShown = true;
    decorated.graph.ResidualsShown = true;
    BoxLabel title, xLegend, yLegend;
    QImage image(1920, 1080, QImage::Format_RGB32);
    const QPalette palette = QGuiApplication::palette();
    const QFont font = qtgraph::WindowFont();
    const auto timeDrawing = [&](Scene& scene) {
        const auto start = std::chrono::steady_clock::now();
        QPainter painter(&image);
        qtgraph::QtCanvas canvas(painter, image.size(), palette, font);
        graph::DrawGraph(scene.graph, scene.points, scene.fit, scene.window, canvas,
            { title, xLegend, yLegend });
        painter.end();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    std::vector<double> plainTimes, decoratedTimes, ratios;
    for (auto _ : state) {
        plainTimes.push_back(timeDrawing(plain));
        decoratedTimes.push_back(timeDrawing(decorated));
        ratios.push_back(decoratedTimes.back() / plainTimes.back());
    }
    const auto median = [](std::vector<double> values) {
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    };
    state.counters["plain_ms"] = median(plainTimes);
    state.counters["decorated_ms"] = median(decoratedTimes);
    state.counters["ratio"] = median(ratios);
}
BENCHMARK(BandsAndResidualsOverPlain)->Arg(5)->Arg(15)->Unit(benchmark::kMillisecond);

void RenderGraphImage(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        const QImage image = qtgraph::RenderGraphImage(
            scene.graph, scene.points, scene.fit, scene.window, qtgraph::GraphLegends {});
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(RenderGraphImage)->Unit(benchmark::kMillisecond);

// The graph alone at 1024 x 768, as varnek-fit --plot writes it: drawing and file bytes.
void RenderGraphFile(benchmark::State& state, graph::GraphFileFormat format)
{
    Scene scene;
    const qtgraph::GraphView view = qtgraph::GraphAloneView(
        scene.graph, scene.points, scene.fit, QSize(1024, 768), qtgraph::GraphLegends {});
    for (auto _ : state) {
        const QByteArray bytes
            = qtgraph::RenderGraphFile(format, scene.graph, scene.points, scene.fit, view);
        benchmark::DoNotOptimize(bytes.constData());
    }
}
BENCHMARK_CAPTURE(RenderGraphFile, Png, graph::GraphFileFormat::Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderGraphFile, Svg, graph::GraphFileFormat::Svg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
