// SPDX-License-Identifier: GPL-3.0-or-later
// AnalysisTask: runs one long analysis of the core at a time on a thread of its own, so that
// the window keeps answering; it reports progress, can be cancelled, and hands the result back
// on the window's thread. A run that a newer one or a cancel replaced is dropped unseen.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "performance/analysis_control.h"

namespace tz9 {

class AnalysisTask final : public QObject {
  Q_OBJECT

 public:
  explicit AnalysisTask(QObject* parent);
  // Stops a run still going and waits for its thread (the core stops between steps, at once).
  ~AnalysisTask() override;

  // What to do with a finished run's result, on this object's thread.
  using Delivery = std::function<void()>;
  // The work of a run, on the task's thread: it hands `control` to the core and must not touch
  // any widget; everything it reads it owns (copies, shared pointers to const data).
  using Work = std::function<Delivery(const AnalysisControl& control)>;
  // Hands a first part of the result to this object's thread while the run goes on: the
  // delivery runs there unless the run was stopped or replaced before it arrives.
  using Post = std::function<void(Delivery part)>;
  // Work that shows its result in parts: each part through post, the last as it returns.
  using StagedWork = std::function<Delivery(const AnalysisControl& control, const Post& post)>;

  // Starts work, after stopping any run still going (its result is dropped).
  void Start(Work work);
  void StartStaged(StagedWork work);
  // Stops the run going, if any, and emits Cancelled.
  void Cancel();
  bool Running() const { return running_; }

 signals:
  void Started();
  void Progress(int percentDone);
  void Finished();  // the delivery has run
  void Cancelled();
  void Failed(const QString& reason);  // the work threw (for example, out of memory)

 private:
  void Stop();
  void Deliver(unsigned long long run, const Delivery& delivery);
  void Fail(unsigned long long run, const QString& reason);

  std::thread thread_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  unsigned long long run_ = 0;  // counts the runs started; only this thread touches it
  bool running_ = false;
};

}  // namespace tz9
