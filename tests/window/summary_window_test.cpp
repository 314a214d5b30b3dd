// SPDX-License-Identifier: GPL-3.0-or-later
// The best speeds in the window: the marks in the grids after a sweep, with "Mark Best Speeds"
// off and after "Create Table"; the Performance Summary window against the core's summary, its
// row picking the grids' cell, following new computations, copying, and a cancelled run.
#include <QClipboard>
#include <QImage>
#include <QProgressBar>
#include <QSignalSpy>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "analyses/analysis_view_support.h"
#include "analyses/summary_window.h"
#include "analysis_window_test_support.h"
#include "performance/best_speeds.h"

using namespace tz9::test;
using tz9::ResultGridView;

namespace {

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

}  // namespace

class SummaryWindowTest : public QObject {
  Q_OBJECT

 private slots:
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
    // Every row against the core: whole numbers as they are, the rest to the digits shown.
    const tz9::TableSummary core = tz9::SummarizeTable(*s.form->computation());
    QCOMPARE(w->table().Rows() - 1, static_cast<int>(core.rows.size()));
    for (size_t i = 0; i < core.rows.size(); ++i) {
      const tz9::RowScan& r = core.rows[i];
      const std::pair<const char*, std::pair<double, double>> cells[] = {
          {"Range CAS", {r.bestRange->cas, 0}},
          {"Range TAS", {r.bestRange->tas, 0.05}},
          {"Range Mach", {r.bestRange->mach, 0.0005}},
          {"Range lb/h", {r.bestRange->fuelFlow, 0}},
          {"Range lb/NM", {r.bestRange->lbsPerNm, 0.0005}},
          {"Endur. CAS", {r.bestEndurance->cas, 0}},
          {"Endur. lb/h", {r.bestEndurance->fuelFlow, 0}},
          {"Military from", {r.military->minCas, 0}},
          {"Military to", {r.military->maxCas, 0}},
          {"A/B from", {r.afterburner->minCas, 0}},
          {"A/B to", {r.afterburner->maxCas, 0}},
      };
      for (const auto& [caption, expected] : cells) {
        const QString text = SummaryText(s, static_cast<int>(i) + 1, caption);
        QVERIFY2(std::fabs(text.toDouble() - expected.first) <= expected.second,
                 qPrintable(QStringLiteral("row %1, %2: %3").arg(i + 1).arg(caption, text)));
      }
    }
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
    QTest::qWait(50);                // what the stopped run had posted is dropped
    QCOMPARE(w->table().Rows(), 1);
    s.Click(w->cmdSummaryCompute);
    QTRY_VERIFY_WITH_TIMEOUT(SummaryOfLastComputation(s), 60000);
    QCOMPARE(w->table().Rows(), 1001);
    QCOMPARE(w->lblSummaryState->text(), QString());
  }
};

QTEST_MAIN(SummaryWindowTest)
#include "summary_window_test.moc"
