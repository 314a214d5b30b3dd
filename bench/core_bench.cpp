// SPDX-License-Identifier: GPL-3.0-or-later
// Core benchmarks: reading aircraft files, one level-flight evaluation (the straightforward
// whole-curve version and the shipped one), whole sweeps into two in-memory grids, and the
// CSV of a computed table.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "common/number_text.h"
#include "loadout/loadout.h"
#include "performance/atmosphere.h"
#include "performance/level_flight.h"
#include "performance/sweep.h"
#include "synthetic_aircraft.h"
#include "tables/csv_export.h"
#include "tables/result_grid.h"
#include "tables/table_layout.h"

namespace tz9 {
namespace {

std::string ReadExample(const char* name) {
  std::ifstream file(std::string(TZ9_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

AircraftRecord Loaded(const std::string& bytes) {
  AircraftRecord record;
  NoAircraftDisplay display;
  LoadAircraftBytes(bytes, record, display);
  return record;
}

void BM_LoadGenericFighter(benchmark::State& state) {
  const std::string path = std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";
  for (auto _ : state) {
    AircraftRecord record;
    NoAircraftDisplay display;
    benchmark::DoNotOptimize(LoadAircraftFile(path, record, display));
  }
}
BENCHMARK(BM_LoadGenericFighter)->Unit(benchmark::kMicrosecond);

void BM_LoadFullSizeFile(benchmark::State& state) {
  const std::string bytes = bench::FullSizeAircraftFile();
  for (auto _ : state) {
    AircraftRecord record;
    NoAircraftDisplay display;
    benchmark::DoNotOptimize(LoadAircraftBytes(bytes, record, display));
  }
}
BENCHMARK(BM_LoadFullSizeFile)->Unit(benchmark::kMicrosecond);

struct Cell {
  double cas;
  float altitude;
};

// The cells of the start-up table: 23 speeds by 11 altitudes.
std::vector<Cell> StartupCells() {
  const double speeds[] = {150, 200, 250, 280, 310, 340, 370, 400, 430, 460, 490, 520,
                           550, 580, 610, 640, 670, 700, 730, 760, 790, 820, 850};
  const float altitudes[] = {0, 500, 1000, 5000, 10000, 15000, 20000, 25000, 30000, 35000, 40000};
  std::vector<Cell> cells;
  for (double s : speeds) {
    for (float a : altitudes)
      cells.push_back({s, a});
  }
  return cells;
}

template <LevelFlightPoint (*Evaluate)(const AircraftRecord&, double, const StoreCounts&, double,
                                       float)>
void EvaluatePerCell(benchmark::State& state, const std::string& bytes) {
  const AircraftRecord record = Loaded(bytes);
  const std::vector<Cell> cells = StartupCells();
  const StoreCounts counts = {2, 0, 0, 0, 1, 2};
  for (auto _ : state) {
    for (const Cell& cell : cells) {
      benchmark::DoNotOptimize(Evaluate(record, 26000, counts, cell.cas, cell.altitude));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(cells.size()));
}

void BM_EvaluateReference_GenericFighter(benchmark::State& state) {
  EvaluatePerCell<EvaluateLevelFlightReference>(state, ReadExample("generic-fighter.dat"));
}
void BM_EvaluateShipped_GenericFighter(benchmark::State& state) {
  EvaluatePerCell<EvaluateLevelFlight>(state, ReadExample("generic-fighter.dat"));
}
void BM_EvaluateReference_FullSize(benchmark::State& state) {
  EvaluatePerCell<EvaluateLevelFlightReference>(state, bench::FullSizeAircraftFile());
}
void BM_EvaluateShipped_FullSize(benchmark::State& state) {
  EvaluatePerCell<EvaluateLevelFlight>(state, bench::FullSizeAircraftFile());
}
// As a sweep evaluates: the altitude terms and thrust cuts once per row, the speed terms once per
// column and the aerodynamic row facts once (made here beforehand), then one evaluation per cell.
void EvaluateSweepStyle(benchmark::State& state, const std::string& bytes) {
  const AircraftRecord record = Loaded(bytes);
  const std::vector<Cell> cells = StartupCells();
  const StoreCounts counts = {2, 0, 0, 0, 1, 2};
  const LevelFlightModel model(record);
  std::vector<SpeedTerms> speeds;
  std::vector<AltitudeRow> rows;
  for (const Cell& cell : cells) {
    speeds.push_back(ComputeSpeedTerms(cell.cas));
    rows.push_back(model.PrepareRow(cell.altitude));
  }
  for (auto _ : state) {
    for (size_t i = 0; i < cells.size(); ++i) {
      benchmark::DoNotOptimize(model.Evaluate(26000, counts, speeds[i], rows[i]));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(cells.size()));
}
void BM_EvaluateSweepStyle_GenericFighter(benchmark::State& state) {
  EvaluateSweepStyle(state, ReadExample("generic-fighter.dat"));
}
void BM_EvaluateSweepStyle_FullSize(benchmark::State& state) {
  EvaluateSweepStyle(state, bench::FullSizeAircraftFile());
}
BENCHMARK(BM_EvaluateSweepStyle_GenericFighter);
BENCHMARK(BM_EvaluateSweepStyle_FullSize);
BENCHMARK(BM_EvaluateReference_GenericFighter);
BENCHMARK(BM_EvaluateShipped_GenericFighter);
BENCHMARK(BM_EvaluateReference_FullSize);
BENCHMARK(BM_EvaluateShipped_FullSize);

// Ranges giving about the asked number of data cells: n speeds by n altitudes.
RangeTexts SquareRanges(int n, std::vector<std::string>& storage) {
  storage = {"150", "1",  std::to_string(150 + n / 2),  "1",  std::to_string(150 + n - 1),
             "0",   "50", std::to_string(50 * (n / 2)), "50", std::to_string(50 * (n - 1))};
  return RangeTexts{storage[0], storage[1], storage[2], storage[3], storage[4],
                    storage[5], storage[6], storage[7], storage[8], storage[9]};
}

// "Create Table" and "Compute Table" into two grids: n x n data cells (n = 0: start-up table).
void BM_CoreSweep(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const AircraftRecord record = Loaded(ReadExample("generic-fighter.dat"));
  const StoreCountTexts counts = {"2", "0", "0", "0", "1", "2"};
  const LoadoutTexts loadout = ComputeLoadout(counts, "19000", "7000");
  std::vector<std::string> storage;
  const RangeTexts ranges = SquareRanges(n, storage);
  long long cells = 0;
  for (auto _ : state) {
    ResultGrid msfg1, msfg2;
    ApplyStartupLayout(msfg1, msfg2);
    if (n > 0) CreateTableLayout(ranges, msfg1, msfg2);
    SweepInputs inputs{"19000", loadout.CompWeight, counts, DisplayMode::LbsPerNm};
    cells = ComputeTable(record, inputs, msfg1, msfg2).totals.cellsWritten;
  }
  state.counters["cells"] = static_cast<double>(cells);
  state.SetItemsProcessed(state.iterations() * cells);
}
BENCHMARK(BM_CoreSweep)->Arg(0)->Arg(316)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The CSV lines of a computed n x n table, into memory (as the window's export writes them).
void BM_CsvExport(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const AircraftRecord record = Loaded(ReadExample("generic-fighter.dat"));
  const StoreCountTexts counts = {"2", "0", "0", "0", "1", "2"};
  const LoadoutTexts loadout = ComputeLoadout(counts, "19000", "7000");
  std::vector<std::string> storage;
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  CreateTableLayout(SquareRanges(n, storage), msfg1, msfg2);
  const SweepInputs inputs{"19000", loadout.CompWeight, counts, DisplayMode::LbsPerNm};
  const long long cells = ComputeTable(record, inputs, msfg1, msfg2).totals.cellsWritten;
  size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out;
    WriteCsvLines(msfg1, msfg2, out);
    bytes = out.str().size();
  }
  state.counters["cells"] = static_cast<double>(cells);
  state.SetBytesProcessed(static_cast<long long>(state.iterations() * bytes));
}
BENCHMARK(BM_CsvExport)->Arg(316)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tz9
