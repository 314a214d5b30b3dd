// SPDX-License-Identifier: GPL-3.0-or-later
// frmCharts: the "Charts" window. Three charts of the last computed table (specific range, fuel
// flow, flight envelope) on a speed axis of CAS, TAS or Mach, for a readable choice of the
// altitude rows; linked to the grids both ways, and saved as PNG or SVG. The altitudes' lines
// take an ordered colour scale, darkest lowest in the table, and are named at their ends; the
// axes of the line charts fit their values between round limits.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "performance/best_speeds.h"
#include "performance/chart_model.h"
#include "performance/table_computation.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QScatterSeries;
class QTabWidget;

namespace tz9 {

class BackgroundSummary;
class ChartCanvas;
class EnvelopeItem;
class ImagePathChooser;
class Workspace;

// Named as the rest of the program knows it.
class frmCharts final : public QWidget {
  Q_OBJECT

 public:
  // A window of parent's, drawn from the workspace's last computation and following the next
  // ones.
  frmCharts(Workspace& workspace, QWidget* parent);
  ~frmCharts() override;

  // The tests answer the Save Image dialog through this.
  void SetImagePathChooser(std::unique_ptr<ImagePathChooser> chooser);

  QLabel* lblSpeedAxis = nullptr;
  QRadioButton* optSpeedCas = nullptr;
  QRadioButton* optSpeedTas = nullptr;
  QRadioButton* optSpeedMach = nullptr;
  QLabel* lblRangeUnit = nullptr;
  QRadioButton* optRangeNmPerKlb = nullptr;  // specific range as NM per 1000 lb (at the start)
  QRadioButton* optRangeLbPerNm = nullptr;   // or as the lower grid's lb/NM
  QPushButton* cmdSaveImage = nullptr;
  QLabel* lblAltitudes = nullptr;
  QListWidget* lstAltitudes = nullptr;  // checkable: the rows drawn
  QPushButton* cmdEvenSpread = nullptr;
  QTabWidget* tabCharts = nullptr;
  ChartCanvas* chtSpecificRange = nullptr;
  ChartCanvas* chtFuelFlow = nullptr;
  ChartCanvas* chtEnvelope = nullptr;
  QLabel* lblChartStatus = nullptr;  // the selected cell, or why a command did nothing
  QLabel* lblChartScan = nullptr;    // while every row is scanned for the band limits

  // Handlers.
  void cmdSaveImage_Click();
  void cmdEvenSpread_Click();
  // A click at a position in the axes' values of one of the three charts.
  void Chart_Click(ChartCanvas* canvas, QPointF value);
  // Writes the chart shown as PNG or SVG, by the path's ending; says why in the status line
  // when it cannot, and then leaves no file behind.
  bool SaveImage(const QString& path);

  // What the window shows.
  ChartSpeed Speed() const { return speed_; }
  ChartQuantity RangeQuantity() const { return rangeQuantity_; }
  std::optional<GridCell> HighlightedCell() const { return current_; }
  const std::vector<int>& DrawnRows() const { return rows_; }
  // True once the band limits and the best-range line of the envelope come from every row.
  bool EnvelopeFromEveryRow() const { return summary_ != nullptr; }
  ChartCanvas* ShownCanvas() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void LayOutControls();
  void ConnectHandlers();

  void TakeComputation();
  void SummaryFinished(const std::shared_ptr<const TableComputation>& computation,
                       const std::shared_ptr<const TableSummary>& summary);
  void GridCurrentChanged();
  void SpeedAxisToggled();
  void AltitudeItemChanged(QListWidgetItem* item);
  void SelectGridCell(GridCell cell);

  std::optional<GridCell> CurrentCellOfGrids() const;
  void RowsChanged();
  void ChooseRows();
  void FillAltitudeList();
  void DrawLines();
  void DrawLineChart(ChartCanvas& canvas, ChartQuantity quantity);
  void DrawEnvelope();
  void DrawHighlight();
  void UpdateTitles();
  void ShowSelectedCell();
  bool TableRelaid() const;

  Workspace& workspace_;
  std::shared_ptr<const TableComputation> computation_;
  std::shared_ptr<const TableSummary> summary_;  // of computation_, once every row is scanned
  std::vector<int> picked_;                      // rows the user picked; none: evenly spread
  std::vector<std::string> pickedFrom_;          // the altitude headers the rows are of
  std::vector<int> rows_;                        // rows drawn
  std::vector<AltitudeLine> lines_;
  // The pinned baseline's lines at the altitudes drawn that it has, each with the index in
  // lines_ of the current line of its altitude (whose colour it takes).
  std::vector<AltitudeLine> baselineLines_;
  std::vector<size_t> baselineOf_;
  std::shared_ptr<const EnvelopeMap> envelope_;
  std::optional<GridCell> current_;  // the grids' current cell
  ChartSpeed speed_ = ChartSpeed::Cas;
  ChartQuantity rangeQuantity_ = ChartQuantity::NmPer1000Lb;
  Staleness staleness_;
  bool dirty_ = true;                   // a computation or current cell came while hidden
  QScatterSeries* highlights_[3] = {};  // the current cell on each chart
  BackgroundSummary* summaryWorker_ = nullptr;
  EnvelopeItem* envelopeItem_ = nullptr;  // owned by the envelope chart's scene
  std::unique_ptr<ImagePathChooser> imageChooser_;
};

}  // namespace tz9
