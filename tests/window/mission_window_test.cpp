// SPDX-License-Identifier: GPL-3.0-or-later
// The Mission Fuel window: computing after "Compute Table" against the core's mission fuel,
// refusing figures that are not numbers or are negative, telling when it is out of date, and
// cancelling a long run while the window stays usable.
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <cmath>
#include <functional>
#include <optional>

#include "analyses/analysis_view_support.h"
#include "analyses/mission_window.h"
#include "analysis_window_test_support.h"
#include "performance/mission_fuel.h"

using namespace tz9::test;

namespace {

// Altitudes 0, 20000, 40000 and 60000 ft; the check aircraft holds no level flight at 60000 ft.
const QString kMissionAltitudes =
    "txtAlMi=0 txtAlS1=20000 txtAlSt=60000 txtAlS2=20000 txtAlMa=60000";

// The check aircraft at 26000 lb, its 7000 lb of internal fuel on board.
void ComputeTheMissionTable(Session& s) {
  s.Load(kCheckAircraft);
  LayOut(s, kCheckSpeeds + " " + kMissionAltitudes);
  ComputeAt(s, "26000");
}

tz9::MissionWindow* OpenMission(Session& s) {
  s.form->mnuViewMission->trigger();
  return s.form->findChild<tz9::MissionWindow*>();
}

// Replaces a field's text as a user does, an empty text included.
void TypeIn(Session& s, const QString& name, const QString& text) {
  QLineEdit* field = s.Field(name);
  field->setFocus();
  field->selectAll();
  if (text.isEmpty()) return QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

void TypeFigures(Session& s, const QString& reserve, const QString& cruise,
                 const QString& distance) {
  TypeIn(s, "txtReserve", reserve);
  TypeIn(s, "txtCruiseCas", cruise);
  TypeIn(s, "txtBingoDistance", distance);
}

void RunMission(Session& s, const QString& reserve, const QString& cruise,
                const QString& distance) {
  TypeFigures(s, reserve, cruise, distance);
  s.Click(s.form->findChild<tz9::MissionWindow*>()->cmdMission);
}

bool MissionOfLastComputation(const Session& s) {
  const tz9::MissionWindow* w = s.form->findChild<tz9::MissionWindow*>();
  return !w->Running() && w->shown() != nullptr && w->shown() == s.form->computation();
}

QString MissionText(const Session& s, int row, const QString& caption) {
  const tz9::ResultGrid& table = s.form->findChild<tz9::MissionWindow*>()->table();
  return TableText(table, row, ColumnOf(table, caption));
}

QStringList AllTexts(const tz9::ResultGrid& table) {
  QStringList texts;
  for (int row = 0; row < table.Rows(); ++row) {
    for (int col = 0; col < table.Cols(); ++col)
      texts << TableText(table, row, col);
  }
  return texts;
}

// "4:27" as 267 minutes.
double Minutes(const QString& hoursMinutes) {
  return hoursMinutes.section(':', 0, 0).toDouble() * 60 + hoursMinutes.section(':', 1).toDouble();
}

}  // namespace

class MissionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void MissionWaitsForAComputedTable() {
    Session s;
    tz9::MissionWindow* w = OpenMission(s);
    QCOMPARE(w->objectName(), QStringLiteral("frmMission"));
    QCOMPARE(w->txtReserve->text(), QStringLiteral("0"));
    QCOMPARE(w->txtCruiseCas->text(), QString());
    QCOMPARE(w->txtBingoDistance->text(), QString());
    QCOMPARE(w->cmdMission->text(), QStringLiteral("&Compute"));
    s.Click(w->cmdMission);
    QVERIFY(!w->Running());
    QCOMPARE(w->lblMissionState->text(),
             QStringLiteral("No table computed yet: press Compute Table first."));
    QCOMPARE(w->table().Rows(), 1);
  }

  void MissionComputesTheLastComputationAsTheCoreDoes() {
    Session s;
    ComputeTheMissionTable(s);
    tz9::MissionWindow* w = OpenMission(s);
    QCOMPARE(w->lblMissionFor->text(),
             QStringLiteral("Press Compute for the mission fuel of check-aircraft.dat at 26000 lb "
                            "with no stores; 4 altitudes by 18 speeds (150 to 660 kt)"));
    RunMission(s, "1500", "300", "150");
    QTRY_VERIFY_WITH_TIMEOUT(MissionOfLastComputation(s), 30000);
    QCOMPARE(w->lblMissionFor->text(),
             QStringLiteral("Mission fuel of check-aircraft.dat at 26000 lb with no stores; "
                            "4 altitudes by 18 speeds (150 to 660 kt)"));
    QCOMPARE(w->lblMissionWeights->text(),
             QStringLiteral("Start weight 26000 lb, end weight 20500 lb (empty 19000 lb and a "
                            "reserve of 1500 lb): 5500 lb of fuel burnt. Cruise at 300 kt. Bingo "
                            "fuel for 150 NM home."));
    QCOMPARE(w->lblMissionState->text(), QString());
    // The 0 ft row as the command line's --mission gives it, to the digits shown.
    const char* const zeroFeet[][2] = {
        {"Range NM", "819"},   {"Range time", "2:59"},  {"CAS start", "280"},
        {"CAS end", "260"},    {"Endurance", "4:27"},   {"Loiter start", "169"},
        {"Loiter end", "150"}, {"Cruise NM", "519 AB"}, {"Cruise time", "1:44"},
        {"Bingo lb", "2459"},  {"Why no answer", ""},
    };
    for (const auto& [caption, text] : zeroFeet)
      QCOMPARE(MissionText(s, 1, caption), QString(text));
    for (const char* caption : {"Range NM", "Endurance", "Loiter end", "Cruise time", "Bingo lb"})
      QCOMPARE(MissionText(s, 4, caption), QStringLiteral("------"));
    QCOMPARE(
        MissionText(s, 4, "Why no answer"),
        QStringLiteral("range and endurance: no steady flight at any speed of the table at "
                       "25950 lb; cruise: no steady flight at 300 kt at any weight of the burn; "
                       "bingo: no "
                       "steady flight at any speed of the table at 20550 lb"));
    // Every row with an answer against the core, to the digits shown.
    tz9::MissionInputs inputs;
    inputs.reserveLb = 1500;
    inputs.cruiseCasKnots = 300;
    inputs.bingoDistanceNm = 150;
    const tz9::MissionReport core = tz9::ComputeMission(*s.form->computation(), inputs);
    for (int row = 1; row <= 3; ++row) {
      const tz9::MissionRow& r = core.rows[static_cast<size_t>(row - 1)];
      const std::pair<const char*, std::pair<double, double>> cells[] = {
          {"Range NM", {r.range.flight->distanceNm, 0.5}},
          {"CAS start", {*r.range.flight->startCasKnots, 0}},
          {"CAS end", {*r.range.flight->endCasKnots, 0}},
          {"Loiter start", {*r.endurance.flight->startCasKnots, 0}},
          {"Loiter end", {*r.endurance.flight->endCasKnots, 0}},
          {"Cruise NM", {r.cruise.flight->distanceNm, 0.5}},
          {"Bingo lb", {*r.bingo.fuelLb, 0.5}},
      };
      for (const auto& [caption, expected] : cells) {
        const QString text = MissionText(s, row, caption).section(' ', 0, 0);  // without "AB"
        QVERIFY2(std::fabs(text.toDouble() - expected.first) <= expected.second,
                 qPrintable(QStringLiteral("row %1, %2: %3").arg(row).arg(caption, text)));
      }
      const std::pair<const char*, double> times[] = {
          {"Range time", r.range.flight->timeHours},
          {"Endurance", r.endurance.flight->timeHours},
          {"Cruise time", r.cruise.flight->timeHours},
      };
      for (const auto& [caption, hours] : times) {
        const QString text = MissionText(s, row, caption);
        QVERIFY2(std::fabs(Minutes(text) - hours * 60) <= 0.5,
                 qPrintable(QStringLiteral("row %1, %2: %3").arg(row).arg(caption, text)));
      }
    }
  }

  // What no altitude can fly is told beside its field and, for each schedule, in the row;
  // a cruise speed or a distance home not asked for leaves its cells empty.
  void MissionTellsWhatTheFuelCannotFly() {
    struct Case {
      const char* reserve;
      const char* cruise;
      const char* distance;
      QStringList notes;  // beside the reserve, the cruise CAS and the distance
      const char* zeroFeet[4][2];
    };
    const Case cases[] = {
        {"7000",
         "",
         "",
         {"At or above the 7000 lb of fuel on board: nothing is flown.", "", ""},
         {{"Range NM", "------"},
          {"Cruise NM", ""},
          {"Bingo lb", ""},
          {"Why no answer",
           "range and endurance: nothing to fly on, the reserve of 7000 lb is "
           "not below the 7000 lb of fuel on board"}}},
        {"0",
         "2000",
         "5000",
         {"", "No steady flight at 2000 kt at any weight of the burn, at 4 of 4 altitudes.",
          "Beyond the fuel on board at 3 of 4 altitudes: the fuel reaches 3541 NM at most."},
         {{"Range NM", "1060"},
          {"Cruise NM", "------"},
          {"Bingo lb", "------"},
          {"Why no answer",
           "cruise: no steady flight at 2000 kt at any weight of the burn; bingo: "
           "the fuel on board reaches 1060 of the 5000 NM home"}}},
    };
    Session s;
    ComputeTheMissionTable(s);
    tz9::MissionWindow* w = OpenMission(s);
    for (const Case& c : cases) {
      RunMission(s, c.reserve, c.cruise, c.distance);
      QTRY_VERIFY_WITH_TIMEOUT(MissionOfLastComputation(s), 30000);
      QCOMPARE(QStringList({w->lblReserveError->text(), w->lblCruiseCasError->text(),
                            w->lblBingoDistanceError->text()}),
               c.notes);
      for (const auto& [caption, text] : c.zeroFeet)
        QCOMPARE(MissionText(s, 1, caption), QString(text));
    }
  }

  // A refused figure is told beside its field, and nothing runs: the table shown stays.
  void MissionRefusesFiguresThatAreNotNumbersOrNegative() {
    struct Case {
      const char* field;
      const char* text;
      const char* error;
      const char* message;
    };
    const Case cases[] = {
        {"txtReserve", "lots", "lblReserveError",
         "Not a number: type the reserve in lb, 0 or more."},
        {"txtReserve", "", "lblReserveError", "Not a number: type the reserve in lb, 0 or more."},
        {"txtReserve", "1500 lb", "lblReserveError",
         "Not a number: type the reserve in lb, 0 or more."},
        {"txtReserve", "-5", "lblReserveError", "Negative: the reserve must be 0 or more."},
        {"txtCruiseCas", "fast", "lblCruiseCasError",
         "Not a number: type the cruise CAS in kt, 0 or more, or leave it empty."},
        {"txtCruiseCas", "-300", "lblCruiseCasError",
         "Negative: the cruise CAS must be 0 or more."},
        {"txtBingoDistance", "1e400", "lblBingoDistanceError",
         "Not a number: type the distance home in NM, 0 or more, or leave it empty."},
        {"txtBingoDistance", "-1e3", "lblBingoDistanceError",
         "Negative: the distance home must be 0 or more."},
    };
    const QStringList errorLabels = {"lblReserveError", "lblCruiseCasError",
                                     "lblBingoDistanceError"};
    Session s;
    ComputeTheMissionTable(s);
    tz9::MissionWindow* w = OpenMission(s);
    RunMission(s, "1500", "300", "150");
    QTRY_VERIFY_WITH_TIMEOUT(MissionOfLastComputation(s), 30000);
    const QStringList shown = AllTexts(w->table());
    QSignalSpy runs(w, &tz9::MissionWindow::RunEnded);
    for (const Case& c : cases) {
      TypeFigures(s, "1500", "300", "150");
      TypeIn(s, c.field, c.text);
      s.Click(w->cmdMission);
      QVERIFY2(!w->Running(), c.text);
      for (const QString& label : errorLabels) {
        const QString expected = label == c.error ? QString(c.message) : QString();
        QCOMPARE(w->findChild<QLabel*>(label)->text(), expected);
      }
      TypeIn(s, c.field, "1");  // editing the field takes its refusal away
      QCOMPARE(w->findChild<QLabel*>(c.error)->text(), QString());
    }
    QTest::qWait(50);
    QCOMPARE(runs.count(), 0);
    QCOMPARE(AllTexts(w->table()), shown);
  }

  void MissionTellsWhenItIsOutOfDate() {
    Session s;
    ComputeTheMissionTable(s);
    tz9::MissionWindow* w = OpenMission(s);
    RunMission(s, "1500", "", "");
    QTRY_VERIFY_WITH_TIMEOUT(MissionOfLastComputation(s), 30000);
    struct Step {
      const char* name;
      std::function<void()> act;
      QString state;
    };
    const Step steps[] = {
        {"option", [&] { s.Choose("Option2"); }, ""},
        {"re-laid", [&] { LayOut(s, "txtSpMi=200 txtSpS1=50 txtSpSt=600 txtSpS2=50 txtSpMa=600"); },
         "Out of date: the table was re-laid since the Compute Table it stands for."},
        {"weight typed", [&] { s.Type("txtCompWeight", "25000"); },
         "Out of date: the table was re-laid and the weight or stores were edited since the "
         "Compute Table it stands for."},
        {"computed", [&] { s.Click(s.form->cmdCompute); },
         "Out of date: Compute Table has run again since the table it stands for."},
        {"mission again", [&] { s.Click(w->cmdMission); }, ""},
    };
    for (const Step& step : steps) {
      step.act();
      QTRY_VERIFY_WITH_TIMEOUT(!w->Running(), 30000);
      QVERIFY2(w->lblMissionState->text() == step.state,
               qPrintable(QString(step.name) + ": " + w->lblMissionState->text()));
    }
    QVERIFY(w->lblMissionFor->text().contains(QStringLiteral("at 25000 lb")));
  }

  // A thousand altitudes burn off the window's thread: the progress moves while the window
  // answers, Cancel stops the run at once, and the next run completes.
  void CancellingALongMissionKeepsTheWindowUsable() {
    for (const bool afterSomeProgress : {false, true}) {
      Session s;
      s.Load(kCheckAircraft);
      LayOut(s, "txtAlMi=0 txtAlS1=40 txtAlSt=39960 txtAlS2=40 txtAlMa=39960");
      ComputeAt(s, "26000");
      QCOMPARE(s.form->grid1().Rows(), 1001);
      tz9::MissionWindow* w = OpenMission(s);
      QSignalSpy runs(w, &tz9::MissionWindow::RunEnded);
      s.Click(w->cmdMission);
      QVERIFY(w->Running());
      QVERIFY(!w->progress->bar()->isHidden());
      if (afterSomeProgress) QTRY_VERIFY_WITH_TIMEOUT(w->progress->bar()->value() > 0, 30000);
      QTest::mouseClick(w->progress->cancel(), Qt::LeftButton);
      QVERIFY(!w->Running());
      QCOMPARE(runs.count(), 1);
      QVERIFY(w->progress->bar()->isHidden());
      QCOMPARE(w->lblMissionState->text(),
               QStringLiteral("Cancelled: the mission fuel was not finished. Press Compute to run "
                              "it again."));
      QTest::qWait(50);  // what the stopped run had posted is dropped
      QCOMPARE(w->table().Rows(), 1);
      QCOMPARE(runs.count(), 1);
      LayOut(s, kCheckSpeeds + " " + kMissionAltitudes);
      ComputeAt(s, "26000");
      s.Click(w->cmdMission);
      QTRY_VERIFY_WITH_TIMEOUT(MissionOfLastComputation(s), 30000);
      QCOMPARE(w->table().Rows(), 5);
      QCOMPARE(w->lblMissionState->text(), QString());
    }
  }
};

QTEST_MAIN(MissionWindowTest)
#include "mission_window_test.moc"
