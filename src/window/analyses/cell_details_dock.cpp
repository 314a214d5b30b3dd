// SPDX-License-Identifier: GPL-3.0-or-later
// The "Cell Details" panel: its quantity table, its wiring to the grids and fields, its texts.

#include "analyses/cell_details_dock.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>
#include <array>
#include <charconv>
#include <iterator>
#include <vector>

#include "analyses/analysis_view_support.h"
#include "common/number_text.h"
#include "grids/shown_cell.h"
#include "loadout/loadout.h"
#include "performance/cell_details.h"
#include "widgets/view_text.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

QString NotReached() {
  return QStringLiteral("not reached");
}

// Nine significant digits: enough to hold against the published figures.
QString Value(const std::optional<double>& value, const char* unit = "") {
  if (!value) return NotReached();
  const QString number = QString::number(*value, 'g', 9);
  return *unit == '\0' ? number : number + QLatin1Char(' ') + QString::fromUtf8(unit);
}

// The altitude as the single-precision value the formulas start from, every digit of it.
QString Feet(const std::optional<float>& altitude) {
  if (!altitude) return NotReached();
  std::array<char, 64> buffer{};
  const auto end = std::to_chars(buffer.begin(), buffer.end(), static_cast<double>(*altitude)).ptr;
  return QString::fromLatin1(buffer.data(), static_cast<qsizetype>(end - buffer.data())) +
         QStringLiteral(" ft");
}

using ValueOf = QString (*)(const CellDetails&);

struct QuantityRow {
  const char* group;
  const char* name;  // or, for a store count, none: the store's name
  ValueOf value;
  int storeKind = -1;  // a row of StoreTable
};

// The panel's rows, group by group, in the order the evaluation forms them.
const QuantityRow kRows[] = {
    {"Inputs", "Calibrated airspeed", [](const CellDetails& d) { return Value(d.cas, "kt"); }},
    {"Inputs", "Altitude", [](const CellDetails& d) { return Feet(d.altitude); }},
    {"Inputs", "Weight", [](const CellDetails& d) { return Value(d.weight, "lb"); }},
    {"Inputs", nullptr, nullptr, 0},
    {"Inputs", nullptr, nullptr, 1},
    {"Inputs", nullptr, nullptr, 2},
    {"Inputs", nullptr, nullptr, 3},
    {"Inputs", nullptr, nullptr, 4},
    {"Inputs", nullptr, nullptr, 5},
    {"Atmosphere", "Density", [](const CellDetails& d) { return Value(d.density, "slug/ft³"); }},
    {"Atmosphere", "Temperature", [](const CellDetails& d) { return Value(d.temperatureK, "K"); }},
    {"Atmosphere", "Speed of sound",
     [](const CellDetails& d) { return Value(d.speedOfSound, "kt"); }},
    {"Atmosphere", "Static pressure",
     [](const CellDetails& d) { return Value(d.staticPressure, "lb/ft²"); }},
    {"Atmosphere", "Impact pressure",
     [](const CellDetails& d) { return Value(d.impactPressure, "lb/ft²"); }},
    {"Atmosphere", "Mach number", [](const CellDetails& d) { return Value(d.mach); }},
    {"Atmosphere", "True airspeed", [](const CellDetails& d) { return Value(d.tas, "kt"); }},
    {"Atmosphere", "Calibrated airspeed in ft/s",
     [](const CellDetails& d) { return Value(d.speedFps, "ft/s"); }},
    {"Atmosphere", "Dynamic pressure",
     [](const CellDetails& d) { return Value(d.dynamicPressure, "lb/ft²"); }},
    {"Aerodynamics", "Lift coefficient needed",
     [](const CellDetails& d) { return Value(d.liftCoefficient); }},
    {"Aerodynamics", "Angle of attack",
     [](const CellDetails& d) { return Value(d.angleOfAttack, "°"); }},
    {"Aerodynamics", "Drag coefficient",
     [](const CellDetails& d) { return Value(d.dragCoefficient); }},
    {"Aerodynamics", "Store drag factor",
     [](const CellDetails& d) {
       return d.storeDragFactor ? Value(*d.storeDragFactor) : NotReached();
     }},
    {"Forces", "Aerodynamic drag", [](const CellDetails& d) { return Value(d.aeroDrag, "lbf"); }},
    {"Forces", "Stores drag", [](const CellDetails& d) { return Value(d.storesDrag, "lbf"); }},
    {"Forces", "Total drag", [](const CellDetails& d) { return Value(d.totalDrag, "lbf"); }},
    {"Forces", "Military thrust available",
     [](const CellDetails& d) { return Value(d.militaryThrust, "lbf"); }},
    {"Forces", "Afterburner thrust available",
     [](const CellDetails& d) { return Value(d.afterburnerThrust, "lbf"); }},
    {"Forces", "Excess thrust, Military",
     [](const CellDetails& d) { return Value(d.militaryExcess, "lbf"); }},
    {"Forces", "Excess thrust, afterburner",
     [](const CellDetails& d) { return Value(d.afterburnerExcess, "lbf"); }},
    {"Result", "Regime", [](const CellDetails& d) { return RegimeWords(d); }},
    {"Result", "Fuel flow", [](const CellDetails& d) { return Value(d.fuelFlow, "lb/h"); }},
    {"Result", "Fuel per nautical mile",
     [](const CellDetails& d) { return Value(d.lbsPerNm, "lb/NM"); }},
};

QString RowName(const QuantityRow& row) {
  if (row.storeKind < 0) return QString::fromUtf8(row.name);
  return QString::fromLatin1(StoreTable[static_cast<size_t>(row.storeKind)].store) +
         QStringLiteral(" count");
}

QString RowValue(const QuantityRow& row, const CellDetails& details) {
  if (row.storeKind < 0) return row.value(details);
  return QString::fromStdString(FormatGeneral(details.counts[static_cast<size_t>(row.storeKind)]));
}

}  // namespace

// The panel's table: a heading row for each group, then one row per quantity, its name and its
// value. New values arrive all at once and are announced once, so that following the current
// cell stays cheap.
class QuantityTableModel final : public QAbstractTableModel {
 public:
  explicit QuantityTableModel(QObject* parent) : QAbstractTableModel(parent) {
    const char* group = nullptr;
    for (size_t i = 0; i < std::size(kRows); ++i) {
      if (group == nullptr || QLatin1String(group) != QLatin1String(kRows[i].group)) {
        group = kRows[i].group;
        names_.push_back(QString::fromLatin1(group));
        quantityOfRow_.push_back(-1);
      }
      names_.push_back(RowName(kRows[i]));
      quantityOfRow_.push_back(static_cast<int>(i));
    }
    values_.resize(names_.size());
  }

  // The details' values, or none at all.
  void Show(const CellDetails* details) {
    for (size_t row = 0; row < values_.size(); ++row) {
      const int quantity = quantityOfRow_[row];
      values_[row] = details != nullptr && quantity >= 0
                         ? RowValue(kRows[static_cast<size_t>(quantity)], *details)
                         : QString();
    }
    emit dataChanged(index(0, 1), index(rowCount() - 1, 1));
  }

  bool IsHeading(int row) const { return quantityOfRow_[static_cast<size_t>(row)] < 0; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : 2;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return QVariant();
    const auto row = static_cast<size_t>(index.row());
    if (role == Qt::DisplayRole) return index.column() == 0 ? names_[row] : values_[row];
    if (role == Qt::FontRole && IsHeading(index.row())) {
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    return QVariant();
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    return section == 0 ? QStringLiteral("Quantity") : QStringLiteral("Value");
  }

 private:
  std::vector<QString> names_;
  std::vector<QString> values_;
  std::vector<int> quantityOfRow_;  // the row of kRows, or -1 for a group heading
};

CellDetailsDock::CellDetailsDock(const Workspace& workspace, QMainWindow& window, QAction* item)
    : QDockWidget(&window), workspace_(workspace) {
  setObjectName(QStringLiteral("dockCellDetails"));
  setWindowTitle(QStringLiteral("Cell Details"));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  lblCellDetailsCell = WrappingLabel("lblCellDetailsCell", body);
  lblCellDetailsState = WrappingLabel("lblCellDetailsState", body);
  lblCellDetailsReason = WrappingLabel("lblCellDetailsReason", body);
  quantities_ = new QuantityTableModel(this);
  tblCellDetails = new QTableView(body);
  tblCellDetails->setObjectName(QStringLiteral("tblCellDetails"));
  tblCellDetails->setModel(quantities_);
  tblCellDetails->verticalHeader()->hide();
  tblCellDetails->setShowGrid(false);
  tblCellDetails->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < quantities_->rowCount(); ++row) {
    if (quantities_->IsHeading(row)) tblCellDetails->setSpan(row, 0, 1, 2);
  }
  // Sized once: the names never change, and sizing on every change would cost more than the
  // evaluation.
  tblCellDetails->resizeColumnToContents(0);
  tblCellDetails->resizeRowsToContents();
  for (QWidget* widget :
       {static_cast<QWidget*>(lblCellDetailsCell), static_cast<QWidget*>(lblCellDetailsState),
        static_cast<QWidget*>(lblCellDetailsReason), static_cast<QWidget*>(tblCellDetails)}) {
    layout->addWidget(widget);
  }
  // Narrow enough that the window with the panel still fits a 1366-pixel screen; a value that
  // does not fit beside its name scrolls, and the sentences wrap.
  constexpr int kBodyWidthPixels = 300;
  body->setMinimumWidth(kBodyWidthPixels);
  tblCellDetails->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidget(body);

  window.addDockWidget(Qt::RightDockWidgetArea, this);
  hide();
  item->setCheckable(true);
  connect(item, &QAction::triggered, this, [this](bool checked) {
    setVisible(checked);
    if (checked) raise();
  });
  connect(this, &QDockWidget::visibilityChanged, item,
          [this, item] { item->setChecked(!isHidden()); });

  // The cell the user looks at, whatever can make a computed cell out of date, a new
  // computation; a double-click on a grid's cell opens the panel there.
  connect(&workspace, &Workspace::CurrentCellChanged, this, &CellDetailsDock::Refresh);
  connect(&workspace, &Workspace::StalenessMayHaveChanged, this, &CellDetailsDock::Refresh);
  connect(&workspace, &Workspace::GridsRelaid, this, &CellDetailsDock::Refresh);
  connect(&workspace, &Workspace::CellsChanged, this, &CellDetailsDock::Refresh);
  connect(&workspace, &Workspace::CellActivated, this, [this] {
    show();
    raise();
    Refresh();
  });
  connect(this, &QDockWidget::visibilityChanged, this, &CellDetailsDock::Refresh);
  Refresh();
}

// One evaluation, and only while the panel can be seen (shown again, it refreshes).
void CellDetailsDock::Refresh() {
  if (!isVisible()) return;
  const std::optional<GridCell> current = workspace_.currentCell();
  if (!current) {
    ShowTexts(QStringLiteral("No cell chosen: click a cell of either grid."), {}, {});
    ShowValues(nullptr);
    return;
  }
  const int gridRow = current->row;
  const int gridCol = current->col;
  const ResultGrid& grid = workspace_.grid1();
  const QString where =
      QStringLiteral("%1 kt, %2 in the %3 grid")
          .arg(TrimmedQString(grid.TextAt(0, gridCol)), TrimmedQString(grid.TextAt(gridRow, 0)),
               workspace_.lastMovedGrid() == WhichGrid::First ? QStringLiteral("first")
                                                              : QStringLiteral("second"));
  const ShownCell cell = LookUpCell(workspace_, *current);
  ShowTexts(where, CellStateText(cell),
            cell.computed ? QString::fromStdString(CellReason(cell.details)) : QString());
  ShowValues(cell.computed ? &cell.details : nullptr);
}

// An empty label takes no room.
void CellDetailsDock::ShowTexts(const QString& cell, const QString& state, const QString& reason) {
  const std::pair<QLabel*, const QString*> labels[] = {
      {lblCellDetailsCell, &cell}, {lblCellDetailsState, &state}, {lblCellDetailsReason, &reason}};
  for (const auto& [label, text] : labels) {
    label->setText(*text);
    label->setVisible(!text->isEmpty());
  }
}

void CellDetailsDock::ShowValues(const CellDetails* details) {
  quantities_->Show(details);
}

}  // namespace tz9
