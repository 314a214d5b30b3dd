// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline and the compare window wired into the main window: the menu items' states, the
// baseline named in the status bar and the window, a comparison after a loadout change, two
// identical configurations, tables without a common altitude, and the charts' baseline lines.
#include <QAbstractSeries>
#include <QChart>

#include "analyses/chart_canvas.h"
#include "analyses/charts_window.h"
#include "analyses/compare_window.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

QAction* Item(const Session& s, const char* name) {
  return s.form->findChild<QAction*>(name);
}

// The check aircraft at 20000 lb with two AA missiles and two tanks, on kCheckRanges.
void ComputeLoaded(Session& s) {
  s.Load(kCheckAircraft);
  s.TypeAll(kCheckRanges);
  s.Click(s.form->cmdTable);
  s.TypeAll("txtMisAA=2 txtFuelTank=2 txtCompWeight=20000");
  s.Click(s.form->cmdCompute);
}

// Opens the compare window and waits for its comparison of the last computation.
tz9::CompareWindow* Compared(Session& s) {
  auto* window = s.form->findChild<tz9::CompareWindow*>("frmCompare");
  if (!window->isVisible()) Item(s, "mnuViewCompare")->trigger();
  if (!QTest::qWaitFor(
          [&] {
            return !window->Running() && window->shown() == s.form->computation() &&
                   window->shownBaseline() == s.form->workspace().baseline();
          },
          30000)) {
    qFatal("no comparison");
  }
  return window;
}

// The texts of a table's data cells under the captions holding `caption`.
QStringList Column(const tz9::ResultGrid& table, const QString& caption) {
  QStringList texts;
  for (int col = 1; col < table.Cols(); ++col) {
    if (!QString::fromStdString(std::string(table.TextAt(0, col))).contains(caption)) continue;
    for (int row = 1; row < table.Rows(); ++row)
      texts << QString::fromStdString(std::string(table.TextAt(row, col)));
  }
  return texts;
}

QStringList Cells(const tz9::ResultGrid& grid) {
  QStringList texts;
  for (int row = 1; row < grid.Rows(); ++row) {
    for (int col = 1; col < grid.Cols(); ++col)
      texts << QString::fromStdString(std::string(grid.TextAt(row, col)));
  }
  return texts;
}

}  // namespace

class CompareWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void PinAndClearAreEnabledOnlyWhenTheyCanAct() {
    Session s;
    QVERIFY(!Item(s, "mnuViewPinBaseline")->isEnabled());
    QVERIFY(!Item(s, "mnuViewClearBaseline")->isEnabled());
    ComputeLoaded(s);
    QVERIFY(Item(s, "mnuViewPinBaseline")->isEnabled());
    QVERIFY(!Item(s, "mnuViewClearBaseline")->isEnabled());
    Item(s, "mnuViewPinBaseline")->trigger();
    QVERIFY(Item(s, "mnuViewClearBaseline")->isEnabled());
    const QString named =
        "Baseline: " + s.Text("txtAereo").trimmed() + ", 20,000 lb, AA Missiles x2, Fuel Tank x2";
    QCOMPARE(s.form->lblBaseline->text(), named);
    QCOMPARE(Compared(s)->lblCompareBaseline->text(), named);
    Item(s, "mnuViewClearBaseline")->trigger();
    QVERIFY(!Item(s, "mnuViewClearBaseline")->isEnabled());
    QVERIFY(s.form->lblBaseline->isHidden());
  }

  void IdenticalConfigurationsChangeNothing() {
    Session s;
    ComputeLoaded(s);
    Item(s, "mnuViewPinBaseline")->trigger();
    s.Click(s.form->cmdCompute);
    const tz9::CompareWindow* window = Compared(s);
    const QStringList changes = Column(window->table(), "change");
    QCOMPARE(changes.size(), 4 * 2);  // four changes at two altitudes
    for (const QString& change : changes)
      QVERIFY2(change == "0.0 %" || change.isEmpty(), qPrintable(change));
    QVERIFY(changes.contains("0.0 %"));
    const QStringList cells = Cells(window->differences());
    QCOMPARE(cells.size(), 2 * 37);
    QVERIFY(cells.contains("0.0"));
    for (const QString& cell : cells)
      QVERIFY2(cell == "0.0" || cell == "------", qPrintable(cell));
  }

  // One tank less than the baseline: less drag, so every cell with steady flight on both sides
  // burns less, and the window follows the new computation by itself.
  void ALoadoutChangeFillsTheWindow() {
    Session s;
    ComputeLoaded(s);
    Item(s, "mnuViewPinBaseline")->trigger();
    Compared(s);
    s.TypeAll("txtFuelTank=1 txtCompWeight=20000");
    s.Click(s.form->cmdCompute);
    const tz9::CompareWindow* window = Compared(s);
    QVERIFY(window->lblCompareState->text().isEmpty());
    int less = 0;
    for (const QString& cell : Cells(window->differences())) {
      QVERIFY2(cell == "------" || cell == "0.0" || cell.startsWith('-'), qPrintable(cell));
      less += cell.startsWith("-") && cell != "------" ? 1 : 0;
    }
    QVERIFY(less > 0);
    const QString tip =
        window->grdCompareCells->model()->index(0, 0).data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.startsWith("300 kt at 0 ft: ") && tip.contains("; baseline "), qPrintable(tip));
    // The charts draw the baseline beside the current lines.
    s.form->mnuViewCharts->trigger();
    auto* charts = s.form->findChild<tz9::frmCharts*>();
    QCoreApplication::processEvents();
    QStringList names;
    for (const QAbstractSeries* series : charts->chtFuelFlow->chart()->series())
      names << series->name();
    QVERIFY(names.contains("baseline"));
  }

  void TablesWithoutACommonAltitudeSaySo() {
    Session s;
    ComputeLoaded(s);
    Item(s, "mnuViewPinBaseline")->trigger();
    s.TypeAll("txtAlMi=1000 txtAlS1=40000 txtAlSt=41000 txtAlS2=1000 txtAlMa=41000");
    s.Click(s.form->cmdTable);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    const tz9::CompareWindow* window = Compared(s);
    QVERIFY2(window->lblCompareState->text().contains("no altitude in common"),
             qPrintable(window->lblCompareState->text()));
    QCOMPARE(window->table().Rows(), 1);
  }
};

QTEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
