// SPDX-License-Identifier: GPL-3.0-or-later
// bench/all_points_bench.cpp: what varnek-fit --all-points spends on a million rows: reading a
// three-column CSV with a header, and fitting a straight line and an order-5 polynomial.
#include "common/memory_lines.h"
#include "data/table_reader.h"
#include "fit/fit_state.h"
#include "fit/lsq_routine.h"
#include "report/initial_results_text.h"
#include "report/lsq_results_to_screen.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

constexpr int MillionRows = 1000000;

// "time,temp,dist" and a million rows such as "123.456,20.13,95.0432": 22 MB, as a logger
// writes them.
std::string MillionRowCsv()
{
    std::string text = "time,temp,dist\n";
    text.reserve(23 * MillionRows);
    char row[64];
    for (int index = 0; index < MillionRows; ++index) {
        const double x = index * 0.001;
        const double ripple = (index % 101 * 37 % 101 - 50) * 0.001;
        std::snprintf(
            row, sizeof row, "%.3f,%.2f,%.4f\n", x, 20 + 10 * ripple, 2.5 + 0.75 * x + ripple);
        text += row;
    }
    return text;
}

void ReadMillionRowCsv(benchmark::State& state)
{
    const std::string text = MillionRowCsv();
    const data::TableColumns columns { { 1, {} }, { 3, {} } };
    for (auto _ : state) {
        data::PointStore points;
        const data::TableReading reading
            = data::ReadTable(text, {}, columns, std::numeric_limits<int>::max(), points);
        benchmark::DoNotOptimize(points.PointCount);
        if (reading.PointsRead != MillionRows)
            state.SkipWithError("the rows did not all read");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// A million points evenly spread from first to first + 1000 thousandths of scale, with a
// ripple standing in for noise.
void FitMillionPoints(benchmark::State& state, int order, common::Extended first)
{
    data::PointStore points;
    points.Reserve(MillionRows);
    for (int point = 1; point <= MillionRows; ++point) {
        const common::Extended x = first + (point - 1) * 0.001L;
        points.XData[point] = x;
        points.YData[point]
            = 2.5L + 0.75L * x - 1e-9L * x * x * x + 0.05L * (point % 101 * 37 % 101 - 50) / 50;
    }
    points.PointCount = MillionRows;
    points.DataPresent = true;

    fit::FitState fit;
    fit::AllocateWorkingStorage(fit);
    fit.FitType = order == 1 ? fit::StraightLine : fit::Polynomial;
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

// x from 0 to 1000: the line in Extended.
void StraightLineOnAMillionPoints(benchmark::State& state) { FitMillionPoints(state, 1, 0); }

// x from -500 to 500: Extended carries order 5 too.
void Order5OnAMillionCentredPoints(benchmark::State& state) { FitMillionPoints(state, 5, -500); }

// x from 0 to 1000: order 5 loses too many bits for Extended and takes the wide road.
void Order5OnAMillionPoints(benchmark::State& state) { FitMillionPoints(state, 5, 0); }

} // namespace

BENCHMARK(ReadMillionRowCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(StraightLineOnAMillionPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(Order5OnAMillionCentredPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(Order5OnAMillionPoints)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
