// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the tests of the analysis windows: laying out and computing a table as a user does,
// reading a grid cell's mark and an analysis table's cell.
#pragma once

#include <QAction>
#include <QFont>
#include <QLabel>
#include <QRadioButton>
#include <QString>

#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "tables/result_grid.h"
#include "window_test_support.h"

namespace tz9::test {

inline const std::string kGenericFighter = std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";

// The check aircraft's speeds 150 to 660 kt by 30 (grid column c holds 120 + 30 c).
inline const QString kCheckSpeeds = "txtSpMi=150 txtSpS1=30 txtSpSt=660 txtSpS2=30 txtSpMa=660";

// Types "name=value" pairs into their fields and presses Create Table.
inline void LayOut(Session& s, const QString& ranges) {
  s.TypeAll(ranges);
  s.Click(s.form->cmdTable);
}

// Types the computing weight, chooses the option and presses Compute Table.
inline void ComputeAt(Session& s, const QString& weight, const QString& option = "Option1") {
  s.Type("txtCompWeight", weight);
  s.Choose(option);
  s.Click(s.form->cmdCompute);
}

inline QModelIndex GridIndex(const ResultGridView* view, int gridRow, int gridCol) {
  return view->model()->index(gridRow - 1, gridCol - 1);
}

// Whether a grid cell carries a best-speed mark, as the model tells its views: a frame and
// bold text, nothing else.
inline bool Marked(const ResultGridView* view, int gridRow, int gridCol) {
  const QModelIndex index = GridIndex(view, gridRow, gridCol);
  const bool framed = index.data(ResultGridModel::kMarkedRole).toBool();
  const QVariant font = index.data(Qt::FontRole);
  const bool bold = font.isValid() && font.value<QFont>().bold();
  if (framed != bold) qFatal("a cell is framed without bold text or the other way");
  return framed;
}

// The text of an analysis table's cell, by grid row and column (row 0: captions).
inline QString TableText(const ResultGrid& table, int row, int col) {
  const std::string_view text = table.TextAt(row, col);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The column of an analysis table with this caption; fails the test when there is none.
inline int ColumnOf(const ResultGrid& table, const QString& caption) {
  for (int col = 0; col < table.Cols(); ++col) {
    if (TableText(table, 0, col) == caption) return col;
  }
  qFatal("no column %s", qPrintable(caption));
}

}  // namespace tz9::test
