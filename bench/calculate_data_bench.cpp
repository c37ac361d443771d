// SPDX-License-Identifier: GPL-3.0-or-later
// bench/calculate_data_bench.cpp: one reading of a full data pane of 600 pairs.
#include "common/memory_lines.h"
#include "data/calculate_data.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// 600 lines of measured-looking pairs, such as "12.5 3.0741E2", ending in a line break.
std::string SixHundredPairs()
{
    std::string text;
    char line[64];
    for (int i = 1; i <= data::MaxPoints; ++i) {
        std::snprintf(line, sizeof line, "%.1f %.6g\n", i * 0.5, 3.0 + 1.7 * i + 0.013 * i * i);
        text += line;
    }
    return text;
}

void BM_CalculateData600Pairs(benchmark::State& state)
{
    common::MemoryLines lines(SixHundredPairs());
    data::PointStore points;
    for (auto _ : state) {
        data::CalculateData(points, lines, ".");
        benchmark::DoNotOptimize(points);
    }
    if (points.PointCount != data::MaxPoints)
        state.SkipWithError("the pairs did not all read");
}
BENCHMARK(BM_CalculateData600Pairs)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
