// SPDX-License-Identifier: GPL-3.0-or-later
// The Climb and Turn window's wiring: the View menu opens it, Compute fills one table row per
// altitude from the core, a bad g limit is refused beside its field with nothing run, the
// out-of-date line after a new Compute Table, and a row picked in the table gets its E-M diagram.
#include <QChart>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QValueAxis>

#include "analyses/chart_canvas.h"
#include "analyses/climb_turn_window.h"
#include "analysis_window_test_support.h"
#include "performance/climb_turn.h"

using namespace tz9::test;
using tz9::ClimbTurnWindow;

namespace {

ClimbTurnWindow* Open(Session& s) {
  auto* item = s.form->findChild<QAction*>("mnuViewClimbTurn");
  if (item == nullptr) return nullptr;
  item->trigger();
  return s.form->findChild<ClimbTurnWindow*>("frmClimbTurn");
}

bool RunEnded(const Session& s, const ClimbTurnWindow* w) {
  return !w->Running() && w->shown() != nullptr && w->shown() == s.form->computation();
}

ClimbTurnWindow* OpenAndRun(Session& s) {
  ComputeTheCheckTable(s);
  ClimbTurnWindow* w = Open(s);
  s.Click(w->cmdClimbTurn);
  if (!QTest::qWaitFor([&] { return RunEnded(s, w); }, 20000)) qFatal("no climb and turn");
  return w;
}

}  // namespace

class ClimbTurnWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void MenuItemOpensTheWindowAndComputeFillsOneRowPerAltitude() {
    Session s;
    ComputeTheCheckTable(s);
    ClimbTurnWindow* w = Open(s);
    QVERIFY(w != nullptr && w->isVisible());
    QVERIFY(s.form->mnuView->actions().contains(s.form->mnuViewClimbTurn));
    QCOMPARE(w->txtGLimit->text(), QStringLiteral("9"));
    QVERIFY(w->shown() == nullptr);  // nothing runs before Compute
    s.Click(w->cmdClimbTurn);
    QTRY_VERIFY_WITH_TIMEOUT(RunEnded(s, w), 20000);
    const tz9::ClimbTurnReport core = tz9::ComputeClimbTurn(*s.form->computation(), 9);
    QCOMPARE(w->table().Rows(), 1 + static_cast<int>(core.rows.size()));
    QCOMPARE(core.rows.size(), size_t{2});
    for (int row = 1; row <= 2; ++row) {
      const auto& best = core.rows[static_cast<size_t>(row - 1)].afterburner.best;
      QCOMPARE(TableText(w->table(), row, ColumnOf(w->table(), "A/B ft/min")),
               best ? QString::number(best->rateFpm, 'f', 0) : QStringLiteral("------"));
    }
    QVERIFY(w->lblCeilings->text().contains("Military"));
  }

  void BadGLimitIsRefusedBesideItsFieldAndNothingRuns() {
    const struct {
      const char* text;
      const char* refusal;
    } cases[] = {{"nine", "Not a number"}, {"0.5", "Out of range"}, {"15.5", "Out of range"}};
    for (const auto& c : cases) {
      Session s;
      ComputeTheCheckTable(s);
      ClimbTurnWindow* w = Open(s);
      s.Type("txtGLimit", c.text);
      s.Click(w->cmdClimbTurn);
      QVERIFY2(w->lblGLimitError->text().startsWith(c.refusal), c.text);
      QVERIFY(w->lblGLimitError->isVisible());
      QTest::qWait(50);
      QVERIFY2(!w->Running() && w->shown() == nullptr, c.text);
    }
  }

  void SaysWhenANewComputeTableMakesItOutOfDate() {
    Session s;
    ClimbTurnWindow* w = OpenAndRun(s);
    QVERIFY(!w->lblClimbTurnState->text().contains("Out of date"));
    s.Type("txtCompWeight", "21000");
    s.Click(s.form->cmdCompute);
    QTRY_VERIFY(w->lblClimbTurnState->text().startsWith("Out of date"));
    QVERIFY(w->lblClimbTurnState->isVisible());
  }

  void PickingARowRedrawsTheEmChart() {
    Session s;
    ClimbTurnWindow* w = OpenAndRun(s);
    QTRY_VERIFY_WITH_TIMEOUT(w->EmRow() == 1 && !w->EmRunning(), 20000);
    QVERIFY(w->chtEm->chart()->title().contains(" at 0 ft"));
    const qsizetype lines = w->chtEm->chart()->series().size();
    QVERIFY(lines > 6);
    w->grdClimbTurn->setCurrentIndex(w->grdClimbTurn->model()->index(1, 0));
    QTRY_VERIFY_WITH_TIMEOUT(w->EmRow() == 2 && !w->EmRunning(), 20000);
    QVERIFY(w->chtEm->chart()->title().contains(" at 40000 ft"));
    w->optEmMach->click();
    QCOMPARE(w->chtEm->XAxis()->titleText(), QStringLiteral("Mach number"));
    const QTemporaryDir folder;
    QVERIFY(w->SaveImage(folder.filePath("em.png")));
    QVERIFY(QFileInfo::exists(folder.filePath("em.png")));
  }
};

QTEST_MAIN(ClimbTurnWindowTest)
#include "climb_turn_window_test.moc"
