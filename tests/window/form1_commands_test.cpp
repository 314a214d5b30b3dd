// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at work: Load through the scripted dialog, the count fields, Create Table and
// Compute Table in each mode, the status line, the "Work in Progress" items, the credits, copying
// cells, the grid models the views read, and the bad-input catalogue walked through one window.
#include <QAbstractItemModelTester>
#include <QDir>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "aircraft/aircraft_reader.h"
#include "common/version.h"
#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"
#include "widgets/credits_window.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

// A cell's text and background: "1896 #ffff00", or "300 none" without a background of its own.
QString Cell(const tz9::ResultGridView* view, int gridRow, int gridCol) {
  const QModelIndex index = view->model()->index(gridRow - 1, gridCol - 1);
  const QVariant background = index.data(Qt::BackgroundRole);
  return index.data().toString() + " " +
         (background.isValid() ? background.value<QColor>().name() : QStringLiteral("none"));
}

// The check aircraft with one text replaced, or cut short before it.
QByteArray CheckAircraftWith(const char* from, const char* to) {
  QFile file(QString::fromStdString(kCheckAircraft));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no check aircraft");
  const QByteArray text = file.readAll().replace("\r", "");
  if (!text.contains(from)) qFatal("no %s in the check aircraft", from);
  return to == nullptr ? text.left(text.indexOf(from)) : QByteArray(text).replace(from, to);
}

// One step of the session: load a file of the given bytes, a folder or a missing file, or paste
// the text into the field, then press Compute Table or Create Table (which must change neither
// grid). Afterwards the field's text begins with kept and the status line contains status.
struct Step {
  QString act;  // "file", "folder", "missing", "compute", "table"
  const char* field;
  QByteArray text;
  QString kept;
  QString status;
};

}  // namespace

class Form1CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // The file name shown is the text after the last "/" or "\". A cancel keeps the record and
  // the fields, and so does a file that cannot be opened.
  void LoadShowsTheAircraftACancelOrAFailedOpenKeepsIt() {
    Session s;
    const auto shown = [&s] {
      return QStringList({s.Text("txtFile"), s.Text("txtAereo"), s.Text("txtZFW"),
                          s.Text("txtIntFuel"), s.Status()});
    };
    s.Load(kCheckAircraft);
    const QStringList loaded = {"check-aircraft.dat", "Check Aircraft", "19000", "7000",
                                "Loaded check-aircraft.dat."};
    QCOMPARE(shown(), loaded);
    QCOMPARE(s.form->aircraft().ReferenceArea.AsNumber(), std::optional<double>(300));
    s.Load(std::nullopt);
    QCOMPARE(shown().mid(0, 4), loaded.mid(0, 4));
    QCOMPARE(s.form->aircraft().ReferenceArea.AsNumber(), std::optional<double>(300));
    s.Load("/nowhere/planes/f16.dat");
    QCOMPARE(shown().mid(0, 4), loaded.mid(0, 4));
    QVERIFY2(s.Status().startsWith("Load stopped: cannot open file: ") &&
                 s.Status().endsWith("The Check Aircraft of check-aircraft.dat is still loaded."),
             qPrintable(s.Status()));
    QCOMPARE(s.form->aircraft().ReferenceArea.AsNumber(), std::optional<double>(300));
    s.Load("C:/Sims\\planes\\mig29.dat");
    QVERIFY(s.form->findChild<QLabel*>("lblAircraftState")->text().startsWith("mig29.dat could"));
  }

  void CountFieldsAcceptOnlyNumbers() {
    // Pasted over the AA missiles count: the text kept, then the stores weight.
    const char* cases[][3] = {{"", "0", "0"},        {"2x", "0", "0"},     {"-", "0", "0"},
                              {"1.5", "1.5", "225"}, {"-1", "-1", "-150"}, {" 3", " 3", "450"}};
    Session s;
    s.Load(kCheckAircraft);
    for (const auto& [typed, kept, storesWeight] : cases) {
      s.Type("txtMisAA", typed, /*paste=*/true);
      QCOMPARE(s.Text("txtMisAA") + " -> " + s.Text("txtExtraWeight"),
               QString(kept) + " -> " + storesWeight);
    }
  }

  // A count field that holds no number turns to "0" when it changes and when it loses focus.
  void EachCountFieldCountsItsOwnStoreAndCleansItself() {
    // The field, then the stores weight and external fuel of one store in it alone.
    const char* cases[][3] = {{"txtMisAA", "150", "0"}, {"txtMisAG", "225", "0"},
                              {"txtBombe", "500", "0"}, {"txtCluster", "800", "0"},
                              {"txtEcm", "100", "0"},   {"txtFuelTank", "2405", "2405"}};
    Session s;
    s.Load(kCheckAircraft);
    for (const auto& [name, storesWeight, externalFuel] : cases) {
      const auto seen = [&s, name = QString(name)](const char* field) {
        return name + " " + s.Text(field);
      };
      s.Type(name, "x", /*paste=*/true);
      QCOMPARE(seen(name), QString(name) + " 0");
      s.Type(name, "1");
      QCOMPARE(seen("txtExtraWeight"), QString(name) + " " + storesWeight);
      QCOMPARE(seen("txtExtFuel"), QString(name) + " " + externalFuel);
      QLineEdit* field = s.Field(name);
      {
        const QSignalBlocker quiet(field);
        field->setText(QStringLiteral("x"));
      }
      QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(field, &leaving);
      QCOMPARE(seen(name), QString(name) + " 0");
      QCOMPARE(seen("txtExtraWeight"), QString(name) + " 0");
    }
  }

  void CountEditsAndComputeWeightRewriteTheFiguresAComputingWeightEditDoesNot() {
    Session s;
    s.Load(kCheckAircraft);
    const auto figures = [&s] {
      return QStringList({s.Text("txtExtraWeight"), s.Text("txtExtFuel"), s.Text("txtTotalFuel"),
                          s.Text("txtActualWeight"), s.Text("txtCompWeight")});
    };
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(s.form->txtFuelTank, &leaving);
    QCOMPARE(figures(), QStringList({"0", "0", "7000", "26000", "26000"}));
    s.Type("txtFuelTank", "2");
    const QStringList twoTanks = {"4810", "4810", "11810", "35620", "35600"};
    QCOMPARE(figures(), twoTanks);
    s.Type("txtCompWeight", "12000 lb");
    QCOMPARE(figures(), QStringList(twoTanks.mid(0, 4)) << "12000 lb");
    s.Click(s.form->cmdWeight);
    QCOMPARE(figures(), twoTanks);
    s.Type("txtCompWeight", "12000 lb");
    s.Type("txtMisAA", "1");
    QCOMPARE(s.Text("txtCompWeight"), QStringLiteral("35700"));
  }

  void ComputeTableFillsTheCheckCellsInEachMode() {
    // Mode, speed, altitude, then the cells of both grids there.
    const char* cases[][5] = {
        {"Option1", "300", "0", "1896 #ffffff", "6.319 #ffffff"},
        {"Option1", "600", "0", "17110 #ffff00", "28.51 #ffff00"},
        {"Option1", "560", "40000", "1740 #00ff00", "1.935 #00ff00"},
        {"Option1", "660", "40000", "5267 #ff0000", "5.182 #ff0000"},
        {"Option1", "650", "0", "------ #ffffff", "------ #ffffff"},
        {"Option2", "300", "0", "1896 #ffffff", "300 none"},
        {"Option2", "560", "40000", "1740 #00ff00", "898 none"},
        {"Option2", "650", "0", "------ #ffffff", "650 #ffffff"},
        {"Option3", "600", "0", "17110 #ffff00", "0.9 none"},
        {"Option3", "660", "40000", "5267 #ff0000", "1.8 none"},
        {"Option3", "650", "0", "------ #ffffff", "0.98 #ffffff"},
    };
    for (const auto& [mode, knots, feet, first, second] : cases) {
      Session s;  // a sweep leaves backgrounds that the next mode may not paint over
      ComputeTheCheckTable(s, mode);
      const int row = QString(feet) == "0" ? 1 : 2;
      const int col = (QString(knots).toInt() - 290) / 10;
      QCOMPARE(QStringList({mode, s.Status(), Cell(s.form->MSFG1, row, col),
                            Cell(s.form->MSFG2, row, col)}),
               QStringList({mode, "Computed 74 cells.", first, second}));
    }
  }

  void ComputeTableRefusalsSayWhyAndChangeNoCell() {
    const char* cases[][2] = {
        {"20000", "Compute Table needs an aircraft: load a file first."},  // nothing loaded
        {"20000 lb", "The computing weight is not a number."},
        {"18999",
         "The computing weight is below the zero fuel weight: press Compute Weight to propose "
         "one."}};
    Session s;
    for (const auto& [weight, status] : cases) {
      if (weight != cases[0][0]) s.Load(kCheckAircraft);
      s.Type("txtCompWeight", weight);
      s.Click(s.form->cmdCompute);
      QCOMPARE(s.Status(), status);
      QCOMPARE(Cell(s.form->MSFG1, 1, 1) + Cell(s.form->MSFG2, 11, 23), " none none");
    }
  }

  // The models stay sound through a layout that resizes the grids, which resets each view once;
  // a sweep then signals each view once, as changed cells, without a reset.
  void ModelsPassTheTesterALayoutResetsAndASweepChangesEachViewOnce() {
    QString seen;
    Session s;
    for (const tz9::ResultGridView* view : {s.form->MSFG1, s.form->MSFG2}) {
      QAbstractItemModel* model = view->model();
      new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                   s.form.get());
      const QString name = view->objectName();
      connect(model, &QAbstractItemModel::modelReset, [&seen, name] { seen += name + " reset;"; });
      connect(model, &QAbstractItemModel::dataChanged, [&seen, name] { seen += name + " cells;"; });
    }
    s.Load(kCheckAircraft);
    s.Click(s.form->cmdTable);
    QCOMPARE(s.Status() + seen, "Table of 17 speeds by 11 altitudes.MSFG1 reset;MSFG2 reset;");
    seen.clear();
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(s.Status() + seen, "Computed 187 cells.MSFG1 cells;MSFG2 cells;");
  }

  void ModelShowsBbggrrColoursAndAlignsOnlyCentredColumns() {
    QCOMPARE(tz9::QColorFromColour(0x00123456), QColor(0x56, 0x34, 0x12));
    tz9::ResultGrid grid;
    grid.SetColAlignment(2, tz9::ResultGrid::kCentreTop);
    const tz9::ResultGridModel model(grid, nullptr);
    const QVariant centredTop = static_cast<int>(Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole), centredTop);
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole), centredTop);
    QVERIFY(!model.data(model.index(0, 0), Qt::TextAlignmentRole).isValid());
  }

  void CtrlCCopiesCellsWithTheirHeaders() {
    Session s;
    ComputeTheCheckTable(s, "Option1");
    tz9::ResultGridView* view = s.form->MSFG1;
    const QAbstractItemModel* model = view->model();
    // 300 kt at 0 ft and 310 kt at 40000 ft: the cells between them copy empty.
    view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::ClearAndSelect);
    view->selectionModel()->select(model->index(1, 1), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "\t300\t310\n0 ft\t1896\t\n40000 ft\t\t" +
                                                    model->index(1, 1).data().toString() + "\n");
  }

  void WorkInProgressItemsOnlyShowTheMessage() {
    Session s;
    s.Load(kCheckAircraft);
    for (QAction* item : {s.form->mnuFileSalva, s.form->mnuFileNome, s.form->mnuHelp}) {
      item->trigger();
    }
    QCOMPARE(s.messages, QStringList(3, "Strakon TZ9 Performances|Work in Progress"));
    QCOMPARE(s.Status(), QStringLiteral("Loaded check-aircraft.dat."));
  }

  void WorkInProgressBoxHasOnlyOkAndNoIcon() {
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen = box->windowTitle() + "|" + box->text();
      QCOMPARE(box->icon(), QMessageBox::NoIcon);
      QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
      box->button(QMessageBox::Ok)->click();
    });
    tz9::MessageBoxNotifier(nullptr).Inform("Strakon TZ9 Performances", "Work in Progress");
    QCOMPARE(seen, "Strakon TZ9 Performances|Work in Progress");
  }

  void CreditsOpenFreshEachTime() {
    Session s;
    s.form->show();
    for (int showing = 0; showing < 2; ++showing) {
      bool fresh = false;
      QTimer::singleShot(0, this, [&fresh] {
        auto* credits = qobject_cast<tz9::frmCredits*>(QApplication::activeModalWidget());
        if (credits == nullptr) return;
        // A mark that a reused window would still carry next time.
        fresh = !credits->property("shownBefore").toBool();
        credits->setProperty("shownBefore", true);
        QTest::mouseClick(credits->Command1, Qt::LeftButton);
      });
      s.form->mnuCred->trigger();
      QVERIFY(fresh);
    }
  }

  void CreditsShowTheVersionAndTheLicence() {
    const tz9::frmCredits credits(nullptr);
    const auto* version = credits.findChild<QLabel*>(QStringLiteral("lblVersion"));
    const auto* licence = credits.findChild<QLabel*>(QStringLiteral("lblLicence"));
    QVERIFY(version != nullptr && licence != nullptr);
    QCOMPARE(version->text(),
             "Version " + QString::fromUtf8(tz9::kVersion.data(), qsizetype(tz9::kVersion.size())));
    QCOMPARE(licence->text(), QStringLiteral("Licence: GPL-3.0-or-later"));
  }

  // The bad-input catalogue as one user session on one window: broken, missing and huge files,
  // bad texts in the count, weight and range fields. Every step answers on the status line and
  // leaves bounded field texts; a field keeps what the user typed (a count field that is no
  // number becomes "0"); at the end the check aircraft computes as the core computes it.
  void TheWindowAnswersEveryBadInputAndThenComputesAsTheCore() {
    QByteArray endless("Name = ");
    while (endless.size() < (50 << 20))
      endless += "Endless ";
    const QByteArray nines(10000, '9');
    const QString check = "Check Aircraft";
    const Step steps[] = {
        // Nothing is loaded until a file reads to its end.
        {"file", "txtAereo", CheckAircraftWith("# Stores Drag", nullptr), "",
         "Load stopped at line 58: end of file while looking for \"# Stores Drag\""},
        {"file", "txtAereo", CheckAircraftWith("2, aerodynamic Mach", "26, aerodynamic Mach"), "",
         "Load stopped at line 28: count 26 exceeds 25"},
        {"file", "txtAereo", CheckAircraftWith("2500, 2500, 0 ft", "2500, lots, 0 ft"), check,
         "Loaded step2.dat."},
        {"file", "txtAereo", "Name\n", check, "Load stopped at line 1"},
        {"folder", "txtAereo", "", check, "is a folder"},
        {"missing", "txtAereo", "", check, "(no such file)"},
        {"file", "txtAereo", endless, check, "Load stopped at line 1: end of file"},
        {"compute", "txtBombe", nines, "0", "Computed 253 cells"},
        {"compute", "txtBombe", "1e308", "1e308",
         "The computing weight is not a number: the store counts give a weight beyond"},
        {"compute", "txtBombe", "0", "0", "Computed 253 cells"},
        {"compute", "txtCompWeight", "1e400", "1e400", "The computing weight is not a number."},
        {"compute", "txtCompWeight", "100", "100",
         "The computing weight is below the zero fuel weight: press Compute Weight"},
        {"compute", "txtCompWeight", "1e308", "1e308",
         "Computed 253 cells; 253 could not be computed, the first at 150 kt, 0 ft:"},
        {"table", "txtSpS1", "0", "0", "Speed Step1 is 0: the axis cannot step from Min Speed"},
        {"table", "txtAlS2", "", "", "Altitude Step2 is 0: the axis cannot step"},
        {"table", "txtSpS2", "-30", "-30", "Speed Step2 points away from Max Speed: it must be"},
        {"table", "txtSpMa", "1e308", "1e308", "Max Speed rounds to 1e+308, outside -32768 .."},
        {"table", "txtSpMi", nines, nines, "Min Speed is not a finite number."},
        {"table", "txtSpS1", "1e-300", "1e-300", "The speed axis would have more than 32766"},
        {"file", "txtIntFuel", CheckAircraftWith("7000, maximum", "1.7e308, maximum"), "1.7e+308",
         "Loaded step"},
        {"compute", "txtFuelTank", "1e304", "1e304",
         "The computing weight is not a number: the file's internal fuel and the tanks' fuel"},
        {"compute", "txtFuelTank", "0", "0", "Computed 253 cells"},
    };
    QTemporaryDir scratch;
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    const auto headers = [&s] {
      return std::string(s.form->grid2().TextAt(0, 1)) + "|" +
             std::to_string(s.form->grid2().Cols());
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
      const Step& step = steps[i];
      const QString path = scratch.filePath(QStringLiteral("step%1.dat").arg(i));
      const QString before = s.Text(step.field);
      const std::string grid = headers();
      QFile file(path);
      if (step.act == "file")
        QVERIFY(file.open(QFile::WriteOnly) && file.write(step.text) && file.flush());
      if (step.act == "folder") QVERIFY(QDir(scratch.path()).mkdir(QFileInfo(path).fileName()));
      if (step.act == "file" || step.act == "folder" || step.act == "missing") {
        s.Load(path.toStdString());
        if (s.Status().startsWith("Loaded"))
          QCOMPARE(s.Text("txtFile"), QFileInfo(path).fileName());
      } else {
        s.Type(step.field, QString::fromLatin1(step.text), /*paste=*/true);
        s.Click(step.act == "table" ? s.form->cmdTable : s.form->cmdCompute);
      }
      file.remove();  // the endless line is not kept around
      QVERIFY2(s.Status().contains(step.status) && s.Text(step.field).startsWith(step.kept),
               qPrintable(
                   QStringLiteral("step %1: %2 [%3]").arg(i).arg(s.Status(), s.Text(step.field))));
      QVERIFY(s.Status().size() <= 1000);
      for (const QLineEdit* field : s.form->findChildren<QLineEdit*>()) {
        QVERIFY2(field->text().size() <= 32767, qPrintable(field->objectName()));
      }
      if (step.act == "table") {
        QCOMPARE(headers(), grid);
        s.Type(step.field, before);
      }
    }

    s.Load(kCheckAircraft);
    s.Click(s.form->cmdTable);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(s.Status(), QStringLiteral("Computed 187 cells."));
    auto aircraft = std::make_unique<tz9::AircraftRecord>();
    tz9::ResetAircraftRecord(*aircraft);
    tz9::NoAircraftDisplay nothing;
    QVERIFY(tz9::LoadAircraftFile(kCheckAircraft, *aircraft, nothing).completed);
    tz9::ResultGrid msfg1, msfg2;
    QVERIFY(tz9::CreateTableLayout(tz9::DefaultRangeTexts(), msfg1, msfg2).applied);
    const tz9::SweepInputs inputs{
        "19000", "20000", {"0", "0", "0", "0", "0", "0"}, tz9::DisplayMode::LbsPerNm};
    QCOMPARE(tz9::ComputeTable(*aircraft, inputs, msfg1, msfg2).totals.cellsFailed, 0);
    for (int row = 0; row < msfg1.Rows(); ++row) {
      for (int col = 0; col < msfg1.Cols(); ++col) {
        QCOMPARE(s.form->grid1().TextAt(row, col), msfg1.TextAt(row, col));
        QCOMPARE(s.form->grid1().BackColorAt(row, col), msfg1.BackColorAt(row, col));
        QCOMPARE(s.form->grid2().TextAt(row, col), msfg2.TextAt(row, col));
      }
    }
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

QTEST_MAIN(Form1CommandsTest)
#include "form1_commands_test.moc"
