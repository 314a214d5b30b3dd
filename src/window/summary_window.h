// SPDX-License-Identifier: GPL-3.0-or-later
// The "Performance Summary" window (frmSummary): for every altitude of the last computation the
// best-range and best-endurance speeds to the knot, the speeds flown in Military power and in
// afterburner, and above them the optimum altitudes and the ceilings. It is computed off the
// window's thread, follows each new Compute Table while open, and picks cells in the grids.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "performance/table_computation.h"
#include "tables/result_grid.h"

class QLabel;
class QPushButton;

namespace tz9 {

class AnalysisProgress;
class AnalysisTask;
class Form1;
class ResultGridModel;
class ResultGridView;

class SummaryWindow final : public QWidget {
  Q_OBJECT

 public:
  // A window of form's, closed at start; form.mnuViewSummary opens it.
  explicit SummaryWindow(Form1& form);
  ~SummaryWindow() override;

  // Shows the window; a summary of another computation than the last is made afresh.
  void Open();
  // The computation the table stands for; none before the first summary.
  std::shared_ptr<const TableComputation> shown() const { return shown_; }
  bool Running() const;
  // The table as shown: row 0 the captions, column 0 the altitude headers.
  const ResultGrid& table() const { return table_; }

  QLabel* lblSummaryFor = nullptr;
  QLabel* lblSummaryState = nullptr;
  QLabel* lblSummaryOptima = nullptr;
  QLabel* lblSummaryLegend = nullptr;
  QPushButton* cmdSummaryCompute = nullptr;
  ResultGridView* grdSummary = nullptr;
  AnalysisProgress* progress = nullptr;

 signals:
  // A run ended: its summary is shown, or it was cancelled or failed.
  void RunEnded();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Result;

  void Start();
  void ComputationArrived();
  void ShowResult(Result& result);  // takes the table out of the result
  void RefreshState();
  void SelectInGrids(int tableRow);

  Form1& form_;
  AnalysisTask* task_;
  ResultGrid table_;
  ResultGridModel* model_ = nullptr;
  std::shared_ptr<const TableComputation> shown_;
  std::vector<int> selectColumns_;  // per table row: the grid column to pick, 0 for none
  QString note_;                    // how the last run ended, when not as planned
};

}  // namespace tz9
