// SPDX-License-Identifier: GPL-3.0-or-later
// ResultGridModel: shows an in-memory ResultGrid to a Qt view. Row 0 and column 0 of the grid
// are the header data (speeds across, altitudes down), so they never scroll; grid cell (r, c)
// with r, c >= 1 is model cell (r - 1, c - 1). Every answer is read from the grid itself.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <functional>

#include "tables/result_grid.h"

namespace tz9 {

class ResultGridModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  ResultGridModel(const ResultGrid& grid, QObject* parent);

  const ResultGrid& grid() const { return grid_; }

  // Bracket every change of the grid (a layout, a sweep): one model reset, never one signal per
  // cell, so a view of a million cells stays quick.
  void BeginGridChange();
  void EndGridChange();

  // After a sweep, which changes cells but not the size or the headers: one dataChanged over
  // every data cell, so the views keep their selection and scroll position.
  void CellsChanged();

  // The tooltip of the data cell at grid row and column (from 1), asked for only when a view
  // shows one; none by default, and an empty answer shows none.
  using ToolTipProvider = std::function<QString(int gridRow, int gridCol)>;
  void SetToolTipProvider(ToolTipProvider provider);

  // Whether the data cell at grid row and column (from 1) is marked: a marked cell answers a
  // bold font and kMarkedRole true (for a delegate to frame it), its text and background
  // unchanged. Nothing is marked by default.
  static constexpr int kMarkedRole = Qt::UserRole + 1;
  using MarkProvider = std::function<bool(int gridRow, int gridCol)>;
  void SetMarkProvider(MarkProvider provider);

  // Muted, every data cell's text is drawn grey on its background: the cells no longer stand
  // under the headers they were computed for. Their texts and colours stay as they are.
  static constexpr QRgb kMutedText = 0xFF8C8C8C;
  void SetMuted(bool muted);
  bool muted() const { return muted_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  QVariant Alignment(int gridCol) const;
  bool Marked(int gridRow, int gridCol) const;

  const ResultGrid& grid_;
  ToolTipProvider toolTip_;
  MarkProvider marked_;
  bool muted_ = false;
};

// The colour 0x00BBGGRR as Qt writes it.
QColor QColorFromColour(Colour colour);

}  // namespace tz9
