// bench/fit_bench.cpp: the largest fit the workbench makes, with its report.
#include "common/memory_lines.h"
#include "fit/fit_state.h"
#include "fit/lsq_routine.h"
#include "report/initial_results_text.h"
#include "report/lsq_results_to_screen.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// Order 15 (16 basis functions) on 600 points: a smooth curve over [-1, 1] with a fixed
// ripple standing in for noise, so the fit and its report both succeed.
void LsqRoutineOrder15On600Points(benchmark::State& state)
{
    data::PointStore points;
    for (int point = 1; point <= data::MaxPoints; ++point) {
        const common::Extended x = -1 + 2.0L * (point - 1) / (data::MaxPoints - 1);
        points.XData[point] = x;
        points.YData[point] = std::sin(3 * x) + 0.01L * ((point * 7919) % 13 - 6);
    }
    points.PointCount = data::MaxPoints;
    points.DataPresent = true;

    fit::FitState fit;
    fit::AllocateWorkingStorage(fit);
    fit.FitType = fit::Polynomial;
    fit.FitOrder = 15;
    const report::ReportSettings settings;
    common::MemoryLines resultsPane(report::InitialResultsText);

    for (auto _ : state) {
        fit::LsqRoutine(points, fit);
        report::LsqResultsToScreen(fit, settings, resultsPane);
        benchmark::DoNotOptimize(fit.ResidualSumOfSquares);
    }
    fit::ReleaseWorkingStorage(fit);
}

} // namespace

BENCHMARK(LsqRoutineOrder15On600Points)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
