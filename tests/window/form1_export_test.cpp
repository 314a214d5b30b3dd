// SPDX-License-Identifier: GPL-3.0-or-later
// Results out of the window and files into it: Export Tables read back against the command-line
// tool's CSV, Export Report and Print read back with poppler's pdfinfo and pdftotext, writes
// that fail, Ctrl+C with colours, a file given on the command line and a file dropped.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "analyses/mission_window.h"
#include "app/window_command_line.h"
#include "common/version.h"
#include "grids/result_grid_view.h"
#include "output/export_commands.h"
#include "output/export_dialogs.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

// Answers the save dialog with the next path of a list (nothing: a cancel), the print dialog
// by printing to a PDF file (an empty name: a cancel) and the question before a long report with
// scope; notes what each dialog offered.
struct ScriptedExportDialogs final : tz9::ExportDialogs {
  std::vector<std::optional<std::string>> paths;
  QString printFile;
  std::optional<tz9::ReportScope> scope;
  QStringList offered;  // "csv check-aircraft.csv", "print", "pages 163 or 3"

  std::optional<std::string> ChooseSavePath(tz9::ExportKind kind,
                                            const QString& suggestedName) override {
    offered << tz9::ExportSuffix(kind) + " " + suggestedName;
    if (paths.empty()) return std::nullopt;
    std::optional<std::string> path = paths.front();
    paths.erase(paths.begin());
    return path;
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
  ExportSession() {
    auto scripted = std::make_unique<ScriptedExportDialogs>();
    dialogs = scripted.get();
    form->exports()->SetDialogs(std::move(scripted));
  }
  void Export(QAction* item, const QString& path) {
    dialogs->paths = {QFile::encodeName(path).toStdString()};
    item->trigger();
  }
  bool ReportEnded() const { return !form->exports()->ReportRunning(); }
};

// The check aircraft on kCheckRanges (37 speeds by 2 altitudes).
const QStringList kCheckRangeOptions = {"--speed", "300,10,660,10,660", "--altitude",
                                        "0,40000,40000,1000,40000"};

void ComputeCheckTable(ExportSession& s, const QString& mode, const QString& counts = {}) {
  s.Load(kCheckAircraft);
  s.TypeAll(kCheckRanges);
  s.Click(s.form->cmdTable);
  s.TypeAll(counts);
  s.Type("txtCompWeight", "20000");
  s.Choose(mode);
  s.Click(s.form->cmdCompute);
}

QString ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(no file %1)").arg(path);
  return QString::fromUtf8(file.readAll());
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
  const QString info = Output(Poppler("pdfinfo"), {pdf});
  for (const QString& line : info.split('\n')) {
    if (line.startsWith(QStringLiteral("Pages:"))) return line.section(':', 1).trimmed().toInt();
  }
  return -1;
}

// One page's text, its blanks and line breaks each made one blank.
QString PdfPageText(const QString& pdf, int page) {
  const QString number = QString::number(page);
  return Output(Poppler("pdftotext"), {"-f", number, "-l", number, "-layout", pdf, "-"})
      .simplified();
}

}  // namespace

class Form1ExportTest : public QObject {
  Q_OBJECT

 private slots:
  void ExportItemsStandBetweenSaveAsAndExitWithTheirShortcuts() {
    Session s;
    QStringList items;
    for (const QAction* item : s.form->mnuFile->actions()) {
      items << item->objectName() + "=" + item->text() + " " +
                   item->shortcut().toString(QKeySequence::PortableText);
    }
    QCOMPARE(items,
             QStringList({"mnuFileApri=&Load Ctrl+O", "mnuFileRecent=Open &Recent ",
                          "mnuFileSalva=&Save ", "mnuFileNome=S&ave As ",
                          QString::fromUtf8("mnuFileExport=&Export Tables… Ctrl+E"),
                          QString::fromUtf8("mnuFileReport=Export &Report… "),
                          QString::fromUtf8("mnuFilePrint=&Print… Ctrl+P"), "mnuFileEsci=&Exit "}));
  }

  // The lines under the comments are the command-line tool's CSV for the same inputs, byte for
  // byte, in each mode and with stores.
  void ExportedTablesAreCommentsThenTheToolsCsvLines() {
    const struct {
      const char* mode;
      const char* second;
      const char* counts;
      const char* stores;
    } cases[] = {
        {"Option1", "lbs-nm", "", "0,0,0,0,0,0"},
        {"Option2", "tas", "txtMisAA=2 txtBombe=4 txtFuelTank=2", "2,0,4,0,0,2"},
        {"Option3", "mach", "txtEcm=1", "0,0,0,0,1,0"},
    };
    const QTemporaryDir folder;
    for (const auto& c : cases) {
      ExportSession s;
      ComputeCheckTable(s, c.mode, c.counts);
      const QString path = folder.filePath(QStringLiteral("%1.csv").arg(c.second));
      s.Export(s.form->exports()->mnuFileExport, path);
      QCOMPARE(s.Status(), QStringLiteral("Exported the tables to %1.").arg(path));
      QCOMPARE(s.dialogs->offered, QStringList({"csv check-aircraft.csv"}));
      const QStringList lines = ReadAll(path).split('\n');
      const qsizetype comments = lines.indexOf(
          QStringLiteral("altitude_ft,speed_kt,fuel_flow,fuel_flow_color,second,second_color"));
      QCOMPARE(comments, 7);
      const QString tool =
          Output(QStringLiteral(TZ9_TABLE_TOOL),
                 QStringList({QString::fromStdString(kCheckAircraft), "--weight", "20000",
                              "--stores", c.stores, "--second", c.second, "--format", "csv"}) +
                     kCheckRangeOptions);
      QCOMPARE(lines.mid(comments).join('\n'), tool);
      QCOMPARE(lines.mid(1, 5),
               QStringList({"# aircraft file: check-aircraft.dat", "# aircraft: Check Aircraft",
                            "# computing weight (lb): 20000",
                            "# stores: aa " + s.Text("txtMisAA") + ", ag 0, bombs " +
                                s.Text("txtBombe") + ", cluster 0, ecm " + s.Text("txtEcm") +
                                ", tanks " + s.Text("txtFuelTank"),
                            lines[5]}));
      QCOMPARE(lines[0],
               "# program: Strakon TZ9 Performances " + QString::fromLatin1(tz9::kVersion));
      QCOMPARE(lines[6], QStringLiteral("# grids: current"));
    }
  }

  // The comments name what was computed, not what the fields hold now.
  void ExportsSayWhenTheGridsNoLongerMatchTheFields() {
    const QTemporaryDir folder;
    ExportSession s;
    ComputeCheckTable(s, "Option1");
    s.Type("txtCompWeight", "21000");
    s.Choose("Option2");
    s.Load(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat");
    const QString path = folder.filePath(QStringLiteral("t.csv"));
    s.Export(s.form->exports()->mnuFileExport, path);
    const QString text = ReadAll(path);
    for (const char* line :
         {"\n# grids: out of date: the computing weight or a store count changed; another second "
          "grid was chosen; another aircraft was loaded\n",
          "\n# computing weight (lb): 20000\n", "\n# aircraft file: check-aircraft.dat\n",
          "\n# aircraft: Check Aircraft\n"}) {
      QVERIFY2(text.contains(QString::fromLatin1(line)), line);
    }
  }

  // Before a computation, or once the table is laid out again, there is nothing to export: no
  // dialog opens and no file is written.
  void ExportsRefuseWhileTheGridsShowNoComputation() {
    const QString nothing = QStringLiteral("Nothing to %1 yet: press Compute Table first.");
    const QString relaid = QStringLiteral(
        "The table was laid out again after Compute Table: press Compute Table to %1 it.");
    const QTemporaryDir folder;
    ExportSession s;
    for (const bool computed : {false, true}) {
      if (computed) {
        ComputeCheckTable(s, "Option1");
        s.Type("txtSpMi", "310");
        s.Click(s.form->cmdTable);
        QCOMPARE(s.Status(), QStringLiteral("Table of 36 speeds by 2 altitudes."));
      }
      const QString why = computed ? relaid : nothing;
      for (QAction* item : {s.form->exports()->mnuFileExport, s.form->exports()->mnuFileReport,
                            s.form->exports()->mnuFilePrint}) {
        s.dialogs->printFile = folder.filePath(QStringLiteral("printed.pdf"));
        s.Export(item, folder.filePath(QStringLiteral("t.csv")));
        const bool print = item == s.form->exports()->mnuFilePrint;
        QCOMPARE(s.Status(), why.arg(print ? "print" : "export"));
      }
    }
    QCOMPARE(s.dialogs->offered, QStringList());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
  }

  // A path whose folder does not exist cannot be written (the tests run as root, who may write
  // anywhere else): the status line says so and no file appears. A cancel writes nothing either.
  void AWriteThatFailsOrACancelLeavesNoFile() {
    const QTemporaryDir folder;
    ExportSession s;
    ComputeCheckTable(s, "Option1");
    for (QAction* item : {s.form->exports()->mnuFileExport, s.form->exports()->mnuFileReport}) {
      const QString path = folder.filePath(QStringLiteral("missing/table.out"));
      s.Export(item, path);
      QTRY_VERIFY_WITH_TIMEOUT(s.ReportEnded(), 30000);
      QVERIFY2(s.Status().startsWith(QStringLiteral("Could not export to %1: ").arg(path)),
               qPrintable(s.Status()));
      s.form->lblStatus->clear();
      s.dialogs->paths = {std::nullopt};
      item->trigger();
      QCOMPARE(s.Status(), QString());
    }
    s.dialogs->printFile.clear();
    s.form->exports()->mnuFilePrint->trigger();
    QCOMPARE(s.Status(), QString());
    QCOMPARE(s.dialogs->offered.size(), 5);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
  }

  // A4 across holds 24 columns and 36 rows of a grid: the check table's 37 columns take two
  // pages a grid, after the page of the inputs. Each page repeats its block's headers.
  void TheReportHasTheInputsThenEachGridOnPagesWithItsHeaders() {
    const QTemporaryDir folder;
    ExportSession s;
    ComputeCheckTable(s, "Option1", "txtMisAA=2");
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    s.Export(s.form->exports()->mnuFileReport, pdf);
    QTRY_VERIFY_WITH_TIMEOUT(s.ReportEnded(), 30000);
    QCOMPARE(s.Status(), QStringLiteral("Wrote the report to %1.").arg(pdf));
    QCOMPARE(s.dialogs->offered, QStringList({"pdf check-aircraft.pdf"}));
    // Then the performance summary: the optima, the captions and one line an altitude.
    QCOMPARE(PdfPages(pdf), 6);
    const QString summary = PdfPageText(pdf, 6);
    for (const char* text :
         {"Performance Summary", "Best range at 40000 ft", "Altitude | Range CAS", "40000 ft |"})
      QVERIFY2(summary.contains(QString::fromLatin1(text)), qPrintable(text + (" in " + summary)));
    const QString inputs = PdfPageText(pdf, 1);
    for (const char* text : {"Aircraft file: check-aircraft.dat", "Aircraft: Check Aircraft",
                             "Computing weight: 20000 lb", "Stores: AIM120 2, AGM65B 0",
                             "Speeds (CAS): 37, 300 to 660 kt", "Altitudes: 2, 0 ft to 40000 ft",
                             "Result: Computed 74 cells.", "Grids: current", "Subsonic, Military",
                             "Supersonic, AB", "Page 1 of 6"}) {
      QVERIFY2(inputs.contains(QString::fromLatin1(text)), qPrintable(text + (" in " + inputs)));
    }
    const struct {
      int page;
      QStringList texts;
    } pages[] = {
        // Each block under its own speed headers, beside the altitude headers.
        {2,
         {"Fuel Flow (lb/h): 300 to 530 kt, 0 ft to 40000 ft (part 1 of 2)", "300 310 320 330 340",
          "510 520 530 0 ft", "40000 ft 1070", "Page 2 of 6"}},
        {3,
         {"Fuel Flow (lb/h): 540 to 660 kt, 0 ft to 40000 ft (part 2 of 2)",
          "540 550 560 570 580 590 600 610 620 630 640 650 660 0 ft", "40000 ft 1676"}},
        {4, {"Lbs/NM: 300 to 530 kt", "(part 1 of 2)", "300 310 320", "Subsonic, AB"}},
        {5, {"Lbs/NM: 540 to 660 kt", "540 550 560", "40000 ft", "Page 5 of 6"}},
    };
    for (const auto& [page, texts] : pages) {
      const QString text = PdfPageText(pdf, page);
      for (const QString& expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + " on page " + text));
    }
    // The first cell, as the grid shows it, stands on page 2.
    QVERIFY(PdfPageText(pdf, 2).contains(
        QString::fromStdString(std::string(s.form->grid1().TextAt(1, 1)))));
  }

  // 1901 speeds by 2 altitudes take 163 pages: the window asks first, and the summary pages
  // (the inputs, the performance summary, the mission fuel window's table) come alone. The
  // whole report is painted off the window's thread, its progress shown while the window
  // answers, and Cancel leaves no file.
  void ALongReportAsksFirstAndCanBeCancelled() {
    const QTemporaryDir folder;
    ExportSession s;
    s.Load(kCheckAircraft);
    s.TypeAll(
        "txtSpMi=100 txtSpS1=1 txtSpSt=2000 txtSpS2=1 txtSpMa=2000 "
        "txtAlMi=0 txtAlS1=40000 txtAlSt=40000 txtAlS2=1000 txtAlMa=40000");
    s.Click(s.form->cmdTable);
    s.Type("txtCompWeight", "26000");
    s.Click(s.form->cmdCompute);
    s.form->mnuViewMission->trigger();
    auto* mission = s.form->findChild<tz9::MissionWindow*>();
    mission->txtCruiseCas->setText(QStringLiteral("600"));
    mission->cmdMission_Click();
    QTRY_VERIFY_WITH_TIMEOUT(!mission->Running(), 30000);
    const QString summary = folder.filePath(QStringLiteral("summary.pdf"));
    s.dialogs->scope = tz9::ReportScope::SummaryPages;
    s.Export(s.form->exports()->mnuFileReport, summary);
    QTRY_VERIFY_WITH_TIMEOUT(s.ReportEnded(), 30000);
    QCOMPARE(s.dialogs->offered, QStringList({"pdf check-aircraft.pdf", "pages 163 or 3"}));
    QCOMPARE(s.Status(),
             QStringLiteral("Wrote the summary pages of the report to %1.").arg(summary));
    QCOMPARE(PdfPages(summary), 3);
    QVERIFY(PdfPageText(summary, 2).contains("Performance Summary"));
    for (const char* text : {"Mission Fuel", "Cruise at 600 kt.", "0 ft |", "40000 ft |", " AB |",
                             "AB after a figure: the schedule's speed needs the afterburner"}) {
      QVERIFY2(PdfPageText(summary, 3).contains(QString::fromLatin1(text)), text);
    }

    s.dialogs->scope = tz9::ReportScope::Whole;
    s.Export(s.form->exports()->mnuFileReport, folder.filePath(QStringLiteral("whole.pdf")));
    QVERIFY(!s.form->exports()->reportProgress->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(s.form->exports()->prgReport->value() > 0, 30000);
    s.Export(s.form->exports()->mnuFilePrint, {});  // one report at a time
    QVERIFY(s.Status().startsWith(QStringLiteral("A report is being made")));
    QTest::mouseClick(s.form->exports()->cmdReportCancel, Qt::LeftButton);
    QVERIFY(s.ReportEnded());
    QVERIFY(s.form->exports()->reportProgress->isHidden());
    QCOMPARE(s.Status(), QStringLiteral("Cancelled the report: %1 was not written.")
                             .arg(folder.filePath(QStringLiteral("whole.pdf"))));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"summary.pdf"}));
  }

  void PrintPaintsTheReportOnThePrinterTheDialogSetUp() {
    const QTemporaryDir folder;
    ExportSession s;
    ComputeCheckTable(s, "Option3");
    s.dialogs->printFile = folder.filePath(QStringLiteral("printed.pdf"));
    s.form->exports()->mnuFilePrint->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(s.ReportEnded(), 30000);
    QCOMPARE(s.Status(), QStringLiteral("Printed the report to %1.").arg(s.dialogs->printFile));
    QCOMPARE(PdfPages(s.dialogs->printFile), 6);
    QVERIFY(PdfPageText(s.dialogs->printFile, 4).contains("Mach Number: 300 to 530 kt"));
  }

  // The text as before, and an HTML table whose cells carry their backgrounds.
  void CtrlCPutsTextAndHtmlWithTheCellColours() {
    ExportSession s;
    ComputeCheckTable(s, "Option1");
    tz9::ResultGridView* view = s.form->MSFG1;
    const QAbstractItemModel* model = view->model();
    // 300 kt at 0 ft (white) and 600 kt at 0 ft (yellow); 310 to 590 kt copy empty.
    view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::ClearAndSelect);
    view->selectionModel()->select(model->index(0, 30), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), "\t300\t600\n0 ft\t1896\t17110\n");
    QCOMPARE(copied->html(),
             "<table>\n<tr><th></th><th>300</th><th>600</th></tr>\n"
             "<tr><th>0 ft</th><td style=\"background-color:#ffffff\">1896</td>"
             "<td style=\"background-color:#ffff00\">17110</td></tr>\n</table>\n");
    view->selectionModel()->select(model->index(1, 1), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->mimeData()->html().contains(
        "<tr><th>0 ft</th><td style=\"background-color:#ffffff\">1896</td><td></td>"));
  }

  void TheCommandLineNamesOneAircraftFileOrAsksForHelpOrTheVersion() {
    using Action = tz9::WindowCommandLine::Action;
    const QString absolute = QDir::current().absoluteFilePath(QStringLiteral("some.dat"));
    const struct {
      QStringList arguments;
      Action action;
      QString path;
      QString text;  // its beginning
    } cases[] = {
        {{"tz9perf"}, Action::OpenWindow, {}, {}},
        {{"/usr/bin/tz9perf", "some.dat"}, Action::OpenWindow, absolute, {}},
        {{"tz9perf", "--version"},
         Action::PrintVersion,
         {},
         "tz9perf " + QApplication::applicationVersion() + "\n"},
        {{"tz9perf", "--help"}, Action::PrintHelp, {}, "Usage: tz9perf [options] [AIRCRAFT.dat]\n"},
        {{"tz9perf", "-h"}, Action::PrintHelp, {}, "Usage: tz9perf [options] [AIRCRAFT.dat]\n"},
        {{"tz9perf", "a.dat", "b.dat"},
         Action::Refuse,
         {},
         "tz9perf: only one aircraft file: b.dat\n"},
        {{"tz9perf", "--colour"}, Action::Refuse, {}, "tz9perf: Unknown option 'colour'.\n"},
    };
    for (const auto& c : cases) {
      const tz9::WindowCommandLine line = tz9::ParseWindowCommandLine(c.arguments);
      const QString path =
          line.aircraftPath ? QString::fromStdString(*line.aircraftPath) : QString();
      QCOMPARE(QStringList({c.arguments.join(' '), QString::number(static_cast<int>(line.action)),
                            path, line.text.left(c.text.size())}),
               QStringList({c.arguments.join(' '), QString::number(static_cast<int>(c.action)),
                            c.path, c.text}));
    }
  }

  // What main() does with the file of the command line leaves the window as the Load command
  // does: the same fields, status and record, the record reset first (the generic fighter's
  // larger tables would otherwise show through the check aircraft's).
  void AFileOnTheCommandLineLoadsAsTheLoadCommandDoes() {
    const std::string fighter = std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";
    Session loaded;
    loaded.Load(fighter);
    loaded.Load(kCheckAircraft);
    Session started;
    started.form->LoadAircraftPath(fighter);
    const tz9::WindowCommandLine line =
        tz9::ParseWindowCommandLine({"tz9perf", QString::fromStdString(kCheckAircraft)});
    QVERIFY(line.aircraftPath.has_value());
    started.form->LoadAircraftPath(*line.aircraftPath);
    for (const QString field : {"txtFile", "txtAereo", "txtZFW", "txtIntFuel", "txtCompWeight"})
      QCOMPARE(started.Text(field), loaded.Text(field));
    QCOMPARE(started.Status(), QStringLiteral("Loaded check-aircraft.dat."));
    QVERIFY(started.form->aircraft() == loaded.form->aircraft());
  }

  // Only one local file whose name ends in .dat is taken; it loads as the Load command loads.
  void ADroppedAircraftFileLoadsOtherDropsAreRefused() {
    const QUrl aircraft = QUrl::fromLocalFile(QString::fromStdString(kCheckAircraft));
    const QTemporaryDir folder;
    const QString upper = folder.filePath(QStringLiteral("CHECK.DAT"));
    QFile::copy(QString::fromStdString(kCheckAircraft), upper);
    const struct {
      const char* name;
      QList<QUrl> urls;
      bool accepted;
      QString status;
    } cases[] = {
        {"one .dat file", {aircraft}, true, "Loaded check-aircraft.dat."},
        {"upper-case suffix", {QUrl::fromLocalFile(upper)}, true, "Loaded CHECK.DAT."},
        {"missing .dat file",
         {QUrl::fromLocalFile(folder.filePath("none.dat"))},
         true,
         "Load stopped: cannot open file: " + folder.filePath("none.dat") +
             " (no such file). No aircraft is loaded."},
        {"another suffix", {QUrl::fromLocalFile(folder.filePath("table.csv"))}, false, ""},
        {"two files", {aircraft, aircraft}, false, ""},
        {"not a local file", {QUrl("https://example.org/a.dat")}, false, ""},
        {"no files", {}, false, ""},
    };
    for (const auto& c : cases) {
      Session s;
      QMimeData data;
      data.setUrls(c.urls);
      QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
      QApplication::sendEvent(s.form.get(), &enter);
      QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(s.form.get(), &drop);
      QCOMPARE(QStringList({c.name, enter.isAccepted() ? "accepted" : "refused", s.Status()}),
               QStringList({c.name, c.accepted ? "accepted" : "refused", c.status}));
      if (c.accepted && c.status.startsWith("Loaded"))
        QCOMPARE(s.Text("txtAereo"), "Check Aircraft");
    }
  }
};

QTEST_MAIN(Form1ExportTest)
#include "form1_export_test.moc"
