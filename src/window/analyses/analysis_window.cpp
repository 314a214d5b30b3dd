// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/analysis_window.h"

#include <QAction>
#include <QLabel>
#include <utility>

#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "widgets/staleness_text.h"
#include "workspace/workspace.h"

namespace tz9 {

AnalysisWindow::AnalysisWindow(Workspace& workspace, QWidget* parent, QAction* opener,
                               std::span<const TableColumn> columns, AnalysisEndWords endWords)
    : QWidget(parent, Qt::Window),
      workspace_(workspace),
      task_(new AnalysisTask(this)),
      columns_(columns),
      table_(MakeTextTable(0, columns)) {
  connect(opener, &QAction::triggered, this, &AnalysisWindow::Open);
  connect(&workspace, &Workspace::StalenessMayHaveChanged, this, &AnalysisWindow::RefreshState);
  connect(task_, &AnalysisTask::Cancelled, this,
          [this, note = std::move(endWords.cancelled)] { EndRun(note); });
  connect(task_, &AnalysisTask::Failed, this,
          [this, note = std::move(endWords.failed)](const QString& reason) {
            EndRun(note.arg(reason));
          });
}

AnalysisWindow::~AnalysisWindow() {
  // The view outlives the table it shows by a moment: part them first.
  if (view_ != nullptr) view_->setModel(nullptr);
}

void AnalysisWindow::Open() {
  show();
  raise();
  activateWindow();
}

bool AnalysisWindow::Running() const {
  return task_->Running();
}

ResultGridView* AnalysisWindow::AddTableView(const char* name) {
  model_ = new ResultGridModel(table_, this);
  view_ = new ResultGridView(this);
  view_->setObjectName(QString::fromLatin1(name));
  view_->SetGridModel(model_);
  return view_;
}

void AnalysisWindow::AddProgress(const char* barName, const char* cancelName,
                                 const QString& running) {
  progress = new AnalysisProgress(*task_, barName, cancelName, running, this);
}

void AnalysisWindow::Run(AnalysisTask::Work work) {
  task_->Start(std::move(work));
  RefreshState();
}

void AnalysisWindow::RunStaged(AnalysisTask::StagedWork work) {
  task_->StartStaged(std::move(work));
  RefreshState();
}

void AnalysisWindow::ShowPart(std::shared_ptr<const TableComputation> computation,
                              std::optional<ResultGrid> table) {
  shown_ = std::move(computation);
  model_->BeginGridChange();
  table_ = table ? std::move(*table) : MakeTextTable(0, columns_);
  model_->EndGridChange();
  RefreshState();
  emit TableShown();
}

void AnalysisWindow::ShowRun(std::shared_ptr<const TableComputation> computation,
                             std::optional<ResultGrid> table) {
  ShowPart(std::move(computation), std::move(table));
  emit RunEnded();
}

void AnalysisWindow::EndRun(const QString& note) {
  note_ = note;
  RefreshState();
  emit RunEnded();
}

void AnalysisWindow::ShowStateLines(QLabel* label, QStringList lines) const {
  if (!note_.isEmpty()) lines << note_;
  if (shown_) {
    const QString outOfDate = OutOfDateText(workspace_.CurrentStaleness(), StaleSubject::Analysis,
                                            shown_ != workspace_.computation());
    if (!outOfDate.isEmpty()) lines << outOfDate;
  }
  label->setText(lines.join(QLatin1Char('\n')));
  label->setVisible(!lines.isEmpty());
}

}  // namespace tz9
