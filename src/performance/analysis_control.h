// SPDX-License-Identifier: GPL-3.0-or-later
// How a long analysis over the rows of a table is driven: progress reports, a way to stop it
// from another thread, and the rows shared between the cores. Each row's answer depends on
// that row alone, so the rows give the same answers whichever thread computes them, in any
// order, as a sequential run gives.
#pragma once

#include <atomic>
#include <functional>

namespace tz9 {

// What the caller of an analysis hands in to follow or stop it. Everything is optional.
struct AnalysisControl {
  // Called on the calling thread now and then (at most about a hundred times) with the share of
  // the rows done, 0..1; returning false stops the analysis.
  std::function<bool(double fractionDone)> progress;
  // Set to true from any thread to stop the analysis; read between rows and between the steps
  // of a row. Must outlive the call.
  const std::atomic<bool>* cancel = nullptr;
  // Threads to compute rows on: 0 for every core the machine has, 1 for the calling thread
  // alone (the same answers either way).
  int threads = 0;
};

// A control that hands one part of a longer run on: the part's progress maps to
// [start, start + share] of the whole. control must outlive the part.
AnalysisControl PartOf(const AnalysisControl& control, double start, double share);

// Seen by a row's work: whether it should give up early (its answers are then thrown away).
class StopSignal {
 public:
  StopSignal(const std::atomic<bool>& stopped, const std::atomic<bool>* cancel)
      : stopped_(stopped), cancel_(cancel) {}
  bool Requested() const {
    return stopped_.load(std::memory_order_relaxed) ||
           (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed));
  }

 private:
  const std::atomic<bool>& stopped_;
  const std::atomic<bool>* cancel_;
};

// Calls work(row, stop) once for every row in 0..rows-1, on the calling thread and, when
// `parallel` and the control allow, on more threads; each row goes to one thread only. Returns
// true when every row was done, false when the progress callback or the cancel flag stopped it
// (then some rows were never done).
bool ForEachRow(int rows, bool parallel, const AnalysisControl& control,
                const std::function<void(int row, const StopSignal& stop)>& work);

}  // namespace tz9
