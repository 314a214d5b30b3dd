// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard (Enter presses the command a field feeds, F5, Ctrl+O, Tab out of a grid) and the
// user guide behind "&?" > "&User Guide" (F1).
#include <QMenu>
#include <QTextBrowser>

#include "grids/result_grid_view.h"
#include "widgets/user_guide.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

void ShowActive(Session& s) {
  s.form->show();
  s.form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
}

QWidget* FocusAfter(QWidget* from, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  from->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(from, key, modifiers);
  return QApplication::focusWidget();
}

}  // namespace

class Form1KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  // With the check aircraft loaded, 20000 lb typed and "before" on the status line: a field, the
  // key pressed in it, and the status line and computing weight afterwards, which tell which
  // command ran.
  void KeysPressTheirCommands() {
    struct Case {
      const char* field;
      QString typed;  // replaces the field's text first, unless empty
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      QString status, weight;
    };
    const QString loaded = "Loaded check-aircraft.dat.";
    const Case cases[] = {
        {"txtSpS1",
         "0",
         Qt::Key_Return,
         {},
         "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed.",
         "20000"},
        {"txtAlMa", "30000", Qt::Key_Enter, {}, "Table of 17 speeds by 9 altitudes.", "20000"},
        {"txtMisAA", "", Qt::Key_Return, {}, "before", "26000"},
        {"txtFuelTank", "", Qt::Key_Enter, {}, "before", "26000"},
        {"txtCompWeight", "", Qt::Key_Return, {}, "Computed 253 cells.", "20000"},
        {"txtSpMi", "", Qt::Key_F5, {}, "Computed 253 cells.", "20000"},
        {"txtCompWeight", "", Qt::Key_O, Qt::ControlModifier, loaded, "20000"},
    };
    for (const Case& c : cases) {
      Session s;
      ShowActive(s);
      s.Load(kCheckAircraft);
      s.Type("txtCompWeight", "20000");
      if (!c.typed.isEmpty()) s.Type(c.field, c.typed);
      QLineEdit* field = s.Field(c.field);
      field->setFocus();
      s.form->lblStatus->setText("before");
      QTest::keyClick(field, c.key, c.modifiers);
      QCOMPARE(QStringList({c.field, s.Status(), s.Text("txtCompWeight")}),
               QStringList({c.field, c.status, c.weight}));
    }
  }

  // Tab and Shift+Tab leave a grid for the next control; the arrow keys move inside it.
  void TabLeavesAGridArrowsMoveInside() {
    Session s;
    ShowActive(s);
    tz9::ResultGridView* first = s.form->MSFG1;
    tz9::ResultGridView* second = s.form->MSFG2;
    QCOMPARE(FocusAfter(first, Qt::Key_Tab), second);
    QCOMPARE(FocusAfter(second, Qt::Key_Backtab, Qt::ShiftModifier), first);
    first->setCurrentIndex(first->model()->index(0, 0));
    QTest::keyClick(first, Qt::Key_Down);
    QTest::keyClick(first, Qt::Key_Right);
    QCOMPARE(first->currentIndex(), first->model()->index(1, 1));
    QCOMPARE(QApplication::focusWidget(), first);
  }

  // The guide opens from its menu item and from F1, once, beside "&Help", which still says
  // "Work in Progress".
  void UserGuideOpensFromItsItemAndF1() {
    Session s;
    ShowActive(s);
    auto* item = s.form->findChild<QAction*>("mnuGuide");
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), "&User Guide");
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
    const QList<QAction*> items = s.form->mnuHelp1->actions();
    QCOMPARE(items.indexOf(item) + 1, items.indexOf(s.form->mnuHelp));
    QVERIFY(s.form->findChild<tz9::UserGuideWindow*>() == nullptr);  // none at start
    QTest::keyClick(s.form->txtSpMi, Qt::Key_F1);
    auto* guide = s.form->findChild<tz9::UserGuideWindow*>("frmGuide");
    QVERIFY(guide != nullptr && guide->isVisible());
    guide->close();
    item->trigger();
    QCOMPARE(s.form->findChildren<tz9::UserGuideWindow*>().size(), 1);
    QVERIFY(guide->isVisible());
    s.form->mnuHelp->trigger();
    QCOMPARE(s.messages, QStringList("Strakon TZ9 Performances|Work in Progress"));
  }

  // The guide covers what a pilot meets in the window, and its worked example is the table that
  // Create Table makes of the ranges the window opens with.
  void UserGuideExplainsTheWindowWithItsOwnExample() {
    Session s;
    s.Click(s.form->cmdTable);
    QStringList speeds;
    QStringList altitudes;
    for (int i = 1; i <= 4; ++i) {
      speeds << QString::fromStdString(std::string(s.form->grid1().TextAt(0, i)));
      altitudes << QString::fromStdString(std::string(s.form->grid1().TextAt(i, 0))).trimmed();
    }
    const tz9::UserGuideWindow guide(nullptr);
    const QString text = guide.findChild<QTextBrowser*>("txtGuide")->toPlainText();
    const QStringList phrases = {
        "calibrated airspeed",
        "speed 150, 50, 250, 30, 660 gives " + speeds.join(", "),
        "altitude 0, 500, 1000, 5000, 40000 gives " + altitudes.join(", ").remove(" ft"),
        "Step1",
        "Step2",
        "white",
        "yellow",
        "green",
        "red",
        "\"------\"",
        "Out of date",
        "View > Cell Details",
        "tooltip",
        "Best-speed marks",
        "Performance Summary",
        "View > Charts",
        "Mission Fuel",
        "File > Export",
        "tz9perf-table",
        "F5",
        "Ctrl+O",
    };
    QStringList missing;
    for (const QString& phrase : phrases) {
      if (!text.contains(phrase)) missing << phrase;
    }
    QCOMPARE(missing, QStringList());
  }
};

QTEST_MAIN(Form1KeyboardTest)
#include "form1_keyboard_test.moc"
