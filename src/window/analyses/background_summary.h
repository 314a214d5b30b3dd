// SPDX-License-Identifier: GPL-3.0-or-later
// The best-speed summary of a computed table, made on a thread of its own so that the window
// stays responsive on a table of a million cells; the answer comes back on the window's thread.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

#include "performance/best_speeds.h"
#include "performance/table_computation.h"

namespace tz9 {

class BackgroundSummary final : public QObject {
  Q_OBJECT

 public:
  explicit BackgroundSummary(QObject* parent) : QObject(parent) {}
  ~BackgroundSummary() override;

  // Stops any summary under way and starts one of `computation`. Only the last one started
  // reports.
  void Start(std::shared_ptr<const TableComputation> computation);
  // Stops the summary under way, if any, and waits for its thread; nothing is reported.
  void Stop();
  bool Running() const { return running_; }

 signals:
  // A summary finished (Done, or refused for a speed span too wide to scan).
  void Finished(std::shared_ptr<const TableComputation> computation,
                std::shared_ptr<const TableSummary> summary);

 private:
  std::thread thread_;
  std::atomic<bool> cancel_{false};
  unsigned generation_ = 0;  // of the summary last started; read on the window's thread only
  bool running_ = false;
};

}  // namespace tz9
