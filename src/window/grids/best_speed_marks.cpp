// SPDX-License-Identifier: GPL-3.0-or-later
// The marks' wiring to the workspace and the delegate that frames a marked cell.

#include "grids/best_speed_marks.h"

#include <QAction>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <memory>

#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

constexpr int kFramePixels = 2;
constexpr QRgb kFrameColour = 0xFF000080;  // navy: clear on white, yellow, green and red

// Paints each cell as usual, then a frame inside the edges of a marked one. A marked text that
// would not fit its column in bold is drawn in the normal weight: bold must never cut a figure
// short ("115..." for "11533").
class MarkFrameDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (!index.data(ResultGridModel::kMarkedRole).toBool()) return;
    const QRect r = option.rect;
    const QColor colour = QColor::fromRgb(kFrameColour);
    painter->fillRect(QRect(r.left(), r.top(), r.width(), kFramePixels), colour);
    painter->fillRect(QRect(r.left(), r.bottom() - kFramePixels + 1, r.width(), kFramePixels),
                      colour);
    painter->fillRect(QRect(r.left(), r.top(), kFramePixels, r.height()), colour);
    painter->fillRect(QRect(r.right() - kFramePixels + 1, r.top(), kFramePixels, r.height()),
                      colour);
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!option->font.bold()) return;
    const QStyle* style = option->widget != nullptr ? option->widget->style() : nullptr;
    const int margin =
        style != nullptr
            ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, option, option->widget) + 1
            : 0;
    const int room = option->rect.width() - 2 * margin;
    if (QFontMetrics(option->font).horizontalAdvance(option->text) > room)
      option->font.setBold(false);
  }
};

ResultGridModel* GridModelOf(ResultGridView* view) {
  return qobject_cast<ResultGridModel*>(view->model());
}

}  // namespace

QColor BestSpeedFrameColour() {
  return QColor::fromRgb(kFrameColour);
}

BestSpeedMarks::BestSpeedMarks(const Workspace& workspace,
                               const std::array<ResultGridView*, 2>& views, QAction* marksItem)
    : QObject(views[0]),
      workspace_(workspace),
      marksItem_(marksItem),
      model1_(GridModelOf(views[0])),
      model2_(GridModelOf(views[1])) {
  setObjectName(QStringLiteral("bestSpeedMarks"));
  model1_->SetMarkProvider([this](int row, int col) { return EnduranceMarked(row, col); });
  model2_->SetMarkProvider([this](int row, int col) { return RangeMarked(row, col); });
  for (ResultGridView* view : views)
    view->setItemDelegate(new MarkFrameDelegate(view));
  connect(&workspace, &Workspace::ComputationChanged, this, &BestSpeedMarks::TakeComputation);
  connect(marksItem, &QAction::toggled, this, &BestSpeedMarks::Repaint);
}

// No signal of its own: the sweep has just signalled every cell of both grids as changed, once,
// and the views repaint (and read the new marks) after this returns.
void BestSpeedMarks::TakeComputation() {
  const std::shared_ptr<const TableComputation> computation = workspace_.computation();
  best_ = computation ? FindGridBestCells(*computation) : std::vector<GridBestCells>{};
}

void BestSpeedMarks::Repaint() {
  model1_->CellsChanged();
  model2_->CellsChanged();
}

std::shared_ptr<const TableComputation> BestSpeedMarks::Marking() const {
  return marksItem_->isChecked() ? workspace_.computation() : nullptr;
}

bool BestSpeedMarks::EnduranceMarked(int gridRow, int gridCol) const {
  const auto computation = Marking();
  if (!computation || gridRow > static_cast<int>(best_.size())) return false;
  return best_[gridRow - 1].enduranceColumn == gridCol &&
         workspace_.StillComputedAt(*computation, {gridRow, gridCol});
}

bool BestSpeedMarks::RangeMarked(int gridRow, int gridCol) const {
  const auto computation = Marking();
  if (!computation || computation->mode != DisplayMode::LbsPerNm) return false;
  if (gridRow > static_cast<int>(best_.size())) return false;
  return best_[gridRow - 1].rangeColumn == gridCol &&
         workspace_.StillComputedAt(*computation, {gridRow, gridCol});
}

}  // namespace tz9
