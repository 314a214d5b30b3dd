// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/background_summary.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "analyses/analysis_task.h"

namespace tz9 {

BackgroundSummary::BackgroundSummary(QObject* parent)
    : QObject(parent), task_(new AnalysisTask(this)) {
  connect(task_, &AnalysisTask::Failed, this, &BackgroundSummary::Failed);
}

void BackgroundSummary::Stop() {
  task_->Cancel();
}

bool BackgroundSummary::Running() const {
  return task_->Running();
}

void BackgroundSummary::Start(std::shared_ptr<const TableComputation> computation) {
  task_->Start([this, computation = std::move(computation)](
                   const AnalysisControl& given) -> AnalysisTask::Delivery {
    AnalysisControl control = given;
    // One core is left to the window, which draws and answers the user meanwhile.
    control.threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1);
    auto summary = std::make_shared<const TableSummary>(SummarizeTable(*computation, control));
    if (summary->status == SummaryStatus::Cancelled) return {};
    return [this, computation, summary] { emit Finished(computation, summary); };
  });
}

}  // namespace tz9
