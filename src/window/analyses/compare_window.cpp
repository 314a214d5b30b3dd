// SPDX-License-Identifier: GPL-3.0-or-later
// The compare window's layout, its texts and colours, and the comparison off the window's
// thread: both summaries, both mission burns and every cell in common, each by the core.

#include "analyses/compare_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "analyses/analysis_task.h"
#include "analyses/analysis_view_support.h"
#include "common/number_text.h"
#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "performance/best_speeds.h"
#include "performance/mission_fuel.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

constexpr int kTwips = 1150;
constexpr std::array<TableColumn, 19> kColumns = {{
    {"Altitude", 1200},        {"Range CAS", kTwips},       {"Base range CAS", kTwips},
    {"Range lb/NM", kTwips},   {"Base lb/NM", kTwips},      {"Range change", kTwips},
    {"Endur. CAS", kTwips},    {"Base endur. CAS", kTwips}, {"Endur. lb/h", kTwips},
    {"Base lb/h", kTwips},     {"Endur. change", kTwips},   {"Military", kTwips},
    {"Base Military", kTwips}, {"Range NM", kTwips},        {"Base range NM", kTwips},
    {"NM change", kTwips},     {"Endurance", kTwips},       {"Base endurance", kTwips},
    {"Time change", kTwips},
}};

// The colours of a change, the same in both tables: blue better than the baseline, orange
// worse, deeper as the change grows, full at kFullScalePercent.
constexpr Colour kBetter = 0xB27200;  // #0072b2 as 0x00BBGGRR
constexpr Colour kWorse = 0x005ED5;   // #d55e00
constexpr double kFullScalePercent = 20;

std::optional<Colour> ChangeColour(std::optional<double> percent, bool lowerIsBetter) {
  if (!percent || *percent == 0) return std::nullopt;
  const Colour full = (*percent < 0) == lowerIsBetter ? kBetter : kWorse;
  const double depth = 0.15 + 0.55 * std::min(std::fabs(*percent) / kFullScalePercent, 1.0);
  Colour mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double channel = static_cast<double>((full >> shift) & 0xFFu);
    const auto value = static_cast<Colour>(std::lround(255 - (255 - channel) * depth));
    mixed |= value << shift;
  }
  return mixed;
}

QString None() {
  return QStringLiteral("------");
}

// "+2.5", "-0.4", "0.0": one decimal, no sign on a change that rounds to nothing.
QString ChangeNumber(double percent) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%+.1f", percent);
  QString shown = QString::fromLatin1(text.data());
  if (shown == QStringLiteral("+0.0") || shown == QStringLiteral("-0.0"))
    return QStringLiteral("0.0");
  return shown;
}

QString ChangeText(std::optional<double> percent) {
  return percent ? ChangeNumber(*percent) + QStringLiteral(" %") : QString();
}

// Puts text (and the colour of a change) into the current row of a table.
struct RowWriter {
  ResultGrid& table;
  int row;
  int col = 1;
  void Put(const QString& text, std::optional<Colour> colour = std::nullopt) {
    PutText(table, row, col, text);
    if (colour) table.SetCellBackColor(*colour);
    ++col;
  }
  void PutChange(std::optional<double> percent, bool lowerIsBetter) {
    Put(ChangeText(percent), ChangeColour(percent, lowerIsBetter));
  }
};

template <typename Value>
QString Figure(const std::optional<ScanPoint>& point, Value ScanPoint::*member, int decimals) {
  if (!point) return None();
  return decimals < 0 ? Shortest((*point).*member)
                      : QString::number((*point).*member, 'f', decimals);
}

QString Band(const std::optional<SpeedBand>& band) {
  return band ? Shortest(band->minCas) + QStringLiteral(" - ") + Shortest(band->maxCas) : None();
}

template <typename Answer>
std::optional<double> Get(const std::optional<Answer>& answer, double Answer::*member) {
  if (!answer) return std::nullopt;
  return (*answer).*member;
}

// The flight of one schedule at a grid row (from 1), when the burn was made.
const std::optional<Flight>* FlightAt(const MissionReport& report, int row, bool range) {
  if (report.status != MissionStatus::Done) return nullptr;
  const MissionRow& answers = report.rows[static_cast<size_t>(row - 1)];
  return range ? &answers.range.flight : &answers.endurance.flight;
}

std::optional<double> FlightFigure(const std::optional<Flight>* flight, double Flight::*member) {
  return flight == nullptr ? std::nullopt : Get(*flight, member);
}

QString Distance(std::optional<double> nm, bool burnt) {
  if (!burnt) return QString();
  return nm ? QString::number(*nm, 'f', 0) : None();
}

QString Time(std::optional<double> hours, bool burnt) {
  if (!burnt) return QString();
  return hours ? HoursMinutes(*hours) : None();
}

ResultGrid RowTable(const TableComputation& current, const RowComparison& rows,
                    const MissionReport& currentMission, const MissionReport& baselineMission) {
  ResultGrid table = MakeTextTable(static_cast<int>(rows.rows.size()), kColumns);
  const bool burnt =
      currentMission.status == MissionStatus::Done && baselineMission.status == MissionStatus::Done;
  for (size_t i = 0; i < rows.rows.size(); ++i) {
    const ComparedRow& compared = rows.rows[i];
    const RowScan& now = compared.current;
    const RowScan& base = compared.baseline;
    RowWriter out{table, static_cast<int>(i) + 1};
    PutText(
        table, out.row, 0,
        QStringFromView(current.altitudeHeaders[static_cast<size_t>(compared.row.current - 1)]));
    out.Put(Figure(now.bestRange, &ScanPoint::cas, -1));
    out.Put(Figure(base.bestRange, &ScanPoint::cas, -1));
    out.Put(Figure(now.bestRange, &ScanPoint::lbsPerNm, 3));
    out.Put(Figure(base.bestRange, &ScanPoint::lbsPerNm, 3));
    out.PutChange(compared.bestRangeChangePercent, true);
    out.Put(Figure(now.bestEndurance, &ScanPoint::cas, -1));
    out.Put(Figure(base.bestEndurance, &ScanPoint::cas, -1));
    out.Put(Figure(now.bestEndurance, &ScanPoint::fuelFlow, -1));
    out.Put(Figure(base.bestEndurance, &ScanPoint::fuelFlow, -1));
    out.PutChange(compared.bestEnduranceChangePercent, true);
    out.Put(Band(now.military));
    out.Put(Band(base.military));
    const int rowNow = compared.row.current;
    const int rowBase = compared.row.baseline;
    const auto nm = FlightFigure(FlightAt(currentMission, rowNow, true), &Flight::distanceNm);
    const auto baseNm = FlightFigure(FlightAt(baselineMission, rowBase, true), &Flight::distanceNm);
    out.Put(Distance(nm, burnt));
    out.Put(Distance(baseNm, burnt));
    out.PutChange(burnt ? ChangePercent(nm, baseNm) : std::nullopt, false);
    const auto hours = FlightFigure(FlightAt(currentMission, rowNow, false), &Flight::timeHours);
    const auto baseHours =
        FlightFigure(FlightAt(baselineMission, rowBase, false), &Flight::timeHours);
    out.Put(Time(hours, burnt));
    out.Put(Time(baseHours, burnt));
    out.PutChange(burnt ? ChangePercent(hours, baseHours) : std::nullopt, false);
  }
  return table;
}

// The difference grid: the current computation's headers of the rows and columns in common,
// and in each cell the fuel-flow change in %, "------" without steady flight on either side, a
// "*" where the power differs.
ResultGrid DifferenceGrid(const TableComputation& current, const CellComparison& cells) {
  ResultGrid grid;
  grid.SetRows(cells.RowCount() + 1);
  grid.SetCols(cells.ColumnCount() + 1);
  grid.SetColWidth(0, 1200);
  grid.SetColAlignment(0, ResultGrid::kCentreTop);
  grid.SetRow(0);
  for (int j = 0; j < cells.ColumnCount(); ++j) {
    grid.SetCol(j + 1);
    grid.SetColWidth(j + 1, 900);
    grid.SetColAlignment(j + 1, ResultGrid::kCentreTop);
    grid.SetText(current.speedHeaders[static_cast<size_t>(cells.match.columns[j].current - 1)]);
  }
  grid.SetCol(0);
  for (int i = 0; i < cells.RowCount(); ++i) {
    grid.SetRow(i + 1);
    grid.SetText(current.altitudeHeaders[static_cast<size_t>(cells.match.rows[i].current - 1)]);
  }
  std::array<char, 32> text{};
  for (int j = 0; j < cells.ColumnCount(); ++j) {
    grid.SetCol(j + 1);
    for (int i = 0; i < cells.RowCount(); ++i) {
      grid.SetRow(i + 1);
      const ComparedCell& cell = cells.At(i, j);
      if (!cell.FuelFlow() || !cell.BaselineFuelFlow()) {
        grid.SetText("------");
        continue;
      }
      const std::optional<double> change = cell.ChangePercent();
      const char* mark = cell.RegimeDiffers() ? "*" : "";
      if (change) {
        const double shown = std::fabs(*change) < 0.05 ? 0.0 : *change;
        std::snprintf(text.data(), text.size(), shown == 0 ? "%.1f%s" : "%+.1f%s", shown, mark);
      } else {
        std::snprintf(text.data(), text.size(), "%s", mark);
      }
      grid.SetText(text.data());
      if (const auto colour = ChangeColour(change, true)) grid.SetCellBackColor(*colour);
    }
  }
  return grid;
}

QString PowerWords(PowerRegime regime) {
  return regime == PowerRegime::Afterburner ? QStringLiteral("afterburner")
                                            : QStringLiteral("Military power");
}

QString SideText(std::optional<double> fuelFlow, PowerRegime regime) {
  if (!fuelFlow) return QStringLiteral("no steady flight");
  return Shortest(*fuelFlow) + QStringLiteral(" lb/h in ") + PowerWords(regime);
}

// "450 kt at 10000 ft: 5210 lb/h in Military power; baseline 5100 lb/h in afterburner; +2.2 %"
QString CellToolTip(const TableComputation& current, const CellComparison& cells, int gridRow,
                    int gridCol) {
  if (gridRow < 1 || gridCol < 1 || gridRow > cells.RowCount() || gridCol > cells.ColumnCount())
    return {};
  const ComparedCell& cell = cells.At(gridRow - 1, gridCol - 1);
  const auto row = static_cast<size_t>(cells.match.rows[static_cast<size_t>(gridRow - 1)].current);
  const auto col =
      static_cast<size_t>(cells.match.columns[static_cast<size_t>(gridCol - 1)].current);
  QString tip = TrimmedQString(current.speedHeaders[col - 1]) + QStringLiteral(" kt at ") +
                TrimmedQString(current.altitudeHeaders[row - 1]) + QStringLiteral(": ") +
                SideText(cell.FuelFlow(), cell.regime) + QStringLiteral("; baseline ") +
                SideText(cell.BaselineFuelFlow(), cell.baselineRegime);
  if (const auto change = cell.ChangePercent()) tip += QStringLiteral("; ") + ChangeText(change);
  return tip;
}

QString StatusNote(ComparisonStatus status) {
  switch (status) {
    case ComparisonStatus::Done:
    case ComparisonStatus::Cancelled:
      return {};
    case ComparisonStatus::NoCommonAltitude:
      return QStringLiteral(
          "The two tables have no altitude in common: nothing to compare. Lay the table out "
          "with altitudes of the baseline's and compute it again.");
    case ComparisonStatus::NoCommonSpeed:
      return QStringLiteral(
          "The two tables have no speed in common: no cell to compare in the difference grid.");
    case ComparisonStatus::SpeedRangeTooWide:
      return QStringLiteral(
                 "No best speeds: a table's speed headers span more than %1 whole knots.")
          .arg(kMaxScanKnots);
  }
  return {};
}

}  // namespace

struct CompareWindow::Result {
  std::shared_ptr<const TableComputation> computation;
  std::shared_ptr<const TableComputation> baseline;
  QStringList notes;
  std::optional<ResultGrid> table;
  std::shared_ptr<const CellComparison> cells;
  ResultGrid differences;
  bool keepCells = false;  // the difference grid shown stands: a part showed it
};

CompareWindow::CompareWindow(Workspace& workspace, QWidget* parent, QAction* opener)
    : AnalysisWindow(workspace, parent, opener, kColumns,
                     {QStringLiteral("Cancelled: the comparison was not finished. Press Compare to "
                                     "run it again."),
                      QStringLiteral("The comparison could not be made: %1.")}) {
  setObjectName(QStringLiteral("frmCompare"));
  setWindowTitle(QStringLiteral("Compare"));
  lblCompareFor = WrappingLabel("lblCompareFor", this);
  lblCompareBaseline = WrappingLabel("lblCompareBaseline", this);
  lblCompareState = NoticeLabel("lblCompareState", this);
  txtCompareReserve = new QLineEdit(QStringLiteral("0"), this);
  txtCompareReserve->setObjectName(QStringLiteral("txtCompareReserve"));
  txtCompareReserve->setMaximumWidth(120);
  txtCompareReserve->setToolTip(
      QStringLiteral("Fuel still on board at the end of the range and endurance, lb"));
  lblCompareReserveError = NoticeLabel("lblCompareReserveError", this);
  cmdCompare = new QPushButton(QStringLiteral("&Compare"), this);
  cmdCompare->setObjectName(QStringLiteral("cmdCompare"));
  grdCompare = AddTableView("grdCompare");
  lblCompareCells = WrappingLabel("lblCompareCells", this);
  lblCompareCells->setText(QStringLiteral("Fuel-flow change in % of each cell in both tables:"));
  differencesModel_ = new ResultGridModel(differences_, this);
  differencesModel_->BeginGridChange();
  differences_.SetRows(1);
  differences_.SetCols(1);
  differencesModel_->EndGridChange();
  grdCompareCells = new ResultGridView(this);
  grdCompareCells->setObjectName(QStringLiteral("grdCompareCells"));
  grdCompareCells->SetGridModel(differencesModel_);
  lblCompareLegend = WrappingLabel("lblCompareLegend", this);
  lblCompareLegend->setText(QStringLiteral(
      "Change: (current - baseline) / baseline in %. Blue: better than the baseline (less fuel "
      "per NM or per hour, farther, longer), orange: worse; the deeper, the larger, full from "
      "20 %. Military: the least and greatest CAS in Military power. Range and endurance: the "
      "fuel on board burnt down to the reserve, as in Mission Fuel. In the difference grid, "
      "------: no steady flight in one of the tables; *: Military power in one, afterburner in "
      "the other. Ctrl+C copies."));
  AddProgress("prgCompare", "cmdCompareCancel", QStringLiteral("Comparing the tables"));

  auto* reserveRow = new QHBoxLayout;
  auto* reserveLabel = new QLabel(QStringLiteral("&Reserve (lb):"), this);
  reserveLabel->setBuddy(txtCompareReserve);
  reserveRow->addWidget(reserveLabel);
  reserveRow->addWidget(txtCompareReserve);
  reserveRow->addWidget(cmdCompare);
  reserveRow->addWidget(lblCompareReserveError, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblCompareFor);
  layout->addWidget(lblCompareBaseline);
  layout->addWidget(lblCompareState);
  layout->addLayout(reserveRow);
  layout->addWidget(grdCompare, 1);
  layout->addWidget(lblCompareCells);
  layout->addWidget(grdCompareCells, 2);
  layout->addWidget(lblCompareLegend);
  layout->addWidget(progress);
  resize(1400, 720);

  connect(cmdCompare, &QPushButton::clicked, this, &CompareWindow::Start);
  connect(txtCompareReserve, &QLineEdit::returnPressed, this, &CompareWindow::Start);
  connect(txtCompareReserve, &QLineEdit::textEdited, lblCompareReserveError, &QLabel::clear);
  connect(&workspace, &Workspace::ComputationChanged, this, &CompareWindow::InputsArrived);
  connect(&workspace, &Workspace::BaselineChanged, this, &CompareWindow::InputsArrived);
  RefreshState();
}

CompareWindow::~CompareWindow() {
  grdCompareCells->setModel(nullptr);
}

void CompareWindow::showEvent(QShowEvent* event) {
  AnalysisWindow::showEvent(event);
  if (!Running() &&
      (shown() != workspace().computation() || shownBaseline_ != workspace().baseline())) {
    Start();
  }
}

void CompareWindow::InputsArrived() {
  if (isVisible()) Start();
}

void CompareWindow::Start() {
  const std::shared_ptr<const TableComputation> computation = workspace().computation();
  const std::shared_ptr<const TableComputation> baseline = workspace().baseline();
  SetNote({});
  lblCompareReserveError->clear();
  const std::optional<double> reserve = MissionFigure(txtCompareReserve->text().toStdString());
  if (!reserve) {
    lblCompareReserveError->setText(
        QStringLiteral("Not a reserve: type the fuel to keep in lb, 0 or more."));
    RefreshState();
    return;
  }
  if (!computation || !baseline) {
    // Nothing to compare any more: the tables of an earlier pair go.
    Result none;
    ShowResult(none);
    return;
  }
  // The best speeds and the cells are shown first; range and endurance, which burn the fuel of
  // both tables at every altitude (seconds for a thousand rows of a thousand speeds), follow.
  RunStaged([this, computation, baseline, reserve = *reserve](
                const AnalysisControl& control,
                const AnalysisTask::Post& post) -> AnalysisTask::Delivery {
    auto result = std::make_shared<Result>();
    result->computation = computation;
    result->baseline = baseline;
    const RowComparison rows = CompareRows(*computation, *baseline, PartOf(control, 0, 0.1));
    if (rows.status == ComparisonStatus::Cancelled) return {};
    result->notes << StatusNote(rows.status);
    if (rows.status == ComparisonStatus::NoCommonAltitude) {
      result->cells = std::make_shared<const CellComparison>();
      result->differences = DifferenceGrid(*computation, *result->cells);
      return [this, result] { ShowResult(*result); };
    }
    auto cells = std::make_shared<const CellComparison>(
        CompareCells(*computation, *baseline, PartOf(control, 0.1, 0.1)));
    if (cells->status == ComparisonStatus::Cancelled) return {};
    result->notes << StatusNote(cells->status);
    result->differences = DifferenceGrid(*computation, *cells);
    result->cells = std::move(cells);
    if (rows.status != ComparisonStatus::Done) return [this, result] { ShowResult(*result); };
    MissionReport notYetBurnt;
    notYetBurnt.status = MissionStatus::Cancelled;
    result->table = RowTable(*computation, rows, notYetBurnt, notYetBurnt);
    auto last = std::make_shared<Result>();
    last->computation = computation;
    last->baseline = baseline;
    last->notes = result->notes;
    last->keepCells = true;
    post([this, result] { ShowResult(*result, false); });

    MissionInputs inputs;
    inputs.reserveLb = reserve;
    const MissionReport currentMission =
        ComputeMission(*computation, inputs, PartOf(control, 0.2, 0.4));
    if (currentMission.status == MissionStatus::Cancelled) return {};
    const MissionReport baselineMission =
        ComputeMission(*baseline, inputs, PartOf(control, 0.6, 0.4));
    if (baselineMission.status == MissionStatus::Cancelled) return {};
    if (currentMission.status != MissionStatus::Done ||
        baselineMission.status != MissionStatus::Done) {
      last->notes << QStringLiteral(
          "No range and endurance: the fuel of a table could not be burnt (a stores weight "
          "beyond the range of numbers, or speeds too wide to scan).");
    }
    last->table = RowTable(*computation, rows, currentMission, baselineMission);
    return [this, last] { ShowResult(*last); };
  });
}

void CompareWindow::ShowResult(Result& result, bool ended) {
  shownBaseline_ = result.baseline;
  result.notes.removeAll(QString());
  SetNote(result.notes.join(QLatin1Char('\n')));
  if (!result.keepCells) {
    cells_ = result.cells;
    differencesModel_->BeginGridChange();
    if (result.cells && result.computation) {
      differences_ = std::move(result.differences);
    } else {
      differences_ = ResultGrid();
      differences_.SetRows(1);
      differences_.SetCols(1);
    }
    differencesModel_->EndGridChange();
    differencesModel_->SetToolTipProvider(
        [cells = cells_, computation = result.computation](int gridRow, int gridCol) {
          if (!cells || !computation) return QString();
          return CellToolTip(*computation, *cells, gridRow, gridCol);
        });
  }
  if (ended) {
    ShowRun(result.computation, std::move(result.table));
  } else {
    ShowPart(result.computation, std::move(result.table));
  }
}

void CompareWindow::RefreshState() {
  const std::shared_ptr<const TableComputation> current = workspace().computation();
  if (shown()) {
    lblCompareFor->setText(QStringLiteral("Current: ") + ComputationCaption(*shown()));
  } else if (current) {
    lblCompareFor->setText(QStringLiteral("Current: ") + ComputationCaption(*current));
  } else {
    lblCompareFor->setText(QStringLiteral("No table computed yet."));
  }
  const QString baseline = BaselineCaption(workspace());
  lblCompareBaseline->setText(
      baseline.isEmpty()
          ? QStringLiteral("No baseline: choose View > Pin as Baseline to keep the last "
                           "computation, change the loadout, weight or aircraft and compute again.")
          : baseline);
  QStringList lines;
  if (!current) lines << QStringLiteral("No table computed yet: press Compute Table first.");
  if (shown() && shownBaseline_ != workspace().baseline()) {
    lines << QStringLiteral("The baseline changed since: press Compare.");
  }
  ShowStateLines(lblCompareState, lines);
}

}  // namespace tz9
