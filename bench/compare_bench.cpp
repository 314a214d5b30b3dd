// SPDX-License-Identifier: GPL-3.0-or-later
// Comparison benchmarks: two computations of the generic fighter side by side (two tanks against
// three at one weight), row by row and cell by cell, in the core and through tz9perf-table.
#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "loadout/loadout.h"
#include "performance/comparison.h"
#include "performance/sweep.h"
#include "tables/result_grid.h"
#include "tables/table_layout.h"
#include "tool/compare_output.h"
#include "tool/table_tool.h"
#include "tool/tool_options.h"

namespace tz9 {
namespace {

const std::string kAircraftPath = std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";

// Throws away what is written, as a terminal that keeps up would.
class NullBuffer final : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

AircraftRecord GenericFighter() {
  AircraftRecord record;
  ResetAircraftRecord(record);
  NoAircraftDisplay display;
  LoadAircraftFile(kAircraftPath, record, display);
  return record;
}

// The generic fighter at 36,000 lb with this many tanks, on the start-up table (n = 0) or on n
// speeds (150.. kt, 1 kt apart) by n altitudes (0.. ft, 50 ft apart).
std::shared_ptr<const TableComputation> Computed(int n, const char* tanks) {
  const StoreCountTexts counts = {"0", "0", "0", "0", "0", tanks};
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  const std::vector<std::string> r = {
      "150", "1",  std::to_string(150 + n / 2),  "1",  std::to_string(150 + n - 1),
      "0",   "50", std::to_string(50 * (n / 2)), "50", std::to_string(50 * (n - 1))};
  if (n > 0)
    CreateTableLayout({r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9]}, msfg1, msfg2);
  const SweepInputs inputs{"19000", "36000", counts, DisplayMode::LbsPerNm};
  return ComputeTable(GenericFighter(), inputs, msfg1, msfg2).computation;
}

// The core's row comparison: both summaries (every row scanned over every whole knot) and the
// rows side by side.
void BM_CompareRows(benchmark::State& state) {
  const auto current = Computed(static_cast<int>(state.range(0)), "2");
  const auto baseline = Computed(static_cast<int>(state.range(0)), "3");
  for (auto _ : state) {
    const RowComparison rows = CompareRows(*current, *baseline);
    benchmark::DoNotOptimize(rows.rows.data());
  }
}
BENCHMARK(BM_CompareRows)->Arg(0)->ArgName("n")->Unit(benchmark::kMillisecond)->UseRealTime();

// The core's cell difference of two computed tables: what the compare window and
// --compare-cells add to the two sweeps.
void BM_CompareCells(benchmark::State& state) {
  const auto current = Computed(static_cast<int>(state.range(0)), "2");
  const auto baseline = Computed(static_cast<int>(state.range(0)), "3");
  AnalysisControl control;
  control.threads = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const CellComparison cells = CompareCells(*current, *baseline, control);
    benchmark::DoNotOptimize(cells.cells.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(current->cells.size()));
}
BENCHMARK(BM_CompareCells)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->ArgNames({"n", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The difference and its CSV, a line per cell.
void BM_CompareCellsCsv(benchmark::State& state) {
  const auto current = Computed(static_cast<int>(state.range(0)), "2");
  const auto baseline = Computed(static_cast<int>(state.range(0)), "3");
  ToolOptions options;
  options.compareCells = true;
  NullBuffer discard;
  std::ostream out(&discard);
  std::ostringstream err;
  for (auto _ : state) {
    ComparisonOutput output;
    MakeComparison(options, *current, *baseline, output, err);
    PrintComparisonCsv(*current, output, out);
  }
}
BENCHMARK(BM_CompareCellsCsv)
    ->Arg(1000)
    ->ArgName("n")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The whole of tz9perf-table: load, lay out, both sweeps, the comparison and its CSV. Arguments:
// the table (0: start-up, else n by n), then 0 for --compare, 1 for --compare-cells.
void BM_Tool(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  ToolOptions options;
  options.aircraftPath = kAircraftPath;
  options.storeCounts = {"0", "0", "0", "0", "0", "2"};
  options.weightLb = "36000";
  options.format = OutputFormat::Csv;
  if (n > 0) {
    options.speedRange = {"150", "1", std::to_string(150 + n / 2), "1", std::to_string(149 + n)};
    options.altitudeRange = {"0", "50", std::to_string(50 * (n / 2)), "50",
                             std::to_string(50 * (n - 1))};
  }
  (state.range(1) == 0 ? options.compare : options.compareCells) = true;
  options.baselineStoreCounts[5] = std::string("3");
  NullBuffer discard;
  std::ostream out(&discard);
  std::ostringstream err;
  for (auto _ : state) {
    if (RunTableTool(options, false, out, err) != kExitDone) state.SkipWithError(err.str().c_str());
  }
}
BENCHMARK(BM_Tool)
    ->Args({0, 0})
    ->Args({1000, 1})
    ->ArgNames({"n", "run"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The two sweeps alone, for what the comparison adds to them.
void BM_TwoSweeps(benchmark::State& state) {
  for (auto _ : state) {
    const auto current = Computed(static_cast<int>(state.range(0)), "2");
    const auto baseline = Computed(static_cast<int>(state.range(0)), "3");
    benchmark::DoNotOptimize(baseline->cells.data());
  }
}
BENCHMARK(BM_TwoSweeps)->Arg(1000)->ArgName("n")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tz9
