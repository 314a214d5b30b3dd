// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export Report of the million-cell table in the real Form1 (offscreen): how long the
// window is held when the command starts (the grids copied), how long until the progress bar
// first moves, the longest the window then goes without answering (the gap between the ticks of
// a 5 ms timer), and the time to the last page, of the whole report and of its summary pages.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "output/export_commands.h"
#include "output/export_dialogs.h"
#include "shell/form1.h"
#include "window_bench_support.h"

namespace {

using tz9::bench::GenericFighterWithTanks;
using tz9::bench::kMillionCells;
using tz9::bench::LayOutAndCompute;

// The save dialog answers with path, the question before a long report with scope.
class AnsweredDialogs final : public tz9::ExportDialogs {
 public:
  AnsweredDialogs(std::string path, tz9::ReportScope scope)
      : path_(std::move(path)), scope_(scope) {}
  std::optional<std::string> ChooseSavePath(tz9::ExportKind, const QString&) override {
    return path_;
  }
  bool SetUpPrinter(QPrinter&) override { return false; }
  std::optional<tz9::ReportScope> ChooseReportScope(int, int) override { return scope_; }

 private:
  std::string path_;
  tz9::ReportScope scope_;
};

// The longest gap between the ticks of a fast timer while it runs: how long the window's thread
// was busy at a stretch.
class Responsiveness {
 public:
  Responsiveness() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout,
                     [this] { longest_ = std::max(longest_, clock_.restart()); });
    clock_.start();
    timer_.start();
  }
  double LongestGapMs() const { return static_cast<double>(longest_); }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 longest_ = 0;
};

// Runs the window's event loop, asleep between events, until done says so.
void WaitUntil(const std::function<bool()>& done) {
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(2);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done()) loop.quit();
  });
  poll.start();
  if (!done()) loop.exec();
}

// Until the progress bar first moves; then Cancel, untimed.
void BM_WindowReportFirstProgress_1M(benchmark::State& state) {
  const auto form = GenericFighterWithTanks();
  LayOutAndCompute(*form, kMillionCells);
  const QTemporaryDir folder;
  tz9::ExportCommands& exports = *form->exports();
  exports.SetDialogs(std::make_unique<AnsweredDialogs>(
      QFile::encodeName(folder.filePath(QStringLiteral("report.pdf"))).toStdString(),
      tz9::ReportScope::Whole));
  double startMs = 0;
  double gapMs = 0;
  for (auto _ : state) {
    QElapsedTimer start;
    start.start();
    exports.mnuFileReport->trigger();
    startMs = static_cast<double>(start.elapsed());
    const Responsiveness ticks;
    WaitUntil([&] { return exports.prgReport->value() > 0; });
    gapMs = ticks.LongestGapMs();
    state.PauseTiming();
    QTest::mouseClick(exports.cmdReportCancel, Qt::LeftButton);
    state.ResumeTiming();
  }
  state.counters["held_at_start_ms"] = startMs;
  state.counters["longest_gap_ms"] = gapMs;
}
BENCHMARK(BM_WindowReportFirstProgress_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the command to the last page written.
void ReportToTheEnd(benchmark::State& state, tz9::ReportScope scope) {
  const auto form = GenericFighterWithTanks();
  LayOutAndCompute(*form, kMillionCells);
  const QTemporaryDir folder;
  tz9::ExportCommands& exports = *form->exports();
  exports.SetDialogs(std::make_unique<AnsweredDialogs>(
      QFile::encodeName(folder.filePath(QStringLiteral("report.pdf"))).toStdString(), scope));
  double startMs = 0;
  double gapMs = 0;
  for (auto _ : state) {
    QElapsedTimer start;
    start.start();
    exports.mnuFileReport->trigger();
    startMs = static_cast<double>(start.elapsed());
    const Responsiveness ticks;
    WaitUntil([&] { return !exports.ReportRunning(); });
    gapMs = ticks.LongestGapMs();
  }
  state.counters["held_at_start_ms"] = startMs;
  state.counters["longest_gap_ms"] = gapMs;
  state.counters["file_MB"] =
      static_cast<double>(QFile(folder.filePath(QStringLiteral("report.pdf"))).size()) / 1e6;
}

void BM_WindowReportSummaryPages_1M(benchmark::State& state) {
  ReportToTheEnd(state, tz9::ReportScope::SummaryPages);
}
BENCHMARK(BM_WindowReportSummaryPages_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowReportWhole_1M(benchmark::State& state) {
  ReportToTheEnd(state, tz9::ReportScope::Whole);
}
BENCHMARK(BM_WindowReportWhole_1M)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return tz9::bench::RunWindowBenchmarks(argc, argv);
}
