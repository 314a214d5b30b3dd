// The main window at work: loading an aircraft through the (scripted) open-file dialog, the
// count fields and their recomputation, "Create Table" and "Compute Table" in each mode, the
// status line, the "Work in Progress" items, the credits window and copying grid cells.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "credits_window.h"
#include "result_grid_view.h"
#include "twips.h"
#include "window_test_support.h"

using tz9::Form1;
using tz9::test::Field;
using tz9::test::FieldText;
using tz9::test::TypeInto;

namespace {

struct CellResult {
  QString text;
  QColor background;  // invalid: no background of its own
};

CellResult CellOf(const tz9::ResultGridView* view, int gridRow, int gridCol) {
  const QModelIndex index = view->model()->index(gridRow - 1, gridCol - 1);
  const QVariant background = index.data(Qt::BackgroundRole);
  return {index.data().toString(), background.isValid() ? background.value<QColor>() : QColor()};
}

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

}  // namespace

class Form1CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { form_.reset(); }

  void LoadShowsTheAircraftAndFillsTheRecord();
  void CancelledLoadKeepsTheFieldsButResetsTheRecord();
  void LoadThatStopsSaysWhereAndWhy_data();
  void LoadThatStopsSaysWhereAndWhy();
  void FileNameIsTheTextAfterTheLastSeparator_data();
  void FileNameIsTheTextAfterTheLastSeparator();
  void CountFieldsAcceptOnlyNumbers_data();
  void CountFieldsAcceptOnlyNumbers();
  void LeavingACountFieldRecomputes();
  void ComputeWeightRewritesTheFigures();
  void EditingComputingWeightChangesNothingElse();
  void CreateTableLaysOutBothGrids();
  void RefusedLayoutKeepsTheGridsAndSaysWhy();
  void ComputeTableFillsBothGridsInEachMode_data();
  void ComputeTableFillsBothGridsInEachMode();
  void ComputeTableRefusalsChangeNoCell_data();
  void ComputeTableRefusalsChangeNoCell();
  void ComputeTableSignalsEachViewOnce();
  void CtrlCCopiesCellsWithTheirHeaders();
  void WorkInProgressItemsOnlyShowTheMessage_data();
  void WorkInProgressItemsOnlyShowTheMessage();
  void WorkInProgressBoxHasOnlyOkAndNoIcon();
  void CreditsOpenFreshEachTime();
  void ScreenshotAfterAComputation();

 private:
  void Load(const std::string& path);
  void LayOutTheCheckTable();
  void ComputeAt20000Pounds(QRadioButton* mode);

  std::unique_ptr<Form1> form_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<std::pair<QString, QString>> messages_;
  QTemporaryDir scratch_;
};

void Form1CommandsTest::init() {
  answers_.clear();
  messages_.clear();
  form_ = std::make_unique<Form1>();
  form_->SetFileChooser(std::make_unique<tz9::test::ScriptedFileChooser>(&answers_));
  form_->SetNotifier(std::make_unique<tz9::test::RecordingNotifier>(&messages_));
}

void Form1CommandsTest::Load(const std::string& path) {
  answers_.push_back(path);
  form_->mnuFileApri->trigger();
}

// Speeds 300 to 660 kt by 10 (column c holds 290 + 10 c), altitudes 0 and 40000 ft.
void Form1CommandsTest::LayOutTheCheckTable() {
  const std::pair<const char*, const char*> ranges[] = {
      {"txtSpMi", "300"},  {"txtSpS1", "10"},    {"txtSpSt", "660"},   {"txtSpS2", "10"},
      {"txtSpMa", "660"},  {"txtAlMi", "0"},     {"txtAlS1", "40000"}, {"txtAlSt", "40000"},
      {"txtAlS2", "1000"}, {"txtAlMa", "40000"},
  };
  for (const auto& [name, text] : ranges)
    TypeInto(Field(*form_, name), QString::fromLatin1(text));
  QTest::mouseClick(form_->cmdTable, Qt::LeftButton);
}

void Form1CommandsTest::ComputeAt20000Pounds(QRadioButton* mode) {
  TypeInto(form_->txtCompWeight, QStringLiteral("20000"));
  // On the button's indicator: a short caption leaves the rest of its width unclickable.
  QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(6, mode->height() / 2));
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
}

void Form1CommandsTest::LoadShowsTheAircraftAndFillsTheRecord() {
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  QCOMPARE(FieldText(*form_, "txtFile"), QStringLiteral("check-aircraft.dat"));
  QCOMPARE(FieldText(*form_, "txtAereo"), QStringLiteral("Check Aircraft"));
  QCOMPARE(FieldText(*form_, "txtZFW"), QStringLiteral("19000"));
  QCOMPARE(FieldText(*form_, "txtIntFuel"), QStringLiteral("7000"));
  QCOMPARE(form_->lblStatus->text(), QStringLiteral("Loaded check-aircraft.dat."));
  QCOMPARE(form_->aircraft().ReferenceArea.AsNumber(), std::optional<double>(300));
  QCOMPARE(form_->aircraft().AircraftFileName, std::string("check-aircraft.dat"));
  // Loading leaves the weight figures as they were until a count changes.
  QCOMPARE(FieldText(*form_, "txtTotalFuel"), QStringLiteral("0"));
}

void Form1CommandsTest::CancelledLoadKeepsTheFieldsButResetsTheRecord() {
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  answers_.push_back(std::nullopt);
  form_->mnuFileApri->trigger();
  QCOMPARE(FieldText(*form_, "txtFile"), QStringLiteral("check-aircraft.dat"));
  QCOMPARE(FieldText(*form_, "txtAereo"), QStringLiteral("Check Aircraft"));
  QCOMPARE(FieldText(*form_, "txtZFW"), QStringLiteral("19000"));
  QCOMPARE(FieldText(*form_, "txtIntFuel"), QStringLiteral("7000"));
  QCOMPARE(form_->aircraft().ReferenceArea.AsNumber(), std::optional<double>(0));
  QCOMPARE(form_->aircraft().AerodynamicMachCount.AsNumber(), std::optional<double>(0));
  QCOMPARE(form_->aircraft().FuelFlowFactorNormal, 0.8);  // the reset leaves it
}

void Form1CommandsTest::LoadThatStopsSaysWhereAndWhy_data() {
  QTest::addColumn<QByteArray>("contents");
  QTest::addColumn<QString>("aircraftShown");
  QTest::newRow("cut short after the name")
      << QByteArray("Name = Stub\n# INPUT MASS AND GEOMETRIC PROPERTIES:\n12000, zfw\n")
      << QStringLiteral("Stub");
  QTest::newRow("name shorter than seven characters")
      << QByteArray("Name\n") << QStringLiteral("Check Aircraft");
}

void Form1CommandsTest::LoadThatStopsSaysWhereAndWhy() {
  QFETCH(QByteArray, contents);
  QFETCH(QString, aircraftShown);
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  const QString path = scratch_.filePath(QStringLiteral("broken.dat"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(contents);
  file.close();
  Load(path.toStdString());
  QCOMPARE(FieldText(*form_, "txtFile"), QStringLiteral("broken.dat"));
  QCOMPARE(FieldText(*form_, "txtAereo"), aircraftShown);
  QVERIFY2(form_->lblStatus->text().startsWith(QStringLiteral("Load stopped")),
           qPrintable(form_->lblStatus->text()));
}

void Form1CommandsTest::FileNameIsTheTextAfterTheLastSeparator_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("shown");
  QTest::newRow("slashes") << "/nowhere/planes/f16.dat"
                           << "f16.dat";
  QTest::newRow("backslashes") << "C:\\Sims\\planes\\mig29.dat"
                               << "mig29.dat";
  QTest::newRow("mixed, backslash last") << "/nowhere/a\\b.dat"
                                         << "b.dat";
  QTest::newRow("no separator") << "plane.dat"
                                << "plane.dat";
}

void Form1CommandsTest::FileNameIsTheTextAfterTheLastSeparator() {
  QFETCH(QString, path);
  QFETCH(QString, shown);
  Load(path.toStdString());
  QCOMPARE(FieldText(*form_, "txtFile"), shown);
  QCOMPARE(QString::fromStdString(form_->aircraft().AircraftFilePath), path);
  QVERIFY(form_->lblStatus->text().startsWith(QStringLiteral("Load stopped")));
}

void Form1CommandsTest::CountFieldsAcceptOnlyNumbers_data() {
  QTest::addColumn<QTestEventList>("keys");
  QTest::addColumn<QString>("fieldText");
  QTest::addColumn<QString>("storesWeight");
  QTestEventList erase;
  erase.addKeyClick(Qt::Key_Backspace);
  QTest::newRow("erased becomes 0") << erase << "0"
                                    << "0";
  QTestEventList letterAfterCount;
  letterAfterCount.addKeyClicks(QStringLiteral("2x"));
  QTest::newRow("2x becomes 0, not 2") << letterAfterCount << "0"
                                       << "0";
  QTestEventList fraction;
  fraction.addKeyClicks(QStringLiteral("1.5"));
  QTest::newRow("1.5 passes") << fraction << "1.5"
                              << "225";
  QTestEventList negative;
  negative.addKeyClicks(QStringLiteral("1"));
  negative.addKeyClick(Qt::Key_Home);
  negative.addKeyClicks(QStringLiteral("-"));
  QTest::newRow("-1 passes") << negative << "-1"
                             << "-150";
  QTestEventList leadingBlank;
  leadingBlank.addKeyClicks(QStringLiteral("3"));
  leadingBlank.addKeyClick(Qt::Key_Home);
  leadingBlank.addKeyClick(Qt::Key_Space);
  QTest::newRow("blank before 3 passes") << leadingBlank << " 3"
                                         << "450";
  QTestEventList loneSign;
  loneSign.addKeyClicks(QStringLiteral("-"));
  QTest::newRow("lone sign becomes 0") << loneSign << "0"
                                       << "0";
}

void Form1CommandsTest::CountFieldsAcceptOnlyNumbers() {
  QFETCH(QTestEventList, keys);
  QFETCH(QString, fieldText);
  QFETCH(QString, storesWeight);
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  QLineEdit* field = form_->txtMisAA;
  field->setFocus();
  field->selectAll();
  keys.simulate(field);
  QCOMPARE(field->text(), fieldText);
  QCOMPARE(FieldText(*form_, "txtExtraWeight"), storesWeight);
}

void Form1CommandsTest::LeavingACountFieldRecomputes() {
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  QCOMPARE(FieldText(*form_, "txtTotalFuel"), QStringLiteral("0"));
  QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(form_->txtFuelTank, &leaving);
  QCOMPARE(FieldText(*form_, "txtTotalFuel"), QStringLiteral("7000"));
  QCOMPARE(FieldText(*form_, "txtActualWeight"), QStringLiteral("26000"));
  QCOMPARE(FieldText(*form_, "txtFuelTank"), QStringLiteral("0"));
}

void Form1CommandsTest::ComputeWeightRewritesTheFigures() {
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  form_->txtFuelTank->setText(QStringLiteral("2"));
  TypeInto(form_->txtCompWeight, QStringLiteral("1"));
  QTest::mouseClick(form_->cmdWeight, Qt::LeftButton);
  const std::pair<const char*, const char*> figures[] = {
      {"txtExtraWeight", "4810"},   {"txtExtFuel", "4810"},     {"txtTotalFuel", "11810"},
      {"txtActualWeight", "35620"}, {"txtCompWeight", "35600"},
  };
  for (const auto& [name, text] : figures) {
    QCOMPARE(FieldText(*form_, name), QString::fromLatin1(text));
  }
}

void Form1CommandsTest::EditingComputingWeightChangesNothingElse() {
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  TypeInto(form_->txtMisAA, QStringLiteral("2"));
  const QStringList before = {FieldText(*form_, "txtExtraWeight"), FieldText(*form_, "txtExtFuel"),
                              FieldText(*form_, "txtTotalFuel"),
                              FieldText(*form_, "txtActualWeight")};
  TypeInto(form_->txtCompWeight, QStringLiteral("12000 lb"));
  QCOMPARE(FieldText(*form_, "txtCompWeight"), QStringLiteral("12000 lb"));
  const QStringList after = {FieldText(*form_, "txtExtraWeight"), FieldText(*form_, "txtExtFuel"),
                             FieldText(*form_, "txtTotalFuel"),
                             FieldText(*form_, "txtActualWeight")};
  QCOMPARE(after, before);
  TypeInto(form_->txtMisAA, QStringLiteral("1"));
  QCOMPARE(FieldText(*form_, "txtCompWeight"), QStringLiteral("26100"));
}

void Form1CommandsTest::CreateTableLaysOutBothGrids() {
  QTest::mouseClick(form_->cmdTable, Qt::LeftButton);
  for (const tz9::ResultGridView* view : {form_->MSFG1, form_->MSFG2}) {
    const QAbstractItemModel* model = view->model();
    QCOMPARE(model->columnCount(), 17);
    QCOMPARE(model->rowCount(), 11);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("150"));
    QCOMPARE(model->headerData(16, Qt::Horizontal).toString(), QStringLiteral("660"));
    QCOMPARE(model->headerData(3, Qt::Vertical).toString(), QStringLiteral(" 6000 ft"));
  }
  QCOMPARE(form_->lblStatus->text(), QStringLiteral("Table of 17 speeds by 11 altitudes."));
}

void Form1CommandsTest::RefusedLayoutKeepsTheGridsAndSaysWhy() {
  TypeInto(Field(*form_, "txtSpS1"), QStringLiteral("0"));
  QTest::mouseClick(form_->cmdTable, Qt::LeftButton);
  QCOMPARE(form_->MSFG1->model()->columnCount(), 23);
  QCOMPARE(form_->MSFG2->model()->columnCount(), 23);
  QCOMPARE(form_->MSFG1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral(" 150"));
  QVERIFY(!form_->lblStatus->text().isEmpty());
}

void Form1CommandsTest::ComputeTableFillsBothGridsInEachMode_data() {
  QTest::addColumn<QString>("mode");
  QTest::addColumn<int>("speedKnots");
  QTest::addColumn<int>("gridRow");  // 1: 0 ft, 2: 40000 ft
  QTest::addColumn<QString>("fuelFlow");
  QTest::addColumn<QColor>("colour");
  QTest::addColumn<QString>("second");
  QTest::addColumn<QColor>("secondColour");
  const QColor none;
  QTest::newRow("lbs/nm 300 kt 0 ft")
      << "Option1" << 300 << 1 << "1896" << kWhite << "6.319" << kWhite;
  QTest::newRow("lbs/nm 600 kt 0 ft")
      << "Option1" << 600 << 1 << "17110" << kYellow << "28.51" << kYellow;
  QTest::newRow("lbs/nm 560 kt 40000 ft")
      << "Option1" << 560 << 2 << "1740" << kGreen << "1.935" << kGreen;
  QTest::newRow("lbs/nm 660 kt 40000 ft")
      << "Option1" << 660 << 2 << "5267" << kRed << "5.182" << kRed;
  QTest::newRow("lbs/nm 650 kt 0 ft")
      << "Option1" << 650 << 1 << "------" << kWhite << "------" << kWhite;
  QTest::newRow("tas 300 kt 0 ft") << "Option2" << 300 << 1 << "1896" << kWhite << "300" << none;
  QTest::newRow("tas 560 kt 40000 ft")
      << "Option2" << 560 << 2 << "1740" << kGreen << "898" << none;
  QTest::newRow("tas 650 kt 0 ft")
      << "Option2" << 650 << 1 << "------" << kWhite << "650" << kWhite;
  QTest::newRow("mach 600 kt 0 ft") << "Option3" << 600 << 1 << "17110" << kYellow << "0.9" << none;
  QTest::newRow("mach 660 kt 40000 ft") << "Option3" << 660 << 2 << "5267" << kRed << "1.8" << none;
  QTest::newRow("mach 650 kt 0 ft")
      << "Option3" << 650 << 1 << "------" << kWhite << "0.98" << kWhite;
}

void Form1CommandsTest::ComputeTableFillsBothGridsInEachMode() {
  QFETCH(QString, mode);
  QFETCH(int, speedKnots);
  QFETCH(int, gridRow);
  QFETCH(QString, fuelFlow);
  QFETCH(QColor, colour);
  QFETCH(QString, second);
  QFETCH(QColor, secondColour);
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  LayOutTheCheckTable();
  ComputeAt20000Pounds(form_->findChild<QRadioButton*>(mode));
  const int gridCol = (speedKnots - 290) / 10;
  QCOMPARE(form_->MSFG1->model()->headerData(gridCol - 1, Qt::Horizontal).toInt(), speedKnots);
  const CellResult first = CellOf(form_->MSFG1, gridRow, gridCol);
  QCOMPARE(first.text, fuelFlow);
  QCOMPARE(first.background, colour);
  const CellResult shown = CellOf(form_->MSFG2, gridRow, gridCol);
  QCOMPARE(shown.text, second);
  QCOMPARE(shown.background, secondColour);
  QVERIFY2(form_->lblStatus->text().startsWith(QStringLiteral("Computed")),
           qPrintable(form_->lblStatus->text()));
}

void Form1CommandsTest::ComputeTableRefusalsChangeNoCell_data() {
  QTest::addColumn<bool>("loaded");
  QTest::addColumn<QString>("compWeight");
  QTest::newRow("no aircraft loaded") << false << "20000";
  QTest::newRow("weight below zero fuel weight") << true << "18999";
  QTest::newRow("weight with a unit") << true << "20000 lb";
}

void Form1CommandsTest::ComputeTableRefusalsChangeNoCell() {
  QFETCH(bool, loaded);
  QFETCH(QString, compWeight);
  if (loaded) Load(tz9::test::ExamplePath("check-aircraft.dat"));
  TypeInto(form_->txtCompWeight, compWeight);
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
  QCOMPARE(CellOf(form_->MSFG1, 1, 1).text, QString());
  QCOMPARE(CellOf(form_->MSFG2, 11, 23).text, QString());
  QVERIFY(!form_->lblStatus->text().isEmpty());
  QVERIFY(!form_->lblStatus->text().startsWith(QStringLiteral("Computed")));
}

void Form1CommandsTest::ComputeTableSignalsEachViewOnce() {
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  TypeInto(form_->txtCompWeight, QStringLiteral("20000"));
  QSignalSpy resets(form_->MSFG1->model(), &QAbstractItemModel::modelReset);
  QSignalSpy changes(form_->MSFG1->model(), &QAbstractItemModel::dataChanged);
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
  QCOMPARE(resets.count(), 0);
  QCOMPARE(changes.count(), 1);
  QVERIFY(!CellOf(form_->MSFG1, 1, 1).text.isEmpty());
  QVERIFY(!CellOf(form_->MSFG1, 11, 23).text.isEmpty());
}

void Form1CommandsTest::CtrlCCopiesCellsWithTheirHeaders() {
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  LayOutTheCheckTable();
  ComputeAt20000Pounds(form_->Option1);
  tz9::ResultGridView* view = form_->MSFG1;
  const QAbstractItemModel* model = view->model();
  // 300 and 310 kt at both altitudes.
  view->selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 1)),
                                 QItemSelectionModel::ClearAndSelect);
  QApplication::clipboard()->clear();
  QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
  const QString expected =
      QStringLiteral("\t300\t310\n0 ft\t1896\t%1\n40000 ft\t%2\t%3\n")
          .arg(CellOf(view, 1, 2).text, CellOf(view, 2, 1).text, CellOf(view, 2, 2).text);
  QCOMPARE(QApplication::clipboard()->text(), expected);
}

void Form1CommandsTest::WorkInProgressItemsOnlyShowTheMessage_data() {
  QTest::addColumn<QString>("item");
  QTest::newRow("Save") << "mnuFileSalva";
  QTest::newRow("Save As") << "mnuFileNome";
  QTest::newRow("Help") << "mnuHelp";
}

void Form1CommandsTest::WorkInProgressItemsOnlyShowTheMessage() {
  QFETCH(QString, item);
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  const QString status = form_->lblStatus->text();
  form_->findChild<QAction*>(item)->trigger();
  QCOMPARE(messages_.size(), size_t{1});
  QCOMPARE(messages_[0].first, QStringLiteral("Strakon TZ9 Performances"));
  QCOMPARE(messages_[0].second, QStringLiteral("Work in Progress"));
  QCOMPARE(form_->lblStatus->text(), status);
  QCOMPARE(FieldText(*form_, "txtAereo"), QStringLiteral("Check Aircraft"));
}

void Form1CommandsTest::WorkInProgressBoxHasOnlyOkAndNoIcon() {
  tz9::MessageBoxNotifier notifier(form_.get());
  bool seen = false;
  QTimer::singleShot(0, this, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    seen = true;
    QCOMPARE(box->windowTitle(), QStringLiteral("Strakon TZ9 Performances"));
    QCOMPARE(box->text(), QStringLiteral("Work in Progress"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    box->button(QMessageBox::Ok)->click();
  });
  notifier.Inform(QStringLiteral("Strakon TZ9 Performances"), QStringLiteral("Work in Progress"));
  QVERIFY(seen);
}

void Form1CommandsTest::CreditsOpenFreshEachTime() {
  form_->show();
  for (int showing = 0; showing < 2; ++showing) {
    bool seen = false;
    QTimer::singleShot(0, this, [&seen] {
      auto* credits = qobject_cast<tz9::frmCredits*>(QApplication::activeModalWidget());
      QVERIFY(credits != nullptr);
      seen = true;
      QCOMPARE(credits->windowTitle(), QStringLiteral("Credits"));
      QCOMPARE(credits->size(), QSize(7965 / 15, 6030 / 15));
      QVERIFY(!credits->Picture1->pixmap().isNull());
      QCOMPARE(credits->Command1->text(), QStringLiteral("Close"));
      QCOMPARE(credits->Command1->geometry(), tz9::RectFromTwips(720, 4320, 1335, 735));
      // A mark that a reused window would still carry next time.
      QVERIFY(!credits->property("shownBefore").toBool());
      credits->setProperty("shownBefore", true);
      QTest::mouseClick(credits->Command1, Qt::LeftButton);
    });
    form_->mnuCred->trigger();
    QVERIFY(seen);
    QVERIFY(form_->findChildren<tz9::frmCredits*>().isEmpty());
  }
}

void Form1CommandsTest::ScreenshotAfterAComputation() {
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  Load(tz9::test::ExamplePath("check-aircraft.dat"));
  TypeInto(form_->txtMisAA, QStringLiteral("2"));
  QTest::mouseClick(form_->cmdTable, Qt::LeftButton);
  TypeInto(form_->txtCompWeight, QStringLiteral("22000"));
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
  QVERIFY(form_->grab().save(QStringLiteral(TZ9_SCREENSHOT_PATH)));
  tz9::frmCredits credits(form_.get());
  QVERIFY(credits.grab().save(
      QStringLiteral(TZ9_SCREENSHOT_PATH)
          .replace(QStringLiteral("tz9perf-window"), QStringLiteral("tz9perf-credits"))));
}

QTEST_MAIN(Form1CommandsTest)
#include "form1_commands_test.moc"
