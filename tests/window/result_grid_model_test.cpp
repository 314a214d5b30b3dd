// The model that shows a ResultGrid to Qt's views, and the text Ctrl+C copies from it.
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "grid_copy.h"
#include "result_grid_model.h"
#include "tables/table_layout.h"

using tz9::Colour;
using tz9::ResultGrid;
using tz9::ResultGridModel;

namespace {

void WriteCell(ResultGrid& grid, int row, int col, const char* text) {
  grid.SetRow(row);
  grid.SetCol(col);
  grid.SetText(text);
}

}  // namespace

class ResultGridModelTest : public QObject {
  Q_OBJECT

 private slots:
  void PassesTheModelTesterThroughLayoutsAndSweeps();
  void HeaderRowAndColumnAreHeaderData();
  void CellColoursTurnFromBbggrrIntoQColors_data();
  void CellColoursTurnFromBbggrrIntoQColors();
  void CellsWithoutColourHaveNoBackgroundOfTheirOwn();
  void CentredTopColumnsAlignTheirCells();
  void AGridChangeIsOneReset();
  void CopiedTextCarriesTheHeaders_data();
  void CopiedTextCarriesTheHeaders();
};

void ResultGridModelTest::PassesTheModelTesterThroughLayoutsAndSweeps() {
  ResultGrid msfg1;
  ResultGrid msfg2;
  ResultGridModel model(msfg1, nullptr);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
  model.BeginGridChange();
  tz9::ApplyStartupLayout(msfg1, msfg2);
  model.EndGridChange();
  model.BeginGridChange();
  msfg1.SetRows(3);
  msfg1.SetCols(2);
  WriteCell(msfg1, 2, 1, "1896");
  msfg1.SetCellBackColor(tz9::RegimeColour::Yellow);
  model.EndGridChange();
  QCOMPARE(model.rowCount(), 2);
  QCOMPARE(model.columnCount(), 1);
  QCOMPARE(model.rowCount(model.index(0, 0)), 0);
}

void ResultGridModelTest::HeaderRowAndColumnAreHeaderData() {
  ResultGrid msfg1;
  ResultGrid msfg2;
  tz9::ApplyStartupLayout(msfg1, msfg2);
  WriteCell(msfg1, 4, 3, "17110");
  const ResultGridModel model(msfg1, nullptr);
  QCOMPARE(model.rowCount(), 11);
  QCOMPARE(model.columnCount(), 23);
  QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral(" 250"));
  QCOMPARE(model.headerData(3, Qt::Vertical).toString(), QStringLiteral("5000 ft"));
  QCOMPARE(model.data(model.index(3, 2)).toString(), QStringLiteral("17110"));
  QVERIFY(!model.headerData(23, Qt::Horizontal).isValid());
  QVERIFY(!model.headerData(-1, Qt::Vertical).isValid());
}

void ResultGridModelTest::CellColoursTurnFromBbggrrIntoQColors_data() {
  QTest::addColumn<uint>("colour");
  QTest::addColumn<QColor>("shown");
  QTest::newRow("white") << uint{tz9::RegimeColour::White} << QColor(255, 255, 255);
  QTest::newRow("yellow") << uint{tz9::RegimeColour::Yellow} << QColor(255, 255, 0);
  QTest::newRow("green") << uint{tz9::RegimeColour::Green} << QColor(0, 255, 0);
  QTest::newRow("red") << uint{tz9::RegimeColour::Red} << QColor(255, 0, 0);
  QTest::newRow("blue in the high byte") << uint{0x00FF0000} << QColor(0, 0, 255);
  QTest::newRow("each byte its own") << uint{0x00123456} << QColor(0x56, 0x34, 0x12);
}

void ResultGridModelTest::CellColoursTurnFromBbggrrIntoQColors() {
  QFETCH(uint, colour);
  QFETCH(QColor, shown);
  ResultGrid grid;
  grid.SetRow(1);
  grid.SetCol(1);
  grid.SetCellBackColor(static_cast<Colour>(colour));
  const ResultGridModel model(grid, nullptr);
  QCOMPARE(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), shown);
}

void ResultGridModelTest::CellsWithoutColourHaveNoBackgroundOfTheirOwn() {
  const ResultGrid grid;
  const ResultGridModel model(grid, nullptr);
  QVERIFY(!model.data(model.index(5, 5), Qt::BackgroundRole).isValid());
}

void ResultGridModelTest::CentredTopColumnsAlignTheirCells() {
  ResultGrid grid;
  grid.SetColAlignment(2, ResultGrid::kCentreTop);
  grid.SetColAlignment(0, ResultGrid::kCentreTop);
  const ResultGridModel model(grid, nullptr);
  const int centredTop = static_cast<int>(Qt::AlignHCenter | Qt::AlignTop);
  QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(), centredTop);
  QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), centredTop);
  QCOMPARE(model.headerData(0, Qt::Vertical, Qt::TextAlignmentRole).toInt(), centredTop);
  if (grid.ColAlignment(1) != ResultGrid::kCentreTop) {
    QVERIFY(!model.data(model.index(0, 0), Qt::TextAlignmentRole).isValid());
  }
}

void ResultGridModelTest::AGridChangeIsOneReset() {
  ResultGrid grid;
  ResultGridModel model(grid, nullptr);
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
  QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
  model.BeginGridChange();
  for (int row = 1; row < grid.Rows(); ++row) {
    for (int col = 1; col < grid.Cols(); ++col)
      WriteCell(grid, row, col, "1");
  }
  model.EndGridChange();
  QCOMPARE(resets.count(), 1);
  QCOMPARE(changes.count(), 0);
}

using Cells = std::vector<std::pair<int, int>>;

void ResultGridModelTest::CopiedTextCarriesTheHeaders_data() {
  QTest::addColumn<Cells>("cells");
  QTest::addColumn<QString>("text");
  QTest::newRow("one cell") << Cells{{1, 1}} << "\t150\n0 ft\tA\n";
  QTest::newRow("a block in any order")
      << Cells{{2, 2}, {1, 1}, {2, 1}, {1, 2}} << "\t150\t200\n0 ft\tA\tB\n500 ft\tC\tD\n";
  QTest::newRow("gap inside the block stays empty")
      << Cells{{1, 1}, {2, 2}} << "\t150\t200\n0 ft\tA\t\n500 ft\t\tD\n";
  QTest::newRow("nothing selected") << Cells{} << "";
}

void ResultGridModelTest::CopiedTextCarriesTheHeaders() {
  QFETCH(Cells, cells);
  QFETCH(QString, text);
  ResultGrid msfg1;
  ResultGrid msfg2;
  tz9::ApplyStartupLayout(msfg1, msfg2);
  WriteCell(msfg1, 1, 1, "A");
  WriteCell(msfg1, 1, 2, "B");
  WriteCell(msfg1, 2, 1, "C");
  WriteCell(msfg1, 2, 2, "D");
  QCOMPARE(QString::fromStdString(tz9::TabSeparatedCells(msfg1, cells)), text);
}

QTEST_MAIN(ResultGridModelTest)
#include "result_grid_model_test.moc"
