// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/analysis_control.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace tz9 {
namespace {

constexpr int kMaxProgressCalls = 100;

int ThreadsFor(int rows, bool parallel, const AnalysisControl& control) {
  if (!parallel) return 1;
  const int machine = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  const int wanted = control.threads > 0 ? control.threads : machine;
  return std::max(1, std::min(wanted, rows));
}

}  // namespace

AnalysisControl PartOf(const AnalysisControl& control, double start, double share) {
  AnalysisControl part = control;
  if (control.progress) {
    part.progress = [&control, start, share](double fractionDone) {
      return control.progress(start + share * fractionDone);
    };
  }
  return part;
}

bool ForEachRow(int rows, bool parallel, const AnalysisControl& control,
                const std::function<void(int row, const StopSignal& stop)>& work) {
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::atomic<bool> stopped{false};
  const StopSignal stop(stopped, control.cancel);
  // Rows are handed out one at a time, so a thread that drew quick rows takes more of them.
  const auto takeRows = [&](const std::function<void()>& afterRow) {
    while (!stop.Requested()) {
      const int row = next.fetch_add(1);
      if (row >= rows) return;
      work(row, stop);
      done.fetch_add(1);
      afterRow();
    }
  };
  int percentShown = 0;
  const auto report = [&] {
    if (!control.progress || rows == 0 || stop.Requested()) return;
    const int finished = done.load();
    const int percent =
        static_cast<int>(static_cast<long long>(finished) * kMaxProgressCalls / rows);
    if (percent <= percentShown) return;
    percentShown = percent;
    if (!control.progress(static_cast<double>(finished) / rows)) stopped.store(true);
  };

  std::vector<std::thread> helpers;
  for (int i = 1; i < ThreadsFor(rows, parallel, control); ++i) {
    try {
      helpers.emplace_back(takeRows, [] {});
    } catch (const std::system_error&) {
      break;  // no thread to give: the threads there are take every row
    }
  }
  takeRows(report);
  for (std::thread& helper : helpers)
    helper.join();
  report();
  return done.load() == rows;
}

}  // namespace tz9
