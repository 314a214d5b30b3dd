// SPDX-License-Identifier: GPL-3.0-or-later
// The "Cell Details" panel: a dock beside the grids, hidden at start, that lists every quantity
// of the current cell of either grid as the computation that made it evaluated it, with units,
// and says why the cell shows what it shows. View > "Cell Details" or a double-click opens it.
#pragma once

#include <QDockWidget>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tz9 {

class Form1;
class ResultGridView;
struct CellDetails;

class CellDetailsDock final : public QDockWidget {
  Q_OBJECT

 public:
  // Docks itself at the form's right, hidden, and adds its item to the form's View menu.
  explicit CellDetailsDock(Form1* form);

  QLabel* lblCellDetailsCell = nullptr;    // which cell: "300 kt, 0 ft in the fuel flow grid"
  QLabel* lblCellDetailsState = nullptr;   // not computed, or out of date and for what
  QLabel* lblCellDetailsReason = nullptr;  // the reason sentence
  QTreeWidget* treeCellDetails = nullptr;  // quantity, value with its unit

 private:
  void ConnectView(ResultGridView* view);
  void ConnectInputs();
  void Refresh();
  void ShowValues(const CellDetails* details);

  Form1* form_;
  const ResultGridView* view_ = nullptr;  // the grid whose current cell is followed
  std::vector<QTreeWidgetItem*> values_;  // one per row of the quantity table, in its order
};

}  // namespace tz9
