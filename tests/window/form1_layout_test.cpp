// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: field texts, control places in twips, tooltips, states, the
// focus order, the menus and the start-up grids.
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>

#include "result_grid_view.h"
#include "twips.h"
#include "window_test_support.h"

class Form1LayoutTest : public QObject {
  Q_OBJECT
  tz9::test::Session s_;

 private slots:
  // Each field as "name=start text", then "edit" when the user may change it, "left" when its
  // text is not centred, "hidden" when it does not show.
  void FieldsOpenWithTheirTextsStatesAndAlignment() {
    s_.form->show();
    QStringList shown;
    for (const QLineEdit* f : s_.form->centralWidget()->findChildren<QLineEdit*>()) {
      shown << f->objectName() + "=" + f->text() + (f->isEnabled() ? " edit" : "") +
                   (f->alignment() & Qt::AlignHCenter ? "" : " left") +
                   (f->isVisible() ? "" : " hidden");
    }
    QStringList expected =
        QString(
            "txtFile= left,txtAereo= left,txtMisAA=0 edit,txtMisAG=0 edit,txtBombe=0 edit,"
            "txtCluster=0 edit,txtFuelTank=0 edit,txtEcm=0 edit,txtZFW=,txtMTOW=,txtIntFuel=,"
            "txtExtFuel=,txtTotalFuel=0,txtActualWeight=0,txtExtraWeight=0 hidden,"
            "txtCompWeight=0 edit,txtSpMi=150 edit,txtSpS1=50 edit,txtSpSt=250 edit,"
            "txtSpS2=30 edit,txtSpMa=660 edit,txtAlMi=0 edit,txtAlS1=500 edit,"
            "txtAlSt=1000 edit,txtAlS2=5000 edit,txtAlMa=40000 edit")
            .split(',');
    shown.sort();
    expected.sort();
    QCOMPARE(shown, expected);
    QCOMPARE(s_.form->windowTitle(), QStringLiteral("Strakon TZ9 Performances"));
  }

  void ControlsStandAtTheirTwipsPlacesWithTheirTexts() {
    struct Case {
      const char* name;
      int left, top, width, height;
      const char* text;  // "" for a control without one
    };
    const Case cases[] = {
        {"txtCompWeight", 9000, 1080, 1215, 285, "0"},
        {"lblMisAA", 120, 840, 960, 255, "AA Missiles:"},  // widened to its field: whole text
        {"lblSpeedRange", 4680, 240, 1815, 255, "Speed Range"},
        {"lblLbsNm", 240, 7200, 2775, 255, "Lbs/NM"},
        {"cmdCompute", 7680, 2640, 975, 615, "Compute Table"},
        {"Option2", 10560, 1080, 1575, 255, "TAS"},
        {"Shape4", 12360, 2640, 255, 255, ""},
        {"MSFG2", 240, 7440, 14775, 3255, ""},
    };
    for (const Case& c : cases) {
      const auto* control = s_.form->findChild<QWidget*>(c.name);
      QVERIFY2(control != nullptr && control->parentWidget() == s_.form->centralWidget(), c.name);
      QCOMPARE(control->geometry(), tz9::RectFromTwips(c.left, c.top, c.width, c.height));
      QCOMPARE(control->property("text").toString(), QString(c.text));
    }
  }

  void CountFieldsCarryTheirToolTips() {
    QCOMPARE(s_.Field("txtMisAA")->toolTip(), "Numbers of AA Missiles loaded (AIM120)");
    QCOMPARE(s_.Field("txtMisAG")->toolTip(), "Numbers of AG Missiles loaded (AGM65B)");
    QCOMPARE(s_.Field("txtBombe")->toolTip(), "Numbers of Iron Bombs loaded (MK82)");
    QCOMPARE(s_.Field("txtCluster")->toolTip(), "Numbers of Cluster Bombs loaded (CBU-52)");
    QCOMPARE(s_.Field("txtEcm")->toolTip(), "Numbers of ECM Pods loaded (ALQ131)");
    QCOMPARE(s_.Field("txtFuelTank")->toolTip(), "Numbers of Fuel Tanks loaded (370USG)");
  }

  void TabFollowsTheFocusOrder() {
    const QStringList expected =
        QString(
            "txtMisAA txtMisAG txtBombe txtCluster txtFuelTank txtEcm txtCompWeight cmdCompute "
            "cmdWeight txtSpMi txtSpS1 txtSpSt txtSpS2 txtSpMa txtAlMi cmdTable txtAlS1 txtAlSt "
            "txtAlS2 txtAlMa Option1")
            .split(' ');
    s_.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s_.form.get()));
    QStringList order;
    for (QWidget* w = s_.Field("txtMisAA"); order.size() < expected.size();
         w = w->nextInFocusChain()) {
      if (w->isEnabled() && w->isVisible() && w->focusPolicy() & Qt::TabFocus) {
        order << w->objectName();
      }
    }
    QCOMPARE(order, expected);
  }

  // The original menus keep their items, captions and order; our additions stand in the View
  // menu between them, or beside the original items (each addition's own test checks it).
  void MenusCarryTheirCaptionsAndNames() {
    QStringList tops;
    QStringList original;
    const QStringList names = {"mnuFileApri", "mnuFileSalva", "mnuFileNome",
                               "mnuFileEsci", "mnuHelp",      "mnuCred"};
    for (const QAction* top : s_.form->menuBar()->actions()) {
      tops << top->menu()->objectName() + "=" + top->text();
      for (const QAction* item : top->menu()->actions()) {
        if (names.contains(item->objectName())) original << item->objectName() + "=" + item->text();
      }
    }
    QCOMPARE(tops, QStringList({"mnuFile=&File", "mnuView=&View", "mnuHelp1=&?"}));
    QCOMPARE(original,
             QStringList({"mnuFileApri=&Load", "mnuFileSalva=&Save", "mnuFileNome=S&ave As",
                          "mnuFileEsci=&Exit", "mnuHelp=&Help", "mnuCred=&Credits"}));
  }

  void GridsOpenWithTheStartupTable() {
    s_.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s_.form.get()));
    for (const tz9::ResultGridView* view : {s_.form->MSFG1, s_.form->MSFG2}) {
      const QAbstractItemModel* m = view->model();
      QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), " 150");
      QCOMPARE(m->headerData(22, Qt::Horizontal).toString(), " 850");
      QCOMPARE(m->headerData(0, Qt::Vertical).toString(), "0 ft");
      QCOMPARE(m->headerData(10, Qt::Vertical).toString(), "40000 ft");
      QCOMPARE(QSize(m->columnCount(), m->rowCount()), QSize(23, 11));
      QCOMPARE(view->horizontalHeader()->sectionSize(5), 600 / 15);
      QCOMPARE(view->verticalHeader()->width(), 870 / 15);
      QCOMPARE(view->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }
  }
};

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
