// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/analysis_task.h"

#include <exception>
#include <new>
#include <system_error>
#include <utility>

namespace tz9 {

AnalysisTask::AnalysisTask(QObject* parent) : QObject(parent) {}

AnalysisTask::~AnalysisTask() {
  // The thread posts to this object until it ends: it must end while the object is whole.
  Stop();
}

void AnalysisTask::Stop() {
  if (cancel_) cancel_->store(true);
  if (thread_.joinable()) thread_.join();
  cancel_.reset();
  ++run_;  // whatever the stopped run posted is dropped when it arrives
  running_ = false;
}

void AnalysisTask::Cancel() {
  if (!running_) return;
  Stop();
  emit Cancelled();
}

void AnalysisTask::Start(Work work) {
  StartStaged([work = std::move(work)](const AnalysisControl& control, const Post&) {
    return work(control);
  });
}

void AnalysisTask::StartStaged(StagedWork work) {
  Stop();
  const unsigned long long run = run_;
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  // Everything below runs on the new thread and reaches this object only through posted calls,
  // which run here, on this object's thread, and only while the run is still the current one.
  auto body = [this, run, cancel, work = std::move(work)] {
    AnalysisControl control;
    control.cancel = cancel.get();
    control.progress = [this, run, cancel](double fractionDone) {
      const int percent = static_cast<int>(fractionDone * 100);
      QMetaObject::invokeMethod(
          this,
          [this, run, percent] {
            if (run == run_) emit Progress(percent);
          },
          Qt::QueuedConnection);
      return !cancel->load();
    };
    const Post post = [this, run](Delivery part) {
      auto shared = std::make_shared<const Delivery>(std::move(part));
      QMetaObject::invokeMethod(
          this,
          [this, run, shared] {
            if (run == run_ && *shared) (*shared)();
          },
          Qt::QueuedConnection);
    };
    try {
      auto delivery = std::make_shared<const Delivery>(work(control, post));
      QMetaObject::invokeMethod(
          this, [this, run, delivery] { Deliver(run, *delivery); }, Qt::QueuedConnection);
    } catch (const std::bad_alloc&) {
      QMetaObject::invokeMethod(
          this, [this, run] { Fail(run, QStringLiteral("not enough memory")); },
          Qt::QueuedConnection);
    } catch (const std::exception& e) {
      const QString reason = QString::fromUtf8(e.what());
      QMetaObject::invokeMethod(
          this, [this, run, reason] { Fail(run, reason); }, Qt::QueuedConnection);
    }
  };
  try {
    thread_ = std::thread(std::move(body));
  } catch (const std::system_error&) {
    emit Failed(QStringLiteral("no thread could be started for it"));
    return;
  }
  cancel_ = std::move(cancel);
  running_ = true;
  emit Started();
}

void AnalysisTask::Deliver(unsigned long long run, const Delivery& delivery) {
  if (run != run_) return;
  Stop();  // the thread has posted its last call and ends: this joins it at once
  if (delivery) delivery();
  emit Finished();
}

void AnalysisTask::Fail(unsigned long long run, const QString& reason) {
  if (run != run_) return;
  Stop();
  emit Failed(reason);
}

}  // namespace tz9
