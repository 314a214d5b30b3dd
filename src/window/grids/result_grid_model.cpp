// SPDX-License-Identifier: GPL-3.0-or-later

#include "grids/result_grid_model.h"
#include "widgets/view_text.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <utility>

namespace tz9 {
QColor QColorFromColour(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

ResultGridModel::ResultGridModel(const ResultGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

void ResultGridModel::BeginGridChange() {
  beginResetModel();
}

void ResultGridModel::EndGridChange() {
  endResetModel();
}

void ResultGridModel::CellsChanged() {
  const int rows = rowCount();
  const int cols = columnCount();
  if (rows > 0 && cols > 0) emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
}

void ResultGridModel::SetToolTipProvider(ToolTipProvider provider) {
  toolTip_ = std::move(provider);
}

void ResultGridModel::SetMarkProvider(MarkProvider provider) {
  marked_ = std::move(provider);
}

int ResultGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return grid_.Rows() - 1;
}

int ResultGridModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return grid_.Cols() - 1;
}

QVariant ResultGridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return QVariant();
  const int gridRow = index.row() + 1;
  const int gridCol = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
      return QStringFromView(grid_.TextAt(gridRow, gridCol));
    case Qt::BackgroundRole: {
      const std::optional<Colour> colour = grid_.BackColorAt(gridRow, gridCol);
      if (!colour) return QVariant();  // the view's own background
      return QColorFromColour(*colour);
    }
    case Qt::TextAlignmentRole:
      return Alignment(gridCol);
    case Qt::ToolTipRole: {
      const QString tip = toolTip_ ? toolTip_(gridRow, gridCol) : QString();
      if (tip.isEmpty()) return QVariant();
      return tip;
    }
    case Qt::FontRole: {
      if (!Marked(gridRow, gridCol)) return QVariant();  // the view's own font
      QFont bold;  // only the weight is set: the view's font gives the rest
      bold.setBold(true);
      return bold;
    }
    case Qt::ForegroundRole:
      if (!muted_) return QVariant();  // the view's own text colour
      return QColor(kMutedText);
    case kMarkedRole:
      return Marked(gridRow, gridCol);
    default:
      return QVariant();
  }
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const bool across = orientation == Qt::Horizontal;
  const int count = across ? columnCount() : rowCount();
  if (section < 0 || section >= count) return QVariant();
  const int gridRow = across ? 0 : section + 1;
  const int gridCol = across ? section + 1 : 0;
  switch (role) {
    case Qt::DisplayRole:
      return QStringFromView(grid_.TextAt(gridRow, gridCol));
    case Qt::TextAlignmentRole:
      return Alignment(gridCol);
    default:
      return QVariant();
  }
}

Qt::ItemFlags ResultGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QVariant ResultGridModel::Alignment(int gridCol) const {
  if (grid_.ColAlignment(gridCol) != ResultGrid::kCentreTop) return QVariant();
  // As an int: the form every Qt 6 delegate and header reads.
  return static_cast<int>(Qt::AlignHCenter | Qt::AlignTop);
}

void ResultGridModel::SetMuted(bool muted) {
  if (muted == muted_) return;
  muted_ = muted;
  CellsChanged();
}

bool ResultGridModel::Marked(int gridRow, int gridCol) const {
  return marked_ && marked_(gridRow, gridCol);
}

}  // namespace tz9
