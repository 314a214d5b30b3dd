// SPDX-License-Identifier: GPL-3.0-or-later
// The mission fuel window's layout, its fields and their refusals, its texts, and the burn off
// the window's thread.

#include "analyses/mission_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "analyses/analysis_task.h"
#include "analyses/analysis_view_support.h"
#include "common/number_text.h"
#include "grids/result_grid_view.h"
#include "performance/best_speeds.h"
#include "workspace/workspace.h"

namespace tz9 {
namespace {

constexpr int kColumnTwips = 1125;
constexpr std::array<TableColumn, 12> kColumns = {{
    {"Altitude", 1200},
    {"Range NM", kColumnTwips},
    {"Range time", kColumnTwips},
    {"CAS start", kColumnTwips},
    {"CAS end", kColumnTwips},
    {"Endurance", kColumnTwips},
    {"Loiter start", kColumnTwips},
    {"Loiter end", kColumnTwips},
    {"Cruise NM", kColumnTwips},
    {"Cruise time", kColumnTwips},
    {"Bingo lb", kColumnTwips},
    {"Why no answer", 6000},
}};

QString NoAnswerMark() {
  return QStringLiteral("------");
}

QString Pounds(double lb) {
  return Shortest(lb) + QStringLiteral(" lb");
}

// Beside a figure whose schedule flew some of its fuel at a speed that needs the afterburner.
QString AfterburnerMark() {
  return QStringLiteral(" AB");
}

// "range", "range and endurance", "range, endurance and cruise".
QString Enumeration(const QStringList& names) {
  if (names.size() <= 1) return names.join(QString());
  return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
         names.last();
}

// The schedules that scan the table's speeds, and the one that flies a given speed.
enum class Schedule { Range, Endurance, Cruise, Bingo };

QString ScheduleName(Schedule schedule) {
  switch (schedule) {
    case Schedule::Range:
      return QStringLiteral("range");
    case Schedule::Endurance:
      return QStringLiteral("endurance");
    case Schedule::Cruise:
      return QStringLiteral("cruise");
    case Schedule::Bingo:
      return QStringLiteral("bingo");
  }
  return {};
}

// "no steady flight at any speed of the table at 35950 lb"; nothing when there is an answer or
// none was asked for.
QString NoAnswerText(const NoAnswer& why, Schedule schedule, const MissionWeights& weights,
                     const MissionInputs& inputs) {
  const bool cruise = schedule == Schedule::Cruise;
  const QString speed = cruise ? Shortest(inputs.cruiseCasKnots.value_or(0)) + QStringLiteral(" kt")
                               : QStringLiteral("any speed of the table");
  const QString weight = Pounds(why.weightLb);
  switch (why.cause) {
    case NoAnswerCause::None:
    case NoAnswerCause::NotAsked:
      return {};
    case NoAnswerCause::NoKnots:
      return QStringLiteral("no whole knot between the table's least and greatest speed");
    case NoAnswerCause::NoSteadyFlight:
      return QStringLiteral("no steady flight at %1 at %2").arg(speed, weight);
    case NoAnswerCause::NotComputable: {
      const QString what = cruise ? speed : QStringLiteral("no speed of the table");
      return QStringLiteral("%1 could not be computed at %2: %3")
          .arg(what, weight, QStringFromView(CellFailureText(why.failure)));
    }
    case NoAnswerCause::FuelFlowNotPositive:
      return QStringLiteral("a fuel flow of 0 or less at %1 at %2").arg(speed, weight);
    case NoAnswerCause::StepLimit:
      return schedule == Schedule::Bingo
                 ? QStringLiteral("more than %1 lb of fuel for the way home")
                       .arg(kMaxBingoSteps * kMissionStepLb, 0, 'f', 0)
                 : QStringLiteral("more than %1 lb of fuel to burn").arg(kMaxBurnLb, 0, 'f', 0);
    case NoAnswerCause::NothingToBurn:
      return QStringLiteral(
                 "nothing to fly on, the reserve of %1 is not below the %2 of fuel on "
                 "board")
          .arg(Pounds(inputs.reserveLb), Pounds(weights.FuelOnBoardLb()));
    case NoAnswerCause::NeverSteady:
      return QStringLiteral("no steady flight at %1 at any weight of the burn").arg(speed);
    case NoAnswerCause::BeyondFuelOnBoard:
      return QStringLiteral("the fuel on board reaches %1 of the %2 NM home")
          .arg(QString::number(why.coveredNm, 'f', 0),
               Shortest(inputs.bingoDistanceNm.value_or(0)));
  }
  return {};
}

// "range and endurance: no steady flight at any speed of the table at 35950 lb; cruise: ...":
// the schedules that give the same reason share it.
QString WhyNoAnswer(const MissionRow& row, const MissionWeights& weights,
                    const MissionInputs& inputs) {
  const std::pair<Schedule, const NoAnswer*> answers[] = {
      {Schedule::Range, row.range.flight ? nullptr : &row.range.noAnswer},
      {Schedule::Endurance, row.endurance.flight ? nullptr : &row.endurance.noAnswer},
      {Schedule::Cruise, row.cruise.flight ? nullptr : &row.cruise.noAnswer},
      {Schedule::Bingo, row.bingo.fuelLb ? nullptr : &row.bingo.noAnswer},
  };
  std::vector<std::pair<QString, QStringList>> reasons;  // reason, the schedules giving it
  for (const auto& [schedule, why] : answers) {
    const QString text = why == nullptr ? QString() : NoAnswerText(*why, schedule, weights, inputs);
    if (text.isEmpty()) continue;
    const auto same = std::find_if(reasons.begin(), reasons.end(),
                                   [&](const auto& reason) { return reason.first == text; });
    if (same == reasons.end()) {
      reasons.emplace_back(text, QStringList{ScheduleName(schedule)});
    } else {
      same->second << ScheduleName(schedule);
    }
  }
  QStringList parts;
  for (const auto& [text, schedules] : reasons)
    parts << Enumeration(schedules) + QStringLiteral(": ") + text;
  return parts.join(QStringLiteral("; "));
}

QString Cas(const std::optional<double>& cas) {
  return cas ? Shortest(*cas) : QString();
}

// Distance, time, start and end speed of a schedule; nothing where none was asked for.
QStringList FlightTexts(const FlightAnswer& answer, bool withSpeeds, bool withDistance) {
  QStringList texts;
  const bool asked = answer.noAnswer.cause != NoAnswerCause::NotAsked;
  const Flight* flight = answer.flight ? &*answer.flight : nullptr;
  const QString none = asked ? NoAnswerMark() : QString();
  const QString mark = flight && flight->afterburnerFuelLb > 0 ? AfterburnerMark() : QString();
  if (withDistance) texts << (flight ? QString::number(flight->distanceNm, 'f', 0) + mark : none);
  texts << (flight ? HoursMinutes(flight->timeHours) + (withDistance ? QString() : mark) : none);
  if (withSpeeds) {
    texts << (flight ? Cas(flight->startCasKnots) : none);
    texts << (flight ? Cas(flight->endCasKnots) : none);
  }
  return texts;
}

QStringList RowTexts(const MissionRow& row, const MissionWeights& weights,
                     const MissionInputs& inputs) {
  QStringList texts;
  texts << FlightTexts(row.range, true, true);
  texts << FlightTexts(row.endurance, true, false);
  texts << FlightTexts(row.cruise, false, true);
  if (row.bingo.fuelLb) {
    texts << QString::number(*row.bingo.fuelLb, 'f', 0) +
                 (row.bingo.afterburnerFuelLb > 0 ? AfterburnerMark() : QString());
  } else {
    texts << (row.bingo.noAnswer.cause == NoAnswerCause::NotAsked ? QString() : NoAnswerMark());
  }
  texts << WhyNoAnswer(row, weights, inputs);
  return texts;
}

// Each row's altitude, then its texts in the order of kColumns.
std::vector<QStringList> MissionRowTexts(const TableComputation& computation,
                                         const MissionReport& report, const MissionInputs& inputs) {
  std::vector<QStringList> rows;
  for (size_t i = 0; i < report.rows.size(); ++i) {
    rows.push_back(QStringList{QStringFromView(TrimBlanks(computation.altitudeHeaders[i]))} +
                   RowTexts(report.rows[i], report.weights, inputs));
  }
  return rows;
}

ResultGrid MissionTable(const TableComputation& computation,
                        const std::vector<QStringList>& rowTexts) {
  ResultGrid table = MakeTextTable(static_cast<int>(rowTexts.size()), kColumns);
  table.SetColAlignment(static_cast<int>(kColumns.size()) - 1, ResultGrid::kDefaultAlignment);
  for (size_t i = 0; i < rowTexts.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    PutText(table, row, 0, QStringFromView(computation.altitudeHeaders[i]));
    for (int col = 1; col < rowTexts[i].size(); ++col)
      PutText(table, row, col, rowTexts[i][col]);
  }
  return table;
}

// "Start weight 35600 lb, end weight 25710 lb (empty 24210 lb and a reserve of 1500 lb):
// 9890 lb of fuel burnt. Cruise at 400 kt; bingo fuel for 150 NM home."
QString WeightsLine(const MissionWeights& weights, const MissionInputs& inputs) {
  QString line = QStringLiteral("Start weight %1, end weight %2 (empty %3 and a reserve of %4): ")
                     .arg(Pounds(weights.startLb), Pounds(weights.endLb), Pounds(weights.emptyLb),
                          Pounds(inputs.reserveLb));
  line += weights.FuelBurntLb() > 0
              ? QStringLiteral("%1 of fuel burnt.").arg(Pounds(weights.FuelBurntLb()))
              : QStringLiteral("nothing to burn, the end weight is not below the start weight.");
  if (inputs.cruiseCasKnots) {
    line += QStringLiteral(" Cruise at %1 kt.").arg(Shortest(*inputs.cruiseCasKnots));
  }
  if (inputs.bingoDistanceNm) {
    line += QStringLiteral(" Bingo fuel for %1 NM home.").arg(Shortest(*inputs.bingoDistanceNm));
  }
  return line;
}

// What the run says beside each field: an input no row could be flown with.
struct FieldNotes {
  QString reserve;
  QString cruise;
  QString bingo;
};

FieldNotes NotesOf(const MissionReport& report, const MissionInputs& inputs) {
  const MissionInputFindings findings = FindMissionInputFindings(report);
  const auto ofAltitudes = [&findings](int rows) {
    return QStringLiteral("%1 of %2 altitudes").arg(rows).arg(findings.rows);
  };
  FieldNotes notes;
  if (findings.reserveNotBelowFuel) {
    const MissionWeights& w = report.weights;
    notes.reserve = w.FuelOnBoardLb() > 0
                        ? QStringLiteral("At or above the %1 of fuel on board: nothing is flown.")
                              .arg(Pounds(w.FuelOnBoardLb()))
                        : QStringLiteral(
                              "No fuel on board: the start weight %1 is not above the empty "
                              "weight %2.")
                              .arg(Pounds(w.startLb), Pounds(w.emptyLb));
  }
  if (findings.cruiseNeverSteadyRows > 0) {
    notes.cruise = QStringLiteral("No steady flight at %1 kt at any weight of the burn, at %2.")
                       .arg(Shortest(inputs.cruiseCasKnots.value_or(0)),
                            ofAltitudes(findings.cruiseNeverSteadyRows));
  }
  if (findings.bingoBeyondFuelRows > 0) {
    notes.bingo = QStringLiteral("Beyond the fuel on board at %1: the fuel reaches %2 NM at most.")
                      .arg(ofAltitudes(findings.bingoBeyondFuelRows),
                           QString::number(findings.mostCoveredNm.value_or(0), 'f', 0));
  }
  return notes;
}

constexpr const char* kAfterburnerLegend =
    "AB after a figure: the schedule's speed needs the afterburner for some or all of its fuel.";

// The report's lines: the weights, the notes of the fields, the table without its last column,
// then each row's reasons one a line, and what AB means.
QStringList MissionReportLines(const QString& weights, const FieldNotes& notes,
                               const std::vector<QStringList>& rows) {
  QStringList lines = weights.split(QStringLiteral(". "), Qt::SkipEmptyParts);
  for (int i = 0; i + 1 < lines.size(); ++i)
    lines[i] += QLatin1Char('.');
  const std::pair<const char*, const QString*> fieldNotes[] = {
      {"Reserve: ", &notes.reserve}, {"Cruise CAS: ", &notes.cruise}, {"Bingo: ", &notes.bingo}};
  for (const auto& [field, note] : fieldNotes) {
    if (!note->isEmpty()) lines << QString::fromLatin1(field) + *note;
  }
  QStringList captions;
  for (size_t col = 0; col + 1 < kColumns.size(); ++col)
    captions << QString::fromLatin1(kColumns[col].caption);
  lines << captions.join(QStringLiteral(" | "));
  QStringList reasons;
  for (const QStringList& row : rows) {
    lines << row.mid(0, row.size() - 1).join(QStringLiteral(" | "));
    for (const QString& reason : row.last().split(QStringLiteral("; "), Qt::SkipEmptyParts))
      reasons << row.first() + QStringLiteral(": ") + reason;
  }
  if (!reasons.isEmpty()) lines << QStringLiteral("Why no answer (------):") << reasons;
  lines << QString::fromLatin1(kAfterburnerLegend);
  return lines;
}

QString StatusNote(MissionStatus status) {
  switch (status) {
    case MissionStatus::Done:
    case MissionStatus::Cancelled:
      return {};
    case MissionStatus::StoresWeightBeyondRange:
      return QStringLiteral(
          "No mission fuel: the store counts give a stores weight beyond the "
          "range of numbers.");
    case MissionStatus::SpeedRangeTooWide:
      return QStringLiteral("No mission fuel: the speed headers span more than %1 whole knots.")
          .arg(kMaxScanKnots);
  }
  return {};
}

// How a field's figure is read: its words in the refusals, and whether it may stay empty.
struct FigureField {
  QLineEdit* field;
  QLabel* error;
  const char* what;  // "the reserve in lb"
  const char* name;  // "the reserve"
  bool optional;
};

// The figure, nothing for an optional field left empty, or a refusal shown beside the field.
std::optional<std::optional<double>> ReadFigure(const FigureField& f) {
  const std::string text = f.field->text().toStdString();
  f.error->clear();
  if (f.optional && TrimBlanks(text).empty()) return std::optional<double>();
  if (const std::optional<double> value = MissionFigure(text)) return value;
  if (IsNumericText(text)) {
    f.error->setText(QStringLiteral("Negative: %1 must be 0 or more.").arg(f.name));
  } else {
    f.error->setText(QStringLiteral("Not a number: type %1, 0 or more%2.")
                         .arg(QString::fromLatin1(f.what),
                              f.optional ? QStringLiteral(", or leave it empty") : QString()));
  }
  return std::nullopt;
}

QLineEdit* FigureEdit(const char* name, const char* text, QWidget* parent) {
  auto* field = new QLineEdit(QString::fromLatin1(text), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaximumWidth(120);
  return field;
}

}  // namespace

struct MissionWindow::Result {
  std::shared_ptr<const TableComputation> computation;
  MissionInputs inputs;
  MissionStatus status = MissionStatus::Done;
  ResultGrid table;
  QString weights;
  FieldNotes notes;
  QStringList reportLines;
};

MissionWindow::MissionWindow(Workspace& workspace, QWidget* parent, QAction* opener)
    : AnalysisWindow(workspace, parent, opener, kColumns,
                     {QStringLiteral("Cancelled: the mission fuel was not finished. Press Compute "
                                     "to run it again."),
                      QStringLiteral("The mission fuel could not be computed: %1.")}) {
  setObjectName(QStringLiteral("frmMission"));
  setWindowTitle(QStringLiteral("Mission Fuel"));
  lblMissionFor = WrappingLabel("lblMissionFor", this);
  lblMissionState = NoticeLabel("lblMissionState", this);
  txtReserve = FigureEdit("txtReserve", "0", this);
  txtCruiseCas = FigureEdit("txtCruiseCas", "", this);
  txtBingoDistance = FigureEdit("txtBingoDistance", "", this);
  txtReserve->setToolTip(QStringLiteral("Fuel still on board at the end, lb"));
  txtCruiseCas->setToolTip(QStringLiteral("A cruise speed to fly the fuel at, kt CAS (optional)"));
  txtBingoDistance->setToolTip(
      QStringLiteral("The distance home, NM, for the bingo fuel (optional)"));
  lblReserveError = NoticeLabel("lblReserveError", this);
  lblCruiseCasError = NoticeLabel("lblCruiseCasError", this);
  lblBingoDistanceError = NoticeLabel("lblBingoDistanceError", this);
  cmdMission = new QPushButton(QStringLiteral("&Compute"), this);
  cmdMission->setObjectName(QStringLiteral("cmdMission"));
  lblMissionWeights = WrappingLabel("lblMissionWeights", this);
  grdMission = AddTableView("grdMission");
  lblMissionLegend = WrappingLabel("lblMissionLegend", this);
  lblMissionLegend->setText(
      QStringLiteral(
          "The fuel burns in steps of 100 lb from the start weight down to the end weight, each "
          "step at its mid weight: at the best-range speed (distance in NM, time in h:mm, CAS at "
          "the first and last step), at the best-endurance (loiter) speed, and at the cruise "
          "CAS. Bingo: the fuel to fly the distance home at best range and land with the "
          "reserve, in lb. ") +
      QString::fromLatin1(kAfterburnerLegend) + QStringLiteral(" Ctrl+C copies."));
  AddProgress("prgMission", "cmdMissionCancel", QStringLiteral("Burning the fuel"));

  auto* fields = new QGridLayout;
  const std::pair<const char*, QLineEdit*> rows[] = {{"&Reserve (lb):", txtReserve},
                                                     {"C&ruise CAS (kt):", txtCruiseCas},
                                                     {"&Bingo distance (NM):", txtBingoDistance}};
  QLabel* const errors[] = {lblReserveError, lblCruiseCasError, lblBingoDistanceError};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(QString::fromLatin1(rows[i].first), this);
    label->setBuddy(rows[i].second);
    fields->addWidget(label, i, 0);
    fields->addWidget(rows[i].second, i, 1);
    fields->addWidget(errors[i], i, 2);
  }
  fields->setColumnStretch(2, 1);
  fields->addWidget(cmdMission, 3, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblMissionFor);
  layout->addWidget(lblMissionState);
  layout->addLayout(fields);
  layout->addWidget(lblMissionWeights);
  layout->addWidget(grdMission, 1);
  layout->addWidget(lblMissionLegend);
  layout->addWidget(progress);
  resize(1280, 520);

  connect(cmdMission, &QPushButton::clicked, this, &MissionWindow::cmdMission_Click);
  for (const auto& [field, error] :
       {std::pair{txtReserve, lblReserveError}, std::pair{txtCruiseCas, lblCruiseCasError},
        std::pair{txtBingoDistance, lblBingoDistanceError}}) {
    connect(field, &QLineEdit::textEdited, error, &QLabel::clear);
    connect(field, &QLineEdit::returnPressed, this, &MissionWindow::cmdMission_Click);
  }
  RefreshState();
}

void MissionWindow::cmdMission_Click() {
  const std::optional<MissionInputs> inputs = ReadInputs();
  if (!inputs) return;
  SetNote({});
  if (!workspace().computation()) {
    SetNote(QStringLiteral("No table computed yet: press Compute Table first."));
    RefreshState();
    return;
  }
  Start(*inputs);
}

// Every field is read, so that each refusal shows at once; nothing when any is refused.
std::optional<MissionInputs> MissionWindow::ReadInputs() {
  const auto reserve =
      ReadFigure({txtReserve, lblReserveError, "the reserve in lb", "the reserve", false});
  const auto cruise =
      ReadFigure({txtCruiseCas, lblCruiseCasError, "the cruise CAS in kt", "the cruise CAS", true});
  const auto distance = ReadFigure({txtBingoDistance, lblBingoDistanceError,
                                    "the distance home in NM", "the distance home", true});
  if (!reserve || !cruise || !distance) return std::nullopt;
  MissionInputs inputs;
  inputs.reserveLb = reserve->value_or(0);
  inputs.cruiseCasKnots = *cruise;
  inputs.bingoDistanceNm = *distance;
  return inputs;
}

void MissionWindow::Start(const MissionInputs& inputs) {
  const std::shared_ptr<const TableComputation> computation = workspace().computation();
  Run([this, computation, inputs](const AnalysisControl& control) -> AnalysisTask::Delivery {
    auto result = std::make_shared<Result>();
    result->computation = computation;
    result->inputs = inputs;
    const MissionReport report = ComputeMission(*computation, inputs, control);
    result->status = report.status;
    if (report.status == MissionStatus::Done) {
      const std::vector<QStringList> rows = MissionRowTexts(*computation, report, inputs);
      result->table = MissionTable(*computation, rows);
      result->weights = WeightsLine(report.weights, inputs);
      result->notes = NotesOf(report, inputs);
      result->reportLines = MissionReportLines(result->weights, result->notes, rows);
    }
    return [this, result] { ShowResult(*result); };
  });
}

void MissionWindow::ShowResult(Result& result) {
  lblMissionWeights->setText(result.weights);
  lblReserveError->setText(result.notes.reserve);
  lblCruiseCasError->setText(result.notes.cruise);
  lblBingoDistanceError->setText(result.notes.bingo);
  reportLines_ = std::move(result.reportLines);
  SetNote(StatusNote(result.status));
  ShowRun(result.computation, result.status == MissionStatus::Done
                                  ? std::optional<ResultGrid>(std::move(result.table))
                                  : std::nullopt);
}

QStringList MissionWindow::ReportLines(
    const std::shared_ptr<const TableComputation>& computation) const {
  return computation != nullptr && shown() == computation ? reportLines_ : QStringList();
}

void MissionWindow::RefreshState() {
  const std::shared_ptr<const TableComputation> current = workspace().computation();
  if (shown()) {
    lblMissionFor->setText(QStringLiteral("Mission fuel of ") + ComputationCaption(*shown()));
  } else if (current) {
    lblMissionFor->setText(QStringLiteral("Press Compute for the mission fuel of ") +
                           ComputationCaption(*current));
  } else {
    lblMissionFor->setText(QStringLiteral("No mission fuel yet."));
  }
  ShowStateLines(lblMissionState, {});
}

}  // namespace tz9
