// SPDX-License-Identifier: GPL-3.0-or-later
// The "Cell Details" panel: a dock beside the grids, hidden at start, that lists every quantity
// of the current cell of either grid as the computation that made it evaluated it, with units,
// and says why the cell shows what it shows. View > "Cell Details" or a double-click opens it.
#pragma once

#include <QDockWidget>

class QAction;
class QMainWindow;

class QLabel;
class QTableView;

namespace tz9 {

class QuantityTableModel;
class Workspace;
struct CellDetails;

class CellDetailsDock final : public QDockWidget {
  Q_OBJECT

 public:
  // Docks itself at window's right, hidden; item (checkable) shows and hides it.
  CellDetailsDock(const Workspace& workspace, QMainWindow& window, QAction* item);

  QLabel* lblCellDetailsCell = nullptr;    // which cell: "300 kt, 0 ft in the fuel flow grid"
  QLabel* lblCellDetailsState = nullptr;   // not computed, or out of date and for what
  QLabel* lblCellDetailsReason = nullptr;  // the reason sentence
  QTableView* tblCellDetails = nullptr;    // group headings, and each quantity with its value

 private:
  void Refresh();
  void ShowTexts(const QString& cell, const QString& state, const QString& reason);
  void ShowValues(const CellDetails* details);

  const Workspace& workspace_;
  QuantityTableModel* quantities_ = nullptr;
};

}  // namespace tz9
