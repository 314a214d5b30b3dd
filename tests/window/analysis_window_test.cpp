// SPDX-License-Identifier: GPL-3.0-or-later
// What the summary and mission fuel windows share: a run that gives no answer takes the table of
// the run before away and says why, in each window's words.
#include <functional>

#include "analyses/mission_window.h"
#include "analyses/summary_window.h"
#include "analysis_window_test_support.h"

using namespace tz9::test;

namespace {

const QString kCheckAltitudes = "txtAlMi=0 txtAlS1=20000 txtAlSt=40000 txtAlS2=20000 txtAlMa=40000";

// Speeds from -70000 kt: more whole knots than an analysis scans.
const QString kTooManyKnots =
    "txtSpMi=-70000 txtSpS1=50000 txtSpSt=-20000 txtSpS2=1000 txtSpMa=850";

bool ShowsTheLastComputation(const Session& s, const tz9::AnalysisWindow* w) {
  return !w->Running() && w->shown() != nullptr && w->shown() == s.form->computation();
}

}  // namespace

class AnalysisWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void RunWithoutAnAnswerEmptiesTheTableAndSaysWhy() {
    const struct {
      const char* name;
      std::function<tz9::AnalysisWindow*(Session&)> run;  // opens the window and runs it
      std::function<QString(const Session&)> state;
      QString why;
    } cases[] = {
        {"summary",
         [](Session& s) {
           s.form->mnuViewSummary->trigger();  // it summarizes each new computation itself
           return s.form->findChild<tz9::SummaryWindow*>();
         },
         [](const Session& s) {
           return s.form->findChild<tz9::SummaryWindow*>()->lblSummaryState->text();
         },
         "No summary: the speed headers span more than 65536 whole knots."},
        {"mission fuel",
         [](Session& s) {
           s.form->mnuViewMission->trigger();
           s.Click(s.form->findChild<tz9::MissionWindow*>()->cmdMission);
           return s.form->findChild<tz9::MissionWindow*>();
         },
         [](const Session& s) {
           return s.form->findChild<tz9::MissionWindow*>()->lblMissionState->text();
         },
         "No mission fuel: the speed headers span more than 65536 whole knots."},
    };
    for (const auto& c : cases) {
      Session s;
      s.Load(kCheckAircraft);
      LayOut(s, kCheckSpeeds + " " + kCheckAltitudes);
      ComputeAt(s, "20000");
      const tz9::AnalysisWindow* w = c.run(s);
      QTRY_VERIFY_WITH_TIMEOUT(ShowsTheLastComputation(s, w), 30000);
      QCOMPARE(w->table().Rows(), 4);
      LayOut(s, kTooManyKnots);
      ComputeAt(s, "20000");
      c.run(s);
      QTRY_VERIFY_WITH_TIMEOUT(ShowsTheLastComputation(s, w), 30000);
      const QString name = QString(c.name) + ": ";
      QCOMPARE(name + QString::number(w->table().Rows()) + " rows; " + c.state(s),
               name + "1 rows; " + c.why);
      QCOMPARE(TableText(w->table(), 0, 0), QStringLiteral("Altitude"));
    }
  }
};

QTEST_MAIN(AnalysisWindowTest)
#include "analysis_window_test.moc"
