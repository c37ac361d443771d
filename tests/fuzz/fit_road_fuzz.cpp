// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/fit_road_fuzz.cpp: the whole road of a fit from a data file's bytes: reading, the
// least-squares fit of every type and order, the report and the drawing pass on a canvas that
// draws nothing. Failures the routines promise are fine; a crash, a sanitizer report, a
// failure out of the drawing pass or a fault flag it leaves behind are findings.
// Input: four bytes of choices, then the file's bytes. Byte 0: fit type (of 4) and, for a
// polynomial, order (0 to 15) as type + 4 * order; byte 1: bit 0 force through the origin
// (straight line and polynomial), bit 1 extra digit, bit 2 suppress zero, bit 3 decimal comma,
// bits 4-6 marker type (of 5); bytes 2 and 3: client width and height in steps of 8 and 4
// pixels.
#include "common/failure.h"
#include "common/memory_lines.h"
#include "data/calculate_data.h"
#include "data/data_text_file.h"
#include "fit/fit_command.h"
#include "fit/fit_state.h"
#include "fuzz_input.h"
#include "graph/draw_graph.h"
#include "report/initial_results_text.h"
#include "report/lsq_results_to_screen.h"
#include "support/fake_label.h"

#include <cfenv>
#include <optional>
#include <string>

namespace {

// Draws nothing; texts are 7 pixels a character wide and 13 high.
class NoOpCanvas : public graph::Canvas {
public:
    void FillRect(int, int, int, int) override { }
    void MoveTo(int, int) override { }
    void LineTo(int, int) override { }
    void Ellipse(int, int, int, int) override { }
    void Polygon(const std::vector<graph::CanvasPoint>&) override { }
    void TextOut(int, int, const std::string&) override { }
    int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }
    void SetPenColor(common::ColorValue) override { }
    void SetPenStyle(graph::PenStyle) override { }
    void SetBrushColor(common::ColorValue) override { }
};

struct Choices {
    fit::FitModel FitType = fit::StraightLine;
    int FitOrder = 0;
    bool ZeroForce = false;
    int PrecisionFlag = 0;
    bool SuppressZero = false;
    std::string_view DecimalSeparator = ".";
    graph::MarkerShape MarkerType = graph::Circle;
    int ClientWidth = 0;
    int ClientHeight = 0;
};

Choices TakeChoices(fuzz::FuzzInput& input)
{
    Choices choices;
    const int fit = input.TakeByte();
    choices.FitType = static_cast<fit::FitModel>(fit % 4);
    choices.FitOrder = choices.FitType == fit::Polynomial ? fit / 4 % 16 : 1;
    const int flags = input.TakeByte();
    choices.ZeroForce = (flags & 1) != 0
        && (choices.FitType == fit::StraightLine || choices.FitType == fit::Polynomial);
    choices.PrecisionFlag = (flags >> 1) & 1;
    choices.SuppressZero = (flags & 4) != 0;
    choices.DecimalSeparator = (flags & 8) != 0 ? "," : ".";
    choices.MarkerType = static_cast<graph::MarkerShape>((flags >> 4) % 5);
    choices.ClientWidth = 8 * input.TakeByte();
    choices.ClientHeight = 4 * input.TakeByte();
    return choices;
}

// The fit command's checks and fit, then the report of a fit that was made.
void FitAndReport(const data::PointStore& points, fit::FitState& fit, const Choices& choices)
{
    try {
        if (fit::CheckAndFit(points, fit, [](std::string_view) {}) != fit::FitOutcome::Fitted)
            return;
    } catch (const common::Failure&) {
        return;
    }
    report::ReportSettings settings;
    settings.PrecisionFlag = choices.PrecisionFlag;
    common::MemoryLines resultsPane(report::InitialResultsText);
    try {
        report::LsqResultsToScreen(fit, settings, resultsPane);
    } catch (const common::Failure&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size)
{
    fuzz::FuzzInput input(bytesIn, size);
    const Choices choices = TakeChoices(input);
    std::optional<data::DataFileText> file;
    try {
        file = data::PaneTextFromFileBytes(input.Rest());
    } catch (const common::Failure&) {
        return 0;
    }

    common::MemoryLines dataPane(file->Text);
    data::PointStore points;
    points.SuppressZero = choices.SuppressZero;
    data::CalculateData(points, dataPane, choices.DecimalSeparator);

    fit::FitState fit;
    fit.FitType = choices.FitType;
    fit.FitOrder = choices.FitOrder;
    fit.ZeroForce = choices.ZeroForce;
    fit::AllocateWorkingStorage(fit);
    FitAndReport(points, fit, choices);

    graph::GraphState graph;
    graph.MarkerType = choices.MarkerType;
    const graph::WindowGeometry window { choices.ClientWidth + 8, choices.ClientHeight + 46,
        choices.ClientWidth, choices.ClientHeight, 0, 0, 330 };
    NoOpCanvas canvas;
    test_support::FakeLabel title("Graph Title", 77, 13);
    test_support::FakeLabel xLegend("X Axis", 42, 13);
    test_support::FakeLabel yLegend("Y Axis", 42, 13);
    std::feclearexcept(FE_ALL_EXCEPT);
    graph::DrawGraph(graph, points, fit, window, canvas, { title, xLegend, yLegend });
    fuzz::Require(!std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW),
        "the drawing pass leaves no fault flag behind");
    fit::ReleaseWorkingStorage(fit);
    return 0;
}
