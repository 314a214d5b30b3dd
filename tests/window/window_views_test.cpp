// SPDX-License-Identifier: GPL-3.0-or-later
// The views over the workspace, as only a window shows them: the cell details (tooltip and
// panel), the best-speed marks, the Performance Summary, the out-of-date indicators of every
// view and what the analysis windows share. Which cells are still computed and why a
// computation is out of date are the workspace's to answer; here, that each view says it.
#include <QAbstractItemModelTester>
#include <QChart>
#include <QDockWidget>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableView>
#include <QUrl>
#include <functional>
#include <set>
#include <utility>

#include "analyses/cell_details_dock.h"
#include "analyses/chart_canvas.h"
#include "analyses/charts_window.h"
#include "analyses/mission_window.h"
#include "analyses/summary_window.h"
#include "analysis_window_test_support.h"
#include "performance/best_speeds.h"

using namespace tz9::test;
using tz9::ResultGridView;

namespace {

// Speeds from speedMin by 60 up to 600, then by speedStep2 up to 650 kt, by altitudes 0 and
// 52000 ft.
void LayOutWide(Session& s, const QString& speedMin = QStringLiteral("0"),
                const QString& speedStep2 = QStringLiteral("50")) {
  const QString ranges = "txtSpMi=" + speedMin + " txtSpS1=60 txtSpSt=600 txtSpS2=" + speedStep2 +
                         " txtSpMa=650 txtAlMi=0 txtAlS1=52000 txtAlSt=52000 txtAlS2=1000 "
                         "txtAlMa=52000";
  s.TypeAll(ranges);
  s.Click(s.form->cmdTable);
}

void ComputeTheWideTable(Session& s) {
  s.Load(kCheckAircraft);
  LayOutWide(s);
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

// Altitudes 0, 20000 and 40000 ft (grid rows 1 to 3).
const QString kCheckAltitudes = "txtAlMi=0 txtAlS1=20000 txtAlSt=40000 txtAlS2=20000 txtAlMa=40000";

// The check aircraft at 20000 lb over 150..660 kt by 30 and 0, 20000, 40000 ft. Its least fuel
// flow per row is at 150, 210 and 300 kt (grid columns 1, 3, 6), its least fuel per nautical
// mile at 270, 330 and 420 kt (columns 5, 7, 10).
void ComputeTheSummaryTable(Session& s, const QString& option = "Option1") {
  s.Load(kCheckAircraft);
  LayOut(s, kCheckSpeeds + " " + kCheckAltitudes);
  ComputeAt(s, "20000", option);
}

using Cells = std::set<std::pair<int, int>>;  // (grid row, grid column)

Cells MarkedCells(const ResultGridView* view) {
  Cells marked;
  for (int row = 1; row <= view->model()->rowCount(); ++row) {
    for (int col = 1; col <= view->model()->columnCount(); ++col) {
      if (Marked(view, row, col)) marked.insert({row, col});
    }
  }
  return marked;
}

QString Describe(const Cells& cells) {
  QStringList parts;
  for (const auto& [row, col] : cells)
    parts << QStringLiteral("(%1,%2)").arg(row).arg(col);
  return parts.join(' ');
}

// Every data cell's text and background, as the views read them.
QStringList Shown(const ResultGridView* view) {
  QStringList cells;
  for (int row = 1; row <= view->model()->rowCount(); ++row) {
    for (int col = 1; col <= view->model()->columnCount(); ++col) {
      const QModelIndex index = GridIndex(view, row, col);
      cells << index.data().toString() + " " + index.data(Qt::BackgroundRole).toString();
    }
  }
  return cells;
}

const Cells kEnduranceCells = {{1, 1}, {2, 3}, {3, 6}};
const Cells kRangeCells = {{1, 5}, {2, 7}, {3, 10}};

tz9::SummaryWindow* OpenSummary(Session& s) {
  s.form->mnuViewSummary->trigger();
  return s.form->findChild<tz9::SummaryWindow*>();
}

// Waits until the summary window shows the summary of the form's last computation.
bool SummaryOfLastComputation(const Session& s) {
  return !s.form->findChild<tz9::SummaryWindow*>()->Running() &&
         s.form->findChild<tz9::SummaryWindow*>()->shown() != nullptr &&
         s.form->findChild<tz9::SummaryWindow*>()->shown() == s.form->computation();
}

QString SummaryText(const Session& s, int row, const QString& caption) {
  const tz9::ResultGrid& table = s.form->findChild<tz9::SummaryWindow*>()->table();
  return TableText(table, row, ColumnOf(table, caption));
}

// The check aircraft at the computing weight its loadout gives (26000 lb), every view open on
// the 150 kt, 0 ft cell and on the computation.
void ComputeWithEveryViewOpen(Session& s) {
  s.form->show();
  if (!QTest::qWaitForWindowExposed(s.form.get())) qFatal("window not shown");
  s.Load(kCheckAircraft);
  LayOut(s, kCheckSpeeds + " txtAlMi=0 txtAlS1=20000 txtAlSt=20000 txtAlS2=20000 txtAlMa=20000");
  s.Click(s.form->cmdCompute);
  s.form->findChild<QAction*>("mnuViewDetails")->trigger();
  const QModelIndex cell = GridIndex(s.form->MSFG1, 1, 1);
  QTest::mouseClick(s.form->MSFG1->viewport(), Qt::LeftButton, {},
                    s.form->MSFG1->visualRect(cell).center());
  s.form->mnuViewSummary->trigger();
  s.form->mnuViewMission->trigger();
  s.Click(s.form->findChild<tz9::MissionWindow*>()->cmdMission);
  s.form->mnuViewCharts->trigger();
  for (const tz9::AnalysisWindow* w :
       {static_cast<tz9::AnalysisWindow*>(s.form->findChild<tz9::SummaryWindow*>()),
        static_cast<tz9::AnalysisWindow*>(s.form->findChild<tz9::MissionWindow*>())}) {
    if (!QTest::qWaitFor([&] { return !w->Running() && w->shown() == s.form->computation(); },
                         30000)) {
      qFatal("%s gave no answer", qPrintable(w->objectName()));
    }
  }
}

// The views that say the computation is out of date, now.
QStringList SayingOutOfDate(const Session& s) {
  const QString outOfDate = QStringLiteral("Out of date");
  const auto* charts = s.form->findChild<tz9::frmCharts*>("frmCharts");
  const auto* details = s.form->findChild<tz9::CellDetailsDock*>("dockCellDetails");
  const std::pair<const char*, QString> views[] = {
      {"marker", s.form->findChild<QLabel*>("lblOutOfDate")->text()},
      {"summary", s.form->findChild<tz9::SummaryWindow*>()->lblSummaryState->text()},
      {"mission", s.form->findChild<tz9::MissionWindow*>()->lblMissionState->text()},
      {"charts", charts->chtEnvelope->chart()->title()},
      {"details", details->lblCellDetailsState->text()},
  };
  QStringList saying;
  for (const auto& [view, text] : views) {
    if (text.contains(outOfDate)) saying << view;
  }
  return saying;
}

void Drop(Session& s, const std::string& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(s.form.get(), &enter);
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(s.form.get(), &drop);
}

// Speeds from -70000 kt: more whole knots than an analysis scans.
const QString kTooManyKnots =
    "txtSpMi=-70000 txtSpS1=50000 txtSpSt=-20000 txtSpS2=1000 txtSpMa=850";

bool ShowsTheLastComputation(const Session& s, const tz9::AnalysisWindow* w) {
  return !w->Running() && w->shown() != nullptr && w->shown() == s.form->computation();
}

}  // namespace

class WindowViewsTest : public QObject {
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

  // Checked with no wait: a view that learnt of the change later would fail. The second grid's
  // option changes no analysis, and a new layout leaves no cell chosen for the details.
  void EveryViewSaysAtOnceWhatTheComputationNoLongerMatches() {
    const QStringList every = {"marker", "summary", "mission", "charts", "details"};
    const struct {
      const char* name;
      std::function<void(Session&)> change;
      QStringList saying;
    } cases[] = {
        {"weight typed", [](Session& s) { s.Type("txtCompWeight", "21000"); }, every},
        // The same count, so the loadout leaves the computing weight's text as it was.
        {"count typed again as 00", [](Session& s) { s.Type("txtEcm", "00"); }, every},
        {"second grid's option", [](Session& s) { s.Choose("Option3"); }, {"marker", "details"}},
        {"table laid out again",
         [](Session& s) { LayOut(s, "txtSpMi=200 txtSpS1=50 txtSpSt=600 txtSpS2=50 txtSpMa=600"); },
         {"marker", "summary", "mission", "charts"}},
        {"another aircraft loaded", [](Session& s) { s.Load(kGenericFighter); }, every},
        {"another aircraft dropped", [](Session& s) { Drop(s, kGenericFighter); }, every},
    };
    for (const auto& c : cases) {
      Session s;
      ComputeWithEveryViewOpen(s);
      const QString name = QString(c.name) + ": ";
      QCOMPARE(name + SayingOutOfDate(s).join(' '), name);
      c.change(s);
      QCOMPARE(name + SayingOutOfDate(s).join(' '), name + c.saying.join(' '));
    }
  }

  // After a computation on the default ranges, one action; then the marker above the grids, and
  // whether the data cells kept what the computation wrote there.
  void OutOfDateMarkerSaysWhatChangedUntilTheNextComputeTable() {
    struct Case {
      const char* name;
      std::function<void(Session&)> act;
      QString marker;
    };
    const QTemporaryDir scratch;
    const QString prefix = "Out of date: ";
    const QString suffix = " since the last Compute Table";
    const Case cases[] = {
        {"nothing", [](Session&) {}, ""},
        {"new ranges laid out",
         [](Session& s) {
           s.Type("txtSpMi", "160");
           s.Click(s.form->cmdTable);
         },
         prefix + "the table was re-laid" + suffix + " (grey figures)"},
        {"computing weight typed", [](Session& s) { s.Type("txtCompWeight", "21000"); },
         prefix + "the weight or stores were edited" + suffix},
        {"store count typed", [](Session& s) { s.Type("txtEcm", "1"); },
         prefix + "the weight or stores were edited" + suffix},
        {"option changed", [](Session& s) { s.form->Option3->click(); },
         prefix + "the 2nd Grid option changed" + suffix},
        {"another aircraft loaded",
         [](Session& s) { s.Load(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat"); },
         prefix + "the aircraft changed" + suffix},
        {"the same aircraft loaded again", [](Session& s) { s.Load(kCheckAircraft); }, ""},
        {"load cancelled", [](Session& s) { s.Load(std::nullopt); }, ""},
        {"everything at once",
         [&scratch](Session& s) {
           s.Type("txtAlMa", "30000");
           s.Click(s.form->cmdTable);
           s.Type("txtCompWeight", "25000");
           s.form->Option2->click();
           s.Load(CheckAircraftFile(scratch, "cut.dat", "# Stores Drag", nullptr));
         },
         prefix +
             "the table was re-laid, the weight or stores were edited and the 2nd Grid option "
             "changed" +
             suffix + " (grey figures)"},
    };
    for (const Case& c : cases) {
      Session s;
      ComputeOnDefaults(s);
      const QString computed = CellShown(s.form->MSFG1, 2, 3) + CellShown(s.form->MSFG2, 2, 3);
      QCOMPARE(Shown(s, "lblOutOfDate"), QString());
      c.act(s);
      QCOMPARE(QStringList({c.name, Shown(s, "lblOutOfDate"),
                            CellShown(s.form->MSFG1, 2, 3) + CellShown(s.form->MSFG2, 2, 3)}),
               QStringList({c.name, c.marker, computed}));
      QCOMPARE(Shown(s, "lblFuelFlow") + "|" + Shown(s, "lblLbsNm"), "Fuel Flow|Lbs/NM");
      // Cells under headers they were not computed for are drawn grey.
      for (const tz9::ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2}) {
        QCOMPARE(grid->model()->index(1, 2).data(Qt::ForegroundRole).isValid(),
                 c.marker.contains("re-laid"));
      }
      s.Type("txtCompWeight", "20000");
      s.Click(s.form->cmdCompute);
      QVERIFY2(s.Status().startsWith("Computed"), c.name);
      QCOMPARE(Shown(s, "lblOutOfDate"), QString());
    }
  }

  // The indicator names the quantity of the last computation, not the option chosen since.
  void SecondGridIndicatorNamesWhatItsCellsHold() {
    const QString tasText =
        "2nd grid: true airspeed (kt) from the last Compute Table; cells with steady flight "
        "keep the backgrounds of an earlier run";
    Session s;
    QCOMPARE(Shown(s, "lblSecondGridShows"), "2nd grid: empty until the first Compute Table");
    s.Load(kCheckAircraft);
    s.Type("txtCompWeight", "20000");
    const std::pair<QRadioButton*, QString> computed[] = {
        {s.form->Option2, tasText},
        {s.form->Option3,
         "2nd grid: Mach number from the last Compute Table; cells with steady flight keep the "
         "backgrounds of an earlier run"},
        {s.form->Option1, "2nd grid: fuel per nautical mile (lb/NM) from the last Compute Table"},
    };
    for (const auto& [option, text] : computed) {
      option->click();
      s.Click(s.form->cmdCompute);
      QCOMPARE(Shown(s, "lblSecondGridShows"), text);
    }
    s.form->Option2->click();  // chosen, not computed
    QCOMPARE(Shown(s, "lblSecondGridShows"),
             "2nd grid: fuel per nautical mile (lb/NM) from the last Compute Table");
    QCOMPARE(Shown(s, "lblLbsNm"), "Lbs/NM");
  }

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
    LayOutWide(s);
    ClickCell(s.form->MSFG1, "300", "0");
    const QString notComputed = QStringLiteral("Not computed yet: press Compute Table.");
    QCOMPARE(panel.State(), notComputed);
    QCOMPARE(panel.Value("Total drag"), QString());
    QCOMPARE(ToolTip(s.form->MSFG1, "300", "0"), notComputed);

    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    // Speeds 30, 90 ... 570, 600, 625, 650: the 300 kt column now reads 330, the 600 kt column
    // keeps its header, and the 650 kt column is one past the computation's last.
    LayOutWide(s, "30", "25");
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
    LayOutWide(s);
    ClickCell(s.form->MSFG1, "420", "52000");
    QCOMPARE(IndexOf(s.form->MSFG1, "420", "52000").data().toString(), QString());
    QCOMPARE(panel.State(), QStringLiteral("Not computed yet: press Compute Table."));
    ClickCell(s.form->MSFG1, "420", "0");
    QCOMPARE(panel.State(), QString());
    QCOMPARE(panel.Value("Fuel flow"), QStringLiteral("7375 lb/h"));
  }

  void MarksFrameEachRowsBestCellsAfterASweep() {
    struct Case {
      const char* name;
      const char* option;
      Cells secondGrid;  // best range only where the second grid shows fuel per NM
    };
    const Case cases[] = {
        {"fuel per nautical mile", "Option1", kRangeCells},
        {"true airspeed", "Option2", {}},
        {"Mach number", "Option3", {}},
    };
    for (const Case& c : cases) {
      Session s;
      QVERIFY(s.form->mnuViewMarks->isCheckable() && s.form->mnuViewMarks->isChecked());
      QCOMPARE(MarkedCells(s.form->MSFG1), Cells());
      ComputeTheSummaryTable(s, c.option);
      QCOMPARE(Describe(MarkedCells(s.form->MSFG1)), Describe(kEnduranceCells));
      QCOMPARE(Describe(MarkedCells(s.form->MSFG2)), Describe(c.secondGrid));
      // The core finds the same cells.
      const auto best = tz9::FindGridBestCells(*s.form->computation());
      for (const auto& [row, col] : kEnduranceCells)
        QCOMPARE(best[row - 1].enduranceColumn, std::optional<int>(col));
    }
  }

  // The delegate draws a frame along the edges of a marked cell, and of no other.
  void MarkedCellsAreFramed() {
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    ComputeTheSummaryTable(s);
    const auto edgeColour = [&s](int row, int col) {
      const QImage image = s.form->MSFG2->viewport()->grab().toImage();
      const QRect cell = s.form->MSFG2->visualRect(GridIndex(s.form->MSFG2, row, col));
      return image.pixelColor(cell.left(), cell.center().y()).name();
    };
    QCOMPARE(edgeColour(1, 5), QStringLiteral("#000080"));
    QVERIFY(edgeColour(1, 4) != QStringLiteral("#000080"));
    s.form->mnuViewMarks->trigger();
    QVERIFY(edgeColour(1, 5) != QStringLiteral("#000080"));
  }

  void MarkBestSpeedsOffTakesEveryMarkAwayAndChangesNoCell() {
    Session s;
    ComputeTheSummaryTable(s);
    const QStringList first = Shown(s.form->MSFG1);
    const QStringList second = Shown(s.form->MSFG2);
    // The views repaint the cells at once, each told once.
    QSignalSpy firstRepaints(s.form->MSFG1->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy secondRepaints(s.form->MSFG2->model(), &QAbstractItemModel::dataChanged);
    s.form->mnuViewMarks->trigger();
    QCOMPARE(firstRepaints.count() + secondRepaints.count(), 2);
    QVERIFY(!s.form->mnuViewMarks->isChecked());
    QCOMPARE(MarkedCells(s.form->MSFG1), Cells());
    QCOMPARE(MarkedCells(s.form->MSFG2), Cells());
    QCOMPARE(Shown(s.form->MSFG1), first);
    QCOMPARE(Shown(s.form->MSFG2), second);
    ComputeAt(s, "20000");  // a new computation while off shows none either
    QCOMPARE(MarkedCells(s.form->MSFG1), Cells());
    s.form->mnuViewMarks->trigger();
    QCOMPARE(Describe(MarkedCells(s.form->MSFG1)), Describe(kEnduranceCells));
    QCOMPARE(Describe(MarkedCells(s.form->MSFG2)), Describe(kRangeCells));
  }

  // The grids keep their cells after "Create Table"; a mark stays only where the cell's speed
  // and altitude headers are still those it was computed under.
  void CreateTableKeepsMarksOnlyWhereTheHeadersStillMatch() {
    struct Case {
      const char* name;
      QString ranges;
      Cells first, second;
    };
    const Case cases[] = {
        {"the same table", kCheckSpeeds + " " + kCheckAltitudes, kEnduranceCells, kRangeCells},
        {"the top altitude changed",
         kCheckSpeeds + " txtAlMi=0 txtAlS1=20000 txtAlSt=30000 txtAlS2=10000 txtAlMa=30000",
         {{1, 1}, {2, 3}},
         {{1, 5}, {2, 7}}},
        {"every speed moved", "txtSpMi=160 txtSpS1=30 txtSpSt=670 txtSpS2=30 txtSpMa=670", {}, {}},
        {"fewer speeds",
         "txtSpMi=150 txtSpS1=30 txtSpSt=270 txtSpS2=30 txtSpMa=270",
         {{1, 1}, {2, 3}},
         {{1, 5}}},
    };
    for (const Case& c : cases) {
      Session s;
      ComputeTheSummaryTable(s);
      LayOut(s, c.ranges);
      QVERIFY2(s.form->CurrentStaleness().tableRelaid == (c.first != kEnduranceCells), c.name);
      QCOMPARE(Describe(MarkedCells(s.form->MSFG1)), Describe(c.first));
      QCOMPARE(Describe(MarkedCells(s.form->MSFG2)), Describe(c.second));
    }
  }

  void SummaryIsTheCoreSummaryOfTheLastComputation() {
    Session s;
    ComputeTheSummaryTable(s);
    QVERIFY(s.form->findChild<tz9::SummaryWindow*>()->isHidden());
    const tz9::SummaryWindow* w = OpenSummary(s);
    QCOMPARE(w->objectName(), QStringLiteral("frmSummary"));
    QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 20000);
    QCOMPARE(w->lblSummaryFor->text(),
             QStringLiteral("Summary of check-aircraft.dat at 20000 lb with no stores; 3 altitudes "
                            "by 18 speeds (150 to 660 kt)"));
    QCOMPARE(w->lblSummaryState->text(), QString());
    // The 0 ft row as the command line's --summary gives it, to the digits shown.
    const char* const zeroFeet[][2] = {
        {"Altitude", " 0 ft"},   {"Range CAS", "256"},    {"Range TAS", "256.0"},
        {"Range Mach", "0.387"}, {"Range lb/h", "1598"},  {"Range lb/NM", "6.242"},
        {"Endur. CAS", "150"},   {"Endur. lb/h", "1074"}, {"Military from", "150"},
        {"Military to", "313"},  {"A/B from", "314"},     {"A/B to", "613"},
    };
    for (const auto& [caption, text] : zeroFeet)
      QCOMPARE(SummaryText(s, 1, caption), QString(text));
    QCOMPARE(w->lblSummaryOptima->text(),
             QStringLiteral("Best range at 40000 ft (1.848 lb/NM at 425 kt CAS); best endurance at "
                            "20000 ft (1067 lb/h at 203 kt CAS). Highest altitude of the table "
                            "with steady flight: Military 40000 ft, afterburner 40000 ft."));
  }

  // A row without steady flight shows "------" for each answer it lacks.
  void SummaryMarksAnswersARowLacks() {
    Session s;
    s.Load(kCheckAircraft);
    LayOut(s, kCheckSpeeds +
                  " txtAlMi=40000 txtAlS1=20000 txtAlSt=60000 txtAlS2=20000 "
                  "txtAlMa=60000");
    ComputeAt(s, "26000");
    OpenSummary(s);
    QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 20000);
    QCOMPARE(SummaryText(s, 1, "Range CAS"), QStringLiteral("469"));
    for (const char* caption : {"Range CAS", "Range lb/NM", "Endur. lb/h", "Military to", "A/B to"})
      QCOMPARE(SummaryText(s, 2, caption), QStringLiteral("------"));
  }

  void SelectingASummaryRowSelectsItsBestRangeCellInTheGrids() {
    Session s;
    ComputeTheSummaryTable(s);
    tz9::SummaryWindow* w = OpenSummary(s);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 20000);
    // Grid row, then the column nearest the best-range speed (256 kt: 270; 329: 330; 425: 420).
    const int cases[][2] = {{2, 7}, {1, 5}, {3, 10}};
    for (const auto& [row, col] : cases) {
      const QModelIndex cell = w->grdSummary->model()->index(row - 1, 0);
      QTest::mouseClick(w->grdSummary->viewport(), Qt::LeftButton, {},
                        w->grdSummary->visualRect(cell).center());
      for (const ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2}) {
        QCOMPARE(grid->currentIndex(), GridIndex(grid, row, col));
        QCOMPARE(grid->selectionModel()->selectedIndexes(),
                 QModelIndexList({GridIndex(grid, row, col)}));
      }
    }
    // Re-laid under other speeds, the grids no longer hold the row's cell: a row picks none.
    LayOut(s, "txtSpMi=160 txtSpS1=30 txtSpSt=670 txtSpS2=30 txtSpMa=670");
    const QModelIndex before = s.form->MSFG1->currentIndex();
    QTest::mouseClick(w->grdSummary->viewport(), Qt::LeftButton, {},
                      w->grdSummary->visualRect(w->grdSummary->model()->index(0, 0)).center());
    QCOMPARE(s.form->MSFG1->currentIndex(), before);
  }

  // While open, the summary follows every new Compute Table and tells what its own no longer
  // matches; the second grid's option changes no summary.
  void SummaryFollowsNewComputationsAndTellsWhenOutOfDate() {
    Session s;
    ComputeTheSummaryTable(s);
    tz9::SummaryWindow* w = OpenSummary(s);
    QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 20000);
    struct Step {
      const char* name;
      std::function<void()> act;
      QString state;
      QString captionHas;
    };
    const Step steps[] = {
        {"option", [&] { s.Choose("Option3"); }, "", "at 20000 lb"},
        {"weight typed", [&] { s.Type("txtCompWeight", "22000"); },
         "Out of date: the weight or stores were edited since the Compute Table it stands for.",
         "at 20000 lb"},
        {"computed", [&] { s.Click(s.form->cmdCompute); }, "", "at 22000 lb"},
        {"stores typed", [&] { s.Type("txtEcm", "1"); },
         "Out of date: the weight or stores were edited since the Compute Table it stands for.",
         "with no stores"},
        {"computed with stores", [&] { s.Click(s.form->cmdCompute); }, "", "with 1 ALQ131"},
        {"re-laid", [&] { LayOut(s, "txtSpMi=200 txtSpS1=50 txtSpSt=600 txtSpS2=50 txtSpMa=600"); },
         "Out of date: the table was re-laid since the Compute Table it stands for.", "18 speeds"},
    };
    for (const Step& step : steps) {
      step.act();
      QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 20000);
      QVERIFY2(w->lblSummaryState->text() == step.state,
               qPrintable(QString(step.name) + ": " + w->lblSummaryState->text()));
      QVERIFY2(w->lblSummaryFor->text().contains(step.captionHas),
               qPrintable(QString(step.name) + ": " + w->lblSummaryFor->text()));
    }
    // The last computation's summary, with the ECM pod at the loadout's weight.
    const tz9::TableSummary core = tz9::SummarizeTable(*s.form->computation());
    QCOMPARE(SummaryText(s, 1, "Range CAS"), QString::number(core.rows[0].bestRange->cas));
    QVERIFY(SummaryText(s, 1, "Range CAS") != QStringLiteral("256"));  // 256 kt at 20000 lb
  }

  void SummaryCopiesLikeTheGrids() {
    Session s;
    ComputeTheSummaryTable(s);
    tz9::SummaryWindow* w = OpenSummary(s);
    QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 20000);
    const QAbstractItemModel* model = w->grdSummary->model();
    w->grdSummary->selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 1)),
                                            QItemSelectionModel::Select);
    QTest::keyClick(w->grdSummary, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("\tRange CAS\tRange TAS\n0 ft\t256\t256.0\n20000 ft\t329\t436.4\n"));
  }

  // A summary of a thousand altitudes runs off the window's thread: Cancel stops it, the window
  // says so and a new run completes.
  void CancellingASummaryKeepsTheWindowUsable() {
    Session s;
    s.Load(kCheckAircraft);
    LayOut(s, "txtAlMi=0 txtAlS1=40 txtAlSt=39960 txtAlS2=40 txtAlMa=39960");
    ComputeAt(s, "20000");
    QCOMPARE(s.form->grid1().Rows(), 1001);
    tz9::SummaryWindow* w = OpenSummary(s);
    QVERIFY(w->Running());
    QVERIFY(!w->progress->cancel()->isHidden());
    QSignalSpy ended(w, &tz9::SummaryWindow::RunEnded);
    QTest::mouseClick(w->progress->cancel(), Qt::LeftButton);
    QVERIFY(!w->Running());
    QCOMPARE(ended.count(), 1);
    QVERIFY(w->progress->cancel()->isHidden());
    QCOMPARE(w->lblSummaryState->text(),
             QStringLiteral("Cancelled: the summary was not finished. Press Compute to run it "
                            "again."));
    QCOMPARE(w->table().Rows(), 1);  // no rows of a summary that was not finished
    s.Click(w->cmdSummaryCompute);
    QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 60000);
    QCOMPARE(w->table().Rows(), 1001);
    QCOMPARE(w->lblSummaryState->text(), QString());
  }

  // The screenshot, kept in the build folder, shows every cell in view in its colour.
  void ScreenshotShowsEachCellInItsColour() {
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    ComputeTheCheckTable(s, "Option2");
    const QImage shot = s.form->grab().toImage();
    QVERIFY(shot.save(QStringLiteral(TZ9_SCREENSHOT_PATH)));
    const tz9::ResultGridView* view = s.form->MSFG1;
    QStringList colours;
    for (int col = 0; col < view->model()->columnCount(); ++col) {
      for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex index = view->model()->index(row, col);
        const QRect cell = view->visualRect(index);
        if (!view->viewport()->rect().contains(cell)) continue;  // scrolled out of view
        // Below the text, which stands at the top of the cell.
        const QPoint below = view->viewport()->mapTo(s.form.get(), cell.bottomLeft());
        colours << index.data().toString() + " " + shot.pixelColor(below + QPoint(2, -2)).name() +
                       "/" + index.data(Qt::BackgroundRole).value<QColor>().name();
      }
    }
    QVERIFY2(colours.size() >= 2 * 20,
             qPrintable(colours.join(", ")));  // both rows, 20 speeds or more
    QCOMPARE(colours.filter(QRegularExpression(" (#\\w+)/\\1$")), colours);
  }
};

QTEST_MAIN(WindowViewsTest)
#include "window_views_test.moc"
