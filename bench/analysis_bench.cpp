// SPDX-License-Identifier: GPL-3.0-or-later
// Analysis benchmarks: the performance summary (every altitude row scanned over every whole
// knot), the mission fuel (a scan per 100 lb burnt) and climb and turn (each knot's load factors
// up to the g limit), on computed tables of the generic fighter.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "loadout/loadout.h"
#include "performance/best_speeds.h"
#include "performance/climb_turn.h"
#include "performance/mission_fuel.h"
#include "performance/sweep.h"
#include "tables/result_grid.h"
#include "tables/table_layout.h"

namespace tz9 {
namespace {

AircraftRecord GenericFighter() {
  std::ifstream file(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat", std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  AircraftRecord record;
  NoAircraftDisplay display;
  LoadAircraftBytes(bytes.str(), record, display);
  return record;
}

// The generic fighter with two AIM120, one ECM pod and two tanks at its proposed weight, on the
// start-up table (n = 0) or on n speeds (150.. kt, 1 kt apart) by n altitudes (0.. ft, 50 ft
// apart).
std::shared_ptr<const TableComputation> Computed(int n) {
  const AircraftRecord record = GenericFighter();
  const StoreCountTexts counts = {"2", "0", "0", "0", "1", "2"};
  const LoadoutTexts loadout = ComputeLoadout(counts, "19000", "7000");
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  const std::vector<std::string> r = {
      "150", "1",  std::to_string(150 + n / 2),  "1",  std::to_string(150 + n - 1),
      "0",   "50", std::to_string(50 * (n / 2)), "50", std::to_string(50 * (n - 1))};
  if (n > 0)
    CreateTableLayout({r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9]}, msfg1, msfg2);
  const SweepInputs inputs{"19000", loadout.CompWeight, counts, DisplayMode::LbsPerNm};
  return ComputeTable(record, inputs, msfg1, msfg2).computation;
}

// The whole summary: n rows of about n knots each (n = 0: the start-up table, 11 x 701).
void BM_Summary(benchmark::State& state) {
  const auto computation = Computed(static_cast<int>(state.range(0)));
  AnalysisControl control;
  control.threads = static_cast<int>(state.range(1));
  long long points = 0;
  for (auto _ : state) {
    const TableSummary summary = SummarizeTable(*computation, control);
    points = summary.knotCount * static_cast<long long>(summary.rows.size());
    benchmark::DoNotOptimize(summary.rows.data());
  }
  state.counters["points"] = static_cast<double>(points);
  state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_Summary)
    ->Args({0, 0})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->ArgNames({"n", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Range, endurance and bingo for 150 NM at every row of the start-up table: 11,810 lb of fuel,
// 103 steps per row, each a scan of 701 knots, and the bingo walk.
void BM_MissionBingo150(benchmark::State& state) {
  const auto computation = Computed(0);
  MissionInputs inputs;
  inputs.bingoDistanceNm = 150;
  AnalysisControl control;
  control.threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const MissionReport report = ComputeMission(*computation, inputs, control);
    benchmark::DoNotOptimize(report.rows.data());
  }
}
BENCHMARK(BM_MissionBingo150)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Climb and turn at a g limit of 9: every row of the start-up table (n = 0, 11 x 701 knots) or
// of the 1,000 x 1,000 table.
void BM_ClimbTurn(benchmark::State& state) {
  const auto computation = Computed(static_cast<int>(state.range(0)));
  AnalysisControl control;
  control.threads = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const ClimbTurnReport report = ComputeClimbTurn(*computation, 9, control);
    benchmark::DoNotOptimize(report.rows.data());
  }
}
BENCHMARK(BM_ClimbTurn)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->ArgNames({"n", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The E-M scan of 20000 ft over the start-up table's 701 knots at a g limit of 9.
void BM_EmScan20000(benchmark::State& state) {
  const auto computation = Computed(0);
  AnalysisControl control;
  control.threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const EmScan scan = ScanEm(*computation, 20000, 9, control);
    benchmark::DoNotOptimize(scan.points.data());
  }
}
BENCHMARK(BM_EmScan20000)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tz9
