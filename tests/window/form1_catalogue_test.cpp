// The bad-input catalogue walked through one main window, as one user session: broken and huge
// files, bad texts in the count, weight and range fields, commands pressed with all of them. The
// window answers every step on its status line, keeps what the user typed (a count field resets
// to "0" by design), and at the end computes the check aircraft as a fresh window would.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "aircraft/aircraft_reader.h"
#include "performance/sweep.h"
#include "result_grid_view.h"
#include "tables/table_layout.h"
#include "window_test_support.h"

using tz9::Form1;
using tz9::test::Field;
using tz9::test::FieldText;
using tz9::test::TypeInto;

namespace {

constexpr int kMaxFieldChars = 32767;  // what a line edit holds
constexpr int kMaxStatusChars = 1000;

constexpr qsizetype kBigFileBytes = 50 << 20;

QByteArray CheckAircraftBytes() {
  QFile file(QString::fromStdString(tz9::test::ExamplePath("check-aircraft.dat")));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no check aircraft");
  return file.readAll().replace("\r", "");
}

QByteArray Replaced(const QByteArray& text, const char* from, const char* to) {
  if (!text.contains(from)) qFatal("no %s in the check aircraft", from);
  return QByteArray(text).replace(from, to);
}

QByteArray EndlessLine() {
  QByteArray line("Name = ");
  line.reserve(kBigFileBytes);
  while (line.size() + 8 <= kBigFileBytes)
    line += "Endless ";
  return line;
}

// Puts the text on the clipboard and pastes it over the field's text, as a user pastes.
void PasteInto(QLineEdit* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

const char* const kRangeFields[] = {"txtSpMi", "txtSpS1", "txtSpSt", "txtSpS2", "txtSpMa",
                                    "txtAlMi", "txtAlS1", "txtAlSt", "txtAlS2", "txtAlMa"};
const char* const kRangeDefaults[] = {"150", "50",  "250",  "30",   "660",
                                      "0",   "500", "1000", "5000", "40000"};

}  // namespace

class Form1CatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase() { form_.reset(); }

  // In this order, on the one window.
  void BadFilesLeaveTheWindowUsable_data();
  void BadFilesLeaveTheWindowUsable();
  void BadCountTextsBecomeZero_data();
  void BadCountTextsBecomeZero();
  void BadComputingWeightsAreAnsweredAndKept_data();
  void BadComputingWeightsAreAnsweredAndKept();
  void BadRangesAreRefusedAndKept_data();
  void BadRangesAreRefusedAndKept();
  void CheckAircraftComputesAfterTheCatalogue();

 private:
  void Load(const std::string& path);
  void ExpectBoundedFields() const;

  std::unique_ptr<Form1> form_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<std::pair<QString, QString>> messages_;
  QTemporaryDir scratch_;
};

void Form1CatalogueTest::initTestCase() {
  QVERIFY(scratch_.isValid());
  form_ = std::make_unique<Form1>();
  form_->SetFileChooser(std::make_unique<tz9::test::ScriptedFileChooser>(&answers_));
  form_->SetNotifier(std::make_unique<tz9::test::RecordingNotifier>(&messages_));
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void Form1CatalogueTest::Load(const std::string& path) {
  answers_.push_back(path);
  form_->mnuFileApri->trigger();
}

void Form1CatalogueTest::ExpectBoundedFields() const {
  for (const QLineEdit* field : form_->findChildren<QLineEdit*>()) {
    QVERIFY2(field->text().size() <= kMaxFieldChars, qPrintable(field->objectName()));
  }
  QVERIFY(form_->lblStatus->text().size() <= kMaxStatusChars);
}

void Form1CatalogueTest::BadFilesLeaveTheWindowUsable_data() {
  QTest::addColumn<QString>("fileName");  // "": cancel the dialog
  QTest::addColumn<QByteArray>("contents");
  QTest::addColumn<QString>("kind");  // "file", "folder", "missing", "cancel"
  QTest::addColumn<QString>("fileShown");
  QTest::addColumn<QString>("aircraftShown");
  QTest::addColumn<QString>("status");
  const QByteArray check = CheckAircraftBytes();
  QTest::newRow("cut short") << "cut.dat" << check.left(check.indexOf("# Stores Drag")) << "file"
                             << "cut.dat"
                             << "Check Aircraft"
                             << "Load stopped at line 58: end of file while looking for \"# "
                                "Stores Drag\"";
  QTest::newRow("count 26") << "count26.dat"
                            << Replaced(check, "2, aerodynamic Mach", "26, aerodynamic Mach")
                            << "file"
                            << "count26.dat"
                            << "Check Aircraft"
                            << "Load stopped at line 28: count 26 exceeds 25";
  QTest::newRow("text in a table")
      << "text.dat" << Replaced(check, "2500, 2500, 0 ft", "2500, lots, 0 ft") << "file"
      << "text.dat"
      << "Check Aircraft"
      << "Loaded text.dat.";
  QTest::newRow("a folder") << "planes.dat" << QByteArray() << "folder"
                            << "planes.dat"
                            << "Check Aircraft"
                            << "is a folder";
  QTest::newRow("a missing file") << "missing.dat" << QByteArray() << "missing"
                                  << "missing.dat"
                                  << "Check Aircraft"
                                  << "(no such file)";
  QTest::newRow("a cancel") << "" << QByteArray() << "cancel"
                            << "missing.dat"
                            << "Check Aircraft"
                            << "(no such file)";
  QTest::newRow("one endless line") << "endless.dat" << EndlessLine() << "file"
                                    << "endless.dat"
                                    << "Endless Endless"
                                    << "Load stopped at line 1: end of file while looking for";
}

// Each load returns, says what became of it, and leaves every field with a bounded text.
void Form1CatalogueTest::BadFilesLeaveTheWindowUsable() {
  QFETCH(QString, fileName);
  QFETCH(QByteArray, contents);
  QFETCH(QString, kind);
  QFETCH(QString, fileShown);
  QFETCH(QString, aircraftShown);
  QFETCH(QString, status);
  const QString path = scratch_.filePath(fileName);
  if (kind == QStringLiteral("file")) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
  } else if (kind == QStringLiteral("folder")) {
    QVERIFY(QDir(scratch_.path()).mkdir(fileName));
  }
  if (kind == QStringLiteral("cancel")) {
    answers_.push_back(std::nullopt);
    form_->mnuFileApri->trigger();
  } else {
    Load(path.toStdString());
  }
  QFile::remove(path);  // the endless line is not kept around
  QCOMPARE(FieldText(*form_, "txtFile"), fileShown);
  QVERIFY2(FieldText(*form_, "txtAereo").startsWith(aircraftShown),
           qPrintable(FieldText(*form_, "txtAereo").left(80)));
  QVERIFY2(form_->lblStatus->text().contains(status), qPrintable(form_->lblStatus->text()));
  ExpectBoundedFields();
  // Still answering: the weight figures follow the fields the load wrote.
  QTest::mouseClick(form_->cmdWeight, Qt::LeftButton);
  QCOMPARE(FieldText(*form_, "txtCompWeight"), QStringLiteral("26000"));
}

void Form1CatalogueTest::BadCountTextsBecomeZero_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("kept");
  QTest::addColumn<QString>("compWeight");
  QTest::newRow("1e400") << "1e400"
                         << "0"
                         << "26000";
  QTest::newRow("-1e400") << "-1e400"
                          << "0"
                          << "26000";
  QTest::newRow("10,000 nines") << QString(10000, QLatin1Char('9')) << "0"
                                << "26000";
  QTest::newRow("a count too large for the weight") << "1e308"
                                                    << "1e308"
                                                    << "overflow";
  QTest::newRow("a letter after the count") << "12abc"
                                            << "0"
                                            << "26000";
}

// Pasted into the bombs field: a text that is no number becomes "0"; a number too large for the
// weights gives "overflow" in the weight fields, which Compute Table then refuses.
void Form1CatalogueTest::BadCountTextsBecomeZero() {
  QFETCH(QString, typed);
  QFETCH(QString, kept);
  QFETCH(QString, compWeight);
  PasteInto(form_->txtBombe, typed);
  QCOMPARE(form_->txtBombe->text(), kept);
  QCOMPARE(FieldText(*form_, "txtCompWeight"), compWeight);
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
  QVERIFY(!form_->lblStatus->text().isEmpty());
  QCOMPARE(form_->txtBombe->text(), kept);
  ExpectBoundedFields();
}

void Form1CatalogueTest::BadComputingWeightsAreAnsweredAndKept_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("status");
  QTest::newRow("text") << "heavy"
                        << "The computing weight is not a number.";
  QTest::newRow("1e400") << "1e400"
                         << "The computing weight is not a number.";
  QTest::newRow("overflow") << "overflow"
                            << "The computing weight is not a number.";
  QTest::newRow("below the zero fuel weight")
      << "100"
      << "The computing weight is below the zero fuel weight.";
  QTest::newRow("1e308") << "1e308"
                         << "Computed 253 cells; 253 could not be computed, the first at 150 kt, "
                            "0 ft:";
}

void Form1CatalogueTest::BadComputingWeightsAreAnsweredAndKept() {
  QFETCH(QString, typed);
  QFETCH(QString, status);
  TypeInto(form_->txtCompWeight, typed);
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
  QVERIFY2(form_->lblStatus->text().startsWith(status), qPrintable(form_->lblStatus->text()));
  QCOMPARE(FieldText(*form_, "txtCompWeight"), typed);
}

void Form1CatalogueTest::BadRangesAreRefusedAndKept_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("status");
  QTest::newRow("zero speed step")
      << "txtSpS1"
      << "0"
      << "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed.";
  QTest::newRow("empty altitude step")
      << "txtAlS2"
      << ""
      << "Altitude Step2 is 0: the axis cannot step from Step Altitude to Max Altitude.";
  QTest::newRow("letters for a step")
      << "txtAlS1"
      << "abc"
      << "Altitude Step1 is 0: the axis cannot step from Min Altitude to Step Altitude.";
  QTest::newRow("negative step on a rising segment")
      << "txtSpS2"
      << "-30"
      << "Speed Step2 points away from Max Speed: it must be positive to go from Step Speed to "
         "Max Speed.";
  QTest::newRow("speed Max 1e308") << "txtSpMa"
                                   << "1e308"
                                   << "Max Speed rounds to 1e+308, outside -32768 .. 32767.";
  QTest::newRow("altitude Max 1e308")
      << "txtAlMa"
      << "1e308"
      << "The altitude axis would have more than 32766 values: choose larger steps.";
  QTest::newRow("10,000 nines") << "txtSpMi" << QString(10000, QLatin1Char('9'))
                                << "Min Speed is not a finite number.";
  QTest::newRow("1e-300 step")
      << "txtSpS1"
      << "1e-300"
      << "The speed axis would have more than 32766 values: choose larger steps.";
}

// Create Table refuses with the reason and changes neither grid; Compute Table then computes the
// table that stands; the field keeps what was typed until the user changes it.
void Form1CatalogueTest::BadRangesAreRefusedAndKept() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, status);
  TypeInto(form_->txtCompWeight, QStringLiteral("20000"));
  const QAbstractItemModel* model = form_->MSFG1->model();
  const int columns = model->columnCount();
  const QString firstSpeed = model->headerData(0, Qt::Horizontal).toString();
  QLineEdit* edit = Field(*form_, qPrintable(field));
  PasteInto(edit, typed);
  QTest::mouseClick(form_->cmdTable, Qt::LeftButton);
  QCOMPARE(form_->lblStatus->text(), status);
  QCOMPARE(model->columnCount(), columns);
  QCOMPARE(form_->MSFG2->model()->columnCount(), columns);
  QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), firstSpeed);
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
  QVERIFY2(form_->lblStatus->text().startsWith(QStringLiteral("Computed")),
           qPrintable(form_->lblStatus->text()));
  QCOMPARE(edit->text(), typed);
  ExpectBoundedFields();
  const int index = static_cast<int>(
      std::find_if(std::begin(kRangeFields), std::end(kRangeFields),
                   [&](const char* name) { return field == QLatin1String(name); }) -
      std::begin(kRangeFields));
  TypeInto(edit, QString::fromLatin1(kRangeDefaults[index]));
}

// The check aircraft, the default ranges and 20000 lb: every cell as the core computes it, and
// the 310 kt / 0 ft cell as the flight model gives it.
void Form1CatalogueTest::CheckAircraftComputesAfterTheCatalogue() {
  const std::string path = tz9::test::ExamplePath("check-aircraft.dat");
  Load(path);
  QCOMPARE(form_->lblStatus->text(), QStringLiteral("Loaded check-aircraft.dat."));
  TypeInto(form_->txtBombe, QStringLiteral("0"));
  for (size_t i = 0; i < std::size(kRangeFields); ++i)
    TypeInto(Field(*form_, kRangeFields[i]), QString::fromLatin1(kRangeDefaults[i]));
  QTest::mouseClick(form_->cmdTable, Qt::LeftButton);
  QCOMPARE(form_->lblStatus->text(), QStringLiteral("Table of 17 speeds by 11 altitudes."));
  TypeInto(form_->txtCompWeight, QStringLiteral("20000"));
  QTest::mouseClick(form_->cmdCompute, Qt::LeftButton);
  QCOMPARE(form_->lblStatus->text(), QStringLiteral("Computed 187 cells."));

  auto aircraft = std::make_unique<tz9::AircraftRecord>();
  tz9::ResetAircraftRecord(*aircraft);
  tz9::NoAircraftDisplay nothing;
  QVERIFY(tz9::LoadAircraftFile(path, *aircraft, nothing).completed);
  tz9::ResultGrid msfg1, msfg2;
  QVERIFY(tz9::CreateTableLayout(tz9::DefaultRangeTexts(), msfg1, msfg2).applied);
  const tz9::SweepInputs inputs{
      "19000", "20000", {"0", "0", "0", "0", "0", "0"}, tz9::DisplayMode::LbsPerNm};
  QCOMPARE(tz9::ComputeTable(*aircraft, inputs, msfg1, msfg2).cellsFailed, 0);
  QCOMPARE(form_->grid1().TextAt(0, 5), std::string_view("310"));
  QCOMPARE(form_->grid1().TextAt(1, 0), std::string_view(" 0 ft"));
  QCOMPARE(form_->grid1().TextAt(1, 5), msfg1.TextAt(1, 5));
  QCOMPARE(form_->grid1().BackColorAt(1, 5), msfg1.BackColorAt(1, 5));
  QCOMPARE(form_->grid2().TextAt(1, 5), msfg2.TextAt(1, 5));
  QCOMPARE(form_->MSFG1->model()->index(0, 4).data().toString(),
           QString::fromUtf8(msfg1.TextAt(1, 5)));
  for (int row = 0; row < msfg1.Rows(); ++row) {
    for (int col = 0; col < msfg1.Cols(); ++col) {
      QCOMPARE(form_->grid1().TextAt(row, col), msfg1.TextAt(row, col));
      QCOMPARE(form_->grid2().TextAt(row, col), msfg2.TextAt(row, col));
    }
  }
}

QTEST_MAIN(Form1CatalogueTest)
#include "form1_catalogue_test.moc"
