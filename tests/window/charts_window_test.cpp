// SPDX-License-Identifier: GPL-3.0-or-later
// The charts window at work: opened from the View menu after Compute Table, its three charts
// and speed axes, the grids' current cell on every chart, a click on a chart selecting the
// nearest cell of the grids, the rows drawn, the out-of-date note, and Save Image.
#include <QAbstractSeries>
#include <QChart>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSet>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QXYSeries>

#include "analyses/chart_canvas.h"
#include "analyses/charts_window.h"
#include "grids/result_grid_view.h"
#include "widgets/image_path_chooser.h"
#include "window_test_support.h"

using namespace tz9::test;
using tz9::ChartCanvas;
using tz9::frmCharts;
using tz9::GridCell;

namespace {

struct ScriptedImagePath final : tz9::ImagePathChooser {
  explicit ScriptedImagePath(QString path) : path(std::move(path)) {}
  std::optional<QString> ChooseImagePath(const QString&) override { return path; }
  QString path;
};

int ColumnOf(int knots) {
  return (knots - 290) / 10;
}

frmCharts* OpenCharts(Session& s) {
  s.form->mnuViewCharts->trigger();
  auto* charts = s.form->findChild<frmCharts*>("frmCharts");
  if (charts != nullptr) QCoreApplication::processEvents();
  return charts;
}

// The names the chart's legend lists, in order.
QStringList LegendNames(const ChartCanvas* canvas) {
  QStringList names;
  for (const QAbstractSeries* series : canvas->chart()->series()) {
    if (!series->name().isEmpty()) names << series->name();
  }
  return names;
}

QList<QPointF> PointsOf(const ChartCanvas* canvas, const QString& name) {
  for (QAbstractSeries* series : canvas->chart()->series()) {
    if (series->name() == name) return static_cast<QXYSeries*>(series)->points();
  }
  return {};
}

// The grid cell (from 1) that a view has as its current one.
std::optional<GridCell> CurrentCell(const tz9::ResultGridView* view) {
  const QModelIndex index = view->currentIndex();
  if (!index.isValid()) return std::nullopt;
  return GridCell{index.row() + 1, index.column() + 1};
}

// A click on a data cell of a grid, as the user makes it.
void ClickCell(tz9::ResultGridView* view, int gridRow, int gridCol) {
  const QModelIndex index = view->model()->index(gridRow - 1, gridCol - 1);
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void Click(const ChartCanvas* canvas, QPointF value) {
  QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, canvas->ViewportPositionOf(value));
}

int DistinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2)
      colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

bool HasColour(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) return true;
    }
  }
  return false;
}

}  // namespace

class ChartsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensHiddenUntilAskedAndDrawsTheLastComputation() {
    Session s;
    s.form->show();
    QVERIFY(s.form->findChild<frmCharts*>("frmCharts") == nullptr);
    QCOMPARE(s.form->mnuViewCharts->text(), QStringLiteral("&Charts"));
    QVERIFY(s.form->mnuView->actions().contains(s.form->mnuViewCharts));
    frmCharts* empty = OpenCharts(s);
    QVERIFY(empty != nullptr && empty->isVisible());
    QCOMPARE(empty->windowTitle(), QStringLiteral("Charts"));
    QVERIFY(empty->chtSpecificRange->chart()->title().contains("no table computed yet"));

    ComputeTheCheckTable(s);
    frmCharts* charts = OpenCharts(s);
    QCOMPARE(charts, empty);  // one window, kept
    const QStringList tabs = {"Specific range", "Fuel flow", "Flight envelope"};
    for (int i = 0; i < tabs.size(); ++i) {
      QCOMPARE(charts->tabCharts->tabText(i), tabs[i]);
      const auto* canvas = static_cast<ChartCanvas*>(charts->tabCharts->widget(i));
      QVERIFY2(canvas->chart()->title().startsWith(tabs[i] +
                                                   ": check-aircraft.dat, 20000 lb, no stores"),
               qPrintable(canvas->chart()->title()));
    }
    QCOMPARE(LegendNames(charts->chtSpecificRange),
             QStringList({"0 ft", "40000 ft", "Military power", "Afterburner", "Best-range line",
                          "Best range", "Selected cell"}));
    QCOMPARE(LegendNames(charts->chtFuelFlow),
             QStringList({"0 ft", "40000 ft", "Military power", "Afterburner", "Best endurance",
                          "Selected cell"}));
    QCOMPARE(charts->chtSpecificRange->XAxis()->titleText(),
             QStringLiteral("Calibrated airspeed (kt)"));
    QCOMPARE(charts->chtSpecificRange->YAxis()->titleText(),
             QStringLiteral("Specific range (NM per 1000 lb)"));
    QCOMPARE(charts->chtFuelFlow->YAxis()->titleText(), QStringLiteral("Fuel flow (lb/h)"));
    QCOMPARE(charts->chtEnvelope->YAxis()->titleText(), QStringLiteral("Altitude (ft)"));
    // The best-range marks of the check aircraft at 0 and 40000 ft (256 kt below the table's
    // speeds: the table starts at 300 kt, so the least is at its first knot there).
    const QList<QPointF> best = PointsOf(charts->chtSpecificRange, "Best range");
    QCOMPARE(best.size(), 2);
    QCOMPARE(best[0].x(), 300.0);
    QCOMPARE(best[1].x(), 425.0);
    // The speeds drawn, 300 to 660 kt, between round limits; the lines named at their ends.
    QCOMPARE(charts->chtSpecificRange->XAxis()->min(), 300.0);
    QCOMPARE(charts->chtSpecificRange->XAxis()->max(), 675.0);
    QStringList labels;
    for (const tz9::LineLabel& label : charts->chtSpecificRange->LineLabels())
      labels << label.text + " " + label.colour.name();
    QCOMPARE(labels, QStringList({"0 ft #440154", "40000 ft #9cd83c"}));
    // Specific range peaks at the best range; as lb/NM it bottoms out there.
    QTest::mouseClick(charts->optRangeLbPerNm, Qt::LeftButton, {},
                      QPoint(6, charts->optRangeLbPerNm->height() / 2));
    QCOMPARE(charts->chtSpecificRange->YAxis()->titleText(),
             QStringLiteral("Fuel per nautical mile (lb/NM)"));
    const QList<QPointF> least = PointsOf(charts->chtSpecificRange, "Best range");
    QCOMPARE(least.size(), 2);
    QCOMPARE(least[1].x(), 425.0);
    QVERIFY(qFuzzyCompare(least[1].y() * best[1].y(), 1000.0));
    QTRY_VERIFY(charts->EnvelopeFromEveryRow());
    QVERIFY(LegendNames(charts->chtEnvelope).contains("Military band limits"));
    QVERIFY(LegendNames(charts->chtEnvelope).contains("Best-range line"));
  }

  // A click on a chart selects the nearest cell in both grids, and the grids' current cell is
  // marked on every chart, on each speed axis.
  void ChartsAndGridsSelectEachOther() {
    Session s;
    s.form->show();
    ComputeTheCheckTable(s);
    frmCharts* charts = OpenCharts(s);
    const tz9::TableComputation& c = *s.form->computation();
    struct Case {
      QString name;
      int tab;
      QRadioButton* axis;
      QPointF clicked;
      GridCell cell;
    };
    const std::vector<Case> cases = {
        {"specific range at 600 kt, 0 ft", 0, charts->optSpeedCas,
         QPointF(600, 1000 / c.Cell(1, ColumnOf(600)).lbsPerNm), GridCell{1, ColumnOf(600)}},
        {"fuel flow at 660 kt, 40000 ft", 1, charts->optSpeedCas, QPointF(660, 5267),
         GridCell{2, ColumnOf(660)}},
        {"fuel flow against TAS", 1, charts->optSpeedTas,
         QPointF(c.Cell(2, ColumnOf(560)).tas, 1740), GridCell{2, ColumnOf(560)}},
        {"envelope by Mach at 40000 ft", 2, charts->optSpeedMach,
         QPointF(c.Cell(2, ColumnOf(400)).mach, 39000), GridCell{2, ColumnOf(400)}},
        {"envelope by CAS, where 0 ft has no steady flight", 2, charts->optSpeedCas,
         QPointF(648, 5000), GridCell{1, ColumnOf(650)}},
    };
    for (const Case& k : cases) {
      QTest::mouseClick(charts->tabCharts->tabBar(), Qt::LeftButton, {},
                        charts->tabCharts->tabBar()->tabRect(k.tab).center());
      QTest::mouseClick(k.axis, Qt::LeftButton, {}, QPoint(6, k.axis->height() / 2));
      QCOMPARE(charts->tabCharts->currentIndex(), k.tab);
      Click(charts->ShownCanvas(), k.clicked);
      QVERIFY2(CurrentCell(s.form->MSFG1) == k.cell, qPrintable(k.name));
      QVERIFY2(CurrentCell(s.form->MSFG2) == k.cell, qPrintable(k.name));
      QVERIFY2(charts->HighlightedCell() == k.cell, qPrintable(k.name));
    }
    QCOMPARE(charts->Speed(), tz9::ChartSpeed::Cas);
    QCOMPARE(charts->lblChartStatus->text(), QStringLiteral("650 kt at 0 ft: no steady flight"));

    // From the grids: the cell moves, every chart marks it at its values.
    ClickCell(s.form->MSFG2, 1, ColumnOf(600));
    const tz9::CellResult& cell = c.Cell(1, ColumnOf(600));
    QCOMPARE(PointsOf(charts->chtSpecificRange, "Selected cell"),
             QList<QPointF>({QPointF(600, 1000 * cell.tas / cell.fuelFlow)}));
    QCOMPARE(PointsOf(charts->chtFuelFlow, "Selected cell"), QList<QPointF>({QPointF(600, 17110)}));
    QCOMPARE(PointsOf(charts->chtEnvelope, "Selected cell"), QList<QPointF>({QPointF(600, 0)}));
    QVERIFY2(charts->lblChartStatus->text().startsWith(
                 "600 kt at 0 ft: afterburner, 17110 lb/h, 28.517 lb/NM, Mach 0.91"),
             qPrintable(charts->lblChartStatus->text()));
    // A cell without steady flight is on no line, but in the envelope. It is the first grid's
    // current cell already: a click on it takes it back from the second grid.
    ClickCell(s.form->MSFG1, 1, ColumnOf(650));
    QVERIFY(PointsOf(charts->chtFuelFlow, "Selected cell").isEmpty());
    QCOMPARE(PointsOf(charts->chtEnvelope, "Selected cell"), QList<QPointF>({QPointF(650, 0)}));
    QTest::mouseClick(charts->optSpeedMach, Qt::LeftButton, {},
                      QPoint(6, charts->optSpeedMach->height() / 2));
    QCOMPARE(PointsOf(charts->chtEnvelope, "Selected cell"),
             QList<QPointF>({QPointF(c.Cell(1, ColumnOf(650)).mach, 0)}));
    QCOMPARE(charts->chtEnvelope->XAxis()->titleText(), QStringLiteral("Mach number"));
  }

  // Of many rows a dozen evenly spread are drawn, with the grids' current row; the user's
  // picks replace them until Even Spread.
  void ManyRowsAreSpreadAndCanBePicked() {
    Session s;
    s.form->show();
    s.Load(kCheckAircraft);
    for (const auto& [field, text] : {std::pair{"txtAlMi", "0"},
                                      {"txtAlS1", "1000"},
                                      {"txtAlSt", "1000"},
                                      {"txtAlS2", "1000"},
                                      {"txtAlMa", "55000"}})
      s.Type(field, text);
    s.Click(s.form->cmdTable);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    frmCharts* charts = OpenCharts(s);
    const std::vector<int> spread = {1, 6, 11, 16, 21, 26, 31, 36, 41, 46, 51, 56};
    QCOMPARE(charts->DrawnRows(), spread);
    QCOMPARE(charts->lstAltitudes->count(), 56);
    QCOMPARE(charts->lstAltitudes->item(5)->checkState(), Qt::Checked);
    QCOMPARE(charts->lstAltitudes->item(4)->checkState(), Qt::Unchecked);
    ClickCell(s.form->MSFG1, 3, 1);
    QCOMPARE(charts->DrawnRows(),
             std::vector<int>({1, 3, 6, 11, 16, 21, 26, 31, 36, 41, 46, 51, 56}));
    QVERIFY(LegendNames(charts->chtFuelFlow).contains("2000 ft"));
    // Unchecking every spread row but two leaves those two and the current row.
    for (int row : spread) {
      if (row != 11 && row != 56) charts->lstAltitudes->item(row - 1)->setCheckState(Qt::Unchecked);
    }
    QCOMPARE(charts->DrawnRows(), std::vector<int>({3, 11, 56}));
    QCOMPARE(LegendNames(charts->chtSpecificRange).mid(0, 3),
             QStringList({"2000 ft", "10000 ft", "55000 ft: no steady flight"}));
    // The picks hold for a new computation of the same rows, not for other rows.
    s.Type("txtCompWeight", "21000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(charts->DrawnRows(), std::vector<int>({3, 11, 56}));
    QTest::mouseClick(charts->cmdEvenSpread, Qt::LeftButton);
    QCOMPARE(charts->DrawnRows().size(), 13U);
    charts->lstAltitudes->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(charts->DrawnRows().size(), 14U);
    s.Type("txtAlMa", "54000");
    s.Click(s.form->cmdTable);
    s.Click(s.form->cmdCompute);
    QCOMPARE(charts->DrawnRows().size(), 12U);
  }

  // Edits after Compute Table put a note on the charts; a new computation takes it away. A
  // table laid out again unlinks the charts from the grids.
  void OutOfDateChartsSaySoAndATableLaidOutAgainIsNotLinked() {
    Session s;
    s.form->show();
    ComputeTheCheckTable(s);
    frmCharts* charts = OpenCharts(s);
    QVERIFY(!charts->chtEnvelope->chart()->title().contains("Out of date"));
    s.Type("txtCompWeight", "21000");
    QTRY_VERIFY(charts->chtEnvelope->chart()->title().contains(
        "Out of date: the weight or a store count changed since."));
    s.Click(s.form->cmdCompute);
    QVERIFY(!charts->chtEnvelope->chart()->title().contains("Out of date"));
    QVERIFY(charts->chtEnvelope->chart()->title().contains("21000 lb"));

    ClickCell(s.form->MSFG1, 1, 1);
    QCOMPARE(PointsOf(charts->chtEnvelope, "Selected cell"), QList<QPointF>({QPointF(300, 0)}));
    s.Type("txtSpMi", "310");
    s.Click(s.form->cmdTable);
    QTRY_VERIFY(charts->chtEnvelope->chart()->title().contains("the table was laid out again"));
    QVERIFY(PointsOf(charts->chtEnvelope, "Selected cell").isEmpty());
    charts->tabCharts->setCurrentIndex(2);
    const std::optional<GridCell> before = CurrentCell(s.form->MSFG1);
    Click(charts->chtEnvelope, QPointF(400, 0));
    QVERIFY(charts->lblChartStatus->text().startsWith("The table was laid out again"));
    QCOMPARE(CurrentCell(s.form->MSFG1), before);

    // Closed, it draws the computation made meanwhile when it opens again.
    charts->close();
    s.Type("txtCompWeight", "22000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(OpenCharts(s), charts);
    QVERIFY(charts->chtEnvelope->chart()->title().contains("22000 lb"));
    QVERIFY(!charts->chtEnvelope->chart()->title().contains("Out of date"));
    QTRY_VERIFY(charts->EnvelopeFromEveryRow());
  }

  // Save Image writes the chart shown; the envelope's PNG holds the legend colours of the
  // check cells, the SVG draws again. A wrong ending or folder writes nothing.
  void SaveImageWritesThePngOrSvgShown() {
    Session s;
    s.form->show();
    ComputeTheCheckTable(s);
    frmCharts* charts = OpenCharts(s);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString png = folder.filePath("envelope.png");
    charts->SetImagePathChooser(std::make_unique<ScriptedImagePath>(png));
    charts->tabCharts->setCurrentIndex(2);
    QTest::mouseClick(charts->cmdSaveImage, Qt::LeftButton);
    QCOMPARE(charts->lblChartStatus->text(), QStringLiteral("Saved envelope.png."));
    const QImage image(png);
    QCOMPARE(image.size(), charts->chtEnvelope->size());
    QVERIFY(DistinctColours(image) > 8);
    // Inside the regions of the check cells, clear of the lines: 0 ft (up to 20000 ft) in
    // afterburner at 460 kt, without steady flight at 640 kt; 40000 ft (from 20000 ft) in
    // Military power and supersonic at 560 kt, in afterburner at 660 kt.
    const std::vector<std::pair<QPointF, QRgb>> regions = {{QPointF(460, 7000), 0xffff00},
                                                           {QPointF(640, 7000), 0xb4b4b4},
                                                           {QPointF(560, 33000), 0x00ff00},
                                                           {QPointF(656, 33000), 0xff0000}};
    for (const auto& [at, colour] : regions) {
      const QPoint pixel = charts->chtEnvelope->viewport()->mapTo(
          charts->chtEnvelope, charts->chtEnvelope->ViewportPositionOf(at));
      QCOMPARE(QColor(image.pixel(pixel)).name(), QColor(colour).name());
    }

    charts->tabCharts->setCurrentIndex(0);
    const QString svg = folder.filePath("range.svg");
    QVERIFY(charts->SaveImage(svg));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QImage drawn(charts->chtSpecificRange->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    QVERIFY(DistinctColours(drawn) > 8);
    QVERIFY(HasColour(drawn, 0x440154));  // the first altitude's line

    for (const QString& bad : {folder.filePath("range.jpg"), folder.filePath("none/range.png")}) {
      QVERIFY(!charts->SaveImage(bad));
      QVERIFY(!QFileInfo::exists(bad));
    }
    QVERIFY(charts->lblChartStatus->text().startsWith("Could not write "));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             QStringList({"envelope.png", "range.svg"}));
  }
};

QTEST_MAIN(ChartsWindowTest)
#include "charts_window_test.moc"
