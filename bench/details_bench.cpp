// SPDX-License-Identifier: GPL-3.0-or-later
// Cell details benchmarks: one cell's details from a computation, a data cell's tooltip and the
// panel following the current cell, in the real Form1 (offscreen) with a million computed cells.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>

#include "aircraft/aircraft_reader.h"
#include "analyses/cell_details_dock.h"
#include "grids/result_grid_view.h"
#include "performance/cell_details.h"
#include "performance/sweep.h"
#include "shell/form1.h"
#include "tables/table_layout.h"
#include "window_bench_support.h"

namespace {

const std::string kGenericFighter = std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";

// The core alone: the start-up table of the generic fighter, the details of one cell.
void BM_DetailComputationCell(benchmark::State& state) {
  tz9::AircraftRecord aircraft;
  tz9::ResetAircraftRecord(aircraft);
  tz9::NoAircraftDisplay display;
  tz9::LoadAircraftFile(kGenericFighter, aircraft, display);
  tz9::ResultGrid msfg1, msfg2;
  tz9::ApplyStartupLayout(msfg1, msfg2);
  const tz9::SweepInputs inputs{"19000", "30000", {"2", "0", "0", "0", "1", "2"}, {}};
  const auto computation = tz9::ComputeTable(aircraft, inputs, msfg1, msfg2).computation;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tz9::DetailComputationCell(*computation, 6, 12));
  }
}
BENCHMARK(BM_DetailComputationCell)->Unit(benchmark::kMicrosecond);

// 1000 speeds by 1000 altitudes of the generic fighter with two tanks, computed.
std::unique_ptr<tz9::Form1> MillionCellWindow() {
  auto form = tz9::bench::GenericFighterWithTanks();
  tz9::bench::LayOutAndCompute(*form, tz9::bench::kMillionCells);
  QCoreApplication::processEvents();
  return form;
}

// What a view asks when the pointer rests on a cell.
void BM_CellToolTip_1M(benchmark::State& state) {
  const auto form = MillionCellWindow();
  const QAbstractItemModel* model = form->MSFG1->model();
  int col = 0;
  for (auto _ : state) {
    col = (col + 37) % model->columnCount();
    benchmark::DoNotOptimize(model->index(500, col).data(Qt::ToolTipRole));
  }
}
BENCHMARK(BM_CellToolTip_1M)->Unit(benchmark::kMicrosecond);

// The current cell moving one step, as an arrow key moves it, with the panel closed (0) and
// open (1).
void BM_CurrentCellMoves_1M(benchmark::State& state) {
  const auto form = MillionCellWindow();
  form->findChild<tz9::CellDetailsDock*>()->setVisible(state.range(0) == 1);
  const QAbstractItemModel* model = form->MSFG1->model();
  int col = 0;
  for (auto _ : state) {
    col = (col + 1) % model->columnCount();
    form->MSFG1->setCurrentIndex(model->index(500, col));
  }
}
BENCHMARK(BM_CurrentCellMoves_1M)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return tz9::bench::RunWindowBenchmarks(argc, argv);
}
