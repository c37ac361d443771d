// SPDX-License-Identifier: GPL-3.0-or-later
// tests/cli/plot/plot_output_test.cpp: graphs drawn by the built varnek-fit, read back and checked
// at pixels computed by the graph's own routines.
#include "cli/plot/plot_output.h"

#include "cli/run_varnek_fit.h"
#include "common/memory_lines.h"
#include "data/calculate_data.h"
#include "data/data_text_file.h"
#include "graph/plot_transforms.h"
#include "qtgraph/graph_file.h"
#include "support/reference_set.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

using cli_test::Outcome;
using cli_test::ReadFile;
using cli_test::RunVarnekFit;
using cli_test::TemporaryPath;

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;

// Without a display of any kind: varnek-fit must choose its platform itself.
constexpr std::string_view NoDisplay = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY";

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    quoted += text;
    quoted += '\'';
    return quoted;
}

// A data file of the test's own, removed with it.
class DataFile {
public:
    explicit DataFile(const std::string& text)
        : m_path(TemporaryPath("_points.dat"))
    {
        std::ofstream(m_path, std::ios::binary) << text;
    }
    ~DataFile() { std::remove(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// The plot rectangle and plotted ranges varnek-fit lays out for the data file in a graph of
// width x height with the default legends.
struct Layout {
    graph::GraphState graph;
    data::PointStore points;

    int Column(common::Extended x) const { return graph::XToPixel(graph, points, x); }
    int Row(common::Extended y) const { return graph::YToPixel(graph, points, y); }
};

Layout LayoutOf(const std::string& dataPath, int width, int height)
{
    Layout layout;
    common::MemoryLines dataLines(data::PaneTextFromFileBytes(ReadFile(dataPath)).Text);
    data::CalculateData(layout.points, dataLines, ".");
    const fit::FitState noFit;
    const qtgraph::GraphView view = qtgraph::GraphAloneView(
        layout.graph, layout.points, noFit, QSize(width, height), qtgraph::GraphLegends {});
    QPainter measuring;
    qtgraph::PaintGraph(measuring, layout.graph, layout.points, noFit, view.Window, view.Legends);
    return layout;
}

// Every red pixel of the image lies in the box of a marker (r = 5 about its centre).
bool RedOnlyInMarkers(const QImage& image, const Layout& layout)
{
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column) {
            if (image.pixel(column, row) != Red)
                continue;
            bool inMarker = false;
            for (int point = 1; point <= layout.points.PointCount; ++point)
                inMarker = inMarker
                    || (std::abs(column - layout.Column(layout.points.XData[point])) <= 5
                        && std::abs(row - layout.Row(layout.points.YData[point])) <= 5);
            if (!inMarker)
                return false;
        }
    return true;
}

} // namespace

TEST(VarnekFitPlot, DrawsTheFittedGraphIntoAPng)
{
    // y = 0.5 + 0.6x fitted to (1, 1), (2, 2), (3, 2), (4, 3).
    const std::string dataPath = test_support::FixturePath("straight_line.dat");
    const std::string imagePath = TemporaryPath(".png");
    const Outcome outcome = RunVarnekFit(
        "--plot " + Quoted(imagePath) + " --size 800x600 " + Quoted(dataPath), NoDisplay);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    EXPECT_NE(outcome.out.find("A(1) = 0.6 +/- 0.4  YUnits/XUnits"), std::string::npos);

    const QImage image(QString::fromStdString(imagePath));
    std::remove(imagePath.c_str());
    ASSERT_EQ(image.size(), QSize(800, 600));
    const Layout layout = LayoutOf(dataPath, 800, 600);
    const graph::GraphState& graph = layout.graph;
    ASSERT_GT(graph.PlotWidth, 100);
    ASSERT_GT(graph.PlotHeight, 100);

    // Inside the plot, far from the points, the line and the axes.
    EXPECT_EQ(image.pixel(layout.Column(0.5L), layout.Row(2.9L)), White);
    // The frame's top and right edges.
    EXPECT_EQ(image.pixel(graph.PlotLeft + graph.PlotWidth / 2, graph.PlotTop), Black);
    EXPECT_EQ(
        image.pixel(graph.PlotLeft + graph.PlotWidth, graph.PlotTop + graph.PlotHeight / 2), Black);
    // The marker of (3, 2) and the fitted line a quarter of the way across.
    EXPECT_EQ(image.pixel(layout.Column(3), layout.Row(2)), Red);
    const int column = graph.PlotLeft + graph.PlotWidth / 4;
    const common::Extended x = graph::PixelToX(graph, layout.points, column);
    EXPECT_EQ(image.pixel(column, layout.Row(0.5L + 0.6L * x)), Red);

    // The graph alone: no strip of the background where the window's panes would be, only
    // the margins right of the plot (40 + 20) and left of the y legend.
    int blankRun = 0;
    int widestBlankRun = 0;
    for (int blank = 0; blank < image.width(); ++blank) {
        bool drawn = false;
        for (int row = 0; row < image.height() && !drawn; ++row)
            drawn = image.pixel(blank, row) != image.pixel(0, 0);
        blankRun = drawn ? 0 : blankRun + 1;
        widestBlankRun = std::max(widestBlankRun, blankRun);
    }
    EXPECT_LE(widestBlankRun, graph.GraphMargin + 20);
}

TEST(VarnekFitPlot, ShadesTheBandsOfTheFitAndPrintsTheirLimits)
{
    const std::string dataPath = test_support::FixturePath("straight_line.dat");
    const std::string imagePath = TemporaryPath(".png");
    const Outcome outcome = RunVarnekFit("--plot " + Quoted(imagePath)
            + " --size 800x600 --band both --full-precision " + Quoted(dataPath),
        NoDisplay);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(
        outcome.out.find("\nconfidence band\t1.0000000000000000000e+00\t"), std::string::npos);
    EXPECT_NE(outcome.out.find("\nprediction band\t"), std::string::npos);

    const QImage image(QString::fromStdString(imagePath));
    std::remove(imagePath.c_str());
    const Layout layout = LayoutOf(dataPath, 800, 600);
    // Some rows beside the line a quarter of the way across lie in both bands: a light red.
    const int column = layout.graph.PlotLeft + layout.graph.PlotWidth / 4;
    const common::Extended x = graph::PixelToX(layout.graph, layout.points, column);
    const QRgb tinted = image.pixel(column, layout.Row(0.5L + 0.6L * x) + 20);
    EXPECT_EQ(qRed(tinted), 255);
    EXPECT_LT(qGreen(tinted), 240);
    EXPECT_GT(qGreen(tinted), 100);
}

TEST(VarnekFitPlot, WritesAOnePagePdfTheSizeOfTheGraph)
{
    const std::string pdfPath = TemporaryPath(".pdf");
    const Outcome outcome = RunVarnekFit(
        "--plot " + Quoted(pdfPath) + " " + Quoted(test_support::FixturePath("straight_line.dat")));
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    const std::string pdf = ReadFile(pdfPath);
    std::remove(pdfPath.c_str());
    ASSERT_TRUE(pdf.starts_with("%PDF-"));

    int pages = 0;
    const std::string pageType = "/Type /Page";
    for (std::size_t at = pdf.find(pageType); at != std::string::npos;
         at = pdf.find(pageType, at + 1))
        if (pdf.compare(at, pageType.size() + 1, "/Type /Pages") != 0)
            ++pages;
    EXPECT_EQ(pages, 1);

    // 1024 x 768 pixels at 96 per inch: 768 x 576 points.
    const std::size_t box = pdf.find("/MediaBox [");
    ASSERT_NE(box, std::string::npos);
    std::istringstream corners(pdf.substr(box + 11, 80));
    double left = -1, bottom = -1, right = -1, top = -1;
    corners >> left >> bottom >> right >> top;
    EXPECT_EQ(left, 0);
    EXPECT_EQ(bottom, 0);
    EXPECT_NEAR(right, 768, 0.01);
    EXPECT_NEAR(top, 576, 0.01);
}

TEST(VarnekFitPlot, DrawsThePointsOfARefusedFitWithoutACurve)
{
    const DataFile data("0 0\n1 1\n2 8\n");
    const std::string imagePath = TemporaryPath(".png");
    const Outcome outcome = RunVarnekFit(
        "--type power --plot " + Quoted(imagePath) + " --size 900x700 " + Quoted(data.Path()));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors,
        "No zero X values allowed for this type of fit.\n"
        "A power law works with the logarithm of x; line 1 has x = 0.\n");

    const QImage image(QString::fromStdString(imagePath));
    std::remove(imagePath.c_str());
    ASSERT_EQ(image.size(), QSize(900, 700));
    const Layout layout = LayoutOf(data.Path(), 900, 700);
    EXPECT_EQ(image.pixel(layout.Column(2), layout.Row(8)), Red);
    EXPECT_EQ(image.pixel(layout.Column(1), layout.Row(1)), Red);
    EXPECT_TRUE(RedOnlyInMarkers(image, layout));
}

TEST(VarnekFitPlot, DrawsOnlyTheBackgroundWithoutDataLines)
{
    const DataFile data("");
    const std::string imagePath = TemporaryPath(".png");
    const Outcome outcome
        = RunVarnekFit("--plot " + Quoted(imagePath) + " --size 300x200 " + Quoted(data.Path()));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, "No data points to fit.\n");

    const QImage image(QString::fromStdString(imagePath));
    std::remove(imagePath.c_str());
    ASSERT_EQ(image.size(), QSize(300, 200));
    const QRgb background = image.pixel(0, 0);
    int otherPixels = 0;
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            otherPixels += image.pixel(column, row) != background;
    EXPECT_EQ(otherPixels, 0);
}

TEST(VarnekFitPlot, ReportsAGraphFileThatCannotBeCreated)
{
    const Outcome outcome = RunVarnekFit("--plot /nonexistent/graphs/run.pdf "
        + Quoted(test_support::FixturePath("straight_line.dat")));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors,
        "Cannot create file /nonexistent/graphs/run.pdf: " + std::string(std::strerror(ENOENT))
            + ".\n");
    // The report is printed all the same.
    EXPECT_NE(outcome.out.find("A(0) = 1 +/- 1  YUnits"), std::string::npos);
}

TEST(VarnekFitPlot, RefusesToDrawOverItsDataFile)
{
    const std::string path = TemporaryPath(".svg");
    std::filesystem::copy_file(test_support::FixturePath("straight_line.dat"), path);
    const Outcome outcome = RunVarnekFit("--plot " + Quoted(path) + " " + Quoted(path));
    const std::string kept = ReadFile(path);
    std::remove(path.c_str());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors,
        "Cannot create file " + path + ".\nIt is the data file, which the graph would replace.\n");
    EXPECT_EQ(kept, ReadFile(test_support::FixturePath("straight_line.dat")));
}

TEST(VarnekFitPlot, LeavesTheOldGraphWhenTheDiskIsFull)
{
    // A disk of 64 KiB in a mount namespace of its own, nearly full: a graph file of a few
    // dozen KiB cannot be written whole.
    const std::string folder = TemporaryPath("_disk");
    const std::string results = TemporaryPath("_results");
    std::filesystem::create_directory(folder);
    std::filesystem::create_directory(results);
    const std::string graph = folder + "/graph.pdf";
    const std::string script = TemporaryPath(".sh");
    std::ofstream(script) << "mount -t tmpfs -o size=64k tmpfs " << Quoted(folder)
                          << " || exit 99\n"
                          << "printf 'old graph' > " << Quoted(graph) << "\n"
                          << "head -c 53248 /dev/zero > " << Quoted(folder + "/filler") << "\n"
                          << Quoted(cli_test::VarnekFitPath()) << " --plot " << Quoted(graph) << " "
                          << Quoted(test_support::FixturePath("straight_line.dat"))
                          << " >/dev/null 2> " << Quoted(results + "/errors") << "\n"
                          << "echo $? > " << Quoted(results + "/status") << "\n"
                          << "cp " << Quoted(graph) << " " << Quoted(results + "/graph") << "\n"
                          << "ls -A " << Quoted(folder) << " > " << Quoted(results + "/listing")
                          << "\n";
    const int status = std::system(("unshare -m sh " + Quoted(script) + " 2>/dev/null").c_str());
    std::remove(script.c_str());
    const std::string errors = ReadFile(results + "/errors");
    const std::string exitStatus = ReadFile(results + "/status");
    const std::string kept = ReadFile(results + "/graph");
    const std::string listing = ReadFile(results + "/listing");
    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(results);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        GTEST_SKIP() << "no small disk can be mounted here";
    EXPECT_EQ(exitStatus, "1\n");
    EXPECT_EQ(errors, "Cannot create file " + graph + ": " + std::strerror(ENOSPC) + ".\n");
    EXPECT_EQ(kept, "old graph");
    EXPECT_EQ(listing, "filler\ngraph.pdf\n");
}
