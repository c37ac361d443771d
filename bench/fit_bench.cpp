// SPDX-License-Identifier: GPL-3.0-or-later
// bench/fit_bench.cpp: the largest fit the workbench makes, with its report, where Extended
// carries it and where it needs the wide road.
#include "common/memory_lines.h"
#include "fit/fit_state.h"
#include "fit/lsq_routine.h"
#include "report/initial_results_text.h"
#include "report/lsq_results_to_screen.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

// A fit of the given order on 600 points evenly spread from first to last: a smooth curve with
// a fixed ripple standing in for noise, so the fit and its report both succeed.
void FitOn600Points(
    benchmark::State& state, int order, common::Extended first, common::Extended last)
{
    data::PointStore points;
    const common::Extended scale = std::max(std::fabs(first), std::fabs(last));
    for (int point = 1; point <= data::MaxPoints; ++point) {
        const common::Extended x = first + (last - first) * (point - 1) / (data::MaxPoints - 1);
        points.XData[point] = x;
        points.YData[point] = std::sin(3 * x / scale) + 0.01L * ((point * 7919) % 13 - 6);
    }
    points.PointCount = data::MaxPoints;
    points.DataPresent = true;

    fit::FitState fit;
    fit::AllocateWorkingStorage(fit);
    fit.FitType = fit::Polynomial;
    fit.FitOrder = order;
    const report::ReportSettings settings;
    common::MemoryLines resultsPane(report::InitialResultsText);

    for (auto _ : state) {
        fit::LsqRoutine(points, fit);
        report::LsqResultsToScreen(fit, settings, resultsPane);
        benchmark::DoNotOptimize(fit.ResidualSumOfSquares);
    }
    state.counters["bits"] = fit.SignificandBits;
    fit::ReleaseWorkingStorage(fit);
}

// Order 15 on x in [-1, 1]: the normal matrix loses about 35 bits, too many for Extended.
void LsqRoutineOrder15On600Points(benchmark::State& state) { FitOn600Points(state, 15, -1, 1); }

// Order 15 on x from 0.1 to 60: about 70 bits lost, more than Extended holds at all.
void LsqRoutineOrder15On600PointsFrom0p1To60(benchmark::State& state)
{
    FitOn600Points(state, 15, 0.1L, 60);
}

// Order 3 on x in [-1, 1]: Extended carries it.
void LsqRoutineOrder3On600Points(benchmark::State& state) { FitOn600Points(state, 3, -1, 1); }

} // namespace

BENCHMARK(LsqRoutineOrder15On600Points)->Unit(benchmark::kMicrosecond);
BENCHMARK(LsqRoutineOrder15On600PointsFrom0p1To60)->Unit(benchmark::kMicrosecond);
BENCHMARK(LsqRoutineOrder3On600Points)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
