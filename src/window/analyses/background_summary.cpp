// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/background_summary.h"

#include <QMetaObject>
#include <algorithm>
#include <system_error>
#include <utility>

namespace tz9 {

BackgroundSummary::~BackgroundSummary() {
  Stop();
}

void BackgroundSummary::Stop() {
  cancel_.store(true);
  if (thread_.joinable()) thread_.join();
  running_ = false;
  ++generation_;  // a report already posted is now too old
}

void BackgroundSummary::Start(std::shared_ptr<const TableComputation> computation) {
  Stop();
  cancel_.store(false);
  const unsigned generation = generation_;
  const auto work = [this, computation, generation] {
    AnalysisControl control;
    control.cancel = &cancel_;
    // One core is left to the window, which draws and answers the user meanwhile.
    control.threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1);
    auto summary = std::make_shared<const TableSummary>(SummarizeTable(*computation, control));
    if (summary->status == SummaryStatus::Cancelled) return;
    // Queued to this object: dropped if it is gone before the window's thread gets to it.
    QMetaObject::invokeMethod(
        this,
        [this, computation, summary, generation] {
          if (generation != generation_) return;
          running_ = false;
          emit Finished(computation, summary);
        },
        Qt::QueuedConnection);
  };
  try {
    thread_ = std::thread(work);
    running_ = true;
  } catch (const std::system_error&) {
    // No thread to be had: the charts keep the answers of the rows they draw.
  }
}

}  // namespace tz9
