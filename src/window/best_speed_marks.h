// SPDX-License-Identifier: GPL-3.0-or-later
// The best-speed marks of the grids: in each row, the cell of least fuel flow among the steady
// cells of the last computation (best endurance) in the first grid, and the cell of least fuel
// per nautical mile (best range) in the second grid while that grid shows fuel per nautical
// mile. A mark is bold text and a frame; the cell's text and background stay as they are.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "performance/best_speeds.h"
#include "performance/table_computation.h"

namespace tz9 {

class Form1;
class ResultGridModel;

class BestSpeedMarks final : public QObject {
  Q_OBJECT

 public:
  // Marks form's grids through their models and frames the marked cells in its views; follows
  // every Compute Table and the "Mark Best Speeds" item (form.mnuViewMarks).
  explicit BestSpeedMarks(Form1& form);

  // Whether the data cell at grid row and column (from 1) carries a mark now.
  bool EnduranceMarked(int gridRow, int gridCol) const;
  bool RangeMarked(int gridRow, int gridCol) const;

 private:
  void TakeComputation();
  void Repaint();
  // The form's computation while the marks are on; none while they are off or a sweep runs.
  std::shared_ptr<const TableComputation> Marking() const;
  // A cell keeps its mark only while its headers are those it was computed under: a layout
  // since may have put another speed or altitude there.
  bool StillComputed(const TableComputation& computation, int gridRow, int gridCol) const;

  Form1& form_;
  ResultGridModel* model1_;
  ResultGridModel* model2_;
  // Of the form's computation, which the marks do not keep: a new sweep lets go of the last
  // one before it starts, and no mark shows while it runs.
  std::vector<GridBestCells> best_;  // best_[r - 1] for grid row r
};

}  // namespace tz9
