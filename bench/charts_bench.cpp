// SPDX-License-Identifier: GPL-3.0-or-later
// Charts window benchmarks on a computed table of 1,000 speeds by 1,000 altitudes (the generic
// fighter with two tanks, offscreen): the window opened and painted; every row scanned for the
// envelope's band limits behind it; the speed axis switched to Mach.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>

#include "analyses/charts_window.h"
#include "shell/form1.h"
#include "window_bench_support.h"

namespace {

std::unique_ptr<tz9::Form1> ComputedMillionCells() {
  auto form = tz9::bench::GenericFighterWithTanks();
  tz9::bench::LayOutAndCompute(*form, tz9::bench::kMillionCells);
  QCoreApplication::processEvents();
  return form;
}

// Shown and painted: what the user waits for after View > Charts.
std::unique_ptr<tz9::frmCharts> OpenCharts(tz9::Form1& form) {
  auto charts = std::make_unique<tz9::frmCharts>(form.workspace(), &form);
  charts->show();
  QCoreApplication::processEvents();
  charts->repaint();
  return charts;
}

void WaitForEveryRow(const tz9::frmCharts& charts) {
  while (!charts.EnvelopeFromEveryRow())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  QCoreApplication::processEvents();
}

void BM_ChartsOpen_1M(benchmark::State& state) {
  const auto form = ComputedMillionCells();
  for (auto _ : state) {
    const auto charts = OpenCharts(*form);
    state.PauseTiming();
    WaitForEveryRow(*charts);  // not left running into the next opening
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ChartsOpen_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartsEveryRowScanned_1M(benchmark::State& state) {
  const auto form = ComputedMillionCells();
  for (auto _ : state) {
    const auto charts = OpenCharts(*form);
    WaitForEveryRow(*charts);
    charts->repaint();
  }
}
BENCHMARK(BM_ChartsEveryRowScanned_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartsSpeedAxisMach_1M(benchmark::State& state) {
  const auto form = ComputedMillionCells();
  const auto charts = OpenCharts(*form);
  WaitForEveryRow(*charts);
  charts->tabCharts->setCurrentIndex(2);
  bool mach = false;
  for (auto _ : state) {
    mach = !mach;
    (mach ? charts->optSpeedMach : charts->optSpeedCas)->setChecked(true);
    charts->repaint();
  }
}
BENCHMARK(BM_ChartsSpeedAxisMach_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return tz9::bench::RunWindowBenchmarks(argc, argv);
}
