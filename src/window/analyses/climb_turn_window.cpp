// SPDX-License-Identifier: GPL-3.0-or-later
// The climb and turn window's layout, its g limit and its refusal, the table's texts, the runs
// off the window's thread, and the three charts.

#include "analyses/climb_turn_window.h"

#include <QButtonGroup>
#include <QChart>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <array>
#include <utility>

#include "analyses/analysis_task.h"
#include "analyses/analysis_view_support.h"
#include "analyses/chart_canvas.h"
#include "analyses/chart_drawing.h"
#include "common/number_text.h"
#include "grids/result_grid_view.h"
#include "widgets/image_path_chooser.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

constexpr int kColumnTwips = 1350;
constexpr std::array<TableColumn, 14> kColumns = {{
    {"Altitude", 1200},
    {"Mil climb CAS", kColumnTwips},
    {"Mil ft/min", kColumnTwips},
    {"A/B climb CAS", kColumnTwips},
    {"A/B ft/min", kColumnTwips},
    {"Mil time min", kColumnTwips},
    {"Mil fuel lb", kColumnTwips},
    {"A/B time min", kColumnTwips},
    {"A/B fuel lb", kColumnTwips},
    {"Turn CAS", kColumnTwips},
    {"Turn g", kColumnTwips},
    {"Turn deg/s", kColumnTwips},
    {"Corner CAS", kColumnTwips},
    {"Corner deg/s", kColumnTwips},
}};

enum ChartIndex { kEm = 0, kClimbRate = 1, kTimeToClimb = 2 };
constexpr const char* kChartNames[] = {"E-M diagram", "Climb rate", "Time to climb"};
constexpr const char* kImageNames[] = {"em-diagram", "climb-rate", "time-to-climb"};

constexpr QRgb kMilitaryBlue = 0xff0072b2;
constexpr QRgb kAfterburnerOrange = 0xffd55e00;
constexpr QRgb kPsGreen = 0xff009e73;
constexpr QRgb kGuideGrey = 0xffb4b4b4;
constexpr QRgb kCornerRed = 0xffcc0000;

QString None() {
  return QStringLiteral("------");
}

QString Altitude(const TableComputation& computation, int gridRow) {
  return QStringFromView(TrimBlanks(computation.altitudeHeaders[static_cast<size_t>(gridRow - 1)]));
}

QString Figure(const std::optional<double>& value, int decimals) {
  return value ? QString::number(*value, 'f', decimals) : None();
}

QStringList RowTexts(const ClimbTurnRow& row) {
  QStringList texts;
  for (const PowerClimb* climb : {&row.military, &row.afterburner}) {
    if (climb->best) {
      texts << Shortest(climb->best->casKnots) << QString::number(climb->best->rateFpm, 'f', 0);
    } else {
      texts << None() << None();
    }
  }
  for (const PowerClimb* climb : {&row.military, &row.afterburner})
    texts << Figure(climb->timeMin, 1) << Figure(climb->fuelLb, 0);
  if (const auto& turn = row.bestSustainedTurn) {
    texts << Shortest(turn->casKnots) << QString::number(turn->loadFactor, 'f', 2)
          << QString::number(turn->rateDegS, 'f', 1);
  } else {
    texts << None() << None() << None();
  }
  if (const auto& corner = row.corner) {
    texts << Shortest(corner->casKnots) << QString::number(corner->rateDegS, 'f', 1);
  } else {
    texts << None() << None();
  }
  return texts;
}

ResultGrid ClimbTurnTable(const TableComputation& computation, const ClimbTurnReport& report) {
  ResultGrid table = MakeTextTable(static_cast<int>(report.rows.size()), kColumns);
  for (size_t i = 0; i < report.rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    PutText(table, row, 0, QStringFromView(computation.altitudeHeaders[i]));
    const QStringList texts = RowTexts(report.rows[i]);
    for (int col = 1; col <= texts.size(); ++col)
      PutText(table, row, col, texts[col - 1]);
  }
  return table;
}

// "Service ceiling (best climb at least 100 ft/min): Military 40000 ft, afterburner 50000 ft."
QString CeilingsLine(const TableComputation& computation, const ClimbTurnReport& report) {
  const auto ceiling = [&](const std::optional<int>& row) {
    return row ? Altitude(computation, *row)
               : QStringLiteral("no row of the table climbs %1 ft/min").arg(kServiceCeilingFpm);
  };
  return QStringLiteral(
             "Service ceiling (the highest row whose best climb is at least %1 ft/min): "
             "Military %2; afterburner %3.")
      .arg(kServiceCeilingFpm)
      .arg(ceiling(report.militaryCeilingRow), ceiling(report.afterburnerCeilingRow));
}

QString StatusNote(ClimbTurnStatus status) {
  switch (status) {
    case ClimbTurnStatus::Done:
    case ClimbTurnStatus::Cancelled:
      return {};
    case ClimbTurnStatus::WeightNotPositive:
      return QStringLiteral("No climb and turn: the computing weight is not above 0.");
    case ClimbTurnStatus::GLimitOutOfRange:
      return QStringLiteral("No climb and turn: the g limit is not from 1 to 15.");
    case ClimbTurnStatus::SpeedRangeTooWide:
      return QStringLiteral("No climb and turn: the speed headers span more than %1 whole knots.")
          .arg(kMaxScanKnots);
  }
  return {};
}

double SpeedOf(const EmChartPoint& point, ChartSpeed speed) {
  return speed == ChartSpeed::Mach ? point.mach : point.casKnots;
}

QList<QPointF> PointsOf(const EmPolyline& run, ChartSpeed speed) {
  QList<QPointF> points;
  for (const EmChartPoint& point : run)
    points.push_back({SpeedOf(point, speed), point.turnDegS});
  return points;
}

// Draws every run of a line, in the legend once under name, and labels its end with label;
// false when the line has no point (and takes no place in the legend).
bool AddRuns(ChartCanvas& canvas, const std::vector<EmPolyline>& runs, ChartSpeed speed,
             const QPen& pen, QString name, const QString& label, std::vector<LineLabel>& labels) {
  for (const EmPolyline& run : runs) {
    AddLine(canvas, PointsOf(run, speed), pen, name);
    name.clear();
  }
  if (runs.empty()) return false;
  if (!label.isEmpty()) {
    const EmChartPoint& end = runs.back().back();
    labels.push_back({label, pen.color(), QPointF(SpeedOf(end, speed), end.turnDegS)});
  }
  return true;
}

}  // namespace

struct ClimbTurnWindow::Result {
  std::shared_ptr<const TableComputation> computation;
  double gLimit = kDefaultGLimit;
  ClimbTurnStatus status = ClimbTurnStatus::Done;
  std::shared_ptr<const ClimbTurnReport> report;
  ResultGrid table;
  QString ceilings;
};

struct ClimbTurnWindow::EmResult {
  std::shared_ptr<const TableComputation> computation;
  int row = 0;
  ClimbTurnStatus status = ClimbTurnStatus::Done;
  std::shared_ptr<const EmChart> chart;
};

ClimbTurnWindow::ClimbTurnWindow(Workspace& workspace, QWidget* parent, QAction* opener)
    : AnalysisWindow(workspace, parent, opener, kColumns,
                     {QStringLiteral("Cancelled: climb and turn was not finished. Press Compute "
                                     "to run it again."),
                      QStringLiteral("Climb and turn could not be computed: %1.")}) {
  setObjectName(QStringLiteral("frmClimbTurn"));
  setWindowTitle(QStringLiteral("Climb and Turn"));
  lblClimbTurnFor = WrappingLabel("lblClimbTurnFor", this);
  lblClimbTurnState = NoticeLabel("lblClimbTurnState", this);
  txtGLimit = new QLineEdit(QStringLiteral("9"), this);
  txtGLimit->setObjectName(QStringLiteral("txtGLimit"));
  txtGLimit->setMaximumWidth(80);
  txtGLimit->setToolTip(QStringLiteral("The greatest load factor of a turn, 1 to 15"));
  lblGLimitError = NoticeLabel("lblGLimitError", this);
  cmdClimbTurn = new QPushButton(QStringLiteral("&Compute"), this);
  cmdClimbTurn->setObjectName(QStringLiteral("cmdClimbTurn"));
  lblCeilings = WrappingLabel("lblCeilings", this);
  grdClimbTurn = AddTableView("grdClimbTurn");
  lblClimbTurnLegend = WrappingLabel("lblClimbTurnLegend", this);
  lblClimbTurnLegend->setText(QStringLiteral(
      "Per altitude, to the knot over the table's speeds, at the computing weight: the CAS (kt) "
      "of best climb and its rate at 1 g, the time (min) and fuel (lb) to climb from the first "
      "row at the best climb speeds, the best sustained turn with afterburner (CAS, load factor, "
      "deg/s) and the corner speed, the lowest CAS that reaches the g limit. Select a row for its "
      "E-M diagram; Ctrl+C copies."));
  AddProgress("prgClimbTurn", "cmdClimbTurnCancel", QStringLiteral("Scanning climb and turn"));
  emTask_ = new AnalysisTask(this);
  imageChooser_ = std::make_unique<DialogImagePathChooser>(this);

  auto* fields = new QHBoxLayout;
  auto* gLabel = new QLabel(QStringLiteral("&G limit:"), this);
  gLabel->setBuddy(txtGLimit);
  fields->addWidget(gLabel);
  fields->addWidget(txtGLimit);
  fields->addWidget(cmdClimbTurn);
  fields->addWidget(lblGLimitError, 1);
  auto* top = new QWidget(this);
  auto* upper = new QVBoxLayout(top);
  upper->setContentsMargins(0, 0, 0, 0);
  upper->addWidget(lblClimbTurnFor);
  upper->addWidget(lblClimbTurnState);
  upper->addLayout(fields);
  upper->addWidget(lblCeilings);
  upper->addWidget(grdClimbTurn, 1);
  upper->addWidget(lblClimbTurnLegend);
  upper->addWidget(progress);
  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(top);
  splitter->addWidget(BuildCharts());
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({340, 560});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);
  resize(1200, 900);

  connect(cmdClimbTurn, &QPushButton::clicked, this, &ClimbTurnWindow::cmdClimbTurn_Click);
  connect(txtGLimit, &QLineEdit::textEdited, lblGLimitError, &QLabel::clear);
  connect(txtGLimit, &QLineEdit::returnPressed, this, &ClimbTurnWindow::cmdClimbTurn_Click);
  connect(grdClimbTurn->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) StartEm(current.row() + 1);
          });
  RefreshState();
  DrawEm();
  DrawClimbCharts();
}

ClimbTurnWindow::~ClimbTurnWindow() = default;

QWidget* ClimbTurnWindow::BuildCharts() {
  auto* box = new QWidget(this);
  const auto named = [](auto* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
  };
  optEmCas = named(new QRadioButton(QStringLiteral("CAS"), box), "optEmCas");
  optEmMach = named(new QRadioButton(QStringLiteral("Mach"), box), "optEmMach");
  optEmCas->setChecked(true);
  auto* speeds = new QButtonGroup(box);
  speeds->addButton(optEmCas);
  speeds->addButton(optEmMach);
  cmdCopyImage = named(new QPushButton(QStringLiteral("Copy Image"), box), "cmdCopyImage");
  cmdSaveImage = named(new QPushButton(QStringLiteral("Save Image…"), box), "cmdSaveImage");
  tabClimbTurnCharts = named(new QTabWidget(box), "tabClimbTurnCharts");
  chtEm = named(new ChartCanvas(tabClimbTurnCharts), "chtEm");
  chtClimbRate = named(new ChartCanvas(tabClimbTurnCharts), "chtClimbRate");
  chtTimeToClimb = named(new ChartCanvas(tabClimbTurnCharts), "chtTimeToClimb");
  const std::array<ChartCanvas*, 3> canvases = {chtEm, chtClimbRate, chtTimeToClimb};
  for (size_t i = 0; i < canvases.size(); ++i)
    tabClimbTurnCharts->addTab(canvases[i], QString::fromLatin1(kChartNames[i]));
  lblClimbTurnChartStatus = named(new QLabel(box), "lblClimbTurnChartStatus");

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("E-M speed axis:"), box));
  row->addWidget(optEmCas);
  row->addWidget(optEmMach);
  row->addStretch(1);
  row->addWidget(cmdCopyImage);
  row->addWidget(cmdSaveImage);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row);
  layout->addWidget(tabClimbTurnCharts, 1);
  layout->addWidget(lblClimbTurnChartStatus);

  connect(optEmMach, &QRadioButton::toggled, this, [this](bool mach) {
    emSpeed_ = mach ? ChartSpeed::Mach : ChartSpeed::Cas;
    DrawEm();
  });
  connect(cmdCopyImage, &QPushButton::clicked, this, [this] {
    CopyChartImage(*static_cast<ChartCanvas*>(tabClimbTurnCharts->currentWidget()));
    lblClimbTurnChartStatus->setText(QStringLiteral("Copied the chart."));
  });
  connect(cmdSaveImage, &QPushButton::clicked, this, &ClimbTurnWindow::cmdSaveImage_Click);
  return box;
}

void ClimbTurnWindow::SetImagePathChooser(std::unique_ptr<ImagePathChooser> chooser) {
  imageChooser_ = std::move(chooser);
}

bool ClimbTurnWindow::EmRunning() const {
  return emTask_->Running();
}

// The g limit, or nothing with the refusal beside the field.
std::optional<double> ClimbTurnWindow::ReadGLimit() {
  const std::string text = txtGLimit->text().toStdString();
  lblGLimitError->clear();
  if (!IsNumericText(text)) {
    lblGLimitError->setText(QStringLiteral("Not a number: type the g limit, from 1 to 15."));
    return std::nullopt;
  }
  const double gLimit = ParseLeadingNumber(text);
  if (!GLimitInRange(gLimit)) {
    lblGLimitError->setText(
        QStringLiteral("Out of range: the g limit must be from 1 to 15, not %1.")
            .arg(QString::fromStdString(std::string(TrimBlanks(text)))));
    return std::nullopt;
  }
  return gLimit;
}

void ClimbTurnWindow::cmdClimbTurn_Click() {
  const std::optional<double> gLimit = ReadGLimit();
  if (!gLimit) return;
  SetNote({});
  if (!workspace().computation()) {
    SetNote(QStringLiteral("No table computed yet: press Compute Table first."));
    RefreshState();
    return;
  }
  Start(*gLimit);
}

void ClimbTurnWindow::Start(double gLimit) {
  const std::shared_ptr<const TableComputation> computation = workspace().computation();
  Run([this, computation, gLimit](const AnalysisControl& control) -> AnalysisTask::Delivery {
    auto result = std::make_shared<Result>();
    result->computation = computation;
    result->gLimit = gLimit;
    auto report =
        std::make_shared<ClimbTurnReport>(ComputeClimbTurn(*computation, gLimit, control));
    result->status = report->status;
    if (report->status == ClimbTurnStatus::Done) {
      result->table = ClimbTurnTable(*computation, *report);
      result->ceilings = CeilingsLine(*computation, *report);
      result->report = std::move(report);
    }
    return [this, result] { ShowResult(*result); };
  });
}

void ClimbTurnWindow::ShowResult(Result& result) {
  shownGLimit_ = result.gLimit;
  report_ = result.report;
  lblCeilings->setText(result.ceilings);
  SetNote(StatusNote(result.status));
  emTask_->Cancel();
  emRow_.reset();
  em_.reset();
  ShowRun(result.computation,
          report_ ? std::optional<ResultGrid>(std::move(result.table)) : std::nullopt);
  DrawClimbCharts();
  DrawEm();
  // The first row's E-M diagram at once; another follows the row picked.
  if (report_ && !report_->rows.empty()) {
    grdClimbTurn->setCurrentIndex(grdClimbTurn->model()->index(0, 0));
    if (!emRow_ && !EmRunning()) StartEm(1);
  }
}

void ClimbTurnWindow::RefreshState() {
  const std::shared_ptr<const TableComputation> current = workspace().computation();
  if (shown()) {
    lblClimbTurnFor->setText(QStringLiteral("Climb and turn of %1, g limit %2")
                                 .arg(ComputationCaption(*shown()), Shortest(shownGLimit_)));
  } else if (current) {
    lblClimbTurnFor->setText(QStringLiteral("Press Compute for the climb and turn of ") +
                             ComputationCaption(*current));
  } else {
    lblClimbTurnFor->setText(QStringLiteral("No climb and turn yet."));
  }
  ShowStateLines(lblClimbTurnState, {});
}

// The E-M diagram of a grid row of the table shown, scanned off the window's thread.
void ClimbTurnWindow::StartEm(int gridRow) {
  const std::shared_ptr<const TableComputation> computation = shown();
  if (!computation || gridRow < 1 || gridRow > computation->AltitudeCount()) return;
  const double gLimit = shownGLimit_;
  lblClimbTurnChartStatus->setText(
      QStringLiteral("Drawing the E-M diagram at %1…").arg(Altitude(*computation, gridRow)));
  emTask_->Start([this, computation, gridRow,
                  gLimit](const AnalysisControl& control) -> AnalysisTask::Delivery {
    auto result = std::make_shared<EmResult>();
    result->computation = computation;
    result->row = gridRow;
    const auto i = static_cast<size_t>(gridRow - 1);
    if (computation->altitudeFailures[i] == CellFailure::None) {
      const EmScan scan = ScanEm(*computation, computation->altitudes[i], gLimit, control);
      result->status = scan.status;
      if (scan.status == ClimbTurnStatus::Done) {
        auto chart = std::make_shared<EmChart>(BuildEmChart(*computation, scan, control));
        if (chart->cancelled) result->status = ClimbTurnStatus::Cancelled;
        result->chart = std::move(chart);
      }
    }
    return [this, result] { ShowEm(*result); };
  });
}

void ClimbTurnWindow::ShowEm(const EmResult& result) {
  if (result.computation != shown()) return;
  emRow_ = result.row;
  em_ = result.status == ClimbTurnStatus::Done ? result.chart : nullptr;
  lblClimbTurnChartStatus->setText(
      em_ ? QString()
          : QStringLiteral("No E-M diagram at %1.").arg(Altitude(*shown(), result.row)));
  DrawEm();
  emit EmDrawn();
}

// Turn rate against speed: the sustained lines of each power, the instantaneous line and its
// corner, lines of constant specific excess power, and the faint guides of constant load
// factor and radius, each named at its end.
void ClimbTurnWindow::DrawEm() {
  ChartCanvas& canvas = *chtEm;
  const BatchedChanges batch(canvas);
  canvas.chart()->removeAllSeries();
  Range xs;
  Range ys{0, 1};
  if (em_) {
    for (const EmPolyline& run : em_->instantaneous) {
      for (const EmChartPoint& point : run)
        xs.Take(SpeedOf(point, emSpeed_));
    }
    ys.Take(em_->greatestTurnDegS);
  }
  SetAxis(*canvas.XAxis(), SpeedAxisTitle(emSpeed_), SpeedLabelFormat(emSpeed_), xs, true);
  SetAxis(*canvas.YAxis(), QStringLiteral("Turn rate (deg/s)"), QStringLiteral("%.0f"), ys, true);
  std::vector<LineLabel> labels;
  QString title = QString::fromLatin1(kChartNames[kEm]);
  if (em_ && emRow_ && shown()) {
    title += QStringLiteral(" at %1, g limit %2: %3")
                 .arg(Altitude(*shown(), *emRow_), Shortest(shownGLimit_),
                      ComputationCaption(*shown()).toHtmlEscaped());
    const QColor grey = QColor::fromRgb(kGuideGrey);
    QString guideName = QStringLiteral("Constant load factor");
    for (const EmLevelLine& line : em_->loadFactorGuides) {
      if (AddRuns(canvas, line.runs, emSpeed_, LinePen(grey, Qt::SolidLine, 1), guideName,
                  QStringLiteral("%1 g").arg(line.level), labels))
        guideName.clear();
    }
    guideName = QStringLiteral("Constant turn radius");
    for (const EmLevelLine& line : em_->radiusGuides) {
      if (AddRuns(canvas, line.runs, emSpeed_, LinePen(grey, Qt::DashDotLine, 1), guideName,
                  QStringLiteral("%1 ft").arg(line.level), labels))
        guideName.clear();
    }
    const QColor green = QColor::fromRgb(kPsGreen);
    QString psName = QStringLiteral("Specific excess power, afterburner (ft/s)");
    for (const EmLevelLine& line : em_->specificExcessPower) {
      if (AddRuns(canvas, line.runs, emSpeed_,
                  LinePen(green, line.level == 0 ? Qt::SolidLine : Qt::DotLine, 1.5), psName,
                  QStringLiteral("Ps %1").arg(line.level), labels))
        psName.clear();
    }
    AddRuns(canvas, em_->militarySustained, emSpeed_,
            LinePen(QColor::fromRgb(kMilitaryBlue), Qt::SolidLine, 2.5),
            QStringLiteral("Sustained, Military"), QStringLiteral("Mil"), labels);
    AddRuns(canvas, em_->afterburnerSustained, emSpeed_,
            LinePen(QColor::fromRgb(kAfterburnerOrange), Qt::SolidLine, 2.5),
            QStringLiteral("Sustained, afterburner"), QStringLiteral("A/B"), labels);
    AddRuns(canvas, em_->instantaneous, emSpeed_, LinePen(Qt::black, Qt::SolidLine, 2.5),
            QStringLiteral("Instantaneous"), QString(), labels);
    if (const auto& corner = em_->corner) {
      AddMarks(canvas, {QPointF(SpeedOf(*corner, emSpeed_), corner->turnDegS)},
               QScatterSeries::MarkerShapeCircle, 12, QColor::fromRgb(kCornerRed),
               LinePen(Qt::white, Qt::SolidLine, 1.5),
               QStringLiteral("Corner speed %1 kt").arg(Shortest(corner->casKnots)));
    }
  } else {
    title +=
        shown() ? QStringLiteral(": select a row of the table") : QStringLiteral(": press Compute");
  }
  canvas.chart()->setTitle(title);
  canvas.SetLineLabels(std::move(labels));
}

// Best climb rate and time to climb against altitude, Military solid and afterburner dashed.
void ClimbTurnWindow::DrawClimbCharts() {
  struct Quantity {
    ChartCanvas* canvas;
    const char* axis;
    std::optional<double> (*of)(const PowerClimb& climb);
  };
  const Quantity quantities[] = {
      {chtClimbRate, "Best climb rate (ft/min)",
       [](const PowerClimb& c) {
         return c.best ? std::optional<double>(c.best->rateFpm) : std::nullopt;
       }},
      {chtTimeToClimb, "Time to climb from the first row (min)",
       [](const PowerClimb& c) { return c.timeMin; }},
  };
  const std::shared_ptr<const TableComputation> computation = shown();
  for (size_t q = 0; q < std::size(quantities); ++q) {
    ChartCanvas& canvas = *quantities[q].canvas;
    const BatchedChanges batch(canvas);
    canvas.chart()->removeAllSeries();
    Range xs;
    Range ys;
    std::vector<LineLabel> labels;
    std::vector<std::pair<QList<QPointF>, bool>> lines;  // points, afterburner
    if (report_ && computation) {
      for (bool afterburner : {false, true}) {
        QList<QPointF> points;
        for (size_t i = 0; i < report_->rows.size(); ++i) {
          const ClimbTurnRow& row = report_->rows[i];
          const auto value = quantities[q].of(afterburner ? row.afterburner : row.military);
          if (!value) continue;
          const double altitude = computation->altitudes[i];
          points.push_back({*value, altitude});
          xs.Take(*value);
          ys.Take(altitude);
        }
        lines.emplace_back(points, afterburner);
      }
    }
    SetAxis(*canvas.XAxis(), QString::fromLatin1(quantities[q].axis), QStringLiteral("%.0f"), xs,
            true);
    SetAxis(*canvas.YAxis(), QStringLiteral("Altitude (ft)"), QStringLiteral("%.0f"), ys, true);
    for (const auto& [points, afterburner] : lines) {
      const QColor colour = QColor::fromRgb(afterburner ? kAfterburnerOrange : kMilitaryBlue);
      const QString name = afterburner ? QStringLiteral("Afterburner") : QStringLiteral("Military");
      AddLine(canvas, points, LinePen(colour, afterburner ? Qt::DashLine : Qt::SolidLine, 2.5),
              name);
      if (!points.isEmpty()) labels.push_back({name, colour, points.back()});
    }
    QString title = QString::fromLatin1(kChartNames[q + 1]);
    title += computation ? QStringLiteral(": ") + ComputationCaption(*computation).toHtmlEscaped()
                         : QStringLiteral(": press Compute");
    canvas.chart()->setTitle(title);
    canvas.SetLineLabels(std::move(labels));
  }
}

void ClimbTurnWindow::cmdSaveImage_Click() {
  const std::optional<QString> path = imageChooser_->ChooseImagePath(
      QString::fromLatin1(kImageNames[tabClimbTurnCharts->currentIndex()]) +
      QStringLiteral(".png"));
  if (path) SaveImage(*path);
}

bool ClimbTurnWindow::SaveImage(const QString& path) {
  bool written = false;
  lblClimbTurnChartStatus->setText(
      SaveChartImage(*static_cast<ChartCanvas*>(tabClimbTurnCharts->currentWidget()), path,
                     tabClimbTurnCharts->tabText(tabClimbTurnCharts->currentIndex()), written));
  return written;
}

}  // namespace tz9
