// SPDX-License-Identifier: GPL-3.0-or-later
// The window tells the truth about what it shows: a marker while the grids are out of date and
// why, what the second grid holds, an aircraft that loaded only in part or not at all, a count
// reset to "0", a cancelled Load that loses nothing, LostFocus only when the user really left a
// count field, and status messages that go once a later action has made them untrue.
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include "grids/result_grid_view.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

// What a label shows: its text while it is visible, else nothing.
QString Shown(const Session& s, const char* name) {
  const auto* label = s.form->findChild<QLabel*>(name);
  if (label == nullptr) return QStringLiteral("no %1").arg(name);
  return label->isVisibleTo(s.form.get()) ? label->text() : QString();
}

// A data cell of both grids: "1896 #ffffff | 6.319 #ffffff".
QString Cells(const Session& s, int gridRow, int gridCol) {
  QStringList both;
  for (const tz9::ResultGridView* view : {s.form->MSFG1, s.form->MSFG2}) {
    const QModelIndex index = view->model()->index(gridRow - 1, gridCol - 1);
    const QVariant background = index.data(Qt::BackgroundRole);
    both << index.data().toString() + " " +
                (background.isValid() ? background.value<QColor>().name() : QStringLiteral("none"));
  }
  return both.join(QStringLiteral(" | "));
}

// The check aircraft on the default ranges (Create Table), computed at 20000 lb.
void ComputeCheckTable(Session& s) {
  s.Load(kCheckAircraft);
  s.Click(s.form->cmdTable);
  s.Type("txtCompWeight", "20000");
  s.Click(s.form->cmdCompute);
}

// The check aircraft's text, cut before the first occurrence of marker (whole without marker).
QByteArray CheckAircraftBefore(const char* marker = nullptr) {
  QFile file(QString::fromStdString(kCheckAircraft));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no check aircraft");
  const QByteArray text = file.readAll().replace("\r", "");
  return marker == nullptr ? text : text.left(text.indexOf(marker));
}

QString WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
  QFile file(folder.filePath(name));
  if (!file.open(QFile::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write");
  return file.fileName();
}

void ShowActive(Session& s) {
  s.form->show();
  s.form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
}

}  // namespace

class Form1TruthTest : public QObject {
  Q_OBJECT

 private slots:
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
        {"same ranges laid out again", [](Session& s) { s.Click(s.form->cmdTable); }, ""},
        {"new ranges laid out",
         [](Session& s) {
           s.Type("txtSpMi", "160");
           s.Click(s.form->cmdTable);
         },
         prefix + "the table was re-laid" + suffix + " (grey figures)"},
        {"computing weight typed", [](Session& s) { s.Type("txtCompWeight", "21000"); },
         prefix + "the weight or stores were edited" + suffix},
        {"computing weight typed back", [](Session& s) { s.Type("txtCompWeight", "20000"); }, ""},
        {"store count typed", [](Session& s) { s.Type("txtEcm", "1"); },
         prefix + "the weight or stores were edited" + suffix},
        {"option changed", [](Session& s) { s.form->Option3->click(); },
         prefix + "the 2nd Grid option changed" + suffix},
        {"option changed and back",
         [](Session& s) {
           s.form->Option2->click();
           s.form->Option1->click();
         },
         ""},
        {"another aircraft loaded",
         [](Session& s) { s.Load(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat"); },
         prefix + "the aircraft changed" + suffix},
        {"the same aircraft loaded again", [](Session& s) { s.Load(kCheckAircraft); }, ""},
        {"load cancelled", [](Session& s) { s.Load(std::nullopt); }, ""},
        {"a file that cannot be opened changes nothing",
         [](Session& s) { s.Load("/nowhere/missing.dat"); }, ""},
        {"everything at once",
         [&scratch](Session& s) {
           s.Type("txtAlMa", "30000");
           s.Click(s.form->cmdTable);
           s.Type("txtCompWeight", "25000");
           s.form->Option2->click();
           s.Load(
               WriteFile(scratch, "cut.dat", CheckAircraftBefore("# Stores Drag")).toStdString());
         },
         prefix +
             "the table was re-laid, the weight or stores were edited and the 2nd Grid option "
             "changed" +
             suffix + " (grey figures)"},
    };
    for (const Case& c : cases) {
      Session s;
      ComputeCheckTable(s);
      const QString computed = Cells(s, 2, 3);
      QCOMPARE(Shown(s, "lblOutOfDate"), QString());
      c.act(s);
      QCOMPARE(QStringList({c.name, Shown(s, "lblOutOfDate"), Cells(s, 2, 3)}),
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

  void CancelledLoadKeepsTheAircraftAndTheTableComputesAsBefore() {
    Session s;
    ComputeCheckTable(s);
    const QStringList fields = {s.Text("txtFile"), s.Text("txtAereo"), s.Text("txtZFW"),
                                s.Text("txtIntFuel")};
    const QString before = Cells(s, 4, 7) + " / " + Cells(s, 11, 17);
    s.Load(std::nullopt);
    QCOMPARE(s.Status(), "Load cancelled: the aircraft and its fields stay as they were.");
    QCOMPARE(QStringList(
                 {s.Text("txtFile"), s.Text("txtAereo"), s.Text("txtZFW"), s.Text("txtIntFuel")}),
             fields);
    s.Click(s.form->cmdCompute);
    QCOMPARE(s.Status(), "Computed 187 cells.");
    QCOMPARE(Cells(s, 4, 7) + " / " + Cells(s, 11, 17), before);
    QVERIFY(!Cells(s, 4, 7).startsWith("------"));
  }

  // A refused Compute Table leaves the grids as they are, so the computation that describes them
  // stays; one that runs replaces it.
  void RefusedComputeTableKeepsTheComputationOfTheGrids() {
    Session s;
    ComputeCheckTable(s);
    const auto computed = s.form->computation();
    QVERIFY(computed != nullptr);
    s.Type("txtCompWeight", "100");
    s.Click(s.form->cmdCompute);
    QCOMPARE(s.Status(),
             "The computing weight is below the zero fuel weight: press Compute Weight to propose "
             "one.");
    QCOMPARE(s.form->computation(), computed);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    QVERIFY(s.form->computation() != nullptr && s.form->computation() != computed);
  }

  // One session: a Load either completes or changes nothing. After each, the marker under the
  // stores, which of the three fields the reader writes are struck through, and the file shown.
  void AFailedLoadChangesNothingAndSaysWhatIsStillLoaded() {
    struct Step {
      const char* name;
      QByteArray bytes;  // empty: no such file
      QString marker;
      QString struck;  // "name ZFW fuel" for those struck through
    };
    const QString kept = "still loaded: Check Aircraft";
    const Step steps[] = {
        {"first.dat", "", "first.dat could not be opened; no aircraft is loaded", ""},
        {"whole.dat", CheckAircraftBefore(), "", ""},
        {"cut.dat", CheckAircraftBefore("# Stores Drag"),
         "cut.dat was not loaded (stopped at line 58); " + kept, ""},
        {"fuel-cut.dat", CheckAircraftBefore("# INPUT MASS"),
         "fuel-cut.dat was not loaded (stopped at line 2); " + kept, ""},
        {"short.dat", "Name\n", "short.dat was not loaded (stopped at line 1); " + kept, ""},
        {"missing.dat", "", "missing.dat could not be opened; " + kept, ""},
        {"again.dat", CheckAircraftBefore(), "", ""},
    };
    const QTemporaryDir scratch;
    Session s;
    for (const Step& step : steps) {
      const QString path = step.bytes.isEmpty() ? scratch.filePath(step.name)
                                                : WriteFile(scratch, step.name, step.bytes);
      s.Load(path.toStdString());
      QStringList struck;
      const std::pair<const char*, const char*> fields[] = {
          {"txtAereo", "name"}, {"txtZFW", "ZFW"}, {"txtIntFuel", "fuel"}};
      for (const auto& [field, word] : fields) {
        if (s.Field(field)->font().strikeOut()) struck << word;
      }
      QCOMPARE(QStringList({step.name, Shown(s, "lblAircraftState"), struck.join(' ')}),
               QStringList({step.name, step.marker, step.struck}));
      if (step.marker.isEmpty()) QCOMPARE(s.Text("txtFile"), QString::fromLatin1(step.name));
      if (QByteArray(step.name) == "first.dat") continue;
      QCOMPARE(s.Text("txtAereo"), "Check Aircraft");  // the texts stay, whatever the load did
      QCOMPARE(s.Text("txtZFW"), "19000");
      if (!step.marker.isEmpty()) {
        QCOMPARE(s.Text("txtFile"), "whole.dat");
        QVERIFY2(s.Status().contains(QStringLiteral("Load stopped")) &&
                     s.Status().endsWith("The Check Aircraft of whole.dat is still loaded."),
                 qPrintable(s.Status()));
        QCOMPARE(QString::fromStdString(s.form->aircraft().AircraftFileName), "whole.dat");
      }
    }
  }

  // Typed key by key: the field's text and selection, and the status line.
  void CountResetIsToldAndTheZeroIsLeftSelected() {
    struct Case {
      const char* field;
      QString typed;
      QString text, selected, status;
    };
    const Case cases[] = {
        {"txtFuelTank", "1,", "0", "0",
         "Fuel Tank: \"1,\" is not a number, so the count was set to 0."},
        {"txtFuelTank", "1,5", "5", "",
         "Fuel Tank: \"1,\" is not a number, so the count was set to 0."},
        {"txtMisAA", "2x", "0", "0",
         "AA Missiles: \"2x\" is not a number, so the count was set to 0."},
        {"txtEcm", "1.5", "1.5", "", ""},
    };
    for (const Case& c : cases) {
      Session s;
      s.Load(kCheckAircraft);
      QLineEdit* field = s.Field(c.field);
      field->setFocus();
      field->selectAll();
      QTest::keyClicks(field, c.typed);
      QCOMPARE(QStringList({c.field, c.typed, field->text(), field->selectedText(),
                            s.Status().startsWith("Loaded") ? "" : s.Status()}),
               QStringList({c.field, c.typed, c.text, c.selected, c.status}));
    }
    Session s;
    s.Type("txtBombe", QString(5000, 'x'), /*paste=*/true);
    QCOMPARE(s.Status(),
             "Bombs: \"" + QString(40, 'x') + "...\" is not a number, so the count was set to 0.");
  }

  // A computing weight typed, then the focus to a count field, then one action: only moving to
  // another control of the window runs the field's LostFocus, which recomputes the weights.
  void OnlyLeavingForAnotherControlRunsLostFocus() {
    struct Case {
      const char* name;
      std::function<void(Session&)> act;
      QString weight;
    };
    const Case cases[] = {
        {"File menu opened",
         [](Session& s) {
           s.form->mnuFile->popup(s.form->mapToGlobal(QPoint(0, 0)));
           QVERIFY(QTest::qWaitForWindowExposed(s.form->mnuFile));
           s.form->mnuFile->close();
         },
         "20000"},
        {"menu bar entered with Alt",
         [](Session& s) {
           QTest::keyClick(s.form->txtMisAA, Qt::Key_Alt);
           QTest::keyClick(s.form->menuBar(), Qt::Key_Escape);
         },
         "20000"},
        {"a dialog shown",
         [](Session& s) {
           QDialog dialog(s.form.get());
           new QLineEdit(&dialog);  // takes the focus, as a file dialog's name field does
           dialog.show();
           dialog.activateWindow();  // as a window manager does for a new dialog
           QTRY_VERIFY(QApplication::activeWindow() == &dialog);
         },
         "20000"},
        {"another window activated",
         [](Session&) {
           QWidget other;
           other.show();
           other.activateWindow();
           QVERIFY(QTest::qWaitForWindowActive(&other));
         },
         "20000"},
        {"Tab to the next field",
         [](Session& s) { QTest::keyClick(s.form->txtMisAA, Qt::Key_Tab); }, "26000"},
        {"click into another field",
         [](Session& s) { QTest::mouseClick(s.form->txtSpMi, Qt::LeftButton); }, "26000"},
    };
    for (const Case& c : cases) {
      Session s;
      ShowActive(s);
      s.Load(kCheckAircraft);
      s.Type("txtCompWeight", "20000");
      QTest::mouseClick(s.form->txtMisAA, Qt::LeftButton);
      QVERIFY(s.form->txtMisAA->hasFocus());
      c.act(s);
      QCOMPARE(QStringList({c.name, s.Text("txtCompWeight")}), QStringList({c.name, c.weight}));
    }
  }

  // A message, then an action: the status line afterwards.
  void StatusMessagesThatALaterActionMadeUntrueGo() {
    struct Case {
      const char* name;
      std::function<void(Session&)> first, then;
      QString status;
    };
    const auto refusedWeight = [](Session& s) {
      s.Load(kCheckAircraft);
      s.Type("txtCompWeight", "100");
      s.Click(s.form->cmdCompute);
      QCOMPARE(
          s.Status(),
          "The computing weight is below the zero fuel weight: press Compute Weight to propose "
          "one.");
    };
    const auto refusedLayout = [](Session& s) {
      s.Type("txtSpS1", "0");
      s.Click(s.form->cmdTable);
      QVERIFY(s.Status().startsWith("Speed Step1 is 0"));
    };
    const Case cases[] = {
        {"weight refusal, Compute Weight", refusedWeight,
         [](Session& s) { s.Click(s.form->cmdWeight); }, ""},
        {"weight refusal, weight typed", refusedWeight,
         [](Session& s) { s.Type("txtCompWeight", "30000"); }, ""},
        {"weight refusal, a range typed", refusedWeight,
         [](Session& s) { s.Type("txtSpMa", "700"); },
         "The computing weight is below the zero fuel weight: press Compute Weight to propose "
         "one."},
        {"layout refusal, the step typed", refusedLayout,
         [](Session& s) { s.Type("txtSpS1", "10"); }, ""},
        {"layout refusal, the weight typed", refusedLayout,
         [](Session& s) { s.Type("txtCompWeight", "30000"); },
         "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed."},
        {"no aircraft, then a Load", [](Session& s) { s.Click(s.form->cmdCompute); },
         [](Session& s) { s.Load(kCheckAircraft); }, "Loaded check-aircraft.dat."},
        {"loaded, then a cancel", [](Session& s) { s.Load(kCheckAircraft); },
         [](Session& s) { s.Load(std::nullopt); },
         "Load cancelled: the aircraft and its fields stay as they were."},
        {"computed, then a range typed", ComputeCheckTable,
         [](Session& s) { s.Type("txtSpMa", "700"); }, "Computed 187 cells."},
    };
    for (const Case& c : cases) {
      Session s;
      c.first(s);
      c.then(s);
      QCOMPARE(QStringList({c.name, s.Status()}), QStringList({c.name, c.status}));
    }
  }
};

QTEST_MAIN(Form1TruthTest)
#include "form1_truth_test.moc"
