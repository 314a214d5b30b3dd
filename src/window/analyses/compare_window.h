// SPDX-License-Identifier: GPL-3.0-or-later
// The "Compare" window (frmCompare): the last computation against the pinned baseline. Per
// altitude in both tables, the best-range and best-endurance speeds and fuel, the Military band
// and, with a reserve, the range and endurance on the fuel on board, each side by side with the
// change in %; below it the difference grid, the fuel-flow change in % of every cell in both
// tables on a scale centred on 0. It runs off the window's thread and follows each new
// computation and baseline while open.
#pragma once

#include <memory>

#include "analyses/analysis_window.h"
#include "performance/comparison.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tz9 {

class ResultGridModel;
class ResultGridView;
class Workspace;

class CompareWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  // A window of parent's over the workspace, closed at start; opener opens it.
  CompareWindow(Workspace& workspace, QWidget* parent, QAction* opener);
  ~CompareWindow() override;

  // The baseline the tables shown were compared with; none before the first comparison.
  std::shared_ptr<const TableComputation> shownBaseline() const { return shownBaseline_; }
  // The difference grid as shown: row 0 the speeds, column 0 the altitudes in common.
  const ResultGrid& differences() const { return differences_; }

  QLabel* lblCompareFor = nullptr;
  QLabel* lblCompareBaseline = nullptr;
  QLabel* lblCompareState = nullptr;
  QLineEdit* txtCompareReserve = nullptr;
  QLabel* lblCompareReserveError = nullptr;
  QPushButton* cmdCompare = nullptr;
  ResultGridView* grdCompare = nullptr;
  QLabel* lblCompareCells = nullptr;
  ResultGridView* grdCompareCells = nullptr;
  QLabel* lblCompareLegend = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void RefreshState() override;

 private:
  struct Result;

  void Start();
  void InputsArrived();
  // Shows the tables of result (taking them out of it): the run's last part when ended, else a
  // first part while the run goes on.
  void ShowResult(Result& result, bool ended = true);

  std::shared_ptr<const TableComputation> shownBaseline_;
  std::shared_ptr<const CellComparison> cells_;  // of the difference grid shown
  ResultGrid differences_;
  ResultGridModel* differencesModel_ = nullptr;
};

}  // namespace tz9
