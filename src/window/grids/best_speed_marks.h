// SPDX-License-Identifier: GPL-3.0-or-later
// The best-speed marks of the grids: in each row, the cell of least fuel flow among the steady
// cells of the last computation (best endurance) in the first grid, and the cell of least fuel
// per nautical mile (best range) in the second grid while that grid shows fuel per nautical
// mile. A mark is bold text and a frame; the cell's text and background stay as they are.
#pragma once

#include <QColor>
#include <QObject>
#include <array>
#include <memory>
#include <vector>

#include "performance/best_speeds.h"
#include "performance/table_computation.h"

class QAction;

namespace tz9 {

class ResultGridModel;
class ResultGridView;
class Workspace;

// The colour of a mark's frame, for the legend.
QColor BestSpeedFrameColour();

class BestSpeedMarks final : public QObject {
  Q_OBJECT

 public:
  // Marks the workspace's grids through the models of views (first, second) and frames the
  // marked cells; follows every Compute Table and the "Mark Best Speeds" item, marksItem.
  BestSpeedMarks(const Workspace& workspace, const std::array<ResultGridView*, 2>& views,
                 QAction* marksItem);

  // Whether the data cell at grid row and column (from 1) carries a mark now.
  bool EnduranceMarked(int gridRow, int gridCol) const;
  bool RangeMarked(int gridRow, int gridCol) const;

 private:
  void TakeComputation();
  void Repaint();
  // The workspace's computation while the marks are on; none while they are off or a sweep
  // runs.
  std::shared_ptr<const TableComputation> Marking() const;

  const Workspace& workspace_;
  QAction* marksItem_;
  ResultGridModel* model1_;
  ResultGridModel* model2_;
  // Of the workspace's computation, which the marks do not keep: a new sweep lets go of the last
  // one before it starts, and no mark shows while it runs.
  std::vector<GridBestCells> best_;  // best_[r - 1] for grid row r
};

}  // namespace tz9
