// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the analyses in the window (offscreen): the best-speed marks taken on at a
// million cells, the Performance Summary of a 1,000 x 1,000 table from the menu to the table
// shown, and how the window answers while a thousand-row mission burns and when it is cancelled.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "analyses/analysis_view_support.h"
#include "analyses/climb_turn_window.h"
#include "analyses/compare_window.h"
#include "analyses/mission_window.h"
#include "analyses/summary_window.h"
#include "shell/form1.h"
#include "window_bench_support.h"

namespace {

// 23 speeds (the start-up ones) by 1000 altitudes.
constexpr const char* kThousandAltitudes[][2] = {{"txtAlMi", "0"},
                                                 {"txtAlS1", "40"},
                                                 {"txtAlSt", "39960"},
                                                 {"txtAlS2", "40"},
                                                 {"txtAlMa", "39960"}};

// The generic fighter with two AIM120, one ECM pod and two tanks, the table laid out and
// computed at the proposed weight.
template <size_t N>
std::unique_ptr<tz9::Form1> ComputedWindow(const char* const (&ranges)[N][2]) {
  auto form = tz9::bench::GenericFighterWithTanks();
  tz9::bench::SetField(*form, "txtMisAA", "2");
  tz9::bench::SetField(*form, "txtEcm", "1");
  tz9::bench::LayOutAndCompute(*form, ranges);
  return form;
}

// What the marks add to a Compute Table on the window's thread: finding each row's best cells
// of a million, then the views repainted.
void BM_MarksTaken_1M(benchmark::State& state) {
  const auto form = ComputedWindow(tz9::bench::kMillionCells);
  for (auto _ : state) {
    emit form->workspace().ComputationChanged();
    form->repaint();
  }
}
BENCHMARK(BM_MarksTaken_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

// The summary of a 1,000 x 1,000 table in the Performance Summary window, from its Compute
// button until the table is shown.
void BM_SummaryShown_1000x1000(benchmark::State& state) {
  const auto form = ComputedWindow(tz9::bench::kMillionCells);
  tz9::SummaryWindow* summary = form->findChild<tz9::SummaryWindow*>();
  summary->Open();
  for (auto _ : state) {
    summary->cmdSummaryCompute->click();
    while (summary->Running())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    summary->repaint();
  }
  if (summary->table().Rows() != 1001) state.SkipWithError("no summary shown");
}
BENCHMARK(BM_SummaryShown_1000x1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Waits until window's run has ended.
void WaitForRun(const tz9::AnalysisWindow& window) {
  while (window.Running())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A 1,000 x 1,000 table against a baseline of the same axes with one tank more, in the Compare
// window: from its Compare button until the best speeds and the difference grid are shown
// (first_part_ms), then until range and endurance on the fuel on board are too (the time).
void BM_CompareShown_1000x1000(benchmark::State& state) {
  const auto form = ComputedWindow(tz9::bench::kMillionCells);
  tz9::bench::SetField(*form, "txtFuelTank", "3");
  form->cmdCompute_Click();
  form->workspace().PinBaseline();
  tz9::bench::SetField(*form, "txtFuelTank", "2");
  form->cmdCompute_Click();
  tz9::CompareWindow* compare = form->findChild<tz9::CompareWindow*>();
  compare->Open();
  WaitForRun(*compare);
  QElapsedTimer clock;
  double firstPartMs = 0;
  QObject::connect(compare, &tz9::AnalysisWindow::TableShown, [&] {
    if (firstPartMs == 0) firstPartMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  });
  double firstParts = 0;
  for (auto _ : state) {
    firstPartMs = 0;
    clock.start();
    compare->cmdCompare->click();
    WaitForRun(*compare);
    compare->repaint();
    firstParts += firstPartMs;
  }
  state.counters["first_part_ms"] = firstParts / static_cast<double>(state.iterations());
  if (compare->differences().Rows() != 1001) state.SkipWithError("no difference grid shown");
}
BENCHMARK(BM_CompareShown_1000x1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Climb and turn at a 9 g limit over the start-up table, from the window's button until the
// table and its first E-M diagram are shown.
void BM_ClimbTurnShown_StartupTable(benchmark::State& state) {
  auto form = tz9::bench::GenericFighterWithTanks();
  form->cmdCompute_Click();
  form->findChild<QAction*>(QStringLiteral("mnuViewClimbTurn"))->trigger();
  tz9::ClimbTurnWindow* climb = form->findChild<tz9::ClimbTurnWindow*>();
  for (auto _ : state) {
    climb->cmdClimbTurn_Click();
    WaitForRun(*climb);
    climb->repaint();
  }
  if (climb->table().Rows() < 2) state.SkipWithError("no climb table shown");
}
BENCHMARK(BM_ClimbTurnShown_StartupTable)->Unit(benchmark::kMillisecond)->UseRealTime();

// A mission with bingo over 1,000 altitudes burns for a while: the longest the window's event
// loop waited between two 5 ms ticks in its first second, then how long Cancel held the window.
void BM_MissionWindowAnswers_1000Rows(benchmark::State& state) {
  const auto form = ComputedWindow(kThousandAltitudes);
  tz9::MissionWindow* mission = form->findChild<tz9::MissionWindow*>();
  mission->Open();
  mission->txtBingoDistance->setText(QStringLiteral("150"));
  double longestGapMs = 0;
  double cancelMs = 0;
  for (auto _ : state) {
    mission->cmdMission_Click();
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      longest = std::max(longest, clock.elapsed() - lastTick);
      lastTick = clock.elapsed();
    });
    ticker.start(5);
    while (clock.elapsed() < 1000)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QElapsedTimer cancelClock;
    cancelClock.start();
    QTest::mouseClick(mission->progress->cancel(), Qt::LeftButton);
    cancelMs = std::max(cancelMs, static_cast<double>(cancelClock.nsecsElapsed()) / 1e6);
    longestGapMs = std::max(longestGapMs, static_cast<double>(longest));
  }
  state.counters["longest_gap_ms"] = longestGapMs;
  state.counters["cancel_ms"] = cancelMs;
}
BENCHMARK(BM_MissionWindowAnswers_1000Rows)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  return tz9::bench::RunWindowBenchmarks(argc, argv);
}
