// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyses/charts_window.h"

#include <QButtonGroup>
#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "analyses/analysis_view_support.h"
#include "analyses/background_summary.h"
#include "analyses/chart_canvas.h"
#include "analyses/chart_drawing.h"
#include "loadout/loadout.h"
#include "performance/cell_failure.h"
#include "performance/comparison.h"
#include "widgets/image_path_chooser.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

enum ChartIndex { kSpecificRange = 0, kFuelFlow = 1, kEnvelope = 2 };

constexpr const char* kChartNames[] = {"Specific range", "Fuel flow", "Flight envelope"};
constexpr const char* kImageNames[] = {"specific-range", "fuel-flow", "flight-envelope"};

constexpr QRgb kStaleRed = 0xffb00000;
constexpr QRgb kKeyGrey = 0xff505050;
constexpr QRgb kBestRangeBlue = 0xff0072b2;

QColor AltitudeColour(size_t i, size_t count) {
  return QColor::fromRgb(static_cast<QRgb>(0xff000000U | OrderedLineColour(i, count)));
}

QScatterSeries* AddHighlight(ChartCanvas& canvas) {
  return AddMarks(canvas, {}, QScatterSeries::MarkerShapeCircle, 18, Qt::NoBrush,
                  LinePen(Qt::black, Qt::SolidLine, 3), QStringLiteral("Selected cell"));
}

// One run of a line cut where the power changes. A part begins at the last point of the part
// before it, so that the line stays unbroken where the flight stays steady.
struct LinePart {
  PowerRegime regime = PowerRegime::Military;
  QList<QPointF> points;
};

std::vector<LinePart> PartsOf(const std::vector<ScanPoint>& run, ChartSpeed speed,
                              ChartQuantity quantity) {
  std::vector<LinePart> parts;
  bool gap = false;  // a point without a value broke the line
  for (const ScanPoint& point : run) {
    if (!std::isfinite(QuantityOf(point, quantity))) {
      gap = true;
      continue;
    }
    if (gap) {
      parts.push_back(LinePart{point.regime, {}});
      gap = false;
    } else if (parts.empty() || parts.back().regime != point.regime) {
      LinePart part{point.regime, {}};
      if (!parts.empty()) part.points.push_back(parts.back().points.back());
      parts.push_back(std::move(part));
    }
    parts.back().points.push_back({SpeedOf(point, speed), QuantityOf(point, quantity)});
  }
  return parts;
}

QString QuantityAxisTitle(ChartQuantity quantity) {
  switch (quantity) {
    case ChartQuantity::NmPer1000Lb:
      return QStringLiteral("Specific range (NM per 1000 lb)");
    case ChartQuantity::LbsPerNm:
      return QStringLiteral("Fuel per nautical mile (lb/NM)");
    case ChartQuantity::FuelFlow:
      return QStringLiteral("Fuel flow (lb/h)");
  }
  return {};
}

QString AltitudeName(const TableComputation& computation, int row) {
  return QString::fromStdString(computation.altitudeHeaders[static_cast<size_t>(row - 1)])
      .trimmed();
}

QString SpeedName(const TableComputation& computation, int col) {
  return QString::fromStdString(computation.speedHeaders[static_cast<size_t>(col - 1)]).trimmed() +
         QStringLiteral(" kt");
}

// "generic-fighter.dat, 35600 lb, 2 AIM120, 1 ALQ131, 2 370USG"
QString TitleOf(const TableComputation& computation) {
  QStringList stores;
  for (size_t i = 0; i < computation.counts.size(); ++i) {
    if (computation.counts[i] == 0) continue;
    stores << QString::fromStdString(computation.countTexts[i]).trimmed() + QLatin1Char(' ') +
                  QString::fromLatin1(StoreTable[i].store);
  }
  if (stores.isEmpty()) stores << QStringLiteral("no stores");
  return QString::fromStdString(computation.aircraft->AircraftFileName) + QStringLiteral(", ") +
         QString::fromStdString(computation.compWeightText).trimmed() + QStringLiteral(" lb, ") +
         stores.join(QStringLiteral(", "));
}

// The changes that make the charts out of date; the second grid's choice changes none of
// their numbers.
QStringList StaleReasons(const Staleness& staleness) {
  QStringList reasons;
  if (staleness.tableRelaid) reasons << QStringLiteral("the table was laid out again");
  if (staleness.inputsEdited) reasons << QStringLiteral("the weight or a store count changed");
  if (staleness.aircraftChanged) reasons << QStringLiteral("another aircraft was loaded");
  return reasons;
}

bool SameStaleness(const Staleness& a, const Staleness& b) {
  return a.tableRelaid == b.tableRelaid && a.inputsEdited == b.inputsEdited &&
         a.aircraftChanged == b.aircraftChanged;
}

QString RegionName(EnvelopeRegion region) {
  switch (region) {
    case EnvelopeRegion::MilitarySubsonic:
      return QStringLiteral("Military, subsonic");
    case EnvelopeRegion::MilitarySupersonic:
      return QStringLiteral("Military, supersonic");
    case EnvelopeRegion::AfterburnerSubsonic:
      return QStringLiteral("Afterburner, subsonic");
    case EnvelopeRegion::AfterburnerSupersonic:
      return QStringLiteral("Afterburner, supersonic");
    case EnvelopeRegion::NoSteadyFlight:
      return QStringLiteral("No steady flight");
    case EnvelopeRegion::NotComputed:
      return QStringLiteral("Not computed");
  }
  return {};
}

// "600 kt at 0 ft: afterburner, 17110 lb/h, 28.51 lb/NM, Mach 0.91"
QString CellDescription(const TableComputation& computation, GridCell cell) {
  const CellResult& result = computation.Cell(cell.row, cell.col);
  const QString where = SpeedName(computation, cell.col) + QStringLiteral(" at ") +
                        AltitudeName(computation, cell.row) + QStringLiteral(": ");
  if (result.failure != CellFailure::None) {
    return where + QStringLiteral("could not be computed, ") +
           QString::fromUtf8(CellFailureText(result.failure).data(),
                             static_cast<qsizetype>(CellFailureText(result.failure).size()));
  }
  if (!result.Steady()) return where + QStringLiteral("no steady flight");
  const QString power = result.regime == PowerRegime::Military ? QStringLiteral("Military power")
                                                               : QStringLiteral("afterburner");
  return where + QStringLiteral("%1, %2 lb/h, %3 lb/NM, Mach %4")
                     .arg(power)
                     .arg(result.fuelFlow, 0, 'f', 0)
                     .arg(result.lbsPerNm, 0, 'f', 3)
                     .arg(result.mach, 0, 'f', 2);
}

}  // namespace

frmCharts::frmCharts(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace) {
  setObjectName(QStringLiteral("frmCharts"));
  setWindowTitle(QStringLiteral("Charts"));
  resize(1100, 720);
  BuildControls();
  summaryWorker_ = new BackgroundSummary(this);
  imageChooser_ = std::make_unique<DialogImagePathChooser>(this);
  ConnectHandlers();
}

frmCharts::~frmCharts() {
  summaryWorker_->Stop();  // its thread reads nothing of this window, but stop it first
}

void frmCharts::SetImagePathChooser(std::unique_ptr<ImagePathChooser> chooser) {
  imageChooser_ = std::move(chooser);
}

void frmCharts::BuildControls() {
  const auto named = [](auto* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
  };
  lblSpeedAxis = named(new QLabel(QStringLiteral("Speed axis:"), this), "lblSpeedAxis");
  optSpeedCas = named(new QRadioButton(QStringLiteral("CAS"), this), "optSpeedCas");
  optSpeedTas = named(new QRadioButton(QStringLiteral("TAS"), this), "optSpeedTas");
  optSpeedMach = named(new QRadioButton(QStringLiteral("Mach"), this), "optSpeedMach");
  optSpeedCas->setChecked(true);
  lblRangeUnit = named(new QLabel(QStringLiteral("Specific range in:"), this), "lblRangeUnit");
  optRangeNmPerKlb =
      named(new QRadioButton(QStringLiteral("NM per 1000 lb"), this), "optRangeNmPerKlb");
  optRangeLbPerNm = named(new QRadioButton(QStringLiteral("lb per NM"), this), "optRangeLbPerNm");
  optRangeNmPerKlb->setChecked(true);
  auto* rangeUnits = new QButtonGroup(this);  // apart from the speed axis' buttons
  rangeUnits->addButton(optRangeNmPerKlb);
  rangeUnits->addButton(optRangeLbPerNm);
  cmdSaveImage = named(new QPushButton(QStringLiteral("Save Image…"), this), "cmdSaveImage");
  lblAltitudes = named(new QLabel(QStringLiteral("Altitudes drawn:"), this), "lblAltitudes");
  lstAltitudes = named(new QListWidget(this), "lstAltitudes");
  lstAltitudes->setFixedWidth(130);
  lstAltitudes->setUniformItemSizes(true);
  cmdEvenSpread = named(new QPushButton(QStringLiteral("Even Spread"), this), "cmdEvenSpread");
  tabCharts = named(new QTabWidget(this), "tabCharts");
  chtSpecificRange = named(new ChartCanvas(tabCharts), "chtSpecificRange");
  chtFuelFlow = named(new ChartCanvas(tabCharts), "chtFuelFlow");
  chtEnvelope = named(new ChartCanvas(tabCharts), "chtEnvelope");
  const std::array<ChartCanvas*, 3> canvases = {chtSpecificRange, chtFuelFlow, chtEnvelope};
  for (size_t i = 0; i < canvases.size(); ++i)
    tabCharts->addTab(canvases[i], QString::fromLatin1(kChartNames[i]));
  envelopeItem_ = new EnvelopeItem(*chtEnvelope);
  chtEnvelope->scene()->addItem(envelopeItem_);
  lblChartStatus = named(new QLabel(this), "lblChartStatus");
  lblChartScan = named(new QLabel(this), "lblChartScan");
  LayOutControls();
}

// The speed axis and Save Image above the charts, the altitudes beside them, the status below.
void frmCharts::LayOutControls() {
  auto* axisRow = new QHBoxLayout();
  for (QWidget* widget : {static_cast<QWidget*>(lblSpeedAxis), static_cast<QWidget*>(optSpeedCas),
                          static_cast<QWidget*>(optSpeedTas), static_cast<QWidget*>(optSpeedMach)})
    axisRow->addWidget(widget);
  axisRow->addSpacing(24);
  for (QWidget* widget :
       {static_cast<QWidget*>(lblRangeUnit), static_cast<QWidget*>(optRangeNmPerKlb),
        static_cast<QWidget*>(optRangeLbPerNm)})
    axisRow->addWidget(widget);
  axisRow->addStretch(1);
  axisRow->addWidget(cmdSaveImage);
  auto* statusRow = new QHBoxLayout();
  statusRow->addWidget(lblChartStatus, 1);
  statusRow->addWidget(lblChartScan);
  auto* right = new QVBoxLayout();
  right->addLayout(axisRow);
  right->addWidget(tabCharts, 1);
  right->addLayout(statusRow);
  auto* left = new QVBoxLayout();
  left->addWidget(lblAltitudes);
  left->addWidget(lstAltitudes, 1);
  left->addWidget(cmdEvenSpread);
  auto* whole = new QHBoxLayout(this);
  whole->addLayout(left);
  whole->addLayout(right, 1);
}

void frmCharts::ConnectHandlers() {
  // Hidden, the window lets go of the computation it drew (a million cells hold 40 MB) and
  // draws the new one when shown.
  connect(&workspace_, &Workspace::ComputationChanged, this, [this] {
    dirty_ = true;
    if (isVisible()) {
      TakeComputation();
      return;
    }
    summaryWorker_->Stop();
    computation_.reset();
    summary_.reset();
  });
  connect(&workspace_, &Workspace::CurrentCellChanged, this, &frmCharts::GridCurrentChanged);
  connect(&workspace_, &Workspace::BaselineChanged, this, [this] {
    if (!isVisible()) {
      dirty_ = true;
      return;
    }
    DrawLines();
    DrawHighlight();
    UpdateTitles();
  });
  connect(summaryWorker_, &BackgroundSummary::Finished, this, &frmCharts::SummaryFinished);
  connect(summaryWorker_, &BackgroundSummary::Failed, this, [this](const QString& reason) {
    lblChartScan->setText(QStringLiteral("The band limits could not be found: %1.").arg(reason));
  });
  for (QRadioButton* option : {optSpeedCas, optSpeedTas, optSpeedMach}) {
    connect(option, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) SpeedAxisToggled();
    });
  }
  connect(optRangeLbPerNm, &QRadioButton::toggled, this, [this](bool lbPerNm) {
    rangeQuantity_ = lbPerNm ? ChartQuantity::LbsPerNm : ChartQuantity::NmPer1000Lb;
    DrawLineChart(*chtSpecificRange, rangeQuantity_);
    DrawHighlight();
  });
  connect(lstAltitudes, &QListWidget::itemChanged, this, &frmCharts::AltitudeItemChanged);
  connect(cmdEvenSpread, &QPushButton::clicked, this, &frmCharts::cmdEvenSpread_Click);
  connect(cmdSaveImage, &QPushButton::clicked, this, &frmCharts::cmdSaveImage_Click);
  for (ChartCanvas* canvas : {chtSpecificRange, chtFuelFlow, chtEnvelope}) {
    connect(canvas, &ChartCanvas::Clicked, this,
            [this, canvas](QPointF value) { Chart_Click(canvas, value); });
  }
  connect(chtEnvelope->chart(), &QChart::plotAreaChanged, this,
          [this] { envelopeItem_->PlotAreaChanged(); });
  // While shown, the titles say at once what the charts no longer match; a new computation is
  // drawn whole by its own handler, and a hidden window catches up when shown.
  connect(&workspace_, &Workspace::StalenessMayHaveChanged, this, [this] {
    if (!isVisible() || !computation_ || computation_ != workspace_.computation() ||
        SameStaleness(staleness_, workspace_.CurrentStaleness())) {
      return;
    }
    UpdateTitles();
    DrawHighlight();
  });
}

void frmCharts::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (dirty_) {
    TakeComputation();
  } else {
    UpdateTitles();
    DrawHighlight();
  }
}

ChartCanvas* frmCharts::ShownCanvas() const {
  return static_cast<ChartCanvas*>(tabCharts->currentWidget());
}

bool frmCharts::TableRelaid() const {
  return computation_ && workspace_.CurrentStaleness().tableRelaid;
}

// Everything anew from the form's last computation. The user's choice of rows holds while the
// rows are the same.
void frmCharts::TakeComputation() {
  dirty_ = false;
  const std::shared_ptr<const TableComputation> computation = workspace_.computation();
  if (!computation || computation->altitudeHeaders != pickedFrom_) picked_.clear();
  pickedFrom_ = computation ? computation->altitudeHeaders : std::vector<std::string>();
  computation_ = computation;
  summary_.reset();
  summaryWorker_->Stop();
  lblChartScan->clear();
  envelope_.reset();
  current_ = CurrentCellOfGrids();
  if (computation_) {
    summaryWorker_->Start(computation_);
    if (summaryWorker_->Running()) {
      lblChartScan->setText(QStringLiteral("Scanning every altitude for the band limits…"));
    }
    envelope_ = std::make_shared<const EnvelopeMap>(BuildEnvelopeMap(*computation_, speed_));
  }
  RowsChanged();
  UpdateTitles();
  ShowSelectedCell();
}

// The first grid's current cell, else the second's.
std::optional<GridCell> frmCharts::CurrentCellOfGrids() const {
  if (auto cell = workspace_.currentCell(WhichGrid::First)) return cell;
  return workspace_.currentCell(WhichGrid::Second);
}

// The rows drawn chosen again, and the charts drawn over them.
void frmCharts::RowsChanged() {
  ChooseRows();
  FillAltitudeList();
  DrawLines();
  DrawEnvelope();
  DrawHighlight();
}

void frmCharts::SummaryFinished(const std::shared_ptr<const TableComputation>& computation,
                                const std::shared_ptr<const TableSummary>& summary) {
  if (computation != computation_) return;
  lblChartScan->clear();
  if (summary->status != SummaryStatus::Done) return;
  summary_ = summary;
  DrawEnvelope();
  DrawHighlight();
}

void frmCharts::GridCurrentChanged() {
  const std::optional<GridCell> current = workspace_.currentCell();
  if (!current) return;
  const GridCell cell = *current;
  if (current_ == cell && !dirty_) return;
  current_ = cell;
  if (!isVisible()) {
    dirty_ = true;
    return;
  }
  if (!computation_) return;
  const std::vector<int> before = rows_;
  ChooseRows();
  if (rows_ != before) {
    RowsChanged();
  } else {
    DrawHighlight();
  }
  ShowSelectedCell();
}

void frmCharts::SpeedAxisToggled() {
  speed_ = optSpeedMach->isChecked()  ? ChartSpeed::Mach
           : optSpeedTas->isChecked() ? ChartSpeed::Tas
                                      : ChartSpeed::Cas;
  if (computation_) {
    envelope_ = std::make_shared<const EnvelopeMap>(BuildEnvelopeMap(*computation_, speed_));
  }
  DrawLines();
  DrawEnvelope();
  DrawHighlight();
}

void frmCharts::AltitudeItemChanged(QListWidgetItem*) {
  picked_.clear();
  for (int i = 0; i < lstAltitudes->count(); ++i) {
    if (lstAltitudes->item(i)->checkState() == Qt::Checked) picked_.push_back(i + 1);
  }
  RowsChanged();
}

void frmCharts::cmdEvenSpread_Click() {
  picked_.clear();
  RowsChanged();
}

void frmCharts::ChooseRows() {
  if (!computation_) {
    rows_.clear();
    return;
  }
  std::optional<int> selected;
  if (current_ && !TableRelaid()) selected = current_->row;
  rows_ = ChooseChartRows(computation_->AltitudeCount(), picked_, selected);
}

// One checkable entry per altitude row, checked where the row is drawn.
void frmCharts::FillAltitudeList() {
  const QSignalBlocker blocker(lstAltitudes);
  const int count = computation_ ? computation_->AltitudeCount() : 0;
  if (lstAltitudes->count() != count) {
    lstAltitudes->clear();
    for (int row = 1; row <= count; ++row) {
      auto* item = new QListWidgetItem(AltitudeName(*computation_, row), lstAltitudes);
      item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    }
  }
  for (int row = 1; row <= count; ++row) {
    QListWidgetItem* item = lstAltitudes->item(row - 1);
    item->setText(AltitudeName(*computation_, row));
    const bool drawn = std::binary_search(rows_.begin(), rows_.end(), row);
    item->setCheckState(drawn ? Qt::Checked : Qt::Unchecked);
  }
}

void frmCharts::DrawLines() {
  lines_ = computation_ ? BuildAltitudeLines(*computation_, rows_) : std::vector<AltitudeLine>();
  std::vector<int> baselineRows;
  baselineOf_.clear();
  const std::shared_ptr<const TableComputation> baseline = workspace_.baseline();
  if (computation_ && baseline) {
    for (const MatchedIndex& row : MatchAxes(*computation_, *baseline).rows) {
      const auto drawn = std::find(rows_.begin(), rows_.end(), row.current);
      if (drawn == rows_.end()) continue;
      baselineRows.push_back(row.baseline);
      baselineOf_.push_back(static_cast<size_t>(drawn - rows_.begin()));
    }
  }
  baselineLines_ =
      baseline ? BuildAltitudeLines(*baseline, baselineRows) : std::vector<AltitudeLine>();
  DrawLineChart(*chtSpecificRange, rangeQuantity_);
  DrawLineChart(*chtFuelFlow, ChartQuantity::FuelFlow);
}

// The extent of the lines drawn.
std::pair<Range, Range> LineExtents(const std::vector<AltitudeLine>& lines, ChartSpeed speed,
                                    ChartQuantity quantity) {
  Range xs;
  Range ys;
  for (const AltitudeLine& line : lines) {
    for (const std::vector<ScanPoint>& run : line.runs) {
      for (const ScanPoint& point : run) {
        if (!std::isfinite(QuantityOf(point, quantity))) continue;
        xs.Take(SpeedOf(point, speed));
        ys.Take(QuantityOf(point, quantity));
      }
    }
  }
  return {xs, ys};
}

// One colour per altitude, solid in Military power and dashed in afterburner, with the best
// points of each altitude marked. The axes are set first: a series attached to axes that still
// grow makes every series before it lay out again.
void frmCharts::DrawLineChart(ChartCanvas& canvas, ChartQuantity quantity) {
  const BatchedChanges batch(canvas);
  canvas.chart()->removeAllSeries();
  const bool range = quantity != ChartQuantity::FuelFlow;
  auto [xs, ys] = LineExtents(lines_, speed_, quantity);
  const auto [baselineXs, baselineYs] = LineExtents(baselineLines_, speed_, quantity);
  for (const double x : {baselineXs.least, baselineXs.greatest})
    xs.Take(x);
  for (const double y : {baselineYs.least, baselineYs.greatest})
    ys.Take(y);
  SetAxis(*canvas.XAxis(), SpeedAxisTitle(speed_), SpeedLabelFormat(speed_), xs, true);
  SetAxis(*canvas.YAxis(), QuantityAxisTitle(quantity),
          quantity == ChartQuantity::LbsPerNm ? QStringLiteral("%.1f") : QStringLiteral("%.0f"), ys,
          true);
  // The baseline's lines first, under the current ones: the colour of their altitude, lighter.
  for (size_t k = 0; k < baselineLines_.size(); ++k) {
    QColor colour = AltitudeColour(baselineOf_[k], lines_.size());
    colour.setAlphaF(0.4);
    for (const std::vector<ScanPoint>& run : baselineLines_[k].runs) {
      for (const LinePart& part : PartsOf(run, speed_, quantity)) {
        const bool afterburner = part.regime == PowerRegime::Afterburner;
        AddLine(canvas, part.points, LinePen(colour, afterburner ? Qt::DashLine : Qt::SolidLine, 2),
                QString());
      }
    }
  }
  std::vector<LineLabel> labels;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const AltitudeLine& line = lines_[i];
    const QColor colour = AltitudeColour(i, lines_.size());
    if (!line.Empty()) {
      const ScanPoint& end = line.runs.back().back();
      if (std::isfinite(QuantityOf(end, quantity))) {
        labels.push_back({AltitudeName(*computation_, line.row), colour,
                          QPointF(SpeedOf(end, speed_), QuantityOf(end, quantity))});
      }
    }
    // The altitude's legend entry, solid whatever the power of its first points.
    AddLine(canvas, {}, LinePen(colour, Qt::SolidLine, 2),
            AltitudeName(*computation_, line.row) +
                (line.Empty() ? QStringLiteral(": no steady flight") : QString()));
    for (const std::vector<ScanPoint>& run : line.runs) {
      for (const LinePart& part : PartsOf(run, speed_, quantity)) {
        const bool afterburner = part.regime == PowerRegime::Afterburner;
        AddLine(canvas, part.points, LinePen(colour, afterburner ? Qt::DashLine : Qt::SolidLine, 2),
                QString());
      }
    }
  }
  const QColor grey = QColor::fromRgb(kKeyGrey);
  AddLine(canvas, {}, LinePen(grey, Qt::SolidLine, 2), QStringLiteral("Military power"));
  AddLine(canvas, {}, LinePen(grey, Qt::DashLine, 2), QStringLiteral("Afterburner"));
  if (!baselineLines_.empty()) {
    QColor light = grey;
    light.setAlphaF(0.4);
    AddLine(canvas, {}, LinePen(light, Qt::SolidLine, 2), QStringLiteral("baseline"));
  }
  if (range) {
    QString name = QStringLiteral("Best-range line");
    for (const std::vector<ScanPoint>& joined : BestRangeLine(lines_)) {
      QList<QPointF> points;
      for (const ScanPoint& point : joined)
        points.push_back({SpeedOf(point, speed_), QuantityOf(point, quantity)});
      AddLine(canvas, points, LinePen(Qt::black, Qt::DotLine, 1.5), name);
      name.clear();
    }
  }
  QList<QPointF> marks;
  for (const AltitudeLine& line : lines_) {
    const std::optional<ScanPoint>& best = range ? line.marks.bestRange : line.marks.bestEndurance;
    if (best) marks.push_back({SpeedOf(*best, speed_), QuantityOf(*best, quantity)});
  }
  AddMarks(canvas, marks,
           range ? QScatterSeries::MarkerShapeCircle : QScatterSeries::MarkerShapeRotatedRectangle,
           11, Qt::black, LinePen(Qt::white, Qt::SolidLine, 1.5),
           range ? QStringLiteral("Best range") : QStringLiteral("Best endurance"));
  highlights_[range ? kSpecificRange : kFuelFlow] = AddHighlight(canvas);
  canvas.SetLineLabels(std::move(labels));
}

// The regions painted under the chart, then the band limits and the best-range line: from
// every row once the summary is in, from the rows drawn until then.
void frmCharts::DrawEnvelope() {
  ChartCanvas& canvas = *chtEnvelope;
  const BatchedChanges batch(canvas);
  canvas.chart()->removeAllSeries();
  const bool drawn = envelope_ && !envelope_->Empty();
  SetAxis(*canvas.XAxis(), SpeedAxisTitle(speed_), SpeedLabelFormat(speed_),
          drawn ? Range{envelope_->speedMin, envelope_->speedMax} : Range{}, false);
  SetAxis(*canvas.YAxis(), QStringLiteral("Altitude (ft)"), QStringLiteral("%.0f"),
          drawn ? Range{envelope_->altitudeMin, envelope_->altitudeMax} : Range{}, false);
  envelopeItem_->SetMap(envelope_);
  for (EnvelopeRegion region :
       {EnvelopeRegion::MilitarySubsonic, EnvelopeRegion::MilitarySupersonic,
        EnvelopeRegion::AfterburnerSubsonic, EnvelopeRegion::AfterburnerSupersonic,
        EnvelopeRegion::NoSteadyFlight, EnvelopeRegion::NotComputed}) {
    AddMarks(canvas, {}, QScatterSeries::MarkerShapeRectangle, 12, EnvelopeRegionColour(region),
             LinePen(QColor::fromRgb(kKeyGrey), Qt::SolidLine, 1), RegionName(region));
  }
  if (computation_) {
    const EnvelopeLines lines = summary_ ? BuildEnvelopeLines(*computation_, *summary_, speed_)
                                         : BuildEnvelopeLines(*computation_, lines_, speed_);
    const auto addAll = [&](std::initializer_list<const std::vector<EnvelopePolyline>*> sets,
                            const QPen& pen, QString name) {
      for (const std::vector<EnvelopePolyline>* set : sets) {
        for (const EnvelopePolyline& polyline : *set) {
          QList<QPointF> points;
          for (const EnvelopePoint& point : polyline)
            points.push_back({point.speed, point.altitudeFeet});
          AddLine(canvas, points, pen, name);
          name.clear();
        }
      }
    };
    addAll({&lines.militaryLeast, &lines.militaryGreatest}, LinePen(Qt::black, Qt::SolidLine, 2),
           QStringLiteral("Military band limits"));
    addAll({&lines.afterburnerLeast, &lines.afterburnerGreatest},
           LinePen(Qt::black, Qt::DashLine, 2), QStringLiteral("Afterburner band limits"));
    addAll({&lines.bestRange}, LinePen(QColor::fromRgb(kBestRangeBlue), Qt::SolidLine, 3),
           QStringLiteral("Best-range line"));
  }
  highlights_[kEnvelope] = AddHighlight(canvas);
}

// The grids' current cell on every chart, unless the grids no longer show the computation's
// table.
void frmCharts::DrawHighlight() {
  std::array<std::optional<ChartPosition>, 3> at;
  if (computation_ && current_ && !TableRelaid()) {
    at[kSpecificRange] = CellOnLineChart(*computation_, *current_, speed_, rangeQuantity_);
    at[kFuelFlow] = CellOnLineChart(*computation_, *current_, speed_, ChartQuantity::FuelFlow);
    at[kEnvelope] = CellOnEnvelope(*computation_, *current_, speed_);
  }
  for (size_t i = 0; i < at.size(); ++i) {
    if (highlights_[i] == nullptr) continue;
    highlights_[i]->replace(at[i] ? QList<QPointF>{QPointF(at[i]->x, at[i]->y)} : QList<QPointF>());
  }
}

void frmCharts::UpdateTitles() {
  staleness_ = computation_ ? workspace_.CurrentStaleness() : Staleness{};
  const QStringList reasons = StaleReasons(staleness_);
  for (int i = kSpecificRange; i <= kEnvelope; ++i) {
    ChartCanvas* canvas = static_cast<ChartCanvas*>(tabCharts->widget(i));
    QString title = QString::fromLatin1(kChartNames[i]) + QStringLiteral(": ");
    title += computation_
                 ? TitleOf(*computation_).toHtmlEscaped()
                 : QStringLiteral("no table computed yet; press Compute Table in the main window");
    if (i != kEnvelope && !baselineLines_.empty())
      title += QStringLiteral("<br>") + BaselineCaption(workspace_).toHtmlEscaped();
    if (!reasons.isEmpty()) {
      title += QStringLiteral("<br><span style=\"color:%1\">Out of date: %2 since.</span>")
                   .arg(QColor::fromRgb(kStaleRed).name(), reasons.join(QStringLiteral(", ")));
    }
    canvas->chart()->setTitle(title);
  }
}

void frmCharts::ShowSelectedCell() {
  if (!computation_ || !current_ || TableRelaid() ||
      current_->row > computation_->AltitudeCount() || current_->col > computation_->SpeedCount()) {
    lblChartStatus->clear();
    return;
  }
  lblChartStatus->setText(CellDescription(*computation_, *current_));
}

void frmCharts::Chart_Click(ChartCanvas* canvas, QPointF value) {
  if (!computation_) return;
  if (TableRelaid()) {
    lblChartStatus->setText(
        QStringLiteral("The table was laid out again since these charts were drawn: press "
                       "Compute Table to link them to the grids again."));
    return;
  }
  const ChartPosition clicked{value.x(), value.y()};
  std::optional<GridCell> cell;
  if (canvas == chtEnvelope) {
    cell = NearestCellOnEnvelope(*computation_, speed_, clicked);
  } else {
    const PlotMapping mapping = canvas->Mapping();
    const ChartQuantity quantity = canvas == chtFuelFlow ? ChartQuantity::FuelFlow : rangeQuantity_;
    cell = NearestCellOnLineChart(*computation_, lines_, speed_, quantity, clicked,
                                  {mapping.xMax - mapping.xMin, mapping.yMax - mapping.yMin});
  }
  if (!cell) {
    lblChartStatus->setText(QStringLiteral("No point of the chart is near there."));
    return;
  }
  SelectGridCell(*cell);
}

// Both grids move to the cell; the highlight follows through their current-cell signals.
void frmCharts::SelectGridCell(GridCell cell) {
  workspace_.SelectCell(cell);
  current_ = cell;
  DrawHighlight();
  ShowSelectedCell();
}

void frmCharts::cmdSaveImage_Click() {
  const std::optional<QString> path = imageChooser_->ChooseImagePath(
      QString::fromLatin1(kImageNames[tabCharts->currentIndex()]) + QStringLiteral(".png"));
  if (path) SaveImage(*path);
}

bool frmCharts::SaveImage(const QString& path) {
  bool written = false;
  lblChartStatus->setText(
      SaveChartImage(*ShownCanvas(), path, tabCharts->tabText(tabCharts->currentIndex()), written));
  return written;
}

}  // namespace tz9
