// SPDX-License-Identifier: GPL-3.0-or-later
// The window's wiring as a user meets it: the counts "Compute Table" takes from the six fields,
// the wait cursor, the legend's colours, copying from the start-up table, and the real open-file
// dialog telling a cancel from a choice.
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <functional>

#include "grids/result_grid_view.h"
#include "loadout/loadout.h"
#include "performance/level_flight.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

// Answers the next modal dialog as soon as it shows.
void WhenTheDialogShows(QObject* context, std::function<void(QFileDialog*)> answer) {
  QTimer::singleShot(0, context, [answer = std::move(answer)] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY2(dialog != nullptr, "no open-file dialog");
    answer(dialog);
  });
}

}  // namespace

class Form1WiringTest : public QObject {
  Q_OBJECT

 private slots:
  // Every kind counted at once, each field a different number: the loadout sums them, and the
  // computation holds each count under its own store. At 300 kt, 0 ft the stores add 1489.41 lbf
  // to the check aircraft's 2371.18: 3860.59 lbf on afterburner, 7721 lb/h.
  void ComputeTableTakesEachCountFromItsOwnField() {
    const struct {
      const char* field;
      const char* count;
      const char* store;
    } counts[] = {{"txtMisAA", "1", "AIM120"}, {"txtMisAG", "2", "AGM65B"},
                  {"txtBombe", "3", "MK82"},   {"txtCluster", "4", "CBU-52"},
                  {"txtEcm", "5", "ALQ131"},   {"txtFuelTank", "6", "370USG"}};
    Session s;
    s.Load(kCheckAircraft);
    for (const auto& c : counts)
      s.Type(c.field, c.count);
    QCOMPARE(s.Text("txtExtraWeight") + " " + s.Text("txtExtFuel"), QStringLiteral("20230 14430"));
    for (const char* range : {"txtSpMi", "txtSpSt", "txtSpMa"})
      s.Type(range, "300");
    for (const char* range : {"txtAlMi", "txtAlSt", "txtAlMa"})
      s.Type(range, "0");
    s.Click(s.form->cmdTable);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);

    const auto computation = s.form->computation();
    QVERIFY(computation != nullptr);
    for (const auto& c : counts) {
      const auto row = static_cast<size_t>(tz9::StoreRowOf(c.store));
      QCOMPARE(QString::number(computation->counts[row]) + " " + c.store,
               QString(c.count) + " " + c.store);
    }
    const QModelIndex cell = s.form->MSFG1->model()->index(0, 0);
    QCOMPARE(cell.data().toString(), QStringLiteral("7721"));
    QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    const tz9::LevelFlightPoint core =
        tz9::EvaluateLevelFlight(s.form->aircraft(), 20000, {1, 2, 3, 4, 5, 6}, 300, 0);
    QCOMPARE(core.fuelFlow, 7721.0);
    QVERIFY(s.form->CurrentStaleness().Current());
  }

  void WaitCursorIsGoneAfterComputeTable() {
    const struct {
      const char* name;
      bool load;
      const char* weight;
    } cases[] = {{"refused: no aircraft", false, "20000"},
                 {"refused: weight below the zero fuel weight", true, "100"},
                 {"computed", true, "20000"}};
    for (const auto& c : cases) {
      Session s;
      if (c.load) s.Load(kCheckAircraft);
      s.Type("txtCompWeight", c.weight);
      s.Click(s.form->cmdCompute);
      QVERIFY2(QApplication::overrideCursor() == nullptr, c.name);
    }
  }

  // What the legend shows in the middle of each swatch, drawn as the screen shows it.
  void LegendSwatchesShowTheFourCellColours() {
    const std::pair<const char*, QColor> swatches[] = {{"Shape1", QColor(255, 255, 255)},
                                                       {"Shape2", QColor(255, 255, 0)},
                                                       {"Shape3", QColor(0, 255, 0)},
                                                       {"Shape4", QColor(255, 0, 0)}};
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    for (const auto& [name, colour] : swatches) {
      auto* swatch = s.form->findChild<QWidget*>(name);
      const QImage shown = swatch->grab().toImage();
      QCOMPARE(shown.pixelColor(shown.rect().center()).name() + " " + name,
               colour.name() + " " + name);
    }
    // The best-speed frame, in the marks' colour, while the marks show.
    const QImage frame = s.form->shpBestSpeed->grab().toImage();
    QCOMPARE(frame.pixelColor(1, frame.height() / 2).name(), QStringLiteral("#000080"));
    s.form->mnuViewMarks->trigger();
    QVERIFY(!s.form->shpBestSpeed->isVisible() && !s.form->lblBestSpeed->isVisible());
  }

  // The start-up speed headers have a blank in front (" 150"); the copy does not.
  void CopyingFromTheStartupTableGivesTrimmedHeaders() {
    Session s;
    s.Load(kCheckAircraft);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    tz9::ResultGridView* view = s.form->MSFG1;
    const QAbstractItemModel* model = view->model();
    view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::ClearAndSelect);
    view->selectionModel()->select(model->index(1, 1), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "\t150\t200\n0 ft\t1074\t\n500 ft\t\t1280\n");
  }

  // The real dialog, as the Load command opens it: rejected, then a file chosen.
  void OpenFileDialogTellsACancelFromAChoice() {
    tz9::DialogAircraftFileChooser chooser(nullptr);
    WhenTheDialogShows(this, [](QFileDialog* dialog) { dialog->reject(); });
    QCOMPARE(chooser.ChooseAircraftFile(), std::optional<std::string>());

    const QString path = QFileInfo(QString::fromStdString(kCheckAircraft)).absoluteFilePath();
    WhenTheDialogShows(this, [path](QFileDialog* dialog) {
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, which checks the file
    });
    QCOMPARE(chooser.ChooseAircraftFile(), std::optional<std::string>(path.toStdString()));
  }
};

QTEST_MAIN(Form1WiringTest)
#include "form1_wiring_test.moc"
