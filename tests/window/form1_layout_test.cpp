// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: field texts, control places in twips, tooltips, states, the
// focus order, the menus and the start-up grids.
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>

#include "grids/result_grid_view.h"
#include "widgets/twips.h"
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

  // Every control of the default-size window, at its place and size in twips.
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
        // The aircraft, stores and weights, each field with its label on its line.
        {"lblFile", 120, 120, 735, 255, "File :"},
        {"txtFile", 840, 120, 3255, 285, ""},
        {"lblAereo", 120, 480, 735, 255, "Aircraft :"},
        {"txtAereo", 840, 480, 3255, 285, ""},
        {"txtMisAA", 1080, 840, 615, 285, "0"},
        {"lblMisAG", 120, 1200, 960, 255, "AG Missiles:"},  // widened likewise
        {"txtMisAG", 1080, 1200, 615, 285, "0"},
        {"lblBombe", 120, 1560, 855, 255, "Bombs :"},
        {"txtBombe", 1080, 1560, 615, 285, "0"},
        {"lblCluster", 120, 1920, 855, 255, "Cluster :"},
        {"txtCluster", 1080, 1920, 615, 285, "0"},
        {"lblFuelTank", 120, 2280, 1095, 255, "Fuel Tank :"},
        {"txtFuelTank", 1080, 2280, 615, 285, "0"},
        {"lblEcm", 120, 2640, 1095, 255, "ECM POD:"},
        {"txtEcm", 1080, 2640, 615, 285, "0"},
        {"txtExtraWeight", 120, 3000, 1095, 285, "0"},
        {"lblZFW", 1920, 840, 1215, 255, "ZFW :"},
        {"txtZFW", 3120, 840, 975, 285, ""},
        {"lblMTOW", 1920, 1200, 1215, 255, "MTOW :"},
        {"txtMTOW", 3120, 1200, 975, 285, ""},
        {"lblIntFuel", 1920, 1560, 1215, 255, "Internal Fuel :"},
        {"txtIntFuel", 3120, 1560, 975, 285, ""},
        {"lblExtFuel", 1920, 1920, 1095, 255, "External Fuel :"},
        {"txtExtFuel", 3120, 1920, 975, 285, ""},
        {"lblTotalFuel", 1920, 2280, 1215, 255, "Fuel on Board :"},
        {"txtTotalFuel", 3120, 2280, 975, 285, "0"},
        {"lblActualWeight", 1920, 2640, 1200, 255, "Actual Weight :"},  // widened
        {"txtActualWeight", 3120, 2640, 975, 285, "0"},
        // The ranges, the computing weight and the buttons.
        {"lblSpMi", 4680, 720, 1095, 255, "Min Speed :"},
        {"txtSpMi", 5760, 720, 735, 285, "150"},
        {"lblSpS1", 4680, 1080, 1095, 255, "Speed Step1 :"},
        {"txtSpS1", 5760, 1080, 735, 285, "50"},
        {"lblSpSt", 4680, 1440, 1095, 255, "Step Speed :"},
        {"txtSpSt", 5760, 1440, 735, 285, "250"},
        {"lblSpS2", 4680, 1800, 1095, 255, "Speed Step2 :"},
        {"txtSpS2", 5760, 1800, 735, 285, "30"},
        {"lblSpMa", 4680, 2160, 1095, 255, "Max Speed :"},
        {"txtSpMa", 5760, 2160, 735, 285, "660"},
        {"lblAltitudeRange", 6720, 240, 1935, 255, "Altitude Range"},
        {"lblAlMi", 6720, 720, 1095, 255, "Min Altitude :"},
        {"txtAlMi", 7920, 720, 735, 285, "0"},
        {"lblAlS1", 6720, 1080, 1200, 255, "Altitude Step1 :"},  // widened
        {"txtAlS1", 7920, 1080, 735, 285, "500"},
        {"lblAlSt", 6720, 1440, 1095, 255, "Step Altitude :"},
        {"txtAlSt", 7920, 1440, 735, 285, "1000"},
        {"lblAlS2", 6720, 1800, 1200, 255, "Altitude Step2 :"},  // widened
        {"txtAlS2", 7920, 1800, 735, 285, "5000"},
        {"lblAlMa", 6720, 2160, 1095, 255, "Max Altitude :"},
        {"txtAlMa", 7920, 2160, 735, 285, "40000"},
        {"lblWeight", 8880, 240, 1455, 255, "Weight"},
        {"lblCompWeight", 8880, 720, 1500, 255, "Computing Weight :"},  // widened
        {"cmdTable", 4680, 2640, 975, 615, "Create Table"},
        {"cmdWeight", 6120, 2640, 975, 615, "Compute Weight"},
        // The second grid's choice and the legend.
        {"Label1", 10560, 240, 1575, 255, "2nd Grid"},
        {"Option1", 10560, 720, 1575, 255, "Lbs / NM"},
        {"Option3", 10560, 1440, 1575, 255, "Mach Number"},
        {"lblTableLegend", 12360, 240, 2655, 255, "Table Legend"},
        {"lblLegendSpeed", 12840, 720, 975, 255, "Speed"},
        {"lblLegendPower", 14040, 720, 975, 255, "Power"},
        {"Shape1", 12360, 1200, 255, 255, ""},
        {"lblSpeed1", 12840, 1200, 975, 255, "Subsonic"},
        {"lblPower1", 14040, 1200, 975, 255, "Military"},
        {"Shape2", 12360, 1680, 255, 255, ""},
        {"lblSpeed2", 12840, 1680, 975, 255, "Subsonic"},
        {"lblPower2", 14040, 1680, 975, 255, "AB"},
        {"Shape3", 12360, 2160, 255, 255, ""},
        {"lblSpeed3", 12840, 2160, 975, 255, "Supersonic"},
        {"lblPower3", 14040, 2160, 975, 255, "Military"},
        {"lblSpeed4", 12840, 2640, 975, 255, "Supersonic"},
        {"lblPower4", 14040, 2640, 975, 255, "AB"},
        // The grids' captions and the first grid.
        {"lblFuelFlow", 240, 3480, 3375, 255, "Fuel Flow"},
        {"MSFG1", 240, 3720, 14775, 3255, ""},
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
