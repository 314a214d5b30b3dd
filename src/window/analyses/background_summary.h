// SPDX-License-Identifier: GPL-3.0-or-later
// The best-speed summary of a computed table, made on a thread of its own so that the window
// stays responsive on a table of a million cells; the answer comes back on the window's thread.
// It runs as every analysis of the window runs, through an AnalysisTask: a failure (out of
// memory) is told, never the end of the program.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "performance/best_speeds.h"
#include "performance/table_computation.h"

namespace tz9 {

class AnalysisTask;

class BackgroundSummary final : public QObject {
  Q_OBJECT

 public:
  explicit BackgroundSummary(QObject* parent);

  // Stops any summary under way and starts one of `computation`. Only the last one started
  // reports.
  void Start(std::shared_ptr<const TableComputation> computation);
  // Stops the summary under way, if any, and waits for its thread; nothing is reported.
  void Stop();
  bool Running() const;

 signals:
  // A summary finished (Done, or refused for a speed span too wide to scan).
  void Finished(std::shared_ptr<const TableComputation> computation,
                std::shared_ptr<const TableSummary> summary);
  // It could not be made: the reason in words ("not enough memory").
  void Failed(const QString& reason);

 private:
  AnalysisTask* task_;
};

}  // namespace tz9
