// SPDX-License-Identifier: GPL-3.0-or-later
// The summary window's layout, its texts, and the run of the summary off the window's thread.

#include "analyses/summary_window.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <utility>

#include "analyses/analysis_task.h"
#include "analyses/analysis_view_support.h"
#include "common/number_text.h"
#include "grids/result_grid_view.h"
#include "performance/best_speeds.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

constexpr int kColumnTwips = 1275;
constexpr std::array<TableColumn, 12> kColumns = {{
    {"Altitude", 1200},
    {"Range CAS", kColumnTwips},
    {"Range TAS", kColumnTwips},
    {"Range Mach", kColumnTwips},
    {"Range lb/h", kColumnTwips},
    {"Range lb/NM", kColumnTwips},
    {"Endur. CAS", kColumnTwips},
    {"Endur. lb/h", kColumnTwips},
    {"Military from", kColumnTwips},
    {"Military to", kColumnTwips},
    {"A/B from", kColumnTwips},
    {"A/B to", kColumnTwips},
}};

// What a row shows where it has no such point.
QString None() {
  return QStringLiteral("------");
}

QString Altitude(const TableComputation& computation, int gridRow) {
  return QStringFromView(TrimBlanks(computation.altitudeHeaders[static_cast<size_t>(gridRow - 1)]));
}

// The texts of one row's answers, in the order of kColumns after the altitude.
QStringList RowTexts(const RowScan& scan) {
  QStringList texts;
  if (const auto& p = scan.bestRange) {
    texts << Shortest(p->cas) << QString::number(p->tas, 'f', 1) << QString::number(p->mach, 'f', 3)
          << Shortest(p->fuelFlow) << QString::number(p->lbsPerNm, 'f', 3);
  } else {
    texts << None() << None() << None() << None() << None();
  }
  if (const auto& p = scan.bestEndurance) {
    texts << Shortest(p->cas) << Shortest(p->fuelFlow);
  } else {
    texts << None() << None();
  }
  for (const auto& band : {scan.military, scan.afterburner}) {
    if (band) {
      texts << Shortest(band->minCas) << Shortest(band->maxCas);
    } else {
      texts << None() << None();
    }
  }
  return texts;
}

ResultGrid SummaryTable(const TableComputation& computation, const TableSummary& summary) {
  ResultGrid table = MakeTextTable(static_cast<int>(summary.rows.size()), kColumns);
  for (size_t i = 0; i < summary.rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    PutText(table, row, 0, QStringFromView(computation.altitudeHeaders[i]));
    const QStringList texts = RowTexts(summary.rows[i]);
    for (int col = 1; col <= texts.size(); ++col)
      PutText(table, row, col, texts[col - 1]);
  }
  return table;
}

// "Best range at 35000 ft (1.234 lb/NM at 260 kt CAS); best endurance at 30000 ft (2100 lb/h
// at 230 kt CAS). Highest altitude of the table with steady flight: Military 40000 ft,
// afterburner 40000 ft."
QString OptimaLine(const TableComputation& computation, const TableSummary& summary) {
  QStringList optima;
  if (const auto& row = summary.rangeOptimumRow) {
    const ScanPoint& p = *summary.rows[static_cast<size_t>(*row - 1)].bestRange;
    optima << QStringLiteral("Best range at %1 (%2 lb/NM at %3 kt CAS)")
                  .arg(Altitude(computation, *row), QString::number(p.lbsPerNm, 'f', 3),
                       Shortest(p.cas));
  } else {
    optima << QStringLiteral("No best range: no steady flight in the table");
  }
  if (const auto& row = summary.enduranceOptimumRow) {
    const ScanPoint& p = *summary.rows[static_cast<size_t>(*row - 1)].bestEndurance;
    optima << QStringLiteral("best endurance at %1 (%2 lb/h at %3 kt CAS)")
                  .arg(Altitude(computation, *row), Shortest(p.fuelFlow), Shortest(p.cas));
  } else {
    optima << QStringLiteral("no best endurance");
  }
  const auto ceiling = [&](const std::optional<int>& row) {
    return row ? Altitude(computation, *row) : QStringLiteral("none");
  };
  return optima.join(QStringLiteral("; ")) +
         QStringLiteral(
             ". Highest altitude of the table with steady flight: Military %1, "
             "afterburner %2.")
             .arg(ceiling(summary.militaryCeilingRow), ceiling(summary.afterburnerCeilingRow));
}

}  // namespace

QStringList SummaryReportLines(const TableComputation& computation,
                               const AnalysisControl& control) {
  const TableSummary summary = SummarizeTable(computation, control);
  if (summary.status == SummaryStatus::Cancelled) return {};
  if (summary.status != SummaryStatus::Done) {
    return {QStringLiteral("No summary: the speed headers span more than %1 whole knots.")
                .arg(kMaxScanKnots)};
  }
  QStringList captions;
  for (const TableColumn& column : kColumns)
    captions << QString::fromLatin1(column.caption);
  QStringList lines = {OptimaLine(computation, summary), captions.join(QStringLiteral(" | "))};
  for (size_t i = 0; i < summary.rows.size(); ++i) {
    lines << (QStringList{QStringFromView(TrimBlanks(computation.altitudeHeaders[i]))} +
              RowTexts(summary.rows[i]))
                 .join(QStringLiteral(" | "));
  }
  return lines;
}

namespace {

// The grid column nearest the row's best-range speed (ties to the first), else the row's grid
// cell of least fuel per nautical mile, else 0.
std::vector<int> SelectColumns(const TableComputation& computation, const TableSummary& summary) {
  const std::vector<GridBestCells> gridBest = FindGridBestCells(computation);
  std::vector<int> columns(summary.rows.size(), 0);
  for (size_t i = 0; i < summary.rows.size(); ++i) {
    const std::optional<ScanPoint>& best = summary.rows[i].bestRange;
    if (!best) {
      columns[i] = gridBest[i].rangeColumn.value_or(0);
      continue;
    }
    double nearest = 0;
    for (int col = 1; col <= computation.SpeedCount(); ++col) {
      const auto j = static_cast<size_t>(col - 1);
      if (computation.speedFailures[j] != CellFailure::None) continue;
      const double distance = std::fabs(computation.speeds[j] - best->cas);
      if (columns[i] == 0 || distance < nearest) {
        columns[i] = col;
        nearest = distance;
      }
    }
  }
  return columns;
}

}  // namespace

struct SummaryWindow::Result {
  std::shared_ptr<const TableComputation> computation;
  SummaryStatus status = SummaryStatus::Done;
  ResultGrid table;
  QString optima;
  std::vector<int> selectColumns;
};

SummaryWindow::SummaryWindow(Workspace& workspace, QWidget* parent, QAction* opener)
    : AnalysisWindow(workspace, parent, opener, kColumns,
                     {QStringLiteral("Cancelled: the summary was not finished. Press Compute to "
                                     "run it again."),
                      QStringLiteral("The summary could not be made: %1.")}) {
  setObjectName(QStringLiteral("frmSummary"));
  setWindowTitle(QStringLiteral("Performance Summary"));
  lblSummaryFor = WrappingLabel("lblSummaryFor", this);
  lblSummaryState = NoticeLabel("lblSummaryState", this);
  lblSummaryOptima = WrappingLabel("lblSummaryOptima", this);
  lblSummaryLegend = WrappingLabel("lblSummaryLegend", this);
  lblSummaryLegend->setText(QStringLiteral(
      "Per altitude, to the knot over the table's speeds: best range (least fuel per nautical "
      "mile) and best endurance (least fuel flow), CAS and TAS in kt, fuel flow in lb/h; "
      "Military and A/B: the least and greatest CAS of steady flight in Military power and in "
      "afterburner. Select a row to find its best-range cell in the grids; Ctrl+C copies."));
  cmdSummaryCompute = new QPushButton(QStringLiteral("&Compute"), this);
  cmdSummaryCompute->setObjectName(QStringLiteral("cmdSummaryCompute"));
  cmdSummaryCompute->setToolTip(QStringLiteral("Summarize the last Compute Table again"));
  grdSummary = AddTableView("grdSummary");
  AddProgress("prgSummary", "cmdSummaryCancel", QStringLiteral("Summarizing the table"));

  auto* top = new QHBoxLayout;
  top->addWidget(lblSummaryFor, 1);
  top->addWidget(cmdSummaryCompute, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(lblSummaryState);
  layout->addWidget(lblSummaryOptima);
  layout->addWidget(grdSummary, 1);
  layout->addWidget(lblSummaryLegend);
  layout->addWidget(progress);
  resize(1080, 480);

  connect(cmdSummaryCompute, &QPushButton::clicked, this, &SummaryWindow::Start);
  connect(&workspace, &Workspace::ComputationChanged, this, &SummaryWindow::ComputationArrived);
  connect(grdSummary->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) SelectInGrids(current.row());
          });
  RefreshState();
}

void SummaryWindow::showEvent(QShowEvent* event) {
  AnalysisWindow::showEvent(event);
  if (!Running() && workspace().computation() && shown() != workspace().computation()) Start();
}

void SummaryWindow::ComputationArrived() {
  if (isVisible()) Start();
}

void SummaryWindow::Start() {
  const std::shared_ptr<const TableComputation> computation = workspace().computation();
  SetNote({});
  if (!computation) {
    RefreshState();
    return;
  }
  Run([this, computation](const AnalysisControl& control) -> AnalysisTask::Delivery {
    auto result = std::make_shared<Result>();
    result->computation = computation;
    const TableSummary summary = SummarizeTable(*computation, control);
    result->status = summary.status;
    if (summary.status == SummaryStatus::Done) {
      result->table = SummaryTable(*computation, summary);
      result->optima = OptimaLine(*computation, summary);
      result->selectColumns = SelectColumns(*computation, summary);
    }
    return [this, result] { ShowResult(*result); };
  });
}

void SummaryWindow::ShowResult(Result& result) {
  selectColumns_ = result.selectColumns;
  lblSummaryOptima->setText(result.optima);
  if (result.status == SummaryStatus::SpeedRangeTooWide) {
    SetNote(QStringLiteral("No summary: the speed headers span more than %1 whole knots.")
                .arg(kMaxScanKnots));
  }
  ShowRun(result.computation, result.status == SummaryStatus::Done
                                  ? std::optional<ResultGrid>(std::move(result.table))
                                  : std::nullopt);
}

void SummaryWindow::RefreshState() {
  lblSummaryFor->setText(shown() ? QStringLiteral("Summary of ") + ComputationCaption(*shown())
                                 : QStringLiteral("No summary yet."));
  QStringList lines;
  if (!workspace().computation())
    lines << QStringLiteral("No table computed yet: press Compute Table first.");
  ShowStateLines(lblSummaryState, lines);
}

// Picks the row's best-range cell in both grids, while the grids still hold that altitude and
// speed where the computation had them.
void SummaryWindow::SelectInGrids(int tableRow) {
  const std::shared_ptr<const TableComputation> shown = this->shown();
  if (!shown || tableRow < 0 || tableRow >= static_cast<int>(selectColumns_.size())) return;
  const int gridRow = tableRow + 1;
  const int gridCol = selectColumns_[static_cast<size_t>(tableRow)];
  if (gridCol == 0 || !workspace().StillComputedAt(*shown, {gridRow, gridCol})) return;
  workspace().SelectCell({gridRow, gridCol});
}

}  // namespace tz9
