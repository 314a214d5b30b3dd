// SPDX-License-Identifier: GPL-3.0-or-later

#include "grids/result_grid_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <utility>
#include <vector>

#include "grids/grid_copy.h"
#include "widgets/twips.h"

namespace tz9 {
namespace {

// The grid's colours in 0x00BBGGRR: lines between data cells, and the area outside the cells.
constexpr Colour kGridLineColour = 0xC0C0C0;
constexpr Colour kOutsideCellsColour = 0x808080;
constexpr Colour kHeaderLineColour = 0x000000;

// Light grey lines between data cells, black ones between header cells (on button face), and
// below the last altitude the header column shows the grey of the area outside the cells.
QString GridStyleSheet() {
  return QStringLiteral(
             "QTableView { gridline-color: %1; }"
             "QHeaderView { background-color: %2; }"
             "QHeaderView::section { background-color: palette(button); color: "
             "palette(button-text);"
             " border: none; border-right: 1px solid %3; border-bottom: 1px solid %3; }")
      .arg(QColorFromColour(kGridLineColour).name(), QColorFromColour(kOutsideCellsColour).name(),
           QColorFromColour(kHeaderLineColour).name());
}

}  // namespace

ResultGridView::ResultGridView(QWidget* parent) : QTableView(parent) {
  setStyleSheet(GridStyleSheet());
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setTabKeyNavigation(false);  // Tab leaves the grid; the arrow keys move inside it
  // Fixed sections: no view ever measures its cells, whatever their number.
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  const int rowHeight = fontMetrics().height() + 3;
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setFixedHeight(rowHeight);
}

void ResultGridView::SetGridModel(ResultGridModel* model) {
  gridModel_ = model;
  setModel(model);
  connect(model, &QAbstractItemModel::modelReset, this, &ResultGridView::ApplySectionSizes);
  ApplySectionSizes();
}

void ResultGridView::ApplySectionSizes() {
  const ResultGrid& grid = gridModel_->grid();
  verticalHeader()->setFixedWidth(PixelsFromTwips(grid.ColWidth(0)));
  if (grid.Cols() < 2) return;
  // Every column laid out by the program has the same width; only others need a section each.
  const int commonWidth = grid.ColWidth(1);
  horizontalHeader()->setDefaultSectionSize(PixelsFromTwips(commonWidth));
  for (int col = 2; col < grid.Cols(); ++col) {
    const int width = grid.ColWidth(col);
    if (width != commonWidth) horizontalHeader()->resizeSection(col - 1, PixelsFromTwips(width));
  }
}

// Grid indexes of the selected cells.
std::vector<std::pair<int, int>> ResultGridView::SelectedCells() const {
  std::vector<std::pair<int, int>> cells;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      for (int col = range.left(); col <= range.right(); ++col)
        cells.emplace_back(row + 1, col + 1);
    }
  }
  return cells;
}

QString ResultGridView::SelectionText() const {
  if (gridModel_ == nullptr) return QString();
  return QString::fromStdString(TabSeparatedCells(gridModel_->grid(), SelectedCells()));
}

QString ResultGridView::SelectionHtml() const {
  if (gridModel_ == nullptr) return QString();
  return QString::fromStdString(HtmlCells(gridModel_->grid(), SelectedCells()));
}

// Plain text for editors, HTML with the colours for spreadsheets and word processors.
void ResultGridView::CopySelection() const {
  const QString text = SelectionText();
  if (text.isEmpty()) return;
  auto mime = std::make_unique<QMimeData>();
  mime->setText(text);
  mime->setHtml(SelectionHtml());
  QGuiApplication::clipboard()->setMimeData(mime.release());  // the clipboard owns it
}

void ResultGridView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void ResultGridView::paintEvent(QPaintEvent* event) {
  PaintOutsideCells();
  QTableView::paintEvent(event);
}

// The area beyond the last row and column shows grey, while cells without a colour of their
// own keep the view's base colour.
void ResultGridView::PaintOutsideCells() {
  const QRect area = viewport()->rect();
  const int cellsRight = horizontalHeader()->length() - horizontalHeader()->offset();
  const int cellsBottom = verticalHeader()->length() - verticalHeader()->offset();
  const QRegion outside =
      QRegion(area).subtracted(QRegion(0, 0, qMax(0, cellsRight), qMax(0, cellsBottom)));
  if (outside.isEmpty()) return;
  QPainter painter(viewport());
  for (const QRect& rect : outside)
    painter.fillRect(rect, QColorFromColour(kOutsideCellsColour));
}

}  // namespace tz9
