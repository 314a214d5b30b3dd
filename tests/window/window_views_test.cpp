// SPDX-License-Identifier: GPL-3.0-or-later
// The views over the workspace, as only a window shows them: the cell details (tooltip and
// panel), the best-speed marks, the out-of-date indicators of every view, the Performance
// Summary, Mission Fuel, Charts, Climb and Turn and Compare windows, and the results out of the
// window (Export Tables against the command-line tool's CSV, Export Report and Print read back with
// poppler) and files into it (the command line, a drop). Which cells are still computed and why a
// computation is out of date are the workspace's to answer; here, that each view says it.
#include <QAbstractItemModelTester>
#include <QAbstractSeries>
#include <QChart>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTableView>
#include <QUrl>
#include <QValueAxis>
#include <QXYSeries>
#include <functional>

#include "analyses/cell_details_dock.h"
#include "analyses/chart_canvas.h"
#include "analyses/charts_window.h"
#include "analyses/climb_turn_window.h"
#include "analyses/compare_window.h"
#include "analyses/mission_window.h"
#include "analyses/summary_window.h"
#include "app/window_command_line.h"
#include "common/version.h"
#include "output/export_commands.h"
#include "output/export_dialogs.h"
#include "performance/best_speeds.h"
#include "performance/cell_details.h"
#include "performance/climb_turn.h"
#include "widgets/image_path_chooser.h"
#include "window_test_support.h"

using namespace tz9::test;
using tz9::ChartCanvas;
using tz9::GridCell;
using tz9::ResultGridView;

namespace {

// The view's grid cell under these header texts (as shown, blanks aside).
std::pair<int, int> CellAt(const ResultGridView* view, const QString& knots, const QString& feet) {
  const QAbstractItemModel* model = view->model();
  int row = 0, col = 0;
  for (int r = 0; r < model->rowCount(); ++r)
    if (model->headerData(r, Qt::Vertical).toString().trimmed() == feet + " ft") row = r + 1;
  for (int c = 0; c < model->columnCount(); ++c)
    if (model->headerData(c, Qt::Horizontal).toString().trimmed() == knots) col = c + 1;
  if (row == 0 || col == 0) qFatal("no cell at %s kt, %s ft", qPrintable(knots), qPrintable(feet));
  return {row, col};
}

QString ToolTip(const ResultGridView* view, const QString& knots, const QString& feet) {
  const auto [row, col] = CellAt(view, knots, feet);
  return GridIndex(view, row, col).data(Qt::ToolTipRole).toString();
}

void ClickAt(ResultGridView* view, const QString& knots, const QString& feet, bool twice = false) {
  const auto [row, col] = CellAt(view, knots, feet);
  ClickCell(view, row, col, twice);
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
};

// The ranges of speeds from speedMin by 60 up to 600, then by speedStep2 up to 650 kt, by
// altitudes 0 and 52000 ft.
QString Wide(const QString& speedMin = "0", const QString& speedStep2 = "50") {
  return "txtSpMi=" + speedMin + " txtSpS1=60 txtSpSt=600 txtSpS2=" + speedStep2 +
         " txtSpMa=650 txtAlMi=0 txtAlS1=52000 txtAlSt=52000 txtAlS2=1000 txtAlMa=52000";
}

// Altitudes 0, 20000 and 40000 ft (grid rows 1 to 3).
const QString kCheckAltitudes = "txtAlMi=0 txtAlS1=20000 txtAlSt=40000 txtAlS2=20000 txtAlMa=40000";

// The check aircraft at 20000 lb over 150..660 kt by 30 and 0, 20000, 40000 ft. Its least fuel
// flow per row is at 150, 210 and 300 kt (grid columns 1, 3, 6), its least fuel per nautical
// mile at 270, 330 and 420 kt (columns 5, 7, 10).
void ComputeTheSummaryTable(Session& s, const QString& option = "Option1") {
  ComputeTheCheckTable(s, option, kCheckSpeeds + " " + kCheckAltitudes);
}

QString MarkedCells(const ResultGridView* view) {
  QStringList marked;
  for (int row = 1; row <= view->model()->rowCount(); ++row)
    for (int col = 1; col <= view->model()->columnCount(); ++col)
      if (Marked(view, row, col)) marked << QStringLiteral("(%1,%2)").arg(row).arg(col);
  return marked.join(' ');
}

const QString kEnduranceCells = "(1,1) (2,3) (3,6)";
const QString kRangeCells = "(1,5) (2,7) (3,10)";

tz9::SummaryWindow* Summary(const Session& s) {
  return s.form->findChild<tz9::SummaryWindow*>();
}
tz9::MissionWindow* Mission(const Session& s) {
  return s.form->findChild<tz9::MissionWindow*>();
}

bool ShowsTheLastComputation(const Session& s, const tz9::AnalysisWindow* w) {
  return !w->Running() && w->shown() != nullptr && w->shown() == s.form->computation();
}

// Waits until the window shows its answer for the form's last computation.
void AwaitAnswer(const Session& s, const tz9::AnalysisWindow* w) {
  if (!QTest::qWaitFor([&] { return ShowsTheLastComputation(s, w); }, 60000))
    qFatal("%s gave no answer", qPrintable(w->objectName()));
}

tz9::frmCharts* OpenCharts(Session& s) {
  s.form->mnuViewCharts->trigger();
  auto* charts = s.form->findChild<tz9::frmCharts*>("frmCharts");
  QCoreApplication::processEvents();
  return charts;
}

// The check aircraft at the computing weight its loadout gives (26000 lb), every view open on
// the 150 kt, 0 ft cell and on the computation.
void ComputeWithEveryViewOpen(Session& s) {
  ShowWindow(s);
  s.Load(kCheckAircraft);
  LayOut(s, kCheckSpeeds + " txtAlMi=0 txtAlS1=20000 txtAlSt=20000 txtAlS2=20000 txtAlMa=20000");
  s.Click(s.form->cmdCompute);
  s.form->mnuViewDetails->trigger();
  ClickCell(s.form->MSFG1, 1, 1);
  s.form->mnuViewSummary->trigger();
  s.form->mnuViewMission->trigger();
  s.Click(Mission(s)->cmdMission);
  OpenCharts(s);
  AwaitAnswer(s, Summary(s));
  AwaitAnswer(s, Mission(s));
}

// The views that say the computation is out of date, now.
QString SayingOutOfDate(const Session& s) {
  const std::pair<const char*, QString> views[] = {
      {"marker", s.form->findChild<QLabel*>("lblOutOfDate")->text()},
      {"summary", Summary(s)->lblSummaryState->text()},
      {"mission", Mission(s)->lblMissionState->text()},
      {"charts", s.form->findChild<tz9::frmCharts*>()->chtEnvelope->chart()->title()},
      {"details", s.form->findChild<tz9::CellDetailsDock*>()->lblCellDetailsState->text()}};
  QStringList saying;
  for (const auto& [view, text] : views)
    if (text.contains("Out of date")) saying << view;
  return saying.join(' ');
}

// Sends a drag and a drop of these URLs; returns whether the drag was accepted.
bool Drop(Session& s, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(s.form.get(), &enter);
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(s.form.get(), &drop);
  return enter.isAccepted();
}

QUrl FileUrl(const std::string& path) {
  return QUrl::fromLocalFile(QString::fromStdString(path));
}

// Types the mission's figures as a user does (an empty one deleted) and presses its Compute.
void RunMission(Session& s, const QString& reserve, const QString& cruise,
                const QString& distance) {
  for (const auto& [name, text] : {std::pair{"txtReserve", reserve},
                                   {"txtCruiseCas", cruise},
                                   {"txtBingoDistance", distance}}) {
    QLineEdit* field = s.Field(name);
    field->setFocus();
    field->selectAll();
    text.isEmpty() ? QTest::keyClick(field, Qt::Key_Delete) : QTest::keyClicks(field, text);
  }
  s.Click(Mission(s)->cmdMission);
}

// The texts of a table from row and column `first` on (1: the data cells, no captions).
QStringList AllTexts(const tz9::ResultGrid& table, int first = 0) {
  QStringList texts;
  for (int row = first; row < table.Rows(); ++row)
    for (int col = first; col < table.Cols(); ++col)
      texts << TableText(table, row, col);
  return texts;
}

int CheckColumn(int knots) {  // of kCheckRanges
  return (knots - 290) / 10;
}

QStringList LegendNames(const ChartCanvas* canvas) {
  QStringList names;
  for (const QAbstractSeries* series : canvas->chart()->series())
    if (!series->name().isEmpty()) names << series->name();
  return names;
}

QList<QPointF> PointsOf(const ChartCanvas* canvas, const QString& name = "Selected cell") {
  for (QAbstractSeries* series : canvas->chart()->series())
    if (series->name() == name) return static_cast<QXYSeries*>(series)->points();
  return {};
}

void ClickChart(const ChartCanvas* canvas, QPointF value) {
  QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, canvas->ViewportPositionOf(value));
}

void ClickOption(QRadioButton* option) {
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

int DistinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2)
      colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

struct ScriptedImagePath final : tz9::ImagePathChooser {
  explicit ScriptedImagePath(QString path) : path(std::move(path)) {}
  std::optional<QString> ChooseImagePath(const QString&) override { return path; }
  QString path;
};

// Answers the save dialog with the path given (none: a cancel), the print dialog
// by printing to a PDF file (an empty name: a cancel) and the question before a long report with
// scope; notes what each dialog offered.
struct ScriptedExportDialogs final : tz9::ExportDialogs {
  std::vector<std::optional<std::string>> paths;
  QString printFile;
  std::optional<tz9::ReportScope> scope;
  QStringList offered;  // "csv check-aircraft.csv", "print", "pages 163 or 3"

  std::optional<std::string> ChooseSavePath(tz9::ExportKind kind, const QString& name) override {
    offered << tz9::ExportSuffix(kind) + " " + name;
    if (paths.empty()) return std::nullopt;
    return std::exchange(paths, {}).front();
  }
  bool SetUpPrinter(QPrinter& printer) override {
    offered << QStringLiteral("print");
    if (printFile.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    return true;
  }
  std::optional<tz9::ReportScope> ChooseReportScope(int wholePages, int summaryPages) override {
    offered << QStringLiteral("pages %1 or %2").arg(wholePages).arg(summaryPages);
    return scope;
  }
};

// A session whose export dialogs the test answers.
struct ExportSession : Session {
  ScriptedExportDialogs* dialogs = nullptr;
  tz9::ExportCommands* exports = form->exports();
  ExportSession() {
    auto scripted = std::make_unique<ScriptedExportDialogs>();
    dialogs = scripted.get();
    exports->SetDialogs(std::move(scripted));
  }
  void Export(QAction* item, const QString& path) {
    dialogs->paths = {QFile::encodeName(path).toStdString()};
    item->trigger();
  }
  void AwaitReport() const {
    if (!QTest::qWaitFor([this] { return !exports->ReportRunning(); }, 30000)) qFatal("no report");
  }
};

QString ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(no file %1)").arg(path);
  return QString::fromUtf8(file.readAll());
}

// The difference grid's cells, each " better" (bluish) or " worse" after its text when tinted.
QStringList Tinted(const tz9::ResultGrid& grid) {
  QStringList cells;
  for (int row = 1; row < grid.Rows(); ++row)
    for (int col = 1; col < grid.Cols(); ++col) {
      const std::optional<tz9::Colour> tint = grid.BackColorAt(row, col);
      const bool better = tint && (*tint >> 16) > (*tint & 0xff);
      cells << TableText(grid, row, col) + (!tint ? "" : better ? " better" : " worse");
    }
  return cells;
}

// Opens the compare window and waits for its comparison of the last computation and baseline.
tz9::CompareWindow* Compared(Session& s) {
  auto* w = s.form->findChild<tz9::CompareWindow*>("frmCompare");
  if (!w->isVisible()) s.form->mnuViewCompare->trigger();
  const auto compared = [&s, w] {
    return ShowsTheLastComputation(s, w) && w->shownBaseline() == s.form->workspace().baseline();
  };
  if (!QTest::qWaitFor(compared, 30000)) qFatal("no comparison");
  return w;
}

// A program's standard output; the test fails when it cannot run or fails.
QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    qWarning() << program << arguments << process.readAllStandardError();
    return QStringLiteral("(%1 failed)").arg(program);
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// poppler-utils comes with scripts/deps.sh; without it the report cannot be read back.
QString Poppler(const char* tool) {
  const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (path.isEmpty())
    qFatal("%s (poppler-utils) is needed: bash scripts/deps.sh installs it", tool);
  return path;
}

int PdfPages(const QString& pdf) {
  return Output(Poppler("pdfinfo"), {pdf}).section("Pages:", 1).section('\n', 0, 0).toInt();
}

// One page's text, its blanks and line breaks each made one blank.
QString PdfPageText(const QString& pdf, int page) {
  const QString number = QString::number(page);
  return Output(Poppler("pdftotext"), {"-f", number, "-l", number, "-layout", pdf, "-"})
      .simplified();
}

// The texts (separated by "|") that a page lacks.
QString Lacking(const QString& page, const QString& texts) {
  QStringList lacking = texts.split('|');
  lacking.removeIf([&page](const QString& text) { return page.contains(text); });
  return lacking.join('|');
}

}  // namespace

class WindowViewsTest : public QObject {
  Q_OBJECT

 private slots:
  // Checked with no wait: a view that learnt of the change later would fail. The second grid's
  // option changes no analysis, and a new layout leaves no cell chosen for the details.
  // The marker above the grids says what changed (grey figures under new headers) until the
  // next Compute Table.
  void EveryViewSaysAtOnceWhatTheComputationNoLongerMatches() {
    const QString every = "marker summary mission charts details";
    const QString edited = "the weight or stores were edited";
    const struct {
      std::function<void(Session&)> change;
      QString saying, marker;
    } cases[] = {
        {[](Session& s) { s.Type("txtCompWeight", "21000"); }, every, edited},
        // The same count, so the loadout leaves the computing weight's text as it was.
        {[](Session& s) { s.Type("txtEcm", "00"); }, every, edited},
        {[](Session& s) { s.Choose("Option3"); }, "marker details", "the 2nd Grid option changed"},
        {[](Session& s) { LayOut(s, "txtSpMi=200 txtSpSt=600"); }, "marker summary mission charts",
         "the table was re-laid"},
        {[](Session& s) { s.Load(kGenericFighter); }, every, "the aircraft changed"},
        {[](Session& s) { s.Load(kCheckAircraft); }, "", ""}};
    for (const auto& c : cases) {
      Session s;
      ComputeWithEveryViewOpen(s);
      const QString computed = CellShown(s.form->MSFG1, 1, 3) + CellShown(s.form->MSFG2, 1, 3);
      QCOMPARE(SayingOutOfDate(s), QString());
      c.change(s);
      const bool grey = c.marker.contains("re-laid");
      QCOMPARE(QStringList({SayingOutOfDate(s), Shown(s, "lblOutOfDate"),
                            CellShown(s.form->MSFG1, 1, 3) + CellShown(s.form->MSFG2, 1, 3)}),
               QStringList({c.saying,
                            c.marker.isEmpty()
                                ? ""
                                : "Out of date: " + c.marker + " since the last Compute Table" +
                                      (grey ? " (grey figures)" : ""),
                            computed}));
      for (const ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2})
        QCOMPARE(GridIndex(grid, 1, 3).data(Qt::ForegroundRole).isValid(), grey);
    }
  }

  // The indicator names the quantity of the last computation, not the option chosen since.
  void SecondGridIndicatorNamesWhatItsCellsHold() {
    Session s;
    QCOMPARE(Shown(s, "lblSecondGridShows"), "2nd grid: empty until the first Compute Table");
    s.Load(kCheckAircraft);
    ComputeAt(s, "20000", "Option3");
    QCOMPARE(Shown(s, "lblSecondGridShows"),
             "2nd grid: Mach number from the last Compute Table; cells with steady flight keep "
             "the backgrounds of an earlier run");
    ComputeAt(s, "20000", "Option1");
    QCOMPARE(Shown(s, "lblSecondGridShows"),
             "2nd grid: fuel per nautical mile (lb/NM) from the last Compute Table");
    s.form->Option2->click();  // chosen, not computed
    QVERIFY(Shown(s, "lblSecondGridShows").contains("fuel per nautical mile"));
  }

  // A double-click opens the panel on that cell; it then follows the current cell of either
  // grid. Tooltip and panel of a cell of each kind, in either grid, and the published figures of
  // the check aircraft at 300 kt and 0 ft with their units (the afterburner never consulted).
  // The View menu closes the panel.
  void CellDetailsSayWhatEachCellIsAndWhy() {
    // A cell, its tooltip, one row of the panel and its value. The panel gives the core's reason.
    const struct {
      const char *knots, *feet, *toolTip, *quantity, *value;
    } cases[] = {
        {"300", "0",
         "Military power, subsonic\nFuel flow 1896 lb/h, 6.32 lb/NM\nTAS 300 kt, Mach 0.454\n"
         "Drag 2371 lbf, Military thrust 2500 lbf: excess thrust 129 lbf",
         "Lift coefficient needed", "0.218789405"},
        {"600", "0",
         "Afterburner, subsonic\nFuel flow 17110 lb/h, 28.5 lb/NM\nTAS 600 kt, Mach 0.907\n"
         "Drag 8555 lbf, afterburner thrust 9000 lbf: excess thrust 445 lbf\n"
         "Military thrust 2500 lbf: excess thrust -6055 lbf",
         "Store drag factor", "1.40705884"},
        {"650", "0",
         "No steady flight\nDrag 10301 lbf is at or above the afterburner thrust 9000 lbf\n"
         "TAS 650 kt, Mach 0.983\n"
         "Drag 10301 lbf, afterburner thrust 9000 lbf: excess thrust -1301 lbf\n"
         "Military thrust 2500 lbf: excess thrust -7801 lbf",
         "Fuel flow", "not reached"},
        {"0", "0", "Could not be computed: division by zero: speed of zero",
         "Lift coefficient needed", "not reached"}};
    Session s;
    ShowWindow(s);
    ComputeTheCheckTable(s, {}, Wide());
    auto* dock = s.form->findChild<tz9::CellDetailsDock*>("dockCellDetails");
    QAbstractItemModelTester tester(dock->tblCellDetails->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    ClickAt(s.form->MSFG2, "600", "0", /*twice=*/true);
    QVERIFY(dock->isVisible() && dock->windowTitle() == "Cell Details");
    const Panel panel{dock};
    QTest::keyClick(s.form->MSFG2, Qt::Key_Left);
    QCOMPARE(panel.Cell() + " " + panel.Value("Fuel flow"),
             "540 kt, 0 ft in the second grid 13289 lb/h");
    for (const auto& c : cases) {
      for (ResultGridView* view : {s.form->MSFG1, s.form->MSFG2}) {
        QCOMPARE(ToolTip(view, c.knots, c.feet), QString::fromUtf8(c.toolTip));
        const auto [row, col] = CellAt(view, c.knots, c.feet);
        ClickCell(view, row, col);
        const std::string reason =
            tz9::CellReason(tz9::DetailComputationCell(*s.form->computation(), row, col));
        QCOMPARE(QStringList({panel.Cell(), panel.State(), panel.dock->lblCellDetailsReason->text(),
                              panel.Value(c.quantity)}),
                 QStringList({QString("%1 kt, %2 ft in the %3 grid")
                                  .arg(c.knots, c.feet, view == s.form->MSFG1 ? "first" : "second"),
                              "", QString::fromStdString(reason), QString::fromUtf8(c.value)}));
      }
    }
    const QStringList rows =
        QString::fromUtf8(
            "Weight=20000 lb|Density=0.002376892 slug/ft³|Mach number=0.453529411|"
            "Angle of attack=1.48486756 °|Total drag=2371.18157 lbf|"
            "Afterburner thrust available=not reached|Fuel per nautical mile=6.31999996 lb/NM|"
            "AIM120 count=0")
            .split('|');
    ClickAt(s.form->MSFG1, "300", "0");
    for (const QString& row : rows)
      QCOMPARE(row.section('=', 0, 0) + "=" + panel.Value(row.section('=', 0, 0)), row);
    s.form->mnuViewDetails->trigger();
    QVERIFY(!panel.dock->isVisible());
  }

  // Values come from the computation the cell shows: after a re-layout the cell says for what
  // it was computed and what changed since; a cell never computed (or emptied by a layout) says
  // so and lists nothing.
  void OutOfDateAndNeverComputedCellsSaySo() {
    Session s;
    ShowWindow(s);
    s.form->mnuViewDetails->trigger();
    const Panel panel{s.form->findChild<tz9::CellDetailsDock*>("dockCellDetails")};
    s.Load(kCheckAircraft);
    LayOut(s, Wide());
    ClickAt(s.form->MSFG1, "300", "0");
    const QString notComputed = QStringLiteral("Not computed yet: press Compute Table.");
    QCOMPARE(panel.State() + "|" + panel.Value("Total drag"), notComputed + "|");
    QCOMPARE(ToolTip(s.form->MSFG1, "300", "0"), notComputed);
    ComputeAt(s, "20000");
    // Speeds 30, 90 ... 570, 600, 625, 650: the 300 kt column now reads 330, the 600 kt column
    // keeps its header, and the 650 kt column is one past the computation's last.
    LayOut(s, Wide("30", "25"));
    ClickAt(s.form->MSFG1, "330", "0");
    const QString stale = "Out of date: computed for 300 kt, 0 ft before the table was re-laid";
    QCOMPARE(panel.State(), stale + ".");
    QCOMPARE(panel.Value("Calibrated airspeed") + " " + panel.Value("Fuel flow"),
             "300 kt 1896 lb/h");
    QVERIFY(ToolTip(s.form->MSFG1, "330", "0").endsWith("\n" + stale + "."));
    ClickAt(s.form->MSFG2, "600", "0");
    QCOMPARE(panel.State() + panel.Value("Fuel flow"), "17110 lb/h");
    ClickAt(s.form->MSFG2, "650", "52000");
    QCOMPARE(panel.State() + "|" + panel.Value("Regime"), notComputed + "|");
    ClickAt(s.form->MSFG1, "330", "0");
    s.Type("txtCompWeight", "21000");  // the panel says at once
    QCOMPARE(panel.State(), stale + " and the weight or a store count was edited.");
    s.form->Option3->click();
    s.Load(kGenericFighter);
    QCOMPARE(panel.State(), stale +
                                ", the weight or a store count was edited, the second grid's "
                                "choice was changed and the aircraft changed.");
    // A layout that drops the 52000 ft row and one that brings it back leave its cells empty.
    LayOut(s, "txtAlMa=0 txtAlSt=0");
    LayOut(s, Wide());
    ClickAt(s.form->MSFG1, "420", "52000");
    QCOMPARE(panel.State(), notComputed);
  }

  // Marks frame each row's best cells after a sweep, the second grid's only where it shows fuel
  // per NM; the core finds the same cells, and the delegate draws the frame along the edges. A
  // summary row picked selects its best-range cell in the grids.
  void MarksFrameEachRowsBestCellsAndASummaryRowSelectsOne() {
    Session s;
    ShowWindow(s);
    QCOMPARE(MarkedCells(s.form->MSFG1), QString());
    for (const auto& [option, second] :
         {std::pair{"Option2", QString()}, {"Option3", QString()}, {"Option1", kRangeCells}}) {
      ComputeTheSummaryTable(s, option);
      QCOMPARE(MarkedCells(s.form->MSFG1) + "|" + MarkedCells(s.form->MSFG2),
               kEnduranceCells + "|" + second);
    }
    const auto edgeColour = [&s](int row, int col) {
      const QImage image = s.form->MSFG2->viewport()->grab().toImage();
      const QRect cell = s.form->MSFG2->visualRect(GridIndex(s.form->MSFG2, row, col));
      return image.pixelColor(cell.left(), cell.center().y()).name();
    };
    QCOMPARE(edgeColour(1, 5), QStringLiteral("#000080"));
    QVERIFY(edgeColour(1, 4) != QStringLiteral("#000080"));
    QSignalSpy repaints(s.form->MSFG1->model(), &QAbstractItemModel::dataChanged);
    s.form->mnuViewMarks->trigger();  // off: every mark goes at once, and stays gone
    QVERIFY(edgeColour(1, 5) != QStringLiteral("#000080"));
    QCOMPARE(repaints.count(), 1);
    ComputeAt(s, "20000");
    QCOMPARE(MarkedCells(s.form->MSFG1) + MarkedCells(s.form->MSFG2), QString());
    s.form->mnuViewMarks->trigger();
    QCOMPARE(MarkedCells(s.form->MSFG1) + "|" + MarkedCells(s.form->MSFG2),
             kEnduranceCells + "|" + kRangeCells);
    // Selecting a summary row selects its best-range cell in the grids.
    s.form->mnuViewSummary->trigger();
    tz9::SummaryWindow* w = Summary(s);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    AwaitAnswer(s, w);
    // Grid row, then the column nearest the best-range speed (256 kt: 270; 329: 330; 425: 420).
    const auto clickRow = [w](int row) {
      QTest::mouseClick(
          w->grdSummary->viewport(), Qt::LeftButton, {},
          w->grdSummary->visualRect(w->grdSummary->model()->index(row - 1, 0)).center());
    };
    for (const auto& [row, col] : {std::pair{2, 7}, {1, 5}, {3, 10}}) {
      clickRow(row);
      for (const ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2}) {
        QCOMPARE(grid->selectionModel()->selectedIndexes(),
                 QModelIndexList({GridIndex(grid, row, col)}));
        QCOMPARE(grid->currentIndex(), GridIndex(grid, row, col));
      }
    }
    // A mark stays after Create Table only where the cell's headers are still those it was
    // computed under. Re-laid under other speeds, the grids no longer hold a row's cell: a row
    // picks none.
    LayOut(s, "txtAlMi=0 txtAlS1=20000 txtAlSt=30000 txtAlS2=10000 txtAlMa=30000");
    QCOMPARE(MarkedCells(s.form->MSFG1) + "|" + MarkedCells(s.form->MSFG2),
             "(1,1) (2,3)|(1,5) (2,7)");
    LayOut(s, "txtSpMi=160 txtSpSt=670 txtSpMa=670");
    QCOMPARE(MarkedCells(s.form->MSFG1) + MarkedCells(s.form->MSFG2), QString());
    const QModelIndex before = s.form->MSFG1->currentIndex();
    clickRow(2);
    QCOMPARE(s.form->MSFG1->currentIndex(), before);
  }

  // The summary, opened after Compute Table, is that of the last computation, to the digits the
  // command line's --summary gives; a row without steady flight shows "------". Before a
  // computation the mission waits; then it burns the fuel of the last computation, to the digits
  // the command line's --mission gives. Speeds over more whole knots than an analysis scans leave
  // no rows.
  void SummaryAndMissionAreTheCoresForTheLastComputation() {
    Session s;
    s.form->mnuViewMission->trigger();
    tz9::MissionWindow* w = Mission(s);
    s.Click(w->cmdMission);
    QCOMPARE(w->lblMissionState->text(),
             QStringLiteral("No table computed yet: press Compute Table first."));
    // Altitudes 0 to 60000 ft, where the check aircraft holds no level flight.
    ComputeTheCheckTable(
        s, {}, kCheckSpeeds + " txtAlMi=0 txtAlS1=20000 txtAlSt=60000 txtAlS2=20000 txtAlMa=60000");
    QVERIFY(Summary(s)->isHidden());
    s.form->mnuViewSummary->trigger();
    AwaitAnswer(s, Summary(s));
    QCOMPARE(Summary(s)->lblSummaryFor->text(),
             QStringLiteral("Summary of check-aircraft.dat at 20000 lb with no stores; 4 altitudes "
                            "by 18 speeds (150 to 660 kt)"));
    const tz9::ResultGrid& summary = Summary(s)->table();
    QCOMPARE(AllTexts(summary).mid(summary.Cols(), 12).join('|'),
             " 0 ft|256|256.0|0.387|1598|6.242|150|1074|150|313|314|613");
    for (const char* caption : {"Range CAS", "Range lb/NM", "Endur. lb/h", "Military to", "A/B to"})
      QCOMPARE(TableText(summary, 4, ColumnOf(summary, caption)), QStringLiteral("------"));
    QCOMPARE(Summary(s)->lblSummaryOptima->text(),
             QStringLiteral("Best range at 40000 ft (1.848 lb/NM at 425 kt CAS); best endurance at "
                            "20000 ft (1067 lb/h at 203 kt CAS). Highest altitude of the table "
                            "with steady flight: Military 40000 ft, afterburner 40000 ft."));
    // At 26000 lb, its 7000 lb of internal fuel on board.
    ComputeAt(s, "26000");
    RunMission(s, "1500", "300", "150");
    AwaitAnswer(s, w);
    QVERIFY(w->lblMissionFor->text().startsWith("Mission fuel of check-aircraft.dat at 26000 lb"));
    QCOMPARE(w->lblMissionWeights->text(),
             QStringLiteral("Start weight 26000 lb, end weight 20500 lb (empty 19000 lb and a "
                            "reserve of 1500 lb): 5500 lb of fuel burnt. Cruise at 300 kt. Bingo "
                            "fuel for 150 NM home."));
    QCOMPARE(w->lblMissionState->text(), QString());
    QCOMPARE(AllTexts(w->table()).mid(12, 11).join('|'),
             " 0 ft|819|2:59|280|260|4:27|169|150|519 AB|1:44|2459");
    QCOMPARE(AllTexts(w->table()).mid(48).join('|'),
             " 60000 ft|------|------|------|------|------|------|------|------|------|------|"
             "range and endurance: no steady flight at any speed of the table at 25950 lb; cruise: "
             "no steady flight at 300 kt at any weight of the burn; bingo: no steady flight at "
             "any speed of the table at 20550 lb");
    // A refused figure (of the reserve, cruise CAS, distance) is told beside its field, and
    // nothing runs: the table shown stays. Editing the field takes its refusal away.
    const struct {
      int field;
      const char* text;
      QString notes;
    } cases[] = {
        {0, "", "Not a number: type the reserve in lb, 0 or more.||"},
        {1, "fast", "|Not a number: type the cruise CAS in kt, 0 or more, or leave it empty.|"},
        {2, "-1e3", "||Negative: the distance home must be 0 or more."}};
    const QStringList shown = AllTexts(w->table());
    QSignalSpy runs(w, &tz9::MissionWindow::RunEnded);
    QLabel* const errors[] = {w->lblReserveError, w->lblCruiseCasError, w->lblBingoDistanceError};
    const auto notes = [&errors] {
      return errors[0]->text() + "|" + errors[1]->text() + "|" + errors[2]->text();
    };
    for (const auto& c : cases) {
      QStringList figures = {"1500", "300", "150"};
      figures[c.field] = c.text;
      RunMission(s, figures[0], figures[1], figures[2]);
      QCOMPARE(notes(), c.notes);
      QTest::keyClicks(
          s.Field(QStringList({"txtReserve", "txtCruiseCas", "txtBingoDistance"})[c.field]), "1");
      QCOMPARE(errors[c.field]->text(), QString());
    }
    QTest::qWait(50);
    QCOMPARE(runs.count(), 0);
    QCOMPARE(AllTexts(w->table()), shown);
    // What no altitude can fly is told beside its field and, for each schedule, in the row; a
    // cruise speed or a distance home not asked for leaves its cells empty. At 0 ft: range,
    // cruise, bingo, why.
    const struct {
      const char *reserve, *cruise, *distance;
      QString notes, zeroFeet;
    } flights[] = {
        {"7000", "", "", "At or above the 7000 lb of fuel on board: nothing is flown.||",
         "------|||range and endurance: nothing to fly on, the reserve of 7000 lb is not below "
         "the 7000 lb of fuel on board"},
        {"0", "2000", "5000",
         "|No steady flight at 2000 kt at any weight of the burn, at 4 of 4 altitudes.|Beyond "
         "the fuel on board at 3 of 4 altitudes: the fuel reaches 3541 NM at most.",
         "1060|------|------|cruise: no steady flight at 2000 kt at any weight of the burn; "
         "bingo: the fuel on board reaches 1060 of the 5000 NM home"}};
    for (const auto& c : flights) {
      RunMission(s, c.reserve, c.cruise, c.distance);
      AwaitAnswer(s, w);
      QCOMPARE(notes(), c.notes);
      QStringList zeroFeet;
      for (const char* caption : {"Range NM", "Cruise NM", "Bingo lb", "Why no answer"})
        zeroFeet << TableText(w->table(), 1, ColumnOf(w->table(), caption));
      QCOMPARE(zeroFeet.join('|'), c.zeroFeet);
    }
    // Speeds over more whole knots than an analysis scans: no rows, and each window says why.
    LayOut(s, "txtSpMi=-70000 txtSpS1=50000 txtSpSt=-20000 txtSpS2=1000 txtSpMa=850");
    ComputeAt(s, "20000");
    RunMission(s, "0", "", "");
    AwaitAnswer(s, Summary(s));
    AwaitAnswer(s, Mission(s));
    const QString why = " the speed headers span more than 65536 whole knots.";
    QCOMPARE(
        QStringList({Summary(s)->lblSummaryState->text(), Mission(s)->lblMissionState->text(),
                     QString::number(Summary(s)->table().Rows() + Mission(s)->table().Rows())}),
        QStringList({"No summary:" + why, "No mission fuel:" + why, "2"}));
  }

  // A thousand altitudes are summarized and burnt off the window's thread: the progress moves
  // while the window answers, Cancel stops the run at once and says so, and the next run
  // completes.
  void CancellingALongAnalysisKeepsTheWindowUsable() {
    Session s;
    ComputeTheCheckTable(s, {}, "txtAlMi=0 txtAlS1=40 txtAlSt=39960 txtAlS2=40 txtAlMa=39960");
    QCOMPARE(s.form->grid1().Rows(), 1001);
    tz9::MissionWindow* w = Mission(s);
    QSignalSpy runs(w, &tz9::AnalysisWindow::RunEnded);
    s.Click(w->cmdMission);
    QVERIFY(w->Running() && !w->progress->bar()->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(w->progress->bar()->value() > 0, 30000);
    QTest::mouseClick(w->progress->cancel(), Qt::LeftButton);
    QVERIFY(!w->Running() && w->progress->bar()->isHidden());
    QTest::qWait(50);  // what the stopped run had posted is dropped
    QCOMPARE(runs.count(), 1);
    QCOMPARE(w->table().Rows(), 1);
    QCOMPARE(w->lblMissionState->text(),
             "Cancelled: the mission fuel was not finished. Press Compute to run it again.");
    s.Click(w->cmdMission);
    AwaitAnswer(s, w);
    QCOMPARE(w->table().Rows(), 1001);
    // Run by hand, the mission fuel says when a newer computation has come.
    ComputeAt(s, "21000");
    QCOMPARE(w->lblMissionState->text(),
             "Out of date: Compute Table has run again since the table it stands for.");
  }

  // Opened from the View menu, one window kept: its three charts and speed axes after Compute
  // Table, the lines named at their ends, the best-range marks, the two range units.
  void ChartsOpenHiddenDrawTheLastComputationAndSelectWithTheGrids() {
    Session s;
    ShowWindow(s);
    QVERIFY(s.form->findChild<tz9::frmCharts*>("frmCharts") == nullptr);
    tz9::frmCharts* empty = OpenCharts(s);
    QVERIFY(empty->isVisible() && empty->windowTitle() == "Charts");
    QVERIFY(empty->chtSpecificRange->chart()->title().contains("no table computed yet"));
    ComputeTheCheckTable(s);
    tz9::frmCharts* charts = OpenCharts(s);
    QCOMPARE(charts, empty);
    QCOMPARE(charts->tabCharts->tabText(2), QStringLiteral("Flight envelope"));
    QVERIFY(charts->chtEnvelope->chart()->title().startsWith(
        "Flight envelope: check-aircraft.dat, 20000 lb, no stores"));
    QCOMPARE(LegendNames(charts->chtSpecificRange).join('|'),
             "0 ft|40000 ft|Military power|Afterburner|Best-range line|Best range|Selected cell");
    QCOMPARE(LegendNames(charts->chtFuelFlow).join('|'),
             "0 ft|40000 ft|Military power|Afterburner|Best endurance|Selected cell");
    // The best-range marks at 0 and 40000 ft: the least is below the table's first speed at
    // 0 ft; the speeds drawn between round limits.
    const QList<QPointF> best = PointsOf(charts->chtSpecificRange, "Best range");
    QCOMPARE(QList<double>({best[0].x(), best[1].x(), charts->chtSpecificRange->XAxis()->min(),
                            charts->chtSpecificRange->XAxis()->max()}),
             QList<double>({300, 425, 300, 675}));
    QStringList labels;
    for (const tz9::LineLabel& label : charts->chtSpecificRange->LineLabels())
      labels << label.text + " " + label.colour.name();
    QCOMPARE(labels.join('|'), "0 ft #440154|40000 ft #9cd83c");
    // Specific range peaks at the best range; as lb/NM it bottoms out there.
    ClickOption(charts->optRangeLbPerNm);
    QCOMPARE(charts->chtSpecificRange->YAxis()->titleText(),
             QStringLiteral("Fuel per nautical mile (lb/NM)"));
    const QList<QPointF> least = PointsOf(charts->chtSpecificRange, "Best range");
    QVERIFY(least[1].x() == 425.0 && qFuzzyCompare(least[1].y() * best[1].y(), 1000.0));
    QTRY_VERIFY(charts->EnvelopeFromEveryRow());
    QVERIFY(LegendNames(charts->chtEnvelope).contains("Military band limits") &&
            LegendNames(charts->chtEnvelope).contains("Best-range line"));
    // Save Image writes the chart shown; the envelope's PNG holds the legend colours of the
    // check cells, the SVG draws again. A wrong ending or folder writes nothing.
    QTemporaryDir folder;
    const QString png = folder.filePath("envelope.png");
    charts->SetImagePathChooser(std::make_unique<ScriptedImagePath>(png));
    charts->tabCharts->setCurrentIndex(2);
    QTest::mouseClick(charts->cmdSaveImage, Qt::LeftButton);
    QCOMPARE(charts->lblChartStatus->text(), QStringLiteral("Saved envelope.png."));
    const QImage image(png);
    QCOMPARE(image.size(), charts->chtEnvelope->size());
    QVERIFY(DistinctColours(image) > 8);
    // Inside the region of the 40000 ft cells (from 20000 ft) in Military power and supersonic
    // at 560 kt, clear of the lines.
    const QPoint pixel = charts->chtEnvelope->viewport()->mapTo(
        charts->chtEnvelope, charts->chtEnvelope->ViewportPositionOf(QPointF(560, 33000)));
    QCOMPARE(QColor(image.pixel(pixel)).name(), QStringLiteral("#00ff00"));
    charts->tabCharts->setCurrentIndex(0);
    const QString svg = folder.filePath("range.svg");
    QVERIFY(charts->SaveImage(svg) && QSvgRenderer(svg).isValid());
    for (const QString& bad : {folder.filePath("range.jpg"), folder.filePath("none/range.png")})
      QVERIFY(!charts->SaveImage(bad));
    QVERIFY(charts->lblChartStatus->text().startsWith("Could not write "));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             QStringList({"envelope.png", "range.svg"}));
    // A click on a chart selects the nearest cell in both grids, and the grids' current cell is
    // marked on every chart, on each speed axis.
    ClickOption(charts->optRangeNmPerKlb);
    const tz9::TableComputation& c = *s.form->computation();
    const struct {
      int tab;
      QRadioButton* axis;
      QPointF clicked;
      GridCell cell;
    } cases[] = {{0, charts->optSpeedCas, QPointF(600, 1000 / c.Cell(1, CheckColumn(600)).lbsPerNm),
                  GridCell{1, CheckColumn(600)}},
                 {1, charts->optSpeedTas, QPointF(c.Cell(2, CheckColumn(560)).tas, 1740),
                  GridCell{2, CheckColumn(560)}},
                 {2, charts->optSpeedMach, QPointF(c.Cell(2, CheckColumn(400)).mach, 39000),
                  GridCell{2, CheckColumn(400)}},
                 {2, charts->optSpeedCas, QPointF(648, 5000), GridCell{1, CheckColumn(650)}}};
    for (const auto& k : cases) {
      QTest::mouseClick(charts->tabCharts->tabBar(), Qt::LeftButton, {},
                        charts->tabCharts->tabBar()->tabRect(k.tab).center());
      ClickOption(k.axis);
      QCOMPARE(charts->tabCharts->currentIndex(), k.tab);
      ClickChart(charts->ShownCanvas(), k.clicked);
      for (const ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2})
        QCOMPARE(grid->currentIndex(), GridIndex(grid, k.cell.row, k.cell.col));
      QVERIFY(charts->HighlightedCell() == k.cell);
    }
    QCOMPARE(charts->lblChartStatus->text(), QStringLiteral("650 kt at 0 ft: no steady flight"));
    // From the grids: the cell moves, every chart marks it at its values.
    ClickCell(s.form->MSFG2, 1, CheckColumn(600));
    const tz9::CellResult& cell = c.Cell(1, CheckColumn(600));
    QCOMPARE(PointsOf(charts->chtSpecificRange) + PointsOf(charts->chtFuelFlow) +
                 PointsOf(charts->chtEnvelope),
             QList<QPointF>({QPointF(600, 1000 * cell.tas / cell.fuelFlow), QPointF(600, 17110),
                             QPointF(600, 0)}));
    QVERIFY(charts->lblChartStatus->text().startsWith(
        "600 kt at 0 ft: afterburner, 17110 lb/h, 28.517 lb/NM, Mach 0.91"));
    // A table laid out again unlinks the charts from the grids. Closed, the window draws the
    // computation made meanwhile when it opens again.
    const auto title = [charts] { return charts->chtEnvelope->chart()->title(); };
    ClickCell(s.form->MSFG1, 1, 1);
    QCOMPARE(PointsOf(charts->chtEnvelope), QList<QPointF>({QPointF(300, 0)}));
    LayOut(s, "txtSpMi=310");
    QVERIFY(title().contains("the table was laid out again"));
    QVERIFY(PointsOf(charts->chtEnvelope).isEmpty());
    charts->tabCharts->setCurrentIndex(2);
    const QModelIndex before = s.form->MSFG1->currentIndex();
    ClickChart(charts->chtEnvelope, QPointF(400, 0));
    QVERIFY(charts->lblChartStatus->text().startsWith("The table was laid out again"));
    QCOMPARE(s.form->MSFG1->currentIndex(), before);
    charts->close();
    ComputeAt(s, "22000");
    QCOMPARE(OpenCharts(s), charts);
    QVERIFY(title().contains("22000 lb") && !title().contains("Out of date"));
    QTRY_VERIFY(charts->EnvelopeFromEveryRow());
  }

  // The View menu opens it, nothing run; a g limit out of 1..15 is refused beside its field and
  // nothing runs; Compute fills one row per altitude from the core, the first row's E-M diagram
  // drawn, and a row picked gets its own; a new Compute Table makes it out of date.
  void ClimbAndTurnIsTheCoresForTheLastComputation() {
    Session s;
    ComputeTheCheckTable(s);
    s.form->mnuViewClimbTurn->trigger();
    auto* w = s.form->findChild<tz9::ClimbTurnWindow*>("frmClimbTurn");
    QVERIFY(w->isVisible() && s.form->mnuView->actions().contains(s.form->mnuViewClimbTurn));
    QVERIFY(w->txtGLimit->text() == "9" && w->shown() == nullptr);
    s.Type("txtGLimit", "15.5");
    s.Click(w->cmdClimbTurn);
    QVERIFY(w->lblGLimitError->isVisible() && w->lblGLimitError->text().startsWith("Out of range"));
    QTest::qWait(50);
    QVERIFY(!w->Running() && w->shown() == nullptr);
    s.Type("txtGLimit", "9");
    s.Click(w->cmdClimbTurn);
    AwaitAnswer(s, w);
    const tz9::ClimbTurnReport core = tz9::ComputeClimbTurn(*s.form->computation(), 9);
    QVERIFY(core.rows.size() == 2 && w->table().Rows() == 3);
    for (int row = 1; row <= 2; ++row) {
      const auto& best = core.rows[static_cast<size_t>(row - 1)].afterburner.best;
      QCOMPARE(TableText(w->table(), row, ColumnOf(w->table(), "A/B ft/min")),
               best ? QString::number(best->rateFpm, 'f', 0) : QStringLiteral("------"));
    }
    QVERIFY(w->lblCeilings->text().contains("Military"));
    QTRY_VERIFY_WITH_TIMEOUT(w->EmRow() == 1 && !w->EmRunning(), 20000);
    QVERIFY(w->chtEm->chart()->title().contains(" at 0 ft"));
    w->grdClimbTurn->setCurrentIndex(w->grdClimbTurn->model()->index(1, 0));
    QTRY_VERIFY_WITH_TIMEOUT(w->EmRow() == 2 && !w->EmRunning(), 20000);
    QVERIFY(w->chtEm->chart()->title().contains(" at 40000 ft") && w->chtEm->XAxis()->max() > 100);
    ClickOption(w->optEmMach);
    QVERIFY(w->chtEm->XAxis()->max() < 5);  // by Mach
    const QTemporaryDir folder;
    QVERIFY(w->SaveImage(folder.filePath("em.png")) && QFile::exists(folder.filePath("em.png")));
    QVERIFY(!w->lblClimbTurnState->text().contains("Out of date"));
    ComputeAt(s, "21000");
    QTRY_VERIFY(w->lblClimbTurnState->isVisible() &&
                w->lblClimbTurnState->text().startsWith("Out of date"));
  }

  // Pin and Clear Baseline are enabled only when they can act; the baseline is named in the
  // status bar and the compare window, which follows each new computation: two identical
  // configurations change nothing, one tank less burns less (and the charts draw the baseline
  // beside the current lines), tables without a common altitude say so.
  void TheCompareWindowSetsEachComputationAgainstThePinnedBaseline() {
    Session s;
    QVERIFY(!s.form->mnuViewPinBaseline->isEnabled() && !s.form->mnuViewClearBaseline->isEnabled());
    ComputeTheCheckTable(s, {}, kCheckRanges + " txtMisAA=2 txtFuelTank=2");
    QVERIFY(s.form->mnuViewPinBaseline->isEnabled() && !s.form->mnuViewClearBaseline->isEnabled());
    s.form->mnuViewPinBaseline->trigger();
    QVERIFY(s.form->mnuViewClearBaseline->isEnabled());
    const QString named =
        "Baseline: " + s.Text("txtAereo").trimmed() + ", 20,000 lb, AA Missiles x2, Fuel Tank x2";
    QCOMPARE(s.form->lblBaseline->text(), named);
    QCOMPARE(Compared(s)->lblCompareBaseline->text(), named);
    s.Click(s.form->cmdCompute);
    const tz9::ResultGrid& table = Compared(s)->table();
    QStringList changes;
    for (int col = 1; col < table.Cols(); ++col)
      for (int row = 1; TableText(table, 0, col).contains("change") && row < table.Rows(); ++row)
        changes << TableText(table, row, col);
    QCOMPARE(changes.size(), 4 * 2);  // four changes at two altitudes
    QCOMPARE(TableText(table, 1, 1) + "|" + TableText(table, 1, 2), "300|300");  // range CAS
    QVERIFY(changes.contains("0.0 %"));
    QCOMPARE(changes.filter(QRegularExpression("^(0\\.0 %)?$")), changes);
    QCOMPARE(Tinted(Compared(s)->differences()).filter(" "), QStringList());
    s.TypeAll("txtFuelTank=1 txtCompWeight=20000");
    s.Click(s.form->cmdCompute);
    const tz9::CompareWindow* window = Compared(s);
    QVERIFY(window->lblCompareState->text().isEmpty());
    // Less fuel everywhere: each cell tinted better (bluish) or showing 0.0.
    const QStringList less = Tinted(window->differences());
    QCOMPARE(less.filter(QRegularExpression("^(0\\.0|------|-\\d.* better)$")), less);
    QVERIFY(less.filter(QRegularExpression("^-\\d")).size() > 0);
    QVERIFY(LegendNames(OpenCharts(s)->chtFuelFlow).contains("baseline"));
    LayOut(s, "txtAlMi=1000 txtAlS1=40000 txtAlSt=41000 txtAlS2=1000 txtAlMa=41000");
    ComputeAt(s, "20000");
    QVERIFY2(Compared(s)->lblCompareState->text().contains("no altitude in common"),
             qPrintable(window->lblCompareState->text()));
    s.form->mnuViewClearBaseline->trigger();
    QVERIFY(!s.form->mnuViewClearBaseline->isEnabled() && s.form->lblBaseline->isHidden());
  }

  // Of many rows a dozen evenly spread are drawn, with the grids' current row; the user's
  // picks replace them until Even Spread.
  void ManyRowsAreSpreadAndCanBePicked() {
    Session s;
    ShowWindow(s);
    ComputeTheCheckTable(s, {}, "txtAlMi=0 txtAlS1=1000 txtAlSt=1000 txtAlS2=1000 txtAlMa=55000");
    tz9::frmCharts* charts = OpenCharts(s);
    const std::vector<int> spread = {1, 6, 11, 16, 21, 26, 31, 36, 41, 46, 51, 56};
    QCOMPARE(charts->DrawnRows(), spread);
    ClickCell(s.form->MSFG1, 3, 1);  // the current row is drawn besides
    // Unchecking every spread row but two leaves those two and the current row.
    for (int row : spread)
      if (row != 11 && row != 56) charts->lstAltitudes->item(row - 1)->setCheckState(Qt::Unchecked);
    QCOMPARE(charts->DrawnRows(), std::vector<int>({3, 11, 56}));
    QCOMPARE(LegendNames(charts->chtSpecificRange).mid(0, 3).join('|'),
             "2000 ft|10000 ft|55000 ft: no steady flight");
    // The picks hold for a new computation of the same rows, not for other rows.
    ComputeAt(s, "21000");
    QCOMPARE(charts->DrawnRows(), std::vector<int>({3, 11, 56}));
    QTest::mouseClick(charts->cmdEvenSpread, Qt::LeftButton);
    QCOMPARE(charts->DrawnRows().size(), 13U);
    LayOut(s, "txtAlMa=54000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(charts->DrawnRows().size(), 12U);
  }

  // The screenshot, kept in the build folder, shows every cell in view in its colour.
  void ScreenshotShowsEachCellInItsColour() {
    Session s;
    ShowWindow(s);
    ComputeTheCheckTable(s, "Option2");
    const QImage shot = s.form->grab().toImage();
    QVERIFY(shot.save(QStringLiteral(TZ9_SCREENSHOT_PATH)));
    const ResultGridView* view = s.form->MSFG1;
    QStringList colours;
    for (int col = 1; col <= view->model()->columnCount(); ++col) {
      const QRect cell = view->visualRect(GridIndex(view, 1, col));
      if (!view->viewport()->rect().contains(cell)) continue;  // scrolled out of view
      // Below the text, which stands at the top of the cell.
      const QPoint below = view->viewport()->mapTo(s.form.get(), cell.bottomLeft()) + QPoint(2, -2);
      colours << CellShown(view, 1, col) + "/" + shot.pixelColor(below).name();
    }
    QVERIFY2(colours.size() >= 20, qPrintable(colours.join(", ")));  // 20 speeds or more
    QCOMPARE(colours.filter(QRegularExpression(" (#\\w+)/\\1$")), colours);
  }

  // The lines under the comments are the command-line tool's CSV for the same inputs, byte for
  // byte, in each mode and with stores.
  void ExportedTablesAreCommentsThenTheToolsCsvLines() {
    const struct {
      const char *mode, *second, *counts, *stores;
    } cases[] = {{"Option1", "lbs-nm", "", "0,0,0,0,0,0"},
                 {"Option2", "tas", "txtMisAA=2 txtBombe=4 txtFuelTank=2", "2,0,4,0,0,2"}};
    const QTemporaryDir folder;
    for (const auto& c : cases) {
      ExportSession s;
      ComputeTheCheckTable(s, c.mode, kCheckRanges + " " + c.counts);
      const QString path = folder.filePath(QStringLiteral("%1.csv").arg(c.second));
      s.Export(s.exports->mnuFileExport, path);
      QCOMPARE(s.Status(), QStringLiteral("Exported the tables to %1.").arg(path));
      QCOMPARE(s.dialogs->offered, QStringList({"csv check-aircraft.csv"}));
      const QStringList lines = ReadAll(path).split('\n');
      const QString tool =
          Output(QStringLiteral(TZ9_TABLE_TOOL),
                 {QString::fromStdString(kCheckAircraft), "--weight", "20000", "--stores", c.stores,
                  "--second", c.second, "--format", "csv", "--speed", "300,10,660,10,660",
                  "--altitude", "0,40000,40000,1000,40000"});
      QCOMPARE(lines.mid(7).join('\n'), tool);
      QCOMPARE(lines.mid(0, 7),
               QStringList(
                   {"# program: Strakon TZ9 Performances " + QString::fromLatin1(tz9::kVersion),
                    "# aircraft file: check-aircraft.dat", "# aircraft: Check Aircraft",
                    "# computing weight (lb): 20000",
                    "# stores: aa " + s.Text("txtMisAA") + ", ag 0, bombs " + s.Text("txtBombe") +
                        ", cluster 0, ecm " + s.Text("txtEcm") + ", tanks " + s.Text("txtFuelTank"),
                    lines[5], "# grids: current"}));
      // The comments name what was computed, not what the fields hold now.
      s.Type("txtCompWeight", "21000");
      s.Choose("Option3");
      s.Load(kGenericFighter);
      s.Export(s.exports->mnuFileExport, path);
      QCOMPARE(Lacking(ReadAll(path),
                       "\n# grids: out of date: the computing weight or a store count changed; "
                       "another second grid was chosen; another aircraft was loaded\n|\n# "
                       "computing weight (lb): 20000\n|\n# aircraft file: check-aircraft.dat\n"),
               QString());
    }
  }

  // Before a computation, or once the table is laid out again, there is nothing to export: no
  // dialog opens and no file is written. A path whose folder does not exist cannot be written
  // (the tests run as root, who may write anywhere else); a cancel writes nothing either.
  void ExportsRefuseWhatCannotBeWrittenAndACancelLeavesNoFile() {
    const QTemporaryDir folder;
    ExportSession s;
    s.Export(s.exports->mnuFileReport, folder.filePath(QStringLiteral("t.pdf")));
    QCOMPARE(s.Status(), QStringLiteral("Nothing to export yet: press Compute Table first."));
    ComputeTheCheckTable(s, "Option1");
    LayOut(s, "txtSpMi=310");
    s.Export(s.exports->mnuFileExport, folder.filePath(QStringLiteral("t.csv")));
    QCOMPARE(s.Status(), QStringLiteral("The table was laid out again after Compute Table: press "
                                        "Compute Table to export it."));
    s.dialogs->printFile = folder.filePath(QStringLiteral("printed.pdf"));
    s.exports->mnuFilePrint->trigger();
    QVERIFY(s.Status().endsWith("press Compute Table to print it."));
    QCOMPARE(s.dialogs->offered, QStringList());
    ComputeAt(s, "20000");
    for (QAction* item : {s.exports->mnuFileExport, s.exports->mnuFileReport}) {
      const QString path = folder.filePath(QStringLiteral("missing/table.out"));
      s.Export(item, path);
      s.AwaitReport();
      QVERIFY(s.Status().startsWith(QStringLiteral("Could not export to %1: ").arg(path)));
      s.form->lblStatus->clear();
      s.dialogs->paths = {std::nullopt};
      item->trigger();
      QCOMPARE(s.Status(), QString());
    }
    s.dialogs->printFile.clear();
    s.exports->mnuFilePrint->trigger();
    QCOMPARE(s.Status(), QString());
    QCOMPARE(s.dialogs->offered.size(), 5);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
  }

  // A4 across holds 24 columns and 36 rows of a grid: the check table's 37 columns take two
  // pages a grid, after the page of the inputs. Each page repeats its block's headers; the
  // performance summary comes last. Print paints the same report on the printer set up.
  void TheReportHasTheInputsThenEachGridOnPagesWithItsHeaders() {
    const QTemporaryDir folder;
    ExportSession s;
    ComputeTheCheckTable(s, {}, kCheckRanges + " txtMisAA=2");
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    s.Export(s.exports->mnuFileReport, pdf);
    s.AwaitReport();
    QCOMPARE(s.Status(), QStringLiteral("Wrote the report to %1.").arg(pdf));
    QCOMPARE(PdfPages(pdf), 6);
    const std::pair<int, QString> pages[] = {
        {1,
         "Aircraft file: check-aircraft.dat|Aircraft: Check Aircraft|Computing weight: 20000 "
         "lb|Stores: AIM120 2, AGM65B 0|Speeds (CAS): 37, 300 to 660 kt|Altitudes: 2, 0 ft to "
         "40000 ft|Result: Computed 74 cells.|Grids: current|Subsonic, Military|Supersonic, "
         "AB|Page 1 of 6"},
        {2,
         "Fuel Flow (lb/h): 300 to 530 kt, 0 ft to 40000 ft (part 1 of 2)|300 310 320 330 "
         "340|510 520 530 0 ft|40000 ft 1070|Page 2 of 6"},
        {6, "Performance Summary|Best range at 40000 ft|Altitude | Range CAS|40000 ft |"}};
    for (const auto& [page, texts] : pages)
      QCOMPARE(QString::number(page) + Lacking(PdfPageText(pdf, page), texts),
               QString::number(page));
    ComputeAt(s, "20000", "Option3");
    s.dialogs->printFile = folder.filePath(QStringLiteral("printed.pdf"));
    s.exports->mnuFilePrint->trigger();
    s.AwaitReport();
    QCOMPARE(s.Status(), QStringLiteral("Printed the report to %1.").arg(s.dialogs->printFile));
    QCOMPARE(PdfPages(s.dialogs->printFile), 6);
    QVERIFY(PdfPageText(s.dialogs->printFile, 4).contains("Mach Number: 300 to 530 kt"));
  }

  // 1901 speeds by 2 altitudes take 163 pages: the window asks first, and the summary pages
  // (the inputs, the performance summary, the mission fuel window's table) come alone. The
  // whole report is painted off the window's thread, its progress shown while the window
  // answers, and Cancel leaves no file.
  void ALongReportAsksFirstAndCanBeCancelled() {
    const QTemporaryDir folder;
    ExportSession s;
    ComputeTheCheckTable(s, {},
                         "txtSpMi=100 txtSpS1=1 txtSpSt=2000 txtSpS2=1 txtSpMa=2000 txtAlMi=0 "
                         "txtAlS1=40000 txtAlSt=40000 txtAlS2=1000 txtAlMa=40000",
                         "26000");
    s.form->mnuViewMission->trigger();
    RunMission(s, "0", "600", "");
    AwaitAnswer(s, Mission(s));
    const QString summary = folder.filePath(QStringLiteral("summary.pdf"));
    s.dialogs->scope = tz9::ReportScope::SummaryPages;
    s.Export(s.exports->mnuFileReport, summary);
    s.AwaitReport();
    QCOMPARE(s.dialogs->offered, QStringList({"pdf check-aircraft.pdf", "pages 163 or 3"}));
    QCOMPARE(s.Status(),
             QStringLiteral("Wrote the summary pages of the report to %1.").arg(summary));
    QCOMPARE(PdfPages(summary), 3);
    QCOMPARE(Lacking(PdfPageText(summary, 3),
                     "Mission Fuel|Cruise at 600 kt.|0 ft ||40000 ft "
                     "|| AB ||AB after a figure: the schedule's speed "
                     "needs the afterburner"),
             QString());
    s.dialogs->scope = tz9::ReportScope::Whole;
    s.Export(s.exports->mnuFileReport, folder.filePath(QStringLiteral("whole.pdf")));
    QVERIFY(!s.exports->reportProgress->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(s.exports->prgReport->value() > 0, 30000);
    s.Export(s.exports->mnuFilePrint, {});  // one report at a time
    QVERIFY(s.Status().startsWith(QStringLiteral("A report is being made")));
    QTest::mouseClick(s.exports->cmdReportCancel, Qt::LeftButton);
    QVERIFY(!s.exports->ReportRunning() && s.exports->reportProgress->isHidden());
    QCOMPARE(s.Status(), QStringLiteral("Cancelled the report: %1 was not written.")
                             .arg(folder.filePath(QStringLiteral("whole.pdf"))));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"summary.pdf"}));
  }

  void TheCommandLineNamesOneAircraftFileOrAsksForHelpOrTheVersion() {
    using Action = tz9::WindowCommandLine::Action;
    const QString usage = "Usage: tz9perf [options] [AIRCRAFT.dat]\n";
    const QString some = QDir::current().absoluteFilePath(QStringLiteral("some.dat"));
    const struct {
      QStringList arguments;
      Action action;
      QString path, text;
    } cases[] = {
        {{"tz9perf"}, Action::OpenWindow, {}, {}},
        {{"/usr/bin/tz9perf", "some.dat"}, Action::OpenWindow, some, {}},
        {{"tz9perf", "--help"}, Action::PrintHelp, {}, usage},
        {{"tz9perf", "a.dat", "b.dat"}, Action::Refuse, {}, "tz9perf: only one aircraft file"},
        {{"tz9perf", "--colour"}, Action::Refuse, {}, "tz9perf: Unknown option 'colour'.\n"}};
    for (const auto& c : cases) {
      const tz9::WindowCommandLine line = tz9::ParseWindowCommandLine(c.arguments);
      QCOMPARE(QStringList({c.arguments.join(' '), QString::number(static_cast<int>(line.action)),
                            QString::fromStdString(line.aircraftPath.value_or("")),
                            line.text.left(c.text.size())}),
               QStringList({c.arguments.join(' '), QString::number(static_cast<int>(c.action)),
                            c.path, c.text}));
    }
  }

  // What main() does with the file of the command line, and a dropped file, leave the window as
  // the Load command does: the same fields, status and record, the record reset first (the
  // generic fighter's larger tables would otherwise show through the check aircraft's).
  void AFileOnTheCommandLineOrDroppedLoadsAsTheLoadCommandDoes() {
    Session loaded;
    loaded.Load(kGenericFighter);
    loaded.Load(kCheckAircraft);
    Session started;
    started.form->LoadAircraftPath(kGenericFighter);
    started.form->LoadAircraftPath(
        *tz9::ParseWindowCommandLine({"tz9perf", QString::fromStdString(kCheckAircraft)})
             .aircraftPath);
    Session dropped;
    QVERIFY(Drop(dropped, {FileUrl(kGenericFighter)}));
    QVERIFY(Drop(dropped, {FileUrl(kCheckAircraft)}));
    for (const Session* s : {&started, &dropped}) {
      for (const QString field : {"txtFile", "txtAereo", "txtZFW", "txtIntFuel", "txtCompWeight"})
        QCOMPARE(s->Text(field), loaded.Text(field));
      QCOMPARE(s->Status(), QStringLiteral("Loaded check-aircraft.dat."));
      QVERIFY(s->form->aircraft() == loaded.form->aircraft());
    }
  }

  // Only one local file whose name ends in .dat is taken.
  void OtherDropsAreRefused() {
    const QTemporaryDir folder;
    const QString upper = folder.filePath(QStringLiteral("CHECK.DAT"));
    QFile::copy(QString::fromStdString(kCheckAircraft), upper);
    const QString none = folder.filePath("none.dat");
    const std::pair<QList<QUrl>, QString> cases[] = {
        {{QUrl::fromLocalFile(upper)}, "Loaded CHECK.DAT."},
        {{QUrl::fromLocalFile(none)},
         "Load stopped: cannot open file: " + none + " (no such file). No aircraft is loaded."},
        {{QUrl::fromLocalFile(folder.filePath("table.csv"))}, "refused"},
        {{FileUrl(kCheckAircraft), FileUrl(kCheckAircraft)}, "refused"},
        {{QUrl("https://example.org/a.dat")}, "refused"}};
    for (const auto& [urls, status] : cases) {
      Session s;
      const bool accepted = Drop(s, urls);
      QCOMPARE(accepted ? s.Status() : "refused", status);
    }
  }
};

QTEST_MAIN(WindowViewsTest)
#include "window_views_test.moc"
