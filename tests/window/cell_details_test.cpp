// SPDX-License-Identifier: GPL-3.0-or-later
// The cell details in the window: the tooltip of a data cell and the "Cell Details" panel, for
// cells of every kind of a real computation of the check aircraft, a cell made out of date by
// "Create Table", and cells never computed.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>

#include "analyses/cell_details_dock.h"
#include "grids/result_grid_view.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

// Speeds from speedMin by 60 up to 600, then by speedStep2 up to 650 kt, by altitudes 0 and
// 52000 ft.
void LayOut(Session& s, const QString& speedMin = QStringLiteral("0"),
            const QString& speedStep2 = QStringLiteral("50")) {
  const QString ranges = "txtSpMi=" + speedMin + " txtSpS1=60 txtSpSt=600 txtSpS2=" + speedStep2 +
                         " txtSpMa=650 txtAlMi=0 txtAlS1=52000 txtAlSt=52000 txtAlS2=1000 "
                         "txtAlMa=52000";
  s.TypeAll(ranges);
  s.Click(s.form->cmdTable);
}

void ComputeTheWideTable(Session& s) {
  s.Load(kCheckAircraft);
  LayOut(s);
  s.Type("txtCompWeight", "20000");
  s.Click(s.form->cmdCompute);
}

// The view's index of the data cell under these header texts (as shown, blanks aside).
QModelIndex IndexOf(const tz9::ResultGridView* view, const QString& knots, const QString& feet) {
  const QAbstractItemModel* model = view->model();
  int row = -1;
  int col = -1;
  for (int r = 0; r < model->rowCount(); ++r) {
    if (model->headerData(r, Qt::Vertical).toString().trimmed() == feet + " ft") row = r;
  }
  for (int c = 0; c < model->columnCount(); ++c) {
    if (model->headerData(c, Qt::Horizontal).toString().trimmed() == knots) col = c;
  }
  if (row < 0 || col < 0) qFatal("no cell at %s kt, %s ft", qPrintable(knots), qPrintable(feet));
  return model->index(row, col);
}

QString ToolTip(const tz9::ResultGridView* view, const QString& knots, const QString& feet) {
  return IndexOf(view, knots, feet).data(Qt::ToolTipRole).toString();
}

// Clicks the cell as a user does; the panel follows it.
void ClickCell(tz9::ResultGridView* view, const QString& knots, const QString& feet,
               bool twice = false) {
  const QModelIndex index = IndexOf(view, knots, feet);
  view->scrollTo(index);
  const QPoint centre = view->visualRect(index).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
  if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

struct Panel {
  tz9::CellDetailsDock* dock;

  QString Value(const QString& quantity) const {
    const QAbstractItemModel* model = dock->tblCellDetails->model();
    const QModelIndexList names =
        model->match(model->index(0, 0), Qt::DisplayRole, quantity, -1, Qt::MatchExactly);
    if (names.size() != 1) qFatal("no single row %s", qPrintable(quantity));
    return names.front().siblingAtColumn(1).data().toString();
  }
  QString Cell() const { return dock->lblCellDetailsCell->text(); }
  QString State() const { return dock->lblCellDetailsState->text(); }
  QString Reason() const { return dock->lblCellDetailsReason->text(); }
};

Panel OpenPanel(Session& s) {
  auto* dock = s.form->findChild<tz9::CellDetailsDock*>("dockCellDetails");
  auto* item = s.form->findChild<QAction*>("mnuViewDetails");
  if (dock == nullptr || item == nullptr) qFatal("no Cell Details panel or View item");
  if (dock->isHidden()) item->trigger();
  return {dock};
}

void ShowWindow(Session& s) {
  s.form->show();
  if (!QTest::qWaitForWindowExposed(s.form.get())) qFatal("window not shown");
}

}  // namespace

class CellDetailsTest : public QObject {
  Q_OBJECT

 private slots:
  void PanelIsHiddenAtStartAndOpensFromTheViewMenu() {
    Session s;
    ShowWindow(s);
    auto* dock = s.form->findChild<QDockWidget*>("dockCellDetails");
    QVERIFY(dock != nullptr);
    QVERIFY(!dock->isVisible());
    auto* item = s.form->findChild<QAction*>("mnuViewDetails");
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), QStringLiteral("Cell &Details"));
    QVERIFY(s.form->mnuView->actions().contains(item));
    item->trigger();
    QVERIFY(dock->isVisible());
    QCOMPARE(dock->windowTitle(), QStringLiteral("Cell Details"));
    item->trigger();
    QVERIFY(!dock->isVisible());
  }

  // Tooltip and panel of a cell of each kind, in either grid.
  void TooltipAndPanelSayWhatEachCellIsAndWhy() {
    const struct {
      const char* name;
      const char* knots;
      const char* feet;
      const char* toolTip;
      const char* reason;
      const char* quantity;  // one row of the panel and its value
      const char* value;
    } cases[] = {
        {"Military", "300", "0",
         "Military power, subsonic\nFuel flow 1896 lb/h, 6.32 lb/NM\nTAS 300 kt, Mach 0.454\n"
         "Drag 2371 lbf, Military thrust 2500 lbf: excess thrust 129 lbf",
         "Drag 2371 lbf is below the Military thrust 2500 lbf", "Lift coefficient needed",
         "0.218789405"},
        {"afterburner", "600", "0",
         "Afterburner, subsonic\nFuel flow 17110 lb/h, 28.5 lb/NM\nTAS 600 kt, Mach 0.907\n"
         "Drag 8555 lbf, afterburner thrust 9000 lbf: excess thrust 445 lbf\n"
         "Military thrust 2500 lbf: excess thrust -6055 lbf",
         "Drag 8555 lbf is at or above the Military thrust 2500 lbf and below the afterburner "
         "thrust 9000 lbf",
         "Store drag factor", "1.40705884"},
        {"too slow", "120", "0",
         "No steady flight\nToo slow or too heavy: the lift coefficient needed, 1.3674, is above "
         "the highest value of the lift curve at Mach 0.181, 1.2\nTAS 120 kt, Mach 0.181",
         "Too slow or too heavy: the lift coefficient needed, 1.3674, is above the highest value "
         "of the lift curve at Mach 0.181, 1.2",
         "Angle of attack", "not reached"},
        {"too much drag", "650", "0",
         "No steady flight\nDrag 10301 lbf is at or above the afterburner thrust 9000 lbf\n"
         "TAS 650 kt, Mach 0.983\n"
         "Drag 10301 lbf, afterburner thrust 9000 lbf: excess thrust -1301 lbf\n"
         "Military thrust 2500 lbf: excess thrust -7801 lbf",
         "Drag 10301 lbf is at or above the afterburner thrust 9000 lbf", "Fuel flow",
         "not reached"},
        {"beyond the thrust table", "420", "52000",
         "No steady flight\n52000 ft is beyond the last altitude of the Military thrust table, "
         "50000 ft\nTAS 841 kt, Mach 1.59",
         "52000 ft is beyond the last altitude of the Military thrust table, 50000 ft",
         "Military thrust available", "not reached"},
        {"could not be computed", "0", "0",
         "Could not be computed: division by zero: speed of zero",
         "Could not be computed: division by zero: speed of zero", "Lift coefficient needed",
         "not reached"},
    };
    Session s;
    ShowWindow(s);
    ComputeTheWideTable(s);
    const Panel panel = OpenPanel(s);
    for (const auto& c : cases) {
      for (tz9::ResultGridView* view : {s.form->MSFG1, s.form->MSFG2}) {
        const bool first = view == s.form->MSFG1;
        const QString where = QString("%1 in grid %2").arg(c.name).arg(first ? 1 : 2);
        QCOMPARE(ToolTip(view, c.knots, c.feet), QString::fromUtf8(c.toolTip));
        ClickCell(view, c.knots, c.feet);
        QCOMPARE(panel.Cell(), QString("%1 kt, %2 ft in the %3 grid")
                                   .arg(c.knots, c.feet, first ? "first" : "second"));
        QVERIFY2(panel.State().isEmpty(), qPrintable(where + ": " + panel.State()));
        QCOMPARE(panel.Reason(), QString::fromUtf8(c.reason));
        QCOMPARE(panel.Value(c.quantity), QString::fromUtf8(c.value));
      }
    }
  }

  // The published figures of the check aircraft at 300 kt and 0 ft, with their units; the
  // afterburner was never consulted.
  void PanelListsEveryQuantityWithItsUnit() {
    const char* rows[][2] = {
        {"Calibrated airspeed", "300 kt"},
        {"Altitude", "0 ft"},
        {"Weight", "20000 lb"},
        {"370USG count", "0"},
        {"Density", "0.002376892 slug/ft³"},
        {"Temperature", "288.15 K"},
        {"Speed of sound", "661.478604 kt"},
        {"Static pressure", "2116.2166 lb/ft²"},
        {"Mach number", "0.453529411"},
        {"True airspeed", "300.000002 kt"},
        {"Calibrated airspeed in ft/s", "506.3508 ft/s"},
        {"Dynamic pressure", "304.707016 lb/ft²"},
        {"Lift coefficient needed", "0.218789405"},
        {"Angle of attack", "1.48486756 °"},
        {"Drag coefficient", "0.0259394702"},
        {"Store drag factor", "1"},
        {"Aerodynamic drag", "2371.18157 lbf"},
        {"Stores drag", "0 lbf"},
        {"Total drag", "2371.18157 lbf"},
        {"Military thrust available", "2500 lbf"},
        {"Afterburner thrust available", "not reached"},
        {"Excess thrust, Military", "128.818428 lbf"},
        {"Excess thrust, afterburner", "not reached"},
        {"Regime", "Military power, subsonic"},
        {"Fuel flow", "1896 lb/h"},
        {"Fuel per nautical mile", "6.31999996 lb/NM"},
    };
    Session s;
    ShowWindow(s);
    ComputeTheWideTable(s);
    const Panel panel = OpenPanel(s);
    QAbstractItemModelTester tester(panel.dock->tblCellDetails->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    ClickCell(s.form->MSFG1, "300", "0");
    for (const auto& [quantity, value] : rows) {
      QCOMPARE(panel.Value(quantity), QString::fromUtf8(value));
    }
  }

  // A double-click opens the panel on that cell; it then follows the current cell of either grid.
  void DoubleClickOpensThePanelWhichFollowsEitherGrid() {
    Session s;
    ShowWindow(s);
    ComputeTheWideTable(s);
    auto* dock = s.form->findChild<tz9::CellDetailsDock*>("dockCellDetails");
    QVERIFY(!dock->isVisible());
    ClickCell(s.form->MSFG2, "600", "0", /*twice=*/true);
    QVERIFY(dock->isVisible());
    const Panel panel{dock};
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("17110 lb/h"));
    QTest::keyClick(s.form->MSFG2, Qt::Key_Left);
    QCOMPARE(panel.Cell(), QStringLiteral("540 kt, 0 ft in the second grid"));
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("13289 lb/h"));
    ClickCell(s.form->MSFG1, "300", "0");
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("1896 lb/h"));
  }

  // Values come from the computation the cell shows: after a re-layout the cell says for what
  // it was computed; a cell never computed says so and lists nothing.
  void OutOfDateAndNeverComputedCellsSaySo() {
    Session s;
    ShowWindow(s);
    const Panel panel = OpenPanel(s);
    s.Load(kCheckAircraft);
    LayOut(s);
    ClickCell(s.form->MSFG1, "300", "0");
    const QString notComputed = QStringLiteral("Not computed yet: press Compute Table.");
    QCOMPARE(panel.State(), notComputed);
    QCOMPARE(panel.Value("Total drag"), QString());
    QCOMPARE(ToolTip(s.form->MSFG1, "300", "0"), notComputed);

    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    // Speeds 30, 90 ... 570, 600, 625, 650: the 300 kt column now reads 330, the 600 kt column
    // keeps its header, and the 650 kt column is one past the computation's last.
    LayOut(s, "30", "25");
    ClickCell(s.form->MSFG1, "330", "0");
    const QString stale =
        QStringLiteral("Out of date: computed for 300 kt, 0 ft before the table was re-laid.");
    QCOMPARE(panel.State(), stale);
    QCOMPARE(panel.Value("Calibrated airspeed"), QStringLiteral("300 kt"));
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("1896 lb/h"));
    QVERIFY(ToolTip(s.form->MSFG1, "330", "0").endsWith("\n" + stale));
    QCOMPARE(IndexOf(s.form->MSFG1, "330", "0").data().toString(), QStringLiteral("1896"));
    ClickCell(s.form->MSFG2, "600", "0");
    QCOMPARE(panel.State(), QString());
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("17110 lb/h"));
    ClickCell(s.form->MSFG2, "650", "52000");
    QCOMPARE(panel.State(), notComputed);
    QCOMPARE(panel.Value("Regime"), QString());

    ClickCell(s.form->MSFG1, "600", "0");
    QCOMPARE(panel.State(), QString());
    s.Type("txtCompWeight", "21000");  // the panel, still on the 600 kt cell, says at once
    QCOMPARE(panel.State(), QStringLiteral("Out of date: computed for 600 kt, 0 ft before the "
                                           "weight or a store count was edited."));
    QCOMPARE(panel.Value("Weight"), QStringLiteral("20000 lb"));
    ClickCell(s.form->MSFG1, "330", "0");
    QCOMPARE(panel.State(), QStringLiteral("Out of date: computed for 300 kt, 0 ft before the "
                                           "table was re-laid and the weight or a store count "
                                           "was edited."));
    s.Type("txtCompWeight", "20000");
    s.form->Option3->click();
    QCOMPARE(panel.State(), QStringLiteral("Out of date: computed for 300 kt, 0 ft before the "
                                           "table was re-laid and the second grid's choice was "
                                           "changed."));
    s.Load(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat");
    QCOMPARE(panel.State(), QStringLiteral("Out of date: computed for 300 kt, 0 ft before the "
                                           "table was re-laid, the second grid's choice was "
                                           "changed and the aircraft changed."));
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("1896 lb/h"));
  }

  // A layout that drops the 52000 ft row and one that brings it back leave its cells empty
  // under the headers they were computed for: they were not computed since.
  void CellsALayoutEmptiedAreNotComputed() {
    Session s;
    ShowWindow(s);
    ComputeTheWideTable(s);
    const Panel panel = OpenPanel(s);
    s.Type("txtAlMa", "0");
    s.Type("txtAlSt", "0");
    s.Click(s.form->cmdTable);
    LayOut(s);
    ClickCell(s.form->MSFG1, "420", "52000");
    QCOMPARE(IndexOf(s.form->MSFG1, "420", "52000").data().toString(), QString());
    QCOMPARE(panel.State(), QStringLiteral("Not computed yet: press Compute Table."));
    ClickCell(s.form->MSFG1, "420", "0");
    QCOMPARE(panel.State(), QString());
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("7375 lb/h"));
  }
};

QTEST_MAIN(CellDetailsTest)
#include "cell_details_test.moc"
