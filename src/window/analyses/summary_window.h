// SPDX-License-Identifier: GPL-3.0-or-later
// The "Performance Summary" window (frmSummary): for every altitude of the last computation the
// best-range and best-endurance speeds to the knot, the speeds flown in Military power and in
// afterburner, and above them the optimum altitudes and the ceilings. It is computed off the
// window's thread, follows each new Compute Table while open, and picks cells in the grids.
#pragma once

#include <vector>

#include "analyses/analysis_window.h"

class QLabel;
class QPushButton;

namespace tz9 {

class Workspace;
class ResultGridView;

// Shown while the last computation is not the one it summarized, it summarizes that afresh.
// The summary of computation as lines of text for the report: the optima, then the table's
// captions and each altitude's answers; none when control stopped it.
QStringList SummaryReportLines(const TableComputation& computation,
                               const AnalysisControl& control = {});

class SummaryWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  // A window of parent's over the workspace, closed at start; opener opens it.
  SummaryWindow(Workspace& workspace, QWidget* parent, QAction* opener);

  QLabel* lblSummaryFor = nullptr;
  QLabel* lblSummaryState = nullptr;
  QLabel* lblSummaryOptima = nullptr;
  QLabel* lblSummaryLegend = nullptr;
  QPushButton* cmdSummaryCompute = nullptr;
  ResultGridView* grdSummary = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void RefreshState() override;

 private:
  struct Result;

  void Start();
  void ComputationArrived();
  void ShowResult(Result& result);  // takes the table out of the result
  void SelectInGrids(int tableRow);

  std::vector<int> selectColumns_;  // per table row: the grid column to pick, 0 for none
};

}  // namespace tz9
