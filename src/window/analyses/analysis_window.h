// SPDX-License-Identifier: GPL-3.0-or-later
// AnalysisWindow: what the windows that analyse the last computation off the window's thread
// (the performance summary, the mission fuel) have in common: the run and its end, the table they
// show, and the lines saying how the last run ended and what the table no longer matches.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <span>

#include "analyses/analysis_task.h"
#include "analyses/analysis_view_support.h"
#include "performance/table_computation.h"
#include "tables/result_grid.h"

class QAction;
class QLabel;

namespace tz9 {

class ResultGridModel;
class ResultGridView;
class Workspace;

// A window's own words for the runs that end other than as planned.
struct AnalysisEndWords {
  QString cancelled;  // "Cancelled: the summary was not finished. ..."
  QString failed;     // "The summary could not be made: %1.", %1 the reason
};

class AnalysisWindow : public QWidget {
  Q_OBJECT

 public:
  ~AnalysisWindow() override;

  void Open();
  // The computation the table stands for; none before the first run ended with one.
  std::shared_ptr<const TableComputation> shown() const { return shown_; }
  bool Running() const;
  // The table as shown: row 0 the captions, column 0 the altitude headers.
  const ResultGrid& table() const { return table_; }

  AnalysisProgress* progress = nullptr;

 signals:
  // A run ended: its table is shown, or it was cancelled or failed.
  void RunEnded();
  // A table was shown: a run's first part or its end.
  void TableShown();

 protected:
  // A window of parent's over the workspace, closed at start, that opener opens; columns (of
  // static storage) make the empty table shown before the first run and after one without an
  // answer.
  AnalysisWindow(Workspace& workspace, QWidget* parent, QAction* opener,
                 std::span<const TableColumn> columns, AnalysisEndWords endWords);

  Workspace& workspace() const { return workspace_; }

  // The view of the table, named name; made where the window's layout wants it.
  ResultGridView* AddTableView(const char* name);
  // The progress row under the table, with its bar and Cancel named barName and cancelName.
  void AddProgress(const char* barName, const char* cancelName, const QString& running);

  // Starts work in place of any run still going.
  void Run(AnalysisTask::Work work);
  void RunStaged(AnalysisTask::StagedWork work);
  // Ends a run that gave an answer or none: shows table as the one of computation (no table:
  // an empty one), then the state, then emits RunEnded.
  void ShowRun(std::shared_ptr<const TableComputation> computation,
               std::optional<ResultGrid> table);
  // Shows a first part of a run that goes on: as ShowRun, but the run has not ended.
  void ShowPart(std::shared_ptr<const TableComputation> computation,
                std::optional<ResultGrid> table);

  // How the last run ended when not as planned; empty when as planned.
  void SetNote(const QString& note) { note_ = note; }
  // Shows lines, then the note and what the shown table no longer matches, one a line, in
  // label; an empty label takes no room.
  void ShowStateLines(QLabel* label, QStringList lines) const;

  // Words everything that says what the window shows and whether it still matches; called after
  // each run and on Workspace::StalenessMayHaveChanged.
  virtual void RefreshState() = 0;

 private:
  void EndRun(const QString& note);

  Workspace& workspace_;
  AnalysisTask* task_;
  std::span<const TableColumn> columns_;
  ResultGrid table_;
  ResultGridModel* model_ = nullptr;
  ResultGridView* view_ = nullptr;
  std::shared_ptr<const TableComputation> shown_;
  QString note_;
};

}  // namespace tz9
