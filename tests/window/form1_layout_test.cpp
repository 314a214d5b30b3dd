// The main window as it opens: every control's place, text, tooltip and state, the menus, the
// legend, the start-up grids and the keyboard focus order.
#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "result_grid_view.h"
#include "twips.h"
#include "window_test_support.h"

using tz9::Form1;
using tz9::RectFromTwips;

class Form1LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { form_ = std::make_unique<Form1>(); }
  void cleanup() { form_.reset(); }

  void WindowIsCaptionedAndLargeEnoughForTheGrids();
  void FieldsOpenWithTheirStartTexts_data();
  void FieldsOpenWithTheirStartTexts();
  void FieldsCarryTheirToolTips_data();
  void FieldsCarryTheirToolTips();
  void ControlsStandAtTheirTwipsPlaces_data();
  void ControlsStandAtTheirTwipsPlaces();
  void LabelsAndCaptionsShowTheirTexts_data();
  void LabelsAndCaptionsShowTheirTexts();
  void OnlyTheUserFieldsAreEnabledAndExtraWeightIsHidden();
  void NumericFieldsAreCentred();
  void TabFollowsTheFocusOrder();
  void LbsPerNmIsSelectedAtStart();
  void LegendSwatchesShowTheRegimeColours_data();
  void LegendSwatchesShowTheRegimeColours();
  void MenusCarryTheirCaptions_data();
  void MenusCarryTheirCaptions();
  void GridsOpenWithTheStartupTable();

 private:
  std::unique_ptr<Form1> form_;
};

void Form1LayoutTest::WindowIsCaptionedAndLargeEnoughForTheGrids() {
  QCOMPARE(form_->windowTitle(), QStringLiteral("Strakon TZ9 Performances"));
  const QWidget* client = form_->centralWidget();
  QVERIFY(client->width() >= 15015 / 15);
  QVERIFY(client->height() >= 10695 / 15);
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  QVERIFY(form_->centralWidget()->geometry().bottom() < form_->height());
  QVERIFY(form_->findChild<QLabel*>(QStringLiteral("lblStatus"))->isVisible());
}

void Form1LayoutTest::FieldsOpenWithTheirStartTexts_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  const std::pair<const char*, const char*> cases[] = {
      {"txtFile", ""},        {"txtAereo", ""},         {"txtMisAA", "0"},
      {"txtMisAG", "0"},      {"txtBombe", "0"},        {"txtCluster", "0"},
      {"txtFuelTank", "0"},   {"txtEcm", "0"},          {"txtZFW", ""},
      {"txtMTOW", ""},        {"txtIntFuel", ""},       {"txtExtFuel", ""},
      {"txtTotalFuel", "0"},  {"txtActualWeight", "0"}, {"txtExtraWeight", "0"},
      {"txtCompWeight", "0"}, {"txtSpMi", "150"},       {"txtSpS1", "50"},
      {"txtSpSt", "250"},     {"txtSpS2", "30"},        {"txtSpMa", "660"},
      {"txtAlMi", "0"},       {"txtAlS1", "500"},       {"txtAlSt", "1000"},
      {"txtAlS2", "5000"},    {"txtAlMa", "40000"},
  };
  for (const auto& [name, text] : cases) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
  }
}

void Form1LayoutTest::FieldsOpenWithTheirStartTexts() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QCOMPARE(tz9::test::FieldText(*form_, name.toLatin1().constData()), text);
}

void Form1LayoutTest::FieldsCarryTheirToolTips_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("toolTip");
  const std::pair<const char*, const char*> cases[] = {
      {"txtFile", "Aircraft File Name"},
      {"txtAereo", "Aircraft Loaded"},
      {"txtMisAA", "Numbers of AA Missiles loaded (AIM120)"},
      {"txtMisAG", "Numbers of AG Missiles loaded (AGM65B)"},
      {"txtBombe", "Numbers of Iron Bombs loaded (MK82)"},
      {"txtCluster", "Numbers of Cluster Bombs loaded (CBU-52)"},
      {"txtEcm", "Numbers of ECM Pods loaded (ALQ131)"},
      {"txtFuelTank", "Numbers of Fuel Tanks loaded (370USG)"},
      {"txtCompWeight",
       "Weight to use for computations, drag is computed according to the stores you put on "
       "relative fields"},
      {"txtExtFuel", "External Fuel (Computed with 370USG for each external Fuel Tank)"},
      {"txtTotalFuel", "Total Fuel on board"},
      {"txtActualWeight", "Actual Weight acordig to load out."},
      {"txtZFW", "Zero Fuel Weight"},
      {"txtMTOW", "Maximum Take Off Weight"},
      {"txtIntFuel", "Max Internal Fuel"},
      {"txtSpMi", ""},
      {"txtAlMa", ""},
      {"txtExtraWeight", ""},
  };
  for (const auto& [name, toolTip] : cases) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(toolTip);
  }
}

void Form1LayoutTest::FieldsCarryTheirToolTips() {
  QFETCH(QString, name);
  QFETCH(QString, toolTip);
  QCOMPARE(tz9::test::Field(*form_, name.toLatin1().constData())->toolTip(), toolTip);
}

void Form1LayoutTest::ControlsStandAtTheirTwipsPlaces_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  struct Case {
    const char* name;
    int left, top, width, height;
  };
  const Case cases[] = {
      {"txtFile", 840, 120, 3255, 285},          {"lblFile", 120, 120, 735, 255},
      {"txtAereo", 840, 480, 3255, 285},         {"txtMisAA", 1080, 840, 615, 285},
      {"lblMisAA", 120, 840, 855, 255},          {"txtEcm", 1080, 2640, 615, 285},
      {"lblEcm", 120, 2640, 1095, 255},          {"txtZFW", 3120, 840, 975, 285},
      {"lblZFW", 1920, 840, 1215, 255},          {"txtActualWeight", 3120, 2640, 975, 285},
      {"lblExtFuel", 1920, 1920, 1095, 255},     {"txtExtraWeight", 120, 3000, 1095, 285},
      {"lblSpeedRange", 4680, 240, 1815, 255},   {"txtSpMi", 5760, 720, 735, 285},
      {"lblSpMa", 4680, 2160, 1095, 255},        {"lblAltitudeRange", 6720, 240, 1935, 255},
      {"txtAlMa", 7920, 2160, 735, 285},         {"lblWeight", 8880, 240, 1455, 255},
      {"txtCompWeight", 9000, 1080, 1215, 285},  {"cmdTable", 4680, 2640, 975, 615},
      {"cmdWeight", 6120, 2640, 975, 615},       {"cmdCompute", 7680, 2640, 975, 615},
      {"Label1", 10560, 240, 1575, 255},         {"Option1", 10560, 720, 1575, 255},
      {"Option2", 10560, 1080, 1575, 255},       {"Option3", 10560, 1440, 1575, 255},
      {"lblTableLegend", 12360, 240, 2655, 255}, {"Shape1", 12360, 1200, 255, 255},
      {"Shape4", 12360, 2640, 255, 255},         {"lblLegendPower", 14040, 720, 975, 255},
      {"lblSpeed3", 12840, 2160, 975, 255},      {"lblFuelFlow", 240, 3480, 3375, 255},
      {"MSFG1", 240, 3720, 14775, 3255},         {"lblLbsNm", 240, 7200, 2775, 255},
      {"MSFG2", 240, 7440, 14775, 3255},
  };
  for (const Case& c : cases) {
    QTest::newRow(c.name) << QString::fromLatin1(c.name)
                          << RectFromTwips(c.left, c.top, c.width, c.height);
  }
}

void Form1LayoutTest::ControlsStandAtTheirTwipsPlaces() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  const QWidget* control = form_->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->parentWidget(), form_->centralWidget());
  QCOMPARE(control->geometry(), place);
}

void Form1LayoutTest::LabelsAndCaptionsShowTheirTexts_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  const std::pair<const char*, const char*> cases[] = {
      {"lblFile", "File :"},
      {"lblAereo", "Aircraft :"},
      {"lblMisAA", "AA Missiles:"},
      {"lblEcm", "ECM POD:"},
      {"lblTotalFuel", "Fuel on Board :"},
      {"lblAlS2", "Altitude Step2 :"},
      {"lblCompWeight", "Computing Weight :"},
      {"Label1", "2nd Grid"},
      {"lblFuelFlow", "Fuel Flow"},
      {"lblLbsNm", "Lbs/NM"},
      {"lblTableLegend", "Table Legend"},
      {"lblLegendSpeed", "Speed"},
      {"lblLegendPower", "Power"},
      {"lblSpeed1", "Subsonic"},
      {"lblPower2", "AB"},
      {"lblSpeed4", "Supersonic"},
      {"lblPower3", "Military"},
  };
  for (const auto& [name, text] : cases) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
  }
}

void Form1LayoutTest::LabelsAndCaptionsShowTheirTexts() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  const QLabel* label = form_->findChild<QLabel*>(name);
  QVERIFY(label != nullptr);
  QCOMPARE(label->text(), text);
}

void Form1LayoutTest::OnlyTheUserFieldsAreEnabledAndExtraWeightIsHidden() {
  const QStringList editable = {"txtMisAA", "txtMisAG",     "txtBombe", "txtCluster", "txtFuelTank",
                                "txtEcm",   "txtSpMi",      "txtSpS1",  "txtSpSt",    "txtSpS2",
                                "txtSpMa",  "txtAlMi",      "txtAlS1",  "txtAlSt",    "txtAlS2",
                                "txtAlMa",  "txtCompWeight"};
  for (const QLineEdit* field : form_->centralWidget()->findChildren<QLineEdit*>()) {
    QCOMPARE(field->isEnabled(), editable.contains(field->objectName()));
  }
  form_->show();
  QVERIFY(!tz9::test::Field(*form_, "txtExtraWeight")->isVisible());
  QVERIFY(tz9::test::Field(*form_, "txtMTOW")->isVisible());
}

void Form1LayoutTest::NumericFieldsAreCentred() {
  for (const QLineEdit* field : form_->centralWidget()->findChildren<QLineEdit*>()) {
    const bool named = field->objectName() == "txtFile" || field->objectName() == "txtAereo";
    QCOMPARE(field->alignment().testFlag(Qt::AlignHCenter), !named);
  }
}

void Form1LayoutTest::TabFollowsTheFocusOrder() {
  const QStringList expected = {
      "txtMisAA",      "txtMisAG",   "txtBombe",  "txtCluster", "txtFuelTank", "txtEcm",
      "txtCompWeight", "cmdCompute", "cmdWeight", "txtSpMi",    "txtSpS1",     "txtSpSt",
      "txtSpS2",       "txtSpMa",    "txtAlMi",   "cmdTable",   "txtAlS1",     "txtAlSt",
      "txtAlS2",       "txtAlMa",    "Option1"};
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  QStringList order;
  QWidget* widget = tz9::test::Field(*form_, "txtMisAA");
  while (order.size() < expected.size()) {
    order << widget->objectName();
    do {
      widget = widget->nextInFocusChain();
    } while (!(widget->isEnabled() && widget->isVisible() && widget->focusPolicy() & Qt::TabFocus));
  }
  QCOMPARE(order, expected);
}

void Form1LayoutTest::LbsPerNmIsSelectedAtStart() {
  QCOMPARE(form_->Option1->text(), QStringLiteral("Lbs / NM"));
  QCOMPARE(form_->Option2->text(), QStringLiteral("TAS"));
  QCOMPARE(form_->Option3->text(), QStringLiteral("Mach Number"));
  QVERIFY(form_->Option1->isChecked());
  QVERIFY(!form_->Option2->isChecked() && !form_->Option3->isChecked());
  QTest::mouseClick(form_->Option3, Qt::LeftButton);
  QVERIFY(form_->Option3->isChecked() && !form_->Option1->isChecked());
  QCOMPARE(form_->SelectedDisplayMode(), tz9::DisplayMode::MachNumber);
}

void Form1LayoutTest::LegendSwatchesShowTheRegimeColours_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QColor>("fill");
  QTest::newRow("white") << "Shape1" << QColor(255, 255, 255);
  QTest::newRow("yellow") << "Shape2" << QColor(255, 255, 0);
  QTest::newRow("green") << "Shape3" << QColor(0, 255, 0);
  QTest::newRow("red") << "Shape4" << QColor(255, 0, 0);
}

void Form1LayoutTest::LegendSwatchesShowTheRegimeColours() {
  QFETCH(QString, name);
  QFETCH(QColor, fill);
  form_->show();
  QWidget* swatch = form_->findChild<QFrame*>(name);
  QVERIFY(swatch != nullptr);
  const QImage image = swatch->grab().toImage();
  QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), fill);
}

void Form1LayoutTest::MenusCarryTheirCaptions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  const std::pair<const char*, const char*> cases[] = {
      {"mnuFileApri", "&Load"}, {"mnuFileSalva", "&Save"}, {"mnuFileNome", "S&ave As"},
      {"mnuFileEsci", "&Exit"}, {"mnuHelp", "&Help"},      {"mnuCred", "&Credits"},
  };
  for (const auto& [name, caption] : cases) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
  }
}

void Form1LayoutTest::MenusCarryTheirCaptions() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  const QAction* action = form_->findChild<QAction*>(name);
  QVERIFY(action != nullptr);
  QCOMPARE(action->text(), caption);
  const QList<QAction*> menus = form_->menuBar()->actions();
  QCOMPARE(menus.size(), 2);
  QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
  QCOMPARE(menus[1]->text(), QStringLiteral("&?"));
  QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("mnuFile"));
  QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("mnuHelp1"));
}

void Form1LayoutTest::GridsOpenWithTheStartupTable() {
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  for (tz9::ResultGridView* view : {form_->MSFG1, form_->MSFG2}) {
    const QAbstractItemModel* model = view->model();
    QCOMPARE(model->rowCount(), 11);
    QCOMPARE(model->columnCount(), 23);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral(" 150"));
    QCOMPARE(model->headerData(22, Qt::Horizontal).toString(), QStringLiteral(" 850"));
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("0 ft"));
    QCOMPARE(model->headerData(10, Qt::Vertical).toString(), QStringLiteral("40000 ft"));
    QCOMPARE(model->data(model->index(0, 0)).toString(), QString());
    QVERIFY(!model->data(model->index(0, 0), Qt::BackgroundRole).isValid());
    QCOMPARE(view->horizontalHeader()->sectionSize(5), 600 / 15);
    QCOMPARE(view->verticalHeader()->width(), 870 / 15);
    QCOMPARE(view->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
  }
}

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
