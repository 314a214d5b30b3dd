// SPDX-License-Identifier: GPL-3.0-or-later
// ResultGridView: a table view of one ResultGridModel with the look of the program's grids:
// fixed header row and column, column widths from the grid (twips / 15), light grey lines
// between the cells, grey beyond the last row and column, and Ctrl+C copying the selection.
#pragma once

#include <QString>
#include <QTableView>
#include <utility>
#include <vector>

#include "grids/result_grid_model.h"

namespace tz9 {

class ResultGridView final : public QTableView {
  Q_OBJECT

 public:
  explicit ResultGridView(QWidget* parent);

  // Shows model; the section sizes follow the grid after every reset of the model.
  void SetGridModel(ResultGridModel* model);

  // The selected cells with their headers, as tab-separated text and as an HTML table with
  // the cells' colours (see grid_copy.h).
  QString SelectionText() const;
  QString SelectionHtml() const;
  void CopySelection() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplySectionSizes();
  std::vector<std::pair<int, int>> SelectedCells() const;
  void PaintOutsideCells();

  ResultGridModel* gridModel_ = nullptr;
};

}  // namespace tz9
